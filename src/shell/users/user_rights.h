#pragma once
// The rights a user editor sets, grouped as the editor shows them. Rights fields of the users
// table that no box names are never written by the editor and so stay granted (see
// UserSession::hasRight).

#include <QList>
#include <QString>
#include <QStringList>

namespace shell {

struct RightBox {
    QString field;    // Boolean field of the users table
    QString caption;  // text of the check box
};

struct RightGroup {
    QString title;  // empty: the group is one check box standing on its own
    QList<RightBox> boxes;
    bool hidden = false;  // kept and written, but not offered (the book-keeping rights)
};

// In the order the editor lays them out.
const QList<RightGroup>& rightGroups();

// Every field written from a box, in the order of rightGroups().
QStringList editorRightFields();

}  // namespace shell

#pragma once
// Entering, changing and deleting users: what the user editor checks and writes, apart from its
// widgets. Only the administrator reaches these (the windows see to that).

#include <QHash>
#include <QString>

#include <optional>

namespace shell {

class UserSession;

// The editor's fields, to say where the focus goes after a refusal.
enum class UserField { None, Name, Ident, Password, Repeat };

// What the editor holds when "Zapisz" is pressed.
struct UserDraft {
    QString name;
    QString ident;
    QString password;
    QString repeat;
    // False only for an existing user whose two password fields nobody touched: the stored
    // password then stays as it is. A new user always gets the password typed.
    bool passwordEdited = true;
    bool active = true;
    QHash<QString, bool> rights;  // rights field -> checked
};

struct DraftProblem {
    QString message;
    UserField field;
};

// The checks that need no database, in the order the user meets them; the first failing one.
std::optional<DraftProblem> checkDraft(const UserDraft& draft);

// A user's record as the editor shows it.
struct StoredUser {
    int kod = 0;
    QString name;
    QString ident;
    bool active = false;
    QHash<QString, bool> rights;  // the editor's rights; one holding no value counts as granted
};

// The user numbered `kod`, read through the session's users cursor; nullopt when there is none.
// Throws engine::Error when the table cannot be read.
std::optional<StoredUser> readUser(UserSession& session, int kod);

struct SaveOutcome {
    bool saved = false;
    UserField focus = UserField::None;  // where to put the focus after a refusal
};

// Saves a new user (kod 0) or changes the user numbered `kod`. Refusals are told to the user
// under `title`; a write that fails is rolled back and told as well.
SaveOutcome saveUser(UserSession& session, int kod, const UserDraft& draft, const QString& title);

// Deletes the user numbered `kod` (never the administrator). False, after telling the user, when
// it did not happen.
bool deleteUser(UserSession& session, int kod);

}  // namespace shell

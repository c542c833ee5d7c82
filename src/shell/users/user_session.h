#pragma once
// The users of the program and the one who is logged in. Users are shared by every company: they
// live in the table "uzytkowf" of the users database beside the program. The session answers the
// rights questions that every window asks before a guarded action, and checks passwords at log-in.
//
// Nothing here shows a window except requireRight's refusal, which goes through the message
// service.

#include <QString>
#include <QStringList>

#include <optional>

#include "engine/table.h"

namespace engine {
class Database;
}

namespace shell {

class UserSession {
  public:
    // The user entered first; only this user may enter, change and delete users.
    static constexpr int kAdministratorKod = 1;
    // Not a field: the right to edit users, which belongs to the administrator alone.
    static const QString kEditUsersRight;

    // Opens the cursors on the users table, which must exist (throws engine::Error otherwise).
    // The database must outlive the session, and the table cannot be restructured meanwhile.
    // Until someone logs in the administrator counts as current, so that the very first user
    // can be entered on a new installation.
    explicit UserSession(engine::Database& usersDatabase);
    UserSession(const UserSession&) = delete;
    UserSession& operator=(const UserSession&) = delete;

    engine::Database& database() const { return db_; }
    // The cursor the users window and the user editor work on (insertion order).
    engine::Table& usersCursor() { return list_; }
    // The cursor on the current user's record. Positions it there first; false when the record
    // has gone (for example deleted by the administrator on another machine).
    bool positionOnCurrentUser();
    engine::Table& currentUserCursor() { return current_; }

    // --- rights ---
    // kEditUsersRight: the current user is the administrator. A rights field of the users table:
    // its value in the current user's record, where a field holding no value (added to the table
    // after the record was written) counts as granted. Anything that cannot be read, including
    // an unknown name, is not granted.
    bool hasRight(const QString& name);
    // hasRight, telling the user when the answer is no.
    bool requireRight(const QString& name);

    // --- the current user (empty texts when the record cannot be read) ---
    int currentUserKod() const { return currentKod_; }
    bool currentUserIsAdministrator() const { return currentKod_ == kAdministratorKod; }
    QString currentUserIdent();
    QString currentUserName();
    QString currentUserSignature();
    // The identifier the current user logged in with; before anyone has logged in, the
    // administrator's identifier as it is now. Tells whether the administrator has meanwhile
    // changed the current user's record.
    QString logInIdent();

    // --- log-in ---
    // The identifiers offered at log-in: those of the active users, in stored order.
    QStringList activeIdents();
    // Which of activeIdents() to preselect: the one equal to `ident` (letter case counts), else
    // the first (0); -1 when nobody is active.
    int preselectIndex(const QString& ident);
    static int preselectIndex(const QStringList& idents, const QString& ident);
    // True when an active user has exactly this identifier and this password; that user then
    // becomes the current user.
    bool checkLogIn(const QString& ident, const QString& password);
    // Log-in without a dialog (runs started from the command line): the identifier must be
    // exactly that of an active user, there is no falling back to another one. The password is
    // tried three times, so that a passing read error does not end the run.
    bool logInUnattended(const QString& ident, const QString& password);
    // The password of the current user is this one.
    bool checkOwnPassword(const QString& password);

    // No user at all (a new installation). Throws engine::Error when the table cannot be read.
    bool isEmpty();

  private:
    struct Account {
        int kod = 0;
        std::optional<qint32> digest;
    };
    // The first active user with exactly this identifier.
    std::optional<Account> findActive(const QString& ident);
    QString currentUserText(const QString& field);

    engine::Database& db_;
    engine::Table list_;     // TableUzytkow
    engine::Table current_;  // TableUzytkowBis
    engine::Table scan_;     // searches that must not move the other two
    int currentKod_ = kAdministratorKod;
    std::optional<QString> logInIdent_;
};

// The stored form of a password: its digest in the signed 32-bit field "Dane".
qint32 storedPasswordDigest(const QString& password);

}  // namespace shell

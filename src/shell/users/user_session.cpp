#include "shell/users/user_session.h"

#include <exception>

#include "common/password.h"
#include "engine/database.h"
#include "shell/messages.h"

namespace shell {

const QString UserSession::kEditUsersRight = QStringLiteral("EdycjaUżytkowników");

namespace {

const QString kUsersTable = QStringLiteral("uzytkowf");

}  // namespace

qint32 storedPasswordDigest(const QString& password) {
    return static_cast<qint32>(common::passwordDigest(password));
}

UserSession::UserSession(engine::Database& usersDatabase)
    : db_(usersDatabase),
      list_(usersDatabase, kUsersTable),
      current_(usersDatabase, kUsersTable),
      scan_(usersDatabase, kUsersTable) {
    for (engine::Table* t : {&list_, &current_, &scan_}) {
        t->setIndexName(QString());
        t->open();
    }
}

bool UserSession::positionOnCurrentUser() {
    if (current_.state() != engine::Table::State::Browse)
        current_.cancel();
    return current_.locate({QStringLiteral("Kod")}, {currentKod_});
}

bool UserSession::hasRight(const QString& name) {
    if (name == kEditUsersRight)
        return currentUserIsAdministrator();
    try {
        if (!current_.hasField(name) ||
            current_.fieldByName(name).def().type != engine::FieldType::Boolean)
            return false;
        if (!positionOnCurrentUser())
            return false;
        const engine::Field right = current_.fieldByName(name);
        return right.isNull() || right.asBoolean();
    } catch (const std::exception&) {
        return false;
    }
}

bool UserSession::requireRight(const QString& name) {
    if (hasRight(name))
        return true;
    showMessage(QStringLiteral("Nie masz uprawnień do wykonania tej czynności."));
    return false;
}

QString UserSession::currentUserText(const QString& field) {
    try {
        if (positionOnCurrentUser())
            return current_.fieldByName(field).asString();
    } catch (const std::exception&) {
    }
    return {};
}

QString UserSession::currentUserIdent() {
    return currentUserText(QStringLiteral("Ident"));
}

QString UserSession::currentUserName() {
    return currentUserText(QStringLiteral("Imie_Nazwisko"));
}

QString UserSession::currentUserSignature() {
    return currentUserText(QStringLiteral("Sygnatura"));
}

QString UserSession::logInIdent() {
    return logInIdent_ ? *logInIdent_ : currentUserIdent();
}

QStringList UserSession::activeIdents() {
    QStringList idents;
    try {
        for (scan_.first(); !scan_.eof(); scan_.next())
            if (scan_.fieldByName(QStringLiteral("Aktywny")).asString() == QLatin1String("TAK"))
                idents << scan_.fieldByName(QStringLiteral("Ident")).asString();
    } catch (const std::exception&) {
        // Those read so far are offered.
    }
    return idents;
}

int UserSession::preselectIndex(const QString& ident) {
    return preselectIndex(activeIdents(), ident);
}

int UserSession::preselectIndex(const QStringList& idents, const QString& ident) {
    if (idents.isEmpty())
        return -1;
    const qsizetype exact = idents.indexOf(ident);
    return exact >= 0 ? static_cast<int>(exact) : 0;
}

std::optional<UserSession::Account> UserSession::findActive(const QString& ident) {
    // Texts compare without regard to case inside the engine, so the exact comparison is ours.
    for (scan_.first(); !scan_.eof(); scan_.next()) {
        if (scan_.fieldByName(QStringLiteral("Ident")).asString() != ident ||
            scan_.fieldByName(QStringLiteral("Aktywny")).asString() != QLatin1String("TAK"))
            continue;
        Account account;
        account.kod = static_cast<int>(scan_.fieldByName(QStringLiteral("Kod")).asInteger());
        const engine::Field dane = scan_.fieldByName(QStringLiteral("Dane"));
        if (!dane.isNull())
            account.digest = static_cast<qint32>(dane.asInteger());
        return account;
    }
    return std::nullopt;
}

bool UserSession::checkLogIn(const QString& ident, const QString& password) {
    try {
        const std::optional<Account> account = findActive(ident);
        if (!account || account->digest != storedPasswordDigest(password))
            return false;
        currentKod_ = account->kod;
        logInIdent_ = ident;
        positionOnCurrentUser();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool UserSession::logInUnattended(const QString& ident, const QString& password) {
    for (int attempt = 0; attempt < 3; ++attempt)
        if (checkLogIn(ident, password))
            return true;
    return false;
}

bool UserSession::checkOwnPassword(const QString& password) {
    try {
        if (!positionOnCurrentUser())
            return false;
        const engine::Field dane = current_.fieldByName(QStringLiteral("Dane"));
        return !dane.isNull() &&
               static_cast<qint32>(dane.asInteger()) == storedPasswordDigest(password);
    } catch (const std::exception&) {
        return false;
    }
}

bool UserSession::isEmpty() {
    return scan_.recordCount() == 0;
}

}  // namespace shell

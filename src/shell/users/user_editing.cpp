#include "shell/users/user_editing.h"

#include <QStringList>

#include <exception>

#include "common/text_utils.h"
#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"
#include "shell/messages.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"
#include "shell/users/users_write.h"

namespace shell {

namespace {

const QString kKod = QStringLiteral("Kod");
const QString kName = QStringLiteral("Imie_Nazwisko");
const QString kIdent = QStringLiteral("Ident");

void positionOn(engine::Table& users, int kod) {
    if (!users.locate({kKod}, {kod}))
        throw engine::Error(engine::Error::Code::NoRecord,
                            QStringLiteral("user %1 is gone").arg(kod));
}

// Checks 8 and 9 against every user but the one being saved; texts compare exactly, as typed.
std::optional<DraftProblem> findDuplicate(engine::Database& db, int kod, const UserDraft& draft) {
    engine::Table others(db, QStringLiteral("uzytkowf"));
    others.open();
    bool sameName = false;
    bool sameIdent = false;
    for (others.first(); !others.eof(); others.next()) {
        if (others.fieldByName(kKod).asInteger() == kod)
            continue;
        sameName = sameName || others.fieldByName(kName).asString() == draft.name;
        sameIdent = sameIdent || others.fieldByName(kIdent).asString() == draft.ident;
    }
    if (sameName)
        return DraftProblem{QStringLiteral("Na liście jest już osoba o takim imieniu i nazwisku."),
                            UserField::Name};
    if (sameIdent)
        return DraftProblem{QStringLiteral("Na liście jest już osoba o takim identyfikatorze."),
                            UserField::Ident};
    return std::nullopt;
}

}  // namespace

std::optional<DraftProblem> checkDraft(const UserDraft& draft) {
    if (common::isBlank(draft.name))
        return DraftProblem{QStringLiteral("Brak imienia i nazwiska."), UserField::Name};
    if (common::isBlank(draft.ident))
        return DraftProblem{QStringLiteral("Brak identyfikatora."), UserField::Ident};
    if (!draft.passwordEdited)
        return std::nullopt;
    if (common::isBlank(draft.password))
        return DraftProblem{QStringLiteral("Brak hasła."), UserField::Password};
    if (draft.password.size() <= 2)
        return DraftProblem{QStringLiteral("Za krótkie hasło."), UserField::Password};
    if (common::isBlank(draft.repeat))
        return DraftProblem{QStringLiteral("Wpisz hasło jeszcze raz w polu \"Powtórz hasło\"."),
                            UserField::Repeat};
    if (draft.password != draft.repeat)
        return DraftProblem{QStringLiteral("Wpisane hasła są różne."), UserField::Repeat};
    return std::nullopt;
}

std::optional<StoredUser> readUser(UserSession& session, int kod) {
    engine::Table& users = session.usersCursor();
    if (users.state() != engine::Table::State::Browse)
        users.cancel();
    if (!users.locate({kKod}, {kod}))
        return std::nullopt;
    StoredUser user;
    user.kod = kod;
    user.name = users.fieldByName(kName).asString();
    user.ident = users.fieldByName(kIdent).asString();
    user.active = users.fieldByName(QStringLiteral("Aktywny")).asString() == QLatin1String("TAK");
    for (const QString& field : editorRightFields()) {
        const engine::Field right = users.fieldByName(field);
        user.rights.insert(field, right.isNull() || right.asBoolean());
    }
    return user;
}

SaveOutcome saveUser(UserSession& session, int kod, const UserDraft& draft, const QString& title) {
    if (const std::optional<DraftProblem> problem = checkDraft(draft)) {
        showMessage(problem->message, title);
        return {false, problem->field};
    }
    engine::Database& db = session.database();
    if (!beginUsersWrite(db, true))
        return {};
    engine::Table& users = session.usersCursor();
    try {
        if (const std::optional<DraftProblem> duplicate = findDuplicate(db, kod, draft)) {
            rollbackUsersWrite(db, {&users});
            showMessage(duplicate->message, title);
            return {false, duplicate->field};
        }
        if (users.state() != engine::Table::State::Browse)
            users.cancel();
        if (kod != 0) {
            positionOn(users, kod);
            users.edit();
        } else {
            users.append();
        }
        users.fieldByName(kName).setString(draft.name);
        users.fieldByName(kIdent).setString(draft.ident);
        if (draft.passwordEdited)
            users.fieldByName(QStringLiteral("Dane"))
                .setInteger(storedPasswordDigest(draft.password));
        users.fieldByName(QStringLiteral("Aktywny"))
            .setString(draft.active ? QStringLiteral("TAK") : QStringLiteral("NIE"));
        for (const QString& field : editorRightFields())
            users.fieldByName(field).setBoolean(draft.rights.value(field, true));
        users.post();
        db.commit();
        return {true, UserField::None};
    } catch (const std::exception& e) {
        rollbackUsersWrite(db, {&users});
        showUsersWriteError(e);
        return {};
    }
}

bool deleteUser(UserSession& session, int kod) {
    if (kod == UserSession::kAdministratorKod) {
        showMessage(QStringLiteral("Nie można usunąć administratora."));
        return false;
    }
    engine::Database& db = session.database();
    if (!beginUsersWrite(db, true))
        return false;
    engine::Table& users = session.usersCursor();
    try {
        if (users.state() != engine::Table::State::Browse)
            users.cancel();
        positionOn(users, kod);
        users.deleteRecord();
        db.commit();
        return true;
    } catch (const std::exception& e) {
        rollbackUsersWrite(db, {&users});
        showUsersWriteError(e);
        return false;
    }
}

}  // namespace shell

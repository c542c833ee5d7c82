#include "shell/users/users_write.h"

#include <QString>

#include <exception>

#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"
#include "shell/messages.h"

namespace shell {

namespace {

void showBusy() {
    showMessage(
        QStringLiteral("Baza danych jest chwilowo zajęta przez innego użytkownika.\r"
                       "Poczekaj chwilę i powtórz wybraną funkcję."));
}

void showReadError() {
    showMessage(QStringLiteral("Przy próbie odczytu danych wystąpił błąd komunikacji z serwerem."));
}

void showDeleted() {
    showMessage(QStringLiteral("Wybrana pozycja została skasowana przez innego użytkownika."));
}

void showLocked() {
    showMessage(
        QStringLiteral("Wybrana pozycja jest chwilowo zablokowana przez innego użytkownika."));
}

}  // namespace

bool beginUsersWrite(engine::Database& db, bool failSafe) {
    try {
        if (db.tryStartTransaction(failSafe))
            return true;
        showBusy();
    } catch (const engine::Error& e) {
        if (e.code() == engine::Error::Code::Busy)
            showBusy();
        else
            showReadError();
    } catch (const std::exception&) {
        showReadError();
    }
    return false;
}

void rollbackUsersWrite(engine::Database& db, std::initializer_list<engine::Table*> cursors) {
    for (engine::Table* cursor : cursors) {
        try {
            cursor->cancel();
        } catch (const std::exception&) {
        }
    }
    try {
        db.rollback();
    } catch (const std::exception&) {
    }
}

bool probeUserEdit(engine::Table& users, int kod) {
    try {
        if (users.state() != engine::Table::State::Browse)
            users.cancel();
        users.refresh();
        if (users.isEmpty() || !users.locate({QStringLiteral("Kod")}, {kod})) {
            showDeleted();
            return false;
        }
        if (!users.tryEdit()) {
            showLocked();
            return false;
        }
        users.cancel();
        return true;
    } catch (const engine::Error& e) {
        switch (e.code()) {
            case engine::Error::Code::NoRecord:
                showDeleted();
                break;
            case engine::Error::Code::Locked:
                showLocked();
                break;
            default:
                showReadError();
        }
    } catch (const std::exception&) {
        showReadError();
    }
    return false;
}

void showUsersWriteError(const std::exception& error) {
    if (const auto* e = dynamic_cast<const engine::Error*>(&error)) {
        if (e->code() == engine::Error::Code::Locked) {
            showLocked();
            return;
        }
        if (e->code() == engine::Error::Code::NoRecord) {
            showDeleted();
            return;
        }
    }
    showMessage(
        QStringLiteral("W czasie dostępu do bazy danych wystąpił niespodziewany błąd. "
                       "Program należy zakończyć i uruchomić ponownie."));
}

}  // namespace shell

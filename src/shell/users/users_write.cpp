#include "shell/users/users_write.h"

#include <QString>

#include <exception>

#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"
#include "shell/company/write_helpers.h"
#include "shell/messages.h"

namespace shell {

namespace {

void showDeleted() { showMessage(company::kRecordDeletedMessage); }
void showLocked() { showMessage(company::kRecordLockedMessage); }
void showReadError() { showMessage(company::kCommunicationErrorMessage); }

}  // namespace

// The users database is written like any other: through the shared write helpers.
bool beginUsersWrite(engine::Database& db, bool failSafe) {
    return company::WriteHelper(&db, {}).beginWrite(failSafe);
}

void rollbackUsersWrite(engine::Database& db, std::initializer_list<engine::Table*> cursors) {
    company::WriteHelper(&db, QList<engine::Table*>(cursors)).rollbackWrite();
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
    company::showUnexpectedDbError();
}

}  // namespace shell

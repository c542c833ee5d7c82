#include "shell/company/write_helpers.h"

#include <exception>
#include <utility>

#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"
#include "shell/messages.h"

namespace shell::company {
namespace {

using Code = engine::Error::Code;

ErrorSink& errorSink() {
    static ErrorSink sink;
    return sink;
}

BusyIndicator& busyIndicator() {
    static BusyIndicator indicator;
    return indicator;
}

class Hourglass {
  public:
    Hourglass() { set(true); }
    ~Hourglass() { set(false); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    static void set(bool on) {
        if (busyIndicator())
            busyIndicator()(on);
    }
};

void passOn(const QString& errorText, bool databaseLost) {
    if (errorSink())
        errorSink()(errorText, databaseLost);
    else
        showUnexpectedDbError();
}

// A file that fails under the program is this engine's lost connection.
bool isDatabaseLost(const engine::Error& e) {
    return e.code() == Code::Io;
}

void rollbackQuietly(engine::Database& db) {
    try {
        db.rollback();
    } catch (...) {
        // The transaction is over either way; nothing better can be done here.
    }
}

}  // namespace

void setErrorSink(ErrorSink sink) {
    errorSink() = std::move(sink);
}

void setBusyIndicator(BusyIndicator indicator) {
    busyIndicator() = std::move(indicator);
}

void showUnexpectedDbError() {
    showMessage(kUnexpectedDbErrorMessage);
}

WriteHelper::WriteHelper(engine::Database* db, QList<engine::Table*> tables)
    : db_(db), tables_(std::move(tables)) {}

bool WriteHelper::begin(bool failSafe, bool reportErrors) {
    if (!db_)
        return false;
    Hourglass hourglass;
    try {
        db_->startTransaction(failSafe);
        return true;
    } catch (const engine::Error& e) {
        if (!reportErrors)
            return false;
        if (e.code() == Code::Busy)
            showMessage(kDatabaseBusyMessage);
        else if (isDatabaseLost(e))
            passOn(QString::fromStdString(e.what()), true);
        else
            showMessage(kCommunicationErrorMessage);
        return false;
    }
}

bool WriteHelper::beginWrite(bool failSafe) {
    return begin(failSafe, true);
}

bool WriteHelper::tryBeginWrite(bool failSafe) {
    return begin(failSafe, false);
}

void WriteHelper::commitWrite() {
    if (!db_)
        return;
    Hourglass hourglass;
    db_->commit();
}

void WriteHelper::rollbackWrite() {
    for (engine::Table* t : tables_) {
        if (!t->isActive())
            continue;
        const engine::Table::State s = t->state();
        if (s != engine::Table::State::Edit && s != engine::Table::State::Insert)
            continue;
        try {
            t->cancel();
        } catch (...) {
            // One object that cannot cancel must not keep the others from it.
        }
    }
    if (db_)
        rollbackQuietly(*db_);
}

bool WriteHelper::probeEdit(engine::Table& table) {
    if (!beginWrite(false))
        return false;
    try {
        table.edit();
        table.cancel();
        return true;
    } catch (const engine::Error& e) {
        rollbackQuietly(*db_);
        if (e.code() == Code::NoRecord)
            showMessage(kRecordChangedMessage);
        else if (e.code() == Code::Locked)
            showMessage(kRecordLockedMessage);
        return false;
    } catch (...) {
        rollbackQuietly(*db_);
        throw;
    }
}

bool WriteHelper::saveInTransaction(const std::function<void()>& work) {
    if (!beginWrite(true))
        return false;
    try {
        work();
        commitWrite();
        return true;
    } catch (const engine::Error& e) {
        rollbackWrite();
        if (isDatabaseLost(e))
            passOn(QString::fromStdString(e.what()), true);
        else
            showUnexpectedDbError();
    } catch (const std::exception& e) {
        rollbackWrite();
        passOn(QString::fromStdString(e.what()), false);
    } catch (...) {
        rollbackWrite();
        passOn(QStringLiteral("unknown error"), false);
    }
    return false;
}

bool probeUserEdit(engine::Table& usersTable) {
    engine::Database& db = usersTable.database();
    try {
        db.startTransaction(false);
        usersTable.refresh();
        if (usersTable.isEmpty()) {
            rollbackQuietly(db);
            showMessage(kRecordDeletedMessage);
            return false;
        }
        usersTable.edit();
        usersTable.cancel();
        db.commit();
        return true;
    } catch (const engine::Error& e) {
        rollbackQuietly(db);
        switch (e.code()) {
            case Code::Locked:
                showMessage(kRecordLockedMessage);
                break;
            case Code::NoRecord:
                showMessage(kRecordDeletedMessage);
                break;
            case Code::Io:
                passOn(QString::fromStdString(e.what()), true);
                break;
            default:
                showMessage(kCommunicationErrorMessage);
                break;
        }
        return false;
    } catch (...) {
        rollbackQuietly(db);
        throw;
    }
}

}  // namespace shell::company

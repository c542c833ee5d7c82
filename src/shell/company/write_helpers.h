#pragma once
// Transactions and record locks as every editor uses them. An editor probes the record before
// it opens it (probeEdit), saves inside one fail-safe transaction (beginWrite(true) ... commit),
// and on any error rolls everything back, pending edits of the table objects included, and tells
// the user that something unexpected happened. Writes never wait for another user: a busy
// database is reported at once.

#include <QList>
#include <QString>

#include <functional>

namespace engine {
class Database;
class Table;
}  // namespace engine

namespace shell::company {

inline const QString kDatabaseBusyMessage = QStringLiteral(
    "Baza danych jest chwilowo zajęta przez innego użytkownika.\r"
    "Poczekaj chwilę i powtórz wybraną funkcję.");
inline const QString kCommunicationErrorMessage =
    QStringLiteral("Przy próbie odczytu danych wystąpił błąd komunikacji z serwerem.");
inline const QString kRecordChangedMessage =
    QStringLiteral("Wybrana pozycja została zmieniona lub skasowana przez innego użytkownika.");
inline const QString kRecordDeletedMessage =
    QStringLiteral("Wybrana pozycja została skasowana przez innego użytkownika.");
inline const QString kRecordLockedMessage =
    QStringLiteral("Wybrana pozycja jest chwilowo zablokowana przez innego użytkownika.");
inline const QString kUnexpectedDbErrorMessage = QStringLiteral(
    "W czasie dostępu do bazy danych wystąpił niespodziewany błąd. Program należy zakończyć i "
    "uruchomić ponownie.");

// Errors the helpers do not report themselves but hand to the application's error handler: the
// loss of the database (its file failing under the program) and errors inside a save that are
// not the database's (a counter that is no number, say). The main window installs its handler;
// without one the unexpected-error message is shown.
using ErrorSink = std::function<void(const QString& errorText, bool databaseLost)>;
void setErrorSink(ErrorSink sink);

// The hourglass while a transaction starts or commits; the main window installs the cursor.
using BusyIndicator = std::function<void(bool busy)>;
void setBusyIndicator(BusyIndicator indicator);

void showUnexpectedDbError();

// The helpers for one database (the open company's, or none) and the table objects on it whose
// pending edits a rollback cancels.
class WriteHelper {
  public:
    WriteHelper(engine::Database* db, QList<engine::Table*> tables);

    engine::Database* database() const { return db_; }

    // Starts a transaction, fail-safe (journaled) or not. A busy database gives the busy
    // message, any other database error the communication message, and false; without a
    // database simply false.
    bool beginWrite(bool failSafe);
    // The same without any message.
    bool tryBeginWrite(bool failSafe);
    // Throws the engine's error when the commit fails.
    void commitWrite();
    // Cancels the pending edit or insert of every open table object, then rolls back. Never
    // throws: it is what error paths call.
    void rollbackWrite();

    // Takes and releases the record lock of the current record inside a new transaction. True:
    // the transaction stays open, the caller reads the record and calls commitWrite. False:
    // rolled back, after telling the user when the record has gone or is locked.
    bool probeEdit(engine::Table& table);

    // beginWrite(true), `work`, commitWrite. Any error on the way, whatever its kind, rolls the
    // whole transaction back before it is reported; then false. False also when no transaction
    // could start, in which case `work` does not run.
    bool saveInTransaction(const std::function<void()>& work);

  private:
    bool begin(bool failSafe, bool reportErrors);

    engine::Database* db_;
    QList<engine::Table*> tables_;
};

// probeEdit for a users table object: re-reads the table, takes and releases the record's lock,
// and always ends its transaction before returning.
bool probeUserEdit(engine::Table& usersTable);

}  // namespace shell::company

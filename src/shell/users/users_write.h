#pragma once
// The few transaction and lock steps that changes of users need on the users database: start a
// write, undo it, and check that a user's record may be opened for change. Failures are told to
// the user here, so callers only stop.

#include <exception>
#include <initializer_list>

namespace engine {
class Database;
class Table;
}  // namespace engine

namespace shell {

// Starts a write transaction (journaled when failSafe). When another user is writing, or the
// database fails otherwise, tells the user and returns false.
bool beginUsersWrite(engine::Database& db, bool failSafe);

// Cancels a pending edit or insert of the given cursors and rolls the transaction back. Never
// throws: it runs on the way out of a failure.
void rollbackUsersWrite(engine::Database& db, std::initializer_list<engine::Table*> cursors);

// Re-reads the users cursor, positions it on the user numbered `kod` and takes and releases
// that record's lock, to learn whether someone else is changing it. False, after telling the
// user, when the record has gone, is locked or cannot be read. No transaction stays open.
bool probeUserEdit(engine::Table& users, int kod);

// Tells the user why a write of users failed: a record locked or deleted by someone else, or
// an unexpected error of the database.
void showUsersWriteError(const std::exception& error);

}  // namespace shell

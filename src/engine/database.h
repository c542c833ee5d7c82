#pragma once
// One database file of the table engine (a company database or the users database), reached
// through one SQLite connection. It creates and restructures tables, runs transactions and keeps
// the table and record locks of its cursors.
//
// Transactions: a write transaction that cannot start at once because another connection is
// writing fails with Error::Code::Busy; nothing waits. A fail-safe transaction leaves a journal
// beside the file while it runs, so that a run interrupted in the middle can tell at the next
// start whether the transaction was completed (see recovery.h).

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

#include "engine/definitions.h"

struct sqlite3;

namespace engine {

class LockFile;
class Statement;

class Database {
  public:
    // Opens the file, creating an empty database when it does not exist. Throws Error(Io).
    explicit Database(const QString& filePath);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& filePath() const { return filePath_; }

    // --- transactions ---
    void startTransaction(bool failSafe = false);     // throws Error(Busy)
    bool tryStartTransaction(bool failSafe = false);  // false when another connection writes
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

    // --- structure ---
    bool tableExists(const QString& name) const;
    QStringList tableNames() const;  // in creation order
    // Creates a table; throws Error(AlreadyExists) when one of that name exists.
    void createTable(const TableDef& def);
    TableDef tableDef(const QString& name) const;  // throws Error(NoSuchTable)
    // Adds an index to a table that no cursor has open.
    void addIndex(const QString& table, const IndexDef& index);
    // Rebuilds a table to a new field list, carrying values over by the field map: entries
    // "New=Old" (or a bare name for the same name on both sides). Fields without an entry start
    // empty; text fields are cut to their new size. All records keep their identity and order,
    // and AutoInc values are not reused afterwards. Needs the table closed everywhere
    // (Error(InUse)); runs in one transaction of its own or of the caller.
    void restructure(const QString& table, const TableDef& newDef, const QStringList& fieldMap);

    // True when some connection, of this or another process, holds the database open.
    static bool isInUse(const QString& filePath);
    // The tables of a database file, read without changing it; empty when the file is missing
    // or is not a database of this engine.
    static QStringList tableNamesIn(const QString& filePath);

    // Test seam: runs between the commit of a fail-safe transaction and the removal of its
    // journal, so a test can stop a process exactly there.
    void setAfterCommitHookForTests(std::function<void()> hook) {
        afterCommitHook_ = std::move(hook);
    }

    // --- used by cursors (Table) ---
    sqlite3* handle() const { return db_; }
    uint64_t changeCount() const { return changeCount_; }
    void noteChange() { ++changeCount_; }
    int tableLockId(const QString& table) const;
    // Use of a table by a cursor: shared, or exclusive (no other cursor anywhere).
    bool acquireTable(int lockId, bool exclusive);
    void releaseTable(int lockId);
    // Record locks: one owner per record among all connections.
    bool lockRecord(int lockId, int64_t rid, const void* owner);
    void unlockRecord(int lockId, int64_t rid, const void* owner);
    // The identity of the next record appended to a table (inside a write transaction).
    int64_t nextRecordId(int lockId, const QString& table);
    // A prepared statement shared by the cursors of this connection; callers reset it after use
    // and never step two uses of one text at once.
    Statement& cachedStatement(const QString& sql);
    // Runs `work` inside the caller's transaction, or in one of its own.
    void inWriteTransaction(const std::function<void()>& work);

  private:
    // Holds a table for this connection alone while its structure changes; Error(InUse) when a
    // cursor anywhere has it open.
    class ExclusiveTable {
    public:
        ExclusiveTable(Database& db, const QString& table);
        ~ExclusiveTable() { db_.releaseTable(lockId_); }
        ExclusiveTable(const ExclusiveTable&) = delete;
        ExclusiveTable& operator=(const ExclusiveTable&) = delete;

    private:
        Database& db_;
        int lockId_;
    };

    void ensureCatalog();
    void checkCollationVersion();
    void writeJournal();
    void removeJournal();
    void createTableIn(const TableDef& def, const QString& sqlName);
    void createIndexesOf(const TableDef& def);
    int allocateLockId();

    QString filePath_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<LockFile> locks_;
    bool inTransaction_ = false;
    bool failSafe_ = false;
    QString journalId_;
    int journalFd_ = -1;
    uint64_t changeCount_ = 0;
    std::function<void()> afterCommitHook_;

    struct TableUse {
        int count = 0;
        bool exclusive = false;
    };
    QHash<int, TableUse> tableUse_;
    // Next identities per table, valid while this connection holds the write lock.
    QHash<int, int64_t> nextIds_;
    QHash<QString, std::shared_ptr<Statement>> statements_;
    QHash<QPair<int, int64_t>, const void*> recordOwners_;
};

// Names of the engine's files beside a database file.
QString journalPathOf(const QString& databasePath);
QString lockPathOf(const QString& databasePath);

}  // namespace engine

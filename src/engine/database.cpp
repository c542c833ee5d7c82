#include "engine/database.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>

#include "engine/cell.h"
#include "engine/collation.h"
#include "engine/filter_functions.h"
#include "engine/lock_file.h"
#include "engine/sqlite_util.h"
#include "engine/table_sql.h"

namespace engine {
namespace {

// Byte offsets in the lock file: 0 marks an open connection; each table has a range of its own
// whose first byte marks the table's use by cursors and whose other bytes are its records.
constexpr uint64_t kDatabaseInUseOffset = 0;
uint64_t tableOffset(int lockId) {
    return static_cast<uint64_t>(lockId) << 33;
}
uint64_t recordOffset(int lockId, int64_t rid) {
    return tableOffset(lockId) + 1 + static_cast<uint64_t>(rid);
}

QString newJournalId() {
    return QString::number(QRandomGenerator::system()->generate64(), 16);
}

}  // namespace

QString journalPathOf(const QString& databasePath) {
    return databasePath + QStringLiteral("-rvjournal");
}
QString lockPathOf(const QString& databasePath) {
    return databasePath + QStringLiteral("-rvlocks");
}

Database::Database(const QString& filePath) : filePath_(filePath) {
    const int rc =
        sqlite3_open_v2(filePath.toUtf8().constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(Error::Code::Io, QStringLiteral("cannot open %1: %2").arg(filePath, msg));
    }
    try {
        registerCollation(db_);
        registerFilterFunctions(db_);
        sqlite3_extended_result_codes(db_, 1);
        // No waiting for another writer: a busy database is reported at once.
        sqlite3_busy_timeout(db_, 0);
        execSql(db_, QStringLiteral("PRAGMA journal_mode=WAL"));
        execSql(db_, QStringLiteral("PRAGMA foreign_keys=OFF"));
        locks_ = std::make_unique<LockFile>(lockPathOf(filePath));
        locks_->tryLock(kDatabaseInUseOffset, false);
        ensureCatalog();
        checkCollationVersion();
    } catch (...) {
        locks_.reset();
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

Database::~Database() {
    if (inTransaction_) {
        try {
            rollback();
        } catch (...) {
        }
    }
    statements_.clear();
    if (db_)
        sqlite3_close_v2(db_);
}

bool Database::isInUse(const QString& filePath) {
    if (!QFile::exists(lockPathOf(filePath)))
        return false;
    try {
        LockFile probe(lockPathOf(filePath));
        if (!probe.tryLock(kDatabaseInUseOffset, true))
            return true;
        probe.unlock(kDatabaseInUseOffset);
        return false;
    } catch (const Error&) {
        return false;
    }
}

QStringList Database::tableNamesIn(const QString& filePath) {
    QStringList names;
    if (!QFile::exists(filePath))
        return names;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(filePath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT tbl FROM _rv_catalog ORDER BY seq", -1, &st, nullptr) ==
            SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                names << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return names;
}

void Database::ensureCatalog() {
    Statement probe(db_,
                    QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name='_rv_catalog'"));
    probe.step();
    if (probe.columnInt(0) > 0)
        return;
    inWriteTransaction([this] {
        execSql(db_,
                QStringLiteral(
                    "CREATE TABLE IF NOT EXISTS _rv_catalog (tbl TEXT PRIMARY KEY COLLATE "
                    "NOCASE, lockid INTEGER NOT NULL, seq INTEGER NOT NULL, def TEXT NOT NULL)"));
        execSql(db_, QStringLiteral(
                         "CREATE TABLE IF NOT EXISTS _rv_meta (key TEXT PRIMARY KEY, value TEXT)"));
        execSql(db_, QStringLiteral(
                         "CREATE TABLE IF NOT EXISTS _rv_txn (k INTEGER PRIMARY KEY, id TEXT)"));
        Statement set(db_,
                      QStringLiteral("INSERT OR IGNORE INTO _rv_meta VALUES ('collation', ?)"));
        set.bindText(1, collationVersion());
        set.step();
    });
}

void Database::checkCollationVersion() {
    Statement get(db_, QStringLiteral("SELECT value FROM _rv_meta WHERE key='collation'"));
    const QString stored = get.step() ? get.columnText(0) : QString();
    get.reset();
    if (stored == collationVersion())
        return;
    // Indexes built under other collation rules would be out of order: rebuild them. When
    // another connection is writing just now, the next opening tries again.
    try {
        inWriteTransaction([this] {
            execSql(db_, QStringLiteral("REINDEX PL"));
            Statement set(
                db_, QStringLiteral("INSERT OR REPLACE INTO _rv_meta VALUES ('collation', ?)"));
            set.bindText(1, collationVersion());
            set.step();
        });
    } catch (const Error& e) {
        if (e.code() != Error::Code::Busy)
            throw;
    }
}

// --- transactions ---

bool Database::tryStartTransaction(bool failSafe) {
    if (inTransaction_)
        throw Error(Error::Code::Busy, QStringLiteral("a transaction is already active"));
    execSql(db_, failSafe ? QStringLiteral("PRAGMA synchronous=FULL")
                          : QStringLiteral("PRAGMA synchronous=NORMAL"));
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        return false;
    if (rc != SQLITE_OK)
        throwSqlite(db_, rc, QStringLiteral("BEGIN"));
    inTransaction_ = true;
    failSafe_ = failSafe;
    nextIds_.clear();
    if (failSafe) {
        try {
            writeJournal();
        } catch (...) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            inTransaction_ = false;
            throw;
        }
    }
    return true;
}

void Database::startTransaction(bool failSafe) {
    if (!tryStartTransaction(failSafe))
        throw Error(Error::Code::Busy, QStringLiteral("the database is busy: ") + filePath_);
}

void Database::commit() {
    if (!inTransaction_)
        throw Error(Error::Code::NotEditing, QStringLiteral("no transaction"));
    try {
        if (failSafe_) {
            // The transaction's own mark: present after a restart exactly when the commit
            // reached the database, which is how recovery tells the two outcomes apart.
            Statement mark(db_, QStringLiteral("INSERT OR REPLACE INTO _rv_txn VALUES (1, ?)"));
            mark.bindText(1, journalId_);
            mark.step();
        }
        execSql(db_, QStringLiteral("COMMIT"));
    } catch (...) {
        rollback();
        throw;
    }
    inTransaction_ = false;
    nextIds_.clear();
    ++changeCount_;
    if (failSafe_) {
        if (afterCommitHook_)
            afterCommitHook_();
        removeJournal();
    }
}

void Database::rollback() {
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    nextIds_.clear();
    ++changeCount_;
    const int rc = sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (failSafe_)
        removeJournal();
    if (rc != SQLITE_OK && sqlite3_get_autocommit(db_) == 0)
        throwSqlite(db_, rc, QStringLiteral("ROLLBACK"));
}

void Database::writeJournal() {
    journalId_ = newJournalId();
    const QByteArray path = journalPathOf(filePath_).toLocal8Bit();
    journalFd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (journalFd_ < 0)
        throw Error(Error::Code::Io, QStringLiteral("cannot write the journal"));
    // A live transaction keeps its journal locked, so a recovery running meanwhile leaves it be.
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fcntl(journalFd_, F_OFD_SETLK, &fl);
    const QByteArray id = journalId_.toLatin1();
    const bool ok =
        ::write(journalFd_, id.constData(), static_cast<size_t>(id.size())) == id.size() &&
        ::fsync(journalFd_) == 0;
    if (!ok) {
        removeJournal();
        throw Error(Error::Code::Io, QStringLiteral("cannot write the journal"));
    }
}

void Database::removeJournal() {
    ::unlink(journalPathOf(filePath_).toLocal8Bit().constData());
    if (journalFd_ >= 0)
        ::close(journalFd_);
    journalFd_ = -1;
    journalId_.clear();
}

void Database::inWriteTransaction(const std::function<void()>& work) {
    if (inTransaction_) {
        work();
        ++changeCount_;
        return;
    }
    startTransaction(false);
    try {
        work();
        commit();
    } catch (...) {
        rollback();
        throw;
    }
}

Statement& Database::cachedStatement(const QString& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end()) {
        if (statements_.size() > 256)
            statements_.clear();
        it = statements_.insert(sql, std::make_shared<Statement>(db_, sql));
    }
    return **it;
}

int64_t Database::nextRecordId(int lockId, const QString& table) {
    auto it = nextIds_.find(lockId);
    if (it == nextIds_.end()) {
        // The AUTOINCREMENT counter never goes back, so identities of deleted records stay used.
        Statement seq(
            db_,
            QStringLiteral("SELECT max(coalesce((SELECT seq FROM sqlite_sequence WHERE name = ?), "
                           "0), coalesce((SELECT max(%1) FROM %2), 0)) + 1")
                .arg(QLatin1String(kRowIdColumn), quoteIdent(table)));
        seq.bindText(1, table);
        seq.step();
        it = nextIds_.insert(lockId, seq.columnInt(0));
    }
    return (*it)++;
}

// --- structure ---

bool Database::tableExists(const QString& name) const {
    Statement q(db_, QStringLiteral("SELECT 1 FROM _rv_catalog WHERE tbl = ?"));
    q.bindText(1, name);
    return q.step();
}

QStringList Database::tableNames() const {
    Statement q(db_, QStringLiteral("SELECT tbl FROM _rv_catalog ORDER BY seq"));
    QStringList names;
    while (q.step())
        names << q.columnText(0);
    return names;
}

TableDef Database::tableDef(const QString& name) const {
    Statement q(db_, QStringLiteral("SELECT def FROM _rv_catalog WHERE tbl = ?"));
    q.bindText(1, name);
    if (!q.step())
        throw Error(Error::Code::NoSuchTable, QStringLiteral("no table ") + name);
    return definitionFromJson(q.columnText(0));
}

int Database::tableLockId(const QString& table) const {
    Statement q(db_, QStringLiteral("SELECT lockid FROM _rv_catalog WHERE tbl = ?"));
    q.bindText(1, table);
    if (!q.step())
        throw Error(Error::Code::NoSuchTable, QStringLiteral("no table ") + table);
    return static_cast<int>(q.columnInt(0));
}

int Database::allocateLockId() {
    Statement q(db_, QStringLiteral("SELECT coalesce(max(lockid), 0) + 1 FROM _rv_catalog"));
    q.step();
    return static_cast<int>(q.columnInt(0));
}

void Database::createTableIn(const TableDef& def, const QString& sqlName) {
    execSql(db_, createTableSql(def, sqlName));
}

void Database::createIndexesOf(const TableDef& def) {
    for (const auto& index : def.indexes)
        execSql(db_, createIndexSql(def, index));
}

void Database::createTable(const TableDef& def) {
    validateDefinition(def);
    inWriteTransaction([&] {
        if (tableExists(def.name))
            throw Error(Error::Code::AlreadyExists, QStringLiteral("table exists: ") + def.name);
        TableDef stored = def;
        stored.name = def.name.toLower();
        createTableIn(stored, stored.name);
        createIndexesOf(stored);
        const int lockId = allocateLockId();
        Statement add(db_, QStringLiteral("INSERT INTO _rv_catalog VALUES (?, ?, ?, ?)"));
        add.bindText(1, stored.name);
        add.bindInt(2, lockId);
        add.bindInt(3, lockId);
        add.bindText(4, definitionToJson(stored));
        add.step();
    });
}

void Database::addIndex(const QString& table, const IndexDef& index) {
    TableDef def = tableDef(table);
    def.indexes.append(index);
    validateDefinition(def);
    const ExclusiveTable exclusive(*this, table);
    inWriteTransaction([&] {
        for (const auto& f : index.fields) {
            const FieldDef& fd = def.fields[def.fieldIndex(f)];
            Statement fill(db_, QStringLiteral("UPDATE %1 SET %2 = ? WHERE %2 IS NULL")
                                    .arg(quoteIdent(def.name), quoteIdent(fd.name)));
            bindCell(fill.get(), 1, emptyCell(fd.type));
            fill.step();
        }
        execSql(db_, createIndexSql(def, index));
        Statement upd(db_, QStringLiteral("UPDATE _rv_catalog SET def = ? WHERE tbl = ?"));
        upd.bindText(1, definitionToJson(def));
        upd.bindText(2, def.name);
        upd.step();
    });
}

// --- locks ---

Database::ExclusiveTable::ExclusiveTable(Database& db, const QString& table)
    : db_(db), lockId_(db.tableLockId(table)) {
    if (!db_.acquireTable(lockId_, true))
        throw Error(Error::Code::InUse, QStringLiteral("table in use: ") + table);
}

bool Database::acquireTable(int lockId, bool exclusive) {
    TableUse& use = tableUse_[lockId];
    if (use.count > 0) {
        if (exclusive || use.exclusive)
            return false;
        ++use.count;
        return true;
    }
    if (!locks_->tryLock(tableOffset(lockId), exclusive)) {
        tableUse_.remove(lockId);
        return false;
    }
    use.count = 1;
    use.exclusive = exclusive;
    return true;
}

void Database::releaseTable(int lockId) {
    auto it = tableUse_.find(lockId);
    if (it == tableUse_.end())
        return;
    if (--it->count <= 0) {
        locks_->unlock(tableOffset(lockId));
        tableUse_.erase(it);
    }
}

bool Database::lockRecord(int lockId, int64_t rid, const void* owner) {
    const auto key = qMakePair(lockId, rid);
    auto it = recordOwners_.find(key);
    if (it != recordOwners_.end())
        return it.value() == owner;
    if (!locks_->tryLock(recordOffset(lockId, rid), true))
        return false;
    recordOwners_.insert(key, owner);
    return true;
}

void Database::unlockRecord(int lockId, int64_t rid, const void* owner) {
    const auto key = qMakePair(lockId, rid);
    auto it = recordOwners_.find(key);
    if (it == recordOwners_.end() || it.value() != owner)
        return;
    recordOwners_.erase(it);
    locks_->unlock(recordOffset(lockId, rid));
}

}  // namespace engine

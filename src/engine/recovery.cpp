#include "engine/recovery.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/database.h"
#include "engine/sqlite_util.h"

namespace engine {
namespace {

// A running transaction holds a lock on its journal; an abandoned journal has none.
bool journalIsLive(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    const bool live = fcntl(fd, F_OFD_SETLK, &fl) == -1;
    ::close(fd);
    return live;
}

QString readJournalId(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.read(64)).trimmed();
}

}  // namespace

std::optional<InterruptedTransaction> findInterruptedTransaction(const QString& databasePath) {
    const QString journal = journalPathOf(databasePath);
    if (!QFile::exists(journal) || journalIsLive(journal))
        return std::nullopt;
    InterruptedTransaction found{databasePath, false};
    const QString id = readJournalId(journal);
    if (id.isEmpty() || !QFile::exists(databasePath))
        return found;

    // Opening the database replays what its log holds of committed transactions and drops the
    // rest; the transaction's own mark then says whether it got as far as its commit.
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT id FROM _rv_txn WHERE k = 1", -1, &st, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            found.complete = text && QString::fromUtf8(text) == id;
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return found;
}

QList<InterruptedTransaction> findInterruptedTransactionsIn(const QString& folder) {
    QList<InterruptedTransaction> out;
    const QString suffix = journalPathOf(QString());
    const QStringList journals =
        QDir(folder).entryList({QLatin1Char('*') + suffix}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& j : journals) {
        const QString dbPath = QDir(folder).filePath(j.chopped(suffix.size()));
        if (auto found = findInterruptedTransaction(dbPath))
            out.append(*found);
    }
    return out;
}

void finishRecovery(const InterruptedTransaction& found) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(found.databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                        nullptr) == SQLITE_OK)
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    sqlite3_close(db);
    QFile::remove(journalPathOf(found.databasePath));
}

}  // namespace engine

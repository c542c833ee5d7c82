#include "engine/sqlite_util.h"

namespace engine {

void throwSqlite(sqlite3* db, int rc, const QString& context) {
    const int primary = rc & 0xff;
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::number(rc);
    const QString message = context.isEmpty() ? detail : context + QStringLiteral(": ") + detail;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw Error(Error::Code::Busy, message);
    throw Error(Error::Code::Io, message);
}

Statement::Statement(sqlite3* db, const QString& sql) : db_(db) {
    const QByteArray u = sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(db, u.constData(), static_cast<int>(u.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throwSqlite(db, rc, sql);
}

Statement::~Statement() {
    if (stmt_)
        sqlite3_finalize(stmt_);
}

Statement& Statement::operator=(Statement&& o) noexcept {
    if (this != &o) {
        if (stmt_)
            sqlite3_finalize(stmt_);
        db_ = o.db_;
        stmt_ = o.stmt_;
        o.stmt_ = nullptr;
    }
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const int code = rc;
    sqlite3_reset(stmt_);
    throwSqlite(db_, code, QString());
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bindText(int pos, const QString& v) {
    const QByteArray u = v.toUtf8();
    sqlite3_bind_text(stmt_, pos, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
}

QString Statement::columnText(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, col));
}

void execSql(sqlite3* db, const QString& sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        sqlite3_free(err);
        throwSqlite(db, rc, sql.left(200));
    }
}

QString quoteIdent(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

}  // namespace engine

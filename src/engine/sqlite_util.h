#pragma once
// Thin RAII helpers over the SQLite C API, private to the engine.

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include "engine/error.h"

namespace engine {

// Throws the engine error that matches an SQLite result code.
[[noreturn]] void throwSqlite(sqlite3* db, int rc, const QString& context);

class Statement {
  public:
    Statement() = default;
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(Statement&& o) noexcept : db_(o.db_), stmt_(o.stmt_) { o.stmt_ = nullptr; }
    Statement& operator=(Statement&& o) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    bool valid() const { return stmt_ != nullptr; }
    // Steps once: true with a row, false when done; throws on error.
    bool step();
    void reset();
    void bindInt(int pos, qint64 v) { sqlite3_bind_int64(stmt_, pos, v); }
    void bindText(int pos, const QString& v);
    qint64 columnInt(int col) const { return sqlite3_column_int64(stmt_, col); }
    QString columnText(int col) const;

  private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs SQL text with no result rows; throws on error.
void execSql(sqlite3* db, const QString& sql);

QString quoteIdent(const QString& name);

}  // namespace engine

#pragma once
// A cursor on one table, opened on a named index: the engine's "table object". It walks the
// records of its current view (the index order, narrowed by a key range, a master record and a
// filter), edits them under record locks, and carries calculated and lookup fields that are
// recomputed whenever the current record changes.
//
// Positioning follows the usual data-set rules: after First the cursor is at Bof, Next past the
// last record sets Eof and stays on the last record, an empty view is at Bof and Eof together.
// Lists stay fast on large tables because the cursor reads a few records ahead of the current
// one by key, never the whole view.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/cell.h"
#include "engine/currency.h"
#include "engine/definitions.h"
#include "engine/filter_expression.h"

namespace engine {

class Database;
class Table;
class Statement;

// Typed access to one field of a cursor's current record (stored, calculated or lookup).
class Field {
  public:
    Field(Table* table, int index) : table_(table), index_(index) {}

    const FieldDef& def() const;
    const QString& name() const { return def().name; }
    bool isNull() const;

    QString asString() const;
    int64_t asInteger() const;
    double asFloat() const;
    Currency asCurrency() const;
    bool asBoolean() const;
    double asDateTime() const { return asFloat(); }
    QDate asDate() const;
    QByteArray asBytes() const;
    QVariant value() const;

    // Setting needs the cursor in Edit or Insert (or a calculated field during OnCalcFields).
    void setString(const QString& v);
    void setInteger(int64_t v);
    void setFloat(double v);
    void setCurrency(Currency v);
    void setBoolean(bool v);
    void setDateTime(double v) { setFloat(v); }
    void setDate(QDate v);
    void setBytes(const QByteArray& v);
    void setValue(const QVariant& v);
    void clear();

  private:
    const Cell& cell() const;
    void store(Cell c);

    Table* table_;
    int index_;
};

struct Bookmark {
    int64_t rid = 0;
    bool isValid() const { return rid > 0; }
};

class Table {
  public:
    enum class State { Inactive, Browse, Edit, Insert, CalcFields };

    Table(Database& db, const QString& tableName);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    Database& database() const { return db_; }
    const QString& tableName() const { return tableName_; }

    // --- set-up (before open) ---
    // The fields the program relies on; opening fails with StructureMismatch when the stored
    // table lacks one of them or holds it with another type or size.
    void setDeclaredFields(const QList<FieldDef>& fields) { declared_ = fields; }
    void setExclusive(bool exclusive) { exclusive_ = exclusive; }
    void addCalculatedField(const QString& name, FieldType type, int size = 0);
    // A field whose value is `resultField` of the first record of `lookupTable`'s table whose
    // `lookupKeyFields` equal this record's `keyFields`.
    void addLookupField(const QString& name, FieldType type, int size, const QStringList& keyFields,
                        Table& lookupTable, const QStringList& lookupKeyFields,
                        const QString& resultField);
    void setOnCalcFields(std::function<void(Table&)> handler) {
        onCalcFields_ = std::move(handler);
    }
    void setAfterScroll(std::function<void(Table&)> handler) { afterScroll_ = std::move(handler); }

    // --- opening ---
    void open();  // throws NoSuchTable, NoSuchIndex, StructureMismatch, InUse
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    const TableDef& definition() const { return def_; }

    // --- order and view ---
    // An empty name orders records by insertion. Changing the index cancels the range and keeps
    // the current record when it is still in view.
    void setIndexName(const QString& name);
    const QString& indexName() const { return indexName_; }
    QStringList indexFields() const;
    // Key range on the leading fields of the index; start and end may name different numbers of
    // leading fields. Positions on the first record of the new view.
    void setRange(const QVariantList& start, const QVariantList& end);
    void cancelRange();
    void setFilter(const QString& expression);  // compiled at once: throws BadFilter
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }
    void setFilterCaseInsensitive(bool on);
    // This cursor then shows only the records whose leading index fields equal the master's
    // current values of `masterFields`, and follows the master as it moves.
    void setMasterSource(Table* master, const QStringList& masterFields);

    // --- navigation ---
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);  // returns how far it moved
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty() const { return rid_ == 0 && state_ != State::Insert; }
    int64_t recordCount() const;
    // Whether the view holds a record after (or before) the current one; the cursor stays.
    bool hasNeighbour(bool forward) const;
    // Exact search on the leading index fields: positions on the first matching record.
    bool findKey(const QVariantList& key);
    // Positions on the first record whose key is at or after the given one (else on the last).
    void findNearest(const QVariantList& key);
    bool locate(const QStringList& fields, const QVariantList& values);
    Bookmark bookmark() const { return {rid_}; }
    bool gotoBookmark(const Bookmark& mark);
    // Re-reads the current record (or the nearest one when it has gone) and drops read-ahead.
    void refresh();
    // While disabled, moves raise no AfterScroll and details do not follow; enabling catches up.
    void disableControls() { ++controlsDisabled_; }
    void enableControls();

    // --- editing ---
    void append();
    void insert() { append(); }
    void edit();     // throws Locked when another cursor or connection edits the record
    bool tryEdit();  // false instead of Locked
    void post();
    void cancel();
    void deleteRecord();

    // --- fields ---
    int fieldCount() const { return static_cast<int>(def_.fields.size() + calcDefs_.size()); }
    bool hasField(const QString& name) const { return fieldPos(name) >= 0; }
    Field fieldByName(const QString& name);
    Field field(int index) { return Field(this, index); }

    // --- aggregates over the current view, computed by the database ---
    int64_t count() const { return recordCount(); }
    Currency sumCurrency(const QString& field) const;
    double sum(const QString& field) const;

  private:
    friend class Field;
    using Row = std::vector<Cell>;
    struct Fetched {
        int64_t rid;
        Row row;
    };
    struct CalcDef {
        FieldDef def;
        bool lookup = false;
        QList<int> keyFields;
        Table* lookupTable = nullptr;
        QStringList lookupKeyFields;
        QString resultField;
    };
    struct Query {
        QStringList conditions;
        std::vector<Cell> params;
    };

    int fieldPos(const QString& name) const;
    const FieldDef& fieldDefAt(int index) const;
    void requireActive() const;
    void requireBrowse() const;

    enum class Seek { None, Forward, Backward };
    void viewConditions(Query& q, Seek seek = Seek::None) const;
    void keyConditions(Query& q, const QVariantList& key, const char* op) const;
    void afterKeyCondition(Query& q, bool forward) const;
    QString orderBy(bool forward) const;
    std::vector<Fetched> fetch(const Query& q, bool forward, int limit, int offset = 0) const;
    std::optional<Fetched> fetchByRid(int64_t rid, bool withinView) const;
    QString selectList() const;
    void buildWriteSql();
    Statement& prepared(const QString& sql) const;
    // Runs an aggregate over the view and leaves its one row in the returned statement.
    Statement& aggregate(const QString& expression) const;
    const FieldDef& storedField(const QString& field) const;
    void step(bool forward);
    void openAtEnd(bool atStart);
    // Makes a record found by a search or bookmark the current one.
    void landOn(const Fetched& found);
    void invalidateView();

    void setCurrent(const Fetched& f);
    void setEmpty();
    void moveDone(bool scrolled);
    void computeCalcFields();
    void masterMoved();
    Cell keyCell(int fieldIndex, const QVariant& v) const;
    void writeRow();
    void positionAfterDelete(const Row& deletedRow, int64_t deletedRid);

    Database& db_;
    QString tableName_;
    TableDef def_;
    int lockId_ = 0;
    QList<FieldDef> declared_;
    bool exclusive_ = false;
    QHash<QString, int> fieldIndexByName_;       // lower-case names
    QHash<QString, int> fieldIndexByExactName_;  // names as declared: the usual spelling
    std::vector<bool> indexed_;                  // per stored field: part of some index
    int autoIncField_ = -1;
    QString selectSql_, insertSql_, updateSql_;  // built once per open

    QString indexName_;
    QList<int> keyFields_;
    std::optional<Row> rangeStart_, rangeEnd_;
    QString filterText_;
    bool filtered_ = false;
    bool filterCaseInsensitive_ = false;
    std::optional<CompiledFilter> compiledFilter_;
    Table* master_ = nullptr;
    QStringList masterFields_;
    QList<Table*> details_;

    State state_ = State::Inactive;
    int64_t rid_ = 0;
    Row row_;
    Row savedRow_;
    int64_t savedRid_ = 0;
    bool bof_ = true;
    bool eof_ = true;

    std::vector<CalcDef> calcDefs_;
    Row calc_;
    std::function<void(Table&)> onCalcFields_;
    std::function<void(Table&)> afterScroll_;
    int controlsDisabled_ = 0;
    bool pendingScroll_ = false;

    // Records read ahead in the direction of travel, valid while the database is unchanged.
    mutable std::deque<Fetched> ahead_;
    mutable bool aheadForward_ = true;
    mutable uint64_t aheadStamp_ = 0;
    mutable int sequentialReads_ = 0;
};

}  // namespace engine

#include "engine/table.h"

#include "engine/database.h"
#include "engine/datetime.h"
#include "engine/error.h"
#include "engine/sqlite_util.h"
#include "engine/table_sql.h"

namespace engine {
namespace {

constexpr int kMaxReadAhead = 256;

QString tuple(const QStringList& parts) {
    return parts.size() == 1
               ? parts.first()
               : QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString placeholders(qsizetype n) {
    QStringList p;
    for (qsizetype i = 0; i < n; ++i)
        p << QStringLiteral("?");
    return tuple(p);
}

}  // namespace

// ---------------------------------------------------------------- Field

const FieldDef& Field::def() const {
    return table_->fieldDefAt(index_);
}

const Cell& Field::cell() const {
    static const Cell none;
    const int stored = static_cast<int>(table_->def_.fields.size());
    if (index_ < stored)
        return static_cast<size_t>(index_) < table_->row_.size() ? table_->row_[index_] : none;
    const size_t c = static_cast<size_t>(index_ - stored);
    return c < table_->calc_.size() ? table_->calc_[c] : none;
}

bool Field::isNull() const {
    return engine::isNull(cell());
}
QString Field::asString() const {
    return cellToString(def(), cell());
}
int64_t Field::asInteger() const {
    return cellToInteger(def(), cell());
}
double Field::asFloat() const {
    return cellToDouble(def(), cell());
}
Currency Field::asCurrency() const {
    return cellToCurrency(def(), cell());
}
bool Field::asBoolean() const {
    return cellToBoolean(def(), cell());
}
QDate Field::asDate() const {
    return isNull() ? QDate() : dateOf(asFloat());
}
QByteArray Field::asBytes() const {
    return cellToBytes(def(), cell());
}
QVariant Field::value() const {
    return cellToVariant(def(), cell());
}

void Field::store(Cell c) {
    const int stored = static_cast<int>(table_->def_.fields.size());
    if (index_ >= stored) {
        if (table_->state_ != Table::State::CalcFields)
            throw Error(
                Error::Code::ReadOnlyField,
                QStringLiteral("calculated field %1 is set outside OnCalcFields").arg(name()));
        table_->calc_[static_cast<size_t>(index_ - stored)] = std::move(c);
        return;
    }
    if (table_->state_ != Table::State::Edit && table_->state_ != Table::State::Insert)
        throw Error(Error::Code::NotEditing,
                    QStringLiteral("%1.%2 set while not editing").arg(table_->tableName_, name()));
    if (def().type == FieldType::AutoInc)
        throw Error(Error::Code::ReadOnlyField,
                    QStringLiteral("%1 is assigned by the engine").arg(name()));
    table_->row_[static_cast<size_t>(index_)] = std::move(c);
}

void Field::setString(const QString& v) {
    store(cellFromString(def(), v));
}
void Field::setInteger(int64_t v) {
    store(cellFromInteger(def(), v));
}
void Field::setFloat(double v) {
    store(cellFromDouble(def(), v));
}
void Field::setCurrency(Currency v) {
    store(cellFromCurrency(def(), v));
}
void Field::setBoolean(bool v) {
    store(cellFromInteger(def(), v ? 1 : 0));
}
void Field::setDate(QDate v) {
    store(cellFromDouble(def(), toDateTime(v)));
}
void Field::setBytes(const QByteArray& v) {
    store(cellFromBytes(def(), v));
}
void Field::setValue(const QVariant& v) {
    store(cellFrom(def(), v));
}
void Field::clear() {
    store(std::monostate{});
}

// ---------------------------------------------------------------- set-up and opening

Table::Table(Database& db, const QString& tableName) : db_(db), tableName_(tableName) {}

Table::~Table() {
    try {
        close();
    } catch (...) {
    }
    if (master_)
        master_->details_.removeAll(this);
    for (Table* d : details_)
        d->master_ = nullptr;
}

void Table::addCalculatedField(const QString& name, FieldType type, int size) {
    CalcDef c;
    c.def = {name, type, size, {}};
    calcDefs_.push_back(c);
}

void Table::addLookupField(const QString& name, FieldType type, int size,
                           const QStringList& keyFields, Table& lookupTable,
                           const QStringList& lookupKeyFields, const QString& resultField) {
    CalcDef c;
    c.def = {name, type, size, {}};
    c.lookup = true;
    c.lookupTable = &lookupTable;
    c.lookupKeyFields = lookupKeyFields;
    c.resultField = resultField;
    // Key field names are resolved at open, when the table's fields are known.
    c.keyFields.clear();
    for (int i = 0; i < keyFields.size(); ++i)
        c.keyFields.append(-1);
    c.def.description = keyFields.join(QLatin1Char(';'));
    calcDefs_.push_back(c);
}

void Table::open() {
    if (isActive())
        return;
    def_ = db_.tableDef(tableName_);
    for (const FieldDef& want : declared_) {
        const int i = def_.fieldIndex(want.name);
        if (i < 0 || !(def_.fields[i] == want))
            throw Error(Error::Code::StructureMismatch,
                        QStringLiteral("table %1: field %2 is missing or of another type")
                            .arg(tableName_, want.name));
    }
    fieldIndexByName_.clear();
    fieldIndexByExactName_.clear();
    indexed_.assign(def_.fields.size(), false);
    autoIncField_ = -1;
    for (int i = 0; i < def_.fields.size(); ++i) {
        fieldIndexByName_.insert(def_.fields[i].name.toLower(), i);
        fieldIndexByExactName_.insert(def_.fields[i].name, i);
        indexed_[i] = isIndexedField(def_, def_.fields[i].name);
        if (def_.fields[i].type == FieldType::AutoInc)
            autoIncField_ = i;
    }
    buildWriteSql();
    for (size_t c = 0; c < calcDefs_.size(); ++c) {
        CalcDef& cd = calcDefs_[c];
        fieldIndexByName_.insert(cd.def.name.toLower(), static_cast<int>(def_.fields.size() + c));
        fieldIndexByExactName_.insert(cd.def.name, static_cast<int>(def_.fields.size() + c));
        if (cd.lookup) {
            const QStringList keys = cd.def.description.split(QLatin1Char(';'));
            cd.keyFields.clear();
            for (const QString& k : keys) {
                const int i = def_.fieldIndex(k);
                if (i < 0)
                    throw Error(
                        Error::Code::NoSuchField,
                        QStringLiteral("lookup %1 names unknown field %2").arg(cd.def.name, k));
                cd.keyFields.append(i);
            }
        }
    }
    if (!indexName_.isEmpty() && def_.indexIndex(indexName_) < 0)
        throw Error(Error::Code::NoSuchIndex,
                    QStringLiteral("table %1 has no index %2").arg(tableName_, indexName_));
    lockId_ = db_.tableLockId(tableName_);
    if (!db_.acquireTable(lockId_, exclusive_))
        throw Error(Error::Code::InUse, QStringLiteral("table %1 is in use").arg(tableName_));
    state_ = State::Browse;
    setIndexName(indexName_);
    first();
}

void Table::close() {
    if (!isActive())
        return;
    if (state_ == State::Edit || state_ == State::Insert)
        cancel();
    db_.releaseTable(lockId_);
    state_ = State::Inactive;
    rid_ = 0;
    row_.clear();
    calc_.clear();
    invalidateView();
    bof_ = eof_ = true;
}

void Table::requireActive() const {
    if (!isActive())
        throw Error(Error::Code::NoRecord, QStringLiteral("table %1 is not open").arg(tableName_));
}

void Table::requireBrowse() const {
    requireActive();
    if (state_ != State::Browse)
        throw Error(Error::Code::NotEditing,
                    QStringLiteral("table %1 has a record being edited").arg(tableName_));
}

int Table::fieldPos(const QString& name) const {
    if (!fieldIndexByName_.isEmpty()) {
        const auto exact = fieldIndexByExactName_.constFind(name);
        if (exact != fieldIndexByExactName_.constEnd())
            return *exact;
        return fieldIndexByName_.value(name.toLower(), -1);
    }
    const int i = def_.fieldIndex(name);
    return i;
}

const FieldDef& Table::fieldDefAt(int index) const {
    const int stored = static_cast<int>(def_.fields.size());
    return index < stored ? def_.fields[index] : calcDefs_[static_cast<size_t>(index - stored)].def;
}

Field Table::fieldByName(const QString& name) {
    const int i = fieldPos(name);
    if (i < 0)
        throw Error(Error::Code::NoSuchField,
                    QStringLiteral("%1 has no field %2").arg(tableName_, name));
    return Field(this, i);
}

// ---------------------------------------------------------------- view

void Table::invalidateView() {
    ahead_.clear();
    sequentialReads_ = 0;
}

void Table::setIndexName(const QString& name) {
    if (isActive()) {
        requireBrowse();
        const int ix = name.isEmpty() ? -1 : def_.indexIndex(name);
        if (!name.isEmpty() && ix < 0)
            throw Error(Error::Code::NoSuchIndex,
                        QStringLiteral("table %1 has no index %2").arg(tableName_, name));
        keyFields_.clear();
        if (ix >= 0)
            for (const QString& f : def_.indexes[ix].fields)
                keyFields_.append(def_.fieldIndex(f));
        const bool changed = name.compare(indexName_, Qt::CaseInsensitive) != 0;
        indexName_ = ix >= 0 ? def_.indexes[ix].name : QString();
        if (changed) {
            rangeStart_.reset();
            rangeEnd_.reset();
            invalidateView();
            const int64_t keep = rid_;
            if (!(keep && gotoBookmark({keep})))
                first();
        }
    } else {
        indexName_ = name;
    }
}

QStringList Table::indexFields() const {
    QStringList out;
    for (int f : keyFields_)
        out << def_.fields[f].name;
    return out;
}

Cell Table::keyCell(int fieldIndex, const QVariant& v) const {
    const FieldDef& fd = def_.fields[fieldIndex];
    Cell c = cellFrom(fd, v);
    return engine::isNull(c) ? emptyCell(fd.type) : c;
}

void Table::setRange(const QVariantList& start, const QVariantList& end) {
    requireBrowse();
    if (start.size() > keyFields_.size() || end.size() > keyFields_.size())
        throw Error(
            Error::Code::NoSuchField,
            QStringLiteral("range on %1 has more values than index fields").arg(tableName_));
    Row s, e;
    for (int i = 0; i < start.size(); ++i)
        s.push_back(keyCell(keyFields_[i], start[i]));
    for (int i = 0; i < end.size(); ++i)
        e.push_back(keyCell(keyFields_[i], end[i]));
    rangeStart_ = s;
    rangeEnd_ = e;
    invalidateView();
    first();
}

void Table::cancelRange() {
    requireBrowse();
    rangeStart_.reset();
    rangeEnd_.reset();
    invalidateView();
    first();
}

void Table::setFilter(const QString& expression) {
    filterText_ = expression;
    compiledFilter_.reset();
    if (!expression.trimmed().isEmpty() && isActive())
        compiledFilter_ = compileFilter(expression, def_, filterCaseInsensitive_);
    if (isActive() && filtered_) {
        invalidateView();
        first();
    }
}

void Table::setFiltered(bool on) {
    filtered_ = on;
    if (!isActive())
        return;
    if (on && !compiledFilter_ && !filterText_.trimmed().isEmpty())
        compiledFilter_ = compileFilter(filterText_, def_, filterCaseInsensitive_);
    invalidateView();
    first();
}

void Table::setFilterCaseInsensitive(bool on) {
    filterCaseInsensitive_ = on;
    if (isActive() && !filterText_.trimmed().isEmpty()) {
        compiledFilter_ = compileFilter(filterText_, def_, on);
        if (filtered_) {
            invalidateView();
            first();
        }
    }
}

void Table::setMasterSource(Table* master, const QStringList& masterFields) {
    if (master_)
        master_->details_.removeAll(this);
    master_ = master;
    masterFields_ = masterFields;
    if (master_)
        master_->details_.append(this);
    if (isActive()) {
        invalidateView();
        first();
    }
}

void Table::masterMoved() {
    if (!isActive() || state_ != State::Browse)
        return;
    invalidateView();
    first();
}

void Table::viewConditions(Query& q, Seek seek) const {
    // In a step from the current record the record's own key is where the index search starts.
    // The range bound on that side is then only a filter ("+" keeps the database from seeking
    // on it), or every step would scan from the start of the range.
    auto leading = [&](qsizetype n, bool filterOnly) {
        QStringList cols;
        for (qsizetype i = 0; i < n; ++i)
            cols << (filterOnly ? QStringLiteral("+") : QString()) +
                        quoteIdent(def_.fields[keyFields_[i]].name);
        return tuple(cols);
    };
    if (rangeStart_ && !rangeStart_->empty()) {
        q.conditions << leading(rangeStart_->size(), seek == Seek::Forward) + QStringLiteral(" >= ") +
                            placeholders(rangeStart_->size());
        q.params.insert(q.params.end(), rangeStart_->begin(), rangeStart_->end());
    }
    if (rangeEnd_ && !rangeEnd_->empty()) {
        q.conditions << leading(rangeEnd_->size(), seek == Seek::Backward) + QStringLiteral(" <= ") +
                            placeholders(rangeEnd_->size());
        q.params.insert(q.params.end(), rangeEnd_->begin(), rangeEnd_->end());
    }
    if (master_) {
        const qsizetype n = std::min<qsizetype>(masterFields_.size(), keyFields_.size());
        if (!master_->isActive() || master_->rid_ == 0) {
            q.conditions << QStringLiteral("0");
        } else if (n > 0) {
            q.conditions << leading(n, false) + QStringLiteral(" = ") + placeholders(n);
            for (qsizetype i = 0; i < n; ++i) {
                const int mf = master_->fieldPos(masterFields_[i]);
                const Cell& v = mf >= 0 && static_cast<size_t>(mf) < master_->row_.size()
                                    ? master_->row_[mf]
                                    : Cell{};
                q.params.push_back(engine::isNull(v) ? emptyCell(def_.fields[keyFields_[i]].type)
                                                     : v);
            }
        }
    }
    if (filtered_ && compiledFilter_) {
        q.conditions << compiledFilter_->sql;
        q.params.insert(q.params.end(), compiledFilter_->params.begin(),
                        compiledFilter_->params.end());
    }
}

void Table::keyConditions(Query& q, const QVariantList& key, const char* op) const {
    if (key.isEmpty() || key.size() > keyFields_.size())
        throw Error(Error::Code::NoSuchField,
                    QStringLiteral("key for %1 does not fit index %2").arg(tableName_, indexName_));
    QStringList cols;
    for (int i = 0; i < key.size(); ++i) {
        cols << quoteIdent(def_.fields[keyFields_[i]].name);
        q.params.push_back(keyCell(keyFields_[i], key[i]));
    }
    q.conditions << tuple(cols) + QLatin1Char(' ') + QLatin1String(op) + QLatin1Char(' ') +
                        placeholders(key.size());
}

void Table::afterKeyCondition(Query& q, bool forward) const {
    QStringList cols;
    for (int f : keyFields_) {
        cols << quoteIdent(def_.fields[f].name);
        const Cell& v = row_[static_cast<size_t>(f)];
        q.params.push_back(engine::isNull(v) ? emptyCell(def_.fields[f].type) : v);
    }
    cols << QLatin1String(kRowIdColumn);
    q.params.push_back(rid_);
    q.conditions << tuple(cols) + (forward ? QStringLiteral(" > ") : QStringLiteral(" < ")) +
                        placeholders(cols.size());
}

QString Table::orderBy(bool forward) const {
    QStringList cols;
    const QString dir = forward ? QString() : QStringLiteral(" DESC");
    for (int f : keyFields_)
        cols << quoteIdent(def_.fields[f].name) + dir;
    cols << QLatin1String(kRowIdColumn) + dir;
    return cols.join(QStringLiteral(", "));
}

QString Table::selectList() const {
    return selectSql_;
}

void Table::buildWriteSql() {
    QStringList all{QLatin1String(kRowIdColumn)}, cols, sets, marks{QStringLiteral("?")};
    for (const auto& f : def_.fields) {
        all << quoteIdent(f.name);
        cols << quoteIdent(f.name);
        marks << QStringLiteral("?");
        if (f.type != FieldType::AutoInc)
            sets << quoteIdent(f.name) + QStringLiteral(" = ?");
    }
    selectSql_ = all.join(QStringLiteral(", "));
    insertSql_ = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(quoteIdent(def_.name), selectSql_, marks.join(QStringLiteral(", ")));
    updateSql_ = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                     .arg(quoteIdent(def_.name), sets.join(QStringLiteral(", ")),
                          QLatin1String(kRowIdColumn));
}

Statement& Table::prepared(const QString& sql) const {
    return db_.cachedStatement(sql);
}

std::vector<Table::Fetched> Table::fetch(const Query& q, bool forward, int limit,
                                         int offset) const {
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(selectList(), quoteIdent(def_.name));
    if (!q.conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + q.conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + orderBy(forward) + QStringLiteral(" LIMIT ? OFFSET ?");
    Statement& st = prepared(sql);
    int pos = 1;
    for (const Cell& c : q.params)
        bindCell(st.get(), pos++, c);
    st.bindInt(pos++, limit);
    st.bindInt(pos, offset);
    std::vector<Fetched> out;
    try {
        while (st.step()) {
            Fetched f;
            f.rid = st.columnInt(0);
            f.row.reserve(def_.fields.size());
            for (int i = 0; i < def_.fields.size(); ++i)
                f.row.push_back(readCell(st.get(), i + 1));
            out.push_back(std::move(f));
        }
    } catch (...) {
        st.reset();
        throw;
    }
    // Resetting ends the statement's read, so that it holds no snapshot between moves.
    st.reset();
    return out;
}

std::optional<Table::Fetched> Table::fetchByRid(int64_t rid, bool withinView) const {
    Query q;
    if (withinView)
        viewConditions(q);
    q.conditions << QLatin1String(kRowIdColumn) + QStringLiteral(" = ?");
    q.params.push_back(rid);
    auto rows = fetch(q, true, 1);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

// ---------------------------------------------------------------- navigation

void Table::setCurrent(const Fetched& f) {
    rid_ = f.rid;
    row_ = f.row;
    computeCalcFields();
}

void Table::setEmpty() {
    rid_ = 0;
    row_.assign(def_.fields.size(), Cell{});
    bof_ = eof_ = true;
    computeCalcFields();
}

void Table::moveDone(bool scrolled) {
    if (!scrolled)
        return;
    if (controlsDisabled_ > 0) {
        pendingScroll_ = true;
        return;
    }
    for (Table* d : details_)
        d->masterMoved();
    if (afterScroll_)
        afterScroll_(*this);
}

void Table::enableControls() {
    if (controlsDisabled_ > 0 && --controlsDisabled_ == 0 && pendingScroll_) {
        pendingScroll_ = false;
        moveDone(true);
    }
}

void Table::first() { openAtEnd(true); }

void Table::last() { openAtEnd(false); }

void Table::openAtEnd(bool atStart) {
    requireBrowse();
    invalidateView();
    Query q;
    viewConditions(q);
    auto rows = fetch(q, atStart, 8);
    if (rows.empty()) {
        setEmpty();
    } else {
        setCurrent(rows.front());
        for (size_t i = 1; i < rows.size(); ++i)
            ahead_.push_back(std::move(rows[i]));
        aheadForward_ = atStart;
        aheadStamp_ = db_.changeCount();
        bof_ = atStart;
        eof_ = !atStart;
    }
    moveDone(true);
}

void Table::next() { step(true); }

void Table::prior() { step(false); }

void Table::step(bool forward) {
    requireBrowse();
    bool& atEnd = forward ? eof_ : bof_;
    if (rid_ == 0) {
        atEnd = true;
        return;
    }
    const bool aheadValid = aheadForward_ == forward && aheadStamp_ == db_.changeCount();
    if (ahead_.empty() || !aheadValid) {
        // Read further ahead the longer the cursor keeps moving one way.
        if (!aheadValid) sequentialReads_ = 0;
        ahead_.clear();
        Query q;
        viewConditions(q, forward ? Seek::Forward : Seek::Backward);
        afterKeyCondition(q, forward);
        const int limit = std::min(kMaxReadAhead, 8 << std::min(sequentialReads_++, 5));
        for (auto& r : fetch(q, forward, limit)) ahead_.push_back(std::move(r));
        aheadForward_ = forward;
        aheadStamp_ = db_.changeCount();
    }
    if (ahead_.empty()) {
        atEnd = true;
        return;
    }
    setCurrent(ahead_.front());
    ahead_.pop_front();
    bof_ = eof_ = false;
    moveDone(true);
}

int Table::moveBy(int distance) {
    requireBrowse();
    if (distance == 0 || rid_ == 0)
        return 0;
    const bool forward = distance > 0;
    const int64_t steps = forward ? distance : -static_cast<int64_t>(distance);
    // Long jumps skip the records in between inside the database.
    if (steps > kMaxReadAhead) {
        invalidateView();
        Query q;
        viewConditions(q, forward ? Seek::Forward : Seek::Backward);
        afterKeyCondition(q, forward);
        auto rows = fetch(q, forward, 1, static_cast<int>(steps - 1));
        if (!rows.empty()) {
            setCurrent(rows.front());
            bof_ = eof_ = false;
            moveDone(true);
            return distance;
        }
    }
    int moved = 0;
    disableControls();
    try {
        for (int64_t i = 0; i < steps; ++i) {
            const int64_t before = rid_;
            forward ? next() : prior();
            if (rid_ == before && (forward ? eof_ : bof_))
                break;
            moved += forward ? 1 : -1;
        }
    } catch (...) {
        enableControls();
        throw;
    }
    enableControls();
    return moved;
}

bool Table::hasNeighbour(bool forward) const {
    requireActive();
    if (rid_ == 0) return false;
    if (!ahead_.empty() && aheadForward_ == forward && aheadStamp_ == db_.changeCount()) return true;
    Query q;
    viewConditions(q, forward ? Seek::Forward : Seek::Backward);
    afterKeyCondition(q, forward);
    return !fetch(q, forward, 1).empty();
}

int64_t Table::recordCount() const {
    Statement& st = aggregate(QStringLiteral("count(*)"));
    const int64_t n = st.columnInt(0);
    st.reset();
    return n;
}

Statement& Table::aggregate(const QString& expression) const {
    requireActive();
    Query q;
    viewConditions(q);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(expression, quoteIdent(def_.name));
    if (!q.conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + q.conditions.join(QStringLiteral(" AND "));
    Statement& st = prepared(sql);
    st.reset();
    int pos = 1;
    for (const Cell& c : q.params) bindCell(st.get(), pos++, c);
    st.step();
    // The caller reads the one result row and resets the statement, ending its read.
    return st;
}

const FieldDef& Table::storedField(const QString& field) const {
    const int fi = def_.fieldIndex(field);
    if (fi < 0) throw Error(Error::Code::NoSuchField, QStringLiteral("no field ") + field);
    return def_.fields[fi];
}

double Table::sum(const QString& field) const {
    const FieldDef& fd = storedField(field);
    if (fd.type == FieldType::Currency) return sumCurrency(field).toDouble();
    Statement& st = aggregate(QStringLiteral("total(%1)").arg(quoteIdent(fd.name)));
    const double s = sqlite3_column_double(st.get(), 0);
    st.reset();
    return s;
}

Currency Table::sumCurrency(const QString& field) const {
    const FieldDef& fd = storedField(field);
    if (fd.type != FieldType::Currency) return Currency::fromDouble(sum(field));
    // Ten-thousandths add up exactly as integers.
    Statement& st = aggregate(QStringLiteral("coalesce(sum(%1), 0)").arg(quoteIdent(fd.name)));
    const int64_t s = st.columnInt(0);
    st.reset();
    return Currency::fromUnits(s);
}

void Table::landOn(const Fetched& found) {
    invalidateView();
    setCurrent(found);
    bof_ = eof_ = false;
    moveDone(true);
}

bool Table::findKey(const QVariantList& key) {
    requireBrowse();
    Query q;
    viewConditions(q);
    keyConditions(q, key, "=");
    auto rows = fetch(q, true, 1);
    if (rows.empty())
        return false;
    landOn(rows.front());
    return true;
}

void Table::findNearest(const QVariantList& key) {
    requireBrowse();
    Query q;
    viewConditions(q, Seek::Forward);
    keyConditions(q, key, ">=");
    auto rows = fetch(q, true, 1);
    if (rows.empty()) {
        last();
        return;
    }
    landOn(rows.front());
}

bool Table::locate(const QStringList& fields, const QVariantList& values) {
    requireBrowse();
    if (fields.size() != values.size() || fields.isEmpty())
        throw Error(Error::Code::NoSuchField, QStringLiteral("locate needs one value per field"));
    Query q;
    viewConditions(q);
    for (int i = 0; i < fields.size(); ++i) {
        const int fi = def_.fieldIndex(fields[i]);
        if (fi < 0)
            throw Error(Error::Code::NoSuchField, QStringLiteral("no field ") + fields[i]);
        const FieldDef& fd = def_.fields[fi];
        q.conditions << QStringLiteral("coalesce(%1, ?) = ?").arg(quoteIdent(fd.name));
        q.params.push_back(emptyCell(fd.type));
        q.params.push_back(keyCell(fi, values[i]));
    }
    auto rows = fetch(q, true, 1);
    if (rows.empty())
        return false;
    landOn(rows.front());
    return true;
}

bool Table::gotoBookmark(const Bookmark& mark) {
    requireBrowse();
    if (!mark.isValid())
        return false;
    auto f = fetchByRid(mark.rid, true);
    if (!f)
        return false;
    landOn(*f);
    return true;
}

void Table::refresh() {
    requireBrowse();
    invalidateView();
    if (rid_ != 0) {
        if (auto f = fetchByRid(rid_, true)) {
            setCurrent(*f);
            moveDone(true);
            return;
        }
        // The record left the view: continue at the next one by key.
        Query q;
        viewConditions(q, Seek::Forward);
        afterKeyCondition(q, true);
        auto rows = fetch(q, true, 1);
        if (!rows.empty()) {
            setCurrent(rows.front());
            bof_ = eof_ = false;
            moveDone(true);
            return;
        }
        last();
        return;
    }
    first();
}

// ---------------------------------------------------------------- calculated fields

void Table::computeCalcFields() {
    if (calcDefs_.empty())
        return;
    // Start from empty values so that a computation that fails never shows another record's.
    calc_.assign(calcDefs_.size(), Cell{});
    for (size_t c = 0; c < calcDefs_.size(); ++c) {
        calc_[c] = emptyCell(calcDefs_[c].def.type);
        const CalcDef& cd = calcDefs_[c];
        if (!cd.lookup || !cd.lookupTable || (rid_ == 0 && state_ != State::Insert))
            continue;
        try {
            const TableDef& ld = cd.lookupTable->isActive()
                                     ? cd.lookupTable->def_
                                     : db_.tableDef(cd.lookupTable->tableName_);
            const int rf = ld.fieldIndex(cd.resultField);
            if (rf < 0)
                continue;
            QStringList conds;
            std::vector<Cell> params;
            for (int k = 0; k < cd.keyFields.size() && k < cd.lookupKeyFields.size(); ++k) {
                const int lf = ld.fieldIndex(cd.lookupKeyFields[k]);
                if (lf < 0)
                    continue;
                conds << QStringLiteral("%1 = ?").arg(quoteIdent(ld.fields[lf].name));
                params.push_back(row_[static_cast<size_t>(cd.keyFields[k])]);
            }
            const QString sql =
                QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %4 LIMIT 1")
                    .arg(quoteIdent(ld.fields[rf].name), quoteIdent(ld.name),
                         conds.join(QStringLiteral(" AND ")), QLatin1String(kRowIdColumn));
            Statement& st = cd.lookupTable->prepared(sql);
            int pos = 1;
            for (const Cell& p : params)
                bindCell(st.get(), pos++, p);
            if (st.step()) {
                const Cell v = readCell(st.get(), 0);
                calc_[c] = cellFrom(cd.def, cellToVariant(ld.fields[rf], v));
            }
            st.reset();
        } catch (const Error&) {
            // A lookup that cannot be read shows as empty.
        }
    }
    if (!onCalcFields_)
        return;
    const State before = state_;
    state_ = State::CalcFields;
    try {
        onCalcFields_(*this);
    } catch (...) {
        calc_.assign(calcDefs_.size(), Cell{});
        for (size_t c = 0; c < calcDefs_.size(); ++c)
            calc_[c] = emptyCell(calcDefs_[c].def.type);
    }
    state_ = before;
}

// ---------------------------------------------------------------- editing

void Table::append() {
    requireBrowse();
    savedRid_ = rid_;
    savedRow_ = row_;
    row_.assign(def_.fields.size(), Cell{});
    state_ = State::Insert;
    computeCalcFields();
}

bool Table::tryEdit() {
    requireBrowse();
    if (rid_ == 0)
        throw Error(Error::Code::NoRecord, QStringLiteral("no current record in ") + tableName_);
    if (!db_.lockRecord(lockId_, rid_, this))
        return false;
    auto fresh = fetchByRid(rid_, false);
    if (!fresh) {
        db_.unlockRecord(lockId_, rid_, this);
        throw Error(Error::Code::NoRecord,
                    QStringLiteral("the record of %1 has been deleted").arg(tableName_));
    }
    row_ = fresh->row;
    savedRow_ = row_;
    state_ = State::Edit;
    return true;
}

void Table::edit() {
    if (!tryEdit())
        throw Error(Error::Code::Locked,
                    QStringLiteral("the record of %1 is locked").arg(tableName_));
}

void Table::writeRow() {
    // Key fields never hold "no value": keys must compare as totals.
    for (size_t i = 0; i < row_.size(); ++i)
        if (indexed_[i] && engine::isNull(row_[i]))
            row_[i] = emptyCell(def_.fields[i].type);

    if (state_ == State::Edit) {
        Statement& st = prepared(updateSql_);
        int pos = 1;
        for (size_t i = 0; i < row_.size(); ++i)
            if (static_cast<int>(i) != autoIncField_)
                bindCell(st.get(), pos++, row_[i]);
        st.bindInt(pos, rid_);
        st.step();
        st.reset();
        return;
    }
    const int64_t newRid = db_.nextRecordId(lockId_, def_.name);
    if (autoIncField_ >= 0)
        row_[static_cast<size_t>(autoIncField_)] = newRid;
    Statement& st = prepared(insertSql_);
    st.bindInt(1, newRid);
    int pos = 2;
    for (const Cell& c : row_)
        bindCell(st.get(), pos++, c);
    st.step();
    st.reset();
    rid_ = newRid;
}

void Table::post() {
    requireActive();
    if (state_ != State::Edit && state_ != State::Insert)
        throw Error(Error::Code::NotEditing,
                    QStringLiteral("%1 is not being edited").arg(tableName_));
    const int64_t editedRid = rid_;
    const Row before = row_;
    try {
        db_.inWriteTransaction([this] { writeRow(); });
    } catch (...) {
        row_ = before;
        rid_ = state_ == State::Edit ? editedRid : 0;
        throw;
    }
    if (state_ == State::Edit)
        db_.unlockRecord(lockId_, editedRid, this);
    state_ = State::Browse;
    db_.noteChange();
    invalidateView();
    // The row as written is what the record now holds.
    computeCalcFields();
    bof_ = eof_ = false;
    moveDone(true);
}

void Table::cancel() {
    if (state_ == State::Edit) {
        db_.unlockRecord(lockId_, rid_, this);
        row_ = savedRow_;
        state_ = State::Browse;
        computeCalcFields();
        return;
    }
    if (state_ == State::Insert) {
        state_ = State::Browse;
        rid_ = savedRid_;
        row_ = savedRow_;
        if (rid_ == 0 || !gotoBookmark({rid_}))
            first();
        else
            computeCalcFields();
    }
}

void Table::deleteRecord() {
    requireActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (rid_ == 0)
        throw Error(Error::Code::NoRecord, QStringLiteral("no current record in ") + tableName_);
    const bool wasEditing = state_ == State::Edit;
    if (!wasEditing && !db_.lockRecord(lockId_, rid_, this))
        throw Error(Error::Code::Locked,
                    QStringLiteral("the record of %1 is locked").arg(tableName_));
    const int64_t deleted = rid_;
    if (wasEditing)
        row_ = savedRow_;
    const Row deletedRow = row_;
    try {
        db_.inWriteTransaction([&] {
            Statement& st = prepared(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                         .arg(quoteIdent(def_.name), QLatin1String(kRowIdColumn)));
            st.bindInt(1, deleted);
            st.step();
            st.reset();
        });
    } catch (...) {
        if (!wasEditing)
            db_.unlockRecord(lockId_, deleted, this);
        throw;
    }
    db_.unlockRecord(lockId_, deleted, this);
    state_ = State::Browse;
    db_.noteChange();
    positionAfterDelete(deletedRow, deleted);
}

void Table::positionAfterDelete(const Row& deletedRow, int64_t deletedRid) {
    invalidateView();
    row_ = deletedRow;
    rid_ = deletedRid;
    for (bool forward : {true, false}) {
        Query q;
        viewConditions(q, forward ? Seek::Forward : Seek::Backward);
        afterKeyCondition(q, forward);
        auto rows = fetch(q, forward, 1);
        if (!rows.empty()) {
            setCurrent(rows.front());
            bof_ = false;
            eof_ = false;
            moveDone(true);
            return;
        }
    }
    setEmpty();
    moveDone(true);
}

}  // namespace engine

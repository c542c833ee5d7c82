#include "common/controls/mem_table.h"

#include <QDate>

#include "common/dates.h"
#include "engine/error.h"

namespace controls {

using engine::Cell;
using engine::Error;

// --- MemField ---

const engine::FieldDef& MemField::def() const {
    return table_->fields_.at(index_);
}

const Cell& MemField::cell() const {
    static const Cell none;
    const QList<Cell>* record = table_->currentRecord();
    return record ? record->at(index_) : none;
}

void MemField::store(Cell value) {
    if (!table_->appending_)
        throw Error(Error::Code::NotEditing,
                    QStringLiteral("Field %1 set outside of append").arg(def().name));
    table_->pending_[index_] = std::move(value);
}

QString MemField::asString() const {
    return engine::cellToString(def(), cell());
}
int64_t MemField::asInteger() const {
    return engine::cellToInteger(def(), cell());
}
double MemField::asFloat() const {
    return engine::cellToDouble(def(), cell());
}
engine::Currency MemField::asCurrency() const {
    return engine::cellToCurrency(def(), cell());
}
bool MemField::asBoolean() const {
    return engine::cellToBoolean(def(), cell());
}
QDate MemField::asDate() const {
    return common::dateOf(asFloat());
}

void MemField::setString(const QString& value) {
    store(engine::cellFromString(def(), value));
}
void MemField::setInteger(int64_t value) {
    store(engine::cellFromInteger(def(), value));
}
void MemField::setFloat(double value) {
    store(engine::cellFromDouble(def(), value));
}
void MemField::setCurrency(engine::Currency value) {
    store(engine::cellFromCurrency(def(), value));
}
void MemField::setBoolean(bool value) {
    store(engine::cellFromInteger(def(), value ? 1 : 0));
}
void MemField::setDate(const QDate& value) {
    store(engine::cellFromDouble(def(), common::toDateTime(value)));
}
void MemField::setValue(const QVariant& value) {
    store(engine::cellFrom(def(), value));
}

// --- TMemTable ---

void TMemTable::setFields(QList<engine::FieldDef> fields) {
    if (open_)
        throw Error(Error::Code::InUse, QStringLiteral("Fields of an open memory table"));
    fields_ = std::move(fields);
}

void TMemTable::addField(const QString& name, engine::FieldType type, int size) {
    if (open_)
        throw Error(Error::Code::InUse, QStringLiteral("Fields of an open memory table"));
    fields_.append(engine::FieldDef{name, type, size, {}});
}

void TMemTable::open() {
    records_.clear();
    pending_.clear();
    appending_ = false;
    current_ = -1;
    eof_ = true;
    open_ = true;
}

void TMemTable::close() {
    records_.clear();
    pending_.clear();
    appending_ = false;
    current_ = -1;
    eof_ = true;
    open_ = false;
}

void TMemTable::requireOpen() const {
    if (!open_)
        throw Error(Error::Code::NoRecord, QStringLiteral("The memory table is not open"));
}

void TMemTable::append() {
    requireOpen();
    if (appending_)
        post();
    pending_.clear();
    for (const engine::FieldDef& field : fields_)
        pending_.append(engine::emptyCell(field.type));
    appending_ = true;
}

void TMemTable::post() {
    if (!appending_)
        throw Error(Error::Code::NotEditing, QStringLiteral("Post without append"));
    records_.append(pending_);
    pending_.clear();
    appending_ = false;
    current_ = recordCount() - 1;
    eof_ = false;
}

void TMemTable::cancel() {
    pending_.clear();
    appending_ = false;
}

void TMemTable::first() {
    requireOpen();
    if (appending_)
        post();
    current_ = records_.isEmpty() ? -1 : 0;
    eof_ = records_.isEmpty();
}

void TMemTable::next() {
    requireOpen();
    if (appending_)
        post();
    if (current_ + 1 < recordCount())
        ++current_;
    else
        eof_ = true;  // the last record stays current
}

const QList<Cell>* TMemTable::currentRecord() const {
    if (appending_)
        return &pending_;
    if (current_ >= 0 && current_ < recordCount())
        return &records_.at(current_);
    return nullptr;
}

int TMemTable::fieldIndex(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

MemField TMemTable::fieldByName(const QString& name) {
    const int index = fieldIndex(name);
    if (index < 0)
        throw Error(Error::Code::NoSuchField, QStringLiteral("Field '%1' not found").arg(name));
    return MemField(this, index);
}

}  // namespace controls

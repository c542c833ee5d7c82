#pragma once
// TMemTable: records kept in memory with the fields their owner declares (as for stored tables),
// for lists that are gathered once and then read through, such as a register being printed.
// Opening gives an empty table; closing discards every record.

#include <QDate>
#include <QList>
#include <QString>

#include <cstdint>

#include "engine/cell.h"
#include "engine/currency.h"
#include "engine/definitions.h"

namespace controls {

class TMemTable;

// Typed access to one field of the current record. Values are converted and cut as a stored
// field of the same type would (texts to their size, Currency to ten-thousandths, ...).
class MemField {
  public:
    const engine::FieldDef& def() const;

    QString asString() const;
    int64_t asInteger() const;
    double asFloat() const;
    engine::Currency asCurrency() const;
    bool asBoolean() const;
    double asDateTime() const { return asFloat(); }
    QDate asDate() const;

    // Setting needs a record being appended (TMemTable::append).
    void setString(const QString& value);
    void setInteger(int64_t value);
    void setFloat(double value);
    void setCurrency(engine::Currency value);
    void setBoolean(bool value);
    void setDateTime(double value) { setFloat(value); }
    void setDate(const QDate& value);
    void setValue(const QVariant& value);

  private:
    friend class TMemTable;
    MemField(TMemTable* table, int index) : table_(table), index_(index) {}
    const engine::Cell& cell() const;
    void store(engine::Cell value);

    TMemTable* table_;
    int index_;
};

class TMemTable {
  public:
    TMemTable() = default;
    explicit TMemTable(QList<engine::FieldDef> fields) : fields_(std::move(fields)) {}

    // The declared fields; they may change only while the table is closed.
    const QList<engine::FieldDef>& fields() const { return fields_; }
    void setFields(QList<engine::FieldDef> fields);
    void addField(const QString& name, engine::FieldType type, int size = 0);

    void open();   // an empty table with the declared fields
    void close();  // discards all records
    bool isOpen() const { return open_; }

    // A new record with every field empty; it joins the table at the end on post().
    void append();
    void post();
    void cancel();
    bool isAppending() const { return appending_; }

    void first();
    void next();
    // True past the last record, and on an empty table.
    bool eof() const { return eof_; }
    bool isEmpty() const { return records_.isEmpty(); }
    int recordCount() const { return static_cast<int>(records_.size()); }

    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    // Names are compared without regard to case. Throws engine::Error(NoSuchField).
    MemField fieldByName(const QString& name);

  private:
    friend class MemField;
    int fieldIndex(const QString& name) const;
    void requireOpen() const;
    const QList<engine::Cell>* currentRecord() const;

    QList<engine::FieldDef> fields_;
    QList<QList<engine::Cell>> records_;
    QList<engine::Cell> pending_;
    bool open_ = false;
    bool appending_ = false;
    bool eof_ = true;
    int current_ = -1;
};

}  // namespace controls

#pragma once
// Field and index definitions of tables. A table is created from a TableDef; the stored order of
// fields is the order of the list, and every index is ascending, allows duplicate keys and
// compares texts without regard to case in Polish dictionary order.

#include <QList>
#include <QString>
#include <QStringList>

namespace engine {

enum class FieldType {
    AutoInc,  // 32-bit unsigned, assigned by the engine on insert, never reused
    Boolean,
    Byte,  // 8-bit unsigned
    Int8,
    Int16,
    Word16,  // 16-bit unsigned
    Int32,
    Word32,    // 32-bit unsigned
    Single,    // 4-byte floating point
    Currency,  // exact ten-thousandths in 64 bits
    DateTime,  // days since 30 December 1899, the fraction being the time of day
    String,    // at most `size` characters
    Text,      // at most `size` characters
    Memo,      // text of any length
    Picture,   // bytes of any length
};

const char* fieldTypeName(FieldType type);
bool isTextType(FieldType type);     // String, Text or Memo
bool isIntegerType(FieldType type);  // AutoInc to Word32
bool isSizedType(FieldType type);    // String or Text: `size` matters

struct FieldDef {
    QString name;
    FieldType type = FieldType::Int32;
    int size = 0;  // String and Text only
    QString description;

    bool operator==(const FieldDef& o) const {
        return name.compare(o.name, Qt::CaseInsensitive) == 0 && type == o.type &&
               (isSizedType(type) ? size == o.size : true);
    }
};

struct IndexDef {
    QString name;
    QStringList fields;  // key fields in key order
    QString description;
};

struct TableDef {
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    // Position of a field or index by name (case ignored), -1 when absent.
    int fieldIndex(const QString& fieldName) const;
    int indexIndex(const QString& indexName) const;
    bool hasAutoInc() const;
};

}  // namespace engine

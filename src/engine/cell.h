#pragma once
// One stored value of a record as the engine keeps it in memory: integers (Currency as
// ten-thousandths), floating point (Single, DateTime), text, bytes, or nothing.

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <variant>

#include "engine/currency.h"
#include "engine/definitions.h"

struct sqlite3_stmt;

namespace engine {

using Cell = std::variant<std::monostate, int64_t, double, QString, QByteArray>;

inline bool isNull(const Cell& c) {
    return std::holds_alternative<std::monostate>(c);
}

// The value a field of this type holds when nothing was written: 0, false, empty text.
Cell emptyCell(FieldType type);

// Converts a value given by the program into what a field of `def` stores: texts limited to the
// code page and cut to the field's size, integers wrapped to the field's width, Currency rounded
// to ten-thousandths. Throws Error(BadValue) for a text that is not a number of a numeric field.
Cell cellFrom(const FieldDef& def, const QVariant& value);
Cell cellFromString(const FieldDef& def, const QString& value);
Cell cellFromInteger(const FieldDef& def, int64_t value);
Cell cellFromDouble(const FieldDef& def, double value);
Cell cellFromCurrency(const FieldDef& def, Currency value);
Cell cellFromBytes(const FieldDef& def, const QByteArray& value);

// Readers with the conversions of the typed field accessors.
QString cellToString(const FieldDef& def, const Cell& c);
int64_t cellToInteger(const FieldDef& def, const Cell& c);
double cellToDouble(const FieldDef& def, const Cell& c);
Currency cellToCurrency(const FieldDef& def, const Cell& c);
bool cellToBoolean(const FieldDef& def, const Cell& c);
QByteArray cellToBytes(const FieldDef& def, const Cell& c);
QVariant cellToVariant(const FieldDef& def, const Cell& c);

// SQLite glue.
void bindCell(sqlite3_stmt* stmt, int position, const Cell& c);
Cell readCell(sqlite3_stmt* stmt, int column);

}  // namespace engine

#pragma once
// How table definitions map onto SQLite: column declarations, index names, and the catalog
// record that keeps the engine types and sizes SQLite does not know.

#include <QString>

#include "engine/definitions.h"

namespace engine {

// The hidden column that gives every record its identity and insertion order. It is the
// AUTOINCREMENT key of the SQLite table, so an identity is never used twice; an AutoInc field
// holds the same value.
inline constexpr const char* kRowIdColumn = "_rid";

QString columnDeclaration(const FieldDef& field);
QString createTableSql(const TableDef& def, const QString& sqlName);
QString indexSqlName(const QString& table, const QString& index);
QString createIndexSql(const TableDef& def, const IndexDef& index);

QString definitionToJson(const TableDef& def);
TableDef definitionFromJson(const QString& json);

// Throws Error(NoSuchField/BadValue) when the definition cannot be created as it stands.
void validateDefinition(const TableDef& def);

// True when a field takes part in some index: such fields never hold "no value", so that key
// comparisons stay total.
bool isIndexedField(const TableDef& def, const QString& field);

}  // namespace engine

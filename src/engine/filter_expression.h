#pragma once
// Filter expressions of cursors, as the registers build them:
//   (Nazwa='*kowal*') and not ((Tel1='*22*') or (Fax='*22*')) and (Nabywca = 12)
// Comparisons are a field, an operator (= <> < > <= >=) and a literal ('text' with '' for a
// quote, a number, True or False); they combine with and, or, not and parentheses. In texts
// compared with = or <>, "*" stands for any sequence of characters.

#include <QList>
#include <QString>

#include "engine/cell.h"
#include "engine/definitions.h"

namespace engine {

struct CompiledFilter {
    QString sql;         // a boolean SQL expression over the table's columns
    QList<Cell> params;  // bound in order to its "?" placeholders
};

// Throws Error(BadFilter) for an expression that does not parse and Error(NoSuchField) for an
// unknown field.
CompiledFilter compileFilter(const QString& expression, const TableDef& def, bool caseInsensitive);

}  // namespace engine

// Database::restructure: rebuilding a table to a new field list while keeping its records.

#include <QHash>

#include "engine/cell.h"
#include "engine/database.h"
#include "engine/sqlite_util.h"
#include "engine/table_sql.h"

namespace engine {
namespace {

// SQL that turns an old column's value into what the new field stores.
QString convertedValue(const FieldDef& from, const FieldDef& to) {
    const QString col = quoteIdent(from.name);
    const bool fromCurrency = from.type == FieldType::Currency;
    switch (to.type) {
        case FieldType::String:
        case FieldType::Text: {
            const QString text = fromCurrency
                                     ? QStringLiteral("CAST(%1 / 10000.0 AS TEXT)").arg(col)
                                     : QStringLiteral("CAST(%1 AS TEXT)").arg(col);
            return QStringLiteral("substr(%1, 1, %2)").arg(text).arg(to.size);
        }
        case FieldType::Memo:
            return fromCurrency ? QStringLiteral("CAST(%1 / 10000.0 AS TEXT)").arg(col)
                                : QStringLiteral("CAST(%1 AS TEXT)").arg(col);
        case FieldType::Picture:
            return QStringLiteral("CAST(%1 AS BLOB)").arg(col);
        case FieldType::Single:
        case FieldType::DateTime:
            return fromCurrency ? QStringLiteral("%1 / 10000.0").arg(col)
                                : QStringLiteral("CAST(%1 AS REAL)").arg(col);
        case FieldType::Currency:
            if (fromCurrency)
                return col;
            return QStringLiteral("CAST(round(CAST(%1 AS REAL) * 10000) AS INTEGER)").arg(col);
        default:
            if (fromCurrency)
                return QStringLiteral("CAST(round(%1 / 10000.0) AS INTEGER)").arg(col);
            if (isIntegerType(from.type) || from.type == FieldType::Boolean)
                return col;
            return QStringLiteral("CAST(round(CAST(%1 AS REAL)) AS INTEGER)").arg(col);
    }
}

QString literalOf(const Cell& c) {
    if (const auto* i = std::get_if<int64_t>(&c))
        return QString::number(*i);
    if (std::holds_alternative<double>(c))
        return QStringLiteral("0.0");
    if (std::holds_alternative<QByteArray>(c))
        return QStringLiteral("X''");
    return QStringLiteral("''");
}

// Field map entries "New=Old" keyed by the new field's name in lower case.
QHash<QString, QString> parseFieldMap(const QStringList& fieldMap, const TableDef& oldDef,
                                      const TableDef& newDef) {
    QHash<QString, QString> map;
    for (const QString& entry : fieldMap) {
        const int eq = entry.indexOf(QLatin1Char('='));
        const QString to = (eq < 0 ? entry : entry.left(eq)).trimmed();
        const QString from = (eq < 0 ? entry : entry.mid(eq + 1)).trimmed();
        if (newDef.fieldIndex(to) < 0 || oldDef.fieldIndex(from) < 0)
            throw Error(Error::Code::NoSuchField,
                        QStringLiteral("field map entry '%1' names an unknown field").arg(entry));
        map.insert(to.toLower(), from);
    }
    return map;
}

}  // namespace

void Database::restructure(const QString& table, const TableDef& newDefIn,
                           const QStringList& fieldMap) {
    const TableDef oldDef = tableDef(table);
    TableDef newDef = newDefIn;
    newDef.name = oldDef.name;
    validateDefinition(newDef);
    const QHash<QString, QString> map = parseFieldMap(fieldMap, oldDef, newDef);

    const ExclusiveTable exclusive(*this, table);

    inWriteTransaction([&] {
        const QString tmpName = oldDef.name + QStringLiteral("__rebuild");
        execSql(db_, QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoteIdent(tmpName)));
        execSql(db_, createTableSql(newDef, tmpName));

        QStringList targets{QLatin1String(kRowIdColumn)};
        QStringList sources{QLatin1String(kRowIdColumn)};
        for (const auto& field : newDef.fields) {
            QString value;
            const auto it = map.constFind(field.name.toLower());
            if (it != map.constEnd())
                value = convertedValue(oldDef.fields[oldDef.fieldIndex(*it)], field);
            else if (field.type == FieldType::AutoInc)
                value = QLatin1String(kRowIdColumn);
            if (isIndexedField(newDef, field.name))
                value = value.isEmpty() ? literalOf(emptyCell(field.type))
                                        : QStringLiteral("coalesce(%1, %2)")
                                              .arg(value, literalOf(emptyCell(field.type)));
            if (value.isEmpty())
                continue;
            targets << quoteIdent(field.name);
            sources << value;
        }
        execSql(db_, QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4 ORDER BY %5")
                         .arg(quoteIdent(tmpName), targets.join(QStringLiteral(", ")),
                              sources.join(QStringLiteral(", ")), quoteIdent(oldDef.name),
                              QLatin1String(kRowIdColumn)));

        // Identities given out before must stay given out, deleted ones included.
        Statement seq(db_, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"));
        seq.bindText(1, oldDef.name);
        const qint64 oldSeq = seq.step() ? seq.columnInt(0) : 0;
        seq.reset();

        execSql(db_, QStringLiteral("DROP TABLE %1").arg(quoteIdent(oldDef.name)));
        execSql(db_, QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                         .arg(quoteIdent(tmpName), quoteIdent(oldDef.name)));
        createIndexesOf(newDef);

        Statement raise(
            db_, QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"));
        raise.bindInt(1, oldSeq);
        raise.bindText(2, oldDef.name);
        raise.step();
        if (sqlite3_changes(db_) == 0 && oldSeq > 0) {
            Statement add(db_,
                          QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"));
            add.bindText(1, oldDef.name);
            add.bindInt(2, oldSeq);
            add.step();
        }

        Statement upd(db_, QStringLiteral("UPDATE _rv_catalog SET def = ? WHERE tbl = ?"));
        upd.bindText(1, definitionToJson(newDef));
        upd.bindText(2, oldDef.name);
        upd.step();
    });
}

}  // namespace engine

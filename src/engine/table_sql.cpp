#include "engine/table_sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "engine/error.h"
#include "engine/sqlite_util.h"

namespace engine {
namespace {

const char* sqlType(FieldType type) {
    switch (type) {
        case FieldType::Single:
        case FieldType::DateTime:
            return "REAL";
        case FieldType::String:
        case FieldType::Text:
        case FieldType::Memo:
            return "TEXT";
        case FieldType::Picture:
            return "BLOB";
        default:
            return "INTEGER";
    }
}

FieldType typeFromName(const QString& name) {
    for (int t = 0; t <= static_cast<int>(FieldType::Picture); ++t)
        if (name == QLatin1String(fieldTypeName(static_cast<FieldType>(t))))
            return static_cast<FieldType>(t);
    throw Error(Error::Code::BadValue, QStringLiteral("unknown field type ") + name);
}

}  // namespace

QString columnDeclaration(const FieldDef& field) {
    QString decl = quoteIdent(field.name) + QLatin1Char(' ') + QLatin1String(sqlType(field.type));
    if (isTextType(field.type))
        decl += QStringLiteral(" COLLATE PL");
    return decl;
}

QString createTableSql(const TableDef& def, const QString& sqlName) {
    QString sql = QStringLiteral("CREATE TABLE %1 (%2 INTEGER PRIMARY KEY AUTOINCREMENT")
                      .arg(quoteIdent(sqlName), QLatin1String(kRowIdColumn));
    for (const auto& f : def.fields)
        sql += QStringLiteral(", ") + columnDeclaration(f);
    sql += QStringLiteral(") STRICT");
    return sql;
}

QString indexSqlName(const QString& table, const QString& index) {
    return table.toLower() + QLatin1Char('#') + index.toLower();
}

QString createIndexSql(const TableDef& def, const IndexDef& index) {
    QStringList cols;
    for (const auto& f : index.fields)
        cols << quoteIdent(def.fields[def.fieldIndex(f)].name);
    // The record identity ends every key, so that equal keys keep the order of insertion and
    // a cursor can step past a run of equal keys.
    cols << QLatin1String(kRowIdColumn);
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(quoteIdent(indexSqlName(def.name, index.name)), quoteIdent(def.name),
             cols.join(QStringLiteral(", ")));
}

QString definitionToJson(const TableDef& def) {
    QJsonArray fields;
    for (const auto& f : def.fields) {
        QJsonObject o{{"n", f.name}, {"t", QLatin1String(fieldTypeName(f.type))}};
        if (isSizedType(f.type))
            o.insert("s", f.size);
        if (!f.description.isEmpty())
            o.insert("d", f.description);
        fields.append(o);
    }
    QJsonArray indexes;
    for (const auto& i : def.indexes) {
        QJsonObject o{{"n", i.name}, {"f", QJsonArray::fromStringList(i.fields)}};
        if (!i.description.isEmpty())
            o.insert("d", i.description);
        indexes.append(o);
    }
    const QJsonObject root{{"name", def.name}, {"fields", fields}, {"indexes", indexes}};
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Compact));
}

TableDef definitionFromJson(const QString& json) {
    const QJsonObject root = QJsonDocument::fromJson(json.toUtf8()).object();
    TableDef def;
    def.name = root.value("name").toString();
    for (const auto& v : root.value("fields").toArray()) {
        const QJsonObject o = v.toObject();
        def.fields.append({o.value("n").toString(), typeFromName(o.value("t").toString()),
                           o.value("s").toInt(), o.value("d").toString()});
    }
    for (const auto& v : root.value("indexes").toArray()) {
        const QJsonObject o = v.toObject();
        QStringList fields;
        for (const auto& f : o.value("f").toArray())
            fields << f.toString();
        def.indexes.append({o.value("n").toString(), fields, o.value("d").toString()});
    }
    return def;
}

void validateDefinition(const TableDef& def) {
    if (def.name.isEmpty() || def.name.startsWith(QLatin1Char('_')))
        throw Error(Error::Code::BadValue, QStringLiteral("invalid table name '%1'").arg(def.name));
    QSet<QString> names;
    int autoIncs = 0;
    for (const auto& f : def.fields) {
        const QString key = f.name.toLower();
        if (f.name.isEmpty() || key == QLatin1String(kRowIdColumn) || names.contains(key))
            throw Error(
                Error::Code::BadValue,
                QStringLiteral("invalid or repeated field '%1' in %2").arg(f.name, def.name));
        names.insert(key);
        if (isSizedType(f.type) && f.size <= 0)
            throw Error(Error::Code::BadValue,
                        QStringLiteral("text field '%1' needs a size").arg(f.name));
        if (f.type == FieldType::AutoInc)
            ++autoIncs;
    }
    if (autoIncs > 1)
        throw Error(Error::Code::BadValue, QStringLiteral("more than one AutoInc in ") + def.name);
    QSet<QString> indexNames;
    for (const auto& i : def.indexes) {
        if (i.name.isEmpty() || i.fields.isEmpty() || indexNames.contains(i.name.toLower()))
            throw Error(
                Error::Code::BadValue,
                QStringLiteral("invalid or repeated index '%1' in %2").arg(i.name, def.name));
        indexNames.insert(i.name.toLower());
        for (const auto& f : i.fields)
            if (def.fieldIndex(f) < 0)
                throw Error(Error::Code::NoSuchField,
                            QStringLiteral("index %1 of %2 names unknown field %3")
                                .arg(i.name, def.name, f));
    }
}

bool isIndexedField(const TableDef& def, const QString& field) {
    for (const auto& i : def.indexes)
        for (const auto& f : i.fields)
            if (f.compare(field, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

}  // namespace engine

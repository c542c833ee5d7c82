#include "data/company_database.h"

#include <QDir>

#include "data/schema.h"
#include "engine/database.h"
#include "engine/error.h"

namespace data {

QString companyDatabasePath(const QString& companyFolder) {
    return QDir(companyFolder).filePath(kCompanyDatabaseFile);
}

QString usersDatabasePath(const QString& programFolder) {
    return QDir(programFolder).filePath(kUsersDatabaseFile);
}

QStringList createMissingCompanyTables(engine::Database& db, const TableCreator& create) {
    QStringList missing;
    for (const engine::TableDef& def : companyTables()) {
        if (db.tableExists(def.name))
            continue;
        try {
            if (create)
                create(db, def);
            else
                db.createTable(def);
        } catch (const std::exception&) {
            // Passed over; the caller learns of it from the list.
        }
        if (!db.tableExists(def.name))
            missing << def.name;
    }
    return missing;
}

void createCompanyTable(engine::Database& db, const QString& name) {
    const engine::TableDef* def = companyTable(name);
    if (!def)
        throw engine::Error(engine::Error::Code::NoSuchTable,
                            QStringLiteral("not a company table: ") + name);
    db.createTable(*def);
}

void createUsersTable(engine::Database& db) {
    db.createTable(usersTable());
}

bool companyDatabasePresent(const QString& companyFolder) {
    const QStringList tables = engine::Database::tableNamesIn(companyDatabasePath(companyFolder));
    for (const char* required : {"marze", "fspec", "faktury"})
        if (!tables.contains(QLatin1String(required), Qt::CaseInsensitive))
            return false;
    return true;
}

}  // namespace data

#pragma once
// Creating the tables of a company database and of the users database.

#include <QString>
#include <QStringList>

#include <functional>

#include "engine/definitions.h"

namespace engine {
class Database;
}

namespace data {

// File names inside a company folder and inside the program folder.
inline const QString kCompanyDatabaseFile = QStringLiteral("baza.db");
inline const QString kUsersDatabaseFile = QStringLiteral("uzytkowf.db");

QString companyDatabasePath(const QString& companyFolder);
QString usersDatabasePath(const QString& programFolder);

// How one table gets created; tests replace it to make a creation fail.
using TableCreator = std::function<void(engine::Database&, const engine::TableDef&)>;

// Creates every company table that the database lacks, in the company's creation order; tables
// that exist keep their records. A table that cannot be created is passed over and the next one
// tried. Returns the names of the tables that are still missing afterwards.
QStringList createMissingCompanyTables(engine::Database& db, const TableCreator& create = {});

// Creates one company table by name (stocktaking recreates "remanent" this way). Throws the
// engine's error when the table exists or cannot be created.
void createCompanyTable(engine::Database& db, const QString& name);

// Creates the users table "uzytkowf".
void createUsersTable(engine::Database& db);

// True when the folder holds a company database with the tables marze, fspec and faktury.
bool companyDatabasePresent(const QString& companyFolder);

}  // namespace data

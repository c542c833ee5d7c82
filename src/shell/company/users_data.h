#pragma once
// The users database shared by all companies of the program folder, and its table objects.

#include <QString>

#include "engine/database.h"
#include "engine/table.h"

namespace shell::company {

class UsersData {
    // First, because the table objects are built on it.
    engine::Database db_;

  public:
    // Opens the users database file (throws engine::Error(Io)); no table is opened yet.
    explicit UsersData(const QString& databasePath);
    ~UsersData();
    UsersData(const UsersData&) = delete;
    UsersData& operator=(const UsersData&) = delete;

    engine::Database& database() { return db_; }

    // False, with every object closed again, when one of them does not open.
    bool open();
    void close();

    engine::Table TableUzytkow{db_, QStringLiteral("uzytkowf")};
    engine::Table TableUzytkowBis{db_, QStringLiteral("uzytkowf")};
    engine::Table TableUsersFind{db_, QStringLiteral("uzytkowf")};
};

}  // namespace shell::company

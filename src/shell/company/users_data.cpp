#include "shell/company/users_data.h"

#include <exception>

#include "data/schema.h"

namespace shell::company {

UsersData::UsersData(const QString& databasePath) : db_(databasePath) {
    for (engine::Table* t : {&TableUzytkow, &TableUzytkowBis, &TableUsersFind})
        t->setDeclaredFields(data::usersTable().fields);
    TableUsersFind.setIndexName(QStringLiteral("main"));
}

UsersData::~UsersData() {
    close();
}

bool UsersData::open() {
    try {
        for (engine::Table* t : {&TableUzytkow, &TableUzytkowBis, &TableUsersFind})
            t->open();
        return true;
    } catch (const std::exception&) {
        close();
        return false;
    }
}

void UsersData::close() {
    for (engine::Table* t : {&TableUzytkow, &TableUzytkowBis, &TableUsersFind}) {
        try {
            t->close();
        } catch (...) {
            // Closing goes on with the next object.
        }
    }
}

}  // namespace shell::company

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "data/company_database.h"
#include "data/schema.h"
#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"

using engine::Database;
using engine::Table;

namespace {

const QStringList kCreationOrder = {"towary",   "stawki",   "plspec",   "marze",      "faktury",
                                    "fspec",    "grupy",    "towspec",  "magazynowe", "magspec",
                                    "partie",   "stany",    "partspec", "remanent",   "zakupy",
                                    "przelewy", "platnicy", "kasabank", "firmy",      "opcjef"};

}  // namespace

TEST(CompanyDatabase, NewCompanyGetsAllTablesInOrderAndIsPresent) {
    QTemporaryDir dir;
    EXPECT_FALSE(data::companyDatabasePresent(dir.path()));
    {
        Database db(data::companyDatabasePath(dir.path()));
        EXPECT_TRUE(data::createMissingCompanyTables(db).isEmpty());
        EXPECT_EQ(db.tableNames(), kCreationOrder);
        // What later code leans on: stored field positions and the index keys.
        const auto faktury = db.tableDef("faktury");
        EXPECT_EQ(faktury.fields.size(), 47);
        EXPECT_EQ(faktury.fields[41].name, "Miasto");
        EXPECT_EQ(faktury.indexes[faktury.indexIndex("fnab")].fields,
                  QStringList({"Nabywca", "Kod"}));
        EXPECT_EQ(db.tableDef("magspec").fields.last().type, engine::FieldType::AutoInc);
    }
    EXPECT_TRUE(data::companyDatabasePresent(dir.path()));
}

TEST(CompanyDatabase, OnlyMissingTablesAreCreatedAndOthersKeepTheirRecords) {
    QTemporaryDir dir;
    Database db(data::companyDatabasePath(dir.path()));
    data::createCompanyTable(db, "firmy");
    data::createCompanyTable(db, "MARZE");
    {
        Table firmy(db, "firmy");
        firmy.open();
        firmy.append();
        firmy.fieldByName("Symbol").setString("ABC");
        firmy.post();
    }
    EXPECT_FALSE(data::companyDatabasePresent(dir.path()));

    // A table whose creation fails is passed over; the rest are still created.
    const QStringList missing =
        data::createMissingCompanyTables(db, [](Database& d, const engine::TableDef& def) {
            if (def.name == "opcjef" || def.name == "fspec")
                throw engine::Error(engine::Error::Code::Io, "disk full");
            d.createTable(def);
        });
    EXPECT_EQ(missing, QStringList({"fspec", "opcjef"}));
    EXPECT_EQ(db.tableNames().size(), 18);

    EXPECT_TRUE(data::createMissingCompanyTables(db).isEmpty());
    Table firmy(db, "firmy");
    firmy.open();
    EXPECT_EQ(firmy.recordCount(), 1);
    EXPECT_EQ(firmy.fieldByName("Symbol").asString(), "ABC");
    EXPECT_THROW(data::createCompanyTable(db, "firmy"), engine::Error);
    EXPECT_THROW(data::createCompanyTable(db, "ksiega"), engine::Error);
}

TEST(CompanyDatabase, VersionedCatalogRangeListsEachCounterpartyOnce) {
    QTemporaryDir dir;
    Database db(data::companyDatabasePath(dir.path()));
    data::createCompanyTable(db, "firmy");
    Table firmy(db, "firmy");
    firmy.setIndexName("main");
    firmy.open();
    // Counterparty 1 with an old and a current version, counterparty 2 current only.
    for (auto [numer, last] : {std::pair{1, false}, {2, true}, {1, true}}) {
        firmy.append();
        firmy.fieldByName("Numer").setInteger(numer);
        firmy.fieldByName("Last").setBoolean(last);
        firmy.post();
    }
    firmy.setRange({true}, {true});
    QList<int64_t> numbers;
    for (firmy.first(); !firmy.eof(); firmy.next())
        numbers << firmy.fieldByName("Numer").asInteger();
    EXPECT_EQ(numbers, QList<int64_t>({1, 2}));
}

TEST(UsersDatabase, UsersTableHoldsEveryRightAndKnowsUnsetOnes) {
    QTemporaryDir dir;
    Database db(data::usersDatabasePath(dir.path()));
    data::createUsersTable(db);
    const auto def = db.tableDef("uzytkowf");
    ASSERT_EQ(def.fields.size(), 91);
    EXPECT_EQ(def.fields[6].name, "Otwieranie");
    EXPECT_EQ(def.fields[73].name, "Kasowanie_magazyny");
    EXPECT_EQ(def.fields[74].name, "Zapas_1");
    EXPECT_EQ(data::userRightNames().size(), 85);

    Table users(db, "uzytkowf");
    users.open();
    users.append();
    users.fieldByName("Ident").setString("admin");
    users.fieldByName("Zmiana_opcji").setBoolean(false);
    users.post();
    EXPECT_TRUE(users.fieldByName("Eksport").isNull());  // never set: holds no value
    EXPECT_FALSE(users.fieldByName("Zmiana_opcji").isNull());
}

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

#include "common/formats.h"
#include "data/company_database.h"
#include "data/settings_store.h"
#include "engine/database.h"
#include "engine/table.h"

using data::SettingsStore;

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db_ = std::make_unique<engine::Database>(data::companyDatabasePath(dir_.path()));
        data::createCompanyTable(*db_, "opcjef");
        table_ = std::make_unique<engine::Table>(*db_, "opcjef");
        table_->setIndexName("main");
        table_->open();
        store_ = std::make_unique<SettingsStore>(*table_);
    }
    void TearDown() override { common::setDateSeparator(QChar()); }

    QTemporaryDir dir_;
    std::unique_ptr<engine::Database> db_;
    std::unique_ptr<engine::Table> table_;
    std::unique_ptr<SettingsStore> store_;
};

TEST_F(SettingsStoreTest, EmptyStoreGivesDefaults) {
    EXPECT_EQ(store_->readSetting("Faktura", "Napisy", "Firma"), QString());
    EXPECT_TRUE(store_->readFlagSetting(true, "A", "B", "C"));
    EXPECT_FALSE(store_->readFlagSetting(false, "A", "B", "C"));
    EXPECT_EQ(store_->readNumberSetting("A", "B", "C"), -1);
    EXPECT_EQ(store_->settingsCount(), 0);
}

TEST_F(SettingsStoreTest, WritesOverwriteOneRecordWhateverTheLetterCase) {
    ASSERT_TRUE(
        store_->writeSetting(u"Faktura"_qs, u"Numeracja"_qs, u"Format numeru faktury"_qs, "#/$"));
    ASSERT_TRUE(
        store_->writeSetting(u"FAKTURA"_qs, u"numeracja"_qs, u"Format Numeru Faktury"_qs, "#/&/$"));
    EXPECT_EQ(store_->settingsCount(), 1);
    EXPECT_EQ(store_->readSetting("faktura", "NUMERACJA", "format numeru faktury"), "#/&/$");
    EXPECT_EQ(table_->fieldByName("Grupa").asString(), "FAKTURA");  // the case given last
    EXPECT_EQ(store_->readSetting(u"Księga"_qs, "Okresy", u"Zamknięty do"_qs), QString());
}

TEST_F(SettingsStoreTest, ValueEncodings) {
    struct Case {
        const char* stored;
        bool flag;
        qint64 number;
    };
    const Case cases[] = {
        {"Tak", true, -1}, {"TAK", false, -1}, {"tak", false, -1}, {"Nie", false, -1},
        {"12", false, 12}, {"-7", false, -7},  {"12a", false, -1}, {"", false, -1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(store_->writeSetting("G", "S", "N", c.stored));
        EXPECT_EQ(store_->readFlagSetting(true, "G", "S", "N"), c.flag) << c.stored;
        EXPECT_EQ(store_->readNumberSetting("G", "S", "N"), c.number) << c.stored;
    }
    store_->writeFlagSetting("G", "S", "F", false);
    EXPECT_EQ(store_->readSetting("G", "S", "F"), "Nie");
    store_->writeNumberSetting("G", "S", "K", 2024);
    EXPECT_EQ(store_->readSetting("G", "S", "K"), "2024");
    ASSERT_TRUE(store_->writeSetting("G", "S", "Long", QString(900, QLatin1Char('x'))));
    EXPECT_EQ(store_->readSetting("G", "S", "Long").size(), 800);

    const QByteArray logo("BM\x00\x01picture", 11);
    ASSERT_TRUE(store_->writePicture("Faktura", u"Układ"_qs, "Logo", logo));
    EXPECT_EQ(store_->readPicture("Faktura", u"Układ"_qs, "Logo"), logo);
    EXPECT_EQ(store_->readSetting("Faktura", u"Układ"_qs, "Logo"), QString());
}

TEST_F(SettingsStoreTest, ClosedPeriodReadsDatesOfAnyMachine) {
    EXPECT_TRUE(store_->isDateInClosedPeriod(QDate(1980, 1, 1)));
    EXPECT_FALSE(store_->isDateInClosedPeriod(QDate(1980, 1, 2)));

    common::setDateSeparator(u'.');
    store_->writeSetting(u"Księga"_qs, "Okresy", u"Zamknięty do"_qs, "05/01/2024");
    EXPECT_TRUE(store_->isDateInClosedPeriod(QDate(2024, 1, 5)));
    EXPECT_FALSE(store_->isDateInClosedPeriod(QDate(2024, 1, 6)));

    store_->writeDateSetting("Rolvan", u"Ogólne"_qs, "Ostatnia data", QDate(2023, 12, 31));
    EXPECT_EQ(store_->readSetting("Rolvan", u"Ogólne"_qs, "Ostatnia data"), "31.12.2023");
    EXPECT_EQ(store_->readDateSetting("Rolvan", u"Ogólne"_qs, "Ostatnia data"),
              QDate(2023, 12, 31));

    store_->writeSetting(u"Księga"_qs, "Okresy", u"Zamknięty do"_qs, "wkrótce");
    EXPECT_FALSE(store_->isDateInClosedPeriod(QDate(1970, 1, 1)));
}

TEST_F(SettingsStoreTest, FailedWriteSaysSoAndLeavesTheOldValue) {
    ASSERT_TRUE(store_->writeSetting("G", "S", "N", "old"));
    // Another program instance is writing: this write cannot go through.
    engine::Database other(data::companyDatabasePath(dir_.path()));
    other.startTransaction();
    EXPECT_FALSE(store_->writeSetting("G", "S", "N", "new"));
    EXPECT_FALSE(store_->writeSetting("G", "S", "Other", "x"));
    other.rollback();
    EXPECT_EQ(table_->state(), engine::Table::State::Browse);
    EXPECT_EQ(store_->readSetting("G", "S", "N"), "old");
    EXPECT_EQ(store_->settingsCount(), 1);
}

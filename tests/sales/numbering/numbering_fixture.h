#pragma once
// An open company in a temporary folder, its settings store, documents added and deleted
// through the company's own connection, and a pinned today.

#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>

#include <memory>

#include "common/clock.h"
#include "data/company_database.h"
#include "data/settings_store.h"
#include "engine/database.h"
#include "engine/table.h"
#include "sales/numbering/numbering.h"
#include "shell/company/company_data.h"
#include "shell/messages.h"

namespace numberingtest {

class NumberingTest : public ::testing::Test {
  protected:
    void SetUp() override { openNewCompany(); }
    void TearDown() override {
        closeCompany();
        common::setToday({});
    }

    // Starts again with an empty company (for tables of cases within one test).
    void newCompany() {
        closeCompany();
        dir_ = std::make_unique<QTemporaryDir>();
        openNewCompany();
    }

    void openNewCompany() {
        ASSERT_TRUE(dir_->isValid());
        {
            engine::Database db(path());
            ASSERT_TRUE(data::createMissingCompanyTables(db).isEmpty());
        }
        company_ = std::make_unique<shell::company::CompanyData>(path());
        ASSERT_TRUE(company_->openCompanyTables());
        store_ = std::make_unique<data::SettingsStore>(company_->TableOpcje);
    }
    void closeCompany() {
        store_.reset();
        if (company_)
            company_->closeCompanyTables();
        company_.reset();
    }

    QString path() const { return data::companyDatabasePath(dir_->path()); }
    engine::Database& db() { return company_->database(); }
    data::SettingsStore& store() { return *store_; }

    void put(const sales::SettingKey& key, const QString& text) {
        db().startTransaction();
        ASSERT_TRUE(store_->writeSetting(key.group, key.subgroup, key.name, text));
        db().commit();
    }
    QString stored(const sales::SettingKey& key) {
        return store_->readSetting(key.group, key.subgroup, key.name);
    }
    void setMode(sales::NumberingMode mode) {
        put(sales::continuationKey(),
            mode == sales::NumberingMode::Continuation ? QStringLiteral("Tak") : "Nie");
        put(sales::monthlyKey(),
            mode == sales::NumberingMode::MonthlyRestart ? QStringLiteral("Tak") : "Nie");
    }
    void setCounter(int index, qint64 value) {
        put(sales::counterKey(index), QString::number(value));
    }
    qint64 counter(int index) { return sales::readCounter(*store_, index); }

    // Appends a sales ("faktury") or warehouse ("magazynowe") document; returns its Kod.
    qint64 addDocument(const QString& table, const QString& kind, const QDate& issued,
                       qint64 numerKolejny, const QString& numer = {}) {
        engine::Table t(db(), table);
        t.open();
        t.append();
        t.fieldByName("RodzajDok").setString(kind);
        t.fieldByName("DataWyst").setDate(issued);
        t.fieldByName("NumerKolejny").setInteger(numerKolejny);
        t.fieldByName("Numer").setString(numer);
        t.post();
        return t.fieldByName("Kod").asInteger();
    }
    void deleteDocument(const QString& table, qint64 kod) {
        engine::Table t(db(), table);
        t.open();
        ASSERT_TRUE(t.locate({"Kod"}, {kod}));
        t.deleteRecord();
    }

    std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
    shell::ScriptedMessages messages_;
    std::unique_ptr<shell::company::CompanyData> company_;
    std::unique_ptr<data::SettingsStore> store_;
};

}  // namespace numberingtest

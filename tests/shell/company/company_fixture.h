#pragma once
// A company database in a temporary folder: its tables created (some in older layouts when a
// test asks), records added through a connection of their own.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

#include "data/company_database.h"
#include "data/schema.h"
#include "engine/database.h"
#include "engine/table.h"

namespace companytest {

// The current layout of a company table.
inline engine::TableDef layoutOf(const QString& table) {
    return *data::companyTable(table);
}

inline engine::TableDef withoutFields(engine::TableDef def, const QStringList& fields) {
    for (const QString& f : fields)
        def.fields.removeAt(def.fieldIndex(f));
    return def;
}

inline engine::TableDef withSize(engine::TableDef def, const QString& field, int size) {
    def.fields[def.fieldIndex(field)].size = size;
    return def;
}

inline engine::TableDef withoutIndex(engine::TableDef def, const QString& index) {
    def.indexes.removeAt(def.indexIndex(index));
    return def;
}

class CompanyTest : public ::testing::Test {
  protected:
    QString path() const { return dir_->filePath(data::kCompanyDatabaseFile); }
    // Starts again in an empty folder (for tables of cases within one test).
    void newFolder() { dir_ = std::make_unique<QTemporaryDir>(); }

    // Creates every company table; those given here first, in their (older) layouts.
    void createCompany(const QList<engine::TableDef>& oldLayouts = {}) {
        engine::Database db(path());
        for (const engine::TableDef& def : oldLayouts)
            db.createTable(def);
        ASSERT_TRUE(data::createMissingCompanyTables(db).isEmpty());
    }

    // Appends one record; AutoInc fields count 1, 2, 3, ... in the order records are added.
    void add(const QString& table, const QVariantMap& values) {
        engine::Database db(path());
        engine::Table t(db, table);
        t.open();
        t.append();
        for (auto it = values.begin(); it != values.end(); ++it)
            t.fieldByName(it.key()).setValue(it.value());
        t.post();
    }

    std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
};

}  // namespace companytest

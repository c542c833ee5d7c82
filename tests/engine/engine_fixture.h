#pragma once
// A fresh database in a temporary folder for each test, with a small table of people.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

#include "engine/database.h"
#include "engine/table.h"

namespace enginetest {

using engine::FieldType;

inline engine::TableDef peopleDef() {
    return {"people",
            {{"Kod", FieldType::AutoInc, 0, {}},
             {"Name", FieldType::String, 10, {}},
             {"City", FieldType::String, 20, {}},
             {"Amount", FieldType::Currency, 0, {}},
             {"Born", FieldType::DateTime, 0, {}},
             {"Active", FieldType::Boolean, 0, {}},
             {"Notes", FieldType::Memo, 0, {}}},
            {{"main", {"Kod"}, {}}, {"byname", {"Name"}, {}}, {"bycity", {"City", "Name"}, {}}}};
}

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        db_ = std::make_unique<engine::Database>(path());
    }
    QString path() const { return dir_.filePath("baza.db"); }
    engine::Database& db() { return *db_; }

    void addPerson(engine::Table& t, const QString& name, const QString& city = {},
                   double amount = 0) {
        t.append();
        t.fieldByName("Name").setString(name);
        t.fieldByName("City").setString(city);
        t.fieldByName("Amount").setFloat(amount);
        t.post();
    }

    // The Name of every record of the view, in order.
    static QStringList names(engine::Table& t) {
        QStringList out;
        for (t.first(); !t.eof(); t.next())
            out << t.fieldByName("Name").asString();
        return out;
    }

    QTemporaryDir dir_;
    std::unique_ptr<engine::Database> db_;
};

}  // namespace enginetest

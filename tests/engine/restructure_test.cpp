#include "engine/error.h"
#include "engine_fixture.h"

using engine::Error;
using engine::FieldDef;
using engine::Table;
using namespace enginetest;

using RestructureTest = EngineTest;

TEST_F(RestructureTest, KeepsRecordsMapsValuesAndCutsResizedTexts) {
    // An older layout: City was wider and Active did not exist.
    engine::TableDef old{"people",
                         {{"Kod", FieldType::AutoInc, 0, {}},
                          {"Name", FieldType::String, 10, {}},
                          {"City", FieldType::String, 30, {}},
                          {"Amount", FieldType::Currency, 0, {}}},
                         {{"main", {"Kod"}, {}}, {"byname", {"Name"}, {}}}};
    db().createTable(old);
    {
        Table t(db(), "people");
        t.open();
        for (int i = 1; i <= 4; ++i)
            addPerson(t, QStringLiteral("n%1").arg(i),
                      QStringLiteral("Konstantynów Łódzki %1").arg(i), i / 3.0);
        t.last();
        t.deleteRecord();  // identity 4 is given out and gone
    }

    engine::TableDef next = old;
    next.fields[2].size = 12;
    next.fields.append({"Active", FieldType::Boolean, 0, {}});
    next.fields.append({"Renamed", FieldType::Currency, 0, {}});
    next.indexes.append({"byactive", {"Active", "Name"}, {}});
    db().restructure("people", next, {"Kod=Kod", "Name=Name", "City", "Renamed=Amount"});

    EXPECT_EQ(db().tableDef("people").fields.size(), 6);
    Table t(db(), "people");
    t.setIndexName("byactive");
    t.open();
    EXPECT_EQ(t.recordCount(), 3);
    t.first();
    EXPECT_EQ(t.fieldByName("Kod").asInteger(), 1);
    EXPECT_EQ(t.fieldByName("City").asString(), u"Konstantynów"_qs);
    EXPECT_EQ(t.fieldByName("Renamed").asCurrency().units(), 3333);
    EXPECT_TRUE(t.fieldByName("Amount").isNull());   // unmapped: starts empty
    EXPECT_FALSE(t.fieldByName("Active").isNull());  // key fields hold their empty value
    EXPECT_TRUE(t.findKey({false, "n3"}));

    addPerson(t, "n5");
    EXPECT_EQ(t.fieldByName("Kod").asInteger(), 5);
}

TEST_F(RestructureTest, BadMapsChangeNothing) {
    db().createTable(peopleDef());
    {
        Table t(db(), "people");
        t.open();
        addPerson(t, "a");
    }
    EXPECT_THROW(db().restructure("people", peopleDef(), {"Nosuch=Name"}), Error);
    EXPECT_THROW(db().restructure("people", peopleDef(), {"Name=Nosuch"}), Error);
    Table t(db(), "people");
    t.open();
    EXPECT_EQ(t.fieldByName("Name").asString(), "a");
}

TEST_F(RestructureTest, AddIndexFillsKeyFieldsAndOrdersByThem) {
    db().createTable({"docs",
                      {{"Kod", FieldType::AutoInc, 0, {}}, {"Buyer", FieldType::Int32, 0, {}}},
                      {{"main", {"Kod"}, {}}}});
    {
        Table t(db(), "docs");
        t.open();
        for (int buyer : {3, 0, 1}) {
            t.append();
            if (buyer)
                t.fieldByName("Buyer").setInteger(buyer);
            t.post();
        }
        EXPECT_THROW(db().addIndex("docs", {"fnab", {"Buyer", "Kod"}, {}}), Error);  // open here
    }
    db().addIndex("docs", {"fnab", {"Buyer", "Kod"}, {}});
    Table t(db(), "docs");
    t.setIndexName("fnab");
    t.open();
    QList<int64_t> kods;
    for (t.first(); !t.eof(); t.next())
        kods << t.fieldByName("Kod").asInteger();
    EXPECT_EQ(kods, QList<int64_t>({2, 3, 1}));
}

#include <QDate>

#include "engine/datetime.h"
#include "engine/error.h"
#include "engine_fixture.h"

using engine::Error;
using engine::Table;
using namespace enginetest;

using TableTest = EngineTest;

TEST_F(TableTest, StoredValuesKeepTheirFieldTypesSemantics) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.open();
    t.append();
    t.fieldByName("Name").setString(u"Żółć中Kowalski"_qs);  // outside the code page
    t.fieldByName("Amount").setFloat(1.0 / 3);
    t.fieldByName("Born").setDate(QDate(2024, 2, 29));
    t.post();

    EXPECT_EQ(t.fieldByName("Name").asString(), u"Żółć?Kowal"_qs);
    EXPECT_EQ(t.fieldByName("Amount").asCurrency().units(), 3333);
    EXPECT_DOUBLE_EQ(t.fieldByName("Amount").asFloat(), 0.3333);
    EXPECT_EQ(t.fieldByName("Born").asDate(), QDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(t.fieldByName("Born").asDateTime(), 45351.0);
    // Never written: no value, read as empty.
    EXPECT_TRUE(t.fieldByName("Active").isNull());
    EXPECT_FALSE(t.fieldByName("Active").asBoolean());
    EXPECT_EQ(t.fieldByName("Notes").asString(), QString());

    t.edit();
    t.fieldByName("Amount").setFloat(2.0 / 3);
    t.post();
    EXPECT_EQ(t.fieldByName("Amount").asCurrency().units(), 6667);
}

TEST_F(TableTest, IntegerFieldsWrapToTheirWidth) {
    db().createTable({"nums",
                      {{"B", FieldType::Byte, 0, {}},
                       {"I8", FieldType::Int8, 0, {}},
                       {"W16", FieldType::Word16, 0, {}},
                       {"S", FieldType::Single, 0, {}}},
                      {}});
    Table t(db(), "nums");
    t.open();
    t.append();
    t.fieldByName("B").setInteger(300);
    t.fieldByName("I8").setInteger(200);
    t.fieldByName("W16").setInteger(-1);
    t.fieldByName("S").setFloat(0.1);
    t.post();
    EXPECT_EQ(t.fieldByName("B").asInteger(), 44);
    EXPECT_EQ(t.fieldByName("I8").asInteger(), -56);
    EXPECT_EQ(t.fieldByName("W16").asInteger(), 65535);
    EXPECT_DOUBLE_EQ(t.fieldByName("S").asFloat(), static_cast<double>(0.1f));
}

TEST_F(TableTest, AutoIncIsNeverReusedAfterDeletes) {
    db().createTable(peopleDef());
    {
        Table t(db(), "people");
        t.setIndexName("main");
        t.open();
        for (const char* n : {"a", "b", "c"})
            addPerson(t, n);
        t.last();
        EXPECT_EQ(t.fieldByName("Kod").asInteger(), 3);
        t.deleteRecord();  // the newest
        t.first();
        t.deleteRecord();
        addPerson(t, "d");
        EXPECT_EQ(t.fieldByName("Kod").asInteger(), 4);
        EXPECT_THROW(t.fieldByName("Kod").setInteger(9), Error);  // not even in Browse
    }
    // Also after the database is opened anew.
    db_.reset();
    db_ = std::make_unique<engine::Database>(path());
    Table t(db(), "people");
    t.open();
    t.last();
    t.deleteRecord();
    addPerson(t, "e");
    EXPECT_EQ(t.fieldByName("Kod").asInteger(), 5);
}

TEST_F(TableTest, PolishOrderIgnoresCaseAndKeepsInsertionOrderOfEqualKeys) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.setIndexName("BYNAME");  // index names are compared without case
    t.open();
    for (const char* n : {"dom", "ćma", "Czapka", "cebula", "łan", "lis", "Ćma", "zebra", "źrebię",
                          "żaba", "Ala", "ąb"})
        addPerson(t, QString::fromUtf8(n));
    EXPECT_EQ(names(t), QStringList({"Ala", u"ąb"_qs, "cebula", "Czapka", u"ćma"_qs, u"Ćma"_qs,
                                     "dom", "lis", u"łan"_qs, "zebra", u"źrebię"_qs, u"żaba"_qs}));
    // Keys differing only in case are equal.
    ASSERT_TRUE(t.findKey({u"ĆMA"_qs}));
    EXPECT_EQ(t.fieldByName("Name").asString(), u"ćma"_qs);
}

TEST_F(TableTest, NavigationFlagsFollowDataSetRules) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.setIndexName("byname");
    t.open();
    EXPECT_TRUE(t.bof() && t.eof() && t.isEmpty());
    t.next();
    EXPECT_TRUE(t.eof());

    for (const char* n : {"a", "b", "c"})
        addPerson(t, n);
    t.first();
    EXPECT_TRUE(t.bof());
    EXPECT_FALSE(t.eof());
    t.prior();
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.fieldByName("Name").asString(), "a");
    t.last();
    EXPECT_TRUE(t.eof());
    t.next();
    EXPECT_EQ(t.fieldByName("Name").asString(), "c");
    EXPECT_EQ(t.moveBy(-5), -2);
    EXPECT_EQ(t.fieldByName("Name").asString(), "a");
    EXPECT_EQ(t.moveBy(1), 1);
    EXPECT_EQ(t.fieldByName("Name").asString(), "b");
    EXPECT_EQ(t.recordCount(), 3);
    // Neighbours are told without moving, also where the flags cannot tell (back on the first).
    t.prior();
    EXPECT_FALSE(t.bof());
    EXPECT_FALSE(t.hasNeighbour(false));
    EXPECT_TRUE(t.hasNeighbour(true));
    EXPECT_EQ(t.fieldByName("Name").asString(), "a");
}

TEST_F(TableTest, LongScansAndJumpsSeeEveryRecordOnce) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.setIndexName("bycity");
    t.open();
    db().startTransaction();
    for (int i = 0; i < 2000; ++i)
        addPerson(t, QString::number(i % 97).rightJustified(3, QLatin1Char('0')),
                  QStringLiteral("C%1").arg(i % 7));
    db().commit();

    int n = 0;
    QString prevKey;
    for (t.first(); !t.eof(); t.next()) {
        const QString key =
            t.fieldByName("City").asString() + "|" + t.fieldByName("Name").asString();
        EXPECT_LE(prevKey, key);
        prevKey = key;
        ++n;
    }
    EXPECT_EQ(n, 2000);
    int back = 0;
    for (t.last(); !t.bof(); t.prior())
        ++back;
    EXPECT_EQ(back, 2000);
    t.first();
    EXPECT_EQ(t.moveBy(1500), 1500);
    const auto mark = t.bookmark();
    t.first();
    EXPECT_EQ(t.moveBy(750), 750);
    EXPECT_EQ(t.moveBy(750), 750);
    EXPECT_EQ(t.bookmark().rid, mark.rid);
}

TEST_F(TableTest, RangesOnPartialKeysWithCountAndSum) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.setIndexName("bycity");
    t.open();
    addPerson(t, "x", "Kraków", 10.10);
    addPerson(t, "y", "Łódź", 0.3333);
    addPerson(t, "a", "Łódź", 0.3334);
    addPerson(t, "z", "Warszawa", 5);

    t.setRange({u"łódź"_qs}, {u"ŁÓDŹ"_qs});
    EXPECT_EQ(names(t), QStringList({"a", "y"}));
    EXPECT_EQ(t.count(), 2);
    EXPECT_EQ(t.sumCurrency("Amount").units(), 6667);

    t.setRange({u"Kraków"_qs}, {u"Łódź"_qs, "b"});
    EXPECT_EQ(names(t), QStringList({"x", "a"}));

    t.findNearest({"M"});
    EXPECT_EQ(t.fieldByName("Name").asString(), "a");  // past the end of the range: last record

    t.cancelRange();
    EXPECT_EQ(t.count(), 4);
    EXPECT_DOUBLE_EQ(t.sum("Amount"), 15.7667);
    t.findNearest({"M"});
    EXPECT_EQ(t.fieldByName("City").asString(), "Warszawa");
    EXPECT_FALSE(t.findKey({"Poznań"}));
    EXPECT_EQ(t.fieldByName("City").asString(), "Warszawa");  // a failed search does not move
}

TEST_F(TableTest, FiltersAsRegistersBuildThem) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.setIndexName("byname");
    t.open();
    addPerson(t, "Kowalski", "Kraków", 12);
    addPerson(t, "Nowak", "Gdańsk", 3);
    addPerson(t, "O'Brien", "Kraków", 7);
    addPerson(t, "kowal", "Łódź", 0);
    t.setFilterCaseInsensitive(true);

    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"(Name='*kowal*')", {"kowal", "Kowalski"}},
        {"(Name='kow*')", {"kowal", "Kowalski"}},
        {"(Name='*o''b*')", {"O'Brien"}},
        {"(City='*KRAK*') and not (Name='*ski')", {"O'Brien"}},
        {"(City='Łódź') or (Amount > 10)", {"kowal", "Kowalski"}},
        {"not ((Name='*o*') or (City='*a*'))", {}},
        {"(Amount >= 3) and (Amount <= 7)", {"Nowak", "O'Brien"}},
        {"Amount = 12", {"Kowalski"}},
        {"(Name <> '*a*')", {"O'Brien"}},
        {"(Active = False)", {"kowal", "Kowalski", "Nowak", "O'Brien"}},
    };
    for (const Case& c : cases) {
        t.setFilter(c.filter);
        t.setFiltered(true);
        EXPECT_EQ(names(t), c.expected) << c.filter;
        EXPECT_EQ(t.recordCount(), c.expected.size()) << c.filter;
    }
    t.setFiltered(false);
    EXPECT_EQ(t.recordCount(), 4);

    t.setFilterCaseInsensitive(false);
    t.setFilter("(Name='kow*')");
    t.setFiltered(true);
    EXPECT_EQ(names(t), QStringList({"kowal"}));

    for (const char* bad :
         {"(Name='x'", "Name = ", "Nosuch = 1", "Amount = 'abc'", "(Name='x') xor"})
        EXPECT_THROW(t.setFilter(bad), Error) << bad;
}

TEST_F(TableTest, MasterDetailFollowsTheMaster) {
    db().createTable({"docs", {{"Kod", FieldType::AutoInc, 0, {}}}, {{"main", {"Kod"}, {}}}});
    db().createTable({"lines",
                      {{"Kod", FieldType::Int32, 0, {}}, {"Lp", FieldType::Int16, 0, {}}},
                      {{"main", {"Kod", "Lp"}, {}}}});
    Table docs(db(), "docs"), lines(db(), "lines");
    docs.setIndexName("main");
    lines.setIndexName("main");
    docs.open();
    lines.open();
    for (int d = 1; d <= 2; ++d) {
        docs.append();
        docs.post();
    }
    for (auto [kod, lp] : {std::pair{1, 2}, {2, 1}, {1, 1}}) {
        lines.append();
        lines.fieldByName("Kod").setInteger(kod);
        lines.fieldByName("Lp").setInteger(lp);
        lines.post();
    }
    lines.setMasterSource(&docs, {"Kod"});
    int scrolls = 0;
    docs.setAfterScroll([&](Table&) { ++scrolls; });
    docs.first();
    EXPECT_EQ(lines.recordCount(), 2);
    EXPECT_EQ(lines.fieldByName("Lp").asInteger(), 1);
    docs.next();
    EXPECT_EQ(lines.recordCount(), 1);
    EXPECT_EQ(lines.fieldByName("Kod").asInteger(), 2);
    EXPECT_EQ(scrolls, 2);

    // With controls disabled the detail stays put until they are enabled again, then catches up.
    docs.disableControls();
    docs.first();
    EXPECT_EQ(lines.fieldByName("Kod").asInteger(), 2);
    docs.enableControls();
    EXPECT_EQ(lines.fieldByName("Kod").asInteger(), 1);
    EXPECT_EQ(scrolls, 3);
}

TEST_F(TableTest, CalculatedAndLookupFieldsAreRecomputedOnEveryRecord) {
    db().createTable(peopleDef());
    db().createTable({"cities",
                      {{"City", FieldType::String, 20, {}}, {"Region", FieldType::String, 20, {}}},
                      {{"main", {"City"}, {}}}});
    Table cities(db(), "cities");
    cities.open();
    cities.append();
    cities.fieldByName("City").setString("Kraków");
    cities.fieldByName("Region").setString("Małopolska");
    cities.post();

    Table t(db(), "people");
    t.setIndexName("byname");
    t.addCalculatedField("Twice", FieldType::Currency);
    t.addLookupField("Region", FieldType::String, 20, {"City"}, cities, {"City"}, "Region");
    t.setOnCalcFields([](Table& r) {
        // A computation that fails half-way must not leave the previous record's values.
        if (r.fieldByName("Name").asString() == "bad")
            throw std::runtime_error("no");
        r.fieldByName("Twice").setFloat(r.fieldByName("Amount").asFloat() * 2);
    });
    t.open();
    addPerson(t, "a", "kraków", 2.5);
    addPerson(t, "bad", "Kraków", 4);
    addPerson(t, "c", "Gdynia", 1);

    t.first();
    EXPECT_EQ(t.fieldByName("Twice").asCurrency().units(), 50000);
    EXPECT_EQ(t.fieldByName("Region").asString(), u"Małopolska"_qs);
    t.next();
    EXPECT_EQ(t.fieldByName("Twice").asCurrency().units(), 0);
    t.next();
    EXPECT_EQ(t.fieldByName("Twice").asCurrency().units(), 20000);
    EXPECT_EQ(t.fieldByName("Region").asString(), QString());
    EXPECT_THROW(t.fieldByName("Twice").setFloat(1), Error);
}

TEST_F(TableTest, EditCancelDeleteAndBookmarks) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.setIndexName("byname");
    t.open();
    for (const char* n : {"a", "b", "c"})
        addPerson(t, n);
    EXPECT_THROW(t.fieldByName("Name").setString("x"), Error);  // browsing

    t.findKey({"b"});
    const auto b = t.bookmark();
    t.edit();
    t.fieldByName("Name").setString("zz");
    t.cancel();
    EXPECT_EQ(t.fieldByName("Name").asString(), "b");

    t.append();
    t.fieldByName("Name").setString("q");
    t.cancel();
    EXPECT_EQ(t.recordCount(), 3);
    EXPECT_EQ(t.fieldByName("Name").asString(), "b");

    t.first();
    ASSERT_TRUE(t.gotoBookmark(b));
    t.deleteRecord();
    EXPECT_EQ(t.fieldByName("Name").asString(), "c");  // the next one takes its place
    t.deleteRecord();
    EXPECT_EQ(t.fieldByName("Name").asString(), "a");  // none after it: the one before
    EXPECT_FALSE(t.gotoBookmark(b));
    t.deleteRecord();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_THROW(t.edit(), Error);
}

TEST_F(TableTest, DeclaredFieldsMustMatchTheStoredTable) {
    db().createTable(peopleDef());
    Table ok(db(), "people");
    ok.setDeclaredFields(
        {{"Name", FieldType::String, 10, {}}, {"Amount", FieldType::Currency, 0, {}}});
    EXPECT_NO_THROW(ok.open());

    for (const engine::FieldDef& f : {engine::FieldDef{"Name", FieldType::String, 12, {}},
                                      engine::FieldDef{"Amount", FieldType::Int32, 0, {}},
                                      engine::FieldDef{"Missing", FieldType::Int32, 0, {}}}) {
        Table t(db(), "people");
        t.setDeclaredFields({f});
        try {
            t.open();
            ADD_FAILURE() << f.name.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.code(), Error::Code::StructureMismatch);
        }
    }
    Table noIndex(db(), "people");
    noIndex.setIndexName("fnab");
    EXPECT_THROW(noIndex.open(), Error);
    Table noTable(db(), "nothere");
    EXPECT_THROW(noTable.open(), Error);
    EXPECT_THROW(db().createTable(peopleDef()), Error);
}

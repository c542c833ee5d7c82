#include <gtest/gtest.h>

#include <QDate>

#include "company_fixture.h"
#include "engine/currency.h"
#include "engine/error.h"
#include "shell/company/company_data.h"

using engine::Currency;
using engine::FieldType;
using engine::Table;
using shell::company::CompanyData;
using namespace companytest;

namespace {

Currency money(double value) {
    return Currency::fromDouble(value);
}

Currency currencyOf(Table& t, const QString& field) {
    return t.fieldByName(field).asCurrency();
}

QString textOf(Table& t, const QString& field) {
    return t.fieldByName(field).asString();
}

class CompanyDataTest : public CompanyTest {};

}  // namespace

// ---------------------------------------------------------------- opening and upgrades

TEST_F(CompanyDataTest, CurrentCompanyOpensWithoutRestructuringAndClosesEverything) {
    createCompany();
    add("firmy", {{"Symbol", "ABC"}, {"Odbiera", 2}, {"KrotkaNazwa", "Abc"}});
    add("fspec", {{"Kod", 1}, {"Lp", 1}, {"Mag", 3}, {"KodP", 7}});

    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    EXPECT_TRUE(company.upgradeLog().isEmpty());
    for (Table* t : company.tableObjects()) {
        // The stocktaking sheet and the spare sales cursor are opened by those who use them.
        const bool opened = t != &company.TableRemanent && t != &company.TableFakturyPomoc;
        EXPECT_EQ(t->isActive(), opened) << t->tableName().toStdString();
    }
    EXPECT_EQ(company.TableFaktury.indexName(), "fdatan");
    EXPECT_EQ(company.TableFSpec.indexFields(), QStringList({"Kod", "Lp"}));
    EXPECT_EQ(company.TablePlSpecK.indexFields().first(), "KodPlat");
    EXPECT_EQ(company.TableTowaryBis.indexName(), "");

    ASSERT_TRUE(company.TableFSpecBis.findKey({1, 1}));
    EXPECT_EQ(company.TableFSpecBis.fieldByName("KodP").asInteger(), 7);
    EXPECT_EQ(company.TableFSpecBis.fieldByName("Mag").asInteger(), 3);
    EXPECT_EQ(company.database().tableDef("firmy").fields, layoutOf("firmy").fields);

    company.closeCompanyTables();
    for (Table* t : company.tableObjects())
        EXPECT_FALSE(t->isActive()) << t->tableName().toStdString();
    // Closed objects leave the tables free for exclusive work.
    EXPECT_NO_THROW(company.database().restructure("faktury", layoutOf("faktury"), {"Kod"}));
}

TEST_F(CompanyDataTest, OldCounterpartiesGetBothStepsAndKeepTheirValues) {
    // Without Odbiera and KrotkaNazwa, and with the old shorter name.
    createCompany(
        {withSize(withoutFields(layoutOf("firmy"), {"Odbiera", "KrotkaNazwa"}), "Nazwa", 120)});
    add("firmy", {{"Symbol", "ABC"}, {"Nazwa", "Stara nazwa"}});
    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    EXPECT_EQ(company.upgradeLog(), QStringList({"firmy 1", "firmy 2"}));
    EXPECT_EQ(company.database().tableDef("firmy").fields, layoutOf("firmy").fields);
    EXPECT_EQ(textOf(company.TableFirmy, "Symbol"), "ABC");
    EXPECT_EQ(textOf(company.TableFirmy, "Nazwa"), "Stara nazwa");
}

TEST_F(CompanyDataTest, CounterpartiesWithOdbieraKeepItThroughBothSteps) {
    createCompany({withoutFields(layoutOf("firmy"), {"KrotkaNazwa"})});
    add("firmy", {{"Symbol", "ABC"}, {"Odb", 1}, {"Last", true}, {"Odbiera", 1}});
    add("firmy", {{"Symbol", "XYZ"}, {"Odb", 1}, {"Last", true}, {"Odbiera", 0}});
    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    EXPECT_EQ(company.upgradeLog(), QStringList({"firmy 1", "firmy 2"}));
    Table& firmy = company.TableFirmy;
    EXPECT_EQ(textOf(firmy, "Symbol"), "ABC");
    EXPECT_EQ(firmy.fieldByName("Odbiera").asInteger(), 1);
    EXPECT_TRUE(firmy.fieldByName("DisplayOdbiera").asBoolean());
    firmy.next();
    EXPECT_EQ(textOf(firmy, "Symbol"), "XYZ");
    EXPECT_FALSE(firmy.fieldByName("DisplayOdbiera").asBoolean());
}

TEST_F(CompanyDataTest, OldGoodsTablesAreWidenedAndCompleted) {
    struct Case {
        const char* name;
        QStringList missing;
        QStringList expectedLog;
    };
    const Case cases[]{
        {"before returnable packaging",
         {"OpakowanieZwrotne", "NIPUE", "Info1", "Info2"},
         {"towary 1", "towary 2"}},
        {"only returnable packaging missing", {"OpakowanieZwrotne"}, {"towary 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        newFolder();
        createCompany({withSize(
            withSize(withoutFields(layoutOf("towary"), c.missing), "Symbol", 20), "SWWKU", 12)});
        add("towary", {{"Symbol", "STARY-SYMBOL-20-ZNAKOW"}, {"Last", true}});
        CompanyData company(path());
        ASSERT_TRUE(company.openCompanyTables());
        EXPECT_EQ(company.upgradeLog(), c.expectedLog);
        const engine::TableDef def = company.database().tableDef("towary");
        EXPECT_EQ(def.fields[def.fieldIndex("Symbol")].size, 25);
        EXPECT_EQ(def.fields[def.fieldIndex("SWWKU")].size, 20);
        EXPECT_EQ(textOf(company.TableTowary, "Symbol"), "STARY-SYMBOL-20-ZNAK");

        ASSERT_TRUE(company.writer().beginWrite(false));
        company.TableTowaryBis.append();
        company.TableTowaryBis.fieldByName("Symbol").setString("SYMBOL-NA-DWADZIESCIA-PIE");
        company.TableTowaryBis.fieldByName("Last").setBoolean(true);
        company.TableTowaryBis.post();
        company.writer().commitWrite();
        company.TableTowary.last();
        EXPECT_EQ(textOf(company.TableTowary, "Symbol"), "SYMBOL-NA-DWADZIESCIA-PIE");
    }
}

TEST_F(CompanyDataTest, OldSalesDocumentsGetTheirFieldsAndTheBuyerIndex) {
    createCompany(
        {withoutIndex(withoutFields(layoutOf("faktury"), {"Magazyn", "WZ", "Uwagi"}), "fnab")});
    add("faktury", {{"RodzajDok", "F"}, {"Numer", "1/2013"}, {"Miasto", "T"}, {"Nabywca", 9}});
    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    EXPECT_EQ(company.upgradeLog(), QStringList({"faktury 1", "faktury 2", "faktury fnab"}));
    Table& faktury = company.TableFaktury;
    EXPECT_TRUE(faktury.isActive());
    EXPECT_EQ(faktury.indexName(), "fdatan");
    EXPECT_EQ(textOf(faktury, "Miasto"), "T");
    EXPECT_EQ(textOf(faktury, "DispNumer"), "F 1/2013");
    faktury.setIndexName("fnab");
    EXPECT_TRUE(faktury.findKey({9}));
}

TEST_F(CompanyDataTest, SalesLinesRebuildKeepsTheWarehouseNumber) {
    struct Case {
        const char* name;
        QStringList missing;
        qint64 magAfter;
    };
    const Case cases[]{
        {"with Mag, without KodP", {"KodP"}, 4},
        {"without Mag and KodP", {"Mag", "KodP"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        newFolder();
        createCompany({withoutFields(layoutOf("fspec"), c.missing)});
        QVariantMap line{{"Kod", 5}, {"Lp", 1}, {"Ilosc", 2.5}, {"Brutto", "N"}};
        if (!c.missing.contains("Mag"))
            line.insert("Mag", 4);
        add("fspec", line);
        CompanyData company(path());
        ASSERT_TRUE(company.openCompanyTables());
        EXPECT_EQ(company.upgradeLog(), QStringList({"fspec 1", "fspec 2"}));
        EXPECT_EQ(company.database().tableDef("fspec").fields, layoutOf("fspec").fields);
        ASSERT_TRUE(company.TableFSpecBis.findKey({5, 1}));
        EXPECT_EQ(company.TableFSpecBis.fieldByName("Mag").asInteger(), c.magAfter);
        EXPECT_EQ(currencyOf(company.TableFSpecBis, "Ilosc"), money(2.5));
        EXPECT_EQ(company.TableFSpecBis.fieldByName("KodP").asInteger(), 0);
    }
}

TEST_F(CompanyDataTest, TransfersAndWarehouseDocumentsAreUpgraded) {
    createCompany({withSize(withoutFields(layoutOf("przelewy"), {"KodPodatnika", "NumerPodatnika"}),
                            "Tytul", 60),
                   withoutFields(layoutOf("magazynowe"), {"Opis"})});
    add("przelewy", {{"Tytul", "Zapłata za fakturę"}});
    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    EXPECT_EQ(company.upgradeLog(), QStringList({"magazynowe 1", "przelewy 1", "przelewy 2"}));
    EXPECT_EQ(textOf(company.TablePrzelewy, "Tytul"), "Zapłata za fakturę");
}

TEST_F(CompanyDataTest, AFailedOpeningLeavesNothingOpen) {
    // An old table that another program holds open cannot be restructured.
    createCompany({withoutFields(layoutOf("firmy"), {"KrotkaNazwa"})});
    {
        engine::Database other(path());
        Table firmy(other, "firmy");
        firmy.open();
        CompanyData company(path());
        EXPECT_FALSE(company.openCompanyTables());
        for (Table* t : company.tableObjects())
            EXPECT_FALSE(t->isActive()) << t->tableName().toStdString();
    }
    CompanyData company(path());
    EXPECT_TRUE(company.openCompanyTables());

    // A missing table fails the opening too, after the objects before it had opened.
    newFolder();
    {
        engine::Database db(path());
        for (const engine::TableDef& def : data::companyTables())
            if (def.name != "plspec")
                db.createTable(def);
    }
    CompanyData incomplete(path());
    EXPECT_FALSE(incomplete.openCompanyTables());
    EXPECT_FALSE(incomplete.TableOpcje.isActive());
    EXPECT_FALSE(incomplete.TableKasa.isActive());
}

// ---------------------------------------------------------------- calculated fields

TEST_F(CompanyDataTest, SalesListShowsNumbersTitlesAndBalances) {
    createCompany();
    add("firmy", {{"Symbol", "NABYWCA"}});
    add("faktury", {{"RodzajDok", "F"},
                    {"Numer", "9/2012"},
                    {"DataWyst", QDate(2012, 12, 31)},
                    {"Brutto", -100.0},
                    {"Zaplacono", 30.0},
                    {"Zaplacona", "NIE"},
                    {"NabywcaKod", 1}});
    add("faktury", {{"RodzajDok", "F"},
                    {"Numer", "1/2013"},
                    {"DataWyst", QDate(2013, 1, 2)},
                    {"Brutto", 100.0},
                    {"Zaplacono", 30.0},
                    {"Magazyn", -1}});
    add("faktury", {{"RodzajDok", "Z"},
                    {"Numer", "2/2013"},
                    {"DataWyst", QDate(2013, 1, 3)},
                    {"Zaplacona", "NIE"}});

    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    Table& f = company.TableFaktury;
    f.first();
    EXPECT_EQ(textOf(f, "FullNumer"), "Faktura VAT 9/2012");
    EXPECT_EQ(textOf(f, "DispNumer"), "F 9/2012");
    EXPECT_EQ(currencyOf(f, "Pozostaje"), money(70));
    EXPECT_EQ(currencyOf(f, "DisplayZaplacono"), money(-30));
    EXPECT_EQ(textOf(f, "DisplayZaplacona"), "NIE");
    EXPECT_EQ(textOf(f, "DaneNabywcy"), "NABYWCA");
    f.next();
    EXPECT_EQ(textOf(f, "FullNumer"), "Faktura 1/2013");
    EXPECT_EQ(textOf(f, "DispNumer"), "*F 1/2013");
    EXPECT_EQ(currencyOf(f, "Pozostaje"), money(70));
    EXPECT_EQ(currencyOf(f, "DisplayZaplacono"), money(30));
    EXPECT_EQ(textOf(f, "DaneNabywcy"), "");
    f.next();
    EXPECT_EQ(textOf(f, "FullNumer"), "Zamówienie 2/2013");
    EXPECT_EQ(textOf(f, "DisplayZaplacona"), "---");

    Table& look = company.TableFakturyLook;
    ASSERT_TRUE(look.findKey({2}));
    EXPECT_EQ(textOf(look, "FullNumer"), "Faktura VAT 1/2013");
    EXPECT_EQ(textOf(look, "DispNumer"), "F 1/2013");
}

TEST_F(CompanyDataTest, GoodsShowPricesAndStockOfTheFirstWarehouse) {
    createCompany();
    add("marze", {{"Nazwa", "M25"}, {"Wartosc", "25%"}});
    add("marze", {{"Nazwa", "ZLA"}, {"Wartosc", "x%"}});
    add("stawki", {{"Stawka", "23"}, {"Wartosc", "23%"}});
    add("grupy", {{"Nazwa", "Narzędzia"}});
    auto goods = [&](const QString& symbol, int numer, int margin) {
        add("towary", {{"Symbol", symbol},
                       {"Numer", numer},
                       {"Last", true},
                       {"CenaZakupu", 10.0},
                       {"CenaSprzedA", 99.0},
                       {"CenaSprzedB", 11.11},
                       {"MarzaA", margin},
                       {"StawkaVAT", 1},
                       {"Grupa", 1},
                       {"Stan", 1000.0}});
    };
    goods("A", 1, 1);   // no stock record at all
    goods("AB", 2, 2);  // its margin does not read: nothing can be shown
    goods("B", 3, 0);
    goods("C", 4, 0);
    add("stany", {{"Magazyn", 1}, {"Numer", 2}, {"Stan", 5.0}, {"NaZamowieniach", 1.0}});
    add("stany", {{"Magazyn", 1}, {"Numer", 3}, {"Stan", 5.0}, {"NaZamowieniach", 7.0}});
    add("stany", {{"Magazyn", 2}, {"Numer", 4}, {"Stan", 50.0}});
    add("stany", {{"Magazyn", 1}, {"Numer", 4}, {"Stan", 9.0}, {"NaZamowieniach", 4.0}});

    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    Table& t = company.TableTowary;
    t.first();
    EXPECT_EQ(textOf(t, "Symbol"), "A");
    EXPECT_EQ(textOf(t, "DisplayMarzaA"), "M25");
    EXPECT_EQ(textOf(t, "DisplayMarzaB"), "");
    EXPECT_EQ(textOf(t, "DisplayVAT"), "23%");
    EXPECT_EQ(textOf(t, "DisplayGrupa"), "Narzędzia");
    EXPECT_EQ(currencyOf(t, "CenaSprzedMA"), money(12.50));
    EXPECT_EQ(currencyOf(t, "CenaSprzedMB"), money(11.11));
    EXPECT_EQ(currencyOf(t, "CenaBruttoA"), money(15.38));
    EXPECT_EQ(currencyOf(t, "CenaZakBrut"), money(12.30));
    EXPECT_EQ(currencyOf(t, "Stan"), Currency());
    EXPECT_EQ(currencyOf(t, "NaZamowieniach"), Currency());
    EXPECT_EQ(currencyOf(t, "DostepC"), Currency());

    // Read right after a record whose fields were all filled.
    t.next();
    EXPECT_EQ(textOf(t, "Symbol"), "AB");
    for (const char* field : {"DisplayMarzaA", "DisplayVAT", "DisplayGrupa"})
        EXPECT_EQ(textOf(t, field), "") << field;
    for (const char* field : {"CenaSprzedMA", "CenaBruttoA", "CenaZakBrut", "Stan", "DostepC"})
        EXPECT_EQ(currencyOf(t, field), Currency()) << field;

    t.next();
    EXPECT_EQ(textOf(t, "Symbol"), "B");
    EXPECT_EQ(currencyOf(t, "CenaSprzedMA"), money(99));
    EXPECT_EQ(currencyOf(t, "Stan"), money(5));
    EXPECT_EQ(currencyOf(t, "NaZamowieniach"), money(7));
    EXPECT_EQ(currencyOf(t, "DostepC"), Currency());
    t.next();
    EXPECT_EQ(currencyOf(t, "Stan"), money(9));
    EXPECT_EQ(currencyOf(t, "DostepC"), money(5));
}

TEST_F(CompanyDataTest, PaymentLinesNameTheirDocuments) {
    createCompany();
    add("faktury", {{"RodzajDok", "F"},
                    {"Numer", "1/2013"},
                    {"DataWyst", QDate(2013, 1, 2)},
                    {"DataPlat", QDate(2013, 1, 16)}});
    add("zakupy", {{"NumerDokumentu", "FV/77/2013"},
                   {"DataWyst", QDate(2013, 2, 1)},
                   {"DataPlat", QDate(2013, 2, 15)}});
    add("kasabank", {{"Kasa", 1}, {"Rodzaj", "KP"}, {"Numer", "5/2013"}});
    add("kasabank", {{"Kasa", 1}, {"Rodzaj", "KW"}, {"Numer", "6/2013"}, {"Data", 1.0}});
    add("przelewy", {{"Tytul", "Zapłata"}});
    add("plspec", {{"KodFaktury", 1}, {"KodPlat", 1}, {"Data", 1.0}});
    add("plspec", {{"KodFaktury", 1000000001}, {"KodPlat", 1}, {"Data", 2.0}});
    add("plspec", {{"KodFaktury", 1000000001}, {"KodPlat", 2}, {"Data", 3.0}});
    add("plspec", {{"KodFaktury", 1000000001}, {"KodPlat", 1000000001}, {"Data", 4.0}});
    add("plspec", {{"KodFaktury", 55}, {"KodPlat", 1}, {"Data", 5.0}});

    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());

    // Documents paid by the first cash entry.
    Table& k = company.TablePlSpecK;
    ASSERT_EQ(textOf(company.TableKasa, "DispNumer"), "KP 5/2013");
    k.first();
    EXPECT_EQ(textOf(k, "Dokument"), "Faktura VAT 1/2013");
    EXPECT_EQ(k.fieldByName("DataDok").asDate(), QDate(2013, 1, 2));
    EXPECT_EQ(k.fieldByName("DataPlatDok").asDate(), QDate(2013, 1, 16));
    k.next();
    EXPECT_EQ(textOf(k, "Dokument"), "FV/77/2013");
    EXPECT_EQ(k.fieldByName("DataPlatDok").asDate(), QDate(2013, 2, 15));
    k.next();
    EXPECT_EQ(textOf(k, "Dokument"), "");  // a document that no longer exists
    EXPECT_TRUE(k.fieldByName("DataDok").isNull() || k.fieldByName("DataDok").asFloat() == 0);

    // Payments of the purchase.
    Table& z = company.TablePlSpecZ;
    z.setRange({1000000001}, {1000000001});
    QStringList shown;
    for (z.first(); !z.eof(); z.next())
        shown << textOf(z, "DisplayDokument");
    EXPECT_EQ(shown, QStringList({"KP 5/2013", "KW 6/2013", "Przelew"}));

    // The sales document's payments name the cash entry by its lookup fields.
    company.TableFaktury.first();
    EXPECT_EQ(textOf(company.TablePlSpec, "DisplayDokument"), "KP 5/2013");
}

TEST_F(CompanyDataTest, DocumentsOfGoodsAndWarehouseTitles) {
    createCompany();
    add("towary", {{"Symbol", "A"}, {"Numer", 1}, {"Last", true}});
    add("faktury", {{"RodzajDok", "F"}, {"Numer", "1/2013"}, {"Magazyn", -1}});
    add("magazynowe", {{"RodzajDok", "PW"},
                       {"Numer", "3/2013"},
                       {"Sprzedaz", 0},
                       {"Magazyn", false},
                       {"DataWyst", 1.0}});
    add("towspec", {{"NumerTowaru", 1}, {"KodFaktury", 1}, {"DataWyst", 1.0}});
    add("towspec", {{"NumerTowaru", 1}, {"KodFaktury", 400000001}, {"DataWyst", 2.0}});

    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    Table& docs = company.TableTowSpec;
    QStringList shown;
    for (docs.first(); !docs.eof(); docs.next())
        shown << textOf(docs, "Dokument");
    EXPECT_EQ(shown, QStringList({"F 1/2013", "PW 3/2013"}));

    Table& m = company.TableMagazynowe;
    EXPECT_EQ(textOf(m, "DispNumer"), "*PW 3/2013");
    EXPECT_EQ(textOf(m, "FullNumer"), "Przychód wewnętrzny (PM) 3/2013");
    EXPECT_EQ(textOf(company.TableMagazynoweLook, "DispNumer"), "PW 3/2013");
}

TEST_F(CompanyDataTest, LinesCounterpartiesAndTransfersShowTheirTexts) {
    createCompany();
    add("towary", {{"Symbol", "KLUCZ"}, {"NazwaShort", "Klucz płaski"}, {"Jm", "szt"}});
    add("faktury", {{"RodzajDok", "F"}, {"Numer", "1/2013"}});
    add("fspec", {{"Kod", 1},
                  {"Lp", 1},
                  {"KodTowaru", 1},
                  {"Ilosc", 3.0},
                  {"CenaJed", 12.30},
                  {"VAT", 2300},
                  {"Brutto", "T"}});
    add("firmy", {{"Symbol", "ABC"},
                  {"Nazwa", "Hurtownia\r\nABC"},
                  {"AUlica", "Długa 1"},
                  {"AKod", "00-001"},
                  {"APoczta", "Warszawa"},
                  {"PoziomCen", 3},
                  {"OsobaPan", "Pani"},
                  {"Osoba", "Anna Nowak"},
                  {"Odb", 1},
                  {"Last", true}});
    add("przelewy", {{"Wplata", 1}, {"KodFirmy", 1}});

    CompanyData company(path());
    company.setLineDiscountText(
        [](Table& l) { return QStringLiteral("poz. %1").arg(l.fieldByName("Lp").asInteger()); });
    ASSERT_TRUE(company.openCompanyTables());
    Table& line = company.TableFSpec;
    EXPECT_EQ(textOf(line, "RabatC"), "poz. 1");
    EXPECT_EQ(textOf(line, "Symbol"), "KLUCZ");
    EXPECT_EQ(textOf(line, "Nazwa"), "Klucz płaski");
    EXPECT_EQ(textOf(line, "Jm"), "szt");
    EXPECT_EQ(currencyOf(line, "WartoscB"), money(36.90));
    EXPECT_EQ(currencyOf(line, "WartoscN"), money(30));

    Table& firmy = company.TableFirmy;
    EXPECT_EQ(textOf(firmy, "Adres1"), "Długa 1\r\n00-001 Warszawa");
    EXPECT_EQ(textOf(firmy, "CenyText"), "Ceny 2");
    EXPECT_EQ(textOf(firmy, "OsobaCalc"), "Pani Anna Nowak");
    EXPECT_EQ(textOf(company.TableFirmyLook, "NazwaC"), "Hurtownia ABC");

    EXPECT_EQ(textOf(company.TablePrzelewy, "Rodzaj"), "Wpłata gotówkowa");
    EXPECT_EQ(textOf(company.TablePrzelewy, "DaneNabywcy"), "ABC");
}

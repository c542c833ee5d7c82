#include "shell/company/company_data.h"

#include <exception>
#include <optional>

#include "data/schema.h"
#include "engine/error.h"
#include "shell/company/calculations.h"
#include "shell/company/table_upgrades.h"

namespace shell::company {
namespace {

using engine::FieldType;
using engine::Table;

QString text(Table& t, const QString& field) {
    return t.fieldByName(field).asString();
}

qint64 number(Table& t, const QString& field) {
    return t.fieldByName(field).asInteger();
}

Currency money(Table& t, const QString& field) {
    return t.fieldByName(field).asCurrency();
}

engine::DateTime dateTime(Table& t, const QString& field) {
    return t.fieldByName(field).asDateTime();
}

// The table object's default index and the field list it relies on.
void declare(Table& t, const QString& index) {
    t.setDeclaredFields(data::companyTable(t.tableName())->fields);
    t.setIndexName(index);
}

void addSymbolLookup(Table& t, const QString& name, const QString& keyField, Table& firmyLook) {
    t.addLookupField(name, FieldType::String, 25, {keyField}, firmyLook, {QStringLiteral("Kod")},
                     QStringLiteral("Symbol"));
}

void addGoodsLookups(Table& t, Table& towaryLook, const QStringList& names) {
    struct Lookup {
        QString name;
        int size;
        QString result;
    };
    const QList<Lookup> all{{QStringLiteral("Nazwa"), 40, QStringLiteral("NazwaShort")},
                            {QStringLiteral("Jm"), 5, QStringLiteral("Jm")},
                            {QStringLiteral("Symbol"), 25, QStringLiteral("Symbol")}};
    for (const QString& name : names) {
        for (const Lookup& l : all) {
            if (l.name == name)
                t.addLookupField(l.name, FieldType::String, l.size, {QStringLiteral("KodTowaru")},
                                 towaryLook, {QStringLiteral("Kod")}, l.result);
        }
    }
}

// Runs a computation for records only: an empty view has nothing to show.
template <typename F>
std::function<void(Table&)> forRecords(F compute) {
    return [compute](Table& t) {
        if (!t.isEmpty())
            compute(t);
    };
}

void calcBalance(Table& t) {
    const Balance b =
        balanceOf(money(t, QStringLiteral("Brutto")), money(t, QStringLiteral("Zaplacono")));
    t.fieldByName(QStringLiteral("Pozostaje")).setCurrency(b.remaining);
    t.fieldByName(QStringLiteral("DisplayZaplacono")).setCurrency(b.paidShown);
}

void calcWarehouseDoc(Table& t, bool lookupForm) {
    const qint64 sprzedaz = number(t, QStringLiteral("Sprzedaz"));
    const QString kind = text(t, QStringLiteral("RodzajDok"));
    const QString numer = text(t, QStringLiteral("Numer"));
    const bool approved = t.fieldByName(QStringLiteral("Magazyn")).asBoolean();
    t.fieldByName(QStringLiteral("DispNumer"))
        .setString(warehouseDispNumer(sprzedaz, kind, numer, approved, lookupForm));
    if (!lookupForm)
        t.fieldByName(QStringLiteral("FullNumer"))
            .setString(warehouseFullNumer(kind, numer, sprzedaz));
}

}  // namespace

CompanyData::CompanyData(const QString& databasePath)
    : db_(databasePath), writer_(&db_, tableObjects()) {
    configure();
}

CompanyData::~CompanyData() {
    closeCompanyTables();
}

QList<Table*> CompanyData::tableObjects() {
    return {&TableFaktury,       &TableFSpec,          &TablePlSpec,
            &TableFakturyBis,    &TableFakturyLook,    &TableFakturyPomoc,
            &TableFSpecBis,      &TableTowary,         &TableTowSpec,
            &TableTowSpecBis,    &TableTowaryBis,      &TableTowaryLook,
            &TableFirmy,         &TableFirmyBis,       &TableFirmyLook,
            &TableGrupy,         &TableGrupyBis,       &TableGrupyLook,
            &TableMarze,         &TableMarzeBis,       &TableStawki,
            &TableStawkiBis,     &TableOpcje,          &TablePrzelewy,
            &TablePrzelewyBis,   &TablePrzelewyLook,   &TablePlatnicy,
            &TablePlatnicyBis,   &TableKasa,           &TablePlSpecK,
            &TableBank,          &TablePlSpecB,        &TableKasaBankBis,
            &TableKasaBankLook,  &TableMagazynowe,     &TableMagazynoweSpec,
            &TableMagazynoweBis, &TableMagazynoweLook, &TableMagazynoweSpecBis,
            &TableStany,         &TableStanyLook,      &TablePartie,
            &TablePartieSpec,    &TableRemanent,       &TableZakupy,
            &TablePlSpecZ,       &TablePlSpecDel,      &TableZakupyBis,
            &TableZakupyLook};
}

QList<Table*> CompanyData::calculationCursors() {
    return {&stanyCalc_,      &marzeCalc_,  &stawkiCalc_,   &fakturyCalc_,
            &magazynoweCalc_, &zakupyCalc_, &przelewyCalc_, &kasaBankCalc_};
}

void CompanyData::configure() {
    const QString main = QStringLiteral("main");
    const QString none;

    // Sales documents.
    declare(TableFaktury, QStringLiteral("fdatan"));
    addSymbolLookup(TableFaktury, QStringLiteral("DaneNabywcy"), QStringLiteral("NabywcaKod"),
                    TableFirmyLook);
    addSymbolLookup(TableFaktury, QStringLiteral("DaneOdbiorcy"), QStringLiteral("OdbiorcaKod"),
                    TableFirmyLook);
    TableFaktury.addCalculatedField(QStringLiteral("DisplayZaplacona"), FieldType::String, 3);
    TableFaktury.addCalculatedField(QStringLiteral("DispNumer"), FieldType::String, 30);
    TableFaktury.addCalculatedField(QStringLiteral("FullNumer"), FieldType::String, 60);
    TableFaktury.addCalculatedField(QStringLiteral("Pozostaje"), FieldType::Currency);
    TableFaktury.addCalculatedField(QStringLiteral("DisplayZaplacono"), FieldType::Currency);
    TableFaktury.setOnCalcFields(forRecords([this](Table& t) { calcFaktury(t); }));

    declare(TableFSpec, main);
    TableFSpec.setMasterSource(&TableFaktury, {QStringLiteral("Kod")});
    declare(TablePlSpec, QStringLiteral("kodf"));
    TablePlSpec.setMasterSource(&TableFaktury, {QStringLiteral("Kod")});
    TablePlSpec.addLookupField(QStringLiteral("Dokument"), FieldType::String, 20,
                               {QStringLiteral("KodPlat")}, TableKasaBankLook,
                               {QStringLiteral("Kod")}, QStringLiteral("Numer"));
    TablePlSpec.addLookupField(QStringLiteral("RodzajDok"), FieldType::String, 2,
                               {QStringLiteral("KodPlat")}, TableKasaBankLook,
                               {QStringLiteral("Kod")}, QStringLiteral("Rodzaj"));
    TablePlSpec.addCalculatedField(QStringLiteral("DisplayDokument"), FieldType::String, 30);
    TablePlSpec.setOnCalcFields(forRecords([](Table& t) {
        t.fieldByName(QStringLiteral("DisplayDokument"))
            .setString(text(t, QStringLiteral("RodzajDok")) + u' ' +
                       text(t, QStringLiteral("Dokument")));
    }));

    declare(TableFakturyBis, main);
    declare(TableFakturyLook, main);
    TableFakturyLook.addCalculatedField(QStringLiteral("DispNumer"), FieldType::String, 30);
    TableFakturyLook.addCalculatedField(QStringLiteral("FullNumer"), FieldType::String, 60);
    TableFakturyLook.setOnCalcFields(forRecords([this](Table& t) { calcFakturyLook(t); }));
    declare(TableFakturyPomoc, main);
    declare(TableFSpecBis, main);

    // Lines of sales and warehouse documents.
    for (Table* lines : {&TableFSpec, &TableMagazynoweSpec}) {
        addGoodsLookups(*lines, TableTowaryLook,
                        {QStringLiteral("Nazwa"), QStringLiteral("Jm"), QStringLiteral("Symbol")});
        lines->addCalculatedField(QStringLiteral("WartoscN"), FieldType::Currency);
        lines->addCalculatedField(QStringLiteral("WartoscB"), FieldType::Currency);
        lines->addCalculatedField(QStringLiteral("RabatC"), FieldType::String, 20);
        lines->setOnCalcFields(forRecords([this](Table& t) { calcLines(t); }));
    }

    // Goods.
    declare(TableTowary, QStringLiteral("tsymbol"));
    TableTowary.addLookupField(QStringLiteral("DisplayGrupa"), FieldType::String, 18,
                               {QStringLiteral("Grupa")}, TableGrupyLook, {QStringLiteral("Kod")},
                               QStringLiteral("Nazwa"));
    for (const char* name : {"DisplayMarzaA", "DisplayMarzaB", "DisplayMarzaC", "DisplayVAT"})
        TableTowary.addCalculatedField(QLatin1String(name), FieldType::String, 8);
    // Stan and NaZamowieniach come from the warehouse's stock and hide the stored fields.
    for (const char* name :
         {"CenaSprzedMA", "CenaSprzedMB", "CenaSprzedMC", "CenaBruttoA", "CenaBruttoB",
          "CenaBruttoC", "CenaZakBrut", "Stan", "NaZamowieniach", "DostepC"})
        TableTowary.addCalculatedField(QLatin1String(name), FieldType::Currency);
    TableTowary.setOnCalcFields(forRecords([this](Table& t) { calcTowary(t); }));

    declare(TableTowSpec, main);
    TableTowSpec.setMasterSource(&TableTowary, {QStringLiteral("Numer")});
    addSymbolLookup(TableTowSpec, QStringLiteral("DaneKlienta"), QStringLiteral("NumerKlienta"),
                    TableFirmyLook);
    TableTowSpec.addCalculatedField(QStringLiteral("Dokument"), FieldType::String, 30);
    TableTowSpec.setOnCalcFields(forRecords([this](Table& t) { calcTowSpec(t); }));
    declare(TableTowSpecBis, QStringLiteral("faktury"));
    declare(TableTowaryBis, none);
    declare(TableTowaryLook, QStringLiteral("mainkod"));

    // Counterparties.
    declare(TableFirmy, QStringLiteral("odbsymbol"));
    TableFirmy.addCalculatedField(QStringLiteral("Adres1"), FieldType::String, 100);
    TableFirmy.addCalculatedField(QStringLiteral("Adres2"), FieldType::String, 50);
    TableFirmy.addCalculatedField(QStringLiteral("CenyText"), FieldType::String, 10);
    TableFirmy.addCalculatedField(QStringLiteral("OsobaCalc"), FieldType::String, 50);
    TableFirmy.addCalculatedField(QStringLiteral("DisplayOdbiera"), FieldType::Boolean);
    TableFirmy.setOnCalcFields(forRecords([this](Table& t) { calcFirmy(t); }));
    declare(TableFirmyBis, none);
    declare(TableFirmyLook, QStringLiteral("mainkod"));
    TableFirmyLook.addCalculatedField(QStringLiteral("NazwaC"), FieldType::String, 200);
    TableFirmyLook.setOnCalcFields(forRecords([](Table& t) {
        t.fieldByName(QStringLiteral("NazwaC"))
            .setString(nameOnOneLine(text(t, QStringLiteral("Nazwa"))));
    }));

    // Dictionaries and settings.
    declare(TableGrupy, QStringLiteral("gnazwa"));
    declare(TableGrupyBis, QStringLiteral("gnazwa"));
    declare(TableGrupyLook, main);
    declare(TableMarze, main);
    declare(TableMarzeBis, main);
    declare(TableStawki, main);
    declare(TableStawkiBis, none);
    declare(TableOpcje, main);

    // Transfers and payers.
    declare(TablePrzelewy, QStringLiteral("data"));
    addSymbolLookup(TablePrzelewy, QStringLiteral("DaneNabywcy"), QStringLiteral("KodFirmy"),
                    TableFirmyLook);
    TablePrzelewy.addCalculatedField(QStringLiteral("Rodzaj"), FieldType::String, 20);
    TablePrzelewy.setOnCalcFields(forRecords([](Table& t) {
        t.fieldByName(QStringLiteral("Rodzaj"))
            .setString(transferKindText(number(t, QStringLiteral("Wplata"))));
    }));
    declare(TablePrzelewyBis, main);
    declare(TablePrzelewyLook, main);
    declare(TablePlatnicy, QStringLiteral("mainnkod"));
    declare(TablePlatnicyBis, QStringLiteral("kod"));

    // Cash book and bank register.
    for (Table* entries : {&TableKasa, &TableBank}) {
        declare(*entries, QStringLiteral("kdata"));
        addSymbolLookup(*entries, QStringLiteral("DaneNabywcy"), QStringLiteral("KontrahentKod"),
                        TableFirmyLook);
        entries->addCalculatedField(QStringLiteral("DispNumer"), FieldType::String, 30);
    }
    TableKasa.setOnCalcFields(forRecords([](Table& t) {
        t.fieldByName(QStringLiteral("DispNumer"))
            .setString(
                cashDispNumer(text(t, QStringLiteral("Rodzaj")), text(t, QStringLiteral("Numer"))));
    }));
    TableBank.setOnCalcFields(forRecords([](Table& t) {
        t.fieldByName(QStringLiteral("DispNumer"))
            .setString(
                bankDispNumer(text(t, QStringLiteral("Rodzaj")), text(t, QStringLiteral("Numer"))));
    }));
    const std::pair<Table*, Table*> paidByEntries[]{{&TablePlSpecK, &TableKasa},
                                                    {&TablePlSpecB, &TableBank}};
    for (const auto& [paid, entries] : paidByEntries) {
        declare(*paid, QStringLiteral("kodpl"));
        paid->setMasterSource(entries, {QStringLiteral("Kod")});
        paid->addCalculatedField(QStringLiteral("Dokument"), FieldType::String, 60);
        paid->addCalculatedField(QStringLiteral("DataDok"), FieldType::DateTime);
        paid->addCalculatedField(QStringLiteral("DataPlatDok"), FieldType::DateTime);
        paid->setOnCalcFields(forRecords([this](Table& t) { calcPlSpecPaidByCashOrBank(t); }));
    }
    declare(TableKasaBankBis, QStringLiteral("kdata"));
    declare(TableKasaBankLook, main);

    // Warehouse.
    declare(TableMagazynowe, QStringLiteral("mdata"));
    addSymbolLookup(TableMagazynowe, QStringLiteral("DaneNabywcy"), QStringLiteral("KontrahentKod"),
                    TableFirmyLook);
    TableMagazynowe.addCalculatedField(QStringLiteral("DispNumer"), FieldType::String, 30);
    TableMagazynowe.addCalculatedField(QStringLiteral("FullNumer"), FieldType::String, 60);
    TableMagazynowe.setOnCalcFields(forRecords([](Table& t) { calcWarehouseDoc(t, false); }));
    declare(TableMagazynoweSpec, main);
    TableMagazynoweSpec.setMasterSource(&TableMagazynowe, {QStringLiteral("Kod")});
    declare(TableMagazynoweBis, main);
    declare(TableMagazynoweLook, main);
    TableMagazynoweLook.addCalculatedField(QStringLiteral("DispNumer"), FieldType::String, 30);
    TableMagazynoweLook.setOnCalcFields(forRecords([](Table& t) { calcWarehouseDoc(t, true); }));
    declare(TableMagazynoweSpecBis, main);
    declare(TableStany, main);
    declare(TableStanyLook, main);
    declare(TablePartie, main);
    declare(TablePartieSpec, main);
    declare(TableRemanent, main);
    addGoodsLookups(TableRemanent, TableTowaryLook,
                    {QStringLiteral("Nazwa"), QStringLiteral("Symbol"), QStringLiteral("Jm")});
    TableRemanent.addCalculatedField(QStringLiteral("Wartość"), FieldType::Currency);
    TableRemanent.setOnCalcFields(forRecords([](Table& t) {
        t.fieldByName(QStringLiteral("Wartość"))
            .setCurrency(stocktakingValue(money(t, QStringLiteral("Cena")),
                                          money(t, QStringLiteral("IloscStw"))));
    }));

    // Purchases. The purchases list chooses its index by the date it filters on.
    declare(TableZakupy, QStringLiteral("datawy"));
    addSymbolLookup(TableZakupy, QStringLiteral("DaneKontrahenta"), QStringLiteral("KontrahentKod"),
                    TableFirmyLook);
    TableZakupy.addCalculatedField(QStringLiteral("Pozostaje"), FieldType::Currency);
    TableZakupy.addCalculatedField(QStringLiteral("DisplayZaplacono"), FieldType::Currency);
    TableZakupy.setOnCalcFields(forRecords(calcBalance));
    for (Table* payments : {&TablePlSpecZ, &TablePlSpecDel}) {
        declare(*payments, QStringLiteral("kodf"));
        payments->addCalculatedField(QStringLiteral("DisplayDokument"), FieldType::String, 30);
        payments->setOnCalcFields(forRecords([this](Table& t) { calcPlSpecOfPurchase(t); }));
    }
    declare(TableZakupyBis, none);
    declare(TableZakupyLook, none);

    for (Table* t : calculationCursors())
        t->setIndexName(main);
}

// ---------------------------------------------------------------- calculated fields

void CompanyData::calcFaktury(Table& t) {
    const QString kind = text(t, QStringLiteral("RodzajDok"));
    const QString numer = text(t, QStringLiteral("Numer"));
    t.fieldByName(QStringLiteral("DisplayZaplacona"))
        .setString(salesPaidDisplay(kind, text(t, QStringLiteral("Zaplacona"))));
    t.fieldByName(QStringLiteral("DispNumer"))
        .setString(salesDispNumer(kind, numer, number(t, QStringLiteral("Magazyn"))));
    t.fieldByName(QStringLiteral("FullNumer"))
        .setString(salesFullNumer(kind, numer, dateTime(t, QStringLiteral("DataWyst"))));
    calcBalance(t);
}

void CompanyData::calcFakturyLook(Table& t) {
    const QString kind = text(t, QStringLiteral("RodzajDok"));
    const QString numer = text(t, QStringLiteral("Numer"));
    t.fieldByName(QStringLiteral("DispNumer")).setString(salesDispNumer(kind, numer, 0, true));
    t.fieldByName(QStringLiteral("FullNumer"))
        .setString(salesFullNumer(kind, numer, dateTime(t, QStringLiteral("DataWyst")), true));
}

void CompanyData::calcLines(Table& t) {
    const LineValues v =
        lineValues(money(t, QStringLiteral("Ilosc")), money(t, QStringLiteral("CenaJed")),
                   number(t, QStringLiteral("VAT")), text(t, QStringLiteral("Brutto")));
    t.fieldByName(QStringLiteral("WartoscN")).setCurrency(v.net);
    t.fieldByName(QStringLiteral("WartoscB")).setCurrency(v.gross);
    if (lineDiscountText_)
        t.fieldByName(QStringLiteral("RabatC")).setString(lineDiscountText_(t));
}

void CompanyData::calcTowary(Table& t) {
    static const QString levels[3]{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    GoodsPriceInput in;
    in.purchasePrice = money(t, QStringLiteral("CenaZakupu"));
    QString marginNames[3];
    for (size_t i = 0; i < 3; ++i) {
        in.storedNetPrices[i] = money(t, QStringLiteral("CenaSprzed") + levels[i]);
        const qint64 margin = number(t, QStringLiteral("Marza") + levels[i]);
        if (margin == 0)
            continue;
        // A margin that no longer exists counts as 0 %.
        in.marginPercents[i] = 0.0;
        if (marzeCalc_.findKey({margin})) {
            marginNames[i] = text(marzeCalc_, QStringLiteral("Nazwa"));
            in.marginPercents[i] = percentOfText(text(marzeCalc_, QStringLiteral("Wartosc")));
        }
    }
    RateDisplay rate;
    if (stawkiCalc_.findKey({number(t, QStringLiteral("StawkaVAT"))}))
        rate = rateDisplay(text(stawkiCalc_, QStringLiteral("Stawka")),
                           text(stawkiCalc_, QStringLiteral("Wartosc")));
    in.vatPercent = rate.percent;
    const GoodsPrices prices = goodsPrices(in);

    Currency stock, reserved;
    if (stanyCalc_.findKey({1, number(t, QStringLiteral("Numer"))})) {
        stock = money(stanyCalc_, QStringLiteral("Stan"));
        reserved = money(stanyCalc_, QStringLiteral("NaZamowieniach"));
    }

    for (size_t i = 0; i < 3; ++i) {
        t.fieldByName(QStringLiteral("DisplayMarza") + levels[i]).setString(marginNames[i]);
        t.fieldByName(QStringLiteral("CenaSprzedM") + levels[i]).setCurrency(prices.netPrices[i]);
        t.fieldByName(QStringLiteral("CenaBrutto") + levels[i]).setCurrency(prices.grossPrices[i]);
    }
    t.fieldByName(QStringLiteral("DisplayVAT")).setString(rate.text);
    t.fieldByName(QStringLiteral("CenaZakBrut")).setCurrency(prices.purchaseGross);
    t.fieldByName(QStringLiteral("Stan")).setCurrency(stock);
    t.fieldByName(QStringLiteral("NaZamowieniach")).setCurrency(reserved);
    t.fieldByName(QStringLiteral("DostepC")).setCurrency(availableStock(stock, reserved));
}

void CompanyData::calcFirmy(Table& t) {
    const QString postCode = text(t, QStringLiteral("AKod"));
    const QString city = text(t, QStringLiteral("APoczta"));
    t.fieldByName(QStringLiteral("Adres1"))
        .setString(addressTwoLines(text(t, QStringLiteral("AUlica")), postCode, city));
    t.fieldByName(QStringLiteral("Adres2")).setString(addressOneLine(postCode, city));
    t.fieldByName(QStringLiteral("CenyText"))
        .setString(priceLevelText(number(t, QStringLiteral("PoziomCen"))));
    t.fieldByName(QStringLiteral("OsobaCalc"))
        .setString(
            contactPerson(text(t, QStringLiteral("OsobaPan")), text(t, QStringLiteral("Osoba"))));
    t.fieldByName(QStringLiteral("DisplayOdbiera"))
        .setBoolean(number(t, QStringLiteral("Odbiera")) == 1);
}

void CompanyData::calcPlSpecPaidByCashOrBank(Table& t) {
    const qint64 document = number(t, QStringLiteral("KodFaktury"));
    QString name;
    Table* source = nullptr;
    if (document >= kPurchaseOrTransferOffset) {
        if (!zakupyCalc_.findKey({document - kPurchaseOrTransferOffset}))
            return;
        source = &zakupyCalc_;
        name = text(zakupyCalc_, QStringLiteral("NumerDokumentu"));
    } else {
        if (!fakturyCalc_.findKey({document}))
            return;
        source = &fakturyCalc_;
        name = salesFullNumer(text(fakturyCalc_, QStringLiteral("RodzajDok")),
                              text(fakturyCalc_, QStringLiteral("Numer")),
                              dateTime(fakturyCalc_, QStringLiteral("DataWyst")), true);
    }
    t.fieldByName(QStringLiteral("Dokument")).setString(name);
    t.fieldByName(QStringLiteral("DataDok"))
        .setDateTime(dateTime(*source, QStringLiteral("DataWyst")));
    t.fieldByName(QStringLiteral("DataPlatDok"))
        .setDateTime(dateTime(*source, QStringLiteral("DataPlat")));
}

void CompanyData::calcPlSpecOfPurchase(Table& t) {
    const qint64 payment = number(t, QStringLiteral("KodPlat"));
    if (payment >= kPurchaseOrTransferOffset &&
        przelewyCalc_.findKey({payment - kPurchaseOrTransferOffset})) {
        t.fieldByName(QStringLiteral("DisplayDokument")).setString(QStringLiteral("Przelew"));
        return;
    }
    if (kasaBankCalc_.findKey({payment}))
        t.fieldByName(QStringLiteral("DisplayDokument"))
            .setString(cashDispNumer(text(kasaBankCalc_, QStringLiteral("Rodzaj")),
                                     text(kasaBankCalc_, QStringLiteral("Numer"))));
}

void CompanyData::calcTowSpec(Table& t) {
    const qint64 reference = number(t, QStringLiteral("KodFaktury"));
    QString name;
    if (isWarehouseReference(reference)) {
        if (magazynoweCalc_.findKey({warehouseDocumentKod(reference)}))
            name = warehouseDispNumer(
                number(magazynoweCalc_, QStringLiteral("Sprzedaz")),
                text(magazynoweCalc_, QStringLiteral("RodzajDok")),
                text(magazynoweCalc_, QStringLiteral("Numer")),
                magazynoweCalc_.fieldByName(QStringLiteral("Magazyn")).asBoolean(), true);
    } else if (fakturyCalc_.findKey({reference})) {
        name = salesDispNumer(text(fakturyCalc_, QStringLiteral("RodzajDok")),
                              text(fakturyCalc_, QStringLiteral("Numer")), 0, true);
    }
    t.fieldByName(QStringLiteral("Dokument")).setString(name);
}

// ---------------------------------------------------------------- opening and closing

void CompanyData::openUpgrading(Table& table) {
    openWithUpgrades(table, [this, &table](int step) {
        upgradeLog_ << table.tableName() + u' ' + QString::number(step);
    });
}

void CompanyData::ensureBuyerIndex() {
    // Tables from before the buyer index lack it; the sales list's buyer filter needs it.
    if (db_.tableDef(QStringLiteral("faktury")).indexIndex(QStringLiteral("fnab")) >= 0)
        return;
    TableFaktury.close();
    db_.addIndex(QStringLiteral("faktury"),
                 {QStringLiteral("fnab"), {QStringLiteral("Nabywca"), QStringLiteral("Kod")}, {}});
    upgradeLog_ << QStringLiteral("faktury fnab");
    TableFaktury.open();
}

bool CompanyData::openCompanyTables() {
    upgradeLog_.clear();
    try {
        TableOpcje.open();
        openUpgrading(TableFirmy);
        TableFirmyBis.open();
        TableFirmyLook.open();
        TableStany.open();
        TableStanyLook.open();
        // The goods list computes prices and stock from its first record on.
        stanyCalc_.open();
        marzeCalc_.open();
        stawkiCalc_.open();
        openUpgrading(TableTowary);
        TableTowaryBis.open();
        TableTowaryLook.open();
        TableGrupy.open();
        TableGrupyBis.open();
        TableGrupyLook.open();
        TableMarze.open();
        TableMarzeBis.open();
        TableStawki.open();
        TableStawkiBis.open();
        openUpgrading(TableFaktury);
        ensureBuyerIndex();
        TableFakturyBis.open();
        TableFakturyLook.open();
        fakturyCalc_.open();
        TablePartie.open();
        TablePartieSpec.open();
        openUpgrading(TableMagazynowe);
        TableMagazynoweBis.open();
        TableMagazynoweLook.open();
        magazynoweCalc_.open();
        TableMagazynoweSpec.open();
        TableMagazynoweSpecBis.open();
        TableZakupy.open();
        TableZakupyBis.open();
        TableZakupyLook.open();
        zakupyCalc_.open();
        TableTowSpec.open();
        TableTowSpecBis.open();
        openUpgrading(TableFSpec);
        TableFSpecBis.open();
        openUpgrading(TablePrzelewy);
        TablePrzelewyBis.open();
        przelewyCalc_.open();
        TablePlatnicy.open();
        TablePlatnicyBis.open();
        kasaBankCalc_.open();
        TableKasa.open();
        TableKasaBankBis.open();
        TableKasaBankLook.open();
        TableBank.open();
        TablePlSpec.open();
        TablePlSpecK.open();
        TablePlSpecB.open();
        TablePlSpecDel.open();
        TablePlSpecZ.open();
        TablePrzelewyLook.open();
        return true;
    } catch (const std::exception&) {
        closeCompanyTables();
        return false;
    }
}

void CompanyData::closeCompanyTables() {
    QList<Table*> all = tableObjects();
    all += calculationCursors();
    for (Table* t : all) {
        try {
            t->close();
        } catch (...) {
            // Closing goes on with the next object.
        }
    }
}

}  // namespace shell::company

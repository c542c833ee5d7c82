#include "data/schema.h"

namespace data {
namespace {

using engine::FieldType;
using engine::TableDef;
using enum engine::FieldType;

// Rows of a definition as written below. Most fields have no size and no description, and
// most indexes no description; these rows let them leave those out, which the engine's own
// structs would flag as missing initialisers.
struct Field {
    QString name;
    FieldType type;
    int size = 0;
    QString description = {};
};

struct Index {
    QString name;
    QStringList fields;
    QString description = {};
};

TableDef table(const QString& name, const QList<Field>& fields, const QList<Index>& indexes) {
    TableDef def{name, {}, {}};
    def.fields.reserve(fields.size());
    for (const Field& f : fields)
        def.fields.append({f.name, f.type, f.size, f.description});
    def.indexes.reserve(indexes.size());
    for (const Index& i : indexes)
        def.indexes.append({i.name, i.fields, i.description});
    return def;
}

// One field per line in stored order, so that a definition reads like the table it makes.
// clang-format off

// Counterparties. Numer is the identity shared by all versions, Kod one version, Last marks the
// current one; hence most indexes lead with Last.
TableDef firmy() {
    return table("firmy",
                 {
                     {"Odb", Byte},
                     {"Dost", Byte},
                     {"Kod", AutoInc},
                     {"Numer", Int32},
                     {"Last", Boolean},
                     {"Symbol", String, 25},
                     {"Nazwa", String, 200},
                     {"AKod", String, 6},
                     {"APoczta", String, 40},
                     {"AUlica", String, 40},
                     {"TelKier", String, 8},
                     {"Tel1", String, 20},
                     {"Tel2", String, 20},
                     {"Fax", String, 20},
                     {"EMail", String, 40},
                     {"NIP", String, 17},
                     {"REGON", String, 9},
                     {"Firma", String, 3},
                     {"PoziomCen", Int8},
                     {"BankNazwa", String, 40},
                     {"BankKonto", String, 40},
                     {"OsobaPan", String, 8},
                     {"Osoba", String, 35},
                     {"Rabat", Currency},
                     {"Aktywna", Boolean},
                     {"Uwagi", Memo},
                     {"MaxKredyt", Currency},
                     {"Saldo", Currency},
                     {"Obrot", Currency},
                     {"Kto", Int16},
                     {"Kiedy", DateTime},
                     {"Odbiera", Byte},
                     {"KrotkaNazwa", String, 80},
                 },
                 {
                     {"main", {"Last", "Numer"}, "po numerze tylko najświeższe"},
                     {"fsymbol", {"Last", "Symbol"}, "po symbolu"},
                     {"fnip", {"Last", "NIP"}, "po nipie"},
                     {"odbkod", {"Last", "Odb", "Numer"}},
                     {"odbsymbol", {"Last", "Odb", "Symbol"}},
                     {"dostsymbol", {"Last", "Dost", "Symbol"}},
                     {"dostkod", {"Last", "Dost", "Numer"}},
                     {"mainkod", {"Kod"}},
                 });
}

// Goods and services, versioned like the counterparties.
TableDef towary() {
    return table("towary",
                 {
                     {"Kod", AutoInc},
                     {"Numer", Int32},
                     {"Last", Boolean},
                     {"Private", Boolean},
                     {"Symbol", String, 25},
                     {"SWWKU", String, 20},
                     {"Nazwa", Memo},
                     {"NazwaShort", String, 40},
                     {"NazwaParag", String, 15},
                     {"NazwaEtykiet", String, 15},
                     {"KodKres", String, 15},
                     {"Jm", String, 5},
                     {"CenaZakupu", Currency},
                     {"CenaSprzedA", Currency},
                     {"CenaSprzedB", Currency},
                     {"CenaSprzedC", Currency},
                     {"StawkaVAT", Int16},
                     {"TowarUs", Byte},
                     {"Grupa", Int16},
                     {"MarzaA", Int8},
                     {"MarzaB", Int8},
                     {"MarzaC", Int8},
                     {"Rabat", Currency},
                     {"Zaokr", Currency},
                     {"Stan", Currency},
                     {"StanMin", Currency},
                     {"StanMax", Currency},
                     {"NaZamowieniach", Currency},
                     {"Aktywny", String, 3},
                     {"Uwagi", String, 40},
                     {"Kiedy", DateTime},
                     {"Niepodzielny", Boolean},
                     {"OpakowanieZwrotne", Boolean},
                     {"NIPUE", String, 25},
                     {"Info1", String, 250},
                     {"Info2", Memo},
                 },
                 {
                     {"main", {"Last", "Numer"}},
                     {"tsymbol", {"Last", "Symbol"}},
                     {"tkodkres", {"Last", "KodKres"}},
                     {"tgrupa", {"Last", "Grupa", "Symbol"}},
                     {"ttussymbol", {"Last", "TowarUs", "Symbol"}},
                     {"ttusgrupa", {"Last", "TowarUs", "Grupa", "Symbol"}},
                     {"mainkod", {"Kod"}},
                 });
}

TableDef grupy() {
    return table("grupy",
                 {
                     {"Kod", AutoInc},
                     {"Nazwa", String, 18},
                     {"Opis", String, 50},
                 },
                 {
                     {"main", {"Kod"}, "po kodzie"},
                     {"gnazwa", {"Nazwa"}, "po nazwie"},
                 });
}

TableDef marze() {
    return table("marze",
                 {
                     {"Kod", AutoInc},
                     {"Nazwa", String, 8},
                     {"Wartosc", String, 8},
                     {"Aktywna", String, 3},
                 },
                 {
                     {"main", {"Kod"}},
                 });
}

TableDef stawki() {
    return table("stawki",
                 {
                     {"Kod", AutoInc},
                     {"Stawka", String, 8},
                     {"Wartosc", String, 8},
                     {"SWWKU", String, 12},
                     {"Aktywna", String, 3},
                 },
                 {
                     {"main", {"Kod"}},
                 });
}

// Sales documents of every kind. Indexes on dates end in Kod so that documents of one day keep
// the order in which they were written.
TableDef faktury() {
    return table("faktury",
                 {
                     {"Kod", AutoInc},
                     {"DataWyst", DateTime},
                     {"DataSprzed", DateTime},
                     {"DataPlat", DateTime},
                     {"NumerKolejny", Word32},
                     {"Numer", String, 25},
                     {"JestParagon", Boolean},
                     {"RodzajDok", String, 2},
                     {"PlatDni", Int16},
                     {"FormaPlat", String, 20},
                     {"Nabywca", Int32},
                     {"Odbiorca", Int32},
                     {"Platnik", Int32},
                     {"NabywcaKod", Int32},
                     {"OdbiorcaKod", Int32},
                     {"PlatnikKod", Int32},
                     {"SymbolRejestru", String, 5},
                     {"ZamowData", DateTime},
                     {"ZamowZnak", String, 12},
                     {"Rabat", Single},
                     {"Netto", Currency},
                     {"Brutto", Currency},
                     {"RejVAT", Int32},
                     {"Ksiega", Int32},
                     {"KorektaDo", Int32},
                     {"KodKorekty", Int32},
                     {"Zaplacona", String, 3},
                     {"Zaplacono", Currency},
                     {"WystawilSyg", String, 3},
                     {"Wystawil", String, 30},
                     {"Odebral", String, 30},
                     {"Drukowana", String, 3},
                     {"PoziomCen", Int8},
                     {"PrzyczynaKorekty", String, 20},
                     {"KodRealizacji", Int32},
                     {"KodZamowienia", Int32},
                     {"DrukujMiesiac", Boolean},
                     {"DrukujDatePlat", Boolean},
                     {"Obca", Boolean},
                     {"Wyslana", Boolean},
                     {"Zamowienie", String, 20},
                     // Holds the reverse-charge flag "T"/"N" despite its name.
                     {"Miasto", String, 30},
                     {"DokMag", Int32},
                     {"RodzajWydruku", Byte},
                     {"Magazyn", Int32},
                     {"WZ", Boolean},
                     {"Uwagi", Memo},
                 },
                 {
                     {"main", {"Kod"}},
                     {"fdatan", {"DataWyst", "Kod"}},
                     {"frdatan", {"RodzajDok", "DataWyst", "Kod"}},
                     {"fdatasn", {"DataSprzed", "Kod"}},
                     {"frdatasn", {"RodzajDok", "DataSprzed", "Kod"}},
                     {"fdatapn", {"DataPlat", "Kod"}},
                     {"frdatapn", {"RodzajDok", "DataPlat", "Kod"}},
                     {"fnab", {"Nabywca", "Kod"}},
                 });
}

// Lines of sales documents and lines of warehouse documents share their first twelve fields and
// their indexes; Kod is the owning document's Kod in either table.
QList<Field> documentLineFields() {
    return {
        {"Kod", Int32},
        {"Lp", Int16},
        {"Towar", Int32},
        {"KodTowaru", Int32},
        {"CenaPrzedRab", Currency},
        {"CenaJed", Currency},
        {"Rabat", Currency},
        {"Ilosc", Currency},
        {"VAT", Int16},
        {"Brutto", String, 1},
        {"Mag", Int32},
        {"KodP", Int32},
    };
}

QList<Index> documentLineIndexes() {
    return {
        {"main", {"Kod", "Lp"}, "po kodzie"},
        {"fsktowar", {"Towar"}, "po numerze towaru"},
    };
}

TableDef fspec() {
    return table("fspec", documentLineFields(), documentLineIndexes());
}

TableDef magspec() {
    QList<Field> fields = documentLineFields();
    fields.append({"KodSpec", AutoInc});
    return table("magspec", fields, documentLineIndexes());
}

// Which documents moved which goods; KodFaktury above 99999999 is a warehouse document.
TableDef towspec() {
    return table("towspec",
                 {
                     {"NumerTowaru", Int32},
                     {"DataWyst", DateTime},
                     {"KodFaktury", Int32},
                     {"NumerKlienta", Int32},
                 },
                 {
                     {"main", {"NumerTowaru", "DataWyst", "KodFaktury"}},
                     {"faktury", {"KodFaktury"}},
                 });
}

TableDef opcjef() {
    return table("opcjef",
                 {
                     {"Grupa", String, 40},
                     {"Podgrupa", String, 40},
                     {"Nazwa", String, 40},
                     {"Wartosc", Text, 800},
                     {"Image", Picture},
                 },
                 {
                     {"main", {"Grupa", "Podgrupa", "Nazwa"}},
                 });
}

// Payments settled against documents. KodFaktury and KodPlat above 999999999 point at a purchase
// and at a transfer order respectively.
TableDef plspec() {
    return table("plspec",
                 {
                     {"Kod", AutoInc},
                     {"Data", DateTime},
                     {"KodFaktury", Int32},
                     {"RodzajPlat", Byte},
                     {"KodPlat", Int32},
                     {"Kwota", Currency},
                     {"Zostaje", Currency},
                     {"Zwrot", Boolean},
                 },
                 {
                     {"main", {"Kod"}},
                     {"kodf", {"KodFaktury", "Data", "Kod"}},
                     {"kodpl", {"KodPlat", "Data", "Kod"}},
                 });
}

TableDef magazynowe() {
    return table("magazynowe",
                 {
                     {"Kod", AutoInc},
                     {"DataWyst", DateTime},
                     {"NumerKolejny", Word32},
                     {"Numer", String, 25},
                     {"RodzajDok", String, 2},
                     {"MagazynNr", Int16},
                     {"Kontrahent", Int32},
                     {"OdbiorcaDostawca", Int32},
                     {"KontrahentKod", Int32},
                     {"OdbiorcaDostKod", Int32},
                     {"DokumentKod", Int32},
                     {"Drukowany", String, 3},
                     {"Wystawil", String, 30},
                     {"Odebral", String, 30},
                     {"Opis", String, 30},
                     {"Rabat", Currency},
                     {"PoziomCen", Int8},
                     {"Netto", Currency},
                     {"Brutto", Currency},
                     {"Zaplacono", Currency},
                     {"Zaplacony", String, 3},
                     {"Sprzedaz", Int8},
                     {"Magazyn", Boolean},
                     {"Zwracany", Int32},
                     {"Uwagi", Memo},
                 },
                 {
                     {"main", {"Kod"}},
                     {"mdata", {"DataWyst", "Kod"}},
                     {"mrdata", {"RodzajDok", "DataWyst", "Kod"}},
                     {"mmdata", {"MagazynNr", "DataWyst", "Kod"}},
                     {"mmrdata", {"MagazynNr", "RodzajDok", "DataWyst", "Kod"}},
                     {"mnab", {"Kontrahent", "Kod"}},
                 });
}

TableDef stany() {
    return table("stany",
                 {
                     {"Magazyn", Int16},
                     {"Numer", Int32},
                     {"Kod", AutoInc},
                     {"Stan", Currency},
                     {"NaZamowieniach", Currency},
                 },
                 {
                     {"main", {"Magazyn", "Numer"}},
                 });
}

// Purchase batches. "main" lists the open batches of one item in one warehouse oldest first,
// which is the order stock is taken from them.
TableDef partie() {
    return table("partie",
                 {
                     {"Towar", Int32},
                     {"Magazyn", Int16},
                     {"Sprzedane", Boolean},
                     {"DataZakupu", DateTime},
                     {"KodP", AutoInc},
                     {"IloscPierwotna", Currency},
                     {"Jest", Currency, 0, "aktualny stan"},
                     {"CenaZakupu", Currency},
                     {"KodTowaru", Int32},
                     {"KodSpec", Int32, 0, "zakupu"},
                 },
                 {
                     {"main", {"Towar", "Magazyn", "Sprzedane", "DataZakupu", "KodP"}},
                     {"mainkod", {"KodP"}},
                 });
}

TableDef partspec() {
    return table("partspec",
                 {
                     {"Kod", AutoInc},
                     {"KodP", Int32},
                     {"KodSpec", Int32},
                     {"Ilosc", Currency},
                 },
                 {
                     {"main", {"KodSpec", "Kod"}},
                     {"mainkod", {"Kod"}},
                 });
}

TableDef remanent() {
    return table("remanent",
                 {
                     {"Kod", Int32},
                     {"KodSP", Int32},
                     {"Towar", Int32},
                     {"KodTowaru", Int32},
                     {"IloscProg", Currency},
                     {"IloscStw", Currency},
                     {"Cena", Currency},
                 },
                 {
                     {"main", {"Kod", "KodSP"}},
                 });
}

TableDef zakupy() {
    return table("zakupy",
                 {
                     {"Kod", AutoInc},
                     {"DataWyst", DateTime},
                     {"DataWplywu", DateTime},
                     {"DataPlat", DateTime},
                     {"NumerDokumentu", String, 30},
                     {"RodzajDokumentu", String, 1},
                     {"FormaPlat", String, 20},
                     {"Kontrahent", Int32},
                     {"KontrahentKod", Int32},
                     {"PrzyslugujeOdl", Boolean},
                     {"MiesiacOdl", Int8},
                     {"SymbolRejestru", String, 5},
                     {"SrodekTrwaly", Boolean},
                     {"WpisDoRejestru", Boolean},
                     {"WpisDoKsiegi", Boolean},
                     {"WylacznieOpod", Boolean},
                     {"PoleKsiegi", Int8},
                     {"KsiegaNr", Int32},
                     {"KodMagazynu", Int32},
                     {"Netto", Currency},
                     {"Brutto", Currency},
                     {"Zaplacono", Currency},
                     {"Zaplacony", String, 3},
                     {"Stawka1", String, 5},
                     {"Stawka2", String, 5},
                     {"Stawka3", String, 5},
                     {"Stawka4", String, 5},
                     {"Stawka5", String, 5},
                     {"Stawka6", String, 5},
                     {"NettoNP", Currency},
                     {"Netto1", Currency},
                     {"Netto2", Currency},
                     {"Netto3", Currency},
                     {"Netto4", Currency},
                     {"Netto5", Currency},
                     {"Netto6", Currency},
                     {"Vat1", Currency},
                     {"Vat2", Currency},
                     {"Vat3", Currency},
                     {"Vat4", Currency},
                     {"Vat5", Currency},
                     {"Vat6", Currency},
                     {"Korekta", Int8},
                     {"Uwagi", Memo},
                 },
                 {
                     {"main", {"Kod"}},
                     {"datawy", {"DataWyst", "Kod"}},
                     {"datawp", {"DataWplywu", "Kod"}},
                     {"datapl", {"DataPlat", "Kod"}},
                     {"kdatawy", {"Kontrahent", "DataWyst", "Kod"}},
                     {"kdatawp", {"Kontrahent", "DataWplywu", "Kod"}},
                     {"kdatapl", {"Kontrahent", "DataPlat", "Kod"}},
                     {"kontra", {"Kontrahent", "Kod"}},
                 });
}

// Transfer orders.
TableDef przelewy() {
    return table("przelewy",
                 {
                     {"Przelew", Boolean},
                     {"Wplata", Byte},
                     {"Kod", AutoInc},
                     {"KontoZUS", Int32},
                     {"Data", DateTime},
                     {"NumerFirmy", Int32},
                     {"KodFirmy", Int32},
                     {"Kwota", Currency},
                     {"PlKas", String, 15},
                     {"Tytul", String, 100},
                     {"WstawNIP", Boolean},
                     {"Jednorazowy", Boolean},
                     {"Drukowane", String, 3},
                     {"TypWp", Byte},
                     {"Deklaracja", String, 7},
                     {"NrDekl", String, 2},
                     {"KodPlatnika", Word16},
                     {"KodPodatnika", Int32},
                     {"NumerPodatnika", Int32},
                 },
                 {
                     {"main", {"Kod"}},
                     {"data", {"Data", "Kod"}},
                     {"firmy", {"NumerFirmy", "Data", "Kod"}},
                     {"wpdata", {"Wplata", "Data", "Kod"}},
                     {"wpfirmy", {"Wplata", "NumerFirmy", "Data", "Kod"}},
                     {"kodfir", {"KodFirmy"}},
                 });
}

// Payers of social-insurance and tax transfers.
TableDef platnicy() {
    return table("platnicy",
                 {
                     {"Kod", AutoInc},
                     {"Konto", String, 32},
                     {"Nazwa1", String, 27},
                     {"Nazwa2", String, 27},
                     {"NIP", String, 13},
                     {"Uzup", String, 14},
                     {"TypUzup", String, 1},
                 },
                 {
                     // The doubled "n" is the index's real name; the payers list opens on it.
                     {"mainnkod", {"Nazwa1", "Kod"}},
                     {"kod", {"Kod"}},
                 });
}

// Cash book and bank register in one table: Kasa 1 is the cash book, 10000 and up the bank
// accounts. Czas orders the entries of one day.
TableDef kasabank() {
    return table("kasabank",
                 {
                     {"Kod", AutoInc},
                     {"Kasa", Word16},
                     {"Rodzaj", String, 2},
                     {"Data", DateTime},
                     {"Czas", DateTime},
                     {"NrKol", Int32},
                     {"Numer", String, 20},
                     {"Kwota", Currency},
                     {"PoOperacji", Currency},
                     {"Tytul", String, 40},
                     {"Kontrahent", Int32},
                     {"KontrahentKod", Int32},
                 },
                 {
                     {"main", {"Kod"}},
                     {"kdata", {"Kasa", "Data", "Czas", "Kod"}},
                     {"kfdata", {"Kasa", "Kontrahent", "Data", "Czas", "Kod"}},
                     {"ndata", {"Data", "Czas", "Kod"}},
                     {"nfdata", {"Kontrahent", "Data", "Czas", "Kod"}},
                     {"krdata", {"Kasa", "Rodzaj", "Data", "Czas", "Kod"}},
                     {"krfdata", {"Kasa", "Rodzaj", "Kontrahent", "Data", "Czas", "Kod"}},
                     {"nrdata", {"Rodzaj", "Data", "Czas", "Kod"}},
                     {"nrfdata", {"Rodzaj", "Kontrahent", "Data", "Czas", "Kod"}},
                 });
}

// clang-format on

}  // namespace

const QList<TableDef>& companyTables() {
    // The order of creation for a new company.
    static const QList<TableDef> tables{
        towary(),  stawki(),     plspec(),   marze(),    faktury(), fspec(),    grupy(),
        towspec(), magazynowe(), magspec(),  partie(),   stany(),   partspec(), remanent(),
        zakupy(),  przelewy(),   platnicy(), kasabank(), firmy(),   opcjef(),
    };
    return tables;
}

const TableDef* companyTable(const QString& name) {
    for (const TableDef& def : companyTables()) {
        if (def.name.compare(name, Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

}  // namespace data

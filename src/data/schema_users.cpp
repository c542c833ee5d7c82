#include "data/schema.h"

#include <iterator>

namespace data {
namespace {

// Zapas_1..Zapas_7 hold the rights over purchases and the revenue book, which only their
// descriptions name; the later spares are unused and undescribed.
const char* const kSpareRightDescriptions[] = {
    "nowe zakupy", "zmiana zakupy", "kasowanie zakupy", "zapłata zakup",
    "nowe księga", "edycja księga", "kasowanie księga",
};
constexpr int kSpareRights = 17;

}  // namespace

const QStringList& userRightNames() {
    static const QStringList names = [] {
        QStringList list{
            "Otwieranie",
            "Zamykanie",
            "Archiwizacja_danych",
            "Odtwarzanie_danych",
            "Zmiana_opcji",
            "Eksport",
            "Dodawanie_firm",
            "Przeglad_uzytkownikow",
            "Nowe_auto",
            "Zmiana_auto",
            "Nowe_wpis",
            "Zmiana_wpis",
            "Kasowanie_wpis",
            "Zmiana_stawek",
            "Nowe_sprzedaz",
            "Zmiana_sprzedaz",
            "Kasowanie_sprzedaz",
            "Zaplata_sprzedaz",
            "Korekta",
            "Nowe_firma",
            "Zmiana_firma",
            "Kasowanie_firma",
            "Nowe_towary",
            "Zmiana_towary",
            "Kasowanie_towary",
            "Nowe_grupy",
            "Zmiana_grupy",
            "Kasowanie_grupy",
            "Przeglad_przelew",
            "Nowe_przelew",
            "Zmiana_przelew",
            "Kasowanie_przelew",
            "Nowe_platnicy",
            "Zmiana_platnicy",
            "Kasowanie_platnicy",
            "Nowe_kasa",
            "Zmiana_kasa",
            "Kasowanie_kasa",
            "Nowe_bank",
            "Zmiana_bank",
            "Kasowanie_bank",
            "Stawki_VAT",
            "Marze",
            "Jednostki",
            "Przeglad_ksiega",
            "Nowe_ksiega",
            "Zmiana_ksiega",
            "Kasowanie_ksiega",
            "Przeglad_SVAT",
            "Nowe_SVAT",
            "Zmiana_SVAT",
            "Kasowanie_SVAT",
            "Przeglad_KVAT",
            "Nowe_KVAT",
            "Zmiana_KVAT",
            "Kasowanie_KVAT",
            "Przeglad_trwale",
            "Nowe_trwale",
            "Zmiana_trwale",
            "Kasowanie_trwale",
            "Przeglad_magazyn",
            "Nowe_magazyn",
            "Zmiana_magazyn",
            "Kasowanie_magazyn",
            "Przeglad_magazyny",
            "Nowe_magazyny",
            "Zmiana_magazyny",
            "Kasowanie_magazyny",
        };
        for (int i = 1; i <= kSpareRights; ++i)
            list.append(QStringLiteral("Zapas_%1").arg(i));
        return list;
    }();
    return names;
}

const engine::TableDef& usersTable() {
    static const engine::TableDef table = [] {
        using enum engine::FieldType;
        engine::TableDef def{"uzytkowf",
                             {
                                 {"Kod", AutoInc, 0, {}},
                                 {"Imie_Nazwisko", String, 40, {}},
                                 {"Ident", String, 8, {}},
                                 {"Sygnatura", String, 4, {}},
                                 {"Dane", Int32, 0, {}},  // password digest
                                 {"Aktywny", String, 3, {}},
                             },
                             {{"main", {"Kod"}, {}}}};

        const QStringList& rights = userRightNames();
        const qsizetype firstSpare = rights.size() - kSpareRights;
        constexpr qsizetype describedSpares = std::size(kSpareRightDescriptions);
        for (qsizetype i = 0; i < rights.size(); ++i) {
            const qsizetype spare = i - firstSpare;
            const QString description = spare >= 0 && spare < describedSpares
                                            ? QString::fromUtf8(kSpareRightDescriptions[spare])
                                            : QString();
            def.fields.append({rights[i], Boolean, 0, description});
        }
        return def;
    }();
    return table;
}

}  // namespace data

#include "shell/users/user_rights.h"

namespace shell {

namespace {

RightGroup threeBoxes(const QString& title, const QString& suffix) {
    return {title,
            {{QStringLiteral("Nowe_") + suffix, QStringLiteral("Dopisywanie")},
             {QStringLiteral("Zmiana_") + suffix, QStringLiteral("Edycja")},
             {QStringLiteral("Kasowanie_") + suffix, QStringLiteral("Kasowanie")}},
            false};
}

RightGroup single(const QString& field, const QString& caption) {
    return {QString(), {{field, caption}}, false};
}

}  // namespace

const QList<RightGroup>& rightGroups() {
    static const QList<RightGroup> groups = [] {
        QList<RightGroup> list;
        list << threeBoxes(QStringLiteral("Kontrahenci"), QStringLiteral("firma"))
             << threeBoxes(QStringLiteral("Towary"), QStringLiteral("towary"))
             << threeBoxes(QStringLiteral("Grupy towarowe"), QStringLiteral("grupy"))
             << threeBoxes(QStringLiteral("Kasa"), QStringLiteral("kasa"))
             << threeBoxes(QStringLiteral("Bank"), QStringLiteral("bank"));

        RightGroup sales = threeBoxes(QStringLiteral("Sprzedaż"), QStringLiteral("sprzedaz"));
        sales.boxes << RightBox{QStringLiteral("Korekta"), QStringLiteral("Korekta")}
                    << RightBox{QStringLiteral("Zaplata_sprzedaz"), QStringLiteral("Płatności")};
        list << sales;

        RightGroup transfers = threeBoxes(QStringLiteral("Przelewy"), QStringLiteral("przelew"));
        transfers.boxes.prepend(
            {QStringLiteral("Przeglad_przelew"), QStringLiteral("Przeglądanie")});
        list << transfers;

        list << threeBoxes(QStringLiteral("Płatnicy ZUS"), QStringLiteral("platnicy"))
             << threeBoxes(QStringLiteral("Magazyn"), QStringLiteral("magazyn"));

        // The purchases and book rights were added to the table later, in its spare fields.
        list << RightGroup{QStringLiteral("Zakupy"),
                           {{QStringLiteral("Zapas_1"), QStringLiteral("Dopisywanie")},
                            {QStringLiteral("Zapas_2"), QStringLiteral("Edycja")},
                            {QStringLiteral("Zapas_3"), QStringLiteral("Kasowanie")},
                            {QStringLiteral("Zapas_4"), QStringLiteral("Płatności")}},
                           false};

        list << single(QStringLiteral("Stawki_VAT"),
                       QStringLiteral("Dopisywanie i zmiana stawek VAT"))
             << single(QStringLiteral("Marze"), QStringLiteral("Dopisywanie i zmiana marży"))
             << single(QStringLiteral("Zmiana_opcji"), QStringLiteral("Zmiana opcji i preferencji"))
             << single(QStringLiteral("Eksport"),
                       QStringLiteral("Eksport danych i drukowanie raportów"))
             << single(QStringLiteral("Archiwizacja_danych"), QStringLiteral("Archiwizacja danych"))
             << single(QStringLiteral("Odtwarzanie_danych"), QStringLiteral("Odtwarzanie danych"))
             << single(QStringLiteral("Dodawanie_firm"), QStringLiteral("Dodawanie firm"))
             << single(QStringLiteral("Przeglad_uzytkownikow"),
                       QStringLiteral("Przeglądanie danych użytkowników"));

        list << RightGroup{QStringLiteral("Księga"),
                           {{QStringLiteral("Zapas_5"), QStringLiteral("Dopisywanie")},
                            {QStringLiteral("Zapas_6"), QStringLiteral("Edycja")},
                            {QStringLiteral("Zapas_7"), QStringLiteral("Kasowanie")}},
                           true};
        return list;
    }();
    return groups;
}

QStringList editorRightFields() {
    QStringList fields;
    for (const RightGroup& group : rightGroups())
        for (const RightBox& box : group.boxes)
            fields << box.field;
    return fields;
}

}  // namespace shell

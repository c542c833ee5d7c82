#include "catalogs/counterparties/counterparty_rules.h"

#include "catalogs/counterparties/counterparty_fixture.h"
#include "shell/company/write_helpers.h"

namespace {

using namespace catalogs::counterparties;
using counterpartytest::CounterpartyTest;
using shell::registers::EditorMode;

const QDate kToday(2026, 12, 11);

CounterpartyData sample(const QString& symbol, const QString& nip = {}) {
    CounterpartyData d;
    d.symbol = symbol;
    d.nazwa = QStringLiteral("Firma ") + symbol;
    d.ulica = QStringLiteral("Polna 1");
    d.kod = QStringLiteral("00-950");
    d.miasto = QStringLiteral("Warszawa");
    d.nip = nip;
    d.firma = !nip.isEmpty();
    d.odbiorca = true;
    return d;
}

class RulesTest : public CounterpartyTest {
  protected:
    void SetUp() override {
        CounterpartyTest::SetUp();
        rules_ = std::make_unique<CounterpartyRules>(*company_);
    }
    CounterpartyRules::Saved saveNew(const CounterpartyData& d) {
        return rules_->save(d, EditorMode::New, 0, {}, options_, QStringLiteral("Nowy kontrahent"),
                            kToday);
    }
    CounterpartyRules::Saved saveEdit(qint64 kod, const CounterpartyData& loaded,
                                      const CounterpartyData& changed) {
        return rules_->save(changed, EditorMode::Edit, kod, loaded, options_,
                            QStringLiteral("Zmiana danych kontrahenta"), kToday);
    }
    std::unique_ptr<CounterpartyRules> rules_;
    CounterpartyOptions options_;
};

TEST_F(RulesTest, NumbersStartAtOneAndCountOnEvenAfterTheHighestIsDeleted) {
    EXPECT_EQ(rules_->nextNumber(), 1);
    // Numbers 1-6 with versions Kod 1-6; number 7 with Kod 10 superseded and Kod 15 current;
    // the records in between come and go so that the versions get those Kod values.
    QList<qint64> fillers;
    for (int kod = 1; kod <= 15; ++kod) {
        const bool filler = kod > 6 && kod != 10 && kod != 15;
        add("firmy", {{"Numer", kod <= 6 ? kod : (filler ? 100 + kod : 7)},
                      {"Last", kod != 10},
                      {"Symbol", QStringLiteral("S%1").arg(kod)},
                      {"Odb", 1}});
    }
    {
        engine::Table t(company_->database(), "firmy");
        t.open();
        t.setIndexName("mainkod");
        for (int kod = 7; kod <= 14; ++kod)
            if (kod != 10 && t.findKey({kod}))
                t.deleteRecord();
    }
    EXPECT_EQ(rules_->nextNumber(), 8);
    EXPECT_EQ(rules_->remove(15), DeleteOutcome::Deleted);
    EXPECT_EQ(rules_->symbolOf(7), QString());
    EXPECT_EQ(versions(7).size(), 1);  // the superseded version stays
    const auto saved = saveNew(sample("NOWY"));
    ASSERT_TRUE(saved.saved) << messages_.last().toStdString();
    EXPECT_EQ(saved.numer, 8);
}

TEST_F(RulesTest, DocumentDataChangesMakeANewVersionOtherChangesDoNot) {
    struct Case {
        const char* name;
        std::function<void(CounterpartyData&)> change;
        bool newVersion;
    };
    const QList<Case> cases = {
        {"phone only", [](CounterpartyData& d) { d.tel1 = "22 111 22 33"; }, false},
        {"discount and notes",
         [](CounterpartyData& d) {
             d.rabat = engine::Currency::fromWhole(5);
             d.uwagi = "stały klient";
         },
         false},
        // The joined texts of the two fields stay equal: only a field-by-field comparison sees it.
        {"text moved from postal code to street",
         [](CounterpartyData& d) {
             d.ulica = "Polna 10";
             d.kod = "0-950";
         },
         true},
        {"bank account", [](CounterpartyData& d) { d.konto = "12 1234"; }, true},
        {"transfer-form name", [](CounterpartyData& d) { d.krotkaNazwa = "Krótka"; }, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CounterpartyData loaded = sample(QStringLiteral("K%1").arg(++n));
        const auto first = saveNew(loaded);
        ASSERT_TRUE(first.saved);
        // An invoice written for the first version shows its data through its Kod.
        add("faktury", {{"Nabywca", first.numer}, {"NabywcaKod", first.kod}});
        CounterpartyData changed = loaded;
        c.change(changed);
        const auto second = saveEdit(first.kod, loaded, changed);
        ASSERT_TRUE(second.saved) << messages_.last().toStdString();
        EXPECT_EQ(second.numer, first.numer);
        const QList<QVariantMap> all = versions(first.numer);
        ASSERT_EQ(all.size(), c.newVersion ? 2 : 1);
        EXPECT_TRUE(all.last()["Last"].toBool());
        EXPECT_EQ(all.last()["Kod"].toLongLong(), second.kod);
        if (c.newVersion) {
            EXPECT_NE(second.kod, first.kod);
            EXPECT_FALSE(all.first()["Last"].toBool());
            EXPECT_EQ(all.first()["Kod"].toLongLong(), first.kod);
            EXPECT_EQ(all.first()["AUlica"].toString(), "Polna 1");
            EXPECT_EQ(all.first()["AKod"].toString(), "00-950");
        } else {
            EXPECT_EQ(second.kod, first.kod);
        }
    }
    EXPECT_EQ(rules_->findBySymbol("K3"), 3);
}

TEST_F(RulesTest, TaxNumbersAreStoredInTheirShortForms) {
    struct Case {
        QString typed;
        QString stored;
        QString question;  // empty: none
    };
    const QString tail = " prawdopodobnie nie jest prawidłowy. Czy chcesz go zmienić?";
    const QList<Case> cases = {
        {"123-456-32-18", "123-456-32-18", {}},
        {"PL1234563218", "PL1234563218", {}},
        {"44051401359", "PESEL:44051401359", {}},
        {"440514 01359", "PESEL:44051401359", {}},
        {"pesel 440514 01359", "PESEL:44051401359", {}},
        {" PESEL:44051401359", "PESEL:44051401359", {}},
        {"123456785", "REGON: 123456785", {}},
        {"123 456 785", "REGON: 123456785", {}},
        {"regon: 123 456 785", "REGON: 123456785", {}},
        {"123-456-32-19", "123-456-32-19", "Numer NIP" + tail},
        {"pesel 44051401358", "pesel 44051401358", "Numer PESEL" + tail},
        {"Regon 123456786", "Regon 123456786", "Numer REGON" + tail},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const NipNormalisation n = normaliseNip(c.typed);
        EXPECT_EQ(n.nip, c.stored);
        EXPECT_EQ(n.question.value_or(QString()), c.question);
        EXPECT_LE(n.nip.size(), 17);
    }
    // Through the save: "Nie" keeps the doubtful text, "Tak" goes back to the field.
    messages_.answers = {shell::Answer::No};
    ASSERT_TRUE(saveNew(sample("A", "12345")).saved);
    messages_.answers = {shell::Answer::Ok};
    const auto refused = saveNew(sample("B", "54321"));
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.field, "NIP");
    ASSERT_TRUE(saveNew(sample("C", "440514 01359")).saved);
    EXPECT_EQ(rules_->findByNip("PESEL:44051401359"), 2);  // "B" took no number
}

TEST_F(RulesTest, TheFirstFailingCheckStopsTheSaveWithItsMessageAndField) {
    ASSERT_TRUE(saveNew(sample("ISTNIEJE", "1234563218")).saved);
    struct Case {
        const char* name;
        std::function<void(CounterpartyData&)> change;
        QString message;
        QString field;
    };
    const QList<Case> cases = {
        {"blank name before missing address and symbol",
         [](CounterpartyData& d) {
             d.nazwa = " \r\n ";
             d.ulica = d.kod = d.miasto = d.symbol = "";
         },
         "Brak nazwy kontrahenta.", "Nazwa"},
        {"no address before missing symbol",
         [](CounterpartyData& d) {
             d.ulica = d.kod = d.miasto = " ";
             d.symbol = "";
         },
         "Brak adresu kontrahenta.", "Ulica"},
        {"four name lines", [](CounterpartyData& d) { d.nazwa = "a\r\nb\r\nc\r\nd"; },
         "Za długa nazwa - więcej niż 3 linie.", "Nazwa"},
        {"twenty-one note lines",
         [](CounterpartyData& d) { d.uwagi = QStringList(21, "x").join("\r\n"); },
         "Za długa informacja - więcej niż 20 linii.", "Info"},
        {"no symbol",
         [](CounterpartyData& d) {
             d.symbol = "  ";
             d.odbiorca = false;
         },
         "Brak symbolu kontrahenta.", "Symbol"},
        {"neither customer nor supplier", [](CounterpartyData& d) { d.odbiorca = false; },
         "Nie zaznaczono żadnego z pól Dostawca / Odbiorca.", "CheckOdbiorca"},
        {"business without NIP",
         [](CounterpartyData& d) {
             d.firma = true;
             d.nip = "";
         },
         "Firmy muszą mieć wpisany NIP (ewentualnie REGON lub PESEL).\rWpisz odpowiedni numer, "
         "lub usuń zaznaczenie z pola Firma.",
         "NIP"},
        {"NIP of another counterparty", [](CounterpartyData& d) { d.nip = "1234563218"; },
         "W bazie jest już kontrahent o identycznym numerze NIP.\rWpisz właściwy numer lub "
         "pozostaw puste pole. (Wtedy\rpole Firma nie może być zaznaczone.)",
         "NIP"},
        {"symbol of another counterparty", [](CounterpartyData& d) { d.symbol = "istnieje"; },
         "W bazie jest już firma o podanym symbolu.\rWpisz coś innego.", "Symbol"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages_.shown.clear();
        CounterpartyData d = sample("NOWY");
        c.change(d);
        const auto outcome = saveNew(d);
        EXPECT_FALSE(outcome.saved);
        EXPECT_EQ(outcome.field, c.field);
        ASSERT_EQ(messages_.shown.size(), 1);
        EXPECT_EQ(messages_.last(), c.message);
        EXPECT_EQ(messages_.shown.last().title, "Nowy kontrahent");
    }
    EXPECT_EQ(rules_->nextNumber(), 2);  // nothing was written
    // A business without NIP cannot be saved, a private person can.
    CounterpartyData person = sample("OSOBA");
    person.firma = false;
    EXPECT_TRUE(saveNew(person).saved);
    // The edited counterparty's own symbol and NIP are no duplicates.
    const auto own = rules_->findBySymbol("ISTNIEJE");
    engine::Table t(company_->database(), "firmy");
    t.open();
    t.setIndexName("fsymbol");
    ASSERT_TRUE(t.findKey({true, "ISTNIEJE"}));
    const CounterpartyData loaded = readCounterparty(t);
    CounterpartyData changed = loaded;
    changed.tel1 = "123";
    EXPECT_TRUE(saveEdit(t.fieldByName("Kod").asInteger(), loaded, changed).saved);
    EXPECT_EQ(rules_->findBySymbol("ISTNIEJE"), own);
}

TEST_F(RulesTest, SameNipWithTheOptionIsAQuestion) {
    options_.sameNipAllowed = true;
    ASSERT_TRUE(saveNew(sample("A", "1234563218")).saved);
    messages_.answers = {shell::Answer::Ok};  // "Tak": type another number
    EXPECT_FALSE(saveNew(sample("B", "1234563218")).saved);
    EXPECT_EQ(messages_.last(),
              "W bazie jest już kontrahent o identycznym numerze NIP.\rCzy "
              "chcesz wpisać inny numer?");
    EXPECT_TRUE(messages_.shown.last().question);
    messages_.answers = {shell::Answer::No};
    EXPECT_TRUE(saveNew(sample("B", "1234563218")).saved);
}

TEST_F(RulesTest, DeletingDependsOnTheDocumentsThatNameTheCounterparty) {
    struct Case {
        const char* name;
        QString table;
        QString field;
        DeleteOutcome outcome;
    };
    const QList<Case> cases = {
        {"cash or bank payment", "kasabank", "Kontrahent", DeleteOutcome::Refused},
        {"invoice buyer", "faktury", "Nabywca", DeleteOutcome::Refused},
        {"warehouse document", "magazynowe", "Kontrahent", DeleteOutcome::Refused},
        {"purchase supplier", "zakupy", "Kontrahent", DeleteOutcome::Refused},
        {"transfer", "przelewy", "NumerFirmy", DeleteOutcome::Refused},
        {"invoice recipient only", "faktury", "Odbiorca", DeleteOutcome::Retired},
        {"invoice payer only", "faktury", "Platnik", DeleteOutcome::Retired},
        {"warehouse recipient only", "magazynowe", "OdbiorcaDostawca", DeleteOutcome::Retired},
        {"no document", "", "", DeleteOutcome::Deleted},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages_.shown.clear();
        const QString symbol = QStringLiteral("D%1").arg(++n);
        const auto saved = saveNew(sample(symbol));
        ASSERT_TRUE(saved.saved);
        if (!c.table.isEmpty())
            add(c.table, {{c.field, saved.numer}});
        EXPECT_EQ(rules_->remove(saved.kod), c.outcome);
        const QList<QVariantMap> left = versions(saved.numer);
        switch (c.outcome) {
            case DeleteOutcome::Refused:
                EXPECT_EQ(messages_.texts(), QStringList{kDeleteRefusedMessage});
                EXPECT_EQ(rules_->findBySymbol(symbol), saved.numer);
                break;
            case DeleteOutcome::Retired:
                EXPECT_TRUE(messages_.shown.isEmpty());
                EXPECT_EQ(rules_->findBySymbol(symbol), 0);
                ASSERT_EQ(left.size(), 1);
                EXPECT_FALSE(left.first()["Last"].toBool());
                break;
            default:
                EXPECT_TRUE(messages_.shown.isEmpty());
                EXPECT_TRUE(left.isEmpty());
        }
    }
}

TEST(FilterExpression, PatternsBecomeConditionsInTheDialogsOrder) {
    struct Case {
        FilterPatterns patterns;
        FilterMode mode;
        QString expression;
    };
    FilterPatterns kowal;
    kowal.nazwa = "kowal";
    FilterPatterns several;
    several.nazwa = "*Kowal";
    several.miasto = "O'Neil";
    several.telefon = "22";
    several.email = "*@";
    FilterPatterns empty;
    empty.nazwa = " * \r\n";
    empty.symbol = "***";
    const QString severalText =
        "(Nazwa='*Kowal')%1(APoczta='*O''Neil')%1((Tel1='*22') or (Tel2='*22') or (Fax='*22'))"
        "%1(EMail='*@')";
    const QList<Case> cases = {
        {kowal, FilterMode::All, "(Nazwa='*kowal')"},
        {kowal, FilterMode::None, "not ((Nazwa='*kowal'))"},
        {several, FilterMode::All, severalText.arg(" and ")},
        {several, FilterMode::Any, severalText.arg(" or ")},
        {several, FilterMode::None, "not (" + severalText.arg(" or ") + ")"},
        {empty, FilterMode::All, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterExpression(c.patterns, c.mode), c.expression);
}

TEST_F(RulesTest, OptionsReadTheirDefaultsAndKeepWhatWasSaved) {
    CounterpartyOptions fresh = CounterpartyOptions::load(company_->TableOpcje);
    EXPECT_FALSE(fresh.symbolFromName);
    EXPECT_TRUE(fresh.firma);
    EXPECT_FALSE(fresh.sameNipAllowed);
    EXPECT_EQ(fresh.priceLevel, 0);
    EXPECT_FALSE(fresh.odbiera);
    EXPECT_EQ(fresh.osobaPan, "Pan");
    CounterpartyOptions changed;
    changed.symbolFromName = true;
    changed.firma = false;
    changed.sameNipAllowed = true;
    changed.priceLevel = 2;
    changed.odbiera = true;
    changed.osobaPan = "Pani";
    ASSERT_TRUE(company_->writer().saveInTransaction(
        [&] { ASSERT_TRUE(changed.save(company_->TableOpcje)); }));
    const CounterpartyOptions read = CounterpartyOptions::load(company_->TableOpcje);
    EXPECT_TRUE(read.symbolFromName);
    EXPECT_FALSE(read.firma);
    EXPECT_TRUE(read.sameNipAllowed);
    EXPECT_EQ(read.priceLevel, 2);
    EXPECT_TRUE(read.odbiera);
    EXPECT_EQ(read.osobaPan, "Pani");
}

TEST_F(RulesTest, ARefusedRightStopsTheEditorWithTheRightsMessage) {
    addUser({"Kasowanie_firma"});
    EXPECT_TRUE(shell::registers::requireModeRight(*session_, EditorMode::New, "firma"));
    EXPECT_TRUE(shell::registers::requireModeRight(*session_, EditorMode::Edit, "firma"));
    EXPECT_TRUE(messages_.shown.isEmpty());
    EXPECT_FALSE(shell::registers::requireModeRight(*session_, EditorMode::Delete, "firma"));
    EXPECT_EQ(messages_.last(), "Nie masz uprawnień do wykonania tej czynności.");
}

}  // namespace

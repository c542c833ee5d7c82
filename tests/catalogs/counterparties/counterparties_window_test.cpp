#include "catalogs/counterparties/counterparties_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include "catalogs/counterparties/counterparty_fixture.h"
#include "common/controls/grid_plus.h"
#include "shell/dialogs/modal_driver.h"
#include "shell/registers/register_list.h"

namespace {

using namespace catalogs::counterparties;
using counterpartytest::CounterpartyTest;
using shell::testing::onNextModal;

class WindowTest : public CounterpartyTest {
  protected:
    template <class T>
    static T* child(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static void type(QWidget* w, const char* name, const QString& text) {
        if (auto* e = w->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            e->clear();
            // Qt Test types ASCII only.
            if (!text.contains(QRegularExpression("[^\\x20-\\x7e]")))
                QTest::keyClicks(e, text);
            else
                e->setText(text);
        } else if (auto* m = w->findChild<QPlainTextEdit*>(QString::fromLatin1(name))) {
            m->setPlainText(text);
        } else {
            ADD_FAILURE() << "no field " << name;
        }
    }
    QStringList symbolsShown(TFirmy& w) {
        QStringList out;
        auto& model = w.list().model();
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.data(model.index(r, 1), Qt::DisplayRole).toString();
        return out;
    }
};

TEST_F(WindowTest, NewEditAndDeleteThroughTheEditor) {
    addUser();
    TFirmy window(*company_, *session_);
    window.show();
    EXPECT_FALSE(child<QToolButton>(&window, "EditB")->isEnabled());
    EXPECT_FALSE(child<QToolButton>(&window, "ExcelB")->isEnabled());

    // Insert in the grid opens a new entry; "Następna" saves it and starts the next one.
    onNextModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Nowy kontrahent");
        type(w, "Nazwa", "Kowalski i Syn");
        type(w, "Ulica", "Polna 1");
        type(w, "Kod", "00-950");
        type(w, "Miasto", "Warszawa");
        type(w, "NIP", "440514 01359");
        type(w, "Symbol", "KOWAL");
        QTest::mouseClick(child<QPushButton>(w, "Nastep"), Qt::LeftButton);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(child<QLineEdit>(w, "Symbol")->text().isEmpty());
        type(w, "Nazwa", "Alfa");
        type(w, "Miasto", "Kraków");
        type(w, "Symbol", "ALFA");
        child<QCheckBox>(w, "CheckFirma")->setChecked(false);
        QTest::mouseClick(child<QPushButton>(w, "Zapisz"), Qt::LeftButton);
    });
    window.grid()->setFocus();
    QTest::keyClick(window.grid(), Qt::Key_Insert);
    EXPECT_TRUE(messages_.shown.isEmpty()) << messages_.last().toStdString();
    EXPECT_EQ(symbolsShown(window), (QStringList{"ALFA", "KOWAL"}));
    EXPECT_EQ(window.rules().findByNip("PESEL:44051401359"), 1);

    // Searching moves the list; Enter edits the record found.
    QTest::keyClicks(window.searchBox(), "KO");
    EXPECT_EQ(company_->TableFirmy.fieldByName("Symbol").asString(), "KOWAL");
    EXPECT_TRUE(child<QToolButton>(&window, "EditB")->isEnabled());
    onNextModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Zmiana danych kontrahenta");
        EXPECT_FALSE(child<QPushButton>(w, "Nastep")->isEnabled());
        EXPECT_EQ(child<QLineEdit>(w, "Ulica")->text(), "Polna 1");
        type(w, "Ulica", "Polna 10");
        QTest::mouseClick(child<QPushButton>(w, "Zapisz"), Qt::LeftButton);
    });
    QTest::keyClick(window.grid(), Qt::Key_Return);
    EXPECT_EQ(versions(1).size(), 2);
    EXPECT_EQ(company_->TableFirmy.fieldByName("AUlica").asString(), "Polna 10");

    // An invoice buyer cannot be deleted: "Usuń" is then disabled.
    add("faktury", {{"Nabywca", 1}, {"NabywcaKod", 2}});
    onNextModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Kasowanie danych kontrahenta");
        auto* usun = child<QPushButton>(w, "Zapisz");
        EXPECT_EQ(usun->text(), "&Usuń");
        EXPECT_FALSE(child<QLineEdit>(w, "Symbol")->isEnabled());
        QTest::mouseClick(usun, Qt::LeftButton);
        EXPECT_FALSE(usun->isEnabled());
        QTest::mouseClick(child<QPushButton>(w, "Anuluj"), Qt::LeftButton);
    });
    QTest::keyClick(window.grid(), Qt::Key_Delete);
    EXPECT_EQ(messages_.texts(), QStringList{kDeleteRefusedMessage});

    // The other one goes.
    window.list().first();
    EXPECT_EQ(company_->TableFirmy.fieldByName("Symbol").asString(), "ALFA");
    onNextModal(
        [&](QWidget* w) { QTest::mouseClick(child<QPushButton>(w, "Zapisz"), Qt::LeftButton); });
    child<QToolButton>(&window, "DeleteB")->click();
    EXPECT_EQ(symbolsShown(window), QStringList{"KOWAL"});
}

TEST_F(WindowTest, TheChooserReturnsThePickedRecord) {
    addUser();
    for (const char* s : {"BETA", "ALFA", "123"}) {
        CounterpartyData d;
        d.symbol = s;
        d.nazwa = QStringLiteral("Firma %1\r\nOddział").arg(s);
        d.miasto = "Gdańsk";
        d.firma = false;
        d.osoba = "Nowak";
        d.odbiera = true;
        ASSERT_TRUE(CounterpartyRules(*company_)
                        .save(d, EditorMode::New, 0, {}, {}, "Nowy kontrahent", QDate(2026, 1, 1))
                        .saved);
    }
    TFirmy window(*company_, *session_);
    // Picker: opened on the typed symbol; the user moves one down and uses it.
    onNextModal([&](QWidget* w) {
        EXPECT_EQ(child<QPushButton>(w, "Zamknij")->text(), "&Użyj");
        EXPECT_EQ(company_->TableFirmy.fieldByName("Symbol").asString(), "ALFA");
        window.list().next();
        QTest::keyClick(window.grid(), Qt::Key_Return);
    });
    ChosenCounterparty picked = window.chooseCounterparty({true, false, 0, false, "ALFA"});
    EXPECT_TRUE(picked.ok);
    EXPECT_EQ(picked.symbol, "BETA");
    EXPECT_EQ(picked.numer, 1);
    EXPECT_EQ(picked.nameLines(), (QStringList{"Firma BETA", "Oddział", ""}));
    EXPECT_EQ(picked.receivedBy(), "Nowak");
    EXPECT_EQ(child<QPushButton>(&window, "Zamknij")->text(), "&Zamknij");

    // Escape changes nothing.
    onNextModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(window.chooseCounterparty({true, false, 0, false, "ALFA"}).ok);

    struct Case {
        ChooseRequest request;
        bool ok;
        qint64 numer;
        QString symbol;
    };
    const QList<Case> silent = {
        {{false, false, 0, false, "alfa"}, true, 2, "ALFA"},
        {{false, false, 0, false, "3"}, true, 3, "123"},  // no symbol "3": number 3
        {{false, false, 0, false, "123"}, true, 3, "123"},
        {{false, true, 1, false, ""}, true, 1, "BETA"},
        {{false, false, 0, false, "ZZZ"}, false, 0, "ZZZ"},
        {{false, false, 0, true, "ZZZ"}, false, -1, "ZZZ"},
        {{false, false, 0, true, "-1"}, false, -1, ""},
    };
    for (const Case& c : silent) {
        SCOPED_TRACE(c.request.symbolText.toStdString());
        const ChosenCounterparty r = window.chooseCounterparty(c.request);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.numer, c.numer);
        EXPECT_EQ(r.symbol, c.symbol);
    }
}

TEST_F(WindowTest, ARefusedRightOpensNoEditor) {
    addUser({"Nowe_firma"});
    TFirmy window(*company_, *session_);
    EXPECT_FALSE(window.openEditor(EditorMode::New));
    EXPECT_EQ(messages_.texts(), QStringList{"Nie masz uprawnień do wykonania tej czynności."});
}

TEST_F(WindowTest, TabsAndSortingChooseWhatTheListShows) {
    addUser();
    CounterpartyRules rules(*company_);
    struct Entry {
        const char* symbol;
        bool customer;
        bool supplier;
    };
    for (const Entry& e :
         {Entry{"C", true, false}, Entry{"A", false, true}, Entry{"B", true, true}}) {
        CounterpartyData d;
        d.symbol = e.symbol;
        d.nazwa = "X";
        d.miasto = "Y";
        d.firma = false;
        d.odbiorca = e.customer;
        d.dostawca = e.supplier;
        ASSERT_TRUE(rules.save(d, EditorMode::New, 0, {}, {}, "t", QDate(2026, 1, 1)).saved);
    }
    TFirmy window(*company_, *session_);
    EXPECT_EQ(symbolsShown(window), (QStringList{"A", "B", "C"}));
    window.setTab(CatalogTab::Customers);
    EXPECT_EQ(symbolsShown(window), (QStringList{"B", "C"}));
    window.setTab(CatalogTab::Suppliers);
    EXPECT_EQ(symbolsShown(window), (QStringList{"A", "B"}));
    window.setTab(CatalogTab::All);
    window.setSortByNumber(true);
    EXPECT_EQ(symbolsShown(window), (QStringList{"C", "A", "B"}));
    // The letter typed in the grid finds the symbol also while sorted by number.
    window.grid()->setFocus();
    QTest::keyClicks(window.grid(), "b");
    EXPECT_EQ(company_->TableFirmy.fieldByName("Symbol").asString(), "B");
    EXPECT_EQ(window.grid()->currentIndex().row(), 2);

    // The filter narrows the view while the toggle is down; applied empty, it pops back up.
    auto* filtr = child<QToolButton>(&window, "FiltrB");
    onNextModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Filtr");
        type(w, "Symbol", "b");
        QTest::mouseClick(window.filterDialog().applyButton(), Qt::LeftButton);
    });
    filtr->click();
    EXPECT_TRUE(filtr->isChecked());
    EXPECT_EQ(symbolsShown(window), QStringList{"B"});
    filtr->click();
    EXPECT_EQ(symbolsShown(window), (QStringList{"C", "A", "B"}));
    onNextModal([&](QWidget* w) {
        type(w, "Symbol", "*");
        QTest::mouseClick(window.filterDialog().applyButton(), Qt::LeftButton);
    });
    filtr->click();
    EXPECT_FALSE(filtr->isChecked());
    EXPECT_EQ(symbolsShown(window).size(), 3);
}

}  // namespace

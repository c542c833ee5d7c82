#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "companydata_fixture.h"
#include "shell/company/write_helpers.h"
#include "shell/companydata/company_data_dialog.h"
#include "shell/companydata/company_rules.h"

using namespace shell::companydata;
using companydatatest::CompanyDataTest;
using shell::Answer;

namespace {

const QString kRolvan = QStringLiteral("Rolvan");

class DialogTest : public CompanyDataTest {
  protected:
    template <typename T>
    static T* control(const QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QLineEdit* edit(const QDialog& dialog, const char* name) {
        return control<QLineEdit>(dialog, name);
    }
    static void setCell(const QDialog& dialog, int row, int column, const QString& text) {
        control<QTableWidget>(dialog, "GridKonta")->item(row, column)->setText(text);
    }

    void storeAccounts(const QList<BankAccount>& accounts) {
        for (qsizetype i = 0; i < accounts.size(); ++i) {
            const QString n = QString::number(i + 1);
            write(kRolvan, "Konto bank", n, accounts[i].bank);
            write(kRolvan, "Konto numer", n, accounts[i].number);
        }
    }
    QList<BankAccount> storedAccounts() {
        CompanyInfo info;
        auto s = store();
        info.load(s);
        return info.accounts();
    }
};

}  // namespace

TEST_F(DialogTest, ShowsTheStoredDataAndSavesWhatWasTyped) {
    write("Faktura", "Napisy", "Firma", "Alfa\rBeta");
    write("Faktura", "Napisy", "Dane firmy", "Polna 1\r00-950 Warszawa\r\r5260250995\r\r\r\r");
    write(kRolvan, "Konfiguracja", "Rodzaj firmy", "3");
    write("US", "Dane", "Urzad", "1471");
    storeAccounts({{"Bank A", "11"}});

    TDaneFirmy dialog(company(), session());
    EXPECT_EQ(dialog.windowTitle(), "Dane firmy");
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "MemoNazwa")->toPlainText(), "Alfa\nBeta");
    EXPECT_EQ(edit(dialog, "EditKod")->text(), "00-950 Warszawa");
    EXPECT_TRUE(control<QRadioButton>(dialog, "FirmaR")->isChecked());
    EXPECT_EQ(control<QTableWidget>(dialog, "GridKonta")->item(0, 1)->text(), "11");
    EXPECT_TRUE(
        control<QComboBox>(dialog, "ComboUrzedySkarbowe")->currentText().startsWith("1471 "));
    EXPECT_EQ(control<QComboBox>(dialog, "ComboWojJpk")->currentIndex(), -1);
    EXPECT_EQ(edit(dialog, "EditKrajJpk")->text(), "PL");
    EXPECT_TRUE(dialog.okButton()->isEnabled());

    control<QPlainTextEdit>(dialog, "MemoNazwa")->setPlainText("Gamma\n");
    edit(dialog, "EditTelefon")->setText("22 111");
    control<QCheckBox>(dialog, "CheckReverse")->setChecked(true);
    setCell(dialog, 1, 0, "Bank B");
    setCell(dialog, 1, 1, "22\\33");
    control<QComboBox>(dialog, "ComboWojJpk")->setCurrentIndex(14);
    control<QComboBox>(dialog, "ComboUrzedySkarbowe")->setCurrentIndex(0);
    QSignalSpy kindSpy(&dialog, &TDaneFirmy::sellerKindChanged);
    QSignalSpy accountsSpy(&dialog, &TDaneFirmy::accountsChanged);
    dialog.okButton()->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.shown.isEmpty()) << messages_.last().toStdString();
    EXPECT_EQ(read("Faktura", "Napisy", "Firma"), "Gamma");
    EXPECT_EQ(read("Faktura", "Napisy", "Dane firmy"),
              "Polna 1\r00-950 Warszawa\r22 111\r5260250995\r\r\r\r");
    EXPECT_EQ(read(kRolvan, "Konfiguracja", u"Odwrotne obciążenie"_qs), "Tak");
    EXPECT_EQ(storedAccounts(), (QList<BankAccount>{{"Bank A", "11"}, {"Bank B", "22 33"}}));
    EXPECT_EQ(read("US", "Dane", "Wojewodztwo"), "14");
    EXPECT_EQ(read("US", "Dane", "Urzad"), "0202");
    EXPECT_EQ(read("US", "Dane", "Kraj"), "PL");
    EXPECT_EQ(kindSpy.count(), 1);
    EXPECT_EQ(accountsSpy.count(), 1);
    EXPECT_EQ(dialog.companyInfo().telephone, "22 111");
}

TEST_F(DialogTest, OnlyAChangedSellerKindOrFlagResetsTheSalesDocumentKinds) {
    struct Case {
        const char* what;
        std::function<void(TDaneFirmy&)> change;
        int resets;
    };
    const Case cases[] = {
        {"telephone", [](TDaneFirmy& d) { edit(d, "EditTelefon")->setText("1"); }, 0},
        {"kind", [](TDaneFirmy& d) { control<QRadioButton>(d, "FirmaR")->setChecked(true); }, 1},
        {"receipts",
         [](TDaneFirmy& d) { control<QCheckBox>(d, "CheckParagony")->setChecked(true); }, 1},
        {"cash", [](TDaneFirmy& d) { control<QCheckBox>(d, "CheckMetodaKasowa")->toggle(); }, 1},
    };
    TDaneFirmy dialog(company(), session());
    for (const Case& c : cases) {
        dialog.prepareToShow();
        QSignalSpy spy(&dialog, &TDaneFirmy::sellerKindChanged);
        c.change(dialog);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.what;
        EXPECT_EQ(spy.count(), c.resets) << c.what;
    }
}

TEST_F(DialogTest, AQuestionableTaxNumberIsSavedOnlyWhenTheUserKeepsIt) {
    TDaneFirmy dialog(company(), session());
    QLineEdit* nip = edit(dialog, "EditNIP");

    nip->setText("526-025-09-94");
    messages_.answers = {Answer::Ok};  // "Tak": change it
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages_.last(),
              u"Numer NIP prawdopodobnie nie jest prawidłowy. Czy chcesz go zmienić?"_qs);
    EXPECT_TRUE(messages_.shown.last().question);
    EXPECT_EQ(read("Faktura", "Napisy", "Dane firmy"), "");

    messages_.answers = {Answer::No};
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.companyInfo().taxNumber, "526-025-09-94");

    // A bare PESEL gets its label, without the blanks typed inside it.
    dialog.prepareToShow();
    edit(dialog, "EditNIP")->setText("440514 01359");
    const qsizetype shown = messages_.shown.size();
    dialog.accept();
    EXPECT_EQ(messages_.shown.size(), shown);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.companyInfo().taxNumber, "PESEL:44051401359");
}

TEST_F(DialogTest, AnAccountWithBankEntriesCannotMove) {
    storeAccounts({{"A", "1"}, {"B", "2"}});
    addBankEntry(1);
    TDaneFirmy dialog(company(), session());

    for (int row : {0, 1}) {
        dialog.prepareToShow();
        setCell(dialog, row, 1, "");
        messages_.shown.clear();
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << row;
        EXPECT_EQ(messages_.texts(), QStringList{kAccountInUseMessage}) << row;
        EXPECT_EQ(storedAccounts(), (QList<BankAccount>{{"A", "1"}, {"B", "2"}})) << row;
    }

    dialog.prepareToShow();
    setCell(dialog, 0, 1, "1-poprawiony");
    setCell(dialog, 2, 0, "C");
    setCell(dialog, 2, 1, "3");
    messages_.shown.clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.shown.isEmpty());
    EXPECT_EQ(storedAccounts(),
              (QList<BankAccount>{{"A", "1-poprawiony"}, {"B", "2"}, {"C", "3"}}));

    // Removing an account after the one in use is allowed.
    dialog.prepareToShow();
    setCell(dialog, 2, 0, "");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(storedAccounts().size(), 2);
}

TEST_F(DialogTest, AFailedWriteLeavesEverythingAsItWasAndTheDialogOpen) {
    write("Faktura", "Napisy", "Firma", "Stara nazwa");
    write(kRolvan, "Konfiguracja", "Wystawia paragony", "Nie");
    // Another cursor holds the record of a setting written after the name.
    engine::Table holder(company().database(), QStringLiteral("opcjef"));
    holder.open();
    holder.setIndexName(QStringLiteral("main"));
    ASSERT_TRUE(holder.findKey({kRolvan, "Konfiguracja", "Wystawia paragony"}));
    holder.edit();

    TDaneFirmy dialog(company(), session());
    dialog.show();
    control<QPlainTextEdit>(dialog, "MemoNazwa")->setPlainText("Nowa nazwa");
    control<QCheckBox>(dialog, "CheckParagony")->setChecked(true);
    dialog.accept();

    EXPECT_EQ(messages_.texts(), QStringList{shell::company::kUnexpectedDbErrorMessage});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "MemoNazwa")->toPlainText(), "Nowa nazwa");
    holder.cancel();
    EXPECT_EQ(read("Faktura", "Napisy", "Firma"), "Stara nazwa");
    EXPECT_EQ(read(kRolvan, "Konfiguracja", "Wystawia paragony"), "Nie");
    EXPECT_FALSE(company().database().inTransaction());

    // Once the record is free the same save goes through.
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(read("Faktura", "Napisy", "Firma"), "Nowa nazwa");
}

TEST_F(DialogTest, CancelBringsBackTheStoredData) {
    write("Faktura", "Napisy", "Dane firmy", "Polna 1\r\r\r\r\r\r\r");
    TDaneFirmy dialog(company(), session());
    dialog.show();
    edit(dialog, "EditUlica")->setText("Inna");
    setCell(dialog, 0, 0, "X");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(edit(dialog, "EditUlica")->text(), "Polna 1");
    EXPECT_EQ(control<QTableWidget>(dialog, "GridKonta")->item(0, 0)->text(), "");
    EXPECT_EQ(read("Faktura", "Napisy", "Dane firmy"), "Polna 1\r\r\r\r\r\r\r");

    dialog.show();
    edit(dialog, "EditUlica")->setText("Inna");
    dialog.cancelButton()->click();
    EXPECT_EQ(dialog.companyInfo().street, "Polna 1");
    EXPECT_EQ(edit(dialog, "EditUlica")->text(), "Polna 1");
}

TEST_F(DialogTest, SavingNeedsTheRightAndIsNeverOfferedForTheSampleCompany) {
    addUser("ola", "tajne", {TDaneFirmy::kRight});
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    TDaneFirmy dialog(company(), session());
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    edit(dialog, "EditUlica")->setText("Inna");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(read("Faktura", "Napisy", "Dane firmy"), "");

    ASSERT_TRUE(session().checkLogIn("admin", "admin1"));
    write("Faktura", "Napisy", "Firma", u"Firma Przykładowa"_qs);
    write("Faktura", "Napisy", "Dane firmy", "\r\r\r777-777-77-77\r\r\r\r");
    dialog.prepareToShow();
    EXPECT_EQ(dialog.windowTitle(), u"Danych przykładowej firmy nie można zmienić"_qs);
    dialog.show();
    EXPECT_FALSE(dialog.okButton()->isVisible());
    EXPECT_TRUE(control<QLabel>(dialog, "LabelUwaga")->isVisible());
    edit(dialog, "EditUlica")->setText("Inna");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(read("Faktura", "Napisy", "Dane firmy"), "\r\r\r777-777-77-77\r\r\r\r");

    // Any other tax number is a company of its own.
    write("Faktura", "Napisy", "Dane firmy", "\r\r\r777-777-77-78\r\r\r\r");
    dialog.prepareToShow();
    EXPECT_EQ(dialog.windowTitle(), "Dane firmy");
    EXPECT_TRUE(dialog.okButton()->isVisible());
    EXPECT_FALSE(control<QLabel>(dialog, "LabelUwaga")->isVisible());
}

TEST_F(DialogTest, NoOfficeChosenKeepsTheStoredCode) {
    write("US", "Dane", "Urzad", "9999");  // no longer in the list
    TDaneFirmy dialog(company(), session());
    EXPECT_EQ(control<QComboBox>(dialog, "ComboUrzedySkarbowe")->currentIndex(), -1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(read("US", "Dane", "Urzad"), "9999");
}

TEST_F(DialogTest, TheKeyboardMovesThroughTheFieldsAndGuardsTheName) {
    TDaneFirmy dialog(company(), session());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* memo = control<QPlainTextEdit>(dialog, "MemoNazwa");
    memo->setFocus();
    QTest::keyClicks(memo, "A");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "B");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "C");
    EXPECT_EQ(memo->toPlainText(), "A\nB\nC");
    // A fourth line is not started: Enter goes on to the street.
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->toPlainText(), "A\nB\nC");
    EXPECT_EQ(QApplication::focusWidget(), edit(dialog, "EditUlica"));
    EXPECT_EQ(memo->textCursor().position(), 0);

    // Enter in a single-line field and in a kind button moves on as well, never pressing Ok.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit(dialog, "EditKod"));
    control<QRadioButton>(dialog, "FirmaVatR")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The kind buttons are one stop of the tab chain; the arrows move between them.
    EXPECT_EQ(QApplication::focusWidget(), control<QCheckBox>(dialog, "CheckParagony"))
        << QApplication::focusWidget()->objectName().toStdString();
    EXPECT_TRUE(dialog.isVisible());

    // A pasted fourth line is refused when the name is left, and when saving.
    memo->setFocus();
    memo->setPlainText("A\nB\nC\nD");
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(messages_.texts(), QStringList{kNameTooLongMessage});
    EXPECT_EQ(messages_.shown.last().title, "Dane firmy");
    EXPECT_EQ(QApplication::focusWidget(), memo);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(read("Faktura", "Napisy", "Firma"), "");

    // The name holds 150 characters at most.
    memo->setPlainText(QString(200, QLatin1Char('x')));
    EXPECT_EQ(memo->toPlainText().size(), 150);
}

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "numbering_fixture.h"
#include "sales/numbering/numbering_window.h"
#include "shell/users/user_editing.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"

using namespace sales;
using numberingtest::NumberingTest;

namespace {

const QString kNoRight = QStringLiteral("Nie masz uprawnień do wykonania tej czynności.");
const QString kUnexpected = QStringLiteral(
    "W czasie dostępu do bazy danych wystąpił niespodziewany błąd. Program należy zakończyć i "
    "uruchomić ponownie.");

class NumberingWindowTest : public NumberingTest {
  protected:
    void SetUp() override {
        NumberingTest::SetUp();
        ASSERT_TRUE(usersDir_.isValid());
        usersDb_ = std::make_unique<engine::Database>(data::usersDatabasePath(usersDir_.path()));
        data::createUsersTable(*usersDb_);
        session_ = std::make_unique<shell::UserSession>(*usersDb_);
        addUser("admin", {});
        addUser("jan", {QStringLiteral("Zmiana_opcji")});
        common::setToday(QDate(2024, 5, 20));
        window_ = std::make_unique<TOpcjeNum>(*company_, *session_);
    }
    void TearDown() override {
        window_.reset();
        NumberingTest::TearDown();
    }

    void addUser(const QString& ident, const QStringList& refused) {
        shell::UserDraft draft;
        draft.name = ident;
        draft.ident = ident;
        draft.password = draft.repeat = QStringLiteral("haslo");
        for (const QString& field : shell::editorRightFields())
            draft.rights.insert(field, !refused.contains(field));
        ASSERT_TRUE(shell::saveUser(*session_, 0, draft, QString()).saved);
    }

    // Everything the window writes, as stored.
    QStringList allStored() {
        QStringList out;
        for (int index : counterIndices())
            out << stored(templateKey(index)) << stored(counterKey(index))
                << stored(copiesKey(index));
        out << stored(continuationKey()) << stored(monthlyKey());
        return out;
    }

    QTemporaryDir usersDir_;
    std::unique_ptr<engine::Database> usersDb_;
    std::unique_ptr<shell::UserSession> session_;
    std::unique_ptr<TOpcjeNum> window_;
};

TEST_F(NumberingWindowTest, LoadingFillsTheBoxesAndWritesMissingEntries) {
    put(counterKey(kInvoiceCounter), "57");
    put(templateKey(kBillCounter), "R #/@");
    put(monthlyKey(), "Tak");
    window_->loadNumberingOptions();
    EXPECT_EQ(window_->nextNumberBox(kInvoiceCounter)->text(), "57");
    EXPECT_EQ(window_->nextNumberBox(kOrderCounter)->text(), "1");
    EXPECT_EQ(window_->copiesBox(kReceiptCounter)->text(), "1");
    EXPECT_EQ(window_->templateOf(kBillCounter), "R #/@");
    EXPECT_EQ(window_->templateOf(kCashCounter), "nr DK #/$");
    EXPECT_TRUE(window_->modeButton(NumberingMode::MonthlyRestart)->isChecked());
    EXPECT_TRUE(window_->okButton()->isEnabled());
    for (int index : counterIndices()) {
        EXPECT_FALSE(stored(counterKey(index)).isEmpty()) << index;
        EXPECT_EQ(stored(copiesKey(index)), "1") << index;
    }
    EXPECT_TRUE(messages_.shown.isEmpty());
}

TEST_F(NumberingWindowTest, ExamplesFollowTheTemplateBoxes) {
    window_->loadNumberingOptions();
    struct Case {
        int index;
        const char* numberTemplate;
        const char16_t* example;
    };
    const Case cases[] = {
        {kInvoiceCounter, "nr #/&/$", u"Faktura nr 123/05/2024"},
        {kProFormaCounter, "nr ####/@", u"Proforma nr 0123/24"},
        {kCashCounter, "KP #", u"Dokument kasowy KP 123"},
        {kGoodsReceivedCounter, "nr #/$", u"Dokument przyjęcia PZ nr 123/2024"},
        {kReceiptCounter, "", u"Paragon "},
    };
    for (const Case& c : cases) {
        window_->templateBox(c.index)->setEditText(QString::fromUtf8(c.numberTemplate));
        EXPECT_EQ(window_->exampleLabel(c.index)->text(), QString::fromUtf16(c.example));
    }
    EXPECT_EQ(exampleTitle(kInvoiceCounter, QDate(2012, 12, 31)), "Faktura VAT ");
    EXPECT_EQ(exampleTitle(kProFormaCounter, QDate(2012, 12, 31)), "Faktura proforma ");
    EXPECT_EQ(window_->templateBox(kInvoiceCounter)->lineEdit()->maxLength(), 20);
}

TEST_F(NumberingWindowTest, TheOnesButtonAndTheNumberBoxes) {
    window_->loadNumberingOptions();
    window_->show();
    DigitsInput* next = window_->nextNumberBox(kBillCounter);
    next->setFocus();
    next->selectAll();
    QTest::keyClicks(next, "12-a,34567");
    EXPECT_EQ(next->text(), "123456");
    QTest::keyClick(next, Qt::Key_Backspace);
    EXPECT_EQ(next->text(), "12345");

    window_->nextNumberBox(kInvoiceCounter)->setNumber(40);
    QTest::mouseClick(window_->onesButton(), Qt::LeftButton);
    for (int index : counterIndices())
        EXPECT_EQ(window_->nextNumberBox(index)->text(), "1") << index;

    // Left empty, a next number counts as 1 and a number of copies as 0.
    window_->nextNumberBox(kInvoiceCounter)->clear();
    window_->copiesBox(kInvoiceCounter)->clear();
    const NumberingOptions values = window_->options();
    EXPECT_EQ(values.nextNumbers.value(kInvoiceCounter), 1);
    EXPECT_EQ(values.copies.value(kInvoiceCounter), 0);
    EXPECT_EQ(window_->copiesBox(kInvoiceCounter)->maxLength(), 1);
}

TEST_F(NumberingWindowTest, OkSavesEverythingAndCloses) {
    window_->loadNumberingOptions();
    window_->show();
    window_->templateBox(kCashCounter)->setEditText("KP #/&");
    window_->nextNumberBox(kGoodsIssuedCounter)->setNumber(77);
    window_->copiesBox(kInvoiceCounter)->setNumber(2);
    window_->modeButton(NumberingMode::Continuation)->setChecked(true);
    QTest::mouseClick(window_->okButton(), Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(window_->result(), QDialog::Accepted);
    EXPECT_EQ(stored(templateKey(kCashCounter)), "KP #/&");
    EXPECT_EQ(stored(counterKey(kGoodsIssuedCounter)), "77");
    EXPECT_EQ(stored(copiesKey(kInvoiceCounter)), "2");
    EXPECT_EQ(stored(continuationKey()), "Tak");
    EXPECT_EQ(stored(monthlyKey()), "Nie");
    EXPECT_EQ(readNumberingMode(store()), NumberingMode::Continuation);
    EXPECT_TRUE(messages_.shown.isEmpty());
}

TEST_F(NumberingWindowTest, RefusalsLeaveTheStoreAsItWas) {
    window_->loadNumberingOptions();
    window_->show();
    const QStringList before = allStored();

    // The monthly mode needs the month in every template.
    window_->modeButton(NumberingMode::MonthlyRestart)->setChecked(true);
    for (int index : counterIndices())
        window_->templateBox(index)->setEditText("nr #/&/$");
    window_->templateBox(kInternalReceiptCounter)->setEditText("nr #/$");
    EXPECT_FALSE(window_->saveNumberingOptions());
    EXPECT_EQ(messages_.last(), TOpcjeNum::kMonthSymbolMissing);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(allStored(), before);

    // Without the right to change options.
    ASSERT_TRUE(session_->checkLogIn("jan", "haslo"));
    window_->loadNumberingOptions();
    EXPECT_FALSE(window_->okButton()->isEnabled());
    window_->modeButton(NumberingMode::Continuation)->setChecked(true);
    EXPECT_FALSE(window_->saveNumberingOptions());
    EXPECT_EQ(messages_.last(), kNoRight);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(allStored(), before);
}

TEST_F(NumberingWindowTest, AFailedWriteChangesNothingAndKeepsTheWindowOpen) {
    window_->loadNumberingOptions();
    ASSERT_TRUE(window_->saveNumberingOptions());
    const QStringList before = allStored();

    window_->show();
    for (int index : counterIndices()) {
        window_->templateBox(index)->setEditText("X #/&");
        window_->nextNumberBox(index)->setNumber(500);
    }
    window_->modeButton(NumberingMode::MonthlyRestart)->setChecked(true);

    // Another user holds the record of the third value written: the bill's template.
    engine::Database other(path());
    engine::Table theirs(other, "opcjef");
    theirs.open();
    theirs.setIndexName("main");
    const SettingKey third = templateKey(kBillCounter);
    ASSERT_TRUE(theirs.findKey({third.group, third.subgroup, third.name}));
    theirs.edit();

    QTest::mouseClick(window_->okButton(), Qt::LeftButton);
    EXPECT_EQ(messages_.texts(), QStringList({kUnexpected}));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(company_->TableOpcje.state(), engine::Table::State::Browse);
    EXPECT_EQ(allStored(), before);

    // Once the record is free again the same values save.
    theirs.cancel();
    QTest::mouseClick(window_->okButton(), Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(stored(templateKey(kBillCounter)), "X #/&");
    EXPECT_EQ(stored(counterKey(kInternalReceiptCounter)), "500");
}

}  // namespace

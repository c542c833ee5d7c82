#include <gtest/gtest.h>

#include "common/conversion_error.h"
#include "numbering_fixture.h"
#include "sales/numbering/numbering_options.h"
#include "shell/company/write_helpers.h"

using namespace sales;
using numberingtest::NumberingTest;

namespace {

TEST(FormatNumber, BuildsTheTextFromTheTemplate) {
    struct Case {
        const char* numberTemplate;
        int year, month;
        qint64 sequence;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"nr #/$", 2013, 5, 7, u"nr 7/2013"},
        {"nr #/@", 2013, 5, 7, u"nr 7/13"},
        {"nr ####/$", 2013, 5, 7, u"nr 0007/2013"},
        {"nr #/&/$", 2013, 5, 7, u"nr 7/05/2013"},
        {"nr #/&/$", 2013, 11, 7, u"nr 7/11/2013"},
        {"nr #", 2013, 5, 7, u"nr 7"},
        {"nr #/#", 2013, 5, 7, u"nr 7/"},
        // Padding never shortens the number.
        {"nr ##/&", 2013, 3, 123, u"nr 123/03"},
        // Only the first of each symbol counts; the later ones vanish.
        {"#-#-$-$", 2014, 1, 5, u"5--2014-"},
        {"@@&&", 2014, 9, 5, u"1409"},
        {"###", 2014, 1, 0, u"000"},
        // Without "#" every document gets the same text.
        {"PZP stały", 2014, 1, 42, u"PZP stały"},
        {"", 2014, 1, 42, u""},
        {"ZPCHr nr #/$", 2024, 12, 1000000, u"ZPCHr nr 1000000/2024"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(QString::fromUtf8(c.numberTemplate), c.year, c.month, c.sequence),
                  QString::fromUtf16(c.expected))
            << c.numberTemplate << " " << c.sequence;
}

TEST(CounterIndex, KindsMapToTheirCounters) {
    const std::pair<const char*, int> salesCases[] = {{"F", 1},  {"K", 2}, {"R", 3}, {"PF", 4},
                                                      {"P", 12}, {"Z", 6}, {"XX", 6}};
    for (const auto& [kind, index] : salesCases)
        EXPECT_EQ(salesCounterIndex(kind), index) << kind;
    const std::pair<const char*, int> warehouseCases[] = {
        {"WZ", 7}, {"PZ", 8}, {"RW", 9}, {"PW", 10}, {"ZW", 10}};
    for (const auto& [kind, index] : warehouseCases)
        EXPECT_EQ(warehouseCounterIndex(kind), index) << kind;
    EXPECT_EQ(counterIndices().size(), 11);
    EXPECT_FALSE(counterIndices().contains(11));
    EXPECT_EQ(counterKey(kCashCounter).name, "Kolejny numer kasowego");
    EXPECT_EQ(counterKey(kCashCounter).group, "Faktura");
    EXPECT_EQ(templateKey(kCashCounter).group, "Kasa");
    EXPECT_EQ(templateKey(kCashCounter).name, "Format numeru dokumentu kasowego");
    EXPECT_EQ(templateKey(kOrderCounter).name, u"Format numeru zamówienia"_qs);
    EXPECT_EQ(copiesKey(kReceiptCounter).name, "Liczba kopii paragonu");
}

// --------------------------------------------------------------- counters

TEST_F(NumberingTest, NextNumberAcrossMonthAndYearBoundaries) {
    struct Case {
        NumberingMode mode;
        QDate last, created;
        qint64 fixed;
        qint64 expected;
    };
    using M = NumberingMode;
    const QDate none;
    const Case cases[] = {
        // The counter decides whatever the dates in the yearly and continuation modes; the
        // yearly restart is the user's, through the numbering window.
        {M::YearlyRestart, QDate(2024, 1, 31), QDate(2024, 2, 1), -1, 5},
        {M::YearlyRestart, QDate(2023, 12, 31), QDate(2024, 1, 2), -1, 5},
        {M::YearlyRestart, none, QDate(2024, 1, 2), -1, 5},
        {M::Continuation, QDate(2023, 12, 31), QDate(2024, 1, 2), -1, 5},
        {M::Continuation, QDate(2024, 1, 31), QDate(2024, 2, 1), -1, 5},
        // Monthly: a last document of an earlier month starts again from 1.
        {M::MonthlyRestart, QDate(2024, 1, 31), QDate(2024, 2, 1), -1, 1},
        {M::MonthlyRestart, QDate(2023, 12, 31), QDate(2024, 1, 2), -1, 1},
        {M::MonthlyRestart, QDate(2023, 2, 10), QDate(2024, 2, 10), -1, 1},
        {M::MonthlyRestart, none, QDate(2024, 2, 1), -1, 1},
        {M::MonthlyRestart, QDate(2024, 2, 1), QDate(2024, 2, 29), -1, 5},
        {M::MonthlyRestart, QDate(2024, 2, 29), QDate(2024, 2, 1), -1, 5},
        {M::MonthlyRestart, QDate(2024, 3, 1), QDate(2024, 2, 28), -1, 5},
        {M::MonthlyRestart, QDate(2025, 1, 1), QDate(2024, 12, 31), -1, 5},
        // A fixed number is taken as it is.
        {M::YearlyRestart, QDate(2024, 1, 31), QDate(2024, 2, 1), 9, 9},
        {M::MonthlyRestart, QDate(2024, 1, 31), QDate(2024, 2, 1), 0, 0},
        {M::MonthlyRestart, QDate(2024, 2, 1), QDate(2024, 2, 1), 9, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.mode) << " last " << c.last.toString().toStdString()
                     << " new " << c.created.toString().toStdString() << " fixed " << c.fixed);
        setMode(c.mode);
        setCounter(kInvoiceCounter, 5);
        EXPECT_EQ(nextNumber(store(), kInvoiceCounter, c.fixed, c.created, c.last, true),
                  c.expected);
        EXPECT_EQ(counter(kInvoiceCounter), 5) << "a peek leaves the counter";
        db().startTransaction();
        EXPECT_EQ(nextNumber(store(), kInvoiceCounter, c.fixed, c.created, c.last, false),
                  c.expected);
        db().commit();
        EXPECT_EQ(counter(kInvoiceCounter), c.expected + 1);
    }
}

TEST_F(NumberingTest, ACounterThatIsNoNumberFailsTheSaveAndLeavesNothingWritten) {
    QString reported;
    shell::company::setErrorSink([&](const QString& text, bool) { reported = text; });
    for (const char* bad : {"1a", "", "x"}) {
        put(counterKey(kInvoiceCounter), bad);
        EXPECT_THROW(nextNumber(store(), kInvoiceCounter, -1, QDate(2024, 1, 2), {}, true),
                     common::ConversionError);
        reported.clear();
        const bool saved = company_->writer().saveInTransaction([&] {
            addDocument("faktury", "F", QDate(2024, 1, 2), 0);
            nextNumber(store(), kInvoiceCounter, -1, QDate(2024, 1, 2), {}, false);
        });
        EXPECT_FALSE(saved);
        EXPECT_FALSE(db().inTransaction());
        EXPECT_EQ(reported, QStringLiteral("'%1' is not a valid integer value").arg(bad));
        EXPECT_EQ(stored(counterKey(kInvoiceCounter)), bad);
    }
    engine::Table faktury(db(), "faktury");
    faktury.open();
    EXPECT_EQ(faktury.recordCount(), 0);

    // The next save works.
    setCounter(kInvoiceCounter, 3);
    EXPECT_TRUE(company_->writer().saveInTransaction(
        [&] { nextNumber(store(), kInvoiceCounter, -1, QDate(2024, 1, 2), {}, false); }));
    EXPECT_EQ(counter(kInvoiceCounter), 4);
    shell::company::setErrorSink({});
}

TEST_F(NumberingTest, CopiesAreReadPerKindAndDefaultToOne) {
    put(copiesKey(kInvoiceCounter), "3");
    put(copiesKey(kCashCounter), "0");
    put(copiesKey(kGoodsReceivedCounter), "2");
    put(copiesKey(kOrderCounter), "4");
    put(copiesKey(kBillCounter), "dwa");
    put({"Faktura", "Napisy", "Liczba kopii ZW"}, "5");
    const std::pair<const char*, int> cases[] = {{"F", 3},  {"DK", 0}, {"PZ", 2}, {"Z", 4},
                                                 {"XY", 4}, {"R", 1},  {"K", 1},  {"ZW", 5}};
    for (const auto& [kind, copies] : cases)
        EXPECT_EQ(copiesOf(store(), kind), copies) << kind;
}

// --------------------------------------------------------------- numbering documents

// What a sales document editor does: the proposal when it opens, and the save.
class DocumentNumberingTest : public NumberingTest {
  protected:
    struct Saved {
        qint64 sequence = -1;
        QString numer;
        bool later = false;
    };

    QString numberTemplate() {
        const QString t = stored(templateKey(kInvoiceCounter));
        return t.isEmpty() ? defaultTemplate(kInvoiceCounter) : t;
    }

    QString propose() {
        const QDate today = common::today();
        const LastDocument last = lastSalesDocumentDate(db(), "F", today);
        const qint64 seq = nextNumber(store(), kInvoiceCounter, -1, today, last.date, true);
        return formatNumber(numberTemplate(), today.year(), today.month(), seq);
    }

    Saved save(const QDate& issued, const QString& proposal, const QString& boxText) {
        Saved out;
        EXPECT_TRUE(company_->writer().saveInTransaction([&] {
            const LastDocument last = lastSalesDocumentDate(db(), "F", issued);
            out.later = last.later;
            out.sequence = nextNumber(store(), kInvoiceCounter, -1, issued, last.date, false);
            out.numer =
                numberTextAtSave(boxText, proposal, numberTemplate(), out.sequence,
                                 readNumberingMode(store()), issued, last.date, common::today());
            addDocument("faktury", "F", issued, out.sequence, out.numer);
        }));
        return out;
    }
    Saved save(const QDate& issued) {
        const QString proposal = propose();
        return save(issued, proposal, proposal);
    }
};

TEST_F(DocumentNumberingTest, DocumentsNumberedOneAfterTheOtherNeverShareANumber) {
    for (NumberingMode mode : {NumberingMode::YearlyRestart, NumberingMode::Continuation,
                               NumberingMode::MonthlyRestart}) {
        SCOPED_TRACE(static_cast<int>(mode));
        newCompany();
        common::setToday(QDate(2024, 3, 10));
        setMode(mode);
        put(templateKey(kInvoiceCounter), "nr #/&/$");
        setCounter(kInvoiceCounter, 7);
        addDocument("faktury", "F", QDate(2024, 3, 1), 6, "nr 6/03/2024");

        // Two editors opened at once show the same proposal.
        const QString first = propose(), second = propose();
        EXPECT_EQ(first, "nr 7/03/2024");
        EXPECT_EQ(second, first);
        const Saved a = save(QDate(2024, 3, 10), first, first);
        const Saved b = save(QDate(2024, 3, 10), second, second);
        EXPECT_EQ(a.sequence, 7);
        EXPECT_EQ(b.sequence, 8);
        EXPECT_EQ(a.numer, "nr 7/03/2024");
        EXPECT_EQ(b.numer, "nr 8/03/2024");
        EXPECT_EQ(counter(kInvoiceCounter), 9);
        // A number typed by the user is kept.
        EXPECT_EQ(save(QDate(2024, 3, 10), propose(), "nr 100/X").numer, "nr 100/X");
        EXPECT_EQ(counter(kInvoiceCounter), 10);
    }
}

TEST_F(DocumentNumberingTest, AnIssueDateInThePreviousMonthGetsThatMonthsNumber) {
    common::setToday(QDate(2013, 2, 3));
    setMode(NumberingMode::MonthlyRestart);
    put(templateKey(kInvoiceCounter), "nr #/&/$");
    addDocument("faktury", "F", QDate(2013, 1, 30), 10, "nr 10/01/2013");
    setCounter(kInvoiceCounter, 11);

    const QString proposal = propose();
    EXPECT_EQ(proposal, "nr 1/02/2013");
    const Saved january = save(QDate(2013, 1, 31), proposal, proposal);
    EXPECT_EQ(january.sequence, 11);
    EXPECT_EQ(january.numer, "nr 11/01/2013");
    EXPECT_FALSE(january.later);

    const Saved february = save(QDate(2013, 2, 4));
    EXPECT_EQ(february.sequence, 1);
    EXPECT_EQ(february.numer, "nr 1/02/2013");
    EXPECT_EQ(counter(kInvoiceCounter), 2);
}

TEST_F(DocumentNumberingTest, MonthlyRestartAndTheLaterDocumentWarning) {
    common::setToday(QDate(2014, 2, 1));
    setMode(NumberingMode::MonthlyRestart);
    put(templateKey(kInvoiceCounter), "nr #/&/$");
    setCounter(kInvoiceCounter, 1);

    // The first document of a kind gets 1.
    EXPECT_EQ(save(QDate(2014, 1, 20)).sequence, 1);
    EXPECT_EQ(save(QDate(2014, 1, 31)).sequence, 2);
    const Saved february = save(QDate(2014, 2, 1));
    EXPECT_EQ(february.sequence, 1);
    EXPECT_EQ(counter(kInvoiceCounter), 2);
    EXPECT_FALSE(february.later);

    const Saved late = save(QDate(2014, 1, 28));
    EXPECT_EQ(late.sequence, 2);
    EXPECT_TRUE(late.later);
    // The month of the newest document is the one that is being counted.
    EXPECT_EQ(late.numer, "nr 2/02/2014");
    EXPECT_EQ(counter(kInvoiceCounter), 3);

    showLaterDocumentWarning();
    ASSERT_EQ(messages_.shown.size(), 1);
    EXPECT_EQ(messages_.shown[0].title, "Uwaga");
    EXPECT_TRUE(messages_.last().startsWith(u"Dokument został wystawiony z datą wcześniejszą"_qs));
}

TEST_F(NumberingTest, LastDocumentDateLooksAtTheKindAlone) {
    addDocument("faktury", "F", QDate(2024, 5, 1), 1);
    addDocument("faktury", "F", QDate(2024, 4, 1), 2);
    addDocument("faktury", "FF", QDate(2024, 9, 1), 1);
    addDocument("faktury", "K", QDate(2024, 8, 1), 1);
    addDocument("magazynowe", "F", QDate(2024, 12, 1), 1);
    const LastDocument f = lastSalesDocumentDate(db(), "F", QDate(2024, 4, 30));
    EXPECT_EQ(f.date, QDate(2024, 5, 1));
    EXPECT_TRUE(f.later);
    EXPECT_FALSE(lastSalesDocumentDate(db(), "F", QDate(2024, 5, 1)).later);
    EXPECT_FALSE(lastSalesDocumentDate(db(), "R", QDate(2024, 5, 1)).date.isValid());
    EXPECT_EQ(lastWarehouseDocumentDate(db(), "F", QDate(2024, 5, 1)).date, QDate(2024, 12, 1));
}

// --------------------------------------------------------------- giving numbers back

TEST_F(NumberingTest, OnlyTheNewestDocumentOfACounterGivesItsNumberBack) {
    struct Case {
        const char* name;
        int deleted;  // position among the documents below
        qint64 counterAfter;
    };
    // PZ 1/03/2024 and PZ 1/04/2024 after a monthly restart; the counter is 2.
    const Case cases[] = {{"March", 0, 2}, {"April", 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        newCompany();
        setMode(NumberingMode::MonthlyRestart);
        setCounter(kGoodsReceivedCounter, 2);
        const qint64 kods[] = {addDocument("magazynowe", "PZ", QDate(2024, 3, 5), 1, "1/03/2024"),
                               addDocument("magazynowe", "PZ", QDate(2024, 4, 2), 1, "1/04/2024")};
        addDocument("magazynowe", "WZ", QDate(2024, 4, 3), 1);
        const qint64 kod = kods[c.deleted];
        db().startTransaction();
        deleteDocument("magazynowe", kod);
        EXPECT_EQ(giveNumberBack(db(), store(), kGoodsReceivedCounter, 1, kod,
                                 warehouseDocumentsOf("PZ")),
                  c.counterAfter == 1);
        db().commit();
        EXPECT_EQ(counter(kGoodsReceivedCounter), c.counterAfter);
    }
}

TEST_F(NumberingTest, GivingBackTouchesOnlyTheLastNumberGiven) {
    setCounter(kInvoiceCounter, 4);
    const qint64 older = addDocument("faktury", "F", QDate(2024, 1, 2), 2);
    const qint64 newest = addDocument("faktury", "F", QDate(2024, 1, 3), 3);
    db().startTransaction();
    deleteDocument("faktury", older);
    EXPECT_FALSE(giveNumberBack(db(), store(), kInvoiceCounter, 2, older, salesDocumentsOf("F")));
    db().commit();
    EXPECT_EQ(counter(kInvoiceCounter), 4);

    db().startTransaction();
    deleteDocument("faktury", newest);
    EXPECT_TRUE(giveNumberBack(db(), store(), kInvoiceCounter, 3, newest, salesDocumentsOf("F")));
    db().commit();
    EXPECT_EQ(counter(kInvoiceCounter), 3);
}

TEST_F(NumberingTest, GivingBackTheNumberZeroSetsTheCounterToZero) {
    setCounter(kInvoiceCounter, 0);
    db().startTransaction();
    const qint64 seq = nextNumber(store(), kInvoiceCounter, -1, QDate(2024, 1, 2), {}, false);
    const qint64 kod = addDocument("faktury", "F", QDate(2024, 1, 2), seq);
    db().commit();
    EXPECT_EQ(seq, 0);
    EXPECT_EQ(counter(kInvoiceCounter), 1);

    db().startTransaction();
    deleteDocument("faktury", kod);
    EXPECT_TRUE(giveNumberBack(db(), store(), kInvoiceCounter, 0, kod, salesDocumentsOf("F")));
    db().commit();
    EXPECT_EQ(counter(kInvoiceCounter), 0);
}

TEST_F(NumberingTest, CashDocumentsGiveBackAgainstTheCashBookOnly) {
    setCounter(kCashCounter, 6);
    engine::Table kasa(db(), "kasabank");
    kasa.open();
    auto addEntry = [&](int till) {
        kasa.append();
        kasa.fieldByName("Kasa").setInteger(till);
        kasa.fieldByName("NrKol").setInteger(5);
        kasa.post();
        return kasa.fieldByName("Kod").asInteger();
    };
    const qint64 cash = addEntry(1);
    addEntry(10001);  // a bank register entry, numbered otherwise
    db().startTransaction();
    EXPECT_TRUE(giveNumberBack(db(), store(), kCashCounter, 5, cash, cashDocuments()));
    db().commit();
    EXPECT_EQ(counter(kCashCounter), 5);
}

// --------------------------------------------------------------- options

TEST_F(NumberingTest, OptionsLoadDefaultsAndSaveEveryKey) {
    NumberingOptions loaded;
    db().startTransaction();
    loaded.load(store(), true);
    db().commit();
    EXPECT_EQ(loaded.mode, NumberingMode::YearlyRestart);
    EXPECT_EQ(loaded.templates.value(kInvoiceCounter), "nr #/$");
    EXPECT_EQ(loaded.templates.value(kCashCounter), "nr DK #/$");
    for (int index : counterIndices()) {
        EXPECT_EQ(stored(counterKey(index)), "1") << index;
        EXPECT_EQ(stored(copiesKey(index)), "1") << index;
        EXPECT_EQ(loaded.nextNumbers.value(index), 1);
    }

    NumberingOptions changed = loaded;
    changed.mode = NumberingMode::MonthlyRestart;
    EXPECT_FALSE(changed.templatesFitMode());
    for (int index : counterIndices()) {
        changed.templates[index] = QStringLiteral("%1 #/&").arg(counterKind(index));
        changed.nextNumbers[index] = 100 + index;
        changed.copies[index] = index % 10;
    }
    EXPECT_TRUE(changed.templatesFitMode());
    db().startTransaction();
    EXPECT_TRUE(changed.save(store()));
    db().commit();

    NumberingOptions reread;
    reread.load(store(), false);
    EXPECT_EQ(reread.templates, changed.templates);
    EXPECT_EQ(reread.nextNumbers, changed.nextNumbers);
    EXPECT_EQ(reread.copies, changed.copies);
    EXPECT_EQ(reread.mode, NumberingMode::MonthlyRestart);
    EXPECT_EQ(stored(templateKey(kCashCounter)), "DK #/&");
    EXPECT_EQ(stored(continuationKey()), "Nie");
    EXPECT_EQ(stored(monthlyKey()), "Tak");
}

}  // namespace

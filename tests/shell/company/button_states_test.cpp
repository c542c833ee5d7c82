#include <gtest/gtest.h>

#include "company_fixture.h"
#include "engine/currency.h"
#include "shell/company/button_states.h"

using engine::Currency;
using engine::Database;
using engine::Table;
using namespace shell::company;
using namespace companytest;

namespace {

class RecordPositionTest : public CompanyTest {
  protected:
    void SetUp() override {
        createCompany();
        for (const char* name : {"A", "B", "C", "D"})
            add("grupy", {{"Nazwa", name}});
        db_ = std::make_unique<Database>(path());
        list_ = std::make_unique<Table>(*db_, "grupy");
        list_->setIndexName("gnazwa");
        list_->open();
    }

    // "first/last" as the navigation buttons see it: notFirst, notLast.
    std::pair<bool, bool> position() {
        const RecordPosition p = recordPosition(*list_);
        EXPECT_TRUE(p.hasRecord);
        return {p.notFirst, p.notLast};
    }

    std::unique_ptr<Database> db_;
    std::unique_ptr<Table> list_;
};

}  // namespace

TEST_F(RecordPositionTest, NeighboursDecideAndTheListDoesNotMove) {
    Table& list = *list_;
    EXPECT_EQ(position(), std::make_pair(false, true));
    list.next();
    EXPECT_EQ(position(), std::make_pair(true, true));
    EXPECT_EQ(list.fieldByName("Nazwa").asString(), "B");
    // Back on the first record by stepping: its Bof flag is down, yet it is the first.
    list.prior();
    EXPECT_EQ(position(), std::make_pair(false, true));
    // On the last record before anything tried to pass it.
    list.last();
    list.prior();
    list.next();
    EXPECT_EQ(position(), std::make_pair(true, false));
    EXPECT_EQ(list.fieldByName("Nazwa").asString(), "D");

    // A range on both: its edges are the first and last records.
    list.setRange({"B"}, {"C"});
    EXPECT_EQ(position(), std::make_pair(false, true));
    list.next();
    EXPECT_EQ(position(), std::make_pair(true, false));

    // A single record is both.
    list.setRange({"C"}, {"C"});
    EXPECT_EQ(position(), std::make_pair(false, false));

    list.setRange({"X"}, {"Y"});
    EXPECT_FALSE(recordPosition(list).hasRecord);
}

TEST(ButtonStates, RecordAndNavigationButtons) {
    const RecordButtons none = recordButtons({false, false, false});
    EXPECT_FALSE(none.edit || none.remove || none.duplicate || none.print || none.takeFromCurrent ||
                 none.first || none.prior || none.next || none.last);

    const RecordButtons middle = recordButtons({true, true, true});
    EXPECT_TRUE(middle.edit && middle.remove && middle.duplicate && middle.print &&
                middle.takeFromCurrent && middle.first && middle.prior && middle.next &&
                middle.last);

    const RecordButtons first = recordButtons({true, false, true});
    EXPECT_TRUE(first.edit && first.next && first.last);
    EXPECT_FALSE(first.first || first.prior);

    const RecordButtons last = recordButtons({true, true, false});
    EXPECT_TRUE(last.first && last.prior);
    EXPECT_FALSE(last.next || last.last);
}

TEST(ButtonStates, SalesList) {
    SalesRecord invoice;
    invoice.empty = false;
    invoice.kind = "F";
    invoice.zaplacona = "NIE";
    invoice.brutto = Currency::fromWhole(100);

    // createCorrection, gotoCorrection, gotoCorrected, findWarehouseDoc, duplicate,
    // invoiceFromOrder, payDocument, paySeveral
    struct Flags {
        bool createCorrection, gotoCorrection, gotoCorrected, findWarehouseDoc, duplicate,
            invoiceFromOrder, payDocument, paySeveral;
    };
    struct Case {
        const char* name;
        SalesRecord doc;
        PaymentFilter filter;
        Flags expected;
    };
    auto with = [&](auto change) {
        SalesRecord r = invoice;
        change(r);
        return r;
    };
    const PaymentFilter all;
    const PaymentFilter oneUnpaid{"ABC", true};
    const Case cases[]{
        {"unpaid invoice", invoice, all, {true, false, false, false, true, false, true, false}},
        {"several unpaid of one counterparty",
         invoice,
         oneUnpaid,
         {true, false, false, false, true, false, true, true}},
        {"one counterparty, all documents",
         invoice,
         PaymentFilter{"ABC", false},
         {true, false, false, false, true, false, true, false}},
        {"paid correction of a correction",
         with([](SalesRecord& r) {
             r.kind = "K";
             r.zaplacona = "TAK";
             r.kodKorekty = 5;
             r.korektaDo = 3;
         }),
         all,
         {false, true, true, false, false, false, false, false}},
        {"order",
         with([](SalesRecord& r) { r.kind = "Z"; }),
         all,
         {false, false, false, false, true, true, false, false}},
        {"pro forma",
         with([](SalesRecord& r) { r.kind = "PF"; }),
         all,
         {false, false, false, false, true, true, false, false}},
        {"receipt not yet invoiced",
         with([](SalesRecord& r) { r.kind = "P"; }),
         all,
         {false, false, false, false, true, true, true, false}},
        {"receipt already invoiced",
         with([](SalesRecord& r) {
             r.kind = "P";
             r.kodRealizacji = 8;
         }),
         all,
         {false, false, false, false, true, false, true, false}},
        {"goods left stock",
         with([](SalesRecord& r) {
             r.dokMag = 4;
             r.magazyn = 1;
         }),
         all,
         {true, false, false, true, true, false, true, false}},
        {"warehouse document without stock",
         with([](SalesRecord& r) { r.dokMag = 4; }),
         all,
         {true, false, false, false, true, false, true, false}},
        {"empty list",
         SalesRecord{},
         oneUnpaid,
         {false, false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SalesButtons b = salesButtons(c.doc, c.filter);
        EXPECT_EQ(b.createCorrection, c.expected.createCorrection);
        EXPECT_EQ(b.gotoCorrection, c.expected.gotoCorrection);
        EXPECT_EQ(b.gotoCorrected, c.expected.gotoCorrected);
        EXPECT_EQ(b.findWarehouseDoc, c.expected.findWarehouseDoc);
        EXPECT_EQ(b.duplicate, c.expected.duplicate);
        EXPECT_EQ(b.invoiceFromOrder, c.expected.invoiceFromOrder);
        EXPECT_EQ(b.payDocument, c.expected.payDocument);
        EXPECT_EQ(b.paySeveral, c.expected.paySeveral);
    }

    EXPECT_EQ(salesButtons(invoice, all).paidLabel, "Wartość wpłat");
    EXPECT_EQ(salesButtons(invoice, all).remainingLabel, "Pozostaje do zapłaty");
    const SalesButtons refund =
        salesButtons(with([](SalesRecord& r) { r.brutto = -Currency::fromWhole(1); }), all);
    EXPECT_EQ(refund.paidLabel, "Wartość wypłat");
    EXPECT_EQ(refund.remainingLabel, "Pozostaje do wypłaty");
}

TEST(ButtonStates, PurchasesWarehouseAndDetailGrids) {
    PurchaseRecord purchase;
    purchase.empty = false;
    purchase.kod = 12;
    purchase.zaplacony = "NIE";
    purchase.brutto = Currency::fromWhole(50);
    PurchaseButtons b = purchaseButtons(purchase, {"ABC", true});
    EXPECT_FALSE(b.findWarehouseDoc);
    EXPECT_TRUE(b.payDocument);
    EXPECT_TRUE(b.paySeveral);
    EXPECT_EQ(b.paidLabel, "Wartość wypłat");
    EXPECT_EQ(b.remainingLabel, "Pozostaje do zapłaty");
    EXPECT_EQ(b.paymentsKey, 1000000012);

    purchase.kodMagazynu = 3;
    purchase.zaplacony = "TAK";
    purchase.brutto = -Currency::fromWhole(50);
    b = purchaseButtons(purchase, {});
    EXPECT_TRUE(b.findWarehouseDoc);
    EXPECT_FALSE(b.payDocument);
    EXPECT_FALSE(b.paySeveral);
    EXPECT_EQ(b.paidLabel, "Wartość zwrotów");
    EXPECT_EQ(b.remainingLabel, "Pozostaje do zwrotu");
    EXPECT_FALSE(purchaseButtons(PurchaseRecord{}, {"ABC", true}).payDocument);

    EXPECT_TRUE(warehouseButtons(false, "PZ", 0).print);
    EXPECT_FALSE(warehouseButtons(false, "F", 7).print);
    EXPECT_TRUE(warehouseButtons(false, "F", 7).findSourceDoc);
    EXPECT_FALSE(warehouseButtons(true, "PZ", 0).print);

    EXPECT_EQ(priceColumn("T").title, "Cena brutto");
    EXPECT_TRUE(priceColumn("T").blue);
    EXPECT_EQ(priceColumn("N").title, "Cena netto");
    EXPECT_FALSE(priceColumn("").blue);

    EXPECT_EQ(salesPaymentButtons(false, true).dateTitle, "Data wypłaty");
    EXPECT_EQ(salesPaymentButtons(true, false).dateTitle, "Data wpłaty");
    EXPECT_FALSE(salesPaymentButtons(true, false).findPaymentDoc);
    EXPECT_TRUE(eliksirExportEnabled(true, 0));
    EXPECT_FALSE(eliksirExportEnabled(true, 1));
    EXPECT_FALSE(eliksirExportEnabled(false, 0));
}

TEST_F(RecordPositionTest, SalesRecordIsReadFromTheTableObject) {
    add("faktury", {{"RodzajDok", "P"},
                    {"KodRealizacji", 3},
                    {"Zaplacona", "TAK"},
                    {"Brutto", -12.5},
                    {"DokMag", 2},
                    {"Magazyn", 1}});
    Table faktury(*db_, "faktury");
    faktury.open();
    SalesRecord r = salesRecordOf(faktury);
    EXPECT_FALSE(r.empty);
    EXPECT_EQ(r.kind, "P");
    EXPECT_EQ(r.kodRealizacji, 3);
    EXPECT_EQ(r.zaplacona, "TAK");
    EXPECT_EQ(r.brutto, Currency::fromDouble(-12.5));
    EXPECT_EQ(r.dokMag, 2);
    EXPECT_EQ(r.magazyn, 1);

    faktury.deleteRecord();
    EXPECT_TRUE(salesRecordOf(faktury).empty);
}

#include <gtest/gtest.h>

#include <QDate>

#include "common/conversion_error.h"
#include "common/formats.h"
#include "common/settings_guard.h"
#include "engine/datetime.h"
#include "shell/company/calculations.h"

using engine::Currency;
using namespace shell::company;

namespace {

Currency money(double value) {
    return Currency::fromDouble(value);
}

engine::DateTime day(int y, int m, int d) {
    return engine::toDateTime(QDate(y, m, d));
}

}  // namespace

TEST(Calculations, BalanceShowsReturnsAsPositiveAmounts) {
    struct Case {
        double gross, paid, remaining, paidShown;
    };
    const Case cases[]{
        {-100, 30, 70, -30},
        {100, 30, 70, 30},
        {0, 0, 0, 0},
        {100.0001, 100, 0.0001, 100},  // exact to the ten-thousandth
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gross);
        const Balance b = balanceOf(money(c.gross), money(c.paid));
        EXPECT_EQ(b.remaining, money(c.remaining));
        EXPECT_EQ(b.paidShown, money(c.paidShown));
    }
}

TEST(Calculations, SalesDocumentTitles) {
    struct Case {
        QString kind;
        engine::DateTime issued;
        bool lookupForm;
        QString expected;
    };
    const Case cases[]{
        {"F", day(2012, 12, 31), false, "Faktura VAT 7/2012"},
        {"F", day(2013, 1, 2), false, "Faktura 7/2012"},
        {"F", day(2013, 1, 2), true, "Faktura VAT 7/2012"},
        {"F", day(2012, 12, 31), true, "Faktura VAT 7/2012"},
        {"R", day(2013, 1, 2), false, "Rachunek 7/2012"},
        {"K", day(2013, 1, 2), false, "Faktura korygująca 7/2012"},
        {"PF", day(2013, 1, 2), false, "Faktura proforma 7/2012"},
        {"P", day(2013, 1, 2), false, "Paragon 7/2012"},
        {"Z", day(2013, 1, 2), true, "Zamówienie 7/2012"},
        {"WZ", day(2013, 1, 2), false, "WZ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(salesFullNumer(c.kind, "7/2012", c.issued, c.lookupForm), c.expected);
    }
}

TEST(Calculations, SalesListNumberAndPaidColumn) {
    EXPECT_EQ(salesDispNumer("F", "12/2013", -1), "*F 12/2013");
    EXPECT_EQ(salesDispNumer("F", "12/2013", -1, true), "F 12/2013");
    EXPECT_EQ(salesDispNumer("F", "12/2013", 1), "F 12/2013");

    for (const char* kind : {"F", "R", "K", "P"})
        EXPECT_EQ(salesPaidDisplay(kind, "NIE"), "NIE") << kind;
    for (const char* kind : {"PF", "Z", ""})
        EXPECT_EQ(salesPaidDisplay(kind, "NIE"), "---") << kind;
}

TEST(Calculations, LineValuesFromNetOrGrossPrices) {
    struct Case {
        double quantity, price;
        qint64 vatCode;
        QString grossFlag;
        double net, gross;
    };
    const Case cases[]{
        {3, 10, 2300, "N", 30, 36.90},
        {3, 12.30, 2300, "T", 30, 36.90},
        {0.333, 10, 2300, "N", 3.33, 4.10},  // 3.33 × 1.23 = 4.0959
        {1, 10, 2300, "T", 8.13, 10},        // 10 / 1.23 = 8.1301
        {2, 5, -1, "T", 10, 10},             // exempt: no tax either way
        {2, 5, -10000, "N", 10, 10},         // a line without a rate
        {1.5, 0.99, 800, "", 1.49, 1.61},    // 1.485 rounds up; 1.49 × 1.08 = 1.6092
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.quantity << " x " << c.price << " " << c.vatCode);
        const LineValues v = lineValues(money(c.quantity), money(c.price), c.vatCode, c.grossFlag);
        EXPECT_EQ(v.net, money(c.net));
        EXPECT_EQ(v.gross, money(c.gross));
    }
}

TEST(Calculations, RatesAndMarginTexts) {
    struct Case {
        QString stawka, wartosc, text;
        double percent;
    };
    const Case cases[]{
        {"23", "23%", "23%", 23}, {"8", "8,5%", "8,5%", 8.5}, {"ZW", "0%", "ZW", 0},
        {"np", "0%", "NP", 0},    {"0", "0%", "0%", 0},
    };
    for (const Case& c : cases) {
        const RateDisplay r = rateDisplay(c.stawka, c.wartosc);
        EXPECT_EQ(r.text, c.text) << c.stawka.toStdString();
        EXPECT_DOUBLE_EQ(r.percent, c.percent) << c.stawka.toStdString();
    }
    EXPECT_DOUBLE_EQ(percentOfText("12.5%"), 12.5);
    EXPECT_THROW(percentOfText("abc%"), common::ConversionError);
}

TEST(Calculations, GoodsPricesUsePriceRounding) {
    common::testing::SettingsGuard guard;
    GoodsPriceInput in;
    in.purchasePrice = money(10);
    in.storedNetPrices = {money(99), money(11.11), money(99)};
    in.marginPercents = {25.0, std::nullopt, 0.0};
    in.vatPercent = 23;

    GoodsPrices p = goodsPrices(in);
    EXPECT_EQ(p.netPrices[0], money(12.50));    // from the margin, not the stored 99
    EXPECT_EQ(p.netPrices[1], money(11.11));    // no margin: the stored price
    EXPECT_EQ(p.netPrices[2], money(10));       // a margin of 0 %
    EXPECT_EQ(p.grossPrices[0], money(15.38));  // 15.375
    EXPECT_EQ(p.grossPrices[1], money(13.67));  // 13.6653
    EXPECT_EQ(p.grossPrices[2], money(12.30));
    EXPECT_EQ(p.purchaseGross, money(12.30));

    // With three price decimals 12.345 stays, where amounts would round to 12.35.
    common::setPriceDecimals(3);
    in.marginPercents = {23.45, std::nullopt, std::nullopt};
    in.vatPercent = 0;
    p = goodsPrices(in);
    EXPECT_EQ(p.netPrices[0], money(12.345));
    EXPECT_EQ(p.grossPrices[0], money(12.345));
}

TEST(Calculations, AvailableStockIsNeverNegative) {
    EXPECT_EQ(availableStock(money(5), money(7)), Currency());
    EXPECT_EQ(availableStock(money(9), money(4)), money(5));
    EXPECT_EQ(availableStock(Currency(), Currency()), Currency());
}

TEST(Calculations, WarehouseDocumentNumbers) {
    struct Title {
        QString kind;
        qint64 sprzedaz;
        QString expected;
    };
    const Title titles[]{
        {"PZ", 0, "Przyjęcie z zewnątrz (PZ) 4"},
        {"WZ", 0, "Wydanie na zewnątrz (WZ) 4"},
        {"PW", 0, "Przychód wewnętrzny (PM) 4"},
        {"PM", 0, "Przychód wewnętrzny (PM) 4"},
        {"RW", 0, "Rozchód wewnętrzny (RM) 4"},
        {"RM", 0, "Rozchód wewnętrzny (RM) 4"},
        {"MM", 0, "Przesunięcie międzymagazynowe 4"},
        {"F", 1, "Faktura 4"},
        {"F", 2, "Rachunek 4"},
        {"F", 3, "Paragon 4"},
        {"XY", 0, "XY"},
    };
    for (const Title& t : titles)
        EXPECT_EQ(warehouseFullNumer(t.kind, "4", t.sprzedaz), t.expected);

    EXPECT_EQ(warehouseDispNumer(0, "PZ", "4", false), "*PZ 4");
    EXPECT_EQ(warehouseDispNumer(0, "PZ", "4", false, true), "PZ 4");
    EXPECT_EQ(warehouseDispNumer(0, "PZ", "4", true), "PZ 4");
    EXPECT_EQ(warehouseDispNumer(1, "F", "4", false), "F 4");
    EXPECT_EQ(warehouseDispNumer(2, "F", "4", true), "R 4");
    EXPECT_EQ(warehouseDispNumer(3, "F", "4", true), "P 4");
    EXPECT_EQ(warehouseDispNumer(4, "F", "4", true), "");
}

TEST(Calculations, DocumentReferencesOfGoods) {
    EXPECT_FALSE(isWarehouseReference(99999999));
    EXPECT_TRUE(isWarehouseReference(100000000));
    EXPECT_EQ(warehouseDocumentKod(100000005), 5);
    EXPECT_EQ(warehouseDocumentKod(400000017), 17);
    EXPECT_EQ(warehouseDocumentKod(699999999), 99999999);
}

TEST(Calculations, CounterpartyCashAndTransferTexts) {
    EXPECT_EQ(addressTwoLines("Długa 1", "00-001", "Warszawa"), "Długa 1\r\n00-001 Warszawa");
    EXPECT_EQ(addressOneLine("00-001", "Warszawa"), "00-001 Warszawa");
    const QString levels[]{"Ceny 1", "Ceny 1", "Ceny 2", "Ceny 2", "Ceny 3", "Ceny 3", ""};
    for (int level = 0; level <= 6; ++level)
        EXPECT_EQ(priceLevelText(level), levels[level]) << level;
    EXPECT_EQ(priceLevelText(-1), "");
    EXPECT_EQ(contactPerson("Pan", "Jan Nowak"), "Pan Jan Nowak");
    EXPECT_EQ(nameOnOneLine("Hurtownia\r\nABC\r\nsp. z o.o."), "Hurtownia ABC sp. z o.o.");

    EXPECT_EQ(cashDispNumer("KP", "3/2024"), "KP 3/2024");
    EXPECT_EQ(bankDispNumer("BP", "3/2024"), "BP nr 3/2024");
    EXPECT_EQ(bankDispNumer("BW", "   "), "BW nr ----");
    EXPECT_EQ(transferKindText(0), "Przelew");
    EXPECT_EQ(transferKindText(1), "Wpłata gotówkowa");
    EXPECT_EQ(transferKindText(2), "");
}

TEST(Calculations, StocktakingValueIsRoundedToGrosze) {
    EXPECT_EQ(stocktakingValue(money(3.335), money(1)), money(3.34));
    EXPECT_EQ(stocktakingValue(money(2.5), money(1.5)), money(3.75));
}

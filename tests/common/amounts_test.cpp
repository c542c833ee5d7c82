#include "common/amounts.h"
#include "common/conversion_error.h"
#include "common/formats.h"
#include "settings_guard.h"

#include <gtest/gtest.h>

#include <cmath>

namespace common {
namespace {

struct RoundCase {
    bool highPrecision;
    int priceDecimals;
    double x;
    double expected;
};

TEST(RoundAmount, RoundsHalfAwayFromZeroDespiteBinaryError) {
    testing::SettingsGuard guard;
    const RoundCase cases[] = {
        {false, 2, 0.125, 0.13},
        {false, 2, -0.125, -0.13},
        {false, 2, 1.005, 1.01},  // held as 1.00499999...
        {false, 2, 2.675, 2.68},
        {false, 2, -2.675, -2.68},
        {false, 2, 1.004, 1.0},
        {false, 2, -0.004, 0.0},
        {false, 2, 0.0, 0.0},
        {true, 3, 1.23456, 1.235},
        {true, 4, 1.23456, 1.2346},
        {true, 2, 1.23456, 1.23},
        {false, 4, 1.23456, 1.23},  // amounts keep 2 decimals whatever the price decimals
        {true, 4, -0.00005, -0.0001},
        // The guard grows with the whole part, where a double holds fewer decimals.
        {false, 2, 1000001.004999995, 1000001.0},
        {false, 2, 10000001.004999995, 10000001.01},
        {false, 2, 100000001.00499995, 100000001.01},
        {false, 2, 123456789012.345, 123456789012.35},
    };
    for (const auto& c : cases) {
        setPriceDecimals(c.priceDecimals);
        EXPECT_DOUBLE_EQ(roundAmount(c.highPrecision, c.x), c.expected)
            << "x=" << c.x << " high=" << c.highPrecision << " dec=" << c.priceDecimals;
    }
}

TEST(RoundAmount, NeverReturnsNegativeZero) {
    EXPECT_FALSE(std::signbit(roundAmount(false, -0.004)));
}

struct FormatCase {
    bool highPrecision;
    int priceDecimals;
    double x;
    const char16_t* expected;
};

TEST(FormatAmount, WritesGroupsAndFixedDecimals) {
    testing::SettingsGuard guard;
    const FormatCase cases[] = {
        {false, 2, 1234567.5, u"1 234 567,50"},
        {false, 2, -0.005, u"-0,01"},
        {false, 2, -0.004, u"0,00"},
        {false, 2, 0.0, u"0,00"},
        {false, 2, 12.0, u"12,00"},
        {false, 2, 100.0, u"100,00"},
        {false, 2, 999.999, u"1 000,00"},
        {false, 2, -1234.5, u"-1 234,50"},
        {false, 2, 123456.78, u"123 456,78"},
        {false, 2, 1e15, u"1 000 000 000 000 000,00"},
        {true, 4, 1.23456, u"1,2346"},
        {true, 3, 1000.0, u"1 000,000"},
        {true, 2, 1.23456, u"1,23"},
        {false, 4, 1.23456, u"1,23"},
    };
    for (const auto& c : cases) {
        setPriceDecimals(c.priceDecimals);
        EXPECT_EQ(formatAmount(c.highPrecision, c.x), QString::fromUtf16(c.expected)) << c.x;
    }
}

TEST(ParseAmount, KeepsSignDigitsAndDecimalComma) {
    const struct {
        const char16_t* text;
        double expected;
    } cases[] = {
        {u"1 234,50 zł", 1234.5},   {u"", 0.0},      {u"abc", 0.0},
        {u"-12,5", -12.5},          {u"0,01", 0.01}, {u",5", 0.5},
        {u"12.50", 1250.0},  // a point is not the decimal separator and is dropped
        {u"1\u00A0000,00", 1000.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(parseAmount(QString::fromUtf16(c.text)), c.expected)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(ParseAmount, RejectsWhatStillDoesNotRead) {
    for (const char16_t* text : {u"--1", u"1-", u"1,2,3", u"-", u",", u"-,"})
        EXPECT_THROW(parseAmount(QString::fromUtf16(text)), ConversionError)
            << QString::fromUtf16(text).toStdString();
}

TEST(TextToFloat, AcceptsTheProgramsNumberForms) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {" 1,5 ", 1.5},   {"+2", 2.0}, {"-0,25", -0.25}, {"1E3", 1000.0},
        {"1,5e-1", 0.15}, {"7,", 7.0}, {"007", 7.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(textToFloat(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(TextToFloat, RejectsOtherForms) {
    for (const char* text :
         {"", " ", "1.5", "1e", "e5", "inf", "nan", "0x10", "1e400", "1 000", "+-1", "1,5,", "٣"}) {
        EXPECT_THROW(textToFloat(QString::fromUtf8(text)), ConversionError) << text;
    }
}

TEST(TextToFloat, ErrorNamesTheText) {
    try {
        textToFloat(QStringLiteral("1a"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1a' is not a valid floating point value");
        EXPECT_EQ(e.text(), QStringLiteral("1a"));
    }
}

TEST(VatRate, CodesAndFractions) {
    const struct {
        const char16_t* text;
        int code;
        double fraction;
    } cases[] = {
        {u"23%", 2300, 0.23},  {u"8%", 800, 0.08}, {u"0%", 0, 0.0},
        {u"5,5%", 550, 0.055}, {u"ZW", -1, 0.0},   {u"-", -1, 0.0},
        {u"NP", -10, 0.0},     {u"N", -10, 0.0},   {u"23", 200, 0.02},  // the last character is cut
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(vatRateCode(text), c.code) << text.toStdString();
        EXPECT_DOUBLE_EQ(vatRateFraction(text), c.fraction) << text.toStdString();
    }
    EXPECT_EQ(vatRateCode(QStringLiteral("BRAK")), -10000);
    EXPECT_DOUBLE_EQ(vatRateFraction(QStringLiteral("BRAK")), 0.0);
}

TEST(VatRate, UnreadableRatesRaiseConversionError) {
    for (const char16_t* text : {u"", u"%", u"abc%", u"x", u"2 3%"}) {
        EXPECT_THROW(vatRateCode(QString::fromUtf16(text)), ConversionError);
        EXPECT_THROW(vatRateFraction(QString::fromUtf16(text)), ConversionError);
    }
    // Readable, but no 16-bit code holds it.
    EXPECT_THROW(vatRateCode(QStringLiteral("1e10%")), ConversionError);
}

TEST(PriceDecimals, OnlyTwoThreeOrFour) {
    testing::SettingsGuard guard;
    const int cases[][2] = {{2, 2}, {3, 3}, {4, 4}, {5, 2}, {0, 2}, {-1, 2}};
    for (const auto& c : cases) {
        setPriceDecimals(c[0]);
        EXPECT_EQ(priceDecimals(), c[1]) << c[0];
    }
}

}  // namespace
}  // namespace common

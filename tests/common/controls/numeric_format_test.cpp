#include "common/controls/numeric_format.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <limits>

namespace controls {
namespace {

TEST(NumericFormat, FormsOfTheDisplay) {
    const struct {
        double value;
        NumericType type;
        int precision;
        int decimals;
        const char16_t* expected;
    } cases[] = {
        {1234567.5, NumericType::Number, 13, 2, u"1 234 567,50"},
        {-1234567.5, NumericType::Number, 13, 2, u"-1 234 567,50"},
        {999.5, NumericType::Number, 13, 2, u"999,50"},
        {1000, NumericType::Number, 13, 0, u"1 000"},
        {0.25, NumericType::Number, 13, 2, u"0,25"},
        {1234567.5, NumericType::Fixed, 13, 2, u"1234567,50"},
        {7, NumericType::Fixed, 6, 4, u"7,0000"},
        {1234.5, NumericType::Currency, 13, 2, u"1 234,50 zł"},
        {1234.5, NumericType::General, 13, 2, u"1234,5"},
        {1.0 / 3.0, NumericType::General, 13, 2, u"0,3333333333333"},
        {0.000001, NumericType::General, 13, 2, u"1E-06"},
        {0.00001, NumericType::General, 13, 2, u"0,00001"},
        {100, NumericType::General, 13, 2, u"100"},
        {1234.5, NumericType::Exponent, 13, 2, u"1,23E+03"},
        {-0.000123, NumericType::Exponent, 13, 1, u"-1,2E-04"},
        {0, NumericType::Exponent, 13, 2, u"0,00E+00"},
        {0, NumericType::Number, 13, 2, u"0,00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumeric(c.value, c.type, c.precision, c.decimals),
                  QString::fromUtf16(c.expected))
            << c.value << " type " << static_cast<int>(c.type);
    }
}

TEST(NumericFormat, RoundsHalfAwayFromZeroOnTheDecimalText) {
    const struct {
        double value;
        int decimals;
        const char16_t* expected;
    } cases[] = {
        // Halves that binary floating point holds slightly low still round up.
        {1.005, 2, u"1,01"},
        {2.675, 2, u"2,68"},
        {-2.675, 2, u"-2,68"},
        {0.5, 0, u"1"},
        {-2.5, 0, u"-3"},
        {1.2344, 3, u"1,234"},
        {999.995, 2, u"1 000,00"},
        {0.0049, 2, u"0,00"},
        {0.005, 2, u"0,01"},
        // A value that rounds to zero has no sign.
        {-0.004, 2, u"0,00"},
        {-0.0, 2, u"0,00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumeric(c.value, NumericType::Number, 13, c.decimals),
                  QString::fromUtf16(c.expected))
            << c.value;
    }
}

TEST(NumericFormat, PrecisionLimitsTheSignificantDigits) {
    // Digits beyond the precision show as zeros; a whole part longer than it turns to the
    // exponent form.
    EXPECT_EQ(formatNumeric(123456.789, NumericType::Number, 6, 2), QStringLiteral("123 457,00"));
    EXPECT_EQ(formatNumeric(1e20, NumericType::Number, 13, 2), QStringLiteral("1E+20"));
    EXPECT_EQ(formatNumeric(-1.5e15, NumericType::Fixed, 13, 2), QStringLiteral("-1,5E+15"));
    EXPECT_EQ(formatNumeric(9999999999999.0, NumericType::Number, 13, 2),
              QStringLiteral("9 999 999 999 999,00"));
    EXPECT_EQ(formatNumeric(99999999999999.0, NumericType::Number, 13, 2), QStringLiteral("1E+14"));
}

TEST(NumericFormat, NotANumber) {
    EXPECT_EQ(formatNumeric(std::numeric_limits<double>::quiet_NaN(), NumericType::Number, 13, 2),
              QStringLiteral("NAN"));
    EXPECT_EQ(formatNumeric(-std::numeric_limits<double>::infinity(), NumericType::Fixed, 13, 2),
              QStringLiteral("-INF"));
}

}  // namespace
}  // namespace controls

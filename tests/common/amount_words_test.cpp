#include "common/amount_words.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(NumberWords, WordsWithTrailingBlank) {
    const struct {
        int n;
        const char16_t* expected;
    } cases[] = {
        {0, u"zero "},
        {7, u"siedem "},
        {15, u"piętnaście "},
        {20, u"dwadzieścia "},
        {21, u"dwadzieścia jeden "},
        {100, u"sto "},
        {115, u"sto piętnaście "},
        {310, u"trzysta dziesięć "},
        {999, u"dziewięćset dziewięćdziesiąt dziewięć "},
        {-1, u""},
        {1000, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberWords(c.n), QString::fromUtf16(c.expected)) << c.n;
}

struct WordsCase {
    double x;
    const char16_t* expected;
};

TEST(AmountInWords, PlainZlotyAndGrosz) {
    const WordsCase cases[] = {
        {1.00, u"jeden złoty zero groszy"},
        {2.05, u"dwa złote pięć groszy"},
        {12.00, u"dwanaście złotych zero groszy"},
        {22.22, u"dwadzieścia dwa złote dwadzieścia dwa grosze"},
        {1000.00, u"jeden tysiąc złotych zero groszy"},
        {0.50, u"zero złotych pięćdziesiąt groszy"},
        {0.01, u"zero złotych jeden grosz"},
        {-5.00, u"minus pięć złotych zero groszy"},
        {21.00, u"dwadzieścia jeden złotych zero groszy"},
        {1000000.00, u"jeden milion złotych zero groszy"},
        {2000000.00, u"dwa miliony złotych zero groszy"},
        {2000.00, u"dwa tysiące złotych zero groszy"},
        {5000000000.0, u"pięć miliardów złotych zero groszy"},
        {1e12, u"jeden bilion złotych zero groszy"},
        {112.13, u"sto dwanaście złotych trzynaście groszy"},
        {1234567.89,
         u"jeden milion dwieście trzydzieści cztery tysiące pięćset sześćdziesiąt siedem złotych "
         u"osiemdziesiąt dziewięć groszy"},
        {1001.00, u"jeden tysiąc jeden złotych zero groszy"},  // "złoty" only for exactly one
        {101.00, u"sto jeden złotych zero groszy"},
        {1.999, u"dwa złote zero groszy"},  // rounded to grosze first
        {-0.004, u"zero złotych zero groszy"},
        {1e15, u"za duża liczba"},
        {999999999999999.0,
         u"dziewięćset dziewięćdziesiąt dziewięć bilionów dziewięćset dziewięćdziesiąt dziewięć "
         u"miliardów dziewięćset dziewięćdziesiąt dziewięć milionów dziewięćset dziewięćdziesiąt "
         u"dziewięć tysięcy dziewięćset dziewięćdziesiąt dziewięć złotych zero groszy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amountInWords(QString(), QString(), false, c.x), QString::fromUtf16(c.expected))
            << c.x;
}

TEST(AmountInWords, CurrencyOptions) {
    const struct {
        const char16_t* currencyWord;
        const char16_t* groszWord;
        bool groszAsDigits;
        double x;
        const char16_t* expected;
    } cases[] = {
        {u"", u"", true, 1234.56, u"jeden tysiąc dwieście trzydzieści cztery złote 56/100"},
        {u"", u"", true, 1000.00, u"jeden tysiąc złotych 0/100"},
        {u"", u"", true, 1.05, u"jeden złoty 5/100"},
        {u"", u"", true, -1.01, u"minus jeden złoty 1/100"},
        {u"EUR", u"ct", false, 2.05, u"dwa EUR pięć ct"},
        {u"EUR", u"", false, 1000.00, u"jeden tysiąc EUR zero groszy"},
        {u"EUR", u"", true, 1234.56, u"jeden tysiąc dwieście trzydzieści cztery EUR 56/100"},
        {u"", u"centów", false, 0.22, u"zero złotych dwadzieścia dwa centów"},
        {u"", u"gr", true, 1.50, u"jeden złoty 50/100"},  // the grosz word is gone already
    };
    for (const auto& c : cases)
        EXPECT_EQ(amountInWords(QString::fromUtf16(c.currencyWord), QString::fromUtf16(c.groszWord),
                                c.groszAsDigits, c.x),
                  QString::fromUtf16(c.expected))
            << c.x;
}

TEST(CodedAmount, DigitCodes) {
    const WordsCase cases[] = {
        {1205.50, u"jed*dwa*zer*pie*zł*pie*zer*gr"},
        {0.0, u"zer*zł*zer*zer*gr"},
        {3.4, u"trz*zł*czt*zer*gr"},
        {67.89, u"sze*sie*zł*osi*dzi*gr"},
        {1.005, u"jed*zł*zer*jed*gr"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codedAmount(c.x), QString::fromUtf16(c.expected)) << c.x;
}

}  // namespace
}  // namespace common

#include "common/text_utils.h"

#include <gtest/gtest.h>

namespace common {
namespace {

struct TextCase {
    const char16_t* text;
    const char16_t* expected;
};

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

TEST(Trim, OnlyBlanks) {
    const TextCase cases[] = {
        {u"  a b  ", u"a b"},
        {u"", u""},
        {u"   ", u""},
        {u"\ta\r\n", u"\ta\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trim(q(c.text)), q(c.expected));
}

TEST(TrimRightBlank, CutsTrailingBlanksAndLineBreaks) {
    const TextCase cases[] = {
        {u"Rachunek \r\n \r\n", u"Rachunek"},
        {u"  a b", u"  a b"},
        {u"a\tb\t ", u"a\tb\t"},
        {u" \r\n", u" \r\n"},  // nothing else: unchanged
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trimRightBlank(q(c.text)), q(c.expected));
}

TEST(BlankTests, WhatCountsAsEmpty) {
    const struct {
        const char16_t* text;
        bool blank;
        bool blankOrStars;
        bool digits;
    } cases[] = {
        {u"", true, true, true},        {u" \r\n", true, true, false},
        {u" * ", false, true, false},   {u"*a", false, false, false},
        {u"\t", false, false, false},   {u"0123456789", false, false, true},
        {u"12 3", false, false, false}, {u"١٢", false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isBlank(q(c.text)), c.blank) << q(c.text).toStdString();
        EXPECT_EQ(isBlankOrStars(q(c.text)), c.blankOrStars) << q(c.text).toStdString();
        EXPECT_EQ(isDigits(q(c.text)), c.digits) << q(c.text).toStdString();
    }
}

TEST(SameTextIgnoreCase, PolishLettersAndLength) {
    const struct {
        const char16_t* a;
        const char16_t* b;
        bool same;
    } cases[] = {
        {u"zażółć", u"ZAŻÓŁĆ", true}, {u"Łódź", u"łÓDŹ", true}, {u"abc", u"abd", false},
        {u"ß", u"SS", false},         {u"", u"", true},         {u"a", u"a ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameTextIgnoreCase(q(c.a), q(c.b)), c.same);
}

TEST(RemoveSpaces, AndDashes) {
    EXPECT_EQ(removeSpaces(q(u" 12 34-56 ")), q(u"1234-56"));
    EXPECT_EQ(removeSpacesAndDashes(q(u"12 1020-3456 7890")), q(u"12102034567890"));
}

TEST(JoinLines, OneLine) {
    const TextCase cases[] = {
        {u"Firma\r\nHandlowa\r\n", u"Firma Handlowa "},
        {u"  a   b", u"a b"},
        {u"\r\n\r\na", u"a"},
        {u"a\nb", u"ab"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(joinLines(q(c.text)), q(c.expected));
}

TEST(MemoText, JoinsLinesWithCr) {
    const TextCase cases[] = {
        {u"a\nb", u"a\rb"},     {u"a\nb\n", u"a\rb"}, {u"a\r\nb\r\n", u"a\rb"},
        {u"a\n\nb", u"a\r\rb"}, {u"a\n\n", u"a\r"},   {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(memoText(q(c.text)), q(c.expected));
}

TEST(MemoLines, ReadsAtMostNLinesWithoutTrailingEmptyOnes) {
    const struct {
        const char16_t* text;
        int n;
        QStringList expected;
    } cases[] = {
        {u"a\rb\rc", 5, {"a", "b", "c"}},
        {u"a\rb\rc", 2, {"a", "b"}},
        {u"a\r\rb\r\r", 5, {"a", "", "b"}},
        {u"a\r\nb", 5, {"a", "b"}},
        {u"", 5, {}},
        {u"a", 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(memoLines(q(c.text), c.n), c.expected) << c.n;
}

TEST(MemoLines, ReadsBackWhatMemoTextStored) {
    const QString plain = q(u"Pole 1\nlinia druga\n\nczwarta");
    EXPECT_EQ(memoLines(memoText(plain), 5).join(u'\n'), plain);
}

TEST(SplitInTwo, AtTheMostEvenSeparator) {
    const struct {
        const char16_t* text;
        const char16_t* first;
        const char16_t* second;
    } cases[] = {
        {u"Jan Kowalski", u"Jan", u"Kowalski"},
        {u"ab cd ef", u"ab", u"cd ef"},  // tie: the first
        {u"a b c", u"a", u"b c"},        // tie again
        {u"Firma Handlowa Kowalski", u"Firma Handlowa", u"Kowalski"},
        {u"Nowak-Kowalska", u"Nowak", u"-Kowalska"},
        {u"abcdef", u"abc", u"def"},
        {u"abcde", u"ab", u"cde"},
        {u"a", u"a", u""},
        {u"", u"", u""},
        {u" ", u" ", u""},
        {u"ab", u"a", u"b"},
    };
    for (const auto& c : cases) {
        const TwoParts parts = splitInTwo(q(c.text));
        EXPECT_EQ(parts.first, q(c.first)) << q(c.text).toStdString();
        EXPECT_EQ(parts.second, q(c.second)) << q(c.text).toStdString();
    }
}

TEST(SplitAtHardSpace, FirstNoBreakSpace) {
    const struct {
        const char16_t* text;
        const char16_t* first;
        const char16_t* second;
    } cases[] = {
        {u"ab\u00A0cd\u00A0ef", u"ab", u"cd\u00A0ef"},
        {u"ab cd", u"ab cd", u""},
        {u"\u00A0x", u"", u"x"},
    };
    for (const auto& c : cases) {
        const TwoParts parts = splitAtHardSpace(q(c.text));
        EXPECT_EQ(parts.first, q(c.first));
        EXPECT_EQ(parts.second, q(c.second));
    }
}

}  // namespace
}  // namespace common

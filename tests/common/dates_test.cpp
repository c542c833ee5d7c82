#include "common/dates.h"
#include "common/clock.h"
#include "common/conversion_error.h"
#include "common/formats.h"
#include "common/holidays.h"
#include "settings_guard.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace common {
namespace {

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

TEST(DateTimeValues, CountDaysFrom30December1899) {
    const struct {
        QDate date;
        double value;
    } cases[] = {
        {QDate(1899, 12, 30), 0.0},     {QDate(1900, 1, 1), 2.0},
        {QDate(2000, 1, 1), 36526.0},   {QDate(1899, 12, 29), -1.0},
        {QDate(1500, 1, 1), -146095.0}, {QDate(9999, 12, 31), 2958465.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(toDateTime(c.date), c.value) << c.date.toString().toStdString();
        EXPECT_EQ(dateOf(c.value), c.date) << c.value;
    }
    EXPECT_DOUBLE_EQ(toDateTime(QDate()), 0.0);
}

TEST(DateTimeValues, FractionIsTimeOfDay) {
    EXPECT_EQ(dateOf(36526.75), QDate(2000, 1, 1));
    EXPECT_EQ(timeOf(36526.75), QTime(18, 0));
    // Before the epoch the day is the whole part and the fraction still the time.
    EXPECT_EQ(dateOf(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(timeOf(-1.25), QTime(6, 0));
    EXPECT_DOUBLE_EQ(toDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25);
    EXPECT_DOUBLE_EQ(toDateTime(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 36526.5);
    EXPECT_FALSE(dateOf(1e300).isValid());
    EXPECT_FALSE(dateOf(2958466.0).isValid());
}

class DateTextTest : public ::testing::Test {
  protected:
    testing::SettingsGuard guard;
};

TEST_F(DateTextTest, ParseWithFullStop) {
    setDateSeparator(u'.');
    const struct {
        const char16_t* text;
        QDate expected;
    } cases[] = {
        {u"01.02.05", QDate(2005, 2, 1)},    {u"01.02.2081", QDate(1981, 2, 1)},
        {u"01.02.81", QDate(1981, 2, 1)},    {u"01.02.99", QDate(1999, 2, 1)},
        {u"01.02.10", QDate(2010, 2, 1)},    {u"01.02.1910", QDate(2010, 2, 1)},
        {u"01.02.1911", QDate(1911, 2, 1)},  {u"31.12.2080", QDate(2080, 12, 31)},
        {u"1.2.2005", QDate(2005, 2, 1)},    {u" 07.03.2021 ", QDate(2021, 3, 7)},
        {u"29.02.2024", QDate(2024, 2, 29)}, {u"29.02.1904", QDate(2004, 2, 29)},
        {u"01.02.0", QDate(2000, 2, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDate(q(c.text)), c.expected) << q(c.text).toStdString();
}

TEST_F(DateTextTest, ParseRejectsWhatIsNotADate) {
    setDateSeparator(u'.');
    for (const char16_t* text :
         {u"31.02.2020",  u"29.02.2023", u"29.02.1900",  u"00.01.2020",  u"01.13.2020",
          u"01.00.2020",  u"01/02/2005", u"01.02",       u"01.02.205",   u"01.02.20055",
          u"001.02.2005", u"01..2005",   u"01.02.2005x", u"x01.02.2005", u"",
          u"  .  .    ",  u"dziś",       u"-1.02.2005",  u"01.02.2005.", u"１.２.２００５"}) {
        EXPECT_THROW(parseDate(q(text)), ConversionError) << q(text).toStdString();
    }
}

TEST_F(DateTextTest, ErrorNamesTheText) {
    setDateSeparator(u'.');
    try {
        parseDate(q(u"31.02.2020"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'31.02.2020' is not a valid date");
    }
}

TEST_F(DateTextTest, FollowsTheDateSeparator) {
    setDateSeparator(u'/');
    EXPECT_EQ(parseDate(q(u"07/03/2021")), QDate(2021, 3, 7));
    EXPECT_THROW(parseDate(q(u"07.03.2021")), ConversionError);
    EXPECT_EQ(formatDate(QDate(2021, 3, 7)), q(u"07/03/2021"));

    setDateSeparator(u'-');
    EXPECT_EQ(parseDate(q(u"07-03-2021")), QDate(2021, 3, 7));
    EXPECT_EQ(formatDate(QDate(2021, 3, 7)), q(u"07-03-2021"));

    setDateSeparator(QChar());
    EXPECT_EQ(dateSeparator(), systemDateSeparator());
}

TEST_F(DateTextTest, DateWords) {
    setDateSeparator(u'.');
    setToday(QDate(2023, 6, 15));
    const struct {
        const char16_t* text;
        QDate expected;
    } cases[] = {
        {u"Początku", QDate(1500, 1, 1)}, {u"POCZĄTKU", QDate(1500, 1, 1)},
        {u"początku", QDate(1500, 1, 1)}, {u"dziś", QDate(2023, 6, 15)},
        {u"01.02.05", QDate(2005, 2, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDateWord(q(c.text)), c.expected) << q(c.text).toStdString();
    EXPECT_THROW(parseDateWord(q(u"jutro")), ConversionError);
}

TEST_F(DateTextTest, TodayFollowsTheSystemUnlessFixed) {
    setToday(QDate(2020, 5, 5));
    EXPECT_EQ(today(), QDate(2020, 5, 5));
    setToday(QDate());
    EXPECT_EQ(today(), QDate::currentDate());
}

TEST_F(DateTextTest, IsDateText) {
    setDateSeparator(u'.');
    const struct {
        const char16_t* text;
        bool allowBlank;
        bool expected;
    } cases[] = {
        {u"01.02.2005", false, true},  {u"  .  .    ", true, true},
        {u"  .  .    ", false, false}, {u"", true, true},
        {u"", false, false},           {u"31.02.2020", true, false},
        {u"ab", true, false},          {u" - ", true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isDateText(q(c.text), c.allowBlank), c.expected) << q(c.text).toStdString();
}

TEST_F(DateTextTest, FormatDateForms) {
    setDateSeparator(u'.');
    const double march7 = toDateTime(QDate(2021, 3, 7));
    const struct {
        double value;
        const char16_t* date;
        const char16_t* iso;
        const char16_t* underscore;
    } cases[] = {
        {march7, u"07.03.2021", u"2021-03-07", u"07_03_2021"},
        {march7 + 0.75, u"07.03.2021", u"2021-03-07", u"07_03_2021"},
        {toDateTime(QDate(1900, 1, 1)), u"01.01.1900", u"1900-01-01", u"01_01_1900"},
        {0.0, u"", u"", u""},
        {0.5, u"30.12.1899", u"1899-12-30", u"30_12_1899"},  // a time on the first day
        {-1.0, u"", u"", u""},
        {1e300, u"", u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatDate(c.value), q(c.date)) << c.value;
        EXPECT_EQ(formatDateISO(c.value), q(c.iso)) << c.value;
        EXPECT_EQ(formatDateUnderscore(c.value), q(c.underscore)) << c.value;
    }
    EXPECT_EQ(formatDate(QDate()), QString());
    EXPECT_EQ(formatDate(QDate(1899, 12, 30)), QString());
    EXPECT_EQ(formatDateUnderscore(QDate(2021, 3, 7)), q(u"07_03_2021"));
}

TEST(FormatTime, TwoDigitsEach) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {toDateTime(QDate(2021, 3, 7), QTime(9, 5, 7)), "09:05:07"},
        {0.0, "00:00:00"},
        {0.5, "12:00:00"},
        {0.999999999, "23:59:59"},
        {toDateTime(QDate(2021, 3, 7), QTime(23, 59, 59, 999)), "23:59:59"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatTime(c.value), QString::fromLatin1(c.expected));
    EXPECT_EQ(formatTime(QTime(7, 8, 9)), QStringLiteral("07:08:09"));
}

TEST(DateParts, YearMonthAndMonthLength) {
    EXPECT_EQ(yearOf(36526.9), 2000);
    EXPECT_EQ(monthOf(toDateTime(QDate(2021, 3, 7))), 3);
    EXPECT_EQ(yearOf(1e300), 0);
    const int cases[][3] = {{2, 2024, 29}, {2, 2023, 28},  {2, 1900, 28}, {2, 2000, 29},
                            {4, 2023, 30}, {12, 2023, 31}, {0, 2023, 0},  {13, 2023, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(daysInMonth(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

TEST(EasterDates, KnownYears) {
    const struct {
        int year;
        MonthDay monday;
        MonthDay corpus;
    } cases[] = {
        {2024, {4, 1}, {5, 30}},  {2019, {4, 22}, {6, 20}}, {2025, {4, 21}, {6, 19}},
        {1981, {4, 20}, {6, 18}}, {1954, {4, 19}, {6, 17}},  // the two shifted cases
    };
    for (const auto& c : cases) {
        const MovableHolidays h = easterDates(c.year);
        EXPECT_EQ(h.easterMonday.month, c.monday.month) << c.year;
        EXPECT_EQ(h.easterMonday.day, c.monday.day) << c.year;
        EXPECT_EQ(h.corpusChristi.month, c.corpus.month) << c.year;
        EXPECT_EQ(h.corpusChristi.day, c.corpus.day) << c.year;
    }
}

// Easter Sunday by the anonymous Gregorian computus, a different method from the calendar's.
QDate easterSunday(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    return QDate(y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1);
}

TEST(EasterDates, AgreeWithTheComputusFrom1900To2099) {
    for (int year = 1900; year <= 2099; ++year) {
        const MovableHolidays h = easterDates(year);
        const QDate sunday = easterSunday(year);
        EXPECT_EQ(QDate(year, h.easterMonday.month, h.easterMonday.day), sunday.addDays(1)) << year;
        EXPECT_EQ(QDate(year, h.corpusChristi.month, h.corpusChristi.day), sunday.addDays(60))
            << year;
    }
}

TEST(IsHoliday, FixedAndMovable) {
    const struct {
        int year, month, day;
        bool holiday;
    } cases[] = {
        {2011, 1, 6, true},   {2010, 1, 6, false}, {2025, 12, 24, true}, {2024, 12, 24, false},
        {2024, 1, 1, true},   {2024, 5, 1, true},  {2024, 5, 2, false},  {2024, 5, 3, true},
        {2024, 8, 15, true},  {2024, 11, 1, true}, {2024, 11, 11, true}, {2024, 12, 25, true},
        {2024, 12, 26, true}, {2024, 4, 1, true},  {2024, 3, 31, false}, {2024, 5, 30, true},
        {2019, 4, 22, true},  {2019, 6, 20, true}, {2024, 6, 20, false}, {2024, 7, 4, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isHoliday(c.year, c.month, c.day), c.holiday)
            << c.day << "." << c.month << "." << c.year;
}

}  // namespace
}  // namespace common

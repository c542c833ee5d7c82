#include "common/controls/calendar.h"

#include <QTest>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "common/clock.h"
#include "common/formats.h"

namespace controls {
namespace {

TEST(CalendarMonth, MonthStepsKeepTheDayWithinTheMonth) {
    enum Step { Back, Forward };
    const struct {
        QDate from;
        Step step;
        bool moved;
        QDate expected;
    } cases[] = {
        {QDate(2024, 3, 31), Back, true, QDate(2024, 2, 29)},
        {QDate(2023, 3, 31), Back, true, QDate(2023, 2, 28)},
        {QDate(2024, 1, 31), Forward, true, QDate(2024, 2, 29)},
        {QDate(2024, 5, 31), Forward, true, QDate(2024, 6, 30)},
        {QDate(2024, 12, 15), Forward, true, QDate(2025, 1, 15)},
        {QDate(2025, 1, 15), Back, true, QDate(2024, 12, 15)},
        {QDate(1996, 2, 29), Back, true, QDate(1996, 1, 29)},
        {QDate(1996, 1, 20), Back, false, QDate(1996, 1, 20)},
        {QDate(2050, 11, 30), Forward, true, QDate(2050, 12, 30)},
        {QDate(2050, 12, 31), Forward, false, QDate(2050, 12, 31)},
    };
    for (const auto& c : cases) {
        CalendarMonth month(c.from);
        const bool moved = c.step == Back ? month.previousMonth() : month.nextMonth();
        EXPECT_EQ(moved, c.moved) << c.from.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(month.selected(), c.expected) << c.from.toString(Qt::ISODate).toStdString();
    }
}

TEST(CalendarMonth, DayMovesFollowTheMonthWithinTheRange) {
    const struct {
        QDate from;
        int days;
        bool moved;
        QDate expected;
    } cases[] = {
        {QDate(2024, 3, 1), -1, true, QDate(2024, 2, 29)},
        {QDate(2024, 12, 28), 7, true, QDate(2025, 1, 4)},
        {QDate(1996, 1, 1), -1, false, QDate(1996, 1, 1)},
        {QDate(1996, 1, 5), -7, false, QDate(1996, 1, 5)},
        {QDate(2050, 12, 31), 1, false, QDate(2050, 12, 31)},
    };
    for (const auto& c : cases) {
        CalendarMonth month(c.from);
        EXPECT_EQ(month.moveDays(c.days), c.moved) << c.from.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(month.selected(), c.expected);
        EXPECT_EQ(month.year(), c.expected.year());
        EXPECT_EQ(month.month(), c.expected.month());
    }
}

TEST(CalendarMonth, GridStartsOnMonday) {
    const struct {
        int year;
        int month;
        int firstColumn;  // Monday 0
        int rows;
    } cases[] = {
        {2024, 3, 4, 5},  // starts on a Friday
        {2024, 9, 6, 6},  // starts on a Sunday: six week rows
        {2021, 2, 0, 4},  // 28 days from a Monday
        {2024, 4, 0, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.month);
        const CalendarMonth month(QDate(c.year, c.month, 1));
        EXPECT_EQ(month.rows(), c.rows);
        EXPECT_EQ(month.dayAt(0, c.firstColumn), 1);
        if (c.firstColumn > 0) {
            EXPECT_EQ(month.dayAt(0, c.firstColumn - 1), 0);
        }
        const int last = QDate(c.year, c.month, 1).daysInMonth();
        EXPECT_EQ(month.dayAt(month.rowOf(last), month.columnOf(last)), last);
        EXPECT_EQ(month.rowOf(last), c.rows - 1);
        EXPECT_EQ(month.dayAt(c.rows - 1, 7), 0);
    }
    EXPECT_EQ(CalendarMonth(QDate(2024, 10, 9)).title(), QString::fromUtf16(u"Październik 2024"));
    EXPECT_EQ(CalendarMonth::dayHeader(2), QString::fromUtf16(u"Śr"));
    EXPECT_EQ(CalendarMonth::dayHeader(6), QStringLiteral("N"));
}

TEST(CalendarMonth, SundaysAndHolidaysAreRed) {
    const QColor red(Qt::red);
    const QColor navy(0, 0, 128);
    const struct {
        QDate date;
        QColor colour;
    } cases[] = {
        {QDate(2024, 3, 31), red},  // Easter Sunday
        {QDate(2024, 4, 1), red},   // Easter Monday
        {QDate(2024, 5, 30), red},  // Corpus Christi
        {QDate(2024, 11, 11), red}, {QDate(2024, 5, 3), red},   {QDate(2011, 1, 6), red},
        {QDate(2010, 1, 6), navy},  {QDate(2025, 12, 24), red}, {QDate(2024, 12, 24), navy},
        {QDate(2024, 3, 30), navy},  // Saturday
        {QDate(2024, 3, 29), navy},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalendarMonth::dayColor(c.date), c.colour)
            << c.date.toString(Qt::ISODate).toStdString();
}

TEST(CalendarWindow, StaysOnTheScreen) {
    const QRect screen(0, 0, 1024, 768);
    const QSize size(200, 180);
    const struct {
        QPoint at;
        QPoint expected;
    } cases[] = {
        {{100, 100}, {100, 100}}, {{824, 588}, {824, 588}}, {{900, 700}, {824, 588}},
        {{900, 100}, {824, 100}}, {{-10, -5}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TKalendarz::fitOnScreen(screen, c.at, size), c.expected);
    EXPECT_EQ(TKalendarz::fitOnScreen(QRect(1024, 0, 800, 600), QPoint(1700, 10), size),
              QPoint(1624, 10));
}

class CalendarWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        common::setDateSeparator(u'.');
        common::setToday(QDate(2024, 3, 15));
    }
    void TearDown() override {
        common::setDateSeparator(QChar());
        common::setToday(QDate());
    }

    void open() {
        calendar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));
    }

    TKalendarz calendar;
};

TEST_F(CalendarWindowTest, FirstShowingSelectsTodayLaterOnesKeepTheMonth) {
    open();
    EXPECT_EQ(calendar.date(), QDate(2024, 3, 15));
    QTest::keyClick(calendar.grid(), Qt::Key_PageDown);
    QTest::keyClick(calendar.grid(), Qt::Key_Escape);
    EXPECT_EQ(calendar.result(), QDialog::Rejected);
    EXPECT_FALSE(calendar.isVisible());

    common::setToday(QDate(2024, 8, 1));
    open();
    EXPECT_EQ(calendar.date(), QDate(2024, 4, 15));
}

TEST_F(CalendarWindowTest, KeyboardMovesAndChooses) {
    open();
    const struct {
        Qt::Key key;
        QDate expected;
    } steps[] = {
        {Qt::Key_Right, QDate(2024, 3, 16)},    {Qt::Key_Down, QDate(2024, 3, 23)},
        {Qt::Key_Down, QDate(2024, 3, 30)},     {Qt::Key_Down, QDate(2024, 4, 6)},
        {Qt::Key_Left, QDate(2024, 4, 5)},      {Qt::Key_Up, QDate(2024, 3, 29)},
        {Qt::Key_PageDown, QDate(2024, 4, 29)}, {Qt::Key_PageUp, QDate(2024, 3, 29)},
        {Qt::Key_PageUp, QDate(2024, 2, 29)},   {Qt::Key_PageUp, QDate(2024, 1, 29)},
    };
    for (const auto& s : steps) {
        QTest::keyClick(calendar.grid(), s.key);
        EXPECT_EQ(calendar.date(), s.expected);
    }
    QTest::keyClick(calendar.grid(), Qt::Key_Return);
    EXPECT_EQ(calendar.result(), QDialog::Accepted);
    EXPECT_EQ(calendar.dateText(), QStringLiteral("29.01.2024"));
}

TEST_F(CalendarWindowTest, ClickingADayChoosesIt) {
    open();
    const QRect third = calendar.grid()->dayRect(3);
    ASSERT_TRUE(third.isValid());
    EXPECT_EQ(calendar.grid()->dayAt(third.center()), 3);
    QTest::mouseClick(calendar.grid(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(calendar.result(), QDialog::Accepted);
    EXPECT_EQ(calendar.date(), QDate(2024, 3, 3));
    EXPECT_EQ(calendar.dateText(), QStringLiteral("03.03.2024"));
}

TEST_F(CalendarWindowTest, RightButtonCancels) {
    open();
    // Anywhere: on a day as well as beside the grid.
    QTest::mouseClick(calendar.grid(), Qt::RightButton, {}, calendar.grid()->dayRect(20).center());
    EXPECT_EQ(calendar.result(), QDialog::Rejected);
    EXPECT_FALSE(calendar.isVisible());
    EXPECT_EQ(calendar.date(), QDate(2024, 3, 15));

    open();
    QTest::mouseClick(&calendar, Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_FALSE(calendar.isVisible());
}

TEST_F(CalendarWindowTest, ArrowButtonsStopAtTheRange) {
    common::setToday(QDate(1996, 2, 10));
    open();
    QTest::keyClick(calendar.grid(), Qt::Key_PageUp);
    QTest::keyClick(calendar.grid(), Qt::Key_PageUp);
    EXPECT_EQ(calendar.date(), QDate(1996, 1, 10));
    const auto buttons = calendar.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    int enabledArrows = 0;
    for (QWidget* w : buttons)
        if (w->inherits("QToolButton") && w->isEnabled())
            ++enabledArrows;
    EXPECT_EQ(enabledArrows, 1) << "only the forward arrow";
}

}  // namespace
}  // namespace controls

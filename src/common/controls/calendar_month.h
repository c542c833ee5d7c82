#pragma once
// What the calendar window shows: one month of days in a grid of weeks, Monday first, and the
// selected day, kept between January 1996 and December 2050.

#include <QColor>
#include <QDate>
#include <QString>

namespace controls {

class CalendarMonth {
  public:
    static constexpr int kFirstYear = 1996;
    static constexpr int kLastYear = 2050;
    static constexpr int kColumns = 7;

    // Shows the month of `selected` with that day selected (today when invalid).
    explicit CalendarMonth(const QDate& selected = QDate());

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    QDate selected() const { return QDate(year_, month_, day_); }

    // Shows the date's month with the date selected.
    void select(const QDate& date);
    // Selects a day of the shown month; false for a day the month does not have.
    bool selectDay(int day);

    // One month back or forward, keeping the day number up to the new month's last day.
    // False, and nothing changes, at January 1996 and December 2050.
    bool previousMonth();
    bool nextMonth();
    // Moves the selection by days (the month follows); false when that leaves the range.
    bool moveDays(int days);

    // "Styczeń 2024".
    QString title() const;

    // The grid: week rows, the first day of the month in the column of its weekday.
    int rows() const;
    int dayAt(int row, int column) const;  // 0 for a cell outside the month
    int rowOf(int day) const;
    int columnOf(int day) const;

    static QString monthName(int month);      // 1 = "Styczeń"
    static QString dayHeader(int column);     // 0 = "Pn" ... 6 = "N"
    static bool isRedDay(const QDate& date);  // a Sunday or a public holiday
    // Red for Sundays and holidays, navy for the other days.
    static QColor dayColor(const QDate& date);

  private:
    void show(int year, int month);
    int firstColumn() const;

    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
};

}  // namespace controls

#include "common/controls/calendar_month.h"

#include <algorithm>

#include "common/clock.h"
#include "common/dates.h"
#include "common/holidays.h"

namespace controls {
namespace {

int monthIndex(int year, int month) {
    return year * 12 + month - 1;
}

const int kFirstMonth = monthIndex(CalendarMonth::kFirstYear, 1);
const int kLastMonth = monthIndex(CalendarMonth::kLastYear, 12);

}  // namespace

CalendarMonth::CalendarMonth(const QDate& selected) {
    select(selected.isValid() ? selected : common::today());
}

void CalendarMonth::select(const QDate& date) {
    year_ = date.year();
    month_ = date.month();
    day_ = date.day();
}

bool CalendarMonth::selectDay(int day) {
    if (day < 1 || day > common::daysInMonth(month_, year_))
        return false;
    day_ = day;
    return true;
}

void CalendarMonth::show(int year, int month) {
    year_ = year;
    month_ = month;
    day_ = std::min(day_, common::daysInMonth(month_, year_));
}

bool CalendarMonth::previousMonth() {
    const int index = monthIndex(year_, month_);
    if (index <= kFirstMonth)
        return false;
    show((index - 1) / 12, (index - 1) % 12 + 1);
    return true;
}

bool CalendarMonth::nextMonth() {
    const int index = monthIndex(year_, month_);
    if (index >= kLastMonth)
        return false;
    show((index + 1) / 12, (index + 1) % 12 + 1);
    return true;
}

bool CalendarMonth::moveDays(int days) {
    const QDate target = selected().addDays(days);
    const int index = monthIndex(target.year(), target.month());
    if (index < kFirstMonth || index > kLastMonth)
        return false;
    select(target);
    return true;
}

QString CalendarMonth::title() const {
    return monthName(month_) + QLatin1Char(' ') + QString::number(year_);
}

int CalendarMonth::firstColumn() const {
    return QDate(year_, month_, 1).dayOfWeek() - 1;
}

int CalendarMonth::rows() const {
    return (firstColumn() + common::daysInMonth(month_, year_) + kColumns - 1) / kColumns;
}

int CalendarMonth::dayAt(int row, int column) const {
    if (column < 0 || column >= kColumns || row < 0)
        return 0;
    const int day = row * kColumns + column - firstColumn() + 1;
    return day >= 1 && day <= common::daysInMonth(month_, year_) ? day : 0;
}

int CalendarMonth::rowOf(int day) const {
    return (firstColumn() + day - 1) / kColumns;
}

int CalendarMonth::columnOf(int day) const {
    return (firstColumn() + day - 1) % kColumns;
}

QString CalendarMonth::monthName(int month) {
    static const char16_t* const names[] = {u"Styczeń",  u"Luty",        u"Marzec",   u"Kwiecień",
                                            u"Maj",      u"Czerwiec",    u"Lipiec",   u"Sierpień",
                                            u"Wrzesień", u"Październik", u"Listopad", u"Grudzień"};
    return month >= 1 && month <= 12 ? QString::fromUtf16(names[month - 1]) : QString();
}

QString CalendarMonth::dayHeader(int column) {
    static const char16_t* const headers[] = {u"Pn", u"Wt", u"Śr", u"Cz", u"Pt", u"So", u"N"};
    return column >= 0 && column < kColumns ? QString::fromUtf16(headers[column]) : QString();
}

bool CalendarMonth::isRedDay(const QDate& date) {
    return date.dayOfWeek() == Qt::Sunday ||
           common::isHoliday(date.year(), date.month(), date.day());
}

QColor CalendarMonth::dayColor(const QDate& date) {
    return isRedDay(date) ? QColor(Qt::red) : QColor(0, 0, 128);
}

}  // namespace controls

#pragma once
// DateTime values as the tables store them: days since 30 December 1899 at midnight, the
// fraction being the time of day. Before that day the whole part is the (negative) day and the
// fraction still adds the time of day.

#include <QDate>
#include <QTime>

class QDateTime;

namespace engine {

using DateTime = double;

// 0 for an invalid date.
DateTime toDateTime(const QDate& date);
DateTime toDateTime(const QDate& date, const QTime& time);
DateTime toDateTime(const QDateTime& dateTime);
// Invalid for NaN, infinities and values outside the years 1 to 9999.
QDate dateOf(DateTime value);
// The time of day to the millisecond; midnight for values that are not finite.
QTime timeOf(DateTime value);

}  // namespace engine

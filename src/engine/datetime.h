#pragma once
// DateTime values as the tables store them: days since 30 December 1899, the fraction being the
// time of day.

#include <QDate>
#include <QDateTime>

namespace engine {

double toDateTime(QDate date);
double toDateTime(const QDateTime& dateTime);
// The calendar day of a DateTime value (its whole part); an invalid QDate for values that are
// out of the representable range.
QDate toDate(double dateTime);
QDateTime toQDateTime(double dateTime);

}  // namespace engine

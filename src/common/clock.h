#pragma once
// The program's idea of "today", so that tests can pin it.

#include <QDate>

namespace common {

// The system date, or the date fixed with setToday.
QDate today();

// Fixes today's date; an invalid QDate returns to the system clock.
void setToday(const QDate& date);

}  // namespace common

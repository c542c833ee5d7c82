#pragma once
// Dates as the tables keep them, and the date texts of the program. A DateTime counts days from
// 30 December 1899 at midnight; its fraction is the time of day. Before that day the whole part
// is the (negative) day and the fraction still adds the time of day.
//
// Date texts use the short format "dd/mm/yyyy" where "/" is the date separator (formats.h).

#include <QDate>
#include <QString>
#include <QTime>

#include "engine/datetime.h"

class QDateTime;

namespace common {

// The conversions between DateTime values and calendar dates are the engine's.
using engine::dateOf;
using engine::DateTime;
using engine::timeOf;
using engine::toDateTime;

// Reads "dd/mm/yyyy" with the date separator; day and month may have one digit, a year of one
// or two digits means 2000 and more. Then a year up to 1910 moves 100 years on and a year after
// 2080 100 years back. Throws ConversionError for anything that is not a real date
// ("31.02.2020" included).
QDate parseDate(const QString& text);

// "początku" (any letter case) is 1 January 1500, "dziś" today; anything else parseDate.
QDate parseDateWord(const QString& text);

// True when parseDate reads the text; with allowBlank also for a text of nothing but blanks and
// full stops (an empty date field).
bool isDateText(const QString& text, bool allowBlank);

// "dd/mm/yyyy" with the date separator; empty for a date of 0 or less, so also for an invalid
// QDate and for 30 December 1899 and earlier.
QString formatDate(DateTime value);
QString formatDate(const QDate& date);

// "yyyy-mm-dd"; empty for 0 or less.
QString formatDateISO(DateTime value);
QString formatDateISO(const QDate& date);

// formatDate with both separators as "_" ("07_03_2021"), for file names.
QString formatDateUnderscore(DateTime value);
QString formatDateUnderscore(const QDate& date);

// "hh:mm:ss" of the time of day.
QString formatTime(DateTime value);
QString formatTime(const QTime& time);

// 0 for values dateOf cannot read.
int yearOf(DateTime value);
int monthOf(DateTime value);

// Days of the month in the Gregorian calendar; 0 for a month outside 1 to 12.
int daysInMonth(int month, int year);

}  // namespace common

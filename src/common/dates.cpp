#include "common/dates.h"

#include "common/clock.h"
#include "common/conversion_error.h"
#include "common/formats.h"

#include <QDateTime>

#include <cmath>

namespace common {
namespace {

[[noreturn]] void throwNotADate(const QString& text) {
    throw ConversionError(text, QStringLiteral("'%1' is not a valid date").arg(text));
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}
QString fourDigits(int n) {
    return QStringLiteral("%1").arg(n, 4, 10, QChar(u'0'));
}

// Reads a run of 1 to maxDigits ASCII digits at pos, blanks allowed around it.
bool readNumber(const QString& text, qsizetype& pos, int maxDigits, int& value, int& digits) {
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
    value = 0;
    digits = 0;
    while (pos < text.size() && text.at(pos) >= u'0' && text.at(pos) <= u'9') {
        if (++digits > maxDigits)
            return false;
        value = value * 10 + (text.at(pos).unicode() - u'0');
        ++pos;
    }
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
    return digits > 0;
}

}  // namespace

QDate parseDate(const QString& text) {
    const QChar separator = dateSeparator();
    qsizetype pos = 0;
    int day = 0, month = 0, year = 0, digits = 0;
    if (!readNumber(text, pos, 2, day, digits))
        throwNotADate(text);
    if (pos >= text.size() || text.at(pos) != separator)
        throwNotADate(text);
    ++pos;
    if (!readNumber(text, pos, 2, month, digits))
        throwNotADate(text);
    if (pos >= text.size() || text.at(pos) != separator)
        throwNotADate(text);
    ++pos;
    if (!readNumber(text, pos, 4, year, digits) || digits == 3)
        throwNotADate(text);
    if (pos != text.size())
        throwNotADate(text);

    if (digits <= 2)
        year += 2000;
    if (!QDate::isValid(year, month, day))
        throwNotADate(text);
    if (year <= 1910)
        year += 100;
    else if (year > 2080)
        year -= 100;
    const QDate date(year, month, day);
    if (!date.isValid())
        throwNotADate(text);
    return date;
}

QDate parseDateWord(const QString& text) {
    if (text.compare(u"początku", Qt::CaseInsensitive) == 0)
        return QDate(1500, 1, 1);
    if (text == u"dziś")
        return today();
    return parseDate(text);
}

bool isDateText(const QString& text, bool allowBlank) {
    try {
        parseDate(text);
        return true;
    } catch (const ConversionError&) {
    }
    if (!allowBlank)
        return false;
    for (QChar c : text)
        if (c != u' ' && c != u'.')
            return false;
    return true;
}

QString formatDate(DateTime value) {
    const QDate date = value > 0 ? dateOf(value) : QDate();
    if (!date.isValid())
        return QString();
    const QChar s = dateSeparator();
    return twoDigits(date.day()) + s + twoDigits(date.month()) + s + fourDigits(date.year());
}

QString formatDate(const QDate& date) {
    return formatDate(toDateTime(date));
}

QString formatDateISO(DateTime value) {
    const QDate date = value > 0 ? dateOf(value) : QDate();
    if (!date.isValid())
        return QString();
    return fourDigits(date.year()) + u'-' + twoDigits(date.month()) + u'-' + twoDigits(date.day());
}

QString formatDateISO(const QDate& date) {
    return formatDateISO(toDateTime(date));
}

QString formatDateUnderscore(DateTime value) {
    QString text = formatDate(value);
    if (text.size() >= 6) {
        text[2] = u'_';
        text[5] = u'_';
    }
    return text;
}

QString formatDateUnderscore(const QDate& date) {
    return formatDateUnderscore(toDateTime(date));
}

QString formatTime(const QTime& time) {
    if (!time.isValid())
        return QStringLiteral("00:00:00");
    return twoDigits(time.hour()) + kTimeSeparator + twoDigits(time.minute()) + kTimeSeparator +
           twoDigits(time.second());
}

QString formatTime(DateTime value) {
    return formatTime(timeOf(value));
}

int yearOf(DateTime value) {
    const QDate date = dateOf(value);
    return date.isValid() ? date.year() : 0;
}

int monthOf(DateTime value) {
    const QDate date = dateOf(value);
    return date.isValid() ? date.month() : 0;
}

int daysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)))
        return 29;
    return kDays[month - 1];
}

}  // namespace common

#include "engine/datetime.h"

#include <QDateTime>

#include <cmath>

namespace engine {
namespace {

const QDate kEpoch(1899, 12, 30);
// 1 January of year 1 and 31 December 9999.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;
constexpr qint64 kMsPerDay = 86400000;

}  // namespace

DateTime toDateTime(const QDate& date) {
    return date.isValid() ? static_cast<double>(kEpoch.daysTo(date)) : 0.0;
}

DateTime toDateTime(const QDate& date, const QTime& time) {
    const double day = toDateTime(date);
    const double fraction =
        time.isValid() ? static_cast<double>(time.msecsSinceStartOfDay()) / kMsPerDay : 0.0;
    return day < 0 ? day - fraction : day + fraction;
}

DateTime toDateTime(const QDateTime& dateTime) {
    return toDateTime(dateTime.date(), dateTime.time());
}

QDate dateOf(DateTime value) {
    if (!std::isfinite(value) || value < kFirstDay - 1.0 || value > kLastDay + 1.0)
        return QDate();
    const double day = std::trunc(value);
    if (day < kFirstDay || day > kLastDay)
        return QDate();
    return kEpoch.addDays(static_cast<qint64>(day));
}

QTime timeOf(DateTime value) {
    if (!std::isfinite(value))
        return QTime(0, 0);
    const double fraction = std::fabs(value - std::trunc(value));
    qint64 ms = std::llround(fraction * kMsPerDay);
    if (ms >= kMsPerDay)
        ms = kMsPerDay - 1;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

}  // namespace engine

#include "engine/datetime.h"

#include <cmath>

namespace engine {
namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMaxDays = 3e6;  // beyond year 9999: not a date
}  // namespace

double toDateTime(QDate date) {
    return date.isValid() ? static_cast<double>(kEpoch.daysTo(date)) : 0.0;
}

double toDateTime(const QDateTime& dateTime) {
    const QTime t = dateTime.time();
    return toDateTime(dateTime.date()) + t.msecsSinceStartOfDay() / 86400000.0;
}

QDate toDate(double dateTime) {
    if (!std::isfinite(dateTime) || std::fabs(dateTime) > kMaxDays) return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(dateTime)));
}

QDateTime toQDateTime(double dateTime) {
    const QDate d = toDate(dateTime);
    if (!d.isValid()) return {};
    const double frac = dateTime - std::floor(dateTime);
    const int ms = static_cast<int>(std::llround(frac * 86400000.0));
    return QDateTime(d, QTime(0, 0)).addMSecs(ms);
}

}  // namespace engine

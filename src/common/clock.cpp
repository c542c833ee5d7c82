#include "common/clock.h"

namespace common {
namespace {
QDate fixedToday;
}  // namespace

QDate today() {
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void setToday(const QDate& date) {
    fixedToday = date;
}

}  // namespace common

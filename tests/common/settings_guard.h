#pragma once
// Restores the program-wide settings a test changes, so that cases stay independent.

#include "common/clock.h"
#include "common/formats.h"

namespace common::testing {

class SettingsGuard {
  public:
    SettingsGuard() : priceDecimals_(priceDecimals()) {}
    ~SettingsGuard() {
        setPriceDecimals(priceDecimals_);
        setDateSeparator(QChar());
        setToday(QDate());
    }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

  private:
    int priceDecimals_;
};

}  // namespace common::testing

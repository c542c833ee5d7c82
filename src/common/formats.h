#pragma once
// Program-wide number and date formats. Amounts are written with a decimal comma and a blank
// between thousands whatever the system says; only the date separator follows the system.

#include <QChar>

namespace common {

inline constexpr QChar kDecimalSeparator{u','};
inline constexpr QChar kThousandSeparator{u' '};
inline constexpr QChar kTimeSeparator{u':'};
inline constexpr int kCurrencyDecimals = 2;

// Re-reads the system's date separator (unless one was fixed with setDateSeparator). Called at
// start and before every printout and export, so that a changed system setting is picked up.
void setLocaleFormats();

// The separator of the short date format "dd/mm/yyyy".
QChar dateSeparator();

// Fixes the date separator regardless of the system (tests; a null QChar follows the system again).
void setDateSeparator(QChar separator);

// The separator of the system's short date format: its first character that is not a letter,
// a quote or a blank; "." when there is none.
QChar systemDateSeparator();

// Decimals of goods and line prices: 2, 3 or 4 (default 2). Amounts always have 2 decimals.
// Any other value counts as 2.
int priceDecimals();
void setPriceDecimals(int decimals);

}  // namespace common

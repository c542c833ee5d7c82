#pragma once
// Rounding, formatting and reading of money amounts and prices, and the codes of VAT rate texts.
// Amounts are doubles here, as the editors and printouts handle them; stored values are
// engine::Currency.

#include <QString>

namespace common {

// Reads a number written with an optional sign, digits, the decimal comma and an optional
// exponent ("E" or "e"), blanks allowed around it. Throws ConversionError otherwise, and for a
// value beyond the range of a double.
double textToFloat(const QString& text);

// Rounds half away from zero to 2 decimals, or with highPrecision to the price decimals. A small
// guard makes halves that binary floating point holds slightly low (1.005, 2.675) round up.
double roundAmount(bool highPrecision, double x);

// roundAmount written with blank-separated thousands, a decimal comma and exactly 2 decimals
// (the price decimals with highPrecision): 1234567.5 gives "1 234 567,50". A value that rounds
// to zero never shows a minus sign. NaN and infinities give "NAN", "INF" and "-INF".
QString formatAmount(bool highPrecision, double x);

// Keeps only "-", the digits and the decimal comma of the text, in their order, and reads the
// rest ("0" when nothing is left): "1 234,50 zł" gives 1234.5. Throws ConversionError when the
// rest still does not read, such as "--1".
double parseAmount(const QString& text);

// The 16-bit code stored for a VAT rate text: the percentage times 100 ("23%" gives 2300),
// -1 for a text beginning with "Z" or "-", -10 for "N", -10000 for "B". Throws ConversionError
// when the percentage does not read or its code does not fit in 16 bits.
int vatRateCode(const QString& text);

// The rate as a fraction: 0 for a text beginning with "-", "N", "Z" or "B", otherwise the
// percentage times 0.01 ("23%" gives 0.23). Throws ConversionError when it does not read.
double vatRateFraction(const QString& text);

}  // namespace common

#pragma once
// Amounts written out in Polish words, for the "Słownie:" line of printouts and the amount box
// of transfer forms.

#include <QString>

namespace common {

// The words of n (0 to 999), each followed by one blank: 115 gives "sto piętnaście ".
// Any other n gives an empty text.
QString numberWords(int n);

// The amount in words, such as "dwadzieścia dwa złote dwadzieścia dwa grosze". The amount is
// first rounded to grosze. currencyWord and groszWord, when not empty, replace the złoty and
// grosz words; groszAsDigits writes the grosze as "56/100" after the złoty word. From
// 10^15 złoty on, either sign, and for NaN and infinities the text is "za duża liczba".
QString amountInWords(const QString& currencyWord, const QString& groszWord, bool groszAsDigits,
                      double x);

// The digit-by-digit form for transfer forms: 1205.50 gives "jed*dwa*zer*pie*zł*pie*zer*gr".
// NaN and infinities give an empty text.
QString codedAmount(double x);

}  // namespace common

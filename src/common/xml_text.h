#pragma once
// Texts and numbers for the character data of the JPK XML files.

#include <QByteArray>
#include <QString>

namespace common {

// The UTF-8 character data for a text: the markup characters escaped, CR and LF as blanks, the
// Polish letters kept, other accented letters of Windows-1250 reduced to their plain letter
// and the remaining control and upper-half characters dropped. A character outside
// Windows-1250 counts as "?", as it would once stored.
QByteArray xmlText(const QString& text);

// An amount written by formatAmount as an XML decimal: "1 234,56" gives "1234.56"; an empty
// result gives "0".
QString xmlNumber(const QString& text);

// Texts of 3 characters or more reduced to their ASCII letters and digits ("PL 123-45" gives
// "PL12345"); shorter texts unchanged.
QString keepAlphanumeric(const QString& text);

}  // namespace common

#pragma once
// The Windows-1250 code page: every text the program stores, prints or writes to a file is
// limited to its characters.

#include <QByteArray>
#include <QString>

namespace platform {

// True when the character has a code in Windows-1250.
bool isCp1250(QChar c);

// The text with every character outside Windows-1250 replaced by "?" (a surrogate pair counts
// as one character).
QString limitToCp1250(const QString& text);

// Byte-wise conversions; a character outside the code page becomes "?".
QByteArray toCp1250(const QString& text);
QString fromCp1250(const QByteArray& bytes);

// The Windows-1250 code of one character, or -1 outside the code page.
int cp1250Code(QChar c);

}  // namespace platform

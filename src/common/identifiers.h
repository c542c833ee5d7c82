#pragma once
// Checks and forms of the Polish identifiers a counterparty's tax number field may hold: a NIP,
// or a PESEL or REGON written after its label ("PESEL:12345678901", "REGON: 123456785").

#include <QString>

namespace common {

// Blanks are ignored; eleven digits with a valid check digit.
bool isValidPESEL(const QString& text);

// Blanks and dashes are ignored, and a leading "PL" in any letter case; ten digits with a valid
// check digit. A weighted sum leaving remainder 10 is never issued, so it is invalid.
bool isValidNIP(const QString& text);

// Blanks are ignored; nine digits with a valid check digit (remainder 10 counting as 0).
bool isValidREGON(const QString& text);

// Texts written as "PESEL" or "PESEL:" before a valid PESEL, in any letter case, leading blanks
// allowed. A bare number is not an entry.
bool isPESELEntry(const QString& text);
bool isREGONEntry(const QString& text);

// The stored forms: "PESEL:" and "REGON: " followed by the digits of the text.
QString formatPESELEntry(const QString& text);
QString formatREGONEntry(const QString& text);

// The text without a leading "PESEL:", "REGON:", "PESEL" or "REGON" (tried in this order).
QString stripIdPrefix(const QString& text);

}  // namespace common

#pragma once
// Display texts of numbers in the numeric entry field. Every form uses the program's decimal
// comma; "number" and "currency" also put a blank between thousands.

#include <QString>

namespace controls {

enum class NumericType {
    General,   // shortest text with at most `precision` significant digits, no separators
    Exponent,  // d,ddE+XX: `decimals` digits after the comma, a signed exponent of 2+ digits
    Fixed,     // exactly `decimals` digits after the comma
    Number,    // Fixed with thousands separators
    Currency,  // Number followed by " zł"
};

// Rounds half away from zero on the shortest decimal text of the value, so 1.005 and 2.675 give
// 1,01 and 2,68 as the amount helpers do. At most `precision` significant digits are kept (the
// rest shows as zeros); a value with more whole digits than that is written as General would
// write it. No form shows "-0". NaN and infinities give "NAN", "INF" and "-INF".
QString formatNumeric(double value, NumericType type, int precision, int decimals);

}  // namespace controls

#include "common/controls/numeric_format.h"

#include "common/formats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace controls {
namespace {

constexpr int kMaxPrecision = 17;  // what a double holds
constexpr int kMaxDecimals = 20;

// A finite value as decimal digits: value = 0.d1d2d3... × 10^(point), digits without leading or
// trailing zeros; zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;

    bool isZero() const { return digits.empty(); }
};

Decimal toDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0)
        return d;
    // The shortest text that reads back as the same double: "d.ddde±x".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    d.point = std::stoi(text.substr(e + 1)) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps `keep` significant digits, rounding half away from zero. A `keep` of 0 or less rounds
// to the next power of ten or to zero.
void roundTo(Decimal& d, int keep) {
    if (d.isZero() || keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

char digitAt(const Decimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size())
               ? d.digits[static_cast<size_t>(index)]
               : '0';
}

QString sign(const Decimal& d) {
    return d.negative && !d.isZero() ? QStringLiteral("-") : QString();
}

// The whole part as digits and the fraction with exactly `decimals` digits.
QString plain(const Decimal& d, int decimals, bool thousands, bool trimZeros) {
    QString whole;
    const int wholeDigits = std::max(d.point, 1);
    for (int k = 0; k < wholeDigits; ++k) {
        if (thousands && k > 0 && (wholeDigits - k) % 3 == 0)
            whole.append(common::kThousandSeparator);
        whole.append(QChar::fromLatin1(digitAt(d, d.point - wholeDigits + k)));
    }
    QString fraction;
    for (int k = 0; k < decimals; ++k)
        fraction.append(QChar::fromLatin1(digitAt(d, d.point + k)));
    if (trimZeros)
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
    QString out = sign(d) + whole;
    if (!fraction.isEmpty())
        out += common::kDecimalSeparator + fraction;
    return out;
}

QString scientific(const Decimal& d, int mantissaDecimals, bool trimZeros) {
    Decimal m = d;
    const int exponent = d.isZero() ? 0 : d.point - 1;
    m.point = 1;
    QString out = plain(m, mantissaDecimals, false, trimZeros);
    out += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    out += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    return out;
}

QString general(Decimal d, int precision) {
    roundTo(d, precision);
    if (d.isZero())
        return QStringLiteral("0");
    if (d.point > precision || d.point < -4)
        return scientific(d, precision - 1, true);
    return plain(d, std::max(0, static_cast<int>(d.digits.size()) - d.point), false, true);
}

}  // namespace

QString formatNumeric(double value, NumericType type, int precision, int decimals) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    precision = std::clamp(precision, 1, kMaxPrecision);
    decimals = std::clamp(decimals, 0, kMaxDecimals);

    Decimal d = toDecimal(value);
    switch (type) {
        case NumericType::General:
            return general(d, precision);
        case NumericType::Exponent:
            roundTo(d, std::min(precision, decimals + 1));
            return scientific(d, decimals, false);
        case NumericType::Fixed:
        case NumericType::Number:
        case NumericType::Currency: {
            roundTo(d, std::min(precision, d.point + decimals));
            if (d.point > precision)
                return general(d, precision);
            QString out = plain(d, decimals, type != NumericType::Fixed, false);
            if (type == NumericType::Currency)
                out += QStringLiteral(" zł");
            return out;
        }
    }
    return QString();
}

}  // namespace controls

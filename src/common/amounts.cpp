#include "common/amounts.h"

#include "common/conversion_error.h"
#include "common/formats.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace common {
namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

[[noreturn]] void throwNotAFloat(const QString& text) {
    throw ConversionError(text,
                          QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// The amount scale of roundAmount: 10 to the power of the decimals in use.
double scaleFor(bool highPrecision) {
    if (highPrecision) {
        if (priceDecimals() == 3)
            return 1000.0;
        if (priceDecimals() == 4)
            return 10000.0;
    }
    return 100.0;
}

int decimalsFor(bool highPrecision) {
    return highPrecision ? priceDecimals() : kCurrencyDecimals;
}

}  // namespace

double textToFloat(const QString& text) {
    // Checked by hand, then handed to from_chars as plain ASCII with a point: the standard
    // converters either depend on the C locale or accept forms we do not ("inf", hex).
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == u' ')
        ++i;
    qsizetype end = n;
    while (end > i && text.at(end - 1) == u' ')
        --end;

    std::string ascii;
    ascii.reserve(static_cast<size_t>(end - i));
    if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) {
        if (text.at(i) == u'-')
            ascii.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < end && isAsciiDigit(text.at(i))) {
        ascii.push_back(static_cast<char>(text.at(i).unicode()));
        ++mantissaDigits;
        ++i;
    }
    if (i < end && text.at(i) == kDecimalSeparator) {
        ascii.push_back('.');
        ++i;
        while (i < end && isAsciiDigit(text.at(i))) {
            ascii.push_back(static_cast<char>(text.at(i).unicode()));
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        throwNotAFloat(text);
    if (i < end && (text.at(i) == u'E' || text.at(i) == u'e')) {
        ascii.push_back('e');
        ++i;
        if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) {
            ascii.push_back(static_cast<char>(text.at(i).unicode()));
            ++i;
        }
        int exponentDigits = 0;
        while (i < end && isAsciiDigit(text.at(i))) {
            ascii.push_back(static_cast<char>(text.at(i).unicode()));
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            throwNotAFloat(text);
    }
    if (i != end)
        throwNotAFloat(text);

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || ptr != ascii.data() + ascii.size())
        throwNotAFloat(text);
    return value;
}

double roundAmount(bool highPrecision, double x) {
    if (!std::isfinite(x))
        return x;
    const double a = std::fabs(x);
    const double whole = std::trunc(a);
    const double fraction = a - whole;
    const double guard = whole > 100000000.0 ? 0.00001 : whole > 10000000.0 ? 0.000001 : 0.0000001;
    const double m = scaleFor(highPrecision);
    const double r = whole + std::trunc(fraction * m + 0.5 + guard) / m;
    // No negative zero: a tiny negative amount is simply zero.
    if (r == 0.0)
        return 0.0;
    return x < 0 ? -r : r;
}

QString formatAmount(bool highPrecision, double x) {
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const double r = roundAmount(highPrecision, x);
    const QString digits = QString::number(std::fabs(r), 'f', decimalsFor(highPrecision));
    const qsizetype point = digits.indexOf(u'.');
    const qsizetype wholeLength = point < 0 ? digits.size() : point;

    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 2);
    if (r < 0)
        out.append(u'-');
    for (qsizetype k = 0; k < wholeLength; ++k) {
        if (k > 0 && (wholeLength - k) % 3 == 0)
            out.append(kThousandSeparator);
        out.append(digits.at(k));
    }
    if (point >= 0) {
        out.append(kDecimalSeparator);
        out.append(QStringView(digits).mid(point + 1));
    }
    return out;
}

double parseAmount(const QString& text) {
    QString kept;
    for (QChar c : text)
        if (c == u'-' || isAsciiDigit(c) || c == kDecimalSeparator)
            kept.append(c);
    if (kept.isEmpty())
        return 0.0;
    return textToFloat(kept);
}

int vatRateCode(const QString& text) {
    if (text.startsWith(u'Z') || text.startsWith(u'-'))
        return -1;
    if (text.startsWith(u'N'))
        return -10;
    if (text.startsWith(u'B'))
        return -10000;
    const double code = std::round(textToFloat(text.chopped(text.isEmpty() ? 0 : 1)) * 100.0);
    if (!(code >= -32768.0 && code <= 32767.0))
        throw ConversionError(text, QStringLiteral("'%1' is not a valid VAT rate").arg(text));
    return static_cast<int>(code);
}

double vatRateFraction(const QString& text) {
    // "B" (no rate) is stored as a negative code like the others, and every negative code counts
    // as rate 0; raising here would break pricing on a line whose rate is "brak".
    if (text.startsWith(u'-') || text.startsWith(u'N') || text.startsWith(u'Z') ||
        text.startsWith(u'B'))
        return 0.0;
    return textToFloat(text.chopped(text.isEmpty() ? 0 : 1)) * 0.01;
}

}  // namespace common

#include "common/amount_words.h"

#include "common/amounts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace common {
namespace {

constexpr std::array<const char16_t*, 10> kHundreds = {
    u"",        u"sto",      u"dwieście",  u"trzysta",  u"czterysta",
    u"pięćset", u"sześćset", u"siedemset", u"osiemset", u"dziewięćset"};

constexpr std::array<const char16_t*, 20> kUnits = {
    u"zero",       u"jeden",      u"dwa",          u"trzy",        u"cztery",
    u"pięć",       u"sześć",      u"siedem",       u"osiem",       u"dziewięć",
    u"dziesięć",   u"jedenaście", u"dwanaście",    u"trzynaście",  u"czternaście",
    u"piętnaście", u"szesnaście", u"siedemnaście", u"osiemnaście", u"dziewiętnaście"};

constexpr std::array<const char16_t*, 10> kTens = {u"",
                                                   u"",
                                                   u"dwadzieścia",
                                                   u"trzydzieści",
                                                   u"czterdzieści",
                                                   u"pięćdziesiąt",
                                                   u"sześćdziesiąt",
                                                   u"siedemdziesiąt",
                                                   u"osiemdziesiąt",
                                                   u"dziewięćdziesiąt"};

// Scale words by grammatical form: for one; two to four; five and more.
struct ScaleWords {
    const char16_t* one;
    const char16_t* few;
    const char16_t* many;
};

// Positions from the largest group down: 10^12, 10^9, 10^6, 10^3, złoty, grosz.
constexpr std::array<ScaleWords, 6> kScales = {{
    {u"bilion", u"biliony", u"bilionów"},
    {u"miliard", u"miliardy", u"miliardów"},
    {u"milion", u"miliony", u"milionów"},
    {u"tysiąc", u"tysiące", u"tysięcy"},
    {u"złoty", u"złote", u"złotych"},
    {u"grosz", u"grosze", u"groszy"},
}};
constexpr int kZlotyPosition = 4;
constexpr int kGroszPosition = 5;

const char16_t* scaleWord(const ScaleWords& words, int64_t number) {
    if (number == 1)
        return words.one;
    const int64_t last = number % 10;
    const int64_t lastTwo = number % 100;
    if (last == 0 || last == 1 || (lastTwo >= 11 && lastTwo <= 19) || last >= 5)
        return words.many;
    return words.few;
}

// The whole złoty and the grosze of an amount already rounded to grosze.
struct ZlotyGrosz {
    int64_t zloty;
    int64_t grosz;
};

ZlotyGrosz splitAmount(double x) {
    ZlotyGrosz parts{static_cast<int64_t>(std::trunc(x + 0.001)), 0};
    parts.grosz = std::llround((x - static_cast<double>(parts.zloty)) * 100.0);
    // Rounded amounts give 0 to 99; this only keeps a stray value from reading "sto groszy".
    if (parts.grosz >= 100) {
        parts.zloty += parts.grosz / 100;
        parts.grosz %= 100;
    }
    if (parts.grosz < 0)
        parts.grosz = 0;
    return parts;
}

QString wordsOf(const ZlotyGrosz& parts) {
    const int64_t whole = parts.zloty;
    const int64_t grosz = parts.grosz;

    std::array<int64_t, 6> numbers{};
    int64_t rest = whole;
    for (int pos = kZlotyPosition; pos >= 0; --pos) {
        numbers[static_cast<size_t>(pos)] = rest % 1000;
        rest /= 1000;
    }
    if (rest != 0)
        return QStringLiteral("za duża liczba");
    numbers[kGroszPosition] = grosz;

    QString out;
    for (int pos = 0; pos < 6; ++pos) {
        const int64_t number = numbers[static_cast<size_t>(pos)];
        if (pos == kGroszPosition && numbers[kZlotyPosition] == 0 && whole != 0)
            out += QStringLiteral(" złotych");
        const bool written =
            number != 0 || pos == kGroszPosition || (pos == kZlotyPosition && whole == 0);
        if (!written)
            continue;
        if (!out.isEmpty())
            out += u' ';
        out += numberWords(static_cast<int>(number));
        const ScaleWords& words = kScales[static_cast<size_t>(pos)];
        if (pos == kZlotyPosition && number == 1 && whole != 1)
            out += QString::fromUtf16(words.many);  // "tysiąc jeden złotych", never "złoty"
        else
            out += QString::fromUtf16(scaleWord(words, number));
    }
    return out;
}

// The start of the first złoty word and its length: "złotych" before "złoty"/"złote".
qsizetype findZlotyWord(const QString& text, qsizetype* length) {
    qsizetype at = text.indexOf(QStringLiteral("złotych"));
    if (at >= 0) {
        *length = 7;
        return at;
    }
    const qsizetype a = text.indexOf(QStringLiteral("złoty"));
    const qsizetype b = text.indexOf(QStringLiteral("złote"));
    at = a < 0 ? b : (b < 0 ? a : std::min(a, b));
    *length = 5;
    return at;
}

}  // namespace

QString numberWords(int n) {
    if (n < 0 || n > 999)
        return QString();
    if (n == 0)
        return QStringLiteral("zero ");
    QString out;
    if (n > 99) {
        out += QString::fromUtf16(kHundreds[static_cast<size_t>(n / 100)]) + u' ';
        n %= 100;
    }
    if (n > 19) {
        out += QString::fromUtf16(kTens[static_cast<size_t>(n / 10)]) + u' ';
        if (n % 10 > 0)
            out += QString::fromUtf16(kUnits[static_cast<size_t>(n % 10)]) + u' ';
    } else if (n > 0) {
        out += QString::fromUtf16(kUnits[static_cast<size_t>(n)]) + u' ';
    }
    return out;
}

QString amountInWords(const QString& currencyWord, const QString& groszWord, bool groszAsDigits,
                      double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 1e15)
        return QStringLiteral("za duża liczba");
    x = roundAmount(false, x);
    if (x < 0)
        return QStringLiteral("minus ") + amountInWords(currencyWord, groszWord, groszAsDigits, -x);

    const ZlotyGrosz parts = splitAmount(x);
    QString out = wordsOf(parts);
    if (out == QStringLiteral("za duża liczba"))
        return out;

    if (groszAsDigits) {
        qsizetype length = 0;
        const qsizetype at = findZlotyWord(out, &length);
        if (at >= 0)
            out.truncate(at + length);
        out += u' ' + QString::number(parts.grosz) + QStringLiteral("/100");
    }
    if (!currencyWord.isEmpty()) {
        qsizetype length = 0;
        const qsizetype at = findZlotyWord(out, &length);
        if (at >= 0)
            out.replace(at, length, currencyWord);
    }
    if (!groszWord.isEmpty() && !groszAsDigits) {
        for (const char16_t* word : {u"groszy", u"grosze", u"grosz"}) {
            const QString w = QString::fromUtf16(word);
            if (out.endsWith(w)) {
                out.replace(out.size() - w.size(), w.size(), groszWord);
                break;
            }
        }
    }
    return out;
}

QString codedAmount(double x) {
    if (!std::isfinite(x))
        return QString();
    static constexpr std::array<const char*, 10> kCodes = {"zer*", "jed*", "dwa*", "trz*", "czt*",
                                                           "pie*", "sze*", "sie*", "osi*", "dzi*"};
    const QString plain = QString::number(roundAmount(false, x), 'f', 2);
    QString out;
    out.reserve(plain.size() * 4 + 2);
    for (QChar c : plain) {
        if (c >= u'0' && c <= u'9')
            out += QLatin1StringView(kCodes[static_cast<size_t>(c.unicode() - u'0')]);
        else if (c == u'.' || c == u',')
            out += QStringLiteral("zł*");
        else
            out += c;
    }
    out += QStringLiteral("gr");
    return out;
}

}  // namespace common

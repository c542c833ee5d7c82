#include "common/identifiers.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

namespace common {
namespace {

QString without(const QString& text, std::initializer_list<QChar> dropped) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (std::find(dropped.begin(), dropped.end(), c) == dropped.end())
            out.append(c);
    return out;
}

// The weighted digit sum of the first weights.size() characters, or -1 when the text is not
// exactly expectedLength ASCII digits.
int weightedSum(const QString& digits, qsizetype expectedLength, std::span<const int> weights) {
    if (digits.size() != expectedLength)
        return -1;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return -1;
    int sum = 0;
    for (size_t i = 0; i < weights.size(); ++i)
        sum += (digits.at(static_cast<qsizetype>(i)).unicode() - u'0') * weights[i];
    return sum;
}

int lastDigit(const QString& digits) {
    return digits.back().unicode() - u'0';
}

QString digitsOf(const QString& text) {
    QString out;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            out.append(c);
    return out;
}

// The rest after a "label:" or "label" prefix of the text with leading blanks removed and taken
// in capitals; false when the text carries neither.
bool afterLabel(const QString& text, const QString& label, QString* rest) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    const QString upper = text.mid(i).toUpper();
    if (upper.startsWith(label + u':')) {
        *rest = upper.mid(label.size() + 1);
        return true;
    }
    if (upper.startsWith(label)) {
        *rest = upper.mid(label.size());
        return true;
    }
    return false;
}

}  // namespace

bool isValidPESEL(const QString& text) {
    static constexpr std::array<int, 10> kWeights = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    const QString digits = without(text, {u' '});
    const int sum = weightedSum(digits, 11, kWeights);
    if (sum < 0)
        return false;
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return lastDigit(digits) == check;
}

bool isValidNIP(const QString& text) {
    static constexpr std::array<int, 9> kWeights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    QString digits = without(text, {u' ', u'-'});
    if (digits.size() > 2 && digits.left(2).compare(u"PL", Qt::CaseInsensitive) == 0)
        digits.remove(0, 2);
    const int sum = weightedSum(digits, 10, kWeights);
    if (sum < 0)
        return false;
    const int check = sum % 11;
    return check != 10 && lastDigit(digits) == check;
}

bool isValidREGON(const QString& text) {
    static constexpr std::array<int, 8> kWeights = {8, 9, 2, 3, 4, 5, 6, 7};
    const QString digits = without(text, {u' '});
    const int sum = weightedSum(digits, 9, kWeights);
    if (sum < 0)
        return false;
    return lastDigit(digits) == sum % 11 % 10;
}

bool isPESELEntry(const QString& text) {
    QString rest;
    return afterLabel(text, QStringLiteral("PESEL"), &rest) && isValidPESEL(rest);
}

bool isREGONEntry(const QString& text) {
    QString rest;
    return afterLabel(text, QStringLiteral("REGON"), &rest) && isValidREGON(rest);
}

QString formatPESELEntry(const QString& text) {
    return QStringLiteral("PESEL:") + digitsOf(text);
}

QString formatREGONEntry(const QString& text) {
    return QStringLiteral("REGON: ") + digitsOf(text);
}

QString stripIdPrefix(const QString& text) {
    for (const char16_t* prefix : {u"PESEL:", u"REGON:", u"PESEL", u"REGON"}) {
        const QString p = QString::fromUtf16(prefix);
        if (text.startsWith(p))
            return text.mid(p.size());
    }
    return text;
}

}  // namespace common

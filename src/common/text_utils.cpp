#include "common/text_utils.h"

#include <cstdlib>

namespace common {
namespace {

bool isLineBlank(QChar c) {
    return c == u' ' || c == u'\r' || c == u'\n';
}

QString withoutChars(const QString& text, QChar a, QChar b) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != a && c != b)
            out.append(c);
    return out;
}

}  // namespace

QString trim(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString trimRightBlank(const QString& text) {
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        if (!isLineBlank(text.at(i)))
            return text.left(i + 1);
    return text;
}

bool isBlank(const QString& text) {
    for (QChar c : text)
        if (!isLineBlank(c))
            return false;
    return true;
}

bool isBlankOrStars(const QString& text) {
    for (QChar c : text)
        if (!isLineBlank(c) && c != u'*')
            return false;
    return true;
}

bool isDigits(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool sameTextIgnoreCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.at(i).toUpper() != b.at(i).toUpper())
            return false;
    return true;
}

QString removeSpaces(const QString& text) {
    return withoutChars(text, u' ', u' ');
}

QString removeSpacesAndDashes(const QString& text) {
    return withoutChars(text, u' ', u'-');
}

QString joinLines(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\n')
            continue;
        if (c == u'\r')
            c = u' ';
        if (c == u' ' && (out.isEmpty() || out.back() == u' '))
            continue;
        out.append(c);
    }
    return out;
}

QString memoText(const QString& plainText) {
    QString out;
    out.reserve(plainText.size());
    for (qsizetype i = 0; i < plainText.size(); ++i) {
        const QChar c = plainText.at(i);
        if (c == u'\r' && i + 1 < plainText.size() && plainText.at(i + 1) == u'\n')
            continue;
        out.append(c == u'\n' ? QChar(u'\r') : c);
    }
    if (out.endsWith(u'\r'))
        out.chop(1);
    return out;
}

QStringList memoLines(const QString& text, int n) {
    QStringList lines;
    if (n <= 0)
        return lines;
    const QStringList all = withoutChars(text, u'\n', u'\n').split(u'\r');
    for (const QString& line : all) {
        if (lines.size() >= n)
            break;
        lines.append(line);
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

TwoParts splitInTwo(const QString& text) {
    const qsizetype length = text.size();
    if (length <= 1)
        return {text, QString()};
    // A separator at index i leaves i characters before it and length - i - 1 after it; the
    // most even split minimises |2i + 1 - length|.
    qsizetype best = -1;
    qsizetype bestDistance = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c != u' ' && c != u'-')
            continue;
        const qsizetype distance = std::abs(2 * i + 1 - length);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    if (best < 0)
        return {text.left(length / 2), text.mid(length / 2)};
    if (text.at(best) == u'-')
        return {text.left(best), text.mid(best)};
    return {text.left(best), text.mid(best + 1)};
}

TwoParts splitAtHardSpace(const QString& text) {
    const qsizetype at = text.indexOf(QChar(0xA0));
    if (at < 0)
        return {text, QString()};
    return {text.left(at), text.mid(at + 1)};
}

}  // namespace common

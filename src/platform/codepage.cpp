#include "platform/codepage.h"

#include <unicode/ucnv.h>

#include <array>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

// The code page's upper half, decoded once through ICU so that the table comes from one
// well-kept source instead of being typed in here.
struct Cp1250Table {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, unsigned char> fromUnicode;

    Cp1250Table() {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* conv = ucnv_open("windows-1250", &status);
        for (int b = 0; b < 256; ++b) {
            toUnicode[b] = 0xFFFD;
            if (b < 0x80) {
                toUnicode[b] = static_cast<char16_t>(b);
                continue;
            }
            if (U_FAILURE(status))
                continue;
            const char in = static_cast<char>(b);
            UChar out[4];
            UErrorCode s = U_ZERO_ERROR;
            ucnv_setToUCallBack(conv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &s);
            s = U_ZERO_ERROR;
            const int32_t n = ucnv_toUChars(conv, out, 4, &in, 1, &s);
            if (U_SUCCESS(s) && n == 1)
                toUnicode[b] = out[0];
        }
        if (conv)
            ucnv_close(conv);
        for (int b = 0; b < 256; ++b)
            if (toUnicode[b] != 0xFFFD)
                fromUnicode.emplace(toUnicode[b], static_cast<unsigned char>(b));
    }
};

const Cp1250Table& table() {
    static const Cp1250Table t;
    return t;
}

}  // namespace

int cp1250Code(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    const auto& map = table().fromUnicode;
    auto it = map.find(u);
    return it == map.end() ? -1 : it->second;
}

bool isCp1250(QChar c) {
    return cp1250Code(c) >= 0;
}

QString limitToCp1250(const QString& text) {
    // Most texts are plain: return them without copying.
    bool plain = true;
    for (QChar c : text)
        if (!isCp1250(c)) {
            plain = false;
            break;
        }
    if (plain)
        return text;

    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(isCp1250(c) ? c : QChar(u'?'));
    }
    return out;
}

QByteArray toCp1250(const QString& text) {
    const QString limited = limitToCp1250(text);
    QByteArray out;
    out.reserve(limited.size());
    for (QChar c : limited)
        out.append(static_cast<char>(cp1250Code(c)));
    return out;
}

QString fromCp1250(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    const auto& t = table().toUnicode;
    for (char b : bytes) {
        const char16_t u = t[static_cast<unsigned char>(b)];
        out.append(u == 0xFFFD ? QChar(u'?') : QChar(u));
    }
    return out;
}

}  // namespace platform

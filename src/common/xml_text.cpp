#include "common/xml_text.h"

#include "platform/codepage.h"

#include <array>
#include <initializer_list>

namespace common {
namespace {

// What each Windows-1250 code becomes; an empty entry drops it. Built once.
struct XmlTable {
    std::array<QByteArray, 256> out;

    XmlTable() {
        for (int c = 32; c < 128; ++c)
            out[static_cast<size_t>(c)] = QByteArray(1, static_cast<char>(c));
        set({10, 13}, " ");
        set({34, 0x84, 0x94}, "&quot;");
        set({38}, "&amp;");
        set({39}, "&apos;");
        set({60}, "&lt;");
        set({62}, "&gt;");
        set({0x99}, "tm");
        set({0x96, 0xAD}, "-");
        set({0xA6}, "|");

        // The Polish letters, in UTF-8.
        set({0xB9}, "\xC4\x85");  // ą
        set({0xEA}, "\xC4\x99");  // ę
        set({0xE6}, "\xC4\x87");  // ć
        set({0x9C}, "\xC5\x9B");  // ś
        set({0xF1}, "\xC5\x84");  // ń
        set({0xBF}, "\xC5\xBC");  // ż
        set({0x9F}, "\xC5\xBA");  // ź
        set({0xF3}, "\xC3\xB3");  // ó
        set({0xB3}, "\xC5\x82");  // ł
        set({0xA5}, "\xC4\x84");  // Ą
        set({0xCA}, "\xC4\x98");  // Ę
        set({0xC6}, "\xC4\x86");  // Ć
        set({0x8C}, "\xC5\x9A");  // Ś
        set({0xD1}, "\xC5\x83");  // Ń
        set({0xAF}, "\xC5\xBB");  // Ż
        set({0x8F}, "\xC5\xB9");  // Ź
        set({0xD3}, "\xC3\x93");  // Ó
        set({0xA3}, "\xC5\x81");  // Ł

        // Other accented letters lose their accent.
        set({0xE0, 0xF8}, "r");
        set({0xE1, 0xE2, 0xE3, 0xE4}, "a");
        set({0xE5, 0xBE}, "l");
        set({0xE7, 0xE8}, "c");
        set({0xE9, 0xEB, 0xEC}, "e");
        set({0xED, 0xEE}, "i");
        set({0xEF, 0xF0}, "d");
        set({0xF2}, "n");
        set({0xF4, 0xF5, 0xF6}, "o");
        set({0xF9, 0xFA, 0xFB, 0xFC}, "u");
        set({0xFD}, "y");
        set({0xFE, 0x9D}, "t");
        set({0xBA, 0x9A}, "s");
        set({0x9E}, "z");
        set({0xC0, 0xD8}, "R");
        set({0xC1, 0xC2, 0xC3, 0xC4}, "A");
        set({0xC5, 0xBC}, "L");
        set({0xC7, 0xC8}, "C");
        set({0xC9, 0xCB, 0xCC}, "E");
        set({0xCD, 0xCE}, "I");
        set({0xCF, 0xD0}, "D");
        set({0xD2}, "N");
        set({0xD4, 0xD5, 0xD6}, "O");
        set({0xD9, 0xDA, 0xDB, 0xDC}, "U");
        set({0xDD}, "Y");
        set({0xDE, 0x8D}, "T");
        set({0xAA, 0x8A}, "S");
        set({0x8E}, "Z");
    }

    void set(std::initializer_list<int> codes, const char* text) {
        for (int c : codes)
            out[static_cast<size_t>(c)] = QByteArray(text);
    }
};

const XmlTable& xmlTable() {
    static const XmlTable table;
    return table;
}

}  // namespace

QByteArray xmlText(const QString& text) {
    const auto& table = xmlTable().out;
    const QString limited = platform::limitToCp1250(text);
    QByteArray out;
    out.reserve(limited.size());
    for (QChar c : limited) {
        const int code = platform::cp1250Code(c);
        if (code < 0 || code > 255)
            continue;
        out.append(table[static_cast<size_t>(code)]);
    }
    return out;
}

QString xmlNumber(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u' ')
            continue;
        out.append(c == u',' ? QChar(u'.') : c);
    }
    return out.isEmpty() ? QStringLiteral("0") : out;
}

QString keepAlphanumeric(const QString& text) {
    if (text.size() < 3)
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
            out.append(c);
    }
    return out;
}

}  // namespace common

#include "common/xml_text.h"
#include "common/password.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(XmlText, ConvertsCharacterByCharacter) {
    const struct {
        const char16_t* text;
        const char* bytes;
    } cases[] = {
        {u"abc 123", "abc 123"},
        {u"a\tb", "ab"},
        {u"a\r\nb", "a  b"},
        {u"\"x\"", "&quot;x&quot;"},
        {u"\u201Ex\u201D", "&quot;x&quot;"},  // Polish quotation marks
        {u"<a href='x'>", "&lt;a href=&apos;x&apos;&gt;"},
        {u"Łódź & Co",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA &amp; Co"},
        {u"zażółć gęślą jaźń",
         "za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84"},
        {u"ZAŻÓŁĆ GĘŚLĄ JAŹŃ",
         "ZA\xC5\xBB\xC3\x93\xC5\x81\xC4\x86 G\xC4\x98\xC5\x9AL\xC4\x84 JA\xC5\xB9\xC5\x83"},
        {u"Firma™", "Firmatm"},
        {u"A\u2013B", "A-B"},  // en dash
        {u"A\u00ADB", "A-B"},  // soft hyphen
        {u"A¦B", "A|B"},
        {u"Škoda Müller Dvořák Ťažký", "Skoda Muller Dvorak Tazky"},
        {u"ŔÁÂĂÄĹĽÇČÉËĚÍÎĎĐŇÔŐÖŘŮÚŰÜÝŢŠŞŽ", "RAAAALLCCEEEIIDDNOOORUUUUYTSSZ"},
        {u"10 €", "10 "},
        {u"§ 5", " 5"},
        {u"a\u0001b\u007Fc",
         "ab\x7F"
         "c"},
        {u"日本", "??"},  // outside the code page, as it would be stored
        {u"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlText(QString::fromUtf16(c.text)), QByteArray(c.bytes))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(XmlNumber, DecimalPointNoBlanks) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1 234,56", "1234.56"}, {"", "0"}, {"  ", "0"}, {"-0,50", "-0.50"}, {"12", "12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlNumber(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.text;
}

TEST(KeepAlphanumeric, ShortTextsUnchanged) {
    const struct {
        const char16_t* text;
        const char16_t* expected;
    } cases[] = {
        {u"PL", u"PL"},  {u"a-", u"a-"}, {u"PL 123-45", u"PL12345"},
        {u"ąbc", u"bc"}, {u"---", u""},  {u"526-025-09-95", u"5260250995"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keepAlphanumeric(QString::fromUtf16(c.text)), QString::fromUtf16(c.expected));
}

TEST(PasswordDigest, KnownDigests) {
    // Worked out independently over the Windows-1250 bytes.
    const struct {
        const char16_t* password;
        uint32_t digest;
    } cases[] = {
        {u"", 0x0751970Du},
        {u"abc", 0x0F81917Du},
        {u"Abc", 0x0F81937Du},
        {u"tajne123", 0x0A00DF3Du},
        {u"zażółć gęślą jaźń", 0x070AC05Du},
    };
    for (const auto& c : cases)
        EXPECT_EQ(passwordDigest(QString::fromUtf16(c.password)), c.digest)
            << QString::fromUtf16(c.password).toStdString();
}

}  // namespace
}  // namespace common

#include "common/identifiers.h"

#include <gtest/gtest.h>

namespace common {
namespace {

struct CheckCase {
    const char* text;
    bool valid;
};

TEST(IsValidPESEL, ChecksLengthDigitsAndCheckDigit) {
    const CheckCase cases[] = {
        {"44051401359", true},    {"02070803628", true},
        {"440 514 013 59", true}, {"44051401358", false},  // wrong check digit
        {"4405140135", false},                             // 10 digits
        {"440514013590", false},                           // 12 digits
        {"44:51401359", false},  // ':' would weigh like a digit worth 10 and pass the sum
        {"4405-1401359", false},  {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidPESEL(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(IsValidNIP, ChecksLengthDigitsAndCheckDigit) {
    const CheckCase cases[] = {
        {"5260250995", true},
        {"526-025-09-95", true},
        {"526 025 09 95", true},
        {"PL5260250995", true},
        {"pl 526-025-09-95", true},
        {"1234567890", false},  // remainder 10 is never issued
        {"1000000160", false},  // remainder 10 again, with the 0 it would "count as"
        {"5260250994", false},
        {"526025099", false},    // 9 digits
        {"52602509950", false},  // 11 digits
        {"@260250995", false},   // '@' would weigh like 16 and pass the sum
        {"PL", false},
        {"DE5260250995", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidNIP(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(IsValidREGON, ChecksLengthDigitsAndCheckDigit) {
    const CheckCase cases[] = {
        {"123456785", true},    {"123 456 785", true},
        {"100000050", true},  // remainder 10 counts as 0 for REGON
        {"123456784", false},   {"12345678", false},
        {"1234567855", false},  {"<23456785", false},  // '<' would weigh like 12 and pass the sum
        {"123-456-785", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidREGON(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(IdEntries, NeedTheirLabel) {
    const struct {
        const char* text;
        bool pesel;
        bool regon;
    } cases[] = {
        {"PESEL:44051401359", true, false},
        {"  pesel:44051401359", true, false},
        {"PESEL 440 514 013 59", true, false},
        {"Pesel44051401359", true, false},
        {"44051401359", false, false},
        {"PESEL:44051401358", false, false},
        {"REGON: 123456785", false, true},
        {"regon123456785", false, true},
        {"  REGON:123 456 785", false, true},
        {"123456785", false, false},
        {"REGON: 123456784", false, false},
        {"PESEL:123456785", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isPESELEntry(QString::fromUtf8(c.text)), c.pesel) << c.text;
        EXPECT_EQ(isREGONEntry(QString::fromUtf8(c.text)), c.regon) << c.text;
    }
}

TEST(IdEntries, StoredForms) {
    EXPECT_EQ(formatPESELEntry(QStringLiteral("pesel 440-514 01359")),
              QStringLiteral("PESEL:44051401359"));
    EXPECT_EQ(formatREGONEntry(QStringLiteral("regon:123 456 785")),
              QStringLiteral("REGON: 123456785"));
}

TEST(StripIdPrefix, RemovesOneLeadingLabel) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"PESEL:123", "123"}, {"REGON: 1", " 1"},       {"PESEL123", "123"},
        {"REGON1", "1"},      {"pesel:1", "pesel:1"},   {"NIP 1", "NIP 1"},
        {"PESEL:", ""},       {"1 PESEL:", "1 PESEL:"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stripIdPrefix(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected))
            << c.text;
}

}  // namespace
}  // namespace common

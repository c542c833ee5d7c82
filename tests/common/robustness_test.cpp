// Whatever a user types or a file holds, the helpers either answer or raise ConversionError;
// nothing else escapes and nothing crashes.

#include "common/amount_words.h"
#include "common/amounts.h"
#include "common/conversion_error.h"
#include "common/dates.h"
#include "common/formats.h"
#include "common/holidays.h"
#include "common/identifiers.h"
#include "common/password.h"
#include "common/text_utils.h"
#include "common/xml_text.h"
#include "settings_guard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace common {
namespace {

std::vector<QString> garbageTexts() {
    std::vector<QString> texts = {
        QString(),
        QStringLiteral(""),
        QStringLiteral(" "),
        QStringLiteral("-"),
        QStringLiteral("--"),
        QStringLiteral(","),
        QStringLiteral(",,"),
        QStringLiteral("%"),
        QStringLiteral("PL"),
        QStringLiteral("PESEL"),
        QStringLiteral("PESEL:"),
        QStringLiteral("REGON"),
        QStringLiteral("1e99999"),
        QStringLiteral("-1e-99999"),
        QStringLiteral("0x1p3"),
        QStringLiteral("\r\n\r\n"),
        QStringLiteral("  .  .  "),
        QStringLiteral("99.99.9999"),
        QStringLiteral("1.1.1"),
        QStringLiteral("x.y.z"),
        QString::fromUtf16(u"１２３,４"),
        QString::fromUtf16(u"٣٤%"),
        QString::fromUtf16(u"😀 Łódź ß"),
        QString::fromUtf16(u"ZW\u00A0NP"),
        QString(1, QChar(0xD800)),  // a lone surrogate
        QString(1, QChar(0)),
        QString(100000, u'9'),
        QString(400, u'9') + QStringLiteral(",5"),
        QStringLiteral("0,") + QString(500, u'0') + QStringLiteral("1"),
        QString(10000, u'-'),
        QString(5000, u' ') + QStringLiteral("a"),
    };
    QString allCodes;
    for (char16_t u = 0; u < 0x300; ++u)
        allCodes.append(QChar(u));
    texts.push_back(allCodes);
    return texts;
}

// Runs f and fails the test when it raises anything but ConversionError.
void onlyConversionError(const char* what, const QString& text, const std::function<void()>& f) {
    try {
        f();
    } catch (const ConversionError&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << " raised " << e.what() << " for " << text.left(40).toStdString();
    } catch (...) {
        ADD_FAILURE() << what << " raised an unknown exception for " << text.left(40).toStdString();
    }
}

TEST(Robustness, TextsNeverEscapeAsOtherErrors) {
    testing::SettingsGuard guard;
    for (QChar separator : {QChar(u'.'), QChar(u'/')}) {
        setDateSeparator(separator);
        for (const QString& t : garbageTexts()) {
            onlyConversionError("parseAmount", t, [&] { parseAmount(t); });
            onlyConversionError("textToFloat", t, [&] { textToFloat(t); });
            onlyConversionError("vatRateCode", t, [&] { vatRateCode(t); });
            onlyConversionError("vatRateFraction", t, [&] { vatRateFraction(t); });
            onlyConversionError("parseDate", t, [&] { parseDate(t); });
            onlyConversionError("parseDateWord", t, [&] { parseDateWord(t); });

            // These never raise at all.
            EXPECT_NO_THROW({
                isDateText(t, true);
                isDateText(t, false);
                isValidPESEL(t);
                isValidNIP(t);
                isValidREGON(t);
                isPESELEntry(t);
                isREGONEntry(t);
                formatPESELEntry(t);
                formatREGONEntry(t);
                stripIdPrefix(t);
                xmlText(t);
                xmlNumber(t);
                keepAlphanumeric(t);
                passwordDigest(t);
                trim(t);
                trimRightBlank(t);
                isBlank(t);
                isBlankOrStars(t);
                isDigits(t);
                sameTextIgnoreCase(t, t.toUpper());
                removeSpaces(t);
                removeSpacesAndDashes(t);
                joinLines(t);
                memoText(t);
                memoLines(t, 5);
                memoLines(t, -1);
                splitInTwo(t);
                splitAtHardSpace(t);
            }) << t.left(40).toStdString();
        }
    }
}

TEST(Robustness, NumbersNeverRaise) {
    testing::SettingsGuard guard;
    const double values[] = {
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(),
        1e300,
        -1e300,
        9.2233720368547758e18,
        -9.2233720368547758e18,
        999999999999999.99,
        -0.0,
    };
    for (int decimals : {2, 3, 4}) {
        setPriceDecimals(decimals);
        for (double x : values) {
            EXPECT_NO_THROW({
                roundAmount(false, x);
                roundAmount(true, x);
                formatAmount(false, x);
                formatAmount(true, x);
                amountInWords(QString(), QString(), false, x);
                amountInWords(QStringLiteral("EUR"), QStringLiteral("ct"), true, x);
                codedAmount(x);
                dateOf(x);
                timeOf(x);
                formatDate(x);
                formatDateISO(x);
                formatDateUnderscore(x);
                formatTime(x);
                yearOf(x);
                monthOf(x);
            }) << x;
        }
    }
    for (int n : {std::numeric_limits<int>::min(), -1, 1000, std::numeric_limits<int>::max()}) {
        EXPECT_NO_THROW({
            numberWords(n);
            daysInMonth(n, n);
            easterDates(n);
            isHoliday(n, n, n);
        }) << n;
    }
}

TEST(Robustness, NonFiniteAmountsAreNamed) {
    EXPECT_EQ(formatAmount(false, std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
    EXPECT_EQ(formatAmount(false, -std::numeric_limits<double>::infinity()),
              QStringLiteral("-INF"));
    EXPECT_EQ(amountInWords(QString(), QString(), false, std::numeric_limits<double>::infinity()),
              QStringLiteral("za duża liczba"));
    EXPECT_EQ(codedAmount(std::numeric_limits<double>::quiet_NaN()), QString());
}

}  // namespace
}  // namespace common

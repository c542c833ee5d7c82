#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include <cstdlib>

#include "shell/dialogs/message_layout.h"

namespace shell {
namespace {

const QSize kButton(75, 25);

QFontMetrics metrics() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    return QFontMetrics(font);
}

struct LinesCase {
    const char* name;
    QString text;
    QStringList expected;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class MessageLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(MessageLines, CutAtBreaksWithoutEmptyLinesAndAtMostEight) {
    const LinesCase& c = GetParam();
    EXPECT_EQ(layoutMessage(c.text, metrics(), kButton, 1).lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MessageLines,
    ::testing::Values(LinesCase{"TenLinesShowTheFirstEight",
                                "l1\rl2\rl3\rl4\rl5\rl6\rl7\rl8\rl9\rl10",
                                {"l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8"}},
                      LinesCase{"RunOfBreaksIsOneBreak", "Ala\r\r\rkot", {"Ala", "kot"}},
                      LinesCase{"EmptyLinesDoNotCountTowardsEight",
                                "\r1\r\r2\r3\r\r4\r5\r6\r7\r\r8\r9\r",
                                {"1", "2", "3", "4", "5", "6", "7", "8"}},
                      LinesCase{"SingleLine", "Brak nazwy firmy.", {"Brak nazwy firmy."}},
                      LinesCase{"LineFeedOfASystemErrorTextBreaksToo",
                                "Błąd:\r\nplik\nzajęty",
                                {"Błąd:", "plik", "zajęty"}},
                      LinesCase{"BlankLineIsKept", "a\r \rb", {"a", " ", "b"}},
                      LinesCase{"NothingToShow", "\r\r", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageLayout, OneButtonWindowIsAtLeast140WideWithTheButtonCentred) {
    const MessageLayout l = layoutMessage(QStringLiteral("Ok."), metrics(), kButton, 1);
    EXPECT_EQ(l.windowSize.width(), 140);
    EXPECT_EQ(l.firstButton.size(), kButton);
    EXPECT_EQ(l.firstButton.left(), (140 - 75) / 2);
    EXPECT_TRUE(l.secondButton.isNull());
}

TEST(MessageLayout, WindowIsTheWidestLinePlus40) {
    const QString longLine = QStringLiteral(
        "Dla tej firmy należy wpisać dane potrzebne do "
        "wystawiania dokumentów i dokonać");
    const QFontMetrics fm = metrics();
    const int widest = fm.horizontalAdvance(longLine);
    ASSERT_GT(widest + 40, 140);
    for (int buttons : {1, 2}) {
        const MessageLayout l = layoutMessage(
            QStringLiteral("krótka\r") + longLine + QStringLiteral("\rx"), fm, kButton, buttons);
        EXPECT_EQ(l.windowSize.width(), widest + 40) << buttons;
        for (const QRect& r : l.lineRects) {
            EXPECT_EQ(r.left(), 20);
            EXPECT_EQ(r.width(), widest);
        }
    }
}

TEST(MessageLayout, HeightIsTextPlusTwiceTheButtonPlus16WithButtons8BelowTheLastLine) {
    const QFontMetrics fm = metrics();
    for (int count : {1, 3, 8}) {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << QStringLiteral("wiersz %1").arg(i);
        const MessageLayout l = layoutMessage(lines.join(u'\r'), fm, kButton, 2);
        ASSERT_EQ(l.lineRects.size(), count);
        for (int i = 1; i < count; ++i)
            EXPECT_EQ(l.lineRects[i].top(), l.lineRects[i - 1].top() + l.lineRects[i - 1].height());
        const int textHeight = l.lineRects.last().bottom() + 1 - l.lineRects.first().top();
        EXPECT_EQ(l.windowSize.height(), textHeight + 2 * 25 + 16) << count;
        EXPECT_EQ(l.firstButton.top(), l.lineRects.last().bottom() + 1 + 8) << count;
        EXPECT_EQ(l.secondButton.top(), l.firstButton.top());
        // The margin above the text and the one below the buttons differ by a rounding at most.
        const int below = l.windowSize.height() - l.firstButton.bottom() - 1;
        EXPECT_LE(std::abs(l.lineRects.first().top() - below), 1);
    }
}

TEST(MessageLayout, TwoButtonsStand10PixelsEitherSideOfTheCentreLine) {
    struct Case {
        QString text;
        QSize button;
    };
    const QString wide = QStringLiteral(
        "Bez danych Administratora program nie będzie działał. Należy je wpisać teraz");
    for (const Case& c : {Case{QStringLiteral("Tak?"), kButton},
                          Case{QStringLiteral("Tak?"), QSize(90, 30)}, Case{wide, kButton}}) {
        const MessageLayout l = layoutMessage(c.text, metrics(), c.button, 2);
        const int width = l.windowSize.width();
        EXPECT_GE(width, 2 * c.button.width() + 50);
        const int centre = width / 2;
        EXPECT_EQ(l.firstButton.left() + l.firstButton.width(), centre - 10);
        EXPECT_EQ(l.secondButton.left(), centre + 10);
        EXPECT_EQ(l.firstButton.size(), c.button);
        EXPECT_EQ(l.secondButton.size(), c.button);
    }
    // A short question is exactly as wide as two buttons and their gaps need.
    EXPECT_EQ(layoutMessage(QStringLiteral("Tak?"), metrics(), kButton, 2).windowSize.width(),
              2 * 75 + 50);
}

}  // namespace
}  // namespace shell

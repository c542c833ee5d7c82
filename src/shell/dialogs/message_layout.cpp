#include "shell/dialogs/message_layout.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>

namespace shell {

namespace {

constexpr int kSideMargin = 20;  // on each side of the widest line
constexpr int kGapAboveButtons = 8;
constexpr int kButtonSpacing = 10;  // from the centre line to each of two buttons
constexpr int kMinWidthOneButton = 140;
constexpr int kExtraWidthTwoButtons = 50;

QStringList messageLines(const QString& text) {
    // Texts break lines at CR; a stray LF (from an error text of the system, say) breaks too,
    // since a label would otherwise grow a second line the layout does not know of.
    static const QRegularExpression breaks(QStringLiteral("[\r\n]"));
    QStringList lines = text.split(breaks, Qt::SkipEmptyParts);
    if (lines.size() > kMessageMaxLines)
        lines.resize(kMessageMaxLines);
    return lines;
}

}  // namespace

MessageLayout layoutMessage(const QString& text, const QFontMetrics& metrics, QSize buttonSize,
                            int buttonCount) {
    MessageLayout out;
    out.lines = messageLines(text);

    int widest = 0;
    for (const QString& line : out.lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.lineSpacing();
    const int textHeight = lineHeight * int(out.lines.size());

    int width = widest + 2 * kSideMargin;
    if (buttonCount >= 2)
        width = std::max(width, 2 * buttonSize.width() + kExtraWidthTwoButtons);
    else
        width = std::max(width, kMinWidthOneButton);
    // Text plus twice the button height plus 16: one button height and the gap are taken by the
    // button row, the rest is shared equally above the text and below the buttons.
    const int height = textHeight + 2 * buttonSize.height() + 16;
    const int top = (buttonSize.height() + 16 - kGapAboveButtons) / 2;
    out.windowSize = QSize(width, height);

    for (int i = 0; i < out.lines.size(); ++i)
        out.lineRects.append(QRect(kSideMargin, top + i * lineHeight, widest, lineHeight));

    const int buttonTop = top + textHeight + kGapAboveButtons;
    const int centre = width / 2;
    if (buttonCount >= 2) {
        out.firstButton =
            QRect(QPoint(centre - kButtonSpacing - buttonSize.width(), buttonTop), buttonSize);
        out.secondButton = QRect(QPoint(centre + kButtonSpacing, buttonTop), buttonSize);
    } else {
        out.firstButton = QRect(QPoint((width - buttonSize.width()) / 2, buttonTop), buttonSize);
    }
    return out;
}

}  // namespace shell

#pragma once
// Geometry of the message window, kept apart from the widgets so that it can be checked
// without showing anything. All coordinates are in the window's client area.

#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

class QFontMetrics;

namespace shell {

struct MessageLayout {
    QStringList lines;       // the lines shown, at most eight
    QList<QRect> lineRects;  // one per line, left-aligned, all as wide as the widest line
    QSize windowSize;
    QRect firstButton;
    QRect secondButton;  // null with one button
};

inline constexpr int kMessageMaxLines = 8;

// Cuts the text at line breaks, drops empty lines and everything after the eighth line, and
// places the lines and one or two buttons of `buttonSize`.
MessageLayout layoutMessage(const QString& text, const QFontMetrics& metrics, QSize buttonSize,
                            int buttonCount);

}  // namespace shell

#include "common/controls/calendar.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/clock.h"
#include "common/dates.h"

namespace controls {
namespace {

const QColor kNavy(0, 0, 128);
constexpr int kGridRows = 6;  // the most weeks a month touches; the window keeps one size

QFont calendarFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

// --- CalendarGrid ---

CalendarGrid::CalendarGrid(const CalendarMonth& month, QWidget* parent)
    : QWidget(parent), month_(month) {
    setFocusPolicy(Qt::StrongFocus);
    setFont(calendarFont());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CalendarGrid::setCellSize(const QSize& size) {
    cell_ = size;
    updateGeometry();
    update();
}

QSize CalendarGrid::sizeHint() const {
    return QSize(cell_.width() * CalendarMonth::kColumns, cell_.height() * (kGridRows + 1));
}

QRect CalendarGrid::cellRect(int row, int column) const {
    return QRect(column * cell_.width(), row * cell_.height(), cell_.width(), cell_.height());
}

QRect CalendarGrid::dayRect(int day) const {
    if (day < 1 || day > common::daysInMonth(month_.month(), month_.year()))
        return QRect();
    return cellRect(month_.rowOf(day) + 1, month_.columnOf(day));
}

int CalendarGrid::dayAt(const QPoint& position) const {
    if (position.x() < 0 || position.y() < cell_.height())
        return 0;
    return month_.dayAt(position.y() / cell_.height() - 1, position.x() / cell_.width());
}

void CalendarGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());

    painter.setPen(Qt::black);
    for (int column = 0; column < CalendarMonth::kColumns; ++column)
        painter.drawText(cellRect(0, column), Qt::AlignCenter, CalendarMonth::dayHeader(column));

    const QDate today = common::today();
    const int days = common::daysInMonth(month_.month(), month_.year());
    for (int day = 1; day <= days; ++day) {
        const QRect r = dayRect(day);
        const QDate date(month_.year(), month_.month(), day);
        if (day == month_.day()) {
            painter.fillRect(r.adjusted(1, 1, -1, -1), palette().highlight());
            painter.setPen(palette().color(QPalette::HighlightedText));
        } else {
            painter.setPen(CalendarMonth::dayColor(date));
        }
        painter.drawText(r, Qt::AlignCenter, QString::number(day));
        if (date == today) {
            QPen frame(kNavy);
            frame.setStyle(Qt::DotLine);
            painter.setPen(frame);
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(r.adjusted(1, 1, -2, -2), 3, 3);
        }
    }
}

void CalendarGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // The window cancels on the right button wherever it is pressed.
        event->ignore();
        return;
    }
    if (const int day = dayAt(event->position().toPoint()))
        emit dayClicked(day);
}

// --- TKalendarz ---

TKalendarz::TKalendarz(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kalendarz"));
    setFont(calendarFont());

    previous_ = new QToolButton(this);
    previous_->setArrowType(Qt::LeftArrow);
    previous_->setFocusPolicy(Qt::NoFocus);
    next_ = new QToolButton(this);
    next_->setArrowType(Qt::RightArrow);
    next_->setFocusPolicy(Qt::NoFocus);
    title_ = new QLabel(this);
    title_->setAlignment(Qt::AlignCenter);
    grid_ = new CalendarGrid(month_, this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(previous_);
    bar->addWidget(title_, 1);
    bar->addWidget(next_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(grid_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(previous_, &QToolButton::clicked, this, [this] {
        month_.previousMonth();
        refresh();
    });
    connect(next_, &QToolButton::clicked, this, [this] {
        month_.nextMonth();
        refresh();
    });
    connect(grid_, &CalendarGrid::dayClicked, this, [this](int day) {
        month_.selectDay(day);
        refresh();
        accept();
    });
    refresh();
}

TKalendarz& TKalendarz::shared() {
    static QPointer<TKalendarz> window;
    if (!window) {
        window = new TKalendarz;
        // Widgets must go before the application does.
        qAddPostRoutine([] { delete window.data(); });
    }
    return *window;
}

QPoint TKalendarz::fitOnScreen(const QRect& area, const QPoint& at, const QSize& size) {
    const int x = std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height()));
    return QPoint(x, y);
}

void TKalendarz::placeAt(int x, int y) {
    QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    adjustSize();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(x, y), size());
    move(fitOnScreen(area, QPoint(x, y), frameGeometry().size()));
}

QString TKalendarz::dateText() const {
    QString text = common::formatDate(date());
    if (text.size() > 1 && text.at(1) == u'.')
        text.prepend(u'0');
    return text;
}

void TKalendarz::refresh() {
    title_->setText(month_.title());
    previous_->setEnabled(month_.year() * 12 + month_.month() > CalendarMonth::kFirstYear * 12 + 1);
    next_->setEnabled(month_.year() * 12 + month_.month() < CalendarMonth::kLastYear * 12 + 12);
    grid_->update();
}

void TKalendarz::showEvent(QShowEvent* event) {
    if (!activated_) {
        activated_ = true;
        const double scale = grid_->logicalDpiX() / 96.0;
        const QSize base = grid_->cellSize();
        grid_->setCellSize(QSize(qRound(base.width() * scale), qRound(base.height() * scale)));
        month_.select(common::today());
        refresh();
    }
    QDialog::showEvent(event);
    grid_->setFocus();
}

void TKalendarz::keyPressEvent(QKeyEvent* event) {
    bool handled = true;
    switch (event->key()) {
        case Qt::Key_Left:
            month_.moveDays(-1);
            break;
        case Qt::Key_Right:
            month_.moveDays(1);
            break;
        case Qt::Key_Up:
            month_.moveDays(-CalendarMonth::kColumns);
            break;
        case Qt::Key_Down:
            month_.moveDays(CalendarMonth::kColumns);
            break;
        case Qt::Key_PageUp:
            month_.previousMonth();
            break;
        case Qt::Key_PageDown:
            month_.nextMonth();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return;
        default:
            handled = false;
    }
    if (handled) {
        refresh();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TKalendarz::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        reject();
        return;
    }
    QDialog::mousePressEvent(event);
}

}  // namespace controls

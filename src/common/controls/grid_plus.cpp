#include "common/controls/grid_plus.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace controls {
namespace {

Qt::KeyboardModifiers keysOf(const QMouseEvent* event) {
    return event->modifiers() &
           (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

}  // namespace

TDBGridPlus::TDBGridPlus(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->viewport()->installEventFilter(this);
    setDefaultRowHeight(fontMetrics().height() + 4);
}

void TDBGridPlus::setDefaultRowHeight(int height) {
    rowHeight_ = height;
    verticalHeader()->setMinimumSectionSize(
        std::min(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(height);
}

int TDBGridPlus::titleAt(const QPoint& position) const {
    const QHeaderView* header = horizontalHeader();
    if (!header->viewport()->rect().contains(position))
        return -1;
    return header->logicalIndexAt(position);
}

bool TDBGridPlus::onSectionEdge(const QPoint& position) const {
    // The few pixels where a column is resized stay the header's.
    const QHeaderView* header = horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
    const int column = header->logicalIndexAt(position);
    if (column < 0)
        return false;
    const int left = header->sectionViewportPosition(column);
    const int right = left + header->sectionSize(column);
    return position.x() - left < margin || right - position.x() <= margin;
}

bool TDBGridPlus::eventFilter(QObject* watched, QEvent* event) {
    if (watched != horizontalHeader()->viewport())
        return QTableView::eventFilter(watched, event);

    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (tracking_)
                return true;  // another button during a title click
            const QPoint at = mouse->position().toPoint();
            const int column = titleAt(at);
            if (column < 0 || keysOf(mouse) == nativeClick_ || onSectionEdge(at))
                return false;
            tracking_ = true;
            pressedColumn_ = column;
            pressedButton_ = mouse->button();
            return true;
        }
        case QEvent::MouseMove: {
            if (!tracking_)
                return false;
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (titleAt(mouse->position().toPoint()) != pressedColumn_)
                pressedColumn_ = -1;
            return true;
        }
        case QEvent::MouseButtonRelease: {
            if (!tracking_)
                return false;
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != pressedButton_)
                return true;
            tracking_ = false;
            const QPoint at = mouse->position().toPoint();
            const int column = pressedColumn_;
            pressedColumn_ = -1;
            if (column < 0 || titleAt(at) != column)
                return true;
            const QPoint position = horizontalHeader()->viewport()->mapTo(this, at);
            const Qt::KeyboardModifiers keys = keysOf(mouse);
            emit columnClick(column, position, keys, pressedButton_);
            switch (pressedButton_) {
                case Qt::LeftButton:
                    emit columnLeftClick(column, position, keys);
                    break;
                case Qt::RightButton:
                    emit columnRightClick(column, position, keys);
                    break;
                case Qt::MiddleButton:
                    emit columnMiddleClick(column, position, keys);
                    break;
                default:
                    break;
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace controls

#pragma once
// TDBGridPlus: the data grid whose column titles can be clicked. A mouse press on a title with
// modifier keys other than nativeClick() starts a title click on that column instead of the
// header's own handling; moving off that title cancels it, and releasing the button on it raises
// columnClick and then the signal of the button. With exactly the nativeClick() keys held the
// header behaves as usual (sorting, moving and resizing columns).

#include <QTableView>

namespace controls {

class TDBGridPlus : public QTableView {
    Q_OBJECT

  public:
    explicit TDBGridPlus(QWidget* parent = nullptr);

    // Shift unless set otherwise.
    Qt::KeyboardModifiers nativeClick() const { return nativeClick_; }
    void setNativeClick(Qt::KeyboardModifiers modifiers) { nativeClick_ = modifiers; }

    // The height of the rows, which the title row takes too.
    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultRowHeight(int height);

  signals:
    // `column` is the model column; `position` is in the grid's coordinates.
    void columnClick(int column, const QPoint& position, Qt::KeyboardModifiers modifiers,
                     Qt::MouseButton button);
    void columnLeftClick(int column, const QPoint& position, Qt::KeyboardModifiers modifiers);
    void columnRightClick(int column, const QPoint& position, Qt::KeyboardModifiers modifiers);
    void columnMiddleClick(int column, const QPoint& position, Qt::KeyboardModifiers modifiers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int titleAt(const QPoint& position) const;  // column under a header position, or -1
    bool onSectionEdge(const QPoint& position) const;

    Qt::KeyboardModifiers nativeClick_ = Qt::ShiftModifier;
    int rowHeight_ = 0;
    int pressedColumn_ = -1;  // the column of the title click under way
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    bool tracking_ = false;  // a press was taken from the header; its release is ours too
};

}  // namespace controls

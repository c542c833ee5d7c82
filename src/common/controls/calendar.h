#pragma once
// TKalendarz: the calendar window from which a date is chosen. One window serves the whole run
// (shared()); its first showing selects today, later showings keep the month last shown.
// Clicking a day or pressing Enter chooses it (Accepted); the right mouse button or Esc cancels.

#include <QDialog>

#include "common/controls/calendar_month.h"

class QLabel;
class QToolButton;

namespace controls {

// The grid of day cells with a header row of weekday names.
class CalendarGrid : public QWidget {
    Q_OBJECT

  public:
    CalendarGrid(const CalendarMonth& month, QWidget* parent = nullptr);

    void setCellSize(const QSize& size);
    QSize cellSize() const { return cell_; }
    // Where a day of the shown month is drawn; empty for a day it does not have.
    QRect dayRect(int day) const;
    int dayAt(const QPoint& position) const;  // 0 outside the days

    QSize sizeHint() const override;

  signals:
    void dayClicked(int day);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRect cellRect(int row, int column) const;  // row 0 holds the weekday names

    const CalendarMonth& month_;
    QSize cell_{26, 18};
};

class TKalendarz : public QDialog {
    Q_OBJECT

  public:
    explicit TKalendarz(QWidget* parent = nullptr);

    // The window shared by all date fields; deleted when the application ends.
    static TKalendarz& shared();

    // Puts the window at that screen position, moved left or up as far as it must to stay on
    // the screen.
    void placeAt(int x, int y);
    // Where a window of `size` put at `at` stays inside `area`.
    static QPoint fitOnScreen(const QRect& area, const QPoint& at, const QSize& size);

    // The chosen (or, while open, the selected) day.
    QDate date() const { return month_.selected(); }
    // The chosen day in the program's date format, for putting into a date field.
    QString dateText() const;

    const CalendarMonth& month() const { return month_; }
    CalendarGrid* grid() const { return grid_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void refresh();

    CalendarMonth month_;
    bool activated_ = false;
    QToolButton* previous_;
    QToolButton* next_;
    QLabel* title_;
    CalendarGrid* grid_;
};

}  // namespace controls

#include "common/controls/grid_plus.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTest>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace controls {
namespace {

struct Raised {
    QString signal;
    int column;
    QPoint position;
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButton button;
};

class GridPlusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model.setColumnCount(3);
        model.setRowCount(4);
        model.setHorizontalHeaderLabels(
            {QStringLiteral("Kod"), QStringLiteral("Symbol"), QStringLiteral("Nazwa")});
        grid.setModel(&model);
        grid.resize(400, 200);
        for (int c = 0; c < 3; ++c)
            grid.setColumnWidth(c, 100);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));

        QObject::connect(&grid, &TDBGridPlus::columnClick,
                         [this](int column, const QPoint& at, Qt::KeyboardModifiers keys,
                                Qt::MouseButton button) {
                             raised.append({QStringLiteral("click"), column, at, keys, button});
                         });
        const auto record = [this](const char* name) {
            return [this, name](int column, const QPoint& at, Qt::KeyboardModifiers keys) {
                raised.append({QLatin1String(name), column, at, keys, Qt::NoButton});
            };
        };
        QObject::connect(&grid, &TDBGridPlus::columnLeftClick, record("left"));
        QObject::connect(&grid, &TDBGridPlus::columnRightClick, record("right"));
        QObject::connect(&grid, &TDBGridPlus::columnMiddleClick, record("middle"));
        QObject::connect(grid.horizontalHeader(), &QHeaderView::sectionClicked,
                         [this](int column) { headerClicks.append(column); });
    }

    QWidget* titles() { return grid.horizontalHeader()->viewport(); }

    // The middle of a column's title, in the header's viewport.
    QPoint titleCentre(int column) {
        const QHeaderView* header = grid.horizontalHeader();
        return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
    }

    void send(QEvent::Type type, const QPoint& at, Qt::MouseButton button,
              Qt::KeyboardModifiers keys) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, titles()->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(titles(), &event);
    }

    void click(int column, Qt::MouseButton button, Qt::KeyboardModifiers keys = {}) {
        send(QEvent::MouseButtonPress, titleCentre(column), button, keys);
        send(QEvent::MouseButtonRelease, titleCentre(column), button, keys);
    }

    QStringList signalNames() const {
        QStringList names;
        for (const Raised& r : raised)
            names << r.signal;
        return names;
    }

    QStandardItemModel model;
    TDBGridPlus grid;
    QList<Raised> raised;
    QList<int> headerClicks;
};

TEST_F(GridPlusTest, TitleClickRaisesColumnClickThenTheButtonsEvent) {
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        const char* second;
    } cases[] = {
        {Qt::LeftButton, Qt::NoModifier, "left"},
        {Qt::RightButton, Qt::NoModifier, "right"},
        {Qt::MiddleButton, Qt::NoModifier, "middle"},
        {Qt::LeftButton, Qt::ControlModifier, "left"},
        {Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, "left"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        raised.clear();
        click(1, c.button, c.keys);
        ASSERT_EQ(signalNames(), (QStringList{QStringLiteral("click"), QLatin1String(c.second)}));
        EXPECT_EQ(raised[0].column, 1);
        EXPECT_EQ(raised[0].button, c.button);
        EXPECT_EQ(raised[0].modifiers, c.keys);
        EXPECT_EQ(raised[1].modifiers, c.keys);
        // The position is the grid's, where the title row lies at the top.
        EXPECT_EQ(raised[0].position, titles()->mapTo(&grid, titleCentre(1)));
        EXPECT_EQ(raised[1].position, raised[0].position);
    }
    EXPECT_TRUE(headerClicks.isEmpty()) << "the header did not handle the clicks";
}

TEST_F(GridPlusTest, NativeClickKeysLeaveTheHeaderAlone) {
    click(2, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(raised.isEmpty());
    EXPECT_EQ(headerClicks, QList<int>{2});

    grid.setNativeClick(Qt::ControlModifier);
    headerClicks.clear();
    click(0, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(raised.isEmpty());
    EXPECT_EQ(headerClicks, QList<int>{0});
    click(0, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(signalNames(), (QStringList{QStringLiteral("click"), QStringLiteral("left")}));
}

TEST_F(GridPlusTest, MovingOffTheTitleCancels) {
    send(QEvent::MouseButtonPress, titleCentre(0), Qt::LeftButton, {});
    send(QEvent::MouseMove, titleCentre(1), Qt::LeftButton, {});
    send(QEvent::MouseMove, titleCentre(0), Qt::LeftButton, {});
    send(QEvent::MouseButtonRelease, titleCentre(0), Qt::LeftButton, {});
    EXPECT_TRUE(raised.isEmpty()) << "coming back does not revive it";

    // Released on another title without a move in between.
    send(QEvent::MouseButtonPress, titleCentre(0), Qt::LeftButton, {});
    send(QEvent::MouseButtonRelease, titleCentre(2), Qt::LeftButton, {});
    EXPECT_TRUE(raised.isEmpty());

    // A move within the title keeps it.
    send(QEvent::MouseButtonPress, titleCentre(0), Qt::LeftButton, {});
    send(QEvent::MouseMove, titleCentre(0) + QPoint(10, 0), Qt::LeftButton, {});
    send(QEvent::MouseButtonRelease, titleCentre(0) + QPoint(10, 0), Qt::LeftButton, {});
    EXPECT_EQ(signalNames(), (QStringList{QStringLiteral("click"), QStringLiteral("left")}));
    EXPECT_TRUE(headerClicks.isEmpty());
}

TEST_F(GridPlusTest, TitleRowTakesTheRowHeight) {
    grid.setDefaultRowHeight(23);
    EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 23);
    EXPECT_EQ(grid.rowHeight(0), 23);
    EXPECT_EQ(grid.horizontalHeader()->height(), 23);
}

}  // namespace
}  // namespace controls

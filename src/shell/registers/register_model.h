#pragma once
// The grid model of every register list. It reads rows on demand through a cursor of its own,
// a block at a time around the rows the grid paints, so that a list of a million records costs
// no more than a list of a hundred. The list's own cursor (the one windows and exports use)
// stays where the user put it; RegisterList keeps the two in step.
//
// A new register declares its columns (stored fields, or values computed from the reading
// cursor's record) and hands the model each view its list shows (index, key range, filter).

#include <QAbstractTableModel>
#include <QList>
#include <QVariant>

#include <functional>

#include "engine/table.h"

namespace shell::registers {

struct Column {
    QString field;  // stored field shown, unless `value` is given
    QString title;
    int width = 80;  // pixels at 96 dots per inch
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::function<QVariant(engine::Table&)> value = {};
};

// What a list shows: an index, an optional key range on its leading fields, an optional filter.
struct View {
    QString indexName;
    QVariantList rangeStart, rangeEnd;  // both empty: no range
    QString filter;
    bool filtered = false;
    bool caseInsensitive = true;
};

// Gives `table` the view (filter switched off before the range changes).
void applyView(engine::Table& table, const View& view);

class RegisterModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    RegisterModel(engine::Database& db, const QString& tableName, QList<Column> columns,
                  QObject* parent = nullptr);

    const QList<Column>& columns() const { return columns_; }
    void setView(const View& view);
    const View& view() const { return view_; }
    // Reads the view again (after a save or delete).
    void reload();

    // The record shown in a row, and the row of a record (-1 when it is not in the view).
    engine::Bookmark bookmarkAt(int row) const;
    int rowOf(const engine::Bookmark& mark) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A title drawn in blue (the column the list is sorted by); the others are navy.
    void setHighlightedColumn(int column);

  private:
    struct CachedRow {
        engine::Bookmark mark;
        QVariantList values;
    };
    static constexpr int kBlock = 64;
    // Makes the block holding `row` the cached one.
    void load(int row) const;

    QList<Column> columns_;
    View view_;
    mutable engine::Table reader_;
    mutable engine::Table counter_;
    int rows_ = 0;
    int highlighted_ = -1;
    mutable int blockStart_ = -1;
    mutable int readerRow_ = -1;  // the row the reading cursor is on, -1 when not known
    mutable QList<CachedRow> block_;
};

}  // namespace shell::registers

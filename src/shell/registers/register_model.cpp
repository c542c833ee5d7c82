#include "shell/registers/register_model.h"

#include <QBrush>
#include <QColor>

namespace shell::registers {

void applyView(engine::Table& table, const View& view) {
    table.setFiltered(false);
    if (table.indexName().compare(view.indexName, Qt::CaseInsensitive) != 0)
        table.setIndexName(view.indexName);
    if (view.rangeStart.isEmpty() && view.rangeEnd.isEmpty())
        table.cancelRange();
    else
        table.setRange(view.rangeStart, view.rangeEnd);
    if (view.filtered && !view.filter.isEmpty()) {
        table.setFilterCaseInsensitive(view.caseInsensitive);
        table.setFilter(view.filter);
        table.setFiltered(true);
    }
}

RegisterModel::RegisterModel(engine::Database& db, const QString& tableName, QList<Column> columns,
                             QObject* parent)
    : QAbstractTableModel(parent),
      columns_(std::move(columns)),
      reader_(db, tableName),
      counter_(db, tableName) {
    reader_.open();
    counter_.open();
}

void RegisterModel::setView(const View& view) {
    view_ = view;
    reload();
}

void RegisterModel::reload() {
    beginResetModel();
    applyView(reader_, view_);
    reader_.refresh();
    rows_ = static_cast<int>(reader_.recordCount());
    blockStart_ = -1;
    readerRow_ = -1;
    block_.clear();
    endResetModel();
}

void RegisterModel::load(int row) const {
    const int start = row - row % kBlock;
    if (start == blockStart_)
        return;
    // Scrolling reads on from where the last block ended; other jumps skip inside the database.
    if (readerRow_ < 0) {
        reader_.first();
        readerRow_ = 0;
    }
    if (start != readerRow_)
        reader_.moveBy(start - readerRow_);
    block_.clear();
    blockStart_ = start;
    for (int i = 0; i < kBlock && start + i < rows_ && !reader_.isEmpty(); ++i) {
        CachedRow r;
        r.mark = reader_.bookmark();
        for (const Column& c : columns_)
            r.values << (c.value ? c.value(reader_) : reader_.fieldByName(c.field).value());
        block_ << r;
        reader_.next();
        if (reader_.eof())
            break;
    }
    readerRow_ = start + static_cast<int>(block_.size());
    if (reader_.eof())
        readerRow_ = -1;  // stayed on the last record
}

engine::Bookmark RegisterModel::bookmarkAt(int row) const {
    if (row < 0 || row >= rows_)
        return {};
    load(row);
    const int i = row - blockStart_;
    return i < block_.size() ? block_[i].mark : engine::Bookmark{};
}

int RegisterModel::rowOf(const engine::Bookmark& mark) const {
    readerRow_ = -1;
    if (!mark.isValid() || !reader_.gotoBookmark(mark))
        return -1;
    // Row = records with a smaller key + the record's place among those with an equal key.
    QVariantList key;
    for (const QString& f : reader_.indexFields())
        key << reader_.fieldByName(f).value();
    if (key.isEmpty())
        return -1;
    applyView(counter_, view_);
    const QVariantList start = view_.rangeStart;
    counter_.setRange(start, key);
    const int64_t upToKey = counter_.recordCount();
    counter_.setRange(key, key);
    const int64_t equal = counter_.recordCount();
    counter_.first();
    int64_t place = 0;
    while (!counter_.isEmpty() && counter_.bookmark().rid != mark.rid) {
        if (!counter_.hasNeighbour(true))
            return -1;
        counter_.next();
        ++place;
    }
    readerRow_ = static_cast<int>(upToKey - equal + place);
    return readerRow_;
}

int RegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant(columns_[index.column()].alignment.toInt());
    if (role != Qt::DisplayRole)
        return {};
    load(index.row());
    const int i = index.row() - blockStart_;
    return i < block_.size() ? block_[i].values.value(index.column()) : QVariant();
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[section].title;
    if (role == Qt::ForegroundRole)
        return QBrush(section == highlighted_ ? QColor(Qt::blue) : QColor(0, 0, 128));
    return {};
}

void RegisterModel::setHighlightedColumn(int column) {
    highlighted_ = column;
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(columns_.size()) - 1);
}

}  // namespace shell::registers

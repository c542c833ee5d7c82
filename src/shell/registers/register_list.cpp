#include "shell/registers/register_list.h"

#include <QItemSelectionModel>

#include <algorithm>

#include "common/controls/grid_plus.h"

namespace shell::registers {

RegisterList::RegisterList(engine::Table& browse, QList<Column> columns,
                           controls::TDBGridPlus* grid, QObject* parent)
    : QObject(parent), browse_(browse), grid_(grid) {
    model_ = new RegisterModel(browse.database(), browse.tableName(), std::move(columns), this);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; c < model_->columns().size(); ++c)
        grid_->setColumnWidth(c, model_->columns()[c].width);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!following_ && current.isValid())
                    rowActivated(current.row());
            });
}

void RegisterList::setView(const View& view) {
    const engine::Bookmark remembered = browse_.bookmark();
    browse_.disableControls();
    try {
        applyView(browse_, view);
    } catch (...) {
        browse_.enableControls();
        throw;
    }
    model_->setView(view);
    positionAfterRebuild(remembered);
    browse_.enableControls();
    followCursor();
}

void RegisterList::reload() {
    const engine::Bookmark remembered = browse_.bookmark();
    browse_.refresh();
    model_->reload();
    positionAfterRebuild(remembered);
    followCursor();
}

void RegisterList::positionAfterRebuild(const engine::Bookmark& remembered) {
    if (!remembered.isValid() || !browse_.gotoBookmark(remembered))
        browse_.first();
}

void RegisterList::followCursor() {
    following_ = true;
    const int row = browse_.isEmpty() ? -1 : model_->rowOf(browse_.bookmark());
    if (row >= 0) {
        const QModelIndex index = model_->index(row, std::max(0, grid_->currentIndex().column()));
        grid_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grid_->scrollTo(index);
    } else {
        grid_->selectionModel()->clearSelection();
    }
    following_ = false;
    emit buttonsChanged(buttons());
    emit currentChanged();
}

void RegisterList::rowActivated(int row) {
    const engine::Bookmark mark = model_->bookmarkAt(row);
    if (mark.isValid())
        browse_.gotoBookmark(mark);
    emit buttonsChanged(buttons());
    emit currentChanged();
}

void RegisterList::searchNearest(const QVariantList& key) {
    browse_.findNearest(key);
    followCursor();
}

void RegisterList::first() {
    browse_.first();
    followCursor();
}
void RegisterList::prior() {
    browse_.prior();
    followCursor();
}
void RegisterList::next() {
    browse_.next();
    followCursor();
}
void RegisterList::last() {
    browse_.last();
    followCursor();
}

company::RecordButtons RegisterList::buttons() const {
    return company::recordButtons(company::recordPosition(browse_));
}

}  // namespace shell::registers

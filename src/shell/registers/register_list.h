#pragma once
// The list part of a register window: a grid over a RegisterModel, kept in step with the
// register's browsing cursor (the company's table object that exports and editors use).
//
// How a new register uses the pieces of this folder:
// - RegisterModel (register_model.h): declare the columns; for each tab and sort order build a
//   View (index, key range, filter) and give it to RegisterList::setView.
// - RegisterList (this file): owns the model, moves the browsing cursor when the user moves in
//   the grid and the grid when code moves the cursor (search, return after a save), and
//   reports the state of the record buttons (edit, delete, duplicate, navigation) through
//   buttonsChanged, computed by the shared button rules.
// - editor_save.h: the editor's mode, rights per mode (requireModeRight), checks in order with
//   messages and fields, and the one fail-safe transaction of the save (saveWithChecks).

#include <QObject>

#include "shell/company/button_states.h"
#include "shell/registers/register_model.h"

namespace controls {
class TDBGridPlus;
}

namespace shell::registers {

class RegisterList : public QObject {
    Q_OBJECT
  public:
    // `browse` must be open and outlive the list; the grid gets the model.
    RegisterList(engine::Table& browse, QList<Column> columns, controls::TDBGridPlus* grid,
                 QObject* parent = nullptr);

    RegisterModel& model() { return *model_; }
    engine::Table& browse() { return browse_; }

    // Rebuilds the view, returning to the current record when it is still in it, else to the
    // first record.
    void setView(const View& view);
    // Reads again after a change of the data, keeping the current record where possible.
    void reload();
    // Selects the grid row of the browsing cursor's current record.
    void followCursor();
    // Moves the browsing cursor (and the grid) to the first record at or after the key.
    void searchNearest(const QVariantList& key);
    void first();
    void prior();
    void next();
    void last();

    company::RecordButtons buttons() const;

  signals:
    void buttonsChanged(const shell::company::RecordButtons& buttons);
    void currentChanged();

  private:
    void rowActivated(int row);
    void positionAfterRebuild(const engine::Bookmark& remembered);

    engine::Table& browse_;
    RegisterModel* model_;
    controls::TDBGridPlus* grid_;
    bool following_ = false;
};

}  // namespace shell::registers

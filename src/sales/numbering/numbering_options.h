#pragma once
// The values of the numbering window apart from its widgets: the template, next number and
// copies of every counter and the numbering mode, read from and written to the settings store.

#include <QMap>
#include <QString>

#include "sales/numbering/numbering.h"

namespace data {
class SettingsStore;
}

namespace sales {

struct NumberingOptions {
    QMap<int, QString> templates;  // by counter index
    QMap<int, qint64> nextNumbers;
    QMap<int, int> copies;
    NumberingMode mode = NumberingMode::YearlyRestart;

    // The templates and the mode as stored; defaults for what was never stored.
    void loadTemplates(data::SettingsStore& store);
    // Everything. A counter or copies entry that is missing is written as "1" first when
    // writeMissing is set (the caller holds a transaction then). A counter that is not a number
    // shows as 1, a copies entry that is not a number as 1.
    void load(data::SettingsStore& store, bool writeMissing);
    // Writes every value; false at the first write that fails, leaving the rest unwritten. The
    // caller's transaction must then be rolled back.
    bool save(data::SettingsStore& store) const;

    // In the monthly mode every template must show the month.
    bool templatesFitMode() const;
};

}  // namespace sales

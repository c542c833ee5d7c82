#pragma once
// The window that tells, at start-up, that a change of a company's data was interrupted and what
// is being done about it.

#include <QDialog>

namespace shell {

enum class InterruptedChange {
    Complete,    // the journal holds all of it: it is being finished now
    Incomplete,  // it is being undone and must be repeated
};

class TJournalForm : public QDialog {
    Q_OBJECT
  public:
    TJournalForm(const QString& alias, const QString& folder, InterruptedChange kind,
                 QWidget* parent = nullptr);

    // Modal; returns when the user has read it.
    static void showFor(const QString& alias, const QString& folder, InterruptedChange kind);
};

}  // namespace shell

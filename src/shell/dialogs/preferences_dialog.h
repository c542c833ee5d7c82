#pragma once
// The preferences dialog. It edits the program's Preferences object: the controls show it each
// time the dialog opens, "OK" stores them into it, "&Anuluj" (Esc) leaves it as it was.

#include <QDialog>

#include "shell/dialogs/preferences.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace shell {

class TPreferencje : public QDialog {
    Q_OBJECT
  public:
    // `preferences` must outlive the dialog.
    explicit TPreferencje(Preferences& preferences, QWidget* parent = nullptr);

    // Users without the right to change options may look but not confirm.
    void setOkEnabled(bool enabled);

    // What the controls show now.
    Preferences shown() const;

  public slots:
    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void load();

    Preferences& preferences_;
    QRadioButton* radioPytaj_ = nullptr;
    QRadioButton* radioNiePytaj_ = nullptr;
    QCheckBox* checkKopia_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* anuluj_ = nullptr;
};

}  // namespace shell

#pragma once
// The small dialogs of the counterparty catalog: the list filter (TFiltr) and the options
// (TOpcjeFirmy).

#include <QDialog>

#include "catalogs/counterparties/counterparty_rules.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace shell {
class UserSession;
}

namespace catalogs::counterparties {

class TFiltr : public QDialog {
    Q_OBJECT
  public:
    explicit TFiltr(QWidget* parent = nullptr);
    FilterPatterns patterns() const;
    FilterMode mode() const;
    // Every pattern back to "*" and all conditions (a company was opened).
    void reset();
    QPushButton* applyButton() const { return zastosuj_; }

  private:
    QList<QLineEdit*> fields_;
    QButtonGroup* mode_;
    QPushButton* zastosuj_;
};

class TOpcjeFirmy : public QDialog {
    Q_OBJECT
  public:
    TOpcjeFirmy(shell::company::CompanyData& company, shell::UserSession& session,
                QWidget* parent = nullptr);
    const CounterpartyOptions& options() const { return options_; }
    // Shows the stored values again.
    void reload();
    QPushButton* okButton() const { return ok_; }

  public slots:
    void OkClick();

  private:
    void showOptions(const CounterpartyOptions& o);

    shell::company::CompanyData& company_;
    CounterpartyOptions options_;
    QCheckBox *symbol_, *firma_, *sameNip_, *odbiorca_;
    QComboBox* level_;
    QLineEdit* pan_;
    QPushButton* ok_;
};

}  // namespace catalogs::counterparties

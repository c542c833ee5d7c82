#pragma once
// TNowaFirma: the counterparty editor for a new counterparty, an edit, a duplicate and a delete.
// The rules decide; this window gathers the fields and shows where a check failed.

#include <QDialog>

#include "catalogs/counterparties/counterparty_rules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace controls {
class TNumInp;
}
namespace shell {
class UserSession;
}

namespace catalogs::counterparties {

// Which tab of the catalog the editor was opened from: a new entry from "Dostawcy" is a
// supplier, otherwise a customer.
enum class CatalogTab { All = 0, Customers = 1, Suppliers = 2 };

class TNowaFirma : public QDialog {
    Q_OBJECT
  public:
    // For edit, duplicate and delete, `current` is the catalog's cursor on the chosen record.
    TNowaFirma(shell::company::CompanyData& company, shell::UserSession& session,
               CounterpartyRules& rules, const CounterpartyOptions& options, EditorMode mode,
               CatalogTab tab, engine::Table* current, QWidget* parent = nullptr);

    EditorMode mode() const { return mode_; }
    // The version written or deleted last (0 before any).
    qint64 savedKod() const { return savedKod_; }

    CounterpartyData gather() const;
    void showData(const CounterpartyData& d);

  public slots:
    void ZapiszClick();
    void NastepClick();
    void UsunClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool save();
    void resetForNew();
    void focusField(const QString& name);

    shell::company::CompanyData& company_;
    CounterpartyRules& rules_;
    CounterpartyOptions options_;
    EditorMode mode_;
    CatalogTab tab_;
    qint64 kod_ = 0;
    CounterpartyData loaded_;
    qint64 savedKod_ = 0;

    QLineEdit *Symbol, *Ulica, *Kod, *Miasto, *NIP;
    QPlainTextEdit* Nazwa;
    QCheckBox *CheckFirma, *CheckDostawca, *CheckOdbiorca, *CheckOdbiera, *CheckAdres;
    controls::TNumInp* Rabat;
    QComboBox* GrupaCen;
    QLineEdit *TelKier, *Tel1, *Tel2, *Fax, *OsobaPan, *Osoba, *EMail;
    QLineEdit *Bank, *Konto, *KrotkaNazwa;
    QPlainTextEdit* Info;
    QTabWidget* pages_;
    QPushButton *Zapisz, *Nastep, *Anuluj;
};

}  // namespace catalogs::counterparties

#pragma once
// TDaneFirmy, the company data dialog: the seller's name, address, tax number, bank accounts,
// kind of seller and the address data of the JPK files. One dialog serves the open company; its
// companyInfo() is the in-memory copy of the seller that the rest of the program reads, and
// loadCompanyData() refreshes it whenever the stored data may have changed.
//
// "Ok" (only for users with the right to change options) checks the tax number and the bank
// accounts, writes everything in one fail-safe transaction and closes; a failure rolls the
// whole save back and keeps the dialog open. "&Anuluj" and Esc close and bring back the stored
// data.

#include <QDialog>
#include <QList>

#include "shell/companydata/company_info.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace shell {
class UserSession;
}
namespace shell::company {
class CompanyData;
}

namespace shell::companydata {

class TDaneFirmy : public QDialog {
    Q_OBJECT

  public:
    static const QString kCaption;
    static const QString kSampleCaption;
    static const QString kSampleNote;
    // The right a user needs to save.
    static const QString kRight;

    // Both must outlive the dialog; the company's tables must be open.
    TDaneFirmy(company::CompanyData& company, UserSession& session, QWidget* parent = nullptr);

    // LoadCompanyData: companyInfo() and the controls from the store; "Ok" follows the current
    // user's right.
    void loadCompanyData();
    // Before showing the dialog from the menu or the set-up wizard: loads, and presents the
    // sample company as unchangeable (another caption, no "Ok", a note on what to do instead).
    void prepareToShow();

    // The seller as last loaded or saved.
    const CompanyInfo& companyInfo() const { return info_; }
    // What the controls hold now.
    CompanyInfo shown() const;

    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  signals:
    // After a save that changed the kind of seller or one of the receipts, cash-accounting and
    // reverse-charge flags: the sales document kinds offered depend on them.
    void sellerKindChanged();
    // After every save: account lists shown elsewhere must be read again.
    void accountsChanged();

  public slots:
    void accept() override;
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void display(const CompanyInfo& info);
    bool nameTooLong() const;
    void nameLeft();
    void limitName();
    bool checkAccounts(const CompanyInfo& info);

    company::CompanyData& company_;
    UserSession& session_;
    CompanyInfo info_;
    CompanyInfo snapshot_;  // the seller kind and flags the sales windows were set up for
    bool sample_ = false;
    bool warningName_ = false;

    QPlainTextEdit* memoNazwa_ = nullptr;
    QLineEdit* editUlica_ = nullptr;
    QLineEdit* editKod_ = nullptr;
    QLineEdit* editTelefon_ = nullptr;
    QLineEdit* editNIP_ = nullptr;
    QLineEdit* krotkaNazwa_ = nullptr;
    QCheckBox* checkAdres_ = nullptr;
    QRadioButton* firmaVat_ = nullptr;
    QRadioButton* firmaVatR_ = nullptr;
    QRadioButton* firmaR_ = nullptr;
    QCheckBox* checkParagony_ = nullptr;
    QCheckBox* checkMetodaKasowa_ = nullptr;
    QCheckBox* checkReverse_ = nullptr;
    QTableWidget* gridKonta_ = nullptr;

    QLineEdit* editNazwaJpk_ = nullptr;
    QLineEdit* editKrajJpk_ = nullptr;
    QComboBox* comboWojJpk_ = nullptr;
    QLineEdit* editPowiatJpk_ = nullptr;
    QLineEdit* editGminaJpk_ = nullptr;
    QLineEdit* editUlicaJpk_ = nullptr;
    QLineEdit* editNrDomuJpk_ = nullptr;
    QLineEdit* editNrLokaluJpk_ = nullptr;
    QLineEdit* editMiastoJpk_ = nullptr;
    QLineEdit* editKodJpk_ = nullptr;
    QLineEdit* editPocztaJpk_ = nullptr;
    QLineEdit* editEmailJpk_ = nullptr;
    QComboBox* comboUrzedySkarbowe_ = nullptr;

    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace shell::companydata

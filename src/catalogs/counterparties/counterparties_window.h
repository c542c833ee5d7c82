#pragma once
// TFirmy: the counterparty catalog ("Kontrahenci"), browsed from the main menu and opened
// modally by the document editors to pick a counterparty (ChooseCounterparty).

#include <QDialog>
#include <QHash>
#include <QTimer>

#include <memory>

#include "catalogs/counterparties/counterparty_dialogs.h"
#include "catalogs/counterparties/counterparty_editor.h"
#include "catalogs/counterparties/counterparty_rules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QToolButton;

namespace controls {
class TDBGridPlus;
}
namespace shell::registers {
class RegisterList;
}

namespace catalogs::counterparties {

// What a document editor asks of the chooser.
struct ChooseRequest {
    bool picker = true;  // open the catalog; false: look up silently
    bool byKod = false;  // find the version `kod` (an existing document)
    qint64 kod = 0;
    bool clearOnFailure = false;  // a failed silent lookup empties the outputs
    QString symbolText;           // the editor's symbol box
};

// The chosen version, from which the editors fill their labels.
struct ChosenCounterparty {
    bool ok = false;
    bool cleared = false;  // a failed silent lookup with clearing: numer and kod are -1
    qint64 numer = 0;
    qint64 kod = 0;
    bool firma = false;
    QString symbol;  // for the symbol box (unchanged after a cancelled picker)
    CounterpartyData data;

    // Document layout: the lines of the name (three, empty when missing) and "code city".
    QStringList nameLines() const;
    QString postCodeAndCity() const;
    // Transfer-form layout: the short name (or the full name when it is blank or asked for),
    // and the address lines, empty when the short name already holds the address.
    QString transferName(bool fullNames) const;
    QString transferStreet() const;
    QString transferPostCodeAndCity() const;
    // The received-by text of documents.
    QString receivedBy() const;
};

class TFirmy : public QDialog {
    Q_OBJECT
  public:
    TFirmy(shell::company::CompanyData& company, shell::UserSession& session,
           QWidget* parent = nullptr);
    ~TFirmy() override;

    // A company was opened: filter patterns reset, view rebuilt.
    void reinitialise();
    // Rebuilds the list view (tab, sort, filter), keeping the current record when it stays.
    void rebuildView();

    ChosenCounterparty chooseCounterparty(const ChooseRequest& request);
    // The shared lookups.
    qint64 findCounterpartyBySymbol(const QString& symbol) { return rules_->findBySymbol(symbol); }
    qint64 findCounterpartyByNIP(const QString& nip) { return rules_->findByNip(nip); }
    QString counterpartySymbol(qint64 numer) { return rules_->symbolOf(numer); }

    CounterpartyRules& rules() { return *rules_; }
    shell::registers::RegisterList& list() { return *list_; }
    controls::TDBGridPlus* grid() const { return grid_; }
    QLineEdit* searchBox() const { return EditSzukaj; }
    bool isPicking() const { return picking_; }
    void setTab(CatalogTab tab);
    void setSortByNumber(bool byNumber);

    // Opens the editor in a mode (rights, record probe); true when it saved or deleted.
    bool openEditor(EditorMode mode);
    // Tests reach the editor and the filter dialog through these while they are open.
    TFiltr& filterDialog() { return *filtr_; }
    TOpcjeFirmy* optionsDialog();

  public slots:
    void NowaBClick() { openEditor(EditorMode::New); }
    void EditBClick() { openEditor(EditorMode::Edit); }
    void DeleteBClick() { openEditor(EditorMode::Delete); }
    void PowielBClick() { openEditor(EditorMode::Duplicate); }
    void FiltrBClick(bool down);
    void SpeedButton1Click();
    void ZamknijClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateButtons();
    void showDetails();
    void search(const QString& text);
    void use();

    shell::company::CompanyData& company_;
    shell::UserSession& session_;
    std::unique_ptr<CounterpartyRules> rules_;
    shell::registers::RegisterList* list_ = nullptr;
    controls::TDBGridPlus* grid_ = nullptr;
    TFiltr* filtr_ = nullptr;
    TOpcjeFirmy* opcje_ = nullptr;
    QTabBar* Tab = nullptr;
    QLineEdit* EditSzukaj = nullptr;
    QToolButton *NowaB, *EditB, *DeleteB, *PowielB, *FirstB, *PriorB, *NextB, *LastB, *ExcelB,
        *FiltrB;
    QPushButton* SpeedButton1;
    QPushButton* Zamknij;
    QHash<QString, QLabel*> details_;
    QTimer blink_;
    bool blinkRed_ = false;
    bool byNumber_ = false;
    bool picking_ = false;
    FilterPatterns patterns_;
    FilterMode filterMode_ = FilterMode::All;
};

}  // namespace catalogs::counterparties

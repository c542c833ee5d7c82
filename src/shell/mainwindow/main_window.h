#pragma once
// The main window: a small tool bar with the program's menu. It opens the registers, shows who
// works on which company, and keeps the company-dependent controls in step with the open
// company and the user's rights.

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QTimer;
class QToolButton;
class QWidget;

namespace shell {

class TMainFoRolvan : public QMainWindow {
    Q_OBJECT
public:
    // Commands of the menu and the tool panel, named after their captions.
    enum class Command {
        Users, OwnPassword, Backup, Restore, AddCompany, ChooseCompany, ChangeUser, EndOfWork,
        NewInvoice, NewProforma, NewBill, NewReceipt, NewOrder,
        NewWZ, NewPZ, NewPW, NewRW,
        NewTransfer, NewDeposit, NewZusTransfer, NewTaxTransfer, NewKP, NewKW, NewPurchase,
        JpkVat, JpkFa,
        ListBank, ListCash, ListCounterparties, ListTransfers, ListSales, ListWarehouse, ListGoods,
        ListPurchases, ListGroups, ListMargins, ListPayers, ListVatRates, Stocktaking,
        CompanyData, InvoiceOptions, Numbering, CounterpartyOptions, GoodsOptions, PurchaseOptions,
        Preferences, Wizard, AlwaysOnTop, About,
    };

    explicit TMainFoRolvan(QWidget* parent = nullptr);

    // A command does something only once a handler is connected; until then its menu item and
    // button stay disabled, so nothing pretends to work.
    void setHandler(Command command, std::function<void()> handler);
    bool hasHandler(Command command) const { return handlers_.contains(command); }
    QAction* action(Command command) const { return actions_.value(command); }
    QToolButton* button(Command command) const { return buttons_.value(command); }

    // "Rolvan M - <user>" and " - <COMPANY>" while a company is open.
    void updateTitle(const QString& userIdent, const QString& companySymbol);
    // Enables what needs an open company; the transfers list also needs the right to see it.
    void setCompanyControlsEnabled(bool companyOpen, bool mayBrowseTransfers);
    // Items shown only to users with the matching rights.
    void setRightsVisibility(bool addCompanies, bool backup, bool restore, bool browseTransfers);

    bool companyControlsEnabled() const { return companyOpen_; }

signals:
    // The window is being closed by the user (title bar, Alt+F4); the end-of-work handler
    // decides whether it really closes.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildToolPanel();
    QAction* addCommand(QMenu* menu, const QString& caption, Command command);
    void refreshEnabled();
    void blinkEye();

    QHash<Command, QAction*> actions_;
    QHash<Command, QToolButton*> buttons_;
    QHash<Command, std::function<void()>> handlers_;
    QMenu* documentMenu_ = nullptr;
    QMenu* catalogMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* archiveMenu_ = nullptr;
    QWidget* eye_ = nullptr;
    QTimer* eyeTimer_ = nullptr;
    int eyeTicks_ = 0;
    bool companyOpen_ = false;
    bool mayBrowseTransfers_ = false;
    bool closingAllowed_ = false;

public:
    // The end-of-work handler calls this before closing the window for good.
    void allowClosing() { closingAllowed_ = true; }
};

}  // namespace shell

#include "shell/mainwindow/main_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace shell {
namespace {

using C = TMainFoRolvan::Command;

// Commands that need an open company (the rest work at any time).
bool needsCompany(C c) {
    switch (c) {
        case C::Users:
        case C::OwnPassword:
        case C::Backup:
        case C::Restore:
        case C::AddCompany:
        case C::ChooseCompany:
        case C::ChangeUser:
        case C::EndOfWork:
        case C::Preferences:
        case C::AlwaysOnTop:
        case C::About: return false;
        default: return true;
    }
}

}  // namespace

TMainFoRolvan::TMainFoRolvan(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainFoRolvan"));
    setWindowTitle(QStringLiteral("Rolvan"));
    buildMenu();
    buildToolPanel();
    // A fixed tool bar: it can be minimised, not resized or maximised.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    adjustSize();
    setFixedSize(sizeHint());
    move(0, 0);
    refreshEnabled();
}

QAction* TMainFoRolvan::addCommand(QMenu* menu, const QString& caption, Command command) {
    QAction* a = menu->addAction(caption);
    actions_.insert(command, a);
    connect(a, &QAction::triggered, this, [this, command] {
        if (auto h = handlers_.value(command)) h();
    });
    return a;
}

void TMainFoRolvan::buildMenu() {
    QMenu* admin = menuBar()->addMenu(QStringLiteral("&Administracja"));
    addCommand(admin, QStringLiteral("&Użytkownicy"), C::Users);
    addCommand(admin, QStringLiteral("Z&miana swojego hasła"), C::OwnPassword);
    archiveMenu_ = admin->addMenu(QStringLiteral("&Archiwum"));
    addCommand(archiveMenu_, QStringLiteral("&Wykonaj kopię zapasową"), C::Backup);
    addCommand(archiveMenu_, QStringLiteral("&Odtwórz dane z kopii zapasowej"), C::Restore);
    addCommand(admin, QStringLiteral("&Dodaj nową firmę..."), C::AddCompany);
    addCommand(admin, QStringLiteral("&Wybierz firmę..."), C::ChooseCompany);
    addCommand(admin, QStringLiteral("&Przerwa w pracy / zmiana użytkownika"), C::ChangeUser);
    admin->addSeparator();
    addCommand(admin, QStringLiteral("&Koniec pracy"), C::EndOfWork);

    documentMenu_ = menuBar()->addMenu(QStringLiteral("&Dokument"));
    addCommand(documentMenu_, QStringLiteral("&Faktura VAT"), C::NewInvoice);
    addCommand(documentMenu_, QStringLiteral("F&aktura proforma"), C::NewProforma);
    addCommand(documentMenu_, QStringLiteral("&Rachunek"), C::NewBill);
    addCommand(documentMenu_, QStringLiteral("Parago&n"), C::NewReceipt);
    addCommand(documentMenu_, QStringLiteral("&Zamówienie od klienta"), C::NewOrder);
    QMenu* warehouse = documentMenu_->addMenu(QStringLiteral("&Magazyn"));
    addCommand(warehouse, QStringLiteral("&Sprzedaż (WZ)"), C::NewWZ);
    addCommand(warehouse, QStringLiteral("&Dostawa (PZ)"), C::NewPZ);
    addCommand(warehouse, QStringLiteral("&Przychód"), C::NewPW);
    addCommand(warehouse, QStringLiteral("&Rozchód"), C::NewRW);
    documentMenu_->addSeparator();
    addCommand(documentMenu_, QStringLiteral("&Przelew"), C::NewTransfer);
    addCommand(documentMenu_, QStringLiteral("Wpłata &na rachunek"), C::NewDeposit);
    addCommand(documentMenu_, QStringLiteral("Przelew/wpłata ZU&S"), C::NewZusTransfer);
    addCommand(documentMenu_, QStringLiteral("Przelew p&odatkowy"), C::NewTaxTransfer);
    documentMenu_->addSeparator();
    addCommand(documentMenu_, QStringLiteral("&KP"), C::NewKP);
    addCommand(documentMenu_, QStringLiteral("K&W"), C::NewKW);
    addCommand(documentMenu_, QStringLiteral("Zak&up"), C::NewPurchase);
    documentMenu_->addSeparator();
    addCommand(documentMenu_, QStringLiteral("Zapisz plik &JPK_VAT"), C::JpkVat);
    addCommand(documentMenu_, QStringLiteral("Zapisz plik JPK_FA"), C::JpkFa);

    catalogMenu_ = menuBar()->addMenu(QStringLiteral("&Kartoteki"));
    addCommand(catalogMenu_, QStringLiteral("&Bank"), C::ListBank);
    addCommand(catalogMenu_, QStringLiteral("K&asa"), C::ListCash);
    addCommand(catalogMenu_, QStringLiteral("&Kontrahenci"), C::ListCounterparties);
    addCommand(catalogMenu_, QStringLiteral("&Przelewy"), C::ListTransfers);
    addCommand(catalogMenu_, QStringLiteral("&Sprzedaż"), C::ListSales);
    addCommand(catalogMenu_, QStringLiteral("&Dokumenty magazynowe"), C::ListWarehouse);
    addCommand(catalogMenu_, QStringLiteral("&Towary/usługi"), C::ListGoods);
    addCommand(catalogMenu_, QStringLiteral("&Zakupy"), C::ListPurchases);
    catalogMenu_->addSeparator();
    addCommand(catalogMenu_, QStringLiteral("&Grupy towarowe"), C::ListGroups);
    addCommand(catalogMenu_, QStringLiteral("&Marże"), C::ListMargins);
    addCommand(catalogMenu_, QStringLiteral("Płat&nicy"), C::ListPayers);
    addCommand(catalogMenu_, QStringLiteral("Stawki &VAT"), C::ListVatRates);
    catalogMenu_->addSeparator();
    addCommand(catalogMenu_, QStringLiteral("&Remanent"), C::Stocktaking);

    optionsMenu_ = menuBar()->addMenu(QStringLiteral("&Opcje"));
    addCommand(optionsMenu_, QStringLiteral("&Dane firmy"), C::CompanyData);
    addCommand(optionsMenu_, QStringLiteral("&Faktura i rachunek"), C::InvoiceOptions);
    addCommand(optionsMenu_, QStringLiteral("&Numeracja / kopie"), C::Numbering);
    addCommand(optionsMenu_, QStringLiteral("K&ontrahenci"), C::CounterpartyOptions);
    addCommand(optionsMenu_, QStringLiteral("&Towary i usługi"), C::GoodsOptions);
    addCommand(optionsMenu_, QStringLiteral("Z&akupy"), C::PurchaseOptions);
    optionsMenu_->addSeparator();
    addCommand(optionsMenu_, QStringLiteral("&Preferencje"), C::Preferences);
    addCommand(optionsMenu_, QStringLiteral("&Kreator danych firmy"), C::Wizard);
    QAction* onTop = addCommand(optionsMenu_, QStringLiteral("&Zawsze na wierzchu"), C::AlwaysOnTop);
    onTop->setCheckable(true);
    handlers_.insert(C::AlwaysOnTop, [this, onTop] {
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop->isChecked());
        show();
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Pomoc"));
    addCommand(help, QStringLiteral("&O programie"), C::About);
}

void TMainFoRolvan::buildToolPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelRolvan"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    struct ButtonDef {
        const char* name;
        QString caption;
        Command command;
        QStyle::StandardPixmap icon;
    };
    const ButtonDef defs[] = {
        {"ButKontra", QStringLiteral("Kontrahenci"), C::ListCounterparties, QStyle::SP_DirHomeIcon},
        {"ButTowary", QStringLiteral("Towary/Usługi  "), C::ListGoods, QStyle::SP_FileDialogDetailedView},
        {"ButMagazyn", QStringLiteral("Magazyn"), C::ListWarehouse, QStyle::SP_DriveHDIcon},
        {"ButSprzed", QStringLiteral("Sprzedaż"), C::ListSales, QStyle::SP_FileIcon},
        {"ButPrzel", QStringLiteral("Przelewy"), C::ListTransfers, QStyle::SP_ArrowRight},
        {"AboutB", QString(), C::About, QStyle::SP_MessageBoxInformation},
        {"ButKoniec", QStringLiteral("Koniec"), C::EndOfWork, QStyle::SP_DialogCloseButton},
    };
    for (const ButtonDef& d : defs) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QLatin1String(d.name));
        b->setText(d.caption);
        b->setIcon(style()->standardIcon(d.icon));
        b->setIconSize(QSize(32, 32));
        b->setAutoRaise(true);
        b->setToolButtonStyle(d.caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                  : Qt::ToolButtonTextUnderIcon);
        b->setMinimumWidth(72);
        const Command command = d.command;
        connect(b, &QToolButton::clicked, this, [this, command] {
            if (auto h = handlers_.value(command)) h();
        });
        buttons_.insert(command, b);
        row->addWidget(b);
    }
    // A tiny spot that blinks now and then: the program is alive.
    eye_ = new QWidget(panel);
    eye_->setObjectName(QStringLiteral("Oko"));
    eye_->setFixedSize(2, 2);
    eye_->setAutoFillBackground(true);
    QPalette p = eye_->palette();
    p.setColor(QPalette::Window, Qt::black);
    eye_->setPalette(p);
    row->addWidget(eye_, 0, Qt::AlignBottom);
    setCentralWidget(panel);

    eyeTimer_ = new QTimer(this);
    eyeTimer_->setInterval(200);
    connect(eyeTimer_, &QTimer::timeout, this, &TMainFoRolvan::blinkEye);
    eyeTimer_->start();
}

void TMainFoRolvan::blinkEye() {
    if (eyeTicks_ < 100) {
        ++eyeTicks_;
        return;
    }
    if (!eye_->isVisible()) {
        eye_->show();
        return;
    }
    if (QRandomGenerator::global()->bounded(300) == 0) eye_->hide();
}

void TMainFoRolvan::setHandler(Command command, std::function<void()> handler) {
    if (handler)
        handlers_.insert(command, std::move(handler));
    else
        handlers_.remove(command);
    refreshEnabled();
}

void TMainFoRolvan::updateTitle(const QString& userIdent, const QString& companySymbol) {
    QString title = QStringLiteral("Rolvan M");
    if (!userIdent.isEmpty()) title += QStringLiteral(" - ") + userIdent;
    if (!companySymbol.isEmpty()) title += QStringLiteral(" - ") + companySymbol.toUpper();
    setWindowTitle(title);
}

void TMainFoRolvan::setCompanyControlsEnabled(bool companyOpen, bool mayBrowseTransfers) {
    companyOpen_ = companyOpen;
    mayBrowseTransfers_ = mayBrowseTransfers;
    refreshEnabled();
}

void TMainFoRolvan::setRightsVisibility(bool addCompanies, bool backup, bool restore,
                                        bool browseTransfers) {
    actions_.value(C::AddCompany)->setVisible(addCompanies);
    archiveMenu_->menuAction()->setVisible(backup || restore);
    actions_.value(C::Backup)->setVisible(backup);
    actions_.value(C::Restore)->setVisible(restore);
    actions_.value(C::ListTransfers)->setVisible(browseTransfers);
    mayBrowseTransfers_ = browseTransfers;
    refreshEnabled();
}

void TMainFoRolvan::refreshEnabled() {
    documentMenu_->setEnabled(companyOpen_);
    catalogMenu_->setEnabled(companyOpen_);
    optionsMenu_->setEnabled(companyOpen_);
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        bool on = handlers_.contains(it.key()) && (!needsCompany(it.key()) || companyOpen_);
        if (it.key() == C::ListTransfers) on = on && mayBrowseTransfers_;
        it.value()->setEnabled(on);
    }
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        bool on = handlers_.contains(it.key()) && (!needsCompany(it.key()) || companyOpen_);
        if (it.key() == C::ListTransfers) on = on && mayBrowseTransfers_;
        it.value()->setEnabled(on);
    }
}

void TMainFoRolvan::closeEvent(QCloseEvent* event) {
    if (closingAllowed_) {
        event->accept();
        return;
    }
    event->ignore();
    emit closeRequested();
}

}  // namespace shell

#include "catalogs/counterparties/counterparties_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/controls/grid_plus.h"
#include "common/text_utils.h"
#include "shell/company/company_data.h"
#include "shell/registers/register_list.h"
#include "shell/users/user_session.h"

namespace catalogs::counterparties {

using shell::registers::Column;
using shell::registers::View;

namespace {

const QString kClose = QStringLiteral("&Zamknij");
const QString kUse = QStringLiteral("&Użyj");

QToolButton* toolButton(QWidget* parent, const char* name, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setText(hint);
    b->setAutoRaise(true);
    return b;
}

QString yesNo(bool on) {
    return on ? QStringLiteral("TAK") : QStringLiteral("NIE");
}

}  // namespace

// ------------------------------------------------------------------------------ chosen record

QStringList ChosenCounterparty::nameLines() const {
    QStringList lines = common::memoLines(QString(data.nazwa).remove(QLatin1Char('\n')), 3);
    while (lines.size() < 3)
        lines << QString();
    return lines;
}

QString ChosenCounterparty::postCodeAndCity() const {
    return common::trim(data.kod + QLatin1Char(' ') + data.miasto);
}

QString ChosenCounterparty::transferName(bool fullNames) const {
    if (fullNames || common::isBlank(data.krotkaNazwa))
        return common::joinLines(data.nazwa);
    return data.krotkaNazwa;
}

QString ChosenCounterparty::transferStreet() const {
    return data.adresWNazwie ? QString() : data.ulica;
}

QString ChosenCounterparty::transferPostCodeAndCity() const {
    return data.adresWNazwie ? QString() : postCodeAndCity();
}

QString ChosenCounterparty::receivedBy() const {
    return data.odbiera ? data.osoba : QString();
}

// ------------------------------------------------------------------------------ window

TFirmy::TFirmy(shell::company::CompanyData& company, shell::UserSession& session, QWidget* parent)
    : QDialog(parent),
      company_(company),
      session_(session),
      rules_(std::make_unique<CounterpartyRules>(company)) {
    setObjectName(QStringLiteral("TFirmy"));
    setWindowTitle(QStringLiteral("Kontrahenci"));

    auto* tools = new QHBoxLayout;
    NowaB = toolButton(this, "NowaB", QStringLiteral("Nowy kontrahent"));
    EditB = toolButton(this, "EditB", QStringLiteral("Edycja kontrahenta"));
    DeleteB = toolButton(this, "DeleteB", QStringLiteral("Kasowanie kontrahenta"));
    PowielB = toolButton(this, "PowielB", QStringLiteral("Powielenie danych"));
    FirstB = toolButton(this, "FirstB", QStringLiteral("Początek"));
    PriorB = toolButton(this, "PriorB", QStringLiteral("Poprzednia pozycja"));
    NextB = toolButton(this, "NextB", QStringLiteral("Następna pozycja"));
    LastB = toolButton(this, "LastB", QStringLiteral("Koniec"));
    ExcelB = toolButton(this, "ExcelB", QStringLiteral("Eksport danych"));
    ExcelB->setEnabled(false);  // the export window does not exist yet
    for (QToolButton* b : {NowaB, EditB, DeleteB, PowielB, FirstB, PriorB, NextB, LastB, ExcelB})
        tools->addWidget(b);
    tools->addStretch();

    Tab = new QTabBar(this);
    Tab->setObjectName(QStringLiteral("Tab"));
    Tab->addTab(QStringLiteral("Wszyscy"));
    Tab->addTab(QStringLiteral("Odbiorcy"));
    Tab->addTab(QStringLiteral("Dostawcy"));

    grid_ = new controls::TDBGridPlus(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    list_ = new shell::registers::RegisterList(
        company_.TableFirmy,
        {Column{QStringLiteral("Numer"), QStringLiteral("Kod"), 50,
                Qt::AlignRight | Qt::AlignVCenter},
         Column{QStringLiteral("Symbol"), QStringLiteral("Symbol"), 160}},
        grid_, this);

    EditSzukaj = new QLineEdit(this);
    EditSzukaj->setObjectName(QStringLiteral("EditSzukaj"));
    EditSzukaj->setMaxLength(25);
    SpeedButton1 = new QPushButton(QStringLiteral("Szukaj NIPu"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    FiltrB = toolButton(this, "FiltrB", QStringLiteral("Włącz/wyłącz filtr"));
    FiltrB->setText(QStringLiteral("Filtr"));
    FiltrB->setCheckable(true);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Szukaj"), this));
    searchRow->addWidget(EditSzukaj, 1);
    searchRow->addWidget(SpeedButton1);
    searchRow->addWidget(FiltrB);

    // Details of the current record, read only.
    auto detail = [this](const QString& key) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Detail") + key);
        l->setTextInteractionFlags(Qt::NoTextInteraction);
        details_.insert(key, l);
        return l;
    };
    auto* main = new QFormLayout;
    main->addRow(QStringLiteral("Nazwa"), detail(QStringLiteral("Nazwa")));
    main->addRow(QStringLiteral("Adres"), detail(QStringLiteral("Adres1")));
    main->addRow(QStringLiteral("NIP"), detail(QStringLiteral("NIP")));
    main->addRow(QStringLiteral("Firma"), detail(QStringLiteral("Firma")));
    main->addRow(QStringLiteral("Rabat %"), detail(QStringLiteral("Rabat")));
    main->addRow(QStringLiteral("Ceny"), detail(QStringLiteral("CenyText")));
    main->addRow(QStringLiteral("Dostawca"), detail(QStringLiteral("Dost")));
    main->addRow(QStringLiteral("Odbiorca"), detail(QStringLiteral("Odb")));
    auto* pages = new QTabWidget(this);
    auto page = [&](const QString& title, const QList<QPair<QString, QString>>& rows) {
        auto* w = new QWidget;
        auto* f = new QFormLayout(w);
        for (const auto& r : rows)
            f->addRow(r.first, detail(r.second));
        pages->addTab(w, title);
    };
    page(QStringLiteral("Kontakty"),
         {{QStringLiteral("T. kier."), QStringLiteral("TelKier")},
          {QStringLiteral("Tel. 1"), QStringLiteral("Tel1")},
          {QStringLiteral("Tel. 2"), QStringLiteral("Tel2")},
          {QStringLiteral("Fax"), QStringLiteral("Fax")},
          {QStringLiteral("Osoba"), QStringLiteral("OsobaCalc")},
          {QStringLiteral("E-mail"), QStringLiteral("EMail")},
          {QStringLiteral("Odbiera dokumenty"), QStringLiteral("DisplayOdbiera")}});
    page(QStringLiteral("Bank"),
         {{QStringLiteral("Bank"), QStringLiteral("BankNazwa")},
          {QStringLiteral("Konto"), QStringLiteral("BankKonto")},
          {QStringLiteral("Dane firmy na blankietach"), QStringLiteral("KrotkaNazwa")},
          {QStringLiteral("Zawierają adres"), QStringLiteral("Aktywna")}});
    page(QStringLiteral("Informacje"), {{QString(), QStringLiteral("Uwagi")}});

    Zamknij = new QPushButton(kClose, this);
    Zamknij->setObjectName(QStringLiteral("Zamknij"));
    Zamknij->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(Tab);
    left->addWidget(grid_, 1);
    left->addLayout(searchRow);
    auto* right = new QVBoxLayout;
    right->addLayout(main);
    right->addWidget(pages, 1);
    right->addWidget(Zamknij, 0, Qt::AlignRight);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(tools);
    all->addLayout(body, 1);

    filtr_ = new TFiltr(this);
    // The window grows only in height: its columns and details have their widths.
    setFixedWidth(sizeHint().width());

    connect(NowaB, &QToolButton::clicked, this, &TFirmy::NowaBClick);
    connect(EditB, &QToolButton::clicked, this, &TFirmy::EditBClick);
    connect(DeleteB, &QToolButton::clicked, this, &TFirmy::DeleteBClick);
    connect(PowielB, &QToolButton::clicked, this, &TFirmy::PowielBClick);
    connect(FirstB, &QToolButton::clicked, list_, &shell::registers::RegisterList::first);
    connect(PriorB, &QToolButton::clicked, list_, &shell::registers::RegisterList::prior);
    connect(NextB, &QToolButton::clicked, list_, &shell::registers::RegisterList::next);
    connect(LastB, &QToolButton::clicked, list_, &shell::registers::RegisterList::last);
    connect(FiltrB, &QToolButton::clicked, this, &TFirmy::FiltrBClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFirmy::SpeedButton1Click);
    connect(Zamknij, &QPushButton::clicked, this, &TFirmy::ZamknijClick);
    connect(Tab, &QTabBar::currentChanged, this, [this] { rebuildView(); });
    connect(grid_, &controls::TDBGridPlus::columnLeftClick, this,
            [this](int column) { setSortByNumber(column == 0); });
    connect(grid_, &QAbstractItemView::doubleClicked, this,
            [this] { picking_ ? use() : EditBClick(); });
    connect(EditSzukaj, &QLineEdit::textEdited, this, &TFirmy::search);
    connect(EditSzukaj, &QLineEdit::returnPressed, grid_, [this] { grid_->setFocus(); });
    connect(list_, &shell::registers::RegisterList::buttonsChanged, this, &TFirmy::updateButtons);
    connect(list_, &shell::registers::RegisterList::currentChanged, this, &TFirmy::showDetails);
    blink_.setInterval(500);
    connect(&blink_, &QTimer::timeout, this, [this] {
        blinkRed_ = !blinkRed_;
        FiltrB->setStyleSheet(blinkRed_ ? QStringLiteral("color: red")
                                        : QStringLiteral("color: blue"));
    });
    grid_->installEventFilter(this);
    reinitialise();
}

TFirmy::~TFirmy() = default;

void TFirmy::reinitialise() {
    filtr_->reset();
    patterns_ = filtr_->patterns();
    filterMode_ = FilterMode::All;
    FiltrB->setChecked(false);
    blink_.stop();
    FiltrB->setStyleSheet(QStringLiteral("color: blue"));
    rebuildView();
}

void TFirmy::setTab(CatalogTab tab) {
    if (Tab->currentIndex() == static_cast<int>(tab))
        rebuildView();
    else
        Tab->setCurrentIndex(static_cast<int>(tab));
}

void TFirmy::setSortByNumber(bool byNumber) {
    byNumber_ = byNumber;
    rebuildView();
}

void TFirmy::rebuildView() {
    View v;
    switch (static_cast<CatalogTab>(Tab->currentIndex())) {
        case CatalogTab::Customers:
            v.indexName = byNumber_ ? QStringLiteral("odbkod") : QStringLiteral("odbsymbol");
            v.rangeStart = v.rangeEnd = {true, 1};
            break;
        case CatalogTab::Suppliers:
            v.indexName = byNumber_ ? QStringLiteral("dostkod") : QStringLiteral("dostsymbol");
            v.rangeStart = v.rangeEnd = {true, 1};
            break;
        default:
            v.indexName = byNumber_ ? QStringLiteral("main") : QStringLiteral("fsymbol");
            v.rangeStart = v.rangeEnd = {true};
    }
    if (FiltrB->isChecked()) {
        v.filter = filterExpression(patterns_, filterMode_);
        v.filtered = !v.filter.isEmpty();
    }
    list_->setView(v);
    list_->model().setHighlightedColumn(byNumber_ ? 0 : 1);
    Zamknij->setEnabled(!picking_ || !company_.TableFirmy.isEmpty());
}

void TFirmy::updateButtons() {
    const shell::company::RecordButtons b = list_->buttons();
    EditB->setEnabled(b.edit);
    DeleteB->setEnabled(b.remove);
    PowielB->setEnabled(b.duplicate);
    FirstB->setEnabled(b.first);
    PriorB->setEnabled(b.prior);
    NextB->setEnabled(b.next);
    LastB->setEnabled(b.last);
    if (picking_)
        Zamknij->setEnabled(b.edit);
}

void TFirmy::showDetails() {
    engine::Table& t = company_.TableFirmy;
    const bool empty = t.isEmpty();
    for (auto it = details_.begin(); it != details_.end(); ++it) {
        QString text;
        if (!empty) {
            const QString& f = it.key();
            if (f == QStringLiteral("Dost") || f == QStringLiteral("Odb"))
                text = yesNo(t.fieldByName(f).asInteger() == 1);
            else if (f == QStringLiteral("DisplayOdbiera") || f == QStringLiteral("Aktywna"))
                text = yesNo(t.fieldByName(f).asBoolean());
            else if (f == QStringLiteral("Rabat"))
                text = QString::number(t.fieldByName(f).asCurrency().toDouble(), 'f', 2);
            else
                text = QString(t.fieldByName(f).asString())
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        }
        it.value()->setText(text);
    }
}

void TFirmy::search(const QString& text) {
    if (company_.TableFirmy.isEmpty() && text.isEmpty())
        return;
    const auto tab = static_cast<CatalogTab>(Tab->currentIndex());
    QVariantList key{true};
    if (tab != CatalogTab::All)
        key << 1;
    key << text;
    if (!byNumber_) {
        list_->searchNearest(key);
        return;
    }
    // Sorted by number: find the symbol on a cursor of its own, then show that record.
    engine::Table look(company_.database(), QStringLiteral("firmy"));
    look.open();
    look.setIndexName(tab == CatalogTab::Customers   ? QStringLiteral("odbsymbol")
                      : tab == CatalogTab::Suppliers ? QStringLiteral("dostsymbol")
                                                     : QStringLiteral("fsymbol"));
    const QVariantList range = tab == CatalogTab::All ? QVariantList{true} : QVariantList{true, 1};
    look.setRange(range, range);
    look.findNearest(key);
    if (!look.isEmpty() && company_.TableFirmy.gotoBookmark(look.bookmark()))
        list_->followCursor();
}

void TFirmy::SpeedButton1Click() {
    engine::Table look(company_.database(), QStringLiteral("firmy"));
    look.open();
    look.setIndexName(QStringLiteral("fnip"));
    look.setRange({true}, {true});
    look.findNearest({true, EditSzukaj->text()});
    if (!look.isEmpty() && company_.TableFirmy.gotoBookmark(look.bookmark()))
        list_->followCursor();
}

void TFirmy::FiltrBClick(bool down) {
    if (down) {
        if (filtr_->exec() != QDialog::Accepted) {
            FiltrB->setChecked(false);
            return;
        }
        patterns_ = filtr_->patterns();
        filterMode_ = filtr_->mode();
        if (filterExpression(patterns_, filterMode_).isEmpty())
            FiltrB->setChecked(false);
    }
    if (FiltrB->isChecked())
        blink_.start();
    else {
        blink_.stop();
        FiltrB->setStyleSheet(QStringLiteral("color: blue"));
    }
    rebuildView();
}

void TFirmy::ZamknijClick() {
    if (picking_)
        use();
    else
        close();
}

void TFirmy::use() {
    if (!company_.TableFirmy.isEmpty())
        accept();
}

TOpcjeFirmy* TFirmy::optionsDialog() {
    if (!opcje_)
        opcje_ = new TOpcjeFirmy(company_, session_, this);
    return opcje_;
}

bool TFirmy::openEditor(EditorMode mode) {
    if (!shell::registers::requireModeRight(session_, mode, QStringLiteral("firma")))
        return false;
    engine::Table& browse = company_.TableFirmy;
    if (mode != EditorMode::New) {
        if (browse.isEmpty())
            return false;
        if (!company_.writer().probeEdit(browse)) {
            list_->reload();
            return false;
        }
        company_.writer().commitWrite();
    }
    const CounterpartyOptions options = CounterpartyOptions::load(company_.TableOpcje);
    TNowaFirma editor(company_, session_, *rules_, options, mode,
                      static_cast<CatalogTab>(Tab->currentIndex()), &browse, this);
    const bool done = editor.exec() == QDialog::Accepted;
    browse.refresh();
    if (done && mode != EditorMode::Delete && editor.savedKod() > 0)
        browse.locate({QStringLiteral("Kod")}, {editor.savedKod()});
    list_->reload();
    return done;
}

bool TFirmy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Insert:
                NowaBClick();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                picking_ ? use() : EditBClick();
                return true;
            case Qt::Key_Delete:
                DeleteBClick();
                return true;
            default:
                break;
        }
        // A letter typed in the grid looks up that letter, also those that are accelerators
        // of the close button.
        const QString text = key->text();
        if (!(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) && text.size() == 1 &&
            text.at(0).isPrint()) {
            search(text);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

ChosenCounterparty TFirmy::chooseCounterparty(const ChooseRequest& request) {
    ChosenCounterparty result;
    result.symbol = request.symbolText;
    EditSzukaj->clear();
    if (!request.picker && FiltrB->isChecked()) {
        FiltrB->setChecked(false);
        blink_.stop();
        FiltrB->setStyleSheet(QStringLiteral("color: blue"));
    }
    engine::Table look(company_.database(), QStringLiteral("firmy"));
    engine::Table* source = &company_.TableFirmy;
    bool found = false;
    if (request.byKod) {
        look.open();
        look.setIndexName(QStringLiteral("mainkod"));
        found = look.findKey({request.kod});
        source = &look;
    } else {
        byNumber_ = false;
        setTab(CatalogTab::All);
        const QString text = request.symbolText;
        if (!text.isEmpty()) {
            found = company_.TableFirmy.findKey({true, text});
            bool whole = false;
            const qint64 number = text.toLongLong(&whole);
            if (!found && text.at(0).isDigit() && whole) {
                setSortByNumber(true);
                found = company_.TableFirmy.findKey({true, number});
            }
            if (found)
                list_->followCursor();
        }
    }
    bool chosen = found;
    if (request.picker && !request.byKod) {
        picking_ = true;
        Zamknij->setText(kUse);
        Zamknij->setEnabled(!company_.TableFirmy.isEmpty());
        chosen = exec() == QDialog::Accepted && !company_.TableFirmy.isEmpty();
        picking_ = false;
        Zamknij->setText(kClose);
        Zamknij->setEnabled(true);
        source = &company_.TableFirmy;
    }
    if (chosen) {
        result.ok = true;
        result.numer = source->fieldByName(QStringLiteral("Numer")).asInteger();
        result.kod = source->fieldByName(QStringLiteral("Kod")).asInteger();
        result.data = readCounterparty(*source);
        result.firma = result.data.firma;
        result.symbol = result.data.symbol;
    } else if (!request.picker && request.clearOnFailure) {
        result.cleared = true;
        result.numer = result.kod = -1;
    }
    rebuildView();
    if (result.kod == -1 && result.symbol == QStringLiteral("-1"))
        result.symbol.clear();
    return result;
}

}  // namespace catalogs::counterparties

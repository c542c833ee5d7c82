#include "catalogs/counterparties/counterparty_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "common/controls/numeric_input.h"
#include "common/text_utils.h"
#include "shell/company/company_data.h"

namespace catalogs::counterparties {

namespace {

QLineEdit* line(QWidget* parent, const char* name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& text) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QString caption(EditorMode mode) {
    switch (mode) {
        case EditorMode::Edit:
            return QStringLiteral("Zmiana danych kontrahenta");
        case EditorMode::Delete:
            return QStringLiteral("Kasowanie danych kontrahenta");
        default:
            return QStringLiteral("Nowy kontrahent");
    }
}

// The stored multi-line text (CR LF) and the editor's (LF).
QString toEditor(const QString& stored) {
    QString s = stored;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
QString fromEditor(const QString& typed) {
    QString s = typed;
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

}  // namespace

TNowaFirma::TNowaFirma(shell::company::CompanyData& company, shell::UserSession&,
                       CounterpartyRules& rules, const CounterpartyOptions& options,
                       EditorMode mode, CatalogTab tab, engine::Table* current, QWidget* parent)
    : QDialog(parent), company_(company), rules_(rules), options_(options), mode_(mode), tab_(tab) {
    setObjectName(QStringLiteral("TNowaFirma"));
    setWindowTitle(caption(mode));
    auto* form = new QFormLayout;
    Symbol = line(this, "Symbol", 25);
    Nazwa = new QPlainTextEdit(this);
    Nazwa->setObjectName(QStringLiteral("Nazwa"));
    Nazwa->setTabChangesFocus(true);
    Nazwa->setFixedHeight(Nazwa->fontMetrics().lineSpacing() * 3 + 12);
    Ulica = line(this, "Ulica", 40);
    Kod = line(this, "Kod", 6);
    Miasto = line(this, "Miasto", 35);
    NIP = line(this, "NIP", 17);
    CheckFirma = check(this, "CheckFirma", QStringLiteral("&Firma"));
    Rabat = new controls::TNumInp(this);
    Rabat->setObjectName(QStringLiteral("Rabat"));
    Rabat->setDecimals(2);
    Rabat->setMaximum(99);
    GrupaCen = new QComboBox(this);
    GrupaCen->setObjectName(QStringLiteral("GrupaCen"));
    GrupaCen->addItems(
        {QStringLiteral("Ceny 1"), QStringLiteral("Ceny 2"), QStringLiteral("Ceny 3")});
    CheckDostawca = check(this, "CheckDostawca", QStringLiteral("D&ostawca"));
    CheckOdbiorca = check(this, "CheckOdbiorca", QStringLiteral("Odb&iorca"));
    form->addRow(QStringLiteral("Symbol"), Symbol);
    form->addRow(QStringLiteral("Nazwa"), Nazwa);
    form->addRow(QStringLiteral("Ulica"), Ulica);
    auto* city = new QHBoxLayout;
    city->addWidget(Kod);
    city->addWidget(Miasto, 1);
    form->addRow(QStringLiteral("Kod, miasto"), city);
    form->addRow(QStringLiteral("NIP"), NIP);
    auto* flags = new QHBoxLayout;
    flags->addWidget(CheckFirma);
    flags->addWidget(CheckDostawca);
    flags->addWidget(CheckOdbiorca);
    form->addRow(flags);
    form->addRow(QStringLiteral("Rabat %"), Rabat);
    form->addRow(QStringLiteral("Ceny"), GrupaCen);

    pages_ = new QTabWidget(this);
    auto* contacts = new QWidget;
    auto* cf = new QFormLayout(contacts);
    TelKier = line(contacts, "TelKier", 8);
    Tel1 = line(contacts, "Tel1", 20);
    Tel2 = line(contacts, "Tel2", 20);
    Fax = line(contacts, "Fax", 20);
    OsobaPan = line(contacts, "OsobaPan", 8);
    Osoba = line(contacts, "Osoba", 30);
    EMail = line(contacts, "EMail", 40);
    CheckOdbiera = check(contacts, "CheckOdbiera", QStringLiteral("Odbiera dok&umenty"));
    cf->addRow(QStringLiteral("T. kier."), TelKier);
    cf->addRow(QStringLiteral("Tel. 1"), Tel1);
    cf->addRow(QStringLiteral("Tel. 2"), Tel2);
    cf->addRow(QStringLiteral("Fax"), Fax);
    cf->addRow(QStringLiteral("Osoba"), OsobaPan);
    cf->addRow(QString(), Osoba);
    cf->addRow(QStringLiteral("E-mail"), EMail);
    cf->addRow(CheckOdbiera);
    auto* bank = new QWidget;
    auto* bf = new QFormLayout(bank);
    Bank = line(bank, "Bank", 40);
    Konto = line(bank, "Konto", 40);
    KrotkaNazwa = line(bank, "KrotkaNazwa", 54);
    CheckAdres = check(bank, "CheckAdres", QStringLiteral("Zawierają adres"));
    bf->addRow(QStringLiteral("Bank"), Bank);
    bf->addRow(QStringLiteral("Konto"), Konto);
    bf->addRow(QStringLiteral("Dane firmy na  blankietach"), KrotkaNazwa);
    bf->addRow(CheckAdres);
    Info = new QPlainTextEdit;
    Info->setObjectName(QStringLiteral("Info"));
    Info->setTabChangesFocus(true);
    pages_->addTab(contacts, QStringLiteral("Kontakty"));
    pages_->addTab(bank, QStringLiteral("Bank"));
    pages_->addTab(Info, QStringLiteral("Informacje"));

    Zapisz = new QPushButton(
        mode == EditorMode::Delete ? QStringLiteral("&Usuń") : QStringLiteral("&Zapisz"), this);
    Zapisz->setObjectName(QStringLiteral("Zapisz"));
    Nastep = new QPushButton(QStringLiteral("&Następna"), this);
    Nastep->setObjectName(QStringLiteral("Nastep"));
    Anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {Zapisz, Nastep, Anuluj}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(pages_);
    all->addLayout(buttons);

    if (mode == EditorMode::Delete)
        connect(Zapisz, &QPushButton::clicked, this, &TNowaFirma::UsunClick);
    else
        connect(Zapisz, &QPushButton::clicked, this, &TNowaFirma::ZapiszClick);
    connect(Nastep, &QPushButton::clicked, this, &TNowaFirma::NastepClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject);
    Nastep->setEnabled(mode == EditorMode::New || mode == EditorMode::Duplicate);
    Nastep->setVisible(mode != EditorMode::Delete);

    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->installEventFilter(this);
    Nazwa->installEventFilter(this);

    if (current && mode != EditorMode::New) {
        kod_ = current->fieldByName(QStringLiteral("Kod")).asInteger();
        loaded_ = readCounterparty(*current);
        showData(loaded_);
    } else {
        resetForNew();
    }
    if (mode == EditorMode::Delete || mode == EditorMode::View) {
        for (QWidget* w : findChildren<QWidget*>())
            if (w != Zapisz && w != Anuluj && w != pages_ && !qobject_cast<QTabBar*>(w) &&
                (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                 qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w) ||
                 qobject_cast<controls::TNumInp*>(w)))
                w->setEnabled(false);
        if (mode == EditorMode::View)
            Zapisz->hide();
    }
    Nazwa->setFocus();
}

void TNowaFirma::resetForNew() {
    CounterpartyData d;
    d.firma = options_.firma;
    d.priceLevel = options_.priceLevel;
    d.osobaPan = options_.osobaPan;
    d.odbiera = options_.odbiera;
    d.odbiorca = tab_ != CatalogTab::Suppliers;
    d.dostawca = tab_ == CatalogTab::Suppliers;
    showData(d);
}

void TNowaFirma::showData(const CounterpartyData& d) {
    Symbol->setText(d.symbol);
    Nazwa->setPlainText(toEditor(d.nazwa));
    Ulica->setText(d.ulica);
    Kod->setText(d.kod);
    Miasto->setText(d.miasto);
    NIP->setText(d.nip);
    CheckFirma->setChecked(d.firma);
    Rabat->setValue(d.rabat.toDouble());
    GrupaCen->setCurrentIndex(d.priceLevel);
    CheckDostawca->setChecked(d.dostawca);
    CheckOdbiorca->setChecked(d.odbiorca);
    TelKier->setText(d.telKier);
    Tel1->setText(d.tel1);
    Tel2->setText(d.tel2);
    Fax->setText(d.fax);
    OsobaPan->setText(d.osobaPan);
    Osoba->setText(d.osoba);
    EMail->setText(d.email);
    CheckOdbiera->setChecked(d.odbiera);
    Bank->setText(d.bank);
    Konto->setText(d.konto);
    KrotkaNazwa->setText(d.krotkaNazwa);
    CheckAdres->setChecked(d.adresWNazwie);
    Info->setPlainText(toEditor(d.uwagi));
}

CounterpartyData TNowaFirma::gather() const {
    CounterpartyData d;
    d.symbol = Symbol->text();
    d.nazwa = fromEditor(Nazwa->toPlainText());
    d.ulica = Ulica->text();
    d.kod = Kod->text();
    d.miasto = Miasto->text();
    d.nip = NIP->text();
    d.firma = CheckFirma->isChecked();
    d.rabat = engine::Currency::fromDouble(Rabat->value());
    d.priceLevel = std::max(0, GrupaCen->currentIndex());
    d.dostawca = CheckDostawca->isChecked();
    d.odbiorca = CheckOdbiorca->isChecked();
    d.telKier = TelKier->text();
    d.tel1 = Tel1->text();
    d.tel2 = Tel2->text();
    d.fax = Fax->text();
    d.osobaPan = OsobaPan->text();
    d.osoba = Osoba->text();
    d.email = EMail->text();
    d.odbiera = CheckOdbiera->isChecked();
    d.bank = Bank->text();
    d.konto = Konto->text();
    d.krotkaNazwa = KrotkaNazwa->text();
    d.adresWNazwie = CheckAdres->isChecked();
    d.uwagi = fromEditor(Info->toPlainText());
    return d;
}

bool TNowaFirma::save() {
    const CounterpartyData d = gather();
    const auto saved =
        rules_.save(d, mode_, kod_, loaded_, options_, windowTitle(), QDate::currentDate());
    if (!saved.saved) {
        focusField(saved.field);
        return false;
    }
    savedKod_ = saved.kod;
    return true;
}

void TNowaFirma::ZapiszClick() {
    if (save())
        accept();
}

void TNowaFirma::NastepClick() {
    if (!save())
        return;
    mode_ = EditorMode::New;
    kod_ = 0;
    loaded_ = {};
    resetForNew();
    Nazwa->setFocus();
}

void TNowaFirma::UsunClick() {
    switch (rules_.remove(kod_)) {
        case DeleteOutcome::Deleted:
        case DeleteOutcome::Retired:
            savedKod_ = kod_;
            accept();
            break;
        case DeleteOutcome::Refused:
            Zapisz->setEnabled(false);
            break;
        case DeleteOutcome::Failed:
            break;
    }
}

void TNowaFirma::focusField(const QString& name) {
    if (name.isEmpty())
        return;
    auto* w = findChild<QWidget*>(name);
    if (!w)
        return;
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->isAncestorOf(w) || pages_->widget(i) == w)
            pages_->setCurrentIndex(i);
    w->setFocus();
}

bool TNowaFirma::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == Nazwa && options_.symbolFromName &&
        common::trim(Symbol->text()).isEmpty()) {
        Symbol->setText(Nazwa->toPlainText().section(QLatin1Char('\n'), 0, 0).left(25));
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QLineEdit*>(watched)) {
        focusNextChild();
        return true;
    }
    // The name has room for three lines; Enter on the last one goes on to the next field.
    if (enter && watched == Nazwa && Nazwa->document()->blockCount() >= 3 &&
        Nazwa->textCursor().blockNumber() >= 2) {
        focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace catalogs::counterparties

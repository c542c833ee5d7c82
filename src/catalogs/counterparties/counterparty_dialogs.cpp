#include "catalogs/counterparties/counterparty_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/error.h"
#include "shell/company/company_data.h"
#include "shell/users/user_session.h"

namespace catalogs::counterparties {

TFiltr::TFiltr(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFiltr"));
    setWindowTitle(QStringLiteral("Filtr"));
    struct PatternField {
        const char* name;
        const char* label;
        int length;
    };
    const PatternField fields[] = {
        {"Nazwa", "&Nazwa", 100},        {"Symbol", "&Symbol", 25}, {"Ulica", "A&dres (ulica)", 50},
        {"Kod", "&Kod pocztowy", 10},    {"Miasto", "&Miasto", 40}, {"NIP", "NI&P", 17},
        {"Telefon", "Tele&fon/fax", 20}, {"Osoba", "&Osoba", 35},   {"EMail", "e-mai&l", 40}};
    auto* form = new QFormLayout;
    for (const PatternField& s : fields) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(s.name));
        e->setMaxLength(s.length);
        form->addRow(QString::fromUtf8(s.label), e);
        fields_ << e;
    }
    auto* clear = new QPushButton(QStringLiteral("&Wyczyść pola"), this);
    connect(clear, &QPushButton::clicked, this, [this] {
        for (QLineEdit* e : fields_)
            e->setText(QStringLiteral("*"));
    });
    auto* group = new QGroupBox(QStringLiteral("Wybierz pozycje"), this);
    auto* gl = new QVBoxLayout(group);
    mode_ = new QButtonGroup(this);
    const QString texts[] = {QStringLiteral("Spełniające wszystki&e powyższe warunki"),
                             QStringLiteral("Spełniające dowolny wa&runek"),
                             QStringLiteral("N&ie spełniające żadnego warunku ")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(texts[i], group);
        mode_->addButton(r, i);
        gl->addWidget(r);
    }
    zastosuj_ = new QPushButton(QStringLiteral("&Zastosuj"), this);
    auto* anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    connect(zastosuj_, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(zastosuj_);
    buttons->addWidget(anuluj);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(group);
    all->addLayout(buttons);
    reset();
}

void TFiltr::reset() {
    for (QLineEdit* e : fields_)
        e->setText(QStringLiteral("*"));
    mode_->button(0)->setChecked(true);
}

FilterPatterns TFiltr::patterns() const {
    FilterPatterns p;
    QString* targets[] = {&p.nazwa, &p.symbol,  &p.ulica, &p.kod,  &p.miasto,
                          &p.nip,   &p.telefon, &p.osoba, &p.email};
    for (int i = 0; i < fields_.size(); ++i)
        *targets[i] = fields_[i]->text();
    return p;
}

FilterMode TFiltr::mode() const {
    switch (mode_->checkedId()) {
        case 1:
            return FilterMode::Any;
        case 2:
            return FilterMode::None;
        default:
            return FilterMode::All;
    }
}

TOpcjeFirmy::TOpcjeFirmy(shell::company::CompanyData& company, shell::UserSession& session,
                         QWidget* parent)
    : QDialog(parent), company_(company) {
    setObjectName(QStringLiteral("TOpcjeFirmy"));
    setWindowTitle(QStringLiteral("Dane kontrahentów"));
    symbol_ =
        new QCheckBox(QStringLiteral("Proponuj pierwszą linię nazwy jako symbol firmy"), this);
    firma_ = new QCheckBox(QStringLiteral("Zaznacz pole \"Firma\" przy wprowadzaniu nowej pozycji"),
                           this);
    sameNip_ = new QCheckBox(
        QStringLiteral("Dopuść możliwość wpisania wielu kontrahentów z identycznym NIPem"), this);
    odbiorca_ =
        new QCheckBox(QStringLiteral("Proponuj osobę kontaktową jako odbiorcę dokumentów"), this);
    level_ = new QComboBox(this);
    level_->addItems(
        {QStringLiteral("Ceny 1"), QStringLiteral("Ceny 2"), QStringLiteral("Ceny 3")});
    pan_ = new QLineEdit(this);
    pan_->setMaxLength(8);
    auto* form = new QFormLayout;
    form->addRow(symbol_);
    form->addRow(firma_);
    form->addRow(sameNip_);
    form->addRow(QStringLiteral("Proponuj grupę cen"), level_);
    form->addRow(odbiorca_);
    form->addRow(QStringLiteral("Osoba"), pan_);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    auto* anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    ok_->setEnabled(session.hasRight(QStringLiteral("Zmiana_opcji")));
    connect(ok_, &QPushButton::clicked, this, &TOpcjeFirmy::OkClick);
    connect(anuluj, &QPushButton::clicked, this, [this] {
        reload();
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(anuluj);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(buttons);
    reload();
}

void TOpcjeFirmy::reload() {
    options_ = CounterpartyOptions::load(company_.TableOpcje);
    showOptions(options_);
}

void TOpcjeFirmy::showOptions(const CounterpartyOptions& o) {
    symbol_->setChecked(o.symbolFromName);
    firma_->setChecked(o.firma);
    sameNip_->setChecked(o.sameNipAllowed);
    level_->setCurrentIndex(o.priceLevel);
    odbiorca_->setChecked(o.odbiera);
    pan_->setText(o.osobaPan);
}

void TOpcjeFirmy::OkClick() {
    CounterpartyOptions o;
    o.symbolFromName = symbol_->isChecked();
    o.firma = firma_->isChecked();
    o.sameNipAllowed = sameNip_->isChecked();
    o.priceLevel = std::max(0, level_->currentIndex());
    o.odbiera = odbiorca_->isChecked();
    o.osobaPan = pan_->text();
    const bool saved = company_.writer().saveInTransaction([&] {
        if (!o.save(company_.TableOpcje))
            throw engine::Error(engine::Error::Code::BadValue,
                                QStringLiteral("opcjef: a counterparty option was not written"));
    });
    if (!saved)
        return;
    options_ = o;
    accept();
}

}  // namespace catalogs::counterparties

#include "sales/numbering/numbering_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/clock.h"
#include "common/controls/beep.h"
#include "data/settings_store.h"
#include "shell/company/company_data.h"
#include "shell/company/write_helpers.h"
#include "shell/messages.h"
#include "shell/users/user_session.h"

namespace sales {
namespace {

const QString kOptionsRight = QStringLiteral("Zmiana_opcji");

QString rowCaption(int index) {
    switch (index) {
        case kInvoiceCounter:
            return QStringLiteral("&Faktura");
        case kCorrectionCounter:
            return QStringLiteral("&Korekta");
        case kBillCounter:
            return QStringLiteral("&Rachunek");
        case kProFormaCounter:
            return QStringLiteral("Pro&forma");
        case kCashCounter:
            return QStringLiteral("Dokument &kasowy");
        case kOrderCounter:
            return QStringLiteral("&Zamówienie");
        case kReceiptCounter:
            return QStringLiteral("&Paragon");
        default:
            return counterKind(index);
    }
}

}  // namespace

QString exampleTitle(int index, const QDate& today) {
    const bool vatWordDropped = today.year() >= 2013;
    switch (index) {
        case kInvoiceCounter:
            return vatWordDropped ? QStringLiteral("Faktura ") : QStringLiteral("Faktura VAT ");
        case kCorrectionCounter:
            return QStringLiteral("Faktura korygująca ");
        case kBillCounter:
            return QStringLiteral("Rachunek ");
        case kProFormaCounter:
            return vatWordDropped ? QStringLiteral("Proforma ")
                                  : QStringLiteral("Faktura proforma ");
        case kCashCounter:
            return QStringLiteral("Dokument kasowy ");
        case kOrderCounter:
            return QStringLiteral("Zamówienie ");
        case kReceiptCounter:
            return QStringLiteral("Paragon ");
        case kGoodsIssuedCounter:
            return QStringLiteral("Dokument wydania WZ ");
        case kGoodsReceivedCounter:
            return QStringLiteral("Dokument przyjęcia PZ ");
        case kInternalIssueCounter:
            return QStringLiteral("Dokument wydania RW ");
        case kInternalReceiptCounter:
            return QStringLiteral("Dokument przyjęcia PW ");
        default:
            return {};
    }
}

// ---------------------------------------------------------------- DigitsInput

DigitsInput::DigitsInput(int maxDigits, qint64 emptyValue, QWidget* parent)
    : controls::TNumInp(parent), emptyValue_(emptyValue) {
    setNumericType(controls::NumericType::Fixed);
    setDecimals(0);
    setDigits(maxDigits);
    setDisplayZero(true);
    qint64 largest = 1;
    for (int i = 0; i < maxDigits; ++i)
        largest *= 10;
    setRange(0, static_cast<double>(largest - 1));
    setMaxLength(maxDigits);
}

qint64 DigitsInput::number() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return emptyValue_;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    return ok ? n : emptyValue_;
}

void DigitsInput::setNumber(qint64 number) {
    setValue(static_cast<double>(number));
}

void DigitsInput::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed.at(0).isPrint();
    if (character && !(typed.size() == 1 && typed.at(0) >= u'0' && typed.at(0) <= u'9')) {
        controls::beep();
        event->accept();
        return;
    }
    controls::TNumInp::keyPressEvent(event);
}

void DigitsInput::focusOutEvent(QFocusEvent* event) {
    if (text().trimmed().isEmpty())
        setText(QString::number(emptyValue_));
    controls::TNumInp::focusOutEvent(event);
}

// ---------------------------------------------------------------- TOpcjeNum

TOpcjeNum::TOpcjeNum(shell::company::CompanyData& company, shell::UserSession& users,
                     QWidget* parent)
    : QDialog(parent), company_(company), users_(users) {
    setWindowTitle(QStringLiteral("Numeracja i liczba drukowanych kopii dokumentów"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Wzorzec numeru")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Przykład")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Najbliższy numer")), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Liczba kopii")), 0, 4);
    int line = 1;
    for (int index : counterIndices()) {
        Row row;
        row.templateBox = new QComboBox;
        row.templateBox->setEditable(true);
        row.templateBox->setInsertPolicy(QComboBox::NoInsert);
        row.templateBox->addItems(offeredTemplates());
        row.templateBox->lineEdit()->setMaxLength(kTemplateMaxLength);
        row.templateBox->setObjectName(QStringLiteral("template") + counterKind(index));
        row.example = new QLabel;
        row.example->setMinimumWidth(220);
        row.next = new DigitsInput(6, 1);
        row.next->setObjectName(QStringLiteral("next") + counterKind(index));
        row.copies = new DigitsInput(1, 0);
        row.copies->setObjectName(QStringLiteral("copies") + counterKind(index));
        auto* caption = new QLabel(rowCaption(index));
        caption->setBuddy(row.templateBox);
        grid->addWidget(caption, line, 0);
        grid->addWidget(row.templateBox, line, 1);
        grid->addWidget(row.example, line, 2);
        grid->addWidget(row.next, line, 3);
        grid->addWidget(row.copies, line, 4);
        ++line;
        rows_.insert(index, row);
        connect(row.templateBox, &QComboBox::editTextChanged, this,
                [this, index] { updateExample(index); });
    }

    auto* modes = new QGroupBox(QStringLiteral("Sposób numeracji"));
    yearly_ = new QRadioButton(QStringLiteral("W każdym roku numeracja startuje od 1"));
    continuation_ = new QRadioButton(
        QStringLiteral("Numeracja nowego roku jest kontynuacją roku poprzedniego"));
    monthly_ = new QRadioButton(QStringLiteral("W każdym miesiącu numeracja startuje od 1"));
    auto* modesLayout = new QVBoxLayout(modes);
    modesLayout->addWidget(yearly_);
    modesLayout->addWidget(continuation_);
    modesLayout->addWidget(monthly_);
    yearly_->setChecked(true);

    ones_ = new QPushButton(QStringLiteral("1"));
    ones_->setToolTip(QStringLiteral("Wstaw wszędzie 1"));
    ones_->setAutoDefault(false);
    connect(ones_, &QPushButton::clicked, this, &TOpcjeNum::putOnesEverywhere);
    ok_ = new QPushButton(QStringLiteral("Ok"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { saveNumberingOptions(); });
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ones_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(modes);
    layout->addLayout(buttons);

    // Keyboard order: a kind's row left to right, then the next kind, then the modes.
    QWidget* previous = nullptr;
    auto chain = [&previous, this](QWidget* w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (int index : counterIndices()) {
        chain(rows_[index].templateBox);
        chain(rows_[index].next);
        chain(rows_[index].copies);
    }
    chain(yearly_);
    chain(continuation_);
    chain(monthly_);
    chain(ones_);
    chain(ok_);
    chain(cancel);

    for (int index : counterIndices())
        updateExample(index);
}

QRadioButton* TOpcjeNum::modeButton(NumberingMode mode) const {
    switch (mode) {
        case NumberingMode::Continuation:
            return continuation_;
        case NumberingMode::MonthlyRestart:
            return monthly_;
        case NumberingMode::YearlyRestart:
            break;
    }
    return yearly_;
}

void TOpcjeNum::setMode(NumberingMode mode) {
    modeButton(mode)->setChecked(true);
}

NumberingMode TOpcjeNum::mode() const {
    if (monthly_->isChecked())
        return NumberingMode::MonthlyRestart;
    if (continuation_->isChecked())
        return NumberingMode::Continuation;
    return NumberingMode::YearlyRestart;
}

void TOpcjeNum::updateExample(int index) {
    const Row row = rows_.value(index);
    if (!row.example)
        return;
    const QDate today = common::today();
    row.example->setText(exampleTitle(index, today) + formatNumber(row.templateBox->currentText(),
                                                                   today.year(), today.month(),
                                                                   123));
}

void TOpcjeNum::showTemplates(int index) {
    data::SettingsStore store(company_.TableOpcje);
    NumberingOptions stored;
    stored.loadTemplates(store);
    for (int i : counterIndices())
        if (index == 0 || i == index)
            rows_[i].templateBox->setEditText(stored.templates.value(i));
    setMode(stored.mode);
}

void TOpcjeNum::loadNumberingOptions() {
    data::SettingsStore store(company_.TableOpcje);
    shell::company::WriteHelper& writer = company_.writer();
    // Without a transaction (another user is writing) the missing entries are only shown as 1;
    // they get written with the next save.
    const bool writing = writer.tryBeginWrite(false);
    NumberingOptions loaded;
    loaded.load(store, writing);
    if (writing) {
        try {
            writer.commitWrite();
        } catch (const std::exception&) {
            writer.rollbackWrite();
        }
    }
    for (int index : counterIndices()) {
        const Row& row = rows_[index];
        row.templateBox->setEditText(loaded.templates.value(index));
        row.next->setNumber(loaded.nextNumbers.value(index, 1));
        row.copies->setNumber(loaded.copies.value(index, 1));
    }
    setMode(loaded.mode);
    ok_->setEnabled(users_.hasRight(kOptionsRight));
}

QString TOpcjeNum::templateOf(int index) const {
    const Row row = rows_.value(index);
    return row.templateBox ? row.templateBox->currentText() : defaultTemplate(index);
}

NumberingOptions TOpcjeNum::options() const {
    NumberingOptions out;
    for (int index : counterIndices()) {
        const Row& row = rows_[index];
        out.templates[index] = row.templateBox->currentText();
        out.nextNumbers[index] = row.next->number();
        out.copies[index] = static_cast<int>(row.copies->number());
    }
    out.mode = mode();
    return out;
}

void TOpcjeNum::putOnesEverywhere() {
    for (const Row& row : std::as_const(rows_))
        row.next->setNumber(1);
}

bool TOpcjeNum::saveNumberingOptions() {
    if (!users_.requireRight(kOptionsRight))
        return false;
    const NumberingOptions values = options();
    if (!values.templatesFitMode()) {
        shell::showMessage(kMonthSymbolMissing);
        return false;
    }
    shell::company::WriteHelper& writer = company_.writer();
    if (!writer.beginWrite(true))
        return false;
    data::SettingsStore store(company_.TableOpcje);
    try {
        if (!values.save(store)) {
            writer.rollbackWrite();
            shell::company::showUnexpectedDbError();
            return false;
        }
        writer.commitWrite();
    } catch (const std::exception&) {
        writer.rollbackWrite();
        shell::company::showUnexpectedDbError();
        return false;
    }
    accept();
    return true;
}

}  // namespace sales

#include "shell/companydata/company_data_dialog.h"

#include "shell/dialogs/enter_moves_on.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "common/text_utils.h"
#include "data/settings_store.h"
#include "engine/table.h"
#include "shell/company/company_data.h"
#include "shell/company/write_helpers.h"
#include "shell/companydata/company_rules.h"
#include "shell/companydata/tax_offices.h"
#include "shell/messages.h"
#include "shell/users/user_session.h"

namespace shell::companydata {

const QString TDaneFirmy::kCaption = QStringLiteral("Dane firmy");
const QString TDaneFirmy::kSampleCaption =
    QStringLiteral("Danych przykładowej firmy nie można zmienić");
const QString TDaneFirmy::kSampleNote = QStringLiteral(
    "Chcąc założyć bazę danych dla własnej firmy skorzystaj z funkcji  Administracja -> Dodaj "
    "nową firmę");
const QString TDaneFirmy::kRight = QStringLiteral("Zmiana_opcji");

namespace {

constexpr int kNameLimit = 150;

QLineEdit* lineEdit(QWidget* parent, const char* name, int limit) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (limit > 0)
        edit->setMaxLength(limit);
    return edit;
}

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

TDaneFirmy::TDaneFirmy(company::CompanyData& company, UserSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      company_(company),
      session_(session) {
    setObjectName(QStringLiteral("DaneFirmy"));
    setWindowTitle(kCaption);
    setModal(true);
    buildControls();
    loadCompanyData();
}

void TDaneFirmy::buildControls() {
    // --- the seller
    memoNazwa_ = new QPlainTextEdit(this);
    memoNazwa_->setObjectName(QStringLiteral("MemoNazwa"));
    memoNazwa_->setTabChangesFocus(true);
    memoNazwa_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoNazwa_->setFixedHeight(memoNazwa_->fontMetrics().lineSpacing() * 3 +
                               2 * memoNazwa_->frameWidth() + 10);
    memoNazwa_->installEventFilter(this);
    connect(memoNazwa_, &QPlainTextEdit::textChanged, this, &TDaneFirmy::limitName);

    editUlica_ = lineEdit(this, "EditUlica", 40);
    editKod_ = lineEdit(this, "EditKod", 40);
    editTelefon_ = lineEdit(this, "EditTelefon", 40);
    editNIP_ = lineEdit(this, "EditNIP", 20);
    krotkaNazwa_ = lineEdit(this, "KrotkaNazwa", 54);
    checkAdres_ = new QCheckBox(QStringLiteral("Za&wierają adres"), this);
    checkAdres_->setObjectName(QStringLiteral("CheckAdres"));

    auto* seller = new QFormLayout;
    const auto addRow = [&](const QString& caption, QWidget* field, QLayout* row = nullptr) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        if (row)
            seller->addRow(label, row);
        else
            seller->addRow(label, field);
    };
    addRow(QStringLiteral("&Nazwa"), memoNazwa_);
    addRow(QStringLiteral("&Ulica"), editUlica_);
    addRow(QStringLiteral("&Kod, miejscowość"), editKod_);
    addRow(QStringLiteral("&Telefon"), editTelefon_);
    addRow(QStringLiteral("NI&P"), editNIP_);
    auto* shortRow = new QHBoxLayout;
    shortRow->addWidget(krotkaNazwa_, 1);
    shortRow->addWidget(checkAdres_);
    addRow(QStringLiteral("Dane na blanki&etach"), krotkaNazwa_, shortRow);

    auto* kindGroup = new QGroupBox(QStringLiteral("Firma "), this);
    kindGroup->setObjectName(QStringLiteral("GroupFirma"));
    firmaVat_ =
        new QRadioButton(QStringLiteral("Jest płatnikiem VAT i wystawia faktury"), kindGroup);
    firmaVat_->setObjectName(QStringLiteral("FirmaVat"));
    firmaVatR_ = new QRadioButton(
        QStringLiteral("Jest płatnikiem VAT i wystawia faktury oraz zwykłe rachunki"), kindGroup);
    firmaVatR_->setObjectName(QStringLiteral("FirmaVatR"));
    firmaR_ = new QRadioButton(QStringLiteral("Nie jest płatnikiem VAT i wystawia zwykłe rachunki"),
                               kindGroup);
    firmaR_->setObjectName(QStringLiteral("FirmaR"));
    auto* kindLayout = new QVBoxLayout(kindGroup);
    for (QRadioButton* r : {firmaVat_, firmaVatR_, firmaR_})
        kindLayout->addWidget(r);

    checkParagony_ = new QCheckBox(QStringLiteral("Wystawia paragony  (niefiskalne)"), this);
    checkParagony_->setObjectName(QStringLiteral("CheckParagony"));
    checkMetodaKasowa_ = new QCheckBox(QStringLiteral("Rozlicza się metodą kasową"), this);
    checkMetodaKasowa_->setObjectName(QStringLiteral("CheckMetodaKasowa"));
    checkReverse_ = new QCheckBox(QStringLiteral("Wystawia faktury \"odwrotne obciążenie\""), this);
    checkReverse_->setObjectName(QStringLiteral("CheckReverse"));

    gridKonta_ = new QTableWidget(CompanyInfo::kAccountRows, 2, this);
    gridKonta_->setObjectName(QStringLiteral("GridKonta"));
    gridKonta_->setHorizontalHeaderLabels({QStringLiteral("Bank"), QStringLiteral("Numer konta")});
    gridKonta_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    gridKonta_->setColumnWidth(0, 200);
    gridKonta_->setMinimumWidth(520);
    // Tab leaves the grid like any other control; the arrows move between the cells.
    gridKonta_->setTabKeyNavigation(false);
    gridKonta_->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    gridKonta_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* gridLabel = new QLabel(QStringLiteral("Konta &bankowe"), this);
    gridLabel->setBuddy(gridKonta_);

    auto* left = new QVBoxLayout;
    left->addLayout(seller);
    left->addWidget(kindGroup);
    left->addWidget(checkParagony_);
    left->addWidget(checkMetodaKasowa_);
    left->addWidget(checkReverse_);
    left->addWidget(gridLabel);
    left->addWidget(gridKonta_, 1);

    // --- the JPK address data
    auto* jpkGroup = new QGroupBox(QStringLiteral("Dane do plików JPK"), this);
    jpkGroup->setObjectName(QStringLiteral("GroupJpk"));
    editNazwaJpk_ = lineEdit(jpkGroup, "EditNazwaJpk", 255);
    editKrajJpk_ = lineEdit(jpkGroup, "EditKrajJpk", 0);
    comboWojJpk_ = new QComboBox(jpkGroup);
    comboWojJpk_->setObjectName(QStringLiteral("ComboWojJpk"));
    comboWojJpk_->addItems(provinceNames());
    editPowiatJpk_ = lineEdit(jpkGroup, "EditPowiatJpk", 200);
    editGminaJpk_ = lineEdit(jpkGroup, "EditGminaJpk", 200);
    editUlicaJpk_ = lineEdit(jpkGroup, "EditUlicaJpk", 200);
    editNrDomuJpk_ = lineEdit(jpkGroup, "EditNrDomuJpk", 20);
    editNrLokaluJpk_ = lineEdit(jpkGroup, "EditNrLokaluJpk", 20);
    editMiastoJpk_ = lineEdit(jpkGroup, "EditMiastoJpk", 200);
    editKodJpk_ = lineEdit(jpkGroup, "EditKodJpk", 20);
    editPocztaJpk_ = lineEdit(jpkGroup, "EditPocztaJpk", 200);
    editEmailJpk_ = lineEdit(jpkGroup, "EditEmailJpk", 200);
    comboUrzedySkarbowe_ = new QComboBox(jpkGroup);
    comboUrzedySkarbowe_->setObjectName(QStringLiteral("ComboUrzedySkarbowe"));
    comboUrzedySkarbowe_->addItems(taxOfficeEntries());
    comboUrzedySkarbowe_->setMaxVisibleItems(20);
    comboUrzedySkarbowe_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    comboUrzedySkarbowe_->setMinimumContentsLength(30);

    auto* jpk = new QFormLayout(jpkGroup);
    const auto addJpkRow = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, jpkGroup);
        label->setBuddy(field);
        jpk->addRow(label, field);
    };
    addJpkRow(QStringLiteral("Pełna nazwa"), editNazwaJpk_);
    addJpkRow(QStringLiteral("Kod kraju"), editKrajJpk_);
    addJpkRow(QStringLiteral("Województwo"), comboWojJpk_);
    addJpkRow(QStringLiteral("Powiat"), editPowiatJpk_);
    addJpkRow(QStringLiteral("Gmina"), editGminaJpk_);
    addJpkRow(QStringLiteral("Ulica"), editUlicaJpk_);
    addJpkRow(QStringLiteral("Numer domu"), editNrDomuJpk_);
    addJpkRow(QStringLiteral("Numer lokalu"), editNrLokaluJpk_);
    addJpkRow(QStringLiteral("Miejscowość"), editMiastoJpk_);
    addJpkRow(QStringLiteral("Kod pocztowy"), editKodJpk_);
    addJpkRow(QStringLiteral("Poczta"), editPocztaJpk_);
    addJpkRow(QStringLiteral("Email"), editEmailJpk_);
    addJpkRow(QStringLiteral("Urząd skarbowy"), comboUrzedySkarbowe_);

    // --- buttons
    note_ = new QLabel(kSampleNote, this);
    note_->setObjectName(QStringLiteral("LabelUwaga"));
    note_->setWordWrap(true);
    note_->hide();
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("ButtonOk"));
    cancel_ = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("ButtonAnuluj"));
    // Enter moves between the fields, so no button may take it.
    for (QPushButton* button : {ok_, cancel_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(ok_, &QPushButton::clicked, this, &TDaneFirmy::accept);
    connect(cancel_, &QPushButton::clicked, this, &TDaneFirmy::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note_, 1);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(jpkGroup, 2, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    // The tab order follows the reading order: the seller, the JPK data, then the buttons.
    QList<QWidget*> order{memoNazwa_,
                          editUlica_,
                          editKod_,
                          editTelefon_,
                          editNIP_,
                          krotkaNazwa_,
                          checkAdres_,
                          firmaVat_,
                          firmaVatR_,
                          firmaR_,
                          checkParagony_,
                          checkMetodaKasowa_,
                          checkReverse_,
                          gridKonta_,
                          editNazwaJpk_,
                          editKrajJpk_,
                          comboWojJpk_,
                          editPowiatJpk_,
                          editGminaJpk_,
                          editUlicaJpk_,
                          editNrDomuJpk_,
                          editNrLokaluJpk_,
                          editMiastoJpk_,
                          editKodJpk_,
                          editPocztaJpk_,
                          editEmailJpk_,
                          comboUrzedySkarbowe_,
                          ok_,
                          cancel_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    memoNazwa_->setFocus();
}

void TDaneFirmy::loadCompanyData() {
    data::SettingsStore store(company_.TableOpcje);
    info_.load(store);
    snapshot_ = info_;
    display(info_);
    ok_->setEnabled(session_.hasRight(kRight));
}

void TDaneFirmy::prepareToShow() {
    loadCompanyData();
    sample_ = info_.isSampleCompany();
    setWindowTitle(sample_ ? kSampleCaption : kCaption);
    ok_->setVisible(!sample_);
    note_->setVisible(sample_);
    memoNazwa_->setFocus();
}

void TDaneFirmy::display(const CompanyInfo& info) {
    memoNazwa_->setPlainText(info.nameLines.join(QLatin1Char('\n')));
    editUlica_->setText(info.street);
    editKod_->setText(info.postcodeTown);
    editTelefon_->setText(info.telephone);
    editNIP_->setText(info.taxNumber);
    krotkaNazwa_->setText(info.shortName);
    checkAdres_->setChecked(info.shortNameHasAddress);
    firmaVat_->setChecked(info.kind == SellerKind::VatInvoices);
    firmaVatR_->setChecked(info.kind == SellerKind::VatInvoicesAndBills);
    firmaR_->setChecked(info.kind == SellerKind::BillsOnly);
    checkParagony_->setChecked(info.receipts);
    checkMetodaKasowa_->setChecked(info.cashAccounting);
    checkReverse_->setChecked(info.reverseCharge);
    for (int row = 0; row < CompanyInfo::kAccountRows; ++row) {
        const BankAccount account = info.accountRows.value(row);
        gridKonta_->setItem(row, 0, new QTableWidgetItem(account.bank));
        gridKonta_->setItem(row, 1, new QTableWidgetItem(account.number));
    }
    gridKonta_->setCurrentCell(0, 0);

    editNazwaJpk_->setText(info.jpk.fullName);
    editKrajJpk_->setText(info.jpk.country);
    comboWojJpk_->setCurrentIndex(info.jpk.province);
    editPowiatJpk_->setText(info.jpk.county);
    editGminaJpk_->setText(info.jpk.commune);
    editUlicaJpk_->setText(info.jpk.street);
    editNrDomuJpk_->setText(info.jpk.houseNumber);
    editNrLokaluJpk_->setText(info.jpk.flatNumber);
    editMiastoJpk_->setText(info.jpk.town);
    editKodJpk_->setText(info.jpk.postcode);
    editPocztaJpk_->setText(info.jpk.postOffice);
    editEmailJpk_->setText(info.jpk.email);
    comboUrzedySkarbowe_->setCurrentIndex(taxOfficeIndex(info.jpk.taxOffice));
}

CompanyInfo TDaneFirmy::shown() const {
    CompanyInfo info;
    info.nameLines = nameLinesFromText(common::memoText(memoNazwa_->toPlainText()));
    info.street = editUlica_->text();
    info.postcodeTown = editKod_->text();
    info.telephone = editTelefon_->text();
    info.taxNumber = editNIP_->text();
    info.shortName = krotkaNazwa_->text();
    info.shortNameHasAddress = checkAdres_->isChecked();
    info.kind = firmaR_->isChecked()      ? SellerKind::BillsOnly
                : firmaVatR_->isChecked() ? SellerKind::VatInvoicesAndBills
                                          : SellerKind::VatInvoices;
    info.receipts = checkParagony_->isChecked();
    info.cashAccounting = checkMetodaKasowa_->isChecked();
    info.reverseCharge = checkReverse_->isChecked();
    for (int row = 0; row < CompanyInfo::kAccountRows; ++row)
        info.accountRows[row] = {cellText(gridKonta_, row, 0), cellText(gridKonta_, row, 1)};

    info.jpk.fullName = editNazwaJpk_->text();
    info.jpk.country = editKrajJpk_->text();
    info.jpk.province = comboWojJpk_->currentIndex();
    info.jpk.county = editPowiatJpk_->text();
    info.jpk.commune = editGminaJpk_->text();
    info.jpk.street = editUlicaJpk_->text();
    info.jpk.houseNumber = editNrDomuJpk_->text();
    info.jpk.flatNumber = editNrLokaluJpk_->text();
    info.jpk.town = editMiastoJpk_->text();
    info.jpk.postcode = editKodJpk_->text();
    info.jpk.postOffice = editPocztaJpk_->text();
    info.jpk.email = editEmailJpk_->text();
    // No office chosen: nothing to write, the stored code stays.
    const int office = comboUrzedySkarbowe_->currentIndex();
    if (office >= 0)
        info.jpk.taxOffice = comboUrzedySkarbowe_->itemText(office).left(4);
    else
        info.jpk.taxOffice.clear();
    return info;
}

bool TDaneFirmy::nameTooLong() const {
    return common::memoText(memoNazwa_->toPlainText()).count(QLatin1Char('\r')) >=
           CompanyInfo::kNameLines;
}

void TDaneFirmy::limitName() {
    const QString text = memoNazwa_->toPlainText();
    if (text.size() <= kNameLimit)
        return;
    const int position = memoNazwa_->textCursor().position();
    const QSignalBlocker blocker(memoNazwa_);
    memoNazwa_->setPlainText(text.left(kNameLimit));
    QTextCursor cursor = memoNazwa_->textCursor();
    cursor.setPosition(std::min(position, kNameLimit));
    memoNazwa_->setTextCursor(cursor);
}

void TDaneFirmy::nameLeft() {
    QTextCursor cursor = memoNazwa_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    memoNazwa_->setTextCursor(cursor);
    if (!nameTooLong() || warningName_)
        return;
    warningName_ = true;
    showMessage(kNameTooLongMessage, windowTitle());
    warningName_ = false;
    memoNazwa_->setFocus();
}

bool TDaneFirmy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memoNazwa_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            // A third line break would start a fourth line, which the printouts have no room
            // for: Enter then goes on to the next field.
            if (enter && key->modifiers() == Qt::NoModifier &&
                memoNazwa_->toPlainText().count(QLatin1Char('\n')) >= CompanyInfo::kNameLines - 1) {
                focusNextChild();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Losing the focus to a message box or another window is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                nameLeft();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDaneFirmy::keyPressEvent(QKeyEvent* event) {
    if (!enterMovesOn(this, event, [this] { focusNextChild(); }))
        QDialog::keyPressEvent(event);
}

bool TDaneFirmy::checkAccounts(const CompanyInfo& info) {
    QList<int> inUse;
    try {
        // A cursor of its own: the register's cursors may be narrowed to one account.
        engine::Table kasabank(company_.database(), QStringLiteral("kasabank"));
        kasabank.open();
        kasabank.setIndexName(QStringLiteral("kdata"));
        inUse = accountPositionsInUse(kasabank);
    } catch (const std::exception&) {
        company::showUnexpectedDbError();
        return false;
    }
    if (accountsKeepPositions(info.accountRows, inUse))
        return true;
    showMessage(kAccountInUseMessage);
    gridKonta_->setFocus();
    return false;
}

void TDaneFirmy::accept() {
    // Enter or a caller must not get round a hidden or disabled button.
    if (sample_ || !ok_->isEnabled() || !session_.requireRight(kRight))
        return;
    if (nameTooLong()) {
        showMessage(kNameTooLongMessage, windowTitle());
        memoNazwa_->setFocus();
        return;
    }
    const TaxNumberCheck tax = checkTaxNumber(editNIP_->text());
    if (!tax.question.isEmpty() && askYes(tax.question)) {
        editNIP_->setFocus();
        return;
    }
    editNIP_->setText(tax.text);

    const CompanyInfo info = shown();
    if (!checkAccounts(info))
        return;

    company::WriteHelper& writer = company_.writer();
    if (!writer.beginWrite(true))
        return;
    bool saved = false;
    try {
        data::SettingsStore store(company_.TableOpcje);
        saved = info.save(store);
        if (saved)
            writer.commitWrite();
    } catch (const std::exception&) {
        saved = false;
    }
    if (!saved) {
        // Nothing of the save may stay: a half-saved seller is worse than the old one.
        writer.rollbackWrite();
        company::showUnexpectedDbError();
        return;
    }

    const CompanyInfo before = snapshot_;
    loadCompanyData();
    if (!before.sameSellerKindAndFlags(info_))
        emit sellerKindChanged();
    emit accountsChanged();
    QDialog::accept();
}

void TDaneFirmy::reject() {
    loadCompanyData();
    QDialog::reject();
}

}  // namespace shell::companydata

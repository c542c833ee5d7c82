#include "shell/dialogs/preferences_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

TPreferencje::TPreferencje(Preferences& preferences, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      preferences_(preferences) {
    setObjectName(QStringLiteral("Preferencje"));
    setWindowTitle(QStringLiteral("Preferencje"));
    setModal(true);

    auto* group =
        new QGroupBox(QStringLiteral("Gdy program obsługuje więcej niż jedną firmę "), this);
    group->setObjectName(QStringLiteral("GroupFirma"));
    radioPytaj_ =
        new QRadioButton(QStringLiteral("Przy rozpoczęciu pracy pytaj, którą wybrać"), group);
    radioPytaj_->setObjectName(QStringLiteral("RadioPytaj"));
    radioNiePytaj_ = new QRadioButton(QStringLiteral("Wybierz tę, która była ostatnio"), group);
    radioNiePytaj_->setObjectName(QStringLiteral("RadioNiePytaj"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(radioPytaj_);
    groupLayout->addWidget(radioNiePytaj_);

    checkKopia_ =
        new QCheckBox(QStringLiteral("Pytaj o kopię zapasową przed zakończeniem pracy"), this);
    checkKopia_->setObjectName(QStringLiteral("CheckKopia"));

    ok_ = new QPushButton(QStringLiteral("OK       "), this);
    ok_->setObjectName(QStringLiteral("ButtonOK"));
    ok_->setDefault(true);
    anuluj_ = new QPushButton(QStringLiteral("&Anuluj"), this);
    anuluj_->setObjectName(QStringLiteral("ButtonAnuluj"));
    connect(ok_, &QPushButton::clicked, this, &TPreferencje::accept);
    connect(anuluj_, &QPushButton::clicked, this, &TPreferencje::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(anuluj_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(group);
    layout->addSpacing(4);
    layout->addWidget(checkKopia_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    load();
}

void TPreferencje::setOkEnabled(bool enabled) {
    ok_->setEnabled(enabled);
}

Preferences TPreferencje::shown() const {
    Preferences p;
    p.askWhichCompany = radioPytaj_->isChecked();
    p.askForBackup = checkKopia_->isChecked();
    return p;
}

void TPreferencje::accept() {
    // Enter or a caller must not get round a disabled button.
    if (!ok_->isEnabled())
        return;
    preferences_ = shown();
    QDialog::accept();
}

void TPreferencje::reject() {
    load();
    QDialog::reject();
}

void TPreferencje::showEvent(QShowEvent* event) {
    load();
    QDialog::showEvent(event);
    (radioPytaj_->isChecked() ? radioPytaj_ : radioNiePytaj_)->setFocus();
}

void TPreferencje::load() {
    radioPytaj_->setChecked(preferences_.askWhichCompany);
    radioNiePytaj_->setChecked(!preferences_.askWhichCompany);
    checkKopia_->setChecked(preferences_.askForBackup);
}

}  // namespace shell

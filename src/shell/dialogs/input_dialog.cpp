#include "shell/dialogs/input_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

TInput::TInput(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Input"));
    setModal(true);

    napis_ = new QLabel(this);
    napis_->setObjectName(QStringLiteral("Napis"));
    napis_->setTextFormat(Qt::PlainText);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit"));
    QFont bold = edit_->font();
    bold.setBold(true);
    edit_->setFont(bold);
    edit_->setMaxLength(kMaxTextLength);

    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo"));
    combo_->setEditable(false);
    combo_->hide();

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    ok_->setObjectName(QStringLiteral("ButtonOk"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("ButtonAnuluj"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(napis_);
    layout->addWidget(edit_);
    layout->addWidget(combo_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(260);

    napis_->setBuddy(edit_);
}

void TInput::setPrompt(const QString& prompt) {
    napis_->setText(prompt);
}

void TInput::useText(int maxLength, const QString& initial) {
    edit_->setMaxLength(maxLength > 0 && maxLength < kMaxTextLength ? maxLength : kMaxTextLength);
    edit_->setText(initial);
    edit_->selectAll();
    choice_ = false;
    combo_->hide();
    edit_->show();
    napis_->setBuddy(edit_);
    edit_->setFocus();
}

void TInput::useChoice(const QStringList& items, int preselectIndex) {
    combo_->clear();
    combo_->addItems(items);
    combo_->setCurrentIndex(preselectIndex >= 0 && preselectIndex < items.size() ? preselectIndex
                                                                                 : 0);
    choice_ = true;
    edit_->hide();
    combo_->show();
    napis_->setBuddy(combo_);
    combo_->setFocus();
}

QString TInput::value() const {
    return choice_ ? combo_->currentText() : edit_->text();
}

std::optional<QString> TInput::askText(const QString& caption, const QString& prompt, int maxLength,
                                       const QString& initial) {
    TInput dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setPrompt(prompt);
    dialog.useText(maxLength, initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

std::optional<QString> TInput::askChoice(const QString& caption, const QString& prompt,
                                         const QStringList& items, int preselectIndex) {
    if (items.isEmpty())
        return std::nullopt;
    TInput dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setPrompt(prompt);
    dialog.useChoice(items, preselectIndex);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

}  // namespace shell

#include "shell/users/log_in_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/users/password_field.h"
#include "shell/users/user_session.h"

namespace shell {

LogInDialog::LogInDialog(const QString& title, QWidget* parent)
    : QDialog(parent),
      users_(new QComboBox(this)),
      password_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("&Ok"), this)),
      cancel_(new QPushButton(QStringLiteral("&Anuluj"), this)) {
    setWindowTitle(title.isEmpty() ? QStringLiteral("Witaj!") : title);
    setObjectName(QStringLiteral("LogIn"));
    users_->setEditable(false);
    setUpPasswordField(password_, 20);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Użytkownik"), users_);
    form->addRow(QStringLiteral("Hasło"), password_);

    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void LogInDialog::fillUsers(UserSession& session, const QString& ident) {
    const QStringList idents = session.activeIdents();
    users_->clear();
    users_->addItems(idents);
    users_->setCurrentIndex(UserSession::preselectIndex(idents, ident));
}

void LogInDialog::prepareAttempt() {
    password_->clear();
    password_->setFocus();
}

QString LogInDialog::selectedIdent() const {
    return users_->currentText();
}

QString LogInDialog::password() const {
    return password_->text();
}

bool runLogIn(UserSession& session, const QString& preselectIdent, const QString& title,
              QWidget* parent) {
    LogInDialog dialog(title, parent);
    dialog.fillUsers(session, preselectIdent);
    for (int attempt = 0; attempt < 3; ++attempt) {
        dialog.prepareAttempt();
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (session.checkLogIn(dialog.selectedIdent(), dialog.password()))
            return true;
    }
    return false;
}

}  // namespace shell

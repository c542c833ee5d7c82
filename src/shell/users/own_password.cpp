#include "shell/users/own_password.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"
#include "shell/company/write_helpers.h"
#include "shell/messages.h"
#include "shell/users/password_field.h"
#include "shell/users/user_session.h"
#include "shell/users/users_write.h"

namespace shell {

OwnPasswordDialog::OwnPasswordDialog(UserSession& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      ident_(new QLabel(session.currentUserIdent(), this)),
      current_(new QLineEdit(this)),
      new_(new QLineEdit(this)),
      repeat_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("&Ok"), this)) {
    setObjectName(QStringLiteral("ZmianaHasla"));
    setWindowTitle(QStringLiteral("Zmiana swojego hasła"));
    // The current password is whatever log-in accepted; a new one must fit the user editor.
    setUpPasswordField(current_, 20);
    setUpPasswordField(new_, 10);
    setUpPasswordField(repeat_, 10);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Identyfikator"), ident_);
    form->addRow(QStringLiteral("Tu wpisz obecne hasło"), current_);
    form->addRow(QStringLiteral("Tutaj nowe"), new_);
    form->addRow(QStringLiteral("A tu jeszcze raz nowe"), repeat_);

    auto* cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok_, &QPushButton::clicked, this, &OwnPasswordDialog::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    current_->setFocus();
}

void OwnPasswordDialog::OkClick() {
    if (!session_.checkOwnPassword(current_->text())) {
        showMessage(QStringLiteral("Obecne hasło jest inne."));
        current_->clear();
        new_->clear();
        repeat_->clear();
        current_->setFocus();
        return;
    }
    if (new_->text().size() <= 2) {
        showMessage(QStringLiteral("Nowe hasło jest za krótkie, wymyśl coś innego."));
        new_->clear();
        repeat_->clear();
        new_->setFocus();
        return;
    }
    if (repeat_->text().isEmpty()) {
        showMessage(QStringLiteral("Wpisz jeszcze raz nowe hasło."));
        repeat_->setFocus();
        return;
    }
    if (new_->text() != repeat_->text()) {
        showMessage(
            QStringLiteral("Dwie wersje nowego hasła różnią się od siebie, wpisz je jeszcze raz."));
        new_->clear();
        repeat_->clear();
        new_->setFocus();
        return;
    }
    if (!store())
        return;
    accept();
    showMessage(QStringLiteral("Hasło zostało zmienione."));
}

bool OwnPasswordDialog::store() {
    engine::Database& db = session_.database();
    if (!beginUsersWrite(db, true))
        return false;
    engine::Table& users = session_.currentUserCursor();
    try {
        if (!session_.positionOnCurrentUser())
            throw engine::Error(engine::Error::Code::NoRecord, QStringLiteral("the user is gone"));
        users.edit();
        users.fieldByName(QStringLiteral("Dane")).setInteger(storedPasswordDigest(new_->text()));
        users.post();
        db.commit();
        return true;
    } catch (const std::exception&) {
        rollbackUsersWrite(db, {&users});
        showMessage(
            QStringLiteral("W czasie próby zapisu danych wystąpił niespodziewany błąd.\r"
                           "Hasło nie zostało zmienione."));
        return false;
    }
}

OwnPasswordResult changeOwnPassword(UserSession& session, QWidget* parent) {
    const QString remembered = session.logInIdent();
    // A record that has gone, or that carries another identifier now, is no longer the one the
    // user logged in with: whoever sits here must prove again who they are.
    try {
        if (!session.positionOnCurrentUser() || session.currentUserIdent() != remembered) {
            showMessage(
                QStringLiteral("Twoje dane zostały zmienione lub skasowane przez administratora."));
            return OwnPasswordResult::LogInAgain;
        }
    } catch (const std::exception&) {
        showMessage(
            company::kCommunicationErrorMessage);
        return OwnPasswordResult::NotChanged;
    }
    if (!probeUserEdit(session.currentUserCursor(), session.currentUserKod()))
        return OwnPasswordResult::NotChanged;

    OwnPasswordDialog dialog(session, parent);
    return dialog.exec() == QDialog::Accepted ? OwnPasswordResult::Changed
                                              : OwnPasswordResult::NotChanged;
}

}  // namespace shell

#pragma once
// Log-in: the user picks an identifier from the active users and types the password.

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace shell {

class UserSession;

class LogInDialog : public QDialog {
    Q_OBJECT

  public:
    // An empty title gives the greeting of a normal start.
    explicit LogInDialog(const QString& title = {}, QWidget* parent = nullptr);

    // Offers the active users and selects `ident`, or the first when it is not among them.
    void fillUsers(UserSession& session, const QString& ident);
    // Ready for the next try: the password emptied and the focus on it.
    void prepareAttempt();

    QString selectedIdent() const;
    QString password() const;

    QComboBox* userList() const { return users_; }
    QLineEdit* passwordEdit() const { return password_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QComboBox* users_;
    QLineEdit* password_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Asks for a log-in until it succeeds, at most three times. False when the user cancels or
// three passwords were wrong; on success the user is the session's current user.
bool runLogIn(UserSession& session, const QString& preselectIdent, const QString& title = {},
              QWidget* parent = nullptr);

}  // namespace shell

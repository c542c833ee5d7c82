#pragma once
// A user changing their own password.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

class UserSession;

class OwnPasswordDialog : public QDialog {
    Q_OBJECT

  public:
    explicit OwnPasswordDialog(UserSession& session, QWidget* parent = nullptr);

    QLabel* identLabel() const { return ident_; }
    QLineEdit* currentEdit() const { return current_; }
    QLineEdit* newEdit() const { return new_; }
    QLineEdit* repeatEdit() const { return repeat_; }
    QPushButton* okButton() const { return ok_; }

  public slots:
    // Checks the three fields and writes the new password; the window closes once it is stored.
    void OkClick();

  private:
    bool store();

    UserSession& session_;
    QLabel* ident_;
    QLineEdit* current_;
    QLineEdit* new_;
    QLineEdit* repeat_;
    QPushButton* ok_;
};

enum class OwnPasswordResult {
    Changed,
    NotChanged,  // cancelled, or the record could not be opened for change
    LogInAgain,  // the administrator changed or deleted the user meanwhile: log in anew
};

// The whole menu action: makes sure the current user's record is still theirs and free, then
// shows the window.
OwnPasswordResult changeOwnPassword(UserSession& session, QWidget* parent = nullptr);

}  // namespace shell

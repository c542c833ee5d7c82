#pragma once
// The user editor: a new user, another user's data (changed by the administrator, only seen by
// others) or a user about to be deleted.

#include <QDialog>
#include <QHash>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace shell {

class UserSession;
enum class UserField;

class TNowyUzytkownik : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { New, Edit, Delete };

    // Stands for an unchanged password in the fields of an existing user. Only what is typed
    // counts as a new password, so a user may still choose this very text.
    static const QString kUnchangedPassword;

    // `kod` names the user for Edit and Delete. When that user is not there, loaded() is false.
    TNowyUzytkownik(UserSession& session, Mode mode, int kod = 0, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    bool loaded() const { return loaded_; }
    // The user shown is (or, when new, is about to become) the administrator.
    bool forAdministrator() const { return forAdministrator_; }

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* identEdit() const { return ident_; }
    QLineEdit* passwordEdit() const { return password_; }
    QLineEdit* repeatEdit() const { return repeat_; }
    QCheckBox* activeBox() const { return active_; }
    QGroupBox* rightsGroup() const { return rightsGroup_; }
    QCheckBox* rightBox(const QString& field) const { return rightBoxes_.value(field); }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

  public slots:
    // "Zapisz", or "Usuń" in delete mode.
    void ZapiszClick();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    void buildRights();
    void load();
    void applyMode();
    QLineEdit* fieldWidget(UserField field) const;

    UserSession& session_;
    Mode mode_;
    int kod_;
    bool loaded_ = true;
    bool forAdministrator_ = false;
    bool passwordEdited_ = false;
    bool canSave_ = false;

    QLineEdit* name_;
    QLineEdit* ident_;
    QLineEdit* password_;
    QLineEdit* repeat_;
    QCheckBox* active_;
    QGroupBox* rightsGroup_;
    QHash<QString, QCheckBox*> rightBoxes_;
    QPushButton* save_;
    QPushButton* cancel_;
};

}  // namespace shell

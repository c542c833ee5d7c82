#pragma once
// The users window: the list of users, from which the administrator enters, changes and deletes
// them, and through which others with the right may look at another user's data.

#include <QDialog>

#include "shell/users/user_editor.h"

class QPushButton;
class QTableWidget;

namespace shell {

class UserSession;

class TUzytkownicy : public QDialog {
    Q_OBJECT

  public:
    explicit TUzytkownicy(UserSession& session, QWidget* parent = nullptr);

    QTableWidget* list() const { return list_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* refreshButton() const { return refresh_; }
    QPushButton* closeButton() const { return close_; }

    // The user number on a row of the list.
    int kodAt(int row) const;

  public slots:
    // Re-reads the users table, keeping the selected user when it is still there.
    void refreshList();
    void NowaBClick();
    void EditBClick();
    void DeleteBClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shows the editor modally; tests take its place.
    virtual int runEditor(TNowyUzytkownik& editor);

  private:
    int selectedKod() const;
    void openEditor(TNowyUzytkownik::Mode mode, int kod);
    void selectKod(int kod);

    UserSession& session_;
    QTableWidget* list_;
    QPushButton* new_;
    QPushButton* edit_;
    QPushButton* delete_;
    QPushButton* refresh_;
    QPushButton* close_;
};

}  // namespace shell

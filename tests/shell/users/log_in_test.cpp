#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "shell/users/log_in_dialog.h"
#include "users_fixture.h"

using shell::LogInDialog;
using userstest::click;
using userstest::onNextModal;
using userstest::type;
using userstest::UsersTest;

namespace {

class LogInTest : public UsersTest {
  protected:
    void SetUp() override {
        UsersTest::SetUp();
        addUser("Adam Nowak", "adam", "admin1");
        addUser("Jan Kos", "jan", "haslo1", false);
        addUser("Ola Lis", "ola", "tajne");
    }

    // One try in the dialog that is about to be shown: checks what it offers, then picks a
    // user, types a password and presses "Ok" (or "Anuluj" when password is null).
    struct Attempt {
        QString ident;
        QString password;
        bool cancel = false;
    };
    void answer(QList<Attempt> attempts) {
        if (attempts.isEmpty())
            return;
        onNextModal([this, attempts](QWidget* modal) mutable {
            auto* dialog = qobject_cast<LogInDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            const Attempt attempt = attempts.takeFirst();
            ++shown_;
            seenTitle_ = dialog->windowTitle();
            seenIdents_ << dialog->selectedIdent();
            EXPECT_TRUE(dialog->passwordEdit()->text().isEmpty());
            EXPECT_EQ(dialog->focusWidget(), dialog->passwordEdit());
            answer(attempts);
            if (attempt.cancel) {
                click(dialog->cancelButton());
                return;
            }
            dialog->userList()->setCurrentText(attempt.ident);
            type(dialog->passwordEdit(), attempt.password);
            click(dialog->okButton());
        });
    }

    int shown_ = 0;
    QString seenTitle_;
    QStringList seenIdents_;
};

TEST_F(LogInTest, TheDialogOffersActiveUsersAndHidesThePassword) {
    LogInDialog dialog;
    dialog.fillUsers(session(), "ola");
    EXPECT_EQ(dialog.windowTitle(), "Witaj!");
    ASSERT_EQ(dialog.userList()->count(), 2);
    EXPECT_EQ(dialog.userList()->itemText(0), "adam");
    EXPECT_EQ(dialog.userList()->itemText(1), "ola");
    EXPECT_EQ(dialog.selectedIdent(), "ola");
    dialog.fillUsers(session(), "jan");
    EXPECT_EQ(dialog.selectedIdent(), "adam");

    type(dialog.passwordEdit(), QString(25, 'x'));
    EXPECT_EQ(dialog.password().size(), 20);
    EXPECT_EQ(dialog.passwordEdit()->displayText(), QString(20, '*'));
    EXPECT_EQ(dialog.okButton()->text(), "&Ok");
    EXPECT_EQ(dialog.cancelButton()->text(), "&Anuluj");
    EXPECT_EQ(LogInDialog("Zmiana użytkownika").windowTitle(), "Zmiana użytkownika");
}

TEST_F(LogInTest, ThreeWrongPasswordsEndTheLogIn) {
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    answer({{"ola", "Tajne"}, {"adam", "tajne1"}, {"ola", "admin1"}});
    EXPECT_FALSE(shell::runLogIn(session(), "ola"));
    EXPECT_EQ(shown_, 3);
    // The choice of user stays from one try to the next.
    EXPECT_EQ(seenIdents_, QStringList({"ola", "ola", "adam"}));
    EXPECT_EQ(session().currentUserIdent(), "ola");  // who was logged in before
    EXPECT_TRUE(messages_.shown.isEmpty());
}

TEST_F(LogInTest, ASuccessfulTryMakesTheUserCurrent) {
    answer({{"ola", "zle"}, {"ola", "zle"}, {"ola", "tajne"}});
    EXPECT_TRUE(shell::runLogIn(session(), "nikt", "Zmiana użytkownika"));
    EXPECT_EQ(shown_, 3);
    EXPECT_EQ(seenTitle_, "Zmiana użytkownika");
    EXPECT_EQ(seenIdents_.first(), "adam");
    EXPECT_EQ(session().currentUserIdent(), "ola");
}

TEST_F(LogInTest, CancellingEndsTheLogIn) {
    answer({{"ola", "zle"}, {"", "", true}});
    EXPECT_FALSE(shell::runLogIn(session(), "ola"));
    EXPECT_EQ(shown_, 2);
}

}  // namespace

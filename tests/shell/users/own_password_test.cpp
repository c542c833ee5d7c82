#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "shell/users/own_password.h"
#include "users_fixture.h"

using shell::OwnPasswordDialog;
using shell::OwnPasswordResult;
using userstest::click;
using userstest::onNextModal;
using userstest::retype;
using userstest::UsersTest;

namespace {

class OwnPasswordTest : public UsersTest {
  protected:
    void SetUp() override {
        UsersTest::SetUp();
        addUser("Adam Nowak", "adam", "admin1");
        ola_ = addUser("Ola Lis", "ola", "tajne");
        ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    }

    // Changes a field of Ola's record as the administrator would on another machine.
    void changeElsewhere(const std::function<void(engine::Table&)>& change) {
        engine::Database other(path());
        engine::Table users(other, "uzytkowf");
        users.open();
        ASSERT_TRUE(users.locate({"Kod"}, {ola_}));
        change(users);
    }

    int ola_ = 0;
};

TEST_F(OwnPasswordTest, EachWrongEntryIsExplainedAndClearsItsFields) {
    enum Field { Current, New, Repeat };
    const struct {
        const char* current;
        const char* fresh;
        const char* repeat;
        const char* message;
        Field focus;
        bool currentKept, freshKept, repeatKept;
    } cases[] = {
        {"Tajne", "nowe12", "nowe12", "Obecne hasło jest inne.", Current, false, false, false},
        {"tajne", "ab", "ab", "Nowe hasło jest za krótkie, wymyśl coś innego.", New, true, false,
         false},
        {"tajne", "nowe12", "", "Wpisz jeszcze raz nowe hasło.", Repeat, true, true, true},
        {"tajne", "nowe12", "nowe13",
         "Dwie wersje nowego hasła różnią się od siebie, wpisz je jeszcze raz.", New, true, false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        messages_.shown.clear();
        OwnPasswordDialog dialog(session());
        dialog.show();
        retype(dialog.currentEdit(), c.current);
        retype(dialog.newEdit(), c.fresh);
        retype(dialog.repeatEdit(), c.repeat);
        click(dialog.okButton());
        EXPECT_EQ(messages_.texts(), QStringList(c.message));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.currentEdit()->text(), c.currentKept ? c.current : "");
        EXPECT_EQ(dialog.newEdit()->text(), c.freshKept ? c.fresh : "");
        EXPECT_EQ(dialog.repeatEdit()->text(), c.repeatKept ? c.repeat : "");
        QLineEdit* const fields[] = {dialog.currentEdit(), dialog.newEdit(), dialog.repeatEdit()};
        EXPECT_EQ(dialog.focusWidget(), fields[c.focus]);
    }
    EXPECT_TRUE(session().checkOwnPassword("tajne"));
}

TEST_F(OwnPasswordTest, TheNewPasswordIsStoredAndTheWindowCloses) {
    OwnPasswordDialog dialog(session());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Zmiana swojego hasła");
    EXPECT_EQ(dialog.identLabel()->text(), "ola");
    retype(dialog.currentEdit(), "tajne");
    retype(dialog.newEdit(), "Nowe12");
    retype(dialog.repeatEdit(), "Nowe12");
    EXPECT_EQ(dialog.newEdit()->displayText(), "******");
    click(dialog.okButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages_.texts(), QStringList("Hasło zostało zmienione."));
    EXPECT_FALSE(db().inTransaction());
    EXPECT_TRUE(session().checkLogIn("ola", "Nowe12"));
    EXPECT_FALSE(session().checkLogIn("ola", "tajne"));
    EXPECT_TRUE(session().checkLogIn("adam", "admin1"));
}

TEST_F(OwnPasswordTest, WhenAnotherUserWritesNothingChangesAndTheWindowStays) {
    OwnPasswordDialog dialog(session());
    dialog.show();
    retype(dialog.currentEdit(), "tajne");
    retype(dialog.newEdit(), "nowe12");
    retype(dialog.repeatEdit(), "nowe12");
    engine::Database other(path());
    other.startTransaction();
    click(dialog.okButton());
    other.rollback();
    EXPECT_EQ(messages_.texts(),
              QStringList("Baza danych jest chwilowo zajęta przez innego użytkownika.\r"
                          "Poczekaj chwilę i powtórz wybraną funkcję."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(session().checkOwnPassword("tajne"));
}

TEST_F(OwnPasswordTest, TheMenuActionOpensTheWindowForTheUserWhoLoggedIn) {
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<OwnPasswordDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        userstest::type(dialog->currentEdit(), "tajne");
        userstest::type(dialog->newEdit(), "nowe12");
        userstest::type(dialog->repeatEdit(), "nowe12");
        click(dialog->okButton());
    });
    EXPECT_EQ(shell::changeOwnPassword(session()), OwnPasswordResult::Changed);
    EXPECT_TRUE(session().checkOwnPassword("nowe12"));

    onNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(shell::changeOwnPassword(session()), OwnPasswordResult::NotChanged);
}

TEST_F(OwnPasswordTest, AChangedOrDeletedRecordSendsTheUserToLogInAgain) {
    const QString changed = "Twoje dane zostały zmienione lub skasowane przez administratora.";
    changeElsewhere([](engine::Table& users) {
        users.edit();
        users.fieldByName("Ident").setString("ola2");
        users.post();
    });
    EXPECT_EQ(shell::changeOwnPassword(session()), OwnPasswordResult::LogInAgain);
    EXPECT_EQ(messages_.texts(), QStringList(changed));

    ASSERT_TRUE(session().checkLogIn("ola2", "tajne"));
    changeElsewhere([](engine::Table& users) { users.deleteRecord(); });
    messages_.shown.clear();
    EXPECT_EQ(shell::changeOwnPassword(session()), OwnPasswordResult::LogInAgain);
    EXPECT_EQ(messages_.texts(), QStringList(changed));
}

TEST_F(OwnPasswordTest, ARecordLockedElsewhereIsNotOpened) {
    engine::Database other(path());
    engine::Table users(other, "uzytkowf");
    users.open();
    ASSERT_TRUE(users.locate({"Kod"}, {ola_}));
    users.edit();
    EXPECT_EQ(shell::changeOwnPassword(session()), OwnPasswordResult::NotChanged);
    EXPECT_EQ(messages_.texts(),
              QStringList("Wybrana pozycja jest chwilowo zablokowana przez innego użytkownika."));
    users.cancel();
}

}  // namespace

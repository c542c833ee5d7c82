#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "shell/users/user_editor.h"
#include "users_fixture.h"

using shell::TNowyUzytkownik;
using shell::UserSession;
using userstest::click;
using userstest::retype;
using userstest::type;
using userstest::UsersTest;
using Mode = TNowyUzytkownik::Mode;

namespace {

const QString kAdministratorRights =
    QStringLiteral("Administratorowi przysługują wszystkie prawa i nie można tego zmienić");

class EditorTest : public UsersTest {
  protected:
    std::unique_ptr<TNowyUzytkownik> open(Mode mode, int kod = 0) {
        auto editor = std::make_unique<TNowyUzytkownik>(session(), mode, kod);
        editor->show();
        return editor;
    }

    // Fills the editor the way a user does and presses "Zapisz".
    static void fillAndSave(TNowyUzytkownik& editor, const QString& name, const QString& ident,
                            const QString& password, const QString& repeat) {
        retype(editor.nameEdit(), name);
        retype(editor.identEdit(), ident);
        retype(editor.passwordEdit(), password);
        retype(editor.repeatEdit(), repeat);
        click(editor.saveButton());
    }
};

TEST_F(EditorTest, TheFirstUserSavedIsTheAdministratorWhoseRightsCannotBeChanged) {
    auto first = open(Mode::New);
    EXPECT_EQ(first->windowTitle(), "Wprowadź dane administratora");
    EXPECT_TRUE(first->forAdministrator());
    EXPECT_FALSE(first->rightsGroup()->isEnabled());
    EXPECT_FALSE(first->activeBox()->isEnabled());
    EXPECT_TRUE(first->activeBox()->isChecked());
    EXPECT_EQ(first->rightsGroup()->title(), kAdministratorRights);
    fillAndSave(*first, "Adam Nowak", "adam", "admin1", "admin1");
    EXPECT_EQ(first->result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.shown.isEmpty()) << messages_.last().toStdString();

    EXPECT_EQ(stored(1, "Ident").toString(), "adam");
    EXPECT_EQ(stored(1, "Aktywny").toString(), "TAK");
    for (const QString& right : shell::editorRightFields())
        EXPECT_TRUE(stored(1, right).toBool()) << right.toStdString();
    EXPECT_TRUE(session().checkLogIn("adam", "admin1"));
    EXPECT_TRUE(session().hasRight(UserSession::kEditUsersRight));

    auto second = open(Mode::New);
    EXPECT_EQ(second->windowTitle(), "Nowy użytkownik");
    EXPECT_TRUE(second->rightsGroup()->isEnabled());
    EXPECT_EQ(second->rightsGroup()->title(), "Uprawnienia");
    for (const QString& right : shell::editorRightFields())
        EXPECT_TRUE(second->rightBox(right)->isChecked()) << right.toStdString();

    auto again = open(Mode::Edit, 1);
    EXPECT_EQ(again->windowTitle(), "Zmiana danych administratora");
    EXPECT_FALSE(again->rightsGroup()->isEnabled());
    EXPECT_FALSE(again->activeBox()->isEnabled());
    EXPECT_EQ(again->rightsGroup()->title(), kAdministratorRights);
}

TEST_F(EditorTest, SavingStopsAtTheFirstProblemWithItsMessageAndFocus) {
    addUser("Adam Nowak", "adam", "admin1");
    enum Field { Name, Ident, Password, Repeat };
    const struct {
        const char* name;
        const char* ident;
        const char* password;
        const char* repeat;
        const char* message;
        Field focus;
    } cases[] = {
        {"", "", "", "", "Brak imienia i nazwiska.", Name},
        {" \r\n", "ewa", "haslo", "haslo", "Brak imienia i nazwiska.", Name},
        {"Ewa Kot", "  ", "", "", "Brak identyfikatora.", Ident},
        {"Ewa Kot", "ewa", "", "haslo", "Brak hasła.", Password},
        {"Ewa Kot", "ewa", "   ", "   ", "Brak hasła.", Password},
        {"Ewa Kot", "ewa", "ab", "", "Za krótkie hasło.", Password},
        {"Ewa Kot", "ewa", "abc", "", "Wpisz hasło jeszcze raz w polu \"Powtórz hasło\".", Repeat},
        {"Ewa Kot", "ewa", "abc", "abd", "Wpisane hasła są różne.", Repeat},
        {"Ewa Kot", "ewa", "abc", "ABC", "Wpisane hasła są różne.", Repeat},
        {"Adam Nowak", "adam", "abc", "abc", "Na liście jest już osoba o takim imieniu i nazwisku.",
         Name},
        {"Ewa Kot", "adam", "abc", "abc", "Na liście jest już osoba o takim identyfikatorze.",
         Ident},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        messages_.shown.clear();
        auto editor = open(Mode::New);
        fillAndSave(*editor, c.name, c.ident, c.password, c.repeat);
        ASSERT_EQ(messages_.shown.size(), 1);
        EXPECT_EQ(messages_.shown[0].text, c.message);
        EXPECT_EQ(messages_.shown[0].title, "Nowy użytkownik");
        QLineEdit* const fields[] = {editor->nameEdit(), editor->identEdit(),
                                     editor->passwordEdit(), editor->repeatEdit()};
        EXPECT_EQ(editor->focusWidget(), fields[c.focus]);
        EXPECT_EQ(editor->result(), QDialog::Rejected);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(userCount(), 1);
        EXPECT_FALSE(db().inTransaction());
    }
}

TEST_F(EditorTest, NamesAndIdentifiersMustDifferFromOtherUsersOnlyExactly) {
    addUser("Adam Nowak", "adam", "admin1");
    const int ewa = addUser("Ewa Kot", "ewa", "haslo1");
    ASSERT_TRUE(session().checkLogIn("adam", "admin1"));

    // The user's own values are no duplicate.
    auto own = open(Mode::Edit, ewa);
    click(own->saveButton());
    EXPECT_EQ(own->result(), QDialog::Accepted);

    auto renamed = open(Mode::Edit, ewa);
    retype(renamed->nameEdit(), "Adam Nowak");
    click(renamed->saveButton());
    EXPECT_EQ(messages_.last(), "Na liście jest już osoba o takim imieniu i nazwisku.");
    EXPECT_EQ(messages_.shown.last().title, "Zmiana danych użytkownika");
    EXPECT_EQ(stored(ewa, "Imie_Nazwisko").toString(), "Ewa Kot");

    // Letter case makes another name and another identifier.
    auto differentCase = open(Mode::New);
    fillAndSave(*differentCase, "adam nowak", "ADAM", "haslo2", "haslo2");
    EXPECT_EQ(differentCase->result(), QDialog::Accepted);
    EXPECT_EQ(userCount(), 3);
}

TEST_F(EditorTest, ANewUserMayChooseThePlaceholderTextAsPassword) {
    auto editor = open(Mode::New);
    fillAndSave(*editor, "Adam Nowak", "adam", TNowyUzytkownik::kUnchangedPassword,
                TNowyUzytkownik::kUnchangedPassword);
    ASSERT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_TRUE(session().checkLogIn("adam", TNowyUzytkownik::kUnchangedPassword));
}

TEST_F(EditorTest, AnExistingUserKeepsThePasswordUnlessAFieldWasTyped) {
    addUser("Adam Nowak", "adam", "admin1");
    const int ewa = addUser("Ewa Kot", "ewa", "haslo1");
    ASSERT_TRUE(session().checkLogIn("adam", "admin1"));

    auto untouched = open(Mode::Edit, ewa);
    EXPECT_EQ(untouched->passwordEdit()->text(), TNowyUzytkownik::kUnchangedPassword);
    EXPECT_EQ(untouched->repeatEdit()->text(), TNowyUzytkownik::kUnchangedPassword);
    EXPECT_EQ(untouched->passwordEdit()->displayText(), "*****");
    retype(untouched->nameEdit(), "Ewa Kotowa");
    untouched->rightBox("Korekta")->setChecked(false);
    click(untouched->saveButton());
    ASSERT_EQ(untouched->result(), QDialog::Accepted);
    EXPECT_EQ(stored(ewa, "Imie_Nazwisko").toString(), "Ewa Kotowa");
    EXPECT_FALSE(stored(ewa, "Korekta").toBool());
    EXPECT_TRUE(session().checkLogIn("ewa", "haslo1"));
    ASSERT_TRUE(session().checkLogIn("adam", "admin1"));

    // Typing in one field only: the two no longer agree.
    auto oneField = open(Mode::Edit, ewa);
    retype(oneField->passwordEdit(), "nowe12");
    click(oneField->saveButton());
    EXPECT_EQ(messages_.last(), "Wpisane hasła są różne.");
    EXPECT_EQ(oneField->focusWidget(), oneField->repeatEdit());

    // The placeholder typed on purpose becomes the password.
    auto both = open(Mode::Edit, ewa);
    retype(both->passwordEdit(), TNowyUzytkownik::kUnchangedPassword);
    retype(both->repeatEdit(), TNowyUzytkownik::kUnchangedPassword);
    click(both->saveButton());
    ASSERT_EQ(both->result(), QDialog::Accepted);
    EXPECT_FALSE(session().checkLogIn("ewa", "haslo1"));
    EXPECT_TRUE(session().checkLogIn("ewa", TNowyUzytkownik::kUnchangedPassword));
}

TEST_F(EditorTest, TitlesAndEditableFieldsFollowWhoLooksAtWhom) {
    addUser("Adam Nowak", "adam", "admin1");
    const int ewa = addUser("Ewa Kot", "ewa", "haslo1");
    addUser("Ola Lis", "ola", "haslo2");

    const struct {
        const char* viewer;
        const char* password;
        Mode mode;
        int kod;
        const char* title;
        bool fieldsEnabled;
        bool rightsEnabled;
        const char* button;  // empty: no button to save
    } cases[] = {
        {"adam", "admin1", Mode::Edit, 1, "Zmiana danych administratora", true, false, "&Zapisz"},
        {"adam", "admin1", Mode::Edit, ewa, "Zmiana danych użytkownika", true, true, "&Zapisz"},
        {"ola", "haslo2", Mode::Edit, 1, "Dane administratora", false, false, ""},
        {"ola", "haslo2", Mode::Edit, ewa, "Dane użytkownika", false, false, ""},
        {"adam", "admin1", Mode::Delete, ewa, "Kasowanie użytkownika", false, false, "&Usuń"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ASSERT_TRUE(session().checkLogIn(c.viewer, c.password));
        auto editor = open(c.mode, c.kod);
        EXPECT_EQ(editor->windowTitle(), c.title);
        for (QLineEdit* edit : {editor->nameEdit(), editor->identEdit(), editor->passwordEdit(),
                                editor->repeatEdit()})
            EXPECT_EQ(edit->isEnabled(), c.fieldsEnabled);
        EXPECT_EQ(editor->rightsGroup()->isEnabled(), c.rightsEnabled);
        EXPECT_EQ(editor->activeBox()->isEnabled(), c.rightsEnabled);
        EXPECT_EQ(editor->saveButton()->isVisible(), QString(c.button) != "");
        if (editor->saveButton()->isVisible()) {
            EXPECT_EQ(editor->saveButton()->text(), c.button);
        }
        EXPECT_EQ(editor->nameEdit()->text(), c.kod == 1 ? "Adam Nowak" : "Ewa Kot");
    }
}

TEST_F(EditorTest, EveryRightBoxShowsAndWritesItsOwnField) {
    addUser("Adam Nowak", "adam", "admin1");
    auto editor = open(Mode::New);
    const QStringList fields = shell::editorRightFields();
    EXPECT_EQ(fields.size(), 45);
    EXPECT_EQ(QStringList(fields).removeDuplicates(), 0);
    // The book-keeping rights are written but not offered.
    for (const char* field : {"Zapas_5", "Zapas_6", "Zapas_7"})
        EXPECT_FALSE(editor->rightBox(field)->isVisibleTo(editor.get()));
    EXPECT_TRUE(editor->rightBox("Zapas_4")->isVisibleTo(editor.get()));

    // Every other box cleared: each field must come back false, and Korekta stays true.
    for (const QString& field : fields)
        if (field != "Korekta")
            editor->rightBox(field)->setChecked(false);
    editor->activeBox()->setChecked(false);
    fillAndSave(*editor, "Ewa Kot", "ewa", "haslo1", "haslo1");
    ASSERT_EQ(editor->result(), QDialog::Accepted);
    const int ewa = 2;
    for (const QString& field : fields)
        EXPECT_EQ(stored(ewa, field).toBool(), field == "Korekta") << field.toStdString();
    EXPECT_EQ(stored(ewa, "Aktywny").toString(), "NIE");

    auto shown = open(Mode::Edit, ewa);
    for (const QString& field : fields)
        EXPECT_EQ(shown->rightBox(field)->isChecked(), field == "Korekta") << field.toStdString();
    EXPECT_FALSE(shown->activeBox()->isChecked());
}

TEST_F(EditorTest, DeleteModeRemovesTheUser) {
    addUser("Adam Nowak", "adam", "admin1");
    const int ewa = addUser("Ewa Kot", "ewa", "haslo1");
    auto editor = open(Mode::Delete, ewa);
    click(editor->saveButton());
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(userCount(), 1);
    EXPECT_FALSE(db().inTransaction());

    EXPECT_FALSE(shell::deleteUser(session(), 1));
    EXPECT_EQ(messages_.last(), "Nie można usunąć administratora.");
    EXPECT_EQ(userCount(), 1);
}

TEST_F(EditorTest, AWriteThatCannotStartLeavesTheEditorOpenAndNothingWritten) {
    addUser("Adam Nowak", "adam", "admin1");
    engine::Database other(path());
    other.startTransaction();

    auto editor = open(Mode::New);
    fillAndSave(*editor, "Ewa Kot", "ewa", "haslo1", "haslo1");
    EXPECT_EQ(messages_.last(),
              "Baza danych jest chwilowo zajęta przez innego użytkownika.\r"
              "Poczekaj chwilę i powtórz wybraną funkcję.");
    EXPECT_TRUE(editor->isVisible());
    other.rollback();
    EXPECT_EQ(userCount(), 1);

    click(editor->saveButton());
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(userCount(), 2);
}

TEST_F(EditorTest, ARecordLockedElsewhereIsNotOverwritten) {
    addUser("Adam Nowak", "adam", "admin1");
    const int ewa = addUser("Ewa Kot", "ewa", "haslo1");
    ASSERT_TRUE(session().checkLogIn("adam", "admin1"));
    auto editor = open(Mode::Edit, ewa);

    engine::Database other(path());
    engine::Table users(other, "uzytkowf");
    users.open();
    ASSERT_TRUE(users.locate({"Kod"}, {ewa}));
    users.edit();

    retype(editor->nameEdit(), "Ewa Kotowa");
    click(editor->saveButton());
    EXPECT_EQ(messages_.last(),
              "Wybrana pozycja jest chwilowo zablokowana przez innego użytkownika.");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(db().inTransaction());
    users.cancel();
    EXPECT_EQ(stored(ewa, "Imie_Nazwisko").toString(), "Ewa Kot");
}

TEST_F(EditorTest, EnterMovesToTheNextField) {
    auto editor = open(Mode::New);
    editor->nameEdit()->setFocus();
    QTest::keyClick(editor->nameEdit(), Qt::Key_Return);
    EXPECT_EQ(editor->focusWidget(), editor->identEdit());
    QTest::keyClick(editor->identEdit(), Qt::Key_Enter);
    EXPECT_EQ(editor->focusWidget(), editor->passwordEdit());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(userCount(), 0);
}

TEST_F(EditorTest, FieldsTakeNoMoreThanTheirLength) {
    auto editor = open(Mode::New);
    type(editor->nameEdit(), QString(45, 'n'));
    type(editor->identEdit(), "abcdefghij");
    type(editor->passwordEdit(), "123456789012");
    EXPECT_EQ(editor->nameEdit()->text().size(), 40);
    EXPECT_EQ(editor->identEdit()->text(), "abcdefgh");
    EXPECT_EQ(editor->passwordEdit()->text(), "1234567890");
    EXPECT_EQ(editor->passwordEdit()->displayText(), "**********");
}

}  // namespace

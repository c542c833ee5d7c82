#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <optional>

#include "shell/users/users_window.h"
#include "users_fixture.h"

using shell::TNowyUzytkownik;
using shell::TUzytkownicy;
using shell::UserSession;
using userstest::click;
using userstest::UsersTest;
using Mode = TNowyUzytkownik::Mode;

namespace {

// The window with the editor taken over: the test sees which editor would open and may save it.
class RecordingWindow : public TUzytkownicy {
  public:
    using TUzytkownicy::TUzytkownicy;

    struct Opened {
        Mode mode;
        QString title;
        QString name;
    };
    QList<Opened> opened;
    std::function<void(TNowyUzytkownik&)> inEditor;

  protected:
    int runEditor(TNowyUzytkownik& editor) override {
        opened.append({editor.mode(), editor.windowTitle(), editor.nameEdit()->text()});
        editor.show();
        if (inEditor)
            inEditor(editor);
        return editor.result();
    }
};

class WindowTest : public UsersTest {
  protected:
    void addStaff() {
        addUser("Zenon Wolny", "zenon", "admin1");
        ewa_ = addUser("Ewa Kot", "ewa", "haslo1", false);
        addUser("Adam Bury", "adam", "haslo2", true, {"Przeglad_uzytkownikow"});
        addUser("Ola Lis", "ola", "haslo3");
    }

    static QStringList column(const QTableWidget* list, int c) {
        QStringList out;
        for (int r = 0; r < list->rowCount(); ++r)
            out << list->item(r, c)->text();
        return out;
    }

    static void selectRow(TUzytkownicy& window, int row) { window.list()->setCurrentCell(row, 0); }

    int ewa_ = 0;
};

TEST_F(WindowTest, ListsEveryUserInStoredOrder) {
    addStaff();
    RecordingWindow window(session());
    EXPECT_EQ(window.windowTitle(), "Użytkownicy");
    const QTableWidget* list = window.list();
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), "Imię i Nazwisko");
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "Identyfikator");
    EXPECT_EQ(list->horizontalHeaderItem(2)->text(), "Aktywny");
    EXPECT_EQ(column(list, 0), QStringList({"Zenon Wolny", "Ewa Kot", "Adam Bury", "Ola Lis"}));
    EXPECT_EQ(column(list, 1), QStringList({"zenon", "ewa", "adam", "ola"}));
    EXPECT_EQ(column(list, 2), QStringList({"TAK", "NIE", "TAK", "TAK"}));
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(WindowTest, EditAndDeleteNeedSomeoneOnTheList) {
    RecordingWindow window(session());
    window.show();
    EXPECT_FALSE(window.editButton()->isEnabled());
    EXPECT_FALSE(window.deleteButton()->isEnabled());
    window.EditBClick();
    window.DeleteBClick();
    EXPECT_TRUE(window.opened.isEmpty());
    EXPECT_TRUE(messages_.shown.isEmpty());

    // The first user is entered from the window itself.
    window.inEditor = [](TNowyUzytkownik& editor) {
        userstest::type(editor.nameEdit(), "Zenon Wolny");
        userstest::type(editor.identEdit(), "zenon");
        userstest::type(editor.passwordEdit(), "admin1");
        userstest::type(editor.repeatEdit(), "admin1");
        click(editor.saveButton());
    };
    click(window.newButton());
    ASSERT_EQ(window.opened.size(), 1);
    EXPECT_EQ(window.opened[0].title, "Wprowadź dane administratora");
    EXPECT_TRUE(messages_.shown.isEmpty()) << messages_.last().toStdString();
    EXPECT_EQ(window.list()->rowCount(), 1);
    EXPECT_TRUE(window.editButton()->isEnabled());
    EXPECT_TRUE(window.deleteButton()->isEnabled());

    addUser("Ewa Kot", "ewa", "haslo1");
    click(window.refreshButton());
    EXPECT_EQ(window.list()->rowCount(), 2);
}

TEST_F(WindowTest, WhoMayOpenWhichEditor) {
    addStaff();
    const struct {
        const char* ident;
        const char* password;
        const char* button;
        int row;
        const char* message;  // empty: none
        std::optional<Mode> opens;
        const char* title;
    } cases[] = {
        {"zenon", "admin1", "new", 1, "", Mode::New, "Nowy użytkownik"},
        {"zenon", "admin1", "edit", 1, "", Mode::Edit, "Zmiana danych użytkownika"},
        {"zenon", "admin1", "edit", 0, "", Mode::Edit, "Zmiana danych administratora"},
        {"zenon", "admin1", "delete", 1, "", Mode::Delete, "Kasowanie użytkownika"},
        {"zenon", "admin1", "delete", 0, "Nie można usunąć administratora.", std::nullopt, ""},
        {"ola", "haslo3", "new", 1, "Nie masz uprawnień do wykonania tej czynności.", std::nullopt,
         ""},
        {"ola", "haslo3", "edit", 1, "", Mode::Edit, "Dane użytkownika"},
        {"ola", "haslo3", "delete", 1, "Nie masz uprawnień do wykonania tej czynności.",
         std::nullopt, ""},
        // Without the right to look at users, not even one's own data.
        {"adam", "haslo2", "edit", 2, "Nie masz uprawnień do wykonania tej czynności.",
         std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ident) + " " + c.button);
        ASSERT_TRUE(session().checkLogIn(c.ident, c.password));
        messages_.shown.clear();
        RecordingWindow window(session());
        window.show();
        selectRow(window, c.row);
        const QString button = c.button;
        click(button == "new"    ? window.newButton()
              : button == "edit" ? window.editButton()
                                 : window.deleteButton());
        EXPECT_EQ(messages_.texts(),
                  QString(c.message).isEmpty() ? QStringList() : QStringList(c.message));
        ASSERT_EQ(window.opened.size(), c.opens ? 1 : 0);
        if (c.opens) {
            EXPECT_EQ(window.opened[0].mode, *c.opens);
            EXPECT_EQ(window.opened[0].title, c.title);
        }
    }
    EXPECT_EQ(userCount(), 4);
}

TEST_F(WindowTest, KeysAndDoubleClickOfTheList) {
    addStaff();
    RecordingWindow window(session());
    window.show();
    selectRow(window, 3);
    QTest::keyClick(window.list(), Qt::Key_Return);
    QTest::keyClick(window.list(), Qt::Key_Minus);
    QTest::keyClick(window.list(), Qt::Key_Enter);
    const QRect cell = window.list()->visualItemRect(window.list()->item(1, 0));
    // A double click reaches a widget after the press and release of the first click.
    QTest::mouseClick(window.list()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(window.opened.size(), 4);
    EXPECT_EQ(window.opened[0].mode, Mode::Edit);
    EXPECT_EQ(window.opened[0].name, "Ola Lis");
    EXPECT_EQ(window.opened[1].mode, Mode::New);
    // Leaving the new user's editor keeps the selection where it was.
    EXPECT_EQ(window.opened[2].mode, Mode::Edit);
    EXPECT_EQ(window.opened[2].name, "Ola Lis");
    EXPECT_EQ(window.opened[3].name, "Ewa Kot");
}

TEST_F(WindowTest, AUserLockedOrDeletedElsewhereIsNotOpened) {
    addStaff();
    RecordingWindow window(session());
    window.show();
    selectRow(window, 1);

    engine::Database other(path());
    engine::Table users(other, "uzytkowf");
    users.open();
    ASSERT_TRUE(users.locate({"Kod"}, {ewa_}));
    users.edit();
    click(window.editButton());
    EXPECT_EQ(messages_.last(),
              "Wybrana pozycja jest chwilowo zablokowana przez innego użytkownika.");
    EXPECT_TRUE(window.opened.isEmpty());

    users.cancel();
    users.deleteRecord();
    click(window.editButton());
    EXPECT_EQ(messages_.last(), "Wybrana pozycja została skasowana przez innego użytkownika.");
    EXPECT_TRUE(window.opened.isEmpty());
    // The list was read again and no longer shows her.
    EXPECT_EQ(window.list()->rowCount(), 3);
    EXPECT_FALSE(db().inTransaction());
}

TEST_F(WindowTest, DeletingFromTheWindowRemovesTheUserFromTheList) {
    addStaff();
    RecordingWindow window(session());
    window.show();
    window.inEditor = [](TNowyUzytkownik& editor) { click(editor.saveButton()); };
    selectRow(window, 1);
    click(window.deleteButton());
    ASSERT_EQ(window.opened.size(), 1);
    EXPECT_EQ(window.opened[0].name, "Ewa Kot");
    EXPECT_EQ(column(window.list(), 1), QStringList({"zenon", "adam", "ola"}));
}

}  // namespace

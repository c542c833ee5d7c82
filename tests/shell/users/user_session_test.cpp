#include <gtest/gtest.h>

#include <memory>

#include "users_fixture.h"

using shell::UserSession;
using userstest::UsersTest;

namespace {

class SessionTest : public UsersTest {
  protected:
    // The administrator first, then two ordinary users, one of them no longer active.
    void addStaff() {
        addUser("Adam Nowak", "adam", "admin1");
        addUser("Ola Lis", "ola", "tajne", true, {"Nowe_firma", "Zapas_1"});
        addUser("Jan Kos", "jan", "jan123", false);
    }
};

TEST_F(SessionTest, BeforeAnyLogInTheAdministratorIsCurrentSoTheFirstUserCanBeEntered) {
    EXPECT_TRUE(session().isEmpty());
    EXPECT_EQ(session().currentUserKod(), 1);
    EXPECT_TRUE(session().hasRight(UserSession::kEditUsersRight));
    // No record yet to read the rights from.
    EXPECT_FALSE(session().hasRight("Zmiana_opcji"));
    EXPECT_EQ(session().currentUserIdent(), "");

    addStaff();
    EXPECT_FALSE(session().isEmpty());
    EXPECT_EQ(session().currentUserName(), "Adam Nowak");
    EXPECT_EQ(session().currentUserIdent(), "adam");
}

TEST_F(SessionTest, RightsAreReadFromTheCurrentUsersRecord) {
    addStaff();
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    EXPECT_EQ(session().currentUserKod(), 2);
    EXPECT_EQ(session().currentUserName(), "Ola Lis");
    EXPECT_EQ(session().currentUserSignature(), "");

    const struct {
        const char* name;
        bool granted;
    } cases[] = {
        {"Nowe_firma", false},
        {"Zapas_1", false},
        {"Zmiana_firma", true},
        {"Przeglad_uzytkownikow", true},
        {"Otwieranie", true},  // no box writes it: it never holds
                               // a value
        {"EdycjaUżytkowników", false},
        {"Ident", false},  // a field, but not a right
        {"Nie_ma_takiego", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(session().hasRight(c.name), c.granted) << c.name;

    ASSERT_TRUE(session().checkLogIn("adam", "admin1"));
    EXPECT_TRUE(session().hasRight(UserSession::kEditUsersRight));
    EXPECT_TRUE(session().hasRight("Nowe_firma"));
}

TEST_F(SessionTest, ARightTheAdministratorTakesAwayMeanwhileIsRefusedAtOnce) {
    addStaff();
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    ASSERT_TRUE(session().hasRight("Eksport"));

    engine::Database other(path());
    engine::Table users(other, "uzytkowf");
    users.open();
    ASSERT_TRUE(users.locate({"Kod"}, {2}));
    users.edit();
    users.fieldByName("Eksport").setBoolean(false);
    users.post();
    EXPECT_FALSE(session().hasRight("Eksport"));

    users.deleteRecord();
    EXPECT_FALSE(session().hasRight("Zmiana_firma"));
    EXPECT_EQ(session().currentUserIdent(), "");
}

TEST_F(SessionTest, RequireRightTellsTheUserWhenRefused) {
    addStaff();
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    EXPECT_TRUE(session().requireRight("Zmiana_firma"));
    EXPECT_TRUE(messages_.shown.isEmpty());

    EXPECT_FALSE(session().requireRight("Nowe_firma"));
    EXPECT_FALSE(session().requireRight(UserSession::kEditUsersRight));
    EXPECT_EQ(messages_.texts(), QStringList(2, "Nie masz uprawnień do wykonania tej czynności."));
}

TEST_F(SessionTest, OnlyActiveUsersAreOfferedInStoredOrder) {
    addUser("Zenon Wolny", "zenon", "haslo1");
    addUser("Anna Bury", "anna", "haslo2");
    addUser("Jan Kos", "jan", "haslo3", false);
    addUser("Ala Bury", "Ala", "haslo4");
    EXPECT_EQ(session().activeIdents(), QStringList({"zenon", "anna", "Ala"}));

    const struct {
        const char* ident;
        int index;
    } cases[] = {
        {"anna", 1}, {"Ala", 2}, {"ala", 0}, {"jan", 0}, {"", 0}, {"nikt", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(session().preselectIndex(c.ident), c.index) << c.ident;
    EXPECT_EQ(UserSession::preselectIndex(QStringList(), "anna"), -1);
}

TEST_F(SessionTest, LogInNeedsTheExactIdentifierAndPasswordOfAnActiveUser) {
    addStaff();
    const struct {
        const char* ident;
        const char* password;
        bool accepted;
    } cases[] = {
        {"ola", "tajne", true},   {"ola", "Tajne", false},  // letter case counts
        {"ola", "tajne ", false}, {"Ola", "tajne", false},
        {"ola", "", false},       {"jan", "jan123", false},  // not active
        {"", "", false},          {"adam", "admin1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(session().checkLogIn(c.ident, c.password), c.accepted)
            << c.ident << " / " << c.password;
}

TEST_F(SessionTest, AFailedLogInLeavesTheCurrentUserAsItWas) {
    addStaff();
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    EXPECT_FALSE(session().checkLogIn("adam", "zle"));
    EXPECT_EQ(session().currentUserKod(), 2);
    EXPECT_EQ(session().logInIdent(), "ola");
}

TEST_F(SessionTest, UnattendedLogInNeverFallsBackToAnotherUser) {
    // jan is inactive; the administrator happens to have the same password.
    addRawUser("Adam Nowak", "admin", "x", true);
    addRawUser("Jan Kos", "jan", "x", false);

    EXPECT_FALSE(session().logInUnattended("jan", "x"));
    EXPECT_FALSE(session().logInUnattended("Admin", "x"));
    EXPECT_FALSE(session().logInUnattended("", "x"));
    EXPECT_FALSE(session().logInUnattended("admin", "X"));
    EXPECT_EQ(session().logInIdent(), "admin");  // nobody logged in yet: the administrator's

    EXPECT_TRUE(session().logInUnattended("admin", "x"));
    EXPECT_EQ(session().currentUserKod(), 1);
}

TEST_F(SessionTest, OwnPasswordIsCheckedAgainstTheCurrentUser) {
    addStaff();
    ASSERT_TRUE(session().checkLogIn("ola", "tajne"));
    EXPECT_TRUE(session().checkOwnPassword("tajne"));
    EXPECT_FALSE(session().checkOwnPassword("admin1"));
    EXPECT_FALSE(session().checkOwnPassword("TAJNE"));
}

TEST_F(SessionTest, ThePasswordIsStoredAsItsDigestOnly) {
    const int kod = addUser("Adam Nowak", "adam", "sekret");
    EXPECT_EQ(stored(kod, "Dane").toLongLong(), shell::storedPasswordDigest("sekret"));
    EXPECT_NE(shell::storedPasswordDigest("sekret"), shell::storedPasswordDigest("Sekret"));
}

// A rights field added to the table after users were entered holds no value in their records;
// it is granted to all of them.
TEST(SessionUpgrade, ARightsFieldAddedLaterIsGrantedToExistingUsers) {
    QTemporaryDir dir;
    shell::ScriptedMessages messages;
    engine::Database db(data::usersDatabasePath(dir.path()));
    const engine::TableDef full = data::usersTable();
    engine::TableDef older = full;
    const QStringList added = {"Zapas_1", "Nowe_firma"};
    older.fields.removeIf([&](const engine::FieldDef& f) { return added.contains(f.name); });
    db.createTable(older);
    {
        engine::Table users(db, "uzytkowf");
        users.open();
        users.append();
        users.fieldByName("Imie_Nazwisko").setString("Adam Nowak");
        users.fieldByName("Ident").setString("adam");
        users.fieldByName("Dane").setInteger(shell::storedPasswordDigest("admin1"));
        users.fieldByName("Aktywny").setString("TAK");
        users.fieldByName("Zmiana_firma").setBoolean(false);
        users.post();
    }
    QStringList kept;
    for (const engine::FieldDef& f : older.fields)
        kept << f.name;
    db.restructure("uzytkowf", full, kept);

    UserSession session(db);
    ASSERT_TRUE(session.checkLogIn("adam", "admin1"));
    EXPECT_TRUE(session.hasRight("Zapas_1"));
    EXPECT_TRUE(session.hasRight("Nowe_firma"));
    EXPECT_FALSE(session.hasRight("Zmiana_firma"));

    // The editor shows such a right as granted, so saving the user keeps it.
    const std::optional<shell::StoredUser> user = shell::readUser(session, 1);
    ASSERT_TRUE(user);
    EXPECT_TRUE(user->rights.value("Zapas_1"));
    EXPECT_TRUE(user->rights.value("Nowe_firma"));
    EXPECT_FALSE(user->rights.value("Zmiana_firma"));
}

}  // namespace

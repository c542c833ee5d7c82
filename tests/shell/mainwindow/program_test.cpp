// The program as a person meets it: first start, log-in, companies, end of work. Modal windows
// are answered from inside their own event loops; messages go to a script.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../dialogs/modal_driver.h"
#include "common/clock.h"
#include "common/dates.h"
#include "data/company_database.h"
#include "data/settings_store.h"
#include "engine/table.h"
#include "engine/database.h"
#include "platform/machine_settings.h"
#include "shell/dialogs/input_dialog.h"
#include "shell/mainwindow/companies.h"
#include "shell/mainwindow/main_window.h"
#include "shell/mainwindow/program.h"
#include "shell/messages.h"
#include "shell/users/log_in_dialog.h"
#include "shell/users/user_editing.h"
#include "shell/users/user_editor.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"

using shell::Program;
using shell::TMainFoRolvan;
using shell::testing::onNextModal;

namespace {

// Answers the next modal window by typing into its focused field and pressing Enter.
void typeAndEnter(const QString& text) {
    onNextModal([text](QWidget* w) {
        QTest::keyClicks(shell::testing::keyTarget(w), text);
        QTest::keyClick(shell::testing::keyTarget(w), Qt::Key_Return);
    });
}

void pressEnterOnNext(std::function<void()> then = {}) {
    onNextModal([then](QWidget* w) {
        if (then) then();
        QTest::keyClick(w, Qt::Key_Return);
    });
}

// Users entered as the editor would enter them.
void addUser(const QString& folder, const QString& ident, const QString& password,
             const QStringList& refusedRights = {}) {
    engine::Database db(data::usersDatabasePath(folder));
    if (!db.tableExists("uzytkowf")) data::createUsersTable(db);
    shell::UserSession session(db);
    shell::UserDraft draft;
    draft.name = ident + " Kowalski";
    draft.ident = ident;
    draft.password = draft.repeat = password;
    draft.active = true;
    for (const QString& field : shell::editorRightFields())
        draft.rights.insert(field, !refusedRights.contains(field));
    ASSERT_TRUE(shell::saveUser(session, 0, draft, QString()).saved);
}

// Answers the log-in dialog once for each password, in turn.
void answerLogIn(QStringList passwords) {
    if (passwords.isEmpty()) return;
    onNextModal([passwords](QWidget* w) mutable {
        auto* login = qobject_cast<shell::LogInDialog*>(w);
        ASSERT_NE(login, nullptr);
        login->passwordEdit()->setText(passwords.takeFirst());
        answerLogIn(passwords);
        login->okButton()->click();
    });
}

class ProgramTest : public ::testing::Test {
protected:
    QString folder() const { return dir_.path(); }
    QTemporaryDir dir_;
    shell::ScriptedMessages messages_;
};

}  // namespace

TEST_F(ProgramTest, FirstRunEntersTheAdministratorAndTheFirstCompany) {
    Program program(folder());
    // About, welcome, the administrator's editor, then the symbol of the first company.
    pressEnterOnNext([] {
        pressEnterOnNext([] {
            onNextModal([](QWidget* w) {
                auto* editor = qobject_cast<shell::TNowyUzytkownik*>(w);
                ASSERT_NE(editor, nullptr);
                EXPECT_EQ(editor->windowTitle(), u"Wprowadź dane administratora"_qs);
                EXPECT_FALSE(editor->rightsGroup()->isEnabled());
                QTest::keyClicks(editor->nameEdit(), u"Anna Nowak"_qs);
                QTest::keyClicks(editor->identEdit(), "admin");
                QTest::keyClicks(editor->passwordEdit(), "tajne");
                QTest::keyClicks(editor->repeatEdit(), "tajne");
                typeAndEnter("Abc");
                editor->saveButton()->click();
            });
        });
    });
    ASSERT_TRUE(program.start());

    EXPECT_TRUE(messages_.texts().contains(
        u"Program poprosi teraz o podanie symbolu firmy, którą ma obsługiwać."_qs));
    EXPECT_TRUE(messages_.texts().contains(u"Firma Abc została założona."_qs));
    // The only company opens without a dialog.
    ASSERT_TRUE(program.companyOpen());
    EXPECT_EQ(program.mainWindow().windowTitle(), "Rolvan M - admin - ABC");
    EXPECT_TRUE(program.mainWindow().action(TMainFoRolvan::Command::ChooseCompany)->isEnabled());
    EXPECT_EQ(platform::MachineSettings(folder()).readValue("Database"), "TRUE");
}

TEST_F(ProgramTest, LeavingTheAdministratorOutEndsAndLeavesNoUsersBehind) {
    Program program(folder());
    messages_.answers = {shell::Answer::Ok, shell::Answer::No};  // "Wpisz", then "Zakończ"
    pressEnterOnNext([] {
        pressEnterOnNext([] {
            onNextModal([](QWidget* w) {
                onNextModal([](QWidget* again) { QTest::keyClick(again, Qt::Key_Escape); });
                QTest::keyClick(w, Qt::Key_Escape);
            });
        });
    });
    EXPECT_FALSE(program.start());
    EXPECT_EQ(messages_.shown.size(), 2);
    EXPECT_TRUE(messages_.last().startsWith(u"Bez danych Administratora program nie będzie działał."_qs));
    EXPECT_FALSE(QFile::exists(data::usersDatabasePath(folder())));
}

TEST_F(ProgramTest, LogInAllowsThreeAttempts) {
    addUser(folder(), "admin", "dobre");
    platform::MachineSettings(folder()).writeValue("Database", "TRUE");
    {
        Program program(folder());
        answerLogIn({"zle1", "zle2", "zle3"});
        EXPECT_FALSE(program.start());
    }
    // The right one on the second attempt lets the user in and opens the only company.
    shell::addCompany(folder(), "Firma1", {}, false);
    Program program(folder());
    answerLogIn({"Dobre", "dobre"});  // letter case counts
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.mainWindow().windowTitle(), "Rolvan M - admin - FIRMA1");
}

TEST_F(ProgramTest, ChoosingCompaniesAndTheirMessages) {
    addUser(folder(), "admin", "dobre");
    platform::MachineSettings machine(folder());
    machine.writeValue("Database", "TRUE");
    for (const char* symbol : {"Alfa", "Beta"}) shell::addCompany(folder(), symbol, {}, false);
    machine.writeValue("Firma", "beta");
    machine.writeValue(u"PytajKtóraFirma"_qs, "Nie");  // the last company opens at once

    Program program(folder());
    answerLogIn({"dobre"});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.companySymbol(), "Beta");

    // The menu always shows the dialog; choosing the open company again changes nothing.
    onNextModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Zmiana firmy");
        auto* combo = w->findChild<QComboBox*>();
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), "Beta");
        QTest::keyClick(w, Qt::Key_Return);
    });
    program.chooseCompany();
    EXPECT_EQ(messages_.last(), u"Wybrano ponownie tę samą firmę."_qs);

    onNextModal([](QWidget* w) {
        w->findChild<QComboBox*>()->setCurrentIndex(0);
        QTest::keyClick(w, Qt::Key_Return);
    });
    program.chooseCompany();
    EXPECT_EQ(program.companySymbol(), "Alfa");
    EXPECT_EQ(machine.readValue("Firma"), "Alfa");

    // The tables of the company closed before were left with their last-use date.
    engine::Database beta(data::companyDatabasePath(shell::findCompanyFolder(folder(), "Beta")));
    engine::Table opcje(beta, "opcjef");
    opcje.setIndexName("main");
    opcje.open();
    EXPECT_TRUE(opcje.findKey({"Rolvan", u"Ogólne"_qs, "Ostatnia data"}));
}

TEST_F(ProgramTest, CompanyWhoseTablesDoNotOpenLeavesNoneOpen) {
    addUser(folder(), "admin", "dobre");
    platform::MachineSettings(folder()).writeValue("Database", "TRUE");
    QDir().mkpath(QDir(shell::dataFolder(folder())).filePath("Pusta"));  // a folder without tables
    Program program(folder());
    answerLogIn({"dobre"});
    ASSERT_TRUE(program.start());
    EXPECT_FALSE(program.companyOpen());
    EXPECT_EQ(messages_.last(), u"Próba otwarcia bazy danych nie powiodła się."_qs);
    EXPECT_FALSE(program.mainWindow().companyControlsEnabled());
    EXPECT_EQ(program.mainWindow().windowTitle(), "Rolvan M - admin");
}

TEST_F(ProgramTest, RightsShapeTheMenuAndEndOfWorkAsks) {
    addUser(folder(), "admin", "dobre");
    addUser(folder(), "jan", "janek", {"Dodawanie_firm", "Archiwizacja_danych", "Przeglad_przelew",
                                       "Zmiana_opcji"});
    platform::MachineSettings machine(folder());
    machine.writeValue("Database", "TRUE");
    machine.writeValue(u"Użytkownik"_qs, "jan");
    shell::addCompany(folder(), "Alfa", {}, false);

    Program program(folder());
    onNextModal([](QWidget* w) {
        auto* login = qobject_cast<shell::LogInDialog*>(w);
        EXPECT_EQ(login->userList()->currentText(), "jan");
        login->passwordEdit()->setText("janek");
        login->okButton()->click();
    });
    ASSERT_TRUE(program.start());
    TMainFoRolvan& w = program.mainWindow();
    EXPECT_FALSE(w.action(TMainFoRolvan::Command::AddCompany)->isVisible());
    EXPECT_FALSE(w.action(TMainFoRolvan::Command::Backup)->isVisible());
    EXPECT_TRUE(w.action(TMainFoRolvan::Command::Restore)->isVisible());
    EXPECT_FALSE(w.action(TMainFoRolvan::Command::ListTransfers)->isVisible());
    EXPECT_FALSE(program.users()->requireRight("Zmiana_opcji"));
    EXPECT_EQ(messages_.last(), u"Nie masz uprawnień do wykonania tej czynności."_qs);

    messages_.answers = {shell::Answer::No};
    program.endOfWork();
    EXPECT_EQ(messages_.last(), "Koniec pracy programu?");
    EXPECT_FALSE(program.hasEnded());
    program.endOfWork();  // answered Ok
    EXPECT_TRUE(program.hasEnded());
    EXPECT_EQ(machine.readValue(u"PytajKtóraFirma"_qs), "Tak");
}

TEST_F(ProgramTest, InterruptedChangeIsReportedBeforeTheLogIn) {
    addUser(folder(), "admin", "dobre");
    platform::MachineSettings(folder()).writeValue("Database", "TRUE");
    shell::addCompany(folder(), "Alfa", {}, false);
    // A journal nobody holds: a run stopped inside a change that never reached its commit.
    const QString companyDb =
        data::companyDatabasePath(shell::findCompanyFolder(folder(), "Alfa"));
    QFile journal(engine::journalPathOf(companyDb));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write("0123456789abcdef");
    journal.close();

    Program program(folder());
    QStringList shown;
    onNextModal([&shown](QWidget* w) {
        EXPECT_EQ(w->objectName(), "JournalForm");
        for (QLabel* label : w->findChildren<QLabel*>()) shown << label->text();
        answerLogIn({"dobre"});
        QTest::keyClick(w, Qt::Key_Return);
    });
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(shown.contains(u"Firma: @Rolvanm@Alfa"_qs));
    EXPECT_TRUE(shown.contains(
        u"Przerwana czynność została w całości anulowana i powinna zostać powtórzona."_qs));
    EXPECT_FALSE(QFile::exists(engine::journalPathOf(companyDb)));
    EXPECT_TRUE(program.companyOpen());
}

TEST_F(ProgramTest, FirstOpeningInANewYearOffersTheNumberingWindow) {
    addUser(folder(), "admin", "dobre");
    platform::MachineSettings(folder()).writeValue("Database", "TRUE");
    shell::addCompany(folder(), "Alfa", {}, false);
    const QString companyDb = data::companyDatabasePath(shell::findCompanyFolder(folder(), "Alfa"));
    auto writeSettings = [&](const QString& lastDate) {
        engine::Database db(companyDb);
        engine::Table opcje(db, "opcjef");
        opcje.open();
        data::SettingsStore store(opcje);
        for (int i = 0; i < 30; ++i) store.writeSetting("Test", "Klucze", QString::number(i), "x");
        if (!lastDate.isEmpty()) store.writeSetting("Rolvan", u"Ogólne"_qs, "Ostatnia data", lastDate);
    };
    const QString question =
        u"Dla tej firmy program został uruchomiony po raz pierwszy w tym roku."_qs;
    auto questionAsked = [&] {
        for (const auto& s : messages_.shown)
            if (s.question && s.text.startsWith(question)) return true;
        return false;
    };

    // Never closed before (no last-use date): nothing to ask, and no error.
    writeSettings({});
    int opened = 0;
    {
        Program program(folder());
        program.setNumberingWindow([&] { ++opened; });
        answerLogIn({"dobre"});
        ASSERT_TRUE(program.start());
        EXPECT_TRUE(program.companyOpen());
        EXPECT_FALSE(questionAsked());
    }
    // Last used in an earlier year, numbering restarting every year: asked, with the company's
    // symbol as the title.
    writeSettings(common::formatDate(QDate(common::today().year() - 1, 12, 30)));
    messages_.shown.clear();
    Program program(folder());
    program.setNumberingWindow([&] { ++opened; });
    answerLogIn({"dobre"});
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(questionAsked());
    EXPECT_EQ(messages_.shown.last().title, "ALFA");
    EXPECT_EQ(opened, 1);
}

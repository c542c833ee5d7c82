#include "shell/mainwindow/program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/clock.h"
#include "data/company_database.h"
#include "data/settings_store.h"
#include "engine/database.h"
#include "engine/error.h"
#include "engine/recovery.h"
#include "shell/company/company_data.h"
#include "shell/company/write_helpers.h"
#include "shell/dialogs/about_window.h"
#include "shell/dialogs/input_dialog.h"
#include "shell/dialogs/journal_form.h"
#include "shell/dialogs/message_window.h"
#include "shell/dialogs/preferences_dialog.h"
#include "shell/mainwindow/companies.h"
#include "shell/mainwindow/error_handler.h"
#include "shell/mainwindow/main_window.h"
#include "shell/messages.h"
#include "shell/users/log_in_dialog.h"
#include "shell/users/own_password.h"
#include "shell/users/user_editor.h"
#include "shell/users/user_session.h"
#include "shell/users/users_window.h"

namespace shell {
namespace {

using C = TMainFoRolvan::Command;

const QString kUsersAlias = QStringLiteral("Rolvan2000Users");
const QString kCompanyAliasPrefix = QStringLiteral("@Rolvanm@");
const QString kTrue = QStringLiteral("TRUE");

// Machine values.
const QString kDatabaseValue = QStringLiteral("Database");
const QString kUserValue = QStringLiteral("Użytkownik");
const QString kCompanyValue = QStringLiteral("Firma");

const QString kGroupRolvan = QStringLiteral("Rolvan");
const QString kSubgroupGeneral = QStringLiteral("Ogólne");
const QString kLastDate = QStringLiteral("Ostatnia data");

}  // namespace

Program::Program(const QString& programFolder, QObject* parent)
    : QObject(parent), folder_(programFolder), machine_(programFolder),
      window_(std::make_unique<TMainFoRolvan>()) {
    TMainFoRolvan& w = *window_;
    w.setHandler(C::Users, [this] { showUsers(); });
    w.setHandler(C::OwnPassword, [this] { changeOwnPassword(); });
    w.setHandler(C::AddCompany, [this] { addCompanyFromMenu(); });
    w.setHandler(C::ChooseCompany, [this] { chooseCompany(); });
    w.setHandler(C::ChangeUser, [this] { changeUser(); });
    w.setHandler(C::EndOfWork, [this] { endOfWork(); });
    w.setHandler(C::Preferences, [this] { showPreferences(); });
    w.setHandler(C::About, [] { TTytul::showAbout(); });
    connect(&w, &TMainFoRolvan::closeRequested, this, &Program::endOfWork);

    // Errors the write helpers do not report themselves reach the application's handler; a
    // database that fails under the program ends it.
    company::setErrorSink([](const QString& errorText, bool databaseLost) {
        handleUncaughtError(databaseLost ? kConnectionLostError + QStringLiteral(": ") + errorText
                                         : errorText);
    });
    company::setBusyIndicator([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    w.setCompanyControlsEnabled(false, false);
    updateTitle();
}

Program::~Program() {
    // The company's and the users' cursors go before their databases.
    company_.reset();
    users_.reset();
    usersDb_.reset();
}

bool Program::start() {
    preferences_ = Preferences::fromRegistryTexts(
        machine_.readValue(Preferences::kAskWhichCompanyValue.toString()),
        machine_.readValue(Preferences::kAskForBackupValue.toString()));
    QDir().mkpath(folder_);
    recoverInterruptedChanges();
    if (!openUsers()) return false;

    const bool firstRun = machine_.readValue(kDatabaseValue) != kTrue || users_->isEmpty();
    if (firstRun && users_->isEmpty()) {
        if (!enterAdministrator()) return false;
    } else if (!logIn()) {
        return false;
    }
    machine_.writeValue(kDatabaseValue, kTrue);
    afterLogIn();
    chooseCompany(true);
    firstActivation_ = false;
    return true;
}

void Program::recoverInterruptedChanges() {
    // Every folder that holds a database: the program folder (users) and each company.
    QList<QPair<QString, QString>> aliases{{kUsersAlias, folder_}};
    for (const QString& entry : listCompanies(folder_)) {
        const QString path = QDir(dataFolder(folder_)).filePath(entry);
        if (QFileInfo(path).isDir()) aliases.append({kCompanyAliasPrefix + entry, path});
    }
    for (const auto& [alias, path] : aliases) {
        for (const engine::InterruptedTransaction& found :
             engine::findInterruptedTransactionsIn(path)) {
            TJournalForm::showFor(alias, path,
                                  found.complete ? InterruptedChange::Complete
                                                 : InterruptedChange::Incomplete);
            engine::finishRecovery(found);
        }
    }
}

bool Program::openUsers() {
    try {
        usersDb_ = std::make_unique<engine::Database>(data::usersDatabasePath(folder_));
        if (!usersDb_->tableExists(QStringLiteral("uzytkowf"))) data::createUsersTable(*usersDb_);
        users_ = std::make_unique<UserSession>(*usersDb_);
        return true;
    } catch (const engine::Error&) {
        users_.reset();
        usersDb_.reset();
        return false;
    }
}

bool Program::enterAdministrator() {
    TTytul::showAbout();
    TWitaj::showWelcome();
    while (true) {
        {
            TNowyUzytkownik editor(*users_, TNowyUzytkownik::Mode::New, 0, window_.get());
            editor.exec();
        }
        if (!users_->isEmpty()) break;
        const Answer answer = messages().askCustom(
            QStringLiteral("Bez danych Administratora program nie będzie działał. Należy je wpisać "
                           "teraz\ralbo zakończyć działanie programu (i wpisać dane po następnym "
                           "uruchomieniu)."),
            QString(), QStringLiteral("Wpisz"), QStringLiteral("Zakończ"));
        if (answer == Answer::Ok) continue;
        // Without an administrator nothing may stay behind: the next start begins afresh.
        users_.reset();
        usersDb_.reset();
        const QString path = data::usersDatabasePath(folder_);
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                      QStringLiteral("-rvlocks")})
            QFile::remove(path + suffix);
        return false;
    }
    return true;
}

bool Program::logIn() {
    if (!runLogIn(*users_, machine_.readValue(kUserValue), QString(), window_.get())) return false;
    machine_.writeValue(kUserValue, users_->currentUserIdent());
    return true;
}

void Program::afterLogIn() {
    UserSession& u = *users_;
    window_->setRightsVisibility(u.hasRight(QStringLiteral("Dodawanie_firm")),
                                 u.hasRight(QStringLiteral("Archiwizacja_danych")),
                                 u.hasRight(QStringLiteral("Odtwarzanie_danych")),
                                 u.hasRight(QStringLiteral("Przeglad_przelew")));
    window_->setCompanyControlsEnabled(companyOpen(), u.hasRight(QStringLiteral("Przeglad_przelew")));
    updateTitle();
}

void Program::updateTitle() {
    window_->updateTitle(users_ ? users_->currentUserIdent() : QString(),
                         companyOpen() ? companySymbol_ : QString());
    setApplicationTitle(window_->windowTitle());
}

// ---------------------------------------------------------------- companies

void Program::chooseCompany() { chooseCompany(false); }

void Program::chooseCompany(bool atStart) {
    choosingCompany_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{choosingCompany_};

    QStringList companies = listCompanies(folder_);
    if (companies.isEmpty()) {
        showMessage(QStringLiteral("Program poprosi teraz o podanie symbolu firmy, którą ma obsługiwać."));
        while (addCompany(false)) {
        }
        companies = listCompanies(folder_);
        if (companies.isEmpty()) return;
    }

    const QString remembered = machine_.readValue(kCompanyValue);
    int preselect = 0;
    bool found = false;
    for (int i = 0; i < companies.size(); ++i)
        if (!remembered.isEmpty() && companies[i].compare(remembered, Qt::CaseInsensitive) == 0) {
            preselect = i;
            found = true;
            break;
        }

    QString chosen = companies[preselect];
    const bool skipDialog =
        atStart && (companies.size() == 1 || (found && !preferences_.askWhichCompany));
    if (!skipDialog) {
        const auto answer = TInput::askChoice(
            atStart ? QStringLiteral("Rozpoczęcie pracy") : QStringLiteral("Zmiana firmy"),
            QStringLiteral("Wybierz firmę:"), companies, preselect);
        if (!answer) return;
        chosen = *answer;
    }
    if (!atStart && companyOpen() && chosen.compare(companySymbol_, Qt::CaseInsensitive) == 0) {
        showMessage(QStringLiteral("Wybrano ponownie tę samą firmę."));
        return;
    }
    closeCompany();
    openCompany(chosen, atStart);
}

void Program::openCompany(const QString& symbol, bool atStart) {
    const QString folder = findCompanyFolder(folder_, symbol);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        showMessage(QStringLiteral(
            "Nazwa otwieranej firmy jest związana z nieistniejącym katalogiem dyskowym."));
        return;
    }
    const QString dbPath = data::companyDatabasePath(folder);
    std::unique_ptr<company::CompanyData> data;
    bool opened = false;
    if (QFileInfo::exists(dbPath)) {
        try {
            data = std::make_unique<company::CompanyData>(dbPath);
            opened = data->openCompanyTables();
        } catch (const engine::Error&) {
            opened = false;
        }
    }
    if (!opened) {
        data.reset();
        showMessage(QStringLiteral("Próba otwarcia bazy danych nie powiodła się."));
        return;
    }
    company_ = std::move(data);
    companyFolder_ = folder;
    companySymbol_ = QFileInfo(folder).fileName();
    window_->setCompanyControlsEnabled(true, users_->hasRight(QStringLiteral("Przeglad_przelew")));
    machine_.writeValue(kCompanyValue, companySymbol_);
    updateTitle();
    emit companyOpened();
    Q_UNUSED(atStart);
    askAfterOpening();
}

void Program::askAfterOpening() {
    data::SettingsStore store(company_->TableOpcje);
    const QString caption = companySymbol_.toUpper();
    if (store.settingsCount() > 24) {
        // An absent or unreadable date means the tables were never closed: nothing to ask.
        const QDate last = store.readDateSetting(kGroupRolvan, kSubgroupGeneral, kLastDate);
        const bool yearlyRestart =
            !store.readFlagSetting(false, QStringLiteral("Faktura"), QStringLiteral("Numeracja"),
                                   QStringLiteral("Kontynuacja")) &&
            !store.readFlagSetting(false, QStringLiteral("Faktura"), QStringLiteral("Numeracja"),
                                   QStringLiteral("CoMiesiąc"));
        if (numberingWindow_ && last.isValid() && last.year() < common::today().year() &&
            yearlyRestart &&
            askYes(QStringLiteral(
                       "Dla tej firmy program został uruchomiony po raz pierwszy w tym roku.\r"
                       "Ponieważ opcje firmy przewidują numerację dokumentów od 1 w każdym\r"
                       "roku, więc przed wystawieniem pierwszego dokumentu wskazane jest\r"
                       "uaktualnienie najbliższych numerów dokumentów w oknie \"Numeracja\".\r"
                       "Czy chcesz to zrobić teraz?"),
                   caption)) {
            numberingWindow_();
            storeLastUseDate();
        }
    } else if (setupWizard_ &&
               askYes(QStringLiteral(
                          "Dla tej firmy należy wpisać dane potrzebne do wystawiania dokumentów i "
                          "dokonać\rwyboru odpowiednich opcji. Można to zrobić przy pomocy "
                          "kreatora danych firmy.\rCzy chcesz to zrobić teraz?"),
                      caption)) {
        setupWizard_();
    }
}

void Program::storeLastUseDate() {
    if (!company_) return;
    engine::Database& db = company_->database();
    try {
        if (!db.tryStartTransaction(false)) return;
        data::SettingsStore store(company_->TableOpcje);
        store.writeDateSetting(kGroupRolvan, kSubgroupGeneral, kLastDate, common::today());
        db.commit();
    } catch (const std::exception&) {
        try {
            company_->TableOpcje.cancel();
            db.rollback();
        } catch (...) {
        }
    }
}

void Program::closeCompany() {
    if (!company_) return;
    storeLastUseDate();
    emit companyClosed();
    company_->closeCompanyTables();
    company_.reset();
    companyFolder_.clear();
    companySymbol_.clear();
    window_->setCompanyControlsEnabled(false, false);
    updateTitle();
}

void Program::addCompanyFromMenu() { addCompany(true); }

bool Program::addCompany(bool fromMenu) {
    const auto symbol = TInput::askText(
        QStringLiteral("Nowa firma"),
        QStringLiteral("Wpisz symbol nowej firmy, dla której program ma założyć bazę danych:"), 15);
    if (!symbol) return false;
    const AddCompanyOutcome outcome = shell::addCompany(folder_, *symbol, companyFolder_, fromMenu);
    showMessage(outcome.message);
    return outcome.result == AddCompanyOutcome::Result::BadFolderName;
}

// ---------------------------------------------------------------- users and end of work

void Program::showUsers() {
    TUzytkownicy window(*users_, window_.get());
    window.exec();
    updateTitle();
}

void Program::changeOwnPassword() {
    if (shell::changeOwnPassword(*users_, window_.get()) == OwnPasswordResult::LogInAgain)
        changeUser();
}

void Program::changeUser() {
    if (!runLogIn(*users_, users_->currentUserIdent(), QString(), window_.get())) {
        finish();
        return;
    }
    machine_.writeValue(kUserValue, users_->currentUserIdent());
    afterLogIn();
}

void Program::showPreferences() {
    TPreferencje dialog(preferences_, window_.get());
    dialog.setOkEnabled(users_ && users_->hasRight(QStringLiteral("Zmiana_opcji")));
    dialog.exec();
}

void Program::endOfWork() {
    if (choosingCompany_ || ended_) return;
    if (!askYes(QStringLiteral("Koniec pracy programu?"))) return;
    finish();
}

void Program::finish() {
    if (ended_) return;
    ended_ = true;
    closeCompany();
    users_.reset();
    usersDb_.reset();
    const auto texts = preferences_.toRegistryTexts();
    machine_.writeValue(Preferences::kAskWhichCompanyValue.toString(), texts.askWhichCompany);
    machine_.writeValue(Preferences::kAskForBackupValue.toString(), texts.askForBackup);
    window_->allowClosing();
    window_->close();
    QCoreApplication::quit();
}

}  // namespace shell

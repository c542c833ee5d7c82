#pragma once
// The running program: start-up (recovery of interrupted changes, the users and the log-in),
// choosing, adding and closing companies, and the end of work. It owns the main window, the
// users database and the open company's data, and connects the main window's commands.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/machine_settings.h"
#include "shell/dialogs/preferences.h"

namespace engine {
class Database;
}

namespace shell {

class TMainFoRolvan;
class UserSession;
namespace company {
class CompanyData;
}

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(const QString& programFolder, QObject* parent = nullptr);
    ~Program() override;

    TMainFoRolvan& mainWindow() { return *window_; }

    // The first activation of the main window. False when the program is to end at once (no
    // administrator entered, log-in cancelled or failed three times, no users database).
    bool start();

    // Menu commands.
    void chooseCompany();
    void addCompanyFromMenu();
    void endOfWork();
    void changeUser();
    void showUsers();
    void changeOwnPassword();
    void showPreferences();

    // State, for the windows that need it.
    bool companyOpen() const { return company_ != nullptr; }
    const QString& companySymbol() const { return companySymbol_; }
    const QString& companyFolder() const { return companyFolder_; }
    company::CompanyData* companyData() { return company_.get(); }
    UserSession* users() { return users_.get(); }
    const Preferences& preferences() const { return preferences_; }
    bool hasEnded() const { return ended_; }

    // Windows that later parts of the program provide; until they are set their questions are
    // not asked (the numbering window after the first opening in a year, the set-up wizard of a
    // company without data).
    void setNumberingWindow(std::function<void()> open) { numberingWindow_ = std::move(open); }
    void setSetupWizard(std::function<void()> run) { setupWizard_ = std::move(run); }

signals:
    void companyOpened();
    void companyClosed();

private:
    void recoverInterruptedChanges();
    bool openUsers();
    bool enterAdministrator();
    bool logIn();
    void afterLogIn();
    void chooseCompany(bool atStart);
    bool addCompany(bool fromMenu);  // true when the folder name was refused
    void openCompany(const QString& symbol, bool atStart);
    void closeCompany();
    void storeLastUseDate();
    void askAfterOpening();
    void updateTitle();
    void finish();

    QString folder_;
    platform::MachineSettings machine_;
    Preferences preferences_;
    std::unique_ptr<engine::Database> usersDb_;
    std::unique_ptr<UserSession> users_;
    std::unique_ptr<company::CompanyData> company_;
    QString companySymbol_;
    QString companyFolder_;
    std::unique_ptr<TMainFoRolvan> window_;
    bool firstActivation_ = true;
    bool choosingCompany_ = false;
    bool ended_ = false;
    std::function<void()> numberingWindow_;
    std::function<void()> setupWizard_;
};

}  // namespace shell

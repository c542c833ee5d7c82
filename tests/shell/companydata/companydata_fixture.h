#pragma once
// A company with its tables open, a users database with a session on it, and a scripted
// message service; settings and bank register entries are written straight into the company.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <memory>

#include "data/company_database.h"
#include "data/settings_store.h"
#include "engine/database.h"
#include "engine/table.h"
#include "shell/company/company_data.h"
#include "shell/messages.h"
#include "shell/users/user_editing.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"

namespace companydatatest {

// A company database in `folder`, its tables created and opened.
inline std::unique_ptr<shell::company::CompanyData> openCompany(const QString& folder) {
    const QString path = QDir(folder).filePath(data::kCompanyDatabaseFile);
    {
        engine::Database db(path);
        EXPECT_TRUE(data::createMissingCompanyTables(db).isEmpty());
    }
    auto company = std::make_unique<shell::company::CompanyData>(path);
    EXPECT_TRUE(company->openCompanyTables());
    return company;
}

class CompanyDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        company_ = openCompany(dir_.path());
        usersDb_ = std::make_unique<engine::Database>(data::usersDatabasePath(dir_.path()));
        data::createUsersTable(*usersDb_);
        session_ = std::make_unique<shell::UserSession>(*usersDb_);
        addUser("admin", "admin1");
    }

    shell::company::CompanyData& company() { return *company_; }
    shell::UserSession& session() { return *session_; }
    data::SettingsStore store() { return data::SettingsStore(company_->TableOpcje); }

    void write(const QString& group, const QString& subgroup, const QString& name,
               const QString& value) {
        ASSERT_TRUE(store().writeSetting(group, subgroup, name, value));
    }
    QString read(const QString& group, const QString& subgroup, const QString& name) {
        return store().readSetting(group, subgroup, name);
    }

    // A user with every right except those named.
    void addUser(const QString& ident, const QString& password, const QStringList& refused = {}) {
        shell::UserDraft draft;
        draft.name = ident + QStringLiteral(" Nowak");
        draft.ident = ident;
        draft.password = draft.repeat = password;
        for (const QString& field : shell::editorRightFields())
            draft.rights.insert(field, !refused.contains(field));
        ASSERT_TRUE(shell::saveUser(*session_, 0, draft, QString()).saved);
    }

    // One entry of the bank register on the account at `position` (counting from 0).
    void addBankEntry(int position) {
        engine::Table kasabank(company_->database(), QStringLiteral("kasabank"));
        kasabank.open();
        kasabank.append();
        kasabank.fieldByName(QStringLiteral("Kasa")).setInteger(10000 + position);
        kasabank.fieldByName(QStringLiteral("Rodzaj")).setString(QStringLiteral("BP"));
        kasabank.fieldByName(QStringLiteral("Numer")).setString(QStringLiteral("BP/1"));
        kasabank.post();
        kasabank.close();
    }

    QTemporaryDir dir_;
    shell::ScriptedMessages messages_;
    std::unique_ptr<shell::company::CompanyData> company_;
    std::unique_ptr<engine::Database> usersDb_;
    std::unique_ptr<shell::UserSession> session_;
};

}  // namespace companydatatest

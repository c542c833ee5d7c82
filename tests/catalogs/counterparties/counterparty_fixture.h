#pragma once
// A company database with its tables open and a logged-in user, for the counterparty tests.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

#include "data/company_database.h"
#include "engine/database.h"
#include "shell/company/company_data.h"
#include "shell/messages.h"
#include "shell/users/user_editing.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"

namespace counterpartytest {

class CounterpartyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString path = dir_.filePath(data::kCompanyDatabaseFile);
        {
            engine::Database db(path);
            ASSERT_TRUE(data::createMissingCompanyTables(db).isEmpty());
        }
        company_ = std::make_unique<shell::company::CompanyData>(path);
        ASSERT_TRUE(company_->openCompanyTables());
        usersDb_ = std::make_unique<engine::Database>(dir_.filePath(data::kUsersDatabaseFile));
        data::createUsersTable(*usersDb_);
        session_ = std::make_unique<shell::UserSession>(*usersDb_);
    }

    // The one user, holding every right but those refused.
    void addUser(const QStringList& refusedRights = {}) {
        shell::UserDraft draft;
        draft.name = QStringLiteral("Jan Kowalski");
        draft.ident = QStringLiteral("jan");
        draft.password = draft.repeat = QStringLiteral("haslo");
        draft.active = true;
        for (const QString& field : shell::editorRightFields())
            draft.rights.insert(field, !refusedRights.contains(field));
        ASSERT_TRUE(shell::saveUser(*session_, 0, draft, QString()).saved);
        ASSERT_TRUE(session_->checkLogIn(QStringLiteral("jan"), QStringLiteral("haslo")));
    }

    // Appends one record to a company table.
    void add(const QString& table, const QVariantMap& values) {
        engine::Table t(company_->database(), table);
        t.open();
        t.append();
        for (auto it = values.begin(); it != values.end(); ++it)
            t.fieldByName(it.key()).setValue(it.value());
        t.post();
    }

    // Every version of a counterparty number, in the order they were written.
    QList<QVariantMap> versions(qint64 numer) {
        engine::Table t(company_->database(), QStringLiteral("firmy"));
        t.open();
        t.setIndexName(QStringLiteral("mainkod"));
        QList<QVariantMap> out;
        for (t.first(); !t.isEmpty(); t.next()) {
            if (t.fieldByName(QStringLiteral("Numer")).asInteger() == numer)
                out << QVariantMap{
                    {"Kod", qlonglong(t.fieldByName(QStringLiteral("Kod")).asInteger())},
                    {"Last", t.fieldByName(QStringLiteral("Last")).asBoolean()},
                    {"Symbol", t.fieldByName(QStringLiteral("Symbol")).asString()},
                    {"AUlica", t.fieldByName(QStringLiteral("AUlica")).asString()},
                    {"AKod", t.fieldByName(QStringLiteral("AKod")).asString()},
                    {"Tel1", t.fieldByName(QStringLiteral("Tel1")).asString()},
                    {"NIP", t.fieldByName(QStringLiteral("NIP")).asString()},
                };
            if (t.eof() || !t.hasNeighbour(true))
                break;
        }
        return out;
    }

    QTemporaryDir dir_;
    std::unique_ptr<shell::company::CompanyData> company_;
    std::unique_ptr<engine::Database> usersDb_;
    std::unique_ptr<shell::UserSession> session_;
    shell::ScriptedMessages messages_;
};

}  // namespace counterpartytest

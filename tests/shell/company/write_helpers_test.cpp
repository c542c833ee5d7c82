#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <stdexcept>

#include "common/conversion_error.h"
#include "company_fixture.h"
#include "data/company_database.h"
#include "engine/error.h"
#include "shell/company/company_data.h"
#include "shell/company/users_data.h"
#include "shell/company/write_helpers.h"
#include "shell/messages.h"

using engine::Database;
using engine::Table;
using shell::ScriptedMessages;
using namespace shell::company;
using namespace companytest;

namespace {

class WriteHelpersTest : public CompanyTest {
  protected:
    void SetUp() override {
        createCompany();
        add("firmy", {{"Symbol", "ABC"}});
    }
    void TearDown() override { setErrorSink({}); }

    // The counterparties as another connection reads them.
    QStringList symbols() {
        Database db(path());
        Table t(db, "firmy");
        t.open();
        QStringList out;
        for (t.first(); !t.eof(); t.next())
            out << t.fieldByName("Symbol").asString();
        return out;
    }

    ScriptedMessages messages_;
};

}  // namespace

TEST_F(WriteHelpersTest, ABusyDatabaseIsReportedAtOnce) {
    Database first(path());
    Database second(path());
    WriteHelper writer(&second, {});
    first.startTransaction();

    EXPECT_FALSE(writer.beginWrite(true));
    EXPECT_EQ(messages_.texts(), QStringList({kDatabaseBusyMessage}));
    EXPECT_FALSE(writer.tryBeginWrite(false));
    EXPECT_EQ(messages_.shown.size(), 1);
    EXPECT_FALSE(second.inTransaction());

    first.commit();
    EXPECT_TRUE(writer.beginWrite(true));
    writer.commitWrite();
    EXPECT_EQ(messages_.shown.size(), 1);

    WriteHelper noCompany(nullptr, {});
    EXPECT_FALSE(noCompany.beginWrite(false));
    EXPECT_EQ(messages_.shown.size(), 1);
}

TEST_F(WriteHelpersTest, ProbeEditReportsLockedAndVanishedRecords) {
    Database other(path());
    Table theirs(other, "firmy");
    theirs.open();
    Database mine(path());
    Table firmy(mine, "firmy");
    firmy.open();
    WriteHelper writer(&mine, {&firmy});

    theirs.edit();
    EXPECT_FALSE(writer.probeEdit(firmy));
    EXPECT_EQ(messages_.last(), kRecordLockedMessage);
    EXPECT_FALSE(mine.inTransaction());

    theirs.cancel();
    ASSERT_TRUE(writer.probeEdit(firmy));
    EXPECT_TRUE(mine.inTransaction());
    EXPECT_EQ(firmy.state(), Table::State::Browse);
    writer.commitWrite();
    // The probe released its lock.
    EXPECT_TRUE(theirs.tryEdit());
    theirs.cancel();

    theirs.deleteRecord();
    EXPECT_FALSE(writer.probeEdit(firmy));
    EXPECT_EQ(messages_.last(), kRecordChangedMessage);
    EXPECT_FALSE(mine.inTransaction());
    firmy.refresh();
    ASSERT_TRUE(firmy.isEmpty());
    EXPECT_FALSE(writer.probeEdit(firmy));
    EXPECT_EQ(messages_.shown.size(), 3);
    EXPECT_EQ(messages_.last(), kRecordChangedMessage);
}

TEST_F(WriteHelpersTest, RollbackCancelsPendingEditsOfEveryObject) {
    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    WriteHelper& writer = company.writer();

    ASSERT_TRUE(writer.beginWrite(true));
    company.TableFirmyBis.append();
    company.TableFirmyBis.fieldByName("Symbol").setString("NOWY");
    company.TableFirmyBis.post();
    company.TableFirmyLook.edit();
    company.TableFirmyLook.fieldByName("Symbol").setString("ZMIENIONY");
    company.TableTowaryBis.append();

    writer.rollbackWrite();
    EXPECT_FALSE(company.database().inTransaction());
    EXPECT_EQ(company.TableFirmyLook.state(), Table::State::Browse);
    EXPECT_EQ(company.TableTowaryBis.state(), Table::State::Browse);
    EXPECT_EQ(symbols(), QStringList({"ABC"}));
    // Nothing is left locked: another user may edit and write at once.
    Database other(path());
    Table theirs(other, "firmy");
    theirs.open();
    EXPECT_TRUE(theirs.tryEdit());
    EXPECT_TRUE(other.tryStartTransaction());
    other.rollback();
}

TEST_F(WriteHelpersTest, AnyErrorInsideASaveRollsItBack) {
    CompanyData company(path());
    ASSERT_TRUE(company.openCompanyTables());
    WriteHelper& writer = company.writer();
    auto addAndFail = [&](auto error) {
        return writer.saveInTransaction([&] {
            company.TableFirmyBis.append();
            company.TableFirmyBis.fieldByName("Symbol").setString("NOWY");
            company.TableFirmyBis.post();
            company.TableFirmyBis.edit();
            throw error;
        });
    };

    // A counter that is no number, and the engine failing.
    EXPECT_FALSE(addAndFail(common::ConversionError("1a", "'1a' is not a valid integer value")));
    EXPECT_FALSE(addAndFail(engine::Error(engine::Error::Code::NoRecord, "gone")));
    EXPECT_EQ(messages_.texts(),
              QStringList({kUnexpectedDbErrorMessage, kUnexpectedDbErrorMessage}));
    EXPECT_EQ(symbols(), QStringList({"ABC"}));
    EXPECT_FALSE(company.database().inTransaction());
    EXPECT_EQ(company.TableFirmyBis.state(), Table::State::Browse);

    // With the application's handler installed, errors that are not the database's reach it.
    QStringList handled;
    setErrorSink(
        [&](const QString& text, bool lost) { handled << text + (lost ? " (lost)" : ""); });
    EXPECT_FALSE(addAndFail(std::runtime_error("counter")));
    EXPECT_FALSE(addAndFail(engine::Error(engine::Error::Code::Io, "disk gone")));
    EXPECT_EQ(handled, QStringList({"counter", "disk gone (lost)"}));
    EXPECT_EQ(messages_.shown.size(), 2);

    // The next save works.
    EXPECT_TRUE(writer.saveInTransaction([&] {
        company.TableFirmyBis.append();
        company.TableFirmyBis.fieldByName("Symbol").setString("DRUGI");
        company.TableFirmyBis.post();
    }));
    EXPECT_EQ(symbols(), QStringList({"ABC", "DRUGI"}));

    // A save that starts no transaction does no work.
    Database other(path());
    other.startTransaction();
    bool ran = false;
    EXPECT_FALSE(writer.saveInTransaction([&] { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(messages_.last(), kDatabaseBusyMessage);
    other.rollback();
}

TEST(UserProbe, UsersTableRecordsAreProbedAndTheTransactionEnded) {
    QTemporaryDir dir;
    const QString path = data::usersDatabasePath(dir.path());
    {
        Database db(path);
        data::createUsersTable(db);
    }
    ScriptedMessages messages;
    UsersData users(path);
    ASSERT_TRUE(users.open());
    Table& list = users.TableUzytkow;

    EXPECT_FALSE(probeUserEdit(list));
    EXPECT_EQ(messages.last(), kRecordDeletedMessage);
    EXPECT_FALSE(users.database().inTransaction());

    {
        Database other(path);
        Table t(other, "uzytkowf");
        t.open();
        t.append();
        t.fieldByName("Ident").setString("jan");
        t.post();
        t.edit();
        // The list has not seen the new user yet: the probe re-reads it, and finds it locked.
        EXPECT_FALSE(probeUserEdit(list));
        EXPECT_EQ(messages.last(), kRecordLockedMessage);
        EXPECT_FALSE(users.database().inTransaction());
    }
    EXPECT_TRUE(probeUserEdit(list));
    EXPECT_FALSE(users.database().inTransaction());
    EXPECT_EQ(list.fieldByName("Ident").asString(), "jan");
    EXPECT_EQ(messages.shown.size(), 2);
}

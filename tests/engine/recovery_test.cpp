// A process killed inside a fail-safe transaction, and what the next start finds.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "engine/recovery.h"
#include "engine/session.h"
#include "engine_fixture.h"

using engine::Database;
using engine::Table;
using namespace enginetest;

namespace {

// Runs `work` in a child process that is expected to die by SIGKILL.
void runChildUntilKilled(const std::function<void(int readyFd)>& work, bool parentKills) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(pipeFds[0]);
        try {
            work(pipeFds[1]);
        } catch (...) {
            _exit(3);
        }
        _exit(0);
    }
    close(pipeFds[1]);
    if (parentKills) {
        char c = 0;
        ASSERT_EQ(read(pipeFds[0], &c, 1), 1) << "the child died before it was ready";
        kill(pid, SIGKILL);
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
}

void insertPeople(Database& db, int count, const QString& prefix) {
    Table t(db, "people");
    t.open();
    for (int i = 0; i < count; ++i) {
        t.append();
        t.fieldByName("Name").setString(prefix + QString::number(i));
        t.fieldByName("Notes").setString(QString(2000, QLatin1Char('x')));  // fills pages fast
        t.post();
    }
}

int64_t countPeople(const QString& path) {
    Database db(path);
    Table t(db, "people");
    t.open();
    return t.recordCount();
}

}  // namespace

class RecoveryTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        db().createTable(peopleDef());
        db_.reset();  // the children write; this process only looks afterwards
    }
};

TEST_F(RecoveryTest, KilledInTheMiddleOfAWriteLeavesNothingOfIt) {
    const QString file = path();
    runChildUntilKilled(
        [&](int readyFd) {
            Database db(file);
            db.startTransaction(true);
            insertPeople(db, 1, "committed-before");  // a transaction within: not this one
            db.commit();
            db.startTransaction(true);
            insertPeople(db, 500, "half");
            write(readyFd, "r", 1);
            insertPeople(db, 1000000, "more");  // killed while still writing
        },
        true);

    const auto found = engine::findInterruptedTransaction(file);
    ASSERT_TRUE(found.has_value());
    EXPECT_FALSE(found->complete);
    engine::finishRecovery(*found);
    EXPECT_FALSE(QFile::exists(engine::journalPathOf(file)));
    EXPECT_FALSE(engine::findInterruptedTransaction(file).has_value());
    EXPECT_EQ(countPeople(file), 1);
}

TEST_F(RecoveryTest, KilledAfterTheCommitKeepsTheWholeTransaction) {
    const QString file = path();
    runChildUntilKilled(
        [&](int) {
            Database db(file);
            db.setAfterCommitHookForTests([] { raise(SIGKILL); });
            db.startTransaction(true);
            insertPeople(db, 300, "all");
            db.commit();
        },
        false);

    engine::Session session;
    session.addAlias("@Rolvanm@X", dir_.path());
    const auto found = session.findInterruptedTransactions();
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found.first().complete);
    engine::finishRecovery(found.first());
    EXPECT_EQ(countPeople(file), 300);
    EXPECT_TRUE(session.findInterruptedTransactions().isEmpty());
}

TEST_F(RecoveryTest, RunningTransactionIsNotTakenForAnInterruptedOne) {
    Database live(path());
    live.startTransaction(true);
    EXPECT_TRUE(QFile::exists(engine::journalPathOf(path())));
    EXPECT_FALSE(engine::findInterruptedTransaction(path()).has_value());
    live.commit();
    EXPECT_FALSE(QFile::exists(engine::journalPathOf(path())));
}

#include "engine/error.h"
#include "engine_fixture.h"

using engine::Database;
using engine::Error;
using engine::Table;
using namespace enginetest;

namespace {

Error::Code codeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.code();
    }
    ADD_FAILURE() << "no engine error";
    return Error::Code::Io;
}

}  // namespace

using TransactionTest = EngineTest;

TEST_F(TransactionTest, SecondWriterIsRefusedAtOnce) {
    db().createTable(peopleDef());
    Database other(path());
    db().startTransaction(true);
    EXPECT_FALSE(other.tryStartTransaction());
    EXPECT_EQ(codeOf([&] { other.startTransaction(); }), Error::Code::Busy);

    // A post outside a transaction is a write too.
    Table t(other, "people");
    t.open();
    t.append();
    t.fieldByName("Name").setString("x");
    EXPECT_EQ(codeOf([&] { t.post(); }), Error::Code::Busy);
    t.cancel();

    db().commit();
    EXPECT_TRUE(other.tryStartTransaction());
    other.rollback();
}

TEST_F(TransactionTest, RollbackLeavesNothingAndCommitIsSeenByOthers) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.open();
    db().startTransaction(true);
    addPerson(t, "gone");
    db().rollback();
    t.refresh();
    EXPECT_EQ(t.recordCount(), 0);

    db().startTransaction(true);
    addPerson(t, "kept");
    db().commit();
    Database other(path());
    Table seen(other, "people");
    seen.open();
    EXPECT_EQ(seen.recordCount(), 1);
    EXPECT_EQ(seen.fieldByName("Name").asString(), "kept");
}

TEST_F(TransactionTest, RecordLocksHoldAcrossCursorsAndConnections) {
    db().createTable(peopleDef());
    Table t(db(), "people");
    t.open();
    addPerson(t, "a");
    addPerson(t, "b");
    t.first();
    t.edit();

    Table sameConnection(db(), "people");  // a second cursor of the same program
    sameConnection.open();
    EXPECT_FALSE(sameConnection.tryEdit());
    EXPECT_EQ(codeOf([&] { sameConnection.deleteRecord(); }), Error::Code::Locked);

    Database otherDb(path());
    Table otherConnection(otherDb, "people");
    otherConnection.open();
    EXPECT_EQ(codeOf([&] { otherConnection.edit(); }), Error::Code::Locked);
    otherConnection.next();  // another record is free
    EXPECT_TRUE(otherConnection.tryEdit());
    otherConnection.cancel();

    t.fieldByName("Name").setString("a2");
    t.post();  // releases the lock
    otherConnection.first();
    EXPECT_TRUE(otherConnection.tryEdit());
    EXPECT_EQ(otherConnection.fieldByName("Name").asString(), "a2");  // edit reads afresh
    otherConnection.cancel();
    EXPECT_TRUE(sameConnection.tryEdit());
    sameConnection.cancel();
}

TEST_F(TransactionTest, ExclusiveUseAndInUse) {
    db().createTable(peopleDef());
    Table shared(db(), "people");
    shared.open();
    Database otherDb(path());
    Table exclusive(otherDb, "people");
    exclusive.setExclusive(true);
    EXPECT_EQ(codeOf([&] { exclusive.open(); }), Error::Code::InUse);
    EXPECT_EQ(codeOf([&] { otherDb.restructure("people", peopleDef(), {}); }), Error::Code::InUse);
    shared.close();
    EXPECT_NO_THROW(exclusive.open());

    EXPECT_TRUE(Database::isInUse(path()));
    exclusive.close();
    db_.reset();
    EXPECT_TRUE(Database::isInUse(path()));  // otherDb still holds it
}

#include "shell/registers/register_model.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/company_database.h"
#include "engine/database.h"

namespace {

using shell::registers::Column;
using shell::registers::RegisterModel;
using shell::registers::View;

// Rows of a view with many equal keys, read in blocks: every row's record, and back from the
// record to its row, must agree with a cursor walking the same view.
TEST(RegisterModel, RowsAndRecordsAgreeWithTheViewAcrossBlocksAndEqualKeys) {
    QTemporaryDir dir;
    engine::Database db(dir.filePath("baza.db"));
    data::createCompanyTable(db, "firmy");
    {
        engine::Table t(db, "firmy");
        t.open();
        db.startTransaction(false);
        for (int i = 0; i < 500; ++i) {
            t.append();
            t.fieldByName("Numer").setInteger(i + 1);
            t.fieldByName("Last").setBoolean(i % 10 != 0);  // some superseded: outside the range
            t.fieldByName("NIP").setString(QString::number(i % 7));
            t.fieldByName("Symbol").setString(QStringLiteral("S%1").arg(i, 3, 10, QChar('0')));
            t.post();
        }
        db.commit();
    }
    RegisterModel model(db, "firmy", {Column{"Numer", "Kod"}, Column{"Symbol", "Symbol"}});
    struct Case {
        const char* name;
        View view;
    };
    const auto current = [](const QString& index) {
        View v;
        v.indexName = index;
        v.rangeStart = v.rangeEnd = {true};
        return v;
    };
    const View byNip = current("fnip");
    View filtered = byNip;
    filtered.filter = "(Symbol='*1')";
    filtered.filtered = true;
    const QList<Case> cases = {
        {"equal keys", byNip}, {"unique keys", current("main")}, {"filter", filtered}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model.setView(c.view);
        engine::Table walk(db, "firmy");
        walk.open();
        shell::registers::applyView(walk, c.view);
        QList<int64_t> expected;
        for (walk.first(); !walk.isEmpty(); walk.next()) {
            expected << walk.bookmark().rid;
            if (!walk.hasNeighbour(true))
                break;
        }
        ASSERT_EQ(model.rowCount(), expected.size());
        // Backwards as well, so that blocks are also reached from below.
        for (int r = model.rowCount() - 1; r >= 0; --r) {
            ASSERT_EQ(model.bookmarkAt(r).rid, expected[r]) << r;
            ASSERT_EQ(model.rowOf(model.bookmarkAt(r)), r);
        }
        walk.first();
        walk.moveBy(static_cast<int>(expected.size() / 2));
        EXPECT_EQ(model.data(model.index(static_cast<int>(expected.size() / 2), 0), Qt::DisplayRole)
                      .toLongLong(),
                  walk.fieldByName("Numer").asInteger());
    }
    // A superseded record is in no view.
    engine::Table t(db, "firmy");
    t.open();
    t.first();
    EXPECT_EQ(model.rowOf(t.bookmark()), -1);
}

}  // namespace

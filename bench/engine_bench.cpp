// Speed of the table engine on a company of realistic size: 1,000,000 sales documents with
// 5,000,000 lines. Run: build/bench/engine_bench  (ROLVANM_BENCH_SCALE=0.1 for a tenth).
//
// The append benchmarks build the database that the others read; a plain SQLite INSERT loop
// over the same table layout runs beside them as the yardstick.

#include <benchmark/benchmark.h>

#include <QDate>
#include <QTemporaryDir>

#include <memory>
#include <random>

#include "data/schema.h"
#include "engine/database.h"
#include "engine/datetime.h"
#include "engine/sqlite_util.h"
#include "engine/table.h"
#include "engine/table_sql.h"

namespace {

double scale() {
    const char* s = std::getenv("ROLVANM_BENCH_SCALE");
    return s ? std::max(0.0001, std::atof(s)) : 1.0;
}
int64_t documentCount() {
    return static_cast<int64_t>(1'000'000 * scale());
}
constexpr int kLinesPerDocument = 5;
const QDate kFirstDay(2015, 1, 1);
constexpr int kDays = 3650;

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}
QString benchPath() {
    return workDir().filePath("baza.db");
}

std::unique_ptr<engine::Database>& benchDb() {
    static std::unique_ptr<engine::Database> db;
    return db;
}

void fillDocument(engine::Table& t, int64_t i, std::mt19937& rng) {
    t.append();
    const double day =
        engine::toDateTime(kFirstDay) + static_cast<double>(i * kDays / documentCount());
    t.fieldByName("DataWyst").setFloat(day);
    t.fieldByName("DataSprzed").setFloat(day);
    t.fieldByName("DataPlat").setFloat(day + 14);
    t.fieldByName("NumerKolejny").setInteger(i % 5000 + 1);
    t.fieldByName("Numer").setString(QStringLiteral("FV %1/2024").arg(i % 5000 + 1));
    t.fieldByName("RodzajDok").setString("F");
    t.fieldByName("Nabywca").setInteger(rng() % 20000 + 1);
    t.fieldByName("Netto").setCurrency(engine::Currency::fromUnits(rng() % 100'000'000));
    t.fieldByName("Brutto").setCurrency(engine::Currency::fromUnits(rng() % 123'000'000));
    t.fieldByName("Zaplacona").setString("NIE");
    t.post();
}

void fillLine(engine::Table& t, int64_t doc, int lp, std::mt19937& rng) {
    t.append();
    t.fieldByName("Kod").setInteger(doc);
    t.fieldByName("Lp").setInteger(lp);
    t.fieldByName("Towar").setInteger(rng() % 50000 + 1);
    t.fieldByName("KodTowaru").setInteger(rng() % 80000 + 1);
    t.fieldByName("CenaJed").setCurrency(engine::Currency::fromUnits(rng() % 10'000'000));
    t.fieldByName("Ilosc").setCurrency(engine::Currency::fromWhole(rng() % 20 + 1));
    t.fieldByName("VAT").setInteger(2300);
    t.fieldByName("Brutto").setString("N");
    t.post();
}

void ensureDatabase() {
    if (benchDb())
        return;
    benchDb() = std::make_unique<engine::Database>(benchPath());
    auto& db = *benchDb();
    db.createTable(*data::companyTable("faktury"));
    db.createTable(*data::companyTable("fspec"));
}

void BM_AppendFaktury(benchmark::State& state) {
    ensureDatabase();
    for (auto _ : state) {
        std::mt19937 rng(1);
        engine::Table t(*benchDb(), "faktury");
        t.setIndexName("fdatan");
        t.open();
        benchDb()->startTransaction(true);
        for (int64_t i = 0; i < documentCount(); ++i)
            fillDocument(t, i, rng);
        benchDb()->commit();
    }
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(documentCount()), benchmark::Counter::kIsRate);
}

void BM_AppendFSpec(benchmark::State& state) {
    ensureDatabase();
    for (auto _ : state) {
        std::mt19937 rng(2);
        engine::Table t(*benchDb(), "fspec");
        t.setIndexName("main");
        t.open();
        benchDb()->startTransaction(true);
        for (int64_t d = 1; d <= documentCount(); ++d)
            for (int lp = 1; lp <= kLinesPerDocument; ++lp)
                fillLine(t, d, lp, rng);
        benchDb()->commit();
    }
    state.counters["records/s"] = benchmark::Counter(
        static_cast<double>(documentCount() * kLinesPerDocument), benchmark::Counter::kIsRate);
}

// The yardstick: the same table layout and indexes, filled by a prepared INSERT in a loop.
void BM_PlainSqliteInsertFaktury(benchmark::State& state) {
    QTemporaryDir dir;
    engine::Database db(dir.filePath("plain.db"));
    engine::TableDef def = *data::companyTable("faktury");
    db.createTable(def);
    sqlite3* h = db.handle();
    for (auto _ : state) {
        std::mt19937 rng(1);
        engine::execSql(h, "PRAGMA synchronous=FULL");
        engine::execSql(h, "BEGIN IMMEDIATE");
        engine::Statement ins(h,
                              "INSERT INTO faktury (DataWyst, DataSprzed, DataPlat, NumerKolejny, "
                              "Numer, RodzajDok, Nabywca, Netto, Brutto, Zaplacona) "
                              "VALUES (?,?,?,?,?,?,?,?,?,?)");
        for (int64_t i = 0; i < documentCount(); ++i) {
            const double day =
                engine::toDateTime(kFirstDay) + static_cast<double>(i * kDays / documentCount());
            sqlite3_bind_double(ins.get(), 1, day);
            sqlite3_bind_double(ins.get(), 2, day);
            sqlite3_bind_double(ins.get(), 3, day + 14);
            ins.bindInt(4, i % 5000 + 1);
            ins.bindText(5, QStringLiteral("FV %1/2024").arg(i % 5000 + 1));
            ins.bindText(6, "F");
            ins.bindInt(7, rng() % 20000 + 1);
            ins.bindInt(8, rng() % 100'000'000);
            ins.bindInt(9, rng() % 123'000'000);
            ins.bindText(10, "NIE");
            ins.step();
            ins.reset();
        }
        engine::execSql(h, "COMMIT");
    }
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(documentCount()), benchmark::Counter::kIsRate);
}

void BM_OpenMonthRangeRead50(benchmark::State& state) {
    ensureDatabase();
    const double from = engine::toDateTime(QDate(2020, 3, 1));
    const double to = engine::toDateTime(QDate(2020, 3, 31));
    for (auto _ : state) {
        engine::Table t(*benchDb(), "faktury");
        t.setIndexName("fdatan");
        t.open();
        t.setRange({from}, {to, 2000000000});
        int n = 0;
        for (t.first(); !t.eof() && n < 50; t.next()) {
            benchmark::DoNotOptimize(t.fieldByName("Numer").asString());
            ++n;
        }
        if (n != 50)
            state.SkipWithError("the month holds fewer than 50 documents");
    }
}

// Stepping on from a record deep inside a key range, as a list does after a search: each step
// must start at the record, not at the start of the range.
void BM_StepFromMiddleOfRange(benchmark::State& state) {
    ensureDatabase();
    engine::Table t(*benchDb(), "faktury");
    t.setIndexName("frdatan");
    t.open();
    t.setRange({"F"}, {"F"});
    const double middle = engine::toDateTime(kFirstDay) + kDays / 2;
    for (auto _ : state) {
        t.findNearest({"F", middle});
        t.refresh();  // drops what was read ahead
        for (int i = 0; i < 50 && !t.eof(); ++i) t.next();
        benchmark::DoNotOptimize(t.fieldByName("Kod").asInteger());
    }
}

void BM_FirstToLastOfWholeIndex(benchmark::State& state) {
    ensureDatabase();
    engine::Table t(*benchDb(), "faktury");
    t.setIndexName("fdatan");
    t.open();
    for (auto _ : state) {
        t.first();
        t.last();
        benchmark::DoNotOptimize(t.fieldByName("Kod").asInteger());
    }
}

void BM_ScanWholeIndex(benchmark::State& state) {
    ensureDatabase();
    engine::Table t(*benchDb(), "faktury");
    t.setIndexName("fdatan");
    t.open();
    int64_t n = 0;
    for (auto _ : state) {
        n = 0;
        for (t.first(); !t.eof(); t.next())
            ++n;
    }
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}

void BM_CountAndSumOverRange(benchmark::State& state) {
    ensureDatabase();
    engine::Table t(*benchDb(), "faktury");
    t.setIndexName("fdatan");
    t.open();
    const int months = static_cast<int>(state.range(0));
    t.setRange({engine::toDateTime(QDate(2020, 1, 1))},
               {engine::toDateTime(QDate(2020, 1, 1).addMonths(months).addDays(-1)), 2000000000});
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.count());
        benchmark::DoNotOptimize(t.sumCurrency("Brutto"));
    }
    state.counters["records"] = static_cast<double>(t.count());
}

BENCHMARK(BM_AppendFaktury)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendFSpec)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSqliteInsertFaktury)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMonthRangeRead50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepFromMiddleOfRange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstToLastOfWholeIndex)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanWholeIndex)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountAndSumOverRange)->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

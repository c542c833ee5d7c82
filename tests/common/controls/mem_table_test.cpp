#include "common/controls/mem_table.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "engine/error.h"

namespace controls {
namespace {

using engine::Currency;
using engine::Error;
using engine::FieldType;

TMemTable documents() {
    return TMemTable({{QStringLiteral("Rodzaj"), FieldType::String, 10, {}},
                      {QStringLiteral("Korekta"), FieldType::Boolean, 0, {}},
                      {QStringLiteral("DataW"), FieldType::DateTime, 0, {}},
                      {QStringLiteral("Brutto"), FieldType::Currency, 0, {}},
                      {QStringLiteral("Kod"), FieldType::Int32, 0, {}}});
}

void addDocument(TMemTable& table, const QString& kind, bool correction, const QDate& date,
                 Currency gross, int code) {
    table.append();
    table.fieldByName(QStringLiteral("Rodzaj")).setString(kind);
    table.fieldByName(QStringLiteral("Korekta")).setBoolean(correction);
    table.fieldByName(QStringLiteral("DataW")).setDate(date);
    table.fieldByName(QStringLiteral("Brutto")).setCurrency(gross);
    table.fieldByName(QStringLiteral("Kod")).setInteger(code);
    table.post();
}

TEST(MemTable, RecordsAreReadBackInTheirOrder) {
    TMemTable table = documents();
    table.open();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_TRUE(table.eof());

    addDocument(table, QStringLiteral("Faktura VAT"), false, QDate(2024, 3, 1),
                Currency::fromUnits(1234567), 7);
    addDocument(table, QStringLiteral("Korekta"), true, QDate(2024, 3, 2), -Currency::fromWhole(5),
                9);
    addDocument(table, QStringLiteral("Paragon"), false, QDate(2024, 3, 2),
                Currency::fromDouble(0.1), 12);
    ASSERT_EQ(table.recordCount(), 3);

    struct Row {
        QString kind;
        bool correction;
        QDate date;
        Currency gross;
        int64_t code;
        bool operator==(const Row&) const = default;
    };
    QList<Row> rows;
    for (table.first(); !table.eof(); table.next()) {
        rows.append({table.fieldByName(QStringLiteral("rodzaj")).asString(),
                     table.fieldByName(QStringLiteral("KOREKTA")).asBoolean(),
                     table.fieldByName(QStringLiteral("DataW")).asDate(),
                     table.fieldByName(QStringLiteral("Brutto")).asCurrency(),
                     table.fieldByName(QStringLiteral("Kod")).asInteger()});
    }
    const QList<Row> expected{
        // Texts are cut to the field's size, as stored tables cut them.
        {QStringLiteral("Faktura VA"), false, QDate(2024, 3, 1), Currency::fromUnits(1234567), 7},
        {QStringLiteral("Korekta"), true, QDate(2024, 3, 2), -Currency::fromWhole(5), 9},
        {QStringLiteral("Paragon"), false, QDate(2024, 3, 2), Currency::fromUnits(1000), 12},
    };
    EXPECT_TRUE(rows == expected);
    EXPECT_DOUBLE_EQ(table.fieldByName(QStringLiteral("Brutto")).asFloat(), 0.1)
        << "past the end the last record stays current";
}

TEST(MemTable, OpeningAndClosingEmptyIt) {
    TMemTable table = documents();
    table.open();
    addDocument(table, QStringLiteral("F"), false, QDate(2024, 1, 1), Currency::fromWhole(1), 1);
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_TRUE(table.eof());

    addDocument(table, QStringLiteral("F"), false, QDate(2024, 1, 1), Currency::fromWhole(1), 1);
    table.close();
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(table.recordCount(), 0);
    table.open();
    table.first();
    EXPECT_TRUE(table.eof());
}

TEST(MemTable, AppendStartsEmptyAndCancelDropsIt) {
    TMemTable table = documents();
    table.open();
    addDocument(table, QStringLiteral("F"), true, QDate(2024, 1, 1), Currency::fromWhole(1), 1);
    table.append();
    EXPECT_EQ(table.fieldByName(QStringLiteral("Kod")).asInteger(), 0);
    EXPECT_EQ(table.fieldByName(QStringLiteral("Rodzaj")).asString(), QString());
    EXPECT_FALSE(table.fieldByName(QStringLiteral("Korekta")).asBoolean());
    table.fieldByName(QStringLiteral("Kod")).setInteger(5);
    table.cancel();
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.fieldByName(QStringLiteral("Kod")).asInteger(), 1);
}

TEST(MemTable, Misuse) {
    TMemTable table = documents();
    const auto code = [](auto action) {
        try {
            action();
        } catch (const Error& e) {
            return e.code();
        }
        ADD_FAILURE() << "no error";
        return Error::Code::Io;
    };
    EXPECT_EQ(code([&] { table.append(); }), Error::Code::NoRecord) << "closed";
    table.open();
    EXPECT_EQ(code([&] { table.fieldByName(QStringLiteral("Netto")); }), Error::Code::NoSuchField);
    EXPECT_EQ(code([&] { table.fieldByName(QStringLiteral("Kod")).setInteger(1); }),
              Error::Code::NotEditing);
    EXPECT_EQ(code([&] { table.post(); }), Error::Code::NotEditing);
    EXPECT_EQ(code([&] { table.addField(QStringLiteral("Netto"), FieldType::Currency); }),
              Error::Code::InUse);
    table.close();
    table.addField(QStringLiteral("Netto"), FieldType::Currency);
    EXPECT_TRUE(table.hasField(QStringLiteral("netto")));
}

}  // namespace
}  // namespace controls

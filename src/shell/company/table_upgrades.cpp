#include "shell/company/table_upgrades.h"

#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"

namespace shell::company {
namespace {

using engine::FieldType;

UpgradeStep addFields(const QString& table, const QList<engine::FieldDef>& fields) {
    return [table, fields](engine::Database& db) {
        RestructureJob job(db, table);
        for (const engine::FieldDef& f : fields)
            job.addField(f.name, f.type, f.size);
        job.execute();
    };
}

engine::FieldDef field(const QString& name, FieldType type, int size = 0) {
    return {name, type, size, {}};
}

// Sales document lines were once rebuilt to a fixed layout. Tables that already had the
// warehouse number `Mag` keep it: they reach this step only for want of the later lot field.
void rebuildSalesLines(engine::Database& db) {
    RestructureJob job(db, QStringLiteral("fspec"));
    const QList<engine::FieldDef> fields{
        field("Kod", FieldType::Int32),
        field("Lp", FieldType::Int16),
        field("Towar", FieldType::Int32),
        field("KodTowaru", FieldType::Int32),
        field("CenaPrzedRab", FieldType::Currency),
        field("CenaJed", FieldType::Currency),
        field("Rabat", FieldType::Currency),
        field("Ilosc", FieldType::Currency),
        field("VAT", FieldType::Int16),
        field("Brutto", FieldType::String, 1),
        field("Mag", FieldType::Int32),
    };
    const QList<engine::IndexDef> indexes{
        {QStringLiteral("main"),
         {QStringLiteral("Kod"), QStringLiteral("Lp")},
         QStringLiteral("po kodzie")},
        {QStringLiteral("fsktowar"),
         {QStringLiteral("Towar")},
         QStringLiteral("po numerze towaru")},
    };
    QStringList map;
    for (const engine::FieldDef& f : fields) {
        if (job.oldDefinition().fieldIndex(f.name) >= 0)
            map << f.name + u'=' + f.name;
    }
    job.rebuild(fields, indexes, map);
    job.execute();
}

}  // namespace

RestructureJob::RestructureJob(engine::Database& db, const QString& table)
    : db_(db), old_(db.tableDef(table)), new_(old_) {
    for (const engine::FieldDef& f : old_.fields)
        map_ << f.name + u'=' + f.name;
}

void RestructureJob::addField(const QString& name, engine::FieldType type, int size) {
    const int existing = new_.fieldIndex(name);
    if (existing >= 0)
        new_.fields.removeAt(existing);
    new_.fields.append({name, type, size, {}});
}

void RestructureJob::resizeField(const QString& name, int size) {
    const int i = new_.fieldIndex(name);
    if (i >= 0 && engine::isSizedType(new_.fields[i].type))
        new_.fields[i].size = size;
}

void RestructureJob::rebuild(const QList<engine::FieldDef>& fields,
                             const QList<engine::IndexDef>& indexes, const QStringList& fieldMap) {
    new_.fields = fields;
    new_.indexes = indexes;
    map_ = fieldMap;
}

void RestructureJob::execute() {
    db_.restructure(old_.name, new_, map_);
}

QList<UpgradeStep> upgradeStepsOf(const QString& table) {
    const QString name = table.toLower();
    if (name == u"firmy") {
        return {addFields(name, {field("Odbiera", FieldType::Byte)}), [](engine::Database& db) {
                    RestructureJob job(db, QStringLiteral("firmy"));
                    job.resizeField(QStringLiteral("Nazwa"), 200);
                    job.addField(QStringLiteral("KrotkaNazwa"), FieldType::String, 80);
                    job.execute();
                }};
    }
    if (name == u"towary") {
        return {[](engine::Database& db) {
                    RestructureJob job(db, QStringLiteral("towary"));
                    job.resizeField(QStringLiteral("Symbol"), 25);
                    job.resizeField(QStringLiteral("SWWKU"), 20);
                    job.addField(QStringLiteral("OpakowanieZwrotne"), FieldType::Boolean);
                    job.execute();
                },
                addFields(name, {field("NIPUE", FieldType::String, 25),
                                 field("Info1", FieldType::String, 250),
                                 field("Info2", FieldType::Memo)})};
    }
    if (name == u"faktury") {
        return {
            addFields(
                name,
                {field("Zamowienie", FieldType::String, 20), field("Miasto", FieldType::String, 30),
                 field("DokMag", FieldType::Int32), field("RodzajWydruku", FieldType::Byte)}),
            addFields(name, {field("Magazyn", FieldType::Int32), field("WZ", FieldType::Boolean),
                             field("Uwagi", FieldType::Memo)})};
    }
    if (name == u"magazynowe")
        return {addFields(name, {field("Opis", FieldType::String, 30)})};
    if (name == u"fspec")
        return {rebuildSalesLines, addFields(name, {field("KodP", FieldType::Int32)})};
    if (name == u"przelewy") {
        return {[](engine::Database& db) {
                    RestructureJob job(db, QStringLiteral("przelewy"));
                    job.resizeField(QStringLiteral("Tytul"), 100);
                    job.execute();
                },
                addFields(name, {field("KodPodatnika", FieldType::Int32),
                                 field("NumerPodatnika", FieldType::Int32)})};
    }
    return {};
}

void openWithUpgrades(engine::Table& table, const std::function<void(int step)>& onStep) {
    const QList<UpgradeStep> steps = upgradeStepsOf(table.tableName());
    for (int done = 0;; ++done) {
        try {
            table.open();
            return;
        } catch (const engine::Error&) {
            if (done >= steps.size())
                throw;
        }
        if (onStep)
            onStep(done + 1);
        steps[done](table.database());
    }
}

}  // namespace shell::company

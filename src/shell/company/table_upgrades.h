#pragma once
// Upgrading company tables written by older versions of the program. Nothing records a table's
// version: a table object that declares fields the stored table lacks (or holds shorter) fails
// to open, and that failure is the sign to restructure the table one step at a time. Records
// and the values of every field that stays are kept; new fields start empty.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "engine/definitions.h"

namespace engine {
class Database;
class Table;
}  // namespace engine

namespace shell::company {

// One restructuring of one table: starts from the table's stored layout and a field map that
// carries every field over under its own name, is changed by the operations below, and is
// carried out by execute().
class RestructureJob {
  public:
    RestructureJob(engine::Database& db, const QString& table);

    // Appends the field at the end, first taking out a field of that name (whose values the
    // map still carries over into the new one).
    void addField(const QString& name, engine::FieldType type, int size = 0);
    // Gives a text field a new size in its place; other fields are left as they are.
    void resizeField(const QString& name, int size);
    // Replaces the whole new layout and its field map.
    void rebuild(const QList<engine::FieldDef>& fields, const QList<engine::IndexDef>& indexes,
                 const QStringList& fieldMap);

    const engine::TableDef& oldDefinition() const { return old_; }
    const engine::TableDef& newDefinition() const { return new_; }
    const QStringList& fieldMap() const { return map_; }

    // Needs the table closed everywhere; throws the engine's error.
    void execute();

  private:
    engine::Database& db_;
    engine::TableDef old_;
    engine::TableDef new_;
    QStringList map_;
};

// The upgrade steps of a company table in the order they are tried; none for tables whose
// layout never changed.
using UpgradeStep = std::function<void(engine::Database&)>;
QList<UpgradeStep> upgradeStepsOf(const QString& table);

// Opens the table object. When that fails, runs the next upgrade step of its table and tries
// again, until the steps run out; the error of the last attempt (or of a step) is thrown.
// `onStep` hears the number (from 1) of each step before it runs.
void openWithUpgrades(engine::Table& table, const std::function<void(int step)>& onStep = {});

}  // namespace shell::company

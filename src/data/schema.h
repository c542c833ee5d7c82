#pragma once
// Definitions of every table the program creates: the twenty tables of a company database and
// the users table shared by all companies. Field order is the stored order, on which upgrading
// older tables relies.

#include <QList>
#include <QString>
#include <QStringList>

#include "engine/definitions.h"

namespace data {

// The twenty company tables in the order in which a new company creates them:
// towary, stawki, plspec, marze, faktury, fspec, grupy, towspec, magazynowe, magspec, partie,
// stany, partspec, remanent, zakupy, przelewy, platnicy, kasabank, firmy, opcjef
const QList<engine::TableDef>& companyTables();

// One company table by name (case ignored); nullptr when the name is not a company table.
const engine::TableDef* companyTable(const QString& name);

// uzytkowf, kept beside the program rather than in a company.
const engine::TableDef& usersTable();

// The 68 rights fields of uzytkowf followed by Zapas_1..Zapas_17, in stored order.
const QStringList& userRightNames();

}  // namespace data

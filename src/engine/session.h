#pragma once
// The engine's connection: a list of aliases, each naming a database folder, and the recovery
// of interrupted transactions in those folders. Aliases live for the run; the folders on disk
// are what lasts.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "engine/recovery.h"

namespace engine {

class Session {
  public:
    void addAlias(const QString& name, const QString& folder);  // replaces one of that name
    void deleteAlias(const QString& name);
    bool hasAlias(const QString& name) const;
    QString aliasPath(const QString& name) const;  // empty when unknown
    QStringList aliasNames() const;                // in the order they were added

    // Journals of interrupted transactions in the folders of all aliases.
    QList<InterruptedTransaction> findInterruptedTransactions() const;

  private:
    int find(const QString& name) const;
    QList<QPair<QString, QString>> aliases_;
};

}  // namespace engine

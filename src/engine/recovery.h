#pragma once
// Recovery of fail-safe transactions that an earlier run left behind. A fail-safe transaction
// keeps a journal file beside its database while it runs; finding one at start-up means the run
// stopped in the middle. The database itself is never half-written (its own write-ahead log sees
// to that); the journal only tells whether the interrupted transaction reached its commit.

#include <QString>
#include <QStringList>

#include <optional>

namespace engine {

struct InterruptedTransaction {
    QString databasePath;
    // True when the transaction had committed: its changes are kept and completed. False when
    // it had not: nothing of it remains.
    bool complete = false;
};

// Looks for the journal of an interrupted run beside a database file. A journal still held by a
// running transaction of another connection is not an interrupted one.
std::optional<InterruptedTransaction> findInterruptedTransaction(const QString& databasePath);

// The journals left in a folder (one per database file of the folder that has one).
QList<InterruptedTransaction> findInterruptedTransactionsIn(const QString& folder);

// Completes the recovery: moves the committed changes into the database file proper and removes
// the journal.
void finishRecovery(const InterruptedTransaction& found);

}  // namespace engine

#pragma once
// The one place where errors that nothing else handled become a message to the user.

#include <QString>

namespace shell {

inline const QString kSupportAddress = QStringLiteral("wsparcie@rolvan-m.pl");
// The beginning of the error text that stands for a database lost under the program.
inline const QString kConnectionLostError = QStringLiteral("Connection to the database was lost");

struct ErrorReaction {
    QString message;           // empty: nothing is shown
    bool endProgram = false;   // the connection to the database is lost
};

// The reaction to an error by the beginning of its text.
ErrorReaction reactionToError(const QString& errorText);

// Shows the reaction through the message service and ends the program when it says so.
void handleUncaughtError(const QString& errorText);

}  // namespace shell

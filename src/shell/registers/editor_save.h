#pragma once
// The save of a register's editor, the same for every register: checks in a fixed order, the
// first failing one stops the save with its message and puts the focus on its field; then one
// fail-safe transaction in which the checks that other users could have invalidated meanwhile
// (unique symbols, numbers) run again before anything is written.
//
// A check either refuses (an information box titled with the editor's caption) or asks (a
// yes/no question with the application's title, where "Tak" stops the save and "Nie" goes on).

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace shell::company {
class WriteHelper;
}
namespace shell {
class UserSession;
}

namespace shell::registers {

// What an editor was opened for.
enum class EditorMode { New, Edit, Duplicate, View, Delete };

struct Problem {
    QString message;
    QString field;          // the control that gets the focus
    bool question = false;  // ask instead of refusing
};
using Check = std::function<std::optional<Problem>()>;

// Runs `checks` in order. Returns the field of the check that stopped, or nothing when all passed.
std::optional<QString> runChecks(const QList<Check>& checks, const QString& caption);

struct SaveOutcome {
    bool saved = false;
    QString field;  // where the focus goes after a refusal (empty after a database error)
};

// runChecks(before); then, inside one fail-safe transaction, the checks of `inside` (which
// may only refuse) and `write`. A refusal inside leaves nothing written; an error of `write`
// rolls everything back and is reported by the write helper.
SaveOutcome saveWithChecks(company::WriteHelper& writer, const QList<Check>& before,
                           const QList<Check>& inside, const std::function<void()>& write,
                           const QString& caption);

// The right an editor mode needs ("Nowe_<x>", "Zmiana_<x>", "Kasowanie_<x>" for the register's
// suffix; duplicating counts as new, viewing needs none), checked with the rights message.
bool requireModeRight(UserSession& session, EditorMode mode, const QString& rightSuffix);

}  // namespace shell::registers

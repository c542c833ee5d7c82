#include "shell/registers/editor_save.h"

#include "shell/company/write_helpers.h"
#include "shell/messages.h"
#include "shell/users/user_session.h"

namespace shell::registers {

std::optional<QString> runChecks(const QList<Check>& checks, const QString& caption) {
    for (const Check& check : checks) {
        const std::optional<Problem> problem = check();
        if (!problem)
            continue;
        if (!problem->question) {
            showMessage(problem->message, caption);
            return problem->field;
        }
        if (askYes(problem->message))
            return problem->field;
    }
    return std::nullopt;
}

SaveOutcome saveWithChecks(company::WriteHelper& writer, const QList<Check>& before,
                           const QList<Check>& inside, const std::function<void()>& write,
                           const QString& caption) {
    if (std::optional<QString> field = runChecks(before, caption))
        return {false, *field};
    std::optional<Problem> refused;
    // A refusal inside writes nothing, so committing the empty transaction equals rolling it
    // back; the write helper then keeps its single error path for real failures.
    const bool done = writer.saveInTransaction([&] {
        for (const Check& check : inside) {
            refused = check();
            if (refused)
                return;
        }
        write();
    });
    if (refused) {
        showMessage(refused->message, caption);
        return {false, refused->field};
    }
    return {done, QString()};
}

bool requireModeRight(UserSession& session, EditorMode mode, const QString& rightSuffix) {
    switch (mode) {
        case EditorMode::New:
        case EditorMode::Duplicate:
            return session.requireRight(QStringLiteral("Nowe_") + rightSuffix);
        case EditorMode::Edit:
            return session.requireRight(QStringLiteral("Zmiana_") + rightSuffix);
        case EditorMode::Delete:
            return session.requireRight(QStringLiteral("Kasowanie_") + rightSuffix);
        case EditorMode::View:
            return true;
    }
    return false;
}

}  // namespace shell::registers

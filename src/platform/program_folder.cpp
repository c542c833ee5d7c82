#include "platform/program_folder.h"

#include <QDir>
#include <QProcessEnvironment>

namespace platform {

ProgramFolderChoice chooseProgramFolder(const QStringList& arguments, const QString& homeVariable,
                                        const QString& homeFolder) {
    ProgramFolderChoice choice;
    QString root;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--root") && i + 1 < arguments.size()) {
            root = arguments[++i];
        } else if (a.startsWith(QLatin1String("--root="))) {
            root = a.mid(7);
        } else {
            choice.remainingArguments << a;
        }
    }
    if (root.isEmpty()) root = homeVariable;
    if (root.isEmpty()) root = QDir(homeFolder).filePath(QStringLiteral(".local/share/rolvanm"));
    choice.folder = QDir::cleanPath(QDir(root).absolutePath());
    return choice;
}

ProgramFolderChoice chooseProgramFolder(const QStringList& arguments) {
    return chooseProgramFolder(arguments,
                               QProcessEnvironment::systemEnvironment().value(QStringLiteral("ROLVANM_HOME")),
                               QDir::homePath());
}

}  // namespace platform

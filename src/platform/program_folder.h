#pragma once
// The program folder: where the users database, the company folders (DANE), backups (ZAPAS),
// exported files and the machine settings live. Chosen by "--root DIR" on the command line,
// else by the environment variable ROLVANM_HOME, else ~/.local/share/rolvanm.

#include <QString>
#include <QStringList>

namespace platform {

struct ProgramFolderChoice {
    QString folder;
    QStringList remainingArguments;  // the command line without the program name and --root DIR
};

// `arguments` as QCoreApplication::arguments() gives them (program name first).
ProgramFolderChoice chooseProgramFolder(const QStringList& arguments, const QString& homeVariable,
                                        const QString& homeFolder);
// The same, reading the environment and the user's home folder.
ProgramFolderChoice chooseProgramFolder(const QStringList& arguments);

}  // namespace platform

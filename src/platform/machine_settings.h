#pragma once
// Per-machine values of the program (which company was open last, the preferences, the print
// dialogs' choices): string values kept in the file rolvanm.ini of the program folder.
// Reading never fails: an absent value or an unreadable file reads as empty text. Writing
// ignores errors.

#include <QString>

namespace platform {

class MachineSettings {
public:
    explicit MachineSettings(const QString& programFolder);

    QString readValue(const QString& name) const;
    void writeValue(const QString& name, const QString& text);

    const QString& filePath() const { return path_; }

private:
    QString path_;
};

}  // namespace platform

#include "platform/machine_settings.h"

#include <QDir>
#include <QSettings>

namespace platform {
namespace {
const QString kGroup = QStringLiteral("Rolvanm");
}

MachineSettings::MachineSettings(const QString& programFolder)
    : path_(QDir(programFolder).filePath(QStringLiteral("rolvanm.ini"))) {}

QString MachineSettings::readValue(const QString& name) const {
    QSettings s(path_, QSettings::IniFormat);
    return s.value(kGroup + QLatin1Char('/') + name).toString();
}

void MachineSettings::writeValue(const QString& name, const QString& text) {
    QSettings s(path_, QSettings::IniFormat);
    s.setValue(kGroup + QLatin1Char('/') + name, text);
    s.sync();
}

}  // namespace platform

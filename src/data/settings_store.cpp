#include "data/settings_store.h"

#include <QRegularExpression>

#include "common/dates.h"
#include "engine/error.h"
#include "engine/table.h"

namespace data {
namespace {

const QString kTrue = QStringLiteral("Tak");
const QString kFalse = QStringLiteral("Nie");

}  // namespace

SettingsStore::SettingsStore(engine::Table& opcjef) : table_(opcjef) {
    if (table_.indexName().compare(QLatin1String("main"), Qt::CaseInsensitive) != 0)
        table_.setIndexName(QStringLiteral("main"));
}

bool SettingsStore::positionOn(const QString& group, const QString& subgroup, const QString& name) {
    // An empty store answers at once, without a search.
    if (table_.isEmpty() && table_.recordCount() == 0)
        return false;
    return table_.findKey({group, subgroup, name});
}

QString SettingsStore::readSetting(const QString& group, const QString& subgroup,
                                   const QString& name) {
    try {
        if (positionOn(group, subgroup, name))
            return table_.fieldByName("Wartosc").asString();
    } catch (const engine::Error&) {
    }
    return {};
}

bool SettingsStore::readFlagSetting(bool defaultValue, const QString& group,
                                    const QString& subgroup, const QString& name) {
    try {
        if (positionOn(group, subgroup, name))
            return table_.fieldByName("Wartosc").asString() == kTrue;
    } catch (const engine::Error&) {
    }
    return defaultValue;
}

qint64 SettingsStore::readNumberSetting(const QString& group, const QString& subgroup,
                                        const QString& name) {
    static const QRegularExpression wholeNumber(QStringLiteral("^-?[0-9]+$"));
    const QString text = readSetting(group, subgroup, name).trimmed();
    if (!wholeNumber.match(text).hasMatch())
        return -1;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? n : -1;
}

QDate SettingsStore::readDateSetting(const QString& group, const QString& subgroup,
                                     const QString& name) {
    // Stored with the separator of the machine that wrote it, which travels with backups.
    static const QRegularExpression date(
        QStringLiteral("^\\s*(\\d{1,2})[./-](\\d{1,2})[./-](\\d{4})\\s*$"));
    const auto m = date.match(readSetting(group, subgroup, name));
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QByteArray SettingsStore::readPicture(const QString& group, const QString& subgroup,
                                      const QString& name) {
    try {
        if (positionOn(group, subgroup, name))
            return table_.fieldByName("Image").asBytes();
    } catch (const engine::Error&) {
    }
    return {};
}

bool SettingsStore::write(const QString& group, const QString& subgroup, const QString& name,
                          const QString* text, const QByteArray* picture) {
    try {
        if (positionOn(group, subgroup, name))
            table_.edit();
        else
            table_.append();
        table_.fieldByName("Grupa").setString(group);
        table_.fieldByName("Podgrupa").setString(subgroup);
        table_.fieldByName("Nazwa").setString(name);
        table_.fieldByName("Wartosc").setString(text ? *text : QString());
        if (picture)
            table_.fieldByName("Image").setBytes(*picture);
        table_.post();
        return true;
    } catch (const std::exception&) {
        try {
            table_.cancel();
        } catch (...) {
        }
        return false;
    }
}

bool SettingsStore::writeSetting(const QString& group, const QString& subgroup, const QString& name,
                                 const QString& text) {
    return write(group, subgroup, name, &text, nullptr);
}

bool SettingsStore::writeNumberSetting(const QString& group, const QString& subgroup,
                                       const QString& name, qint64 number) {
    return writeSetting(group, subgroup, name, QString::number(number));
}

bool SettingsStore::writeFlagSetting(const QString& group, const QString& subgroup,
                                     const QString& name, bool flag) {
    return writeSetting(group, subgroup, name, flag ? kTrue : kFalse);
}

bool SettingsStore::writeDateSetting(const QString& group, const QString& subgroup,
                                     const QString& name, const QDate& date) {
    return writeSetting(group, subgroup, name, common::formatDate(date));
}

bool SettingsStore::writePicture(const QString& group, const QString& subgroup, const QString& name,
                                 const QByteArray& picture) {
    return write(group, subgroup, name, nullptr, &picture);
}

qint64 SettingsStore::settingsCount() {
    try {
        return table_.recordCount();
    } catch (const engine::Error&) {
        return 0;
    }
}

bool SettingsStore::isDateInClosedPeriod(const QDate& date) {
    const QString group = QStringLiteral("Księga"), subgroup = QStringLiteral("Okresy"),
                  name = QStringLiteral("Zamknięty do");
    QDate closedTo(1980, 1, 1);
    if (!readSetting(group, subgroup, name).trimmed().isEmpty()) {
        closedTo = readDateSetting(group, subgroup, name);
        if (!closedTo.isValid())
            return false;
    }
    return date <= closedTo;
}

}  // namespace data

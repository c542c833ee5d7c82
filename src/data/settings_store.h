#pragma once
// The company's settings: one record of "opcjef" per option, addressed by group, subgroup and
// name (letter case ignored). Reads never fail: an empty store, a missing key or a value of the
// wrong form gives the reader's default. Writes never raise either, but they say whether they
// worked, so that a dialog saving many settings in one transaction can roll back on a failure.
// The writes start no transaction of their own.

#include <QByteArray>
#include <QDate>
#include <QString>

namespace engine {
class Table;
}

namespace data {

class SettingsStore {
  public:
    // `opcjef` is the open company's table object on "opcjef"; it must stay open while the
    // store is used, and its index is set to "main".
    explicit SettingsStore(engine::Table& opcjef);

    QString readSetting(const QString& group, const QString& subgroup, const QString& name);
    // True exactly when the stored text is "Tak" (with case); the default when absent.
    bool readFlagSetting(bool defaultValue, const QString& group, const QString& subgroup,
                         const QString& name);
    // -1 when absent or not a whole number.
    qint64 readNumberSetting(const QString& group, const QString& subgroup, const QString& name);
    // A date written by writeDateSetting on any machine: day, month and four-digit year
    // separated by ".", "-" or "/". Invalid when absent or unreadable.
    QDate readDateSetting(const QString& group, const QString& subgroup, const QString& name);
    QByteArray readPicture(const QString& group, const QString& subgroup, const QString& name);

    bool writeSetting(const QString& group, const QString& subgroup, const QString& name,
                      const QString& text);
    bool writeNumberSetting(const QString& group, const QString& subgroup, const QString& name,
                            qint64 number);
    bool writeFlagSetting(const QString& group, const QString& subgroup, const QString& name,
                          bool flag);
    // "dd/mm/yyyy" with the system's date separator.
    bool writeDateSetting(const QString& group, const QString& subgroup, const QString& name,
                          const QDate& date);
    // The picture goes into the record's Image field; its text stays empty.
    bool writePicture(const QString& group, const QString& subgroup, const QString& name,
                      const QByteArray& picture);

    qint64 settingsCount();
    // True when the date lies on or before the end of the closed period ("Księga" / "Okresy" /
    // "Zamknięty do", 1 January 1980 when empty); false after it or when that text is no date.
    bool isDateInClosedPeriod(const QDate& date);

  private:
    bool positionOn(const QString& group, const QString& subgroup, const QString& name);
    bool write(const QString& group, const QString& subgroup, const QString& name,
               const QString* text, const QByteArray* picture);

    engine::Table& table_;
};

}  // namespace data

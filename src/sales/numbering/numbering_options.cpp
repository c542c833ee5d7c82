#include "sales/numbering/numbering_options.h"

#include "data/settings_store.h"

namespace sales {
namespace {

QString read(data::SettingsStore& store, const SettingKey& key) {
    return store.readSetting(key.group, key.subgroup, key.name);
}

bool write(data::SettingsStore& store, const SettingKey& key, const QString& text) {
    return store.writeSetting(key.group, key.subgroup, key.name, text);
}

// An entry that was never written reads as an empty text; "1" is what it stands for.
qint64 readOrCreate(data::SettingsStore& store, const SettingKey& key, bool writeMissing) {
    if (read(store, key).isEmpty()) {
        if (writeMissing)
            write(store, key, QStringLiteral("1"));
        return 1;
    }
    const qint64 n = store.readNumberSetting(key.group, key.subgroup, key.name);
    return n < 0 ? 1 : n;
}

}  // namespace

void NumberingOptions::loadTemplates(data::SettingsStore& store) {
    for (int index : counterIndices()) {
        const QString stored = read(store, templateKey(index));
        templates[index] = stored.isEmpty() ? defaultTemplate(index) : stored;
    }
    mode = readNumberingMode(store);
}

void NumberingOptions::load(data::SettingsStore& store, bool writeMissing) {
    loadTemplates(store);
    for (int index : counterIndices()) {
        nextNumbers[index] = readOrCreate(store, counterKey(index), writeMissing);
        copies[index] = static_cast<int>(readOrCreate(store, copiesKey(index), writeMissing));
    }
}

bool NumberingOptions::save(data::SettingsStore& store) const {
    for (int index : counterIndices())
        if (!write(store, templateKey(index), templates.value(index, defaultTemplate(index))))
            return false;
    const SettingKey continuation = continuationKey(), monthly = monthlyKey();
    if (!store.writeFlagSetting(continuation.group, continuation.subgroup, continuation.name,
                                mode == NumberingMode::Continuation) ||
        !store.writeFlagSetting(monthly.group, monthly.subgroup, monthly.name,
                                mode == NumberingMode::MonthlyRestart))
        return false;
    for (int index : counterIndices()) {
        const SettingKey key = counterKey(index);
        if (!store.writeNumberSetting(key.group, key.subgroup, key.name,
                                      nextNumbers.value(index, 1)))
            return false;
    }
    for (int index : counterIndices()) {
        const SettingKey key = copiesKey(index);
        if (!store.writeNumberSetting(key.group, key.subgroup, key.name, copies.value(index, 1)))
            return false;
    }
    return true;
}

bool NumberingOptions::templatesFitMode() const {
    if (mode != NumberingMode::MonthlyRestart)
        return true;
    for (int index : counterIndices())
        if (!templates.value(index, defaultTemplate(index)).contains(u'&'))
            return false;
    return true;
}

}  // namespace sales

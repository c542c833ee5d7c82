#include "engine/session.h"

#include <QDir>

namespace engine {

int Session::find(const QString& name) const {
    for (int i = 0; i < aliases_.size(); ++i)
        if (aliases_[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Session::addAlias(const QString& name, const QString& folder) {
    const int i = find(name);
    if (i >= 0)
        aliases_[i].second = folder;
    else
        aliases_.append({name, folder});
}

void Session::deleteAlias(const QString& name) {
    const int i = find(name);
    if (i >= 0)
        aliases_.removeAt(i);
}

bool Session::hasAlias(const QString& name) const {
    return find(name) >= 0;
}

QString Session::aliasPath(const QString& name) const {
    const int i = find(name);
    return i >= 0 ? aliases_[i].second : QString();
}

QStringList Session::aliasNames() const {
    QStringList names;
    for (const auto& a : aliases_)
        names << a.first;
    return names;
}

QList<InterruptedTransaction> Session::findInterruptedTransactions() const {
    QList<InterruptedTransaction> out;
    QStringList seen;
    for (const auto& a : aliases_) {
        const QString folder = QDir(a.second).canonicalPath();
        if (folder.isEmpty() || seen.contains(folder))
            continue;
        seen << folder;
        out += findInterruptedTransactionsIn(folder);
    }
    return out;
}

}  // namespace engine

#include <algorithm>

#include "shell/companydata/tax_offices.h"

namespace shell::companydata {

QStringList taxOfficeEntries() {
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(taxOffices().size()));
    for (const TaxOffice& office : taxOffices())
        entries << QString::fromLatin1(office.code) + QLatin1Char(' ') +
                       QString::fromUtf8(office.name);
    return entries;
}

int taxOfficeIndex(const QString& codeOrEntry) {
    if (codeOrEntry.size() < 4)
        return -1;
    const QByteArray code = codeOrEntry.left(4).toLatin1();
    const std::span<const TaxOffice> offices = taxOffices();
    const auto it = std::lower_bound(offices.begin(), offices.end(), code,
                                     [](const TaxOffice& office, const QByteArray& key) {
                                         return key.compare(office.code) > 0;
                                     });
    if (it == offices.end() || code.compare(it->code) != 0)
        return -1;
    return static_cast<int>(it - offices.begin());
}

QString taxOfficeName(const QString& code) {
    if (code.size() != 4)
        return {};
    const int index = taxOfficeIndex(code);
    return index < 0 ? QString() : QString::fromUtf8(taxOffices()[static_cast<size_t>(index)].name);
}

}  // namespace shell::companydata

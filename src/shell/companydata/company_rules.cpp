#include "shell/companydata/company_rules.h"

#include <QVariant>

#include <algorithm>

#include "common/identifiers.h"
#include "common/text_utils.h"
#include "engine/table.h"

namespace shell::companydata {

TaxNumberCheck checkTaxNumber(const QString& text) {
    if (common::isBlank(text) || common::isValidNIP(text))
        return {text, {}};
    // The bare numbers are stored like the labelled ones: the label and the digits alone, so
    // that blanks typed inside the number do not make it longer than the field.
    if (common::isValidPESEL(text) || common::isPESELEntry(text))
        return {common::formatPESELEntry(text), {}};
    if (common::isValidREGON(text) || common::isREGONEntry(text))
        return {common::formatREGONEntry(text), {}};

    QString kind = QStringLiteral("NIP");
    if (text.startsWith(QLatin1Char('P'), Qt::CaseInsensitive))
        kind = QStringLiteral("PESEL");
    else if (text.startsWith(QLatin1Char('R'), Qt::CaseInsensitive))
        kind = QStringLiteral("REGON");
    return {text, QStringLiteral("Numer %1 prawdopodobnie nie jest prawidłowy. Czy chcesz go "
                                 "zmienić?")
                      .arg(kind)};
}

QList<int> accountPositionsInUse(engine::Table& kasabank) {
    QList<int> positions;
    for (int p = 0; p < CompanyInfo::kAccountRows; ++p) {
        if (kasabank.findKey({QVariant(kBankCashBase + p)}))
            positions << p;
    }
    return positions;
}

bool accountsKeepPositions(const QList<BankAccount>& rows, const QList<int>& positionsInUse) {
    int last = -1;
    for (int p : positionsInUse)
        last = std::max(last, p);
    if (last < 0)
        return true;
    if (rows.size() <= last)
        return false;
    // The rows up to the last account in use must all survive; then none of them moves.
    return compactAccounts(rows.mid(0, last + 1)).size() == last + 1;
}

}  // namespace shell::companydata

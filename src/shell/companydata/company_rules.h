#pragma once
// The checks of the company data dialog's "Ok" that need no window: the tax number and the
// bank accounts. The dialog asks and tells the user; these say what to ask and tell.

#include <QList>
#include <QString>

#include <optional>

#include "shell/companydata/company_info.h"

namespace engine {
class Table;
}

namespace shell::companydata {

inline const QString kNameTooLongMessage =
    QStringLiteral("Za długa nazwa firmy (więcej niż 3 linie).");
inline const QString kAccountInUseMessage = QStringLiteral(
    "Nie można usunąć rachunku, na którym są zapisy w rejestrze bankowym,\r"
    "ani rachunku umieszczonego przed nim.");

struct TaxNumberCheck {
    // The text to save: the typed one, or its completed form.
    QString text;
    // Empty when the text passed; otherwise the question whether the user wants to change it.
    QString question;
};

// A blank tax number passes as it is. Otherwise, in this order: a valid NIP stays; a bare valid
// PESEL or REGON gets its label ("PESEL:", "REGON: "); a labelled one is written in the stored
// form. Anything else is doubtful, and the question names the identifier the text seems to be
// (by its first letter).
TaxNumberCheck checkTaxNumber(const QString& text);

// The accounts of the bank register are told apart by their position in the account list
// (counting from 0): its entries carry `Kasa` = kBankCashBase + position.
constexpr int kBankCashBase = 10000;

// The positions (0 to CompanyInfo::kAccountRows - 1) whose account has entries in the bank
// register. `kasabank` must be open on an index that starts with `Kasa`, without a range or
// filter; its position is lost. Throws engine::Error when the table cannot be read.
QList<int> accountPositionsInUse(engine::Table& kasabank);

// Saving `rows` keeps every account in use at its position: each grid row up to and including
// that position must survive compactAccounts, so that no account moves up into the place of
// another. Editing the texts of a surviving row is allowed.
bool accountsKeepPositions(const QList<BankAccount>& rows, const QList<int>& positionsInUse);

}  // namespace shell::companydata

#pragma once
// The seller: the data of the company whose database is open, as the company data dialog edits
// them and as every printout, transfer, sales window and JPK file reads them. load() fills the
// object from the company's settings, save() writes it back; both cover every value the dialog
// shows, so a part that needs the seller can load its own copy without the dialog.

#include <QList>
#include <QString>
#include <QStringList>

namespace data {
class SettingsStore;
}

namespace shell::companydata {

// What kind of seller the company is; the numbers are the stored ones.
enum class SellerKind {
    VatInvoices = 1,          // VAT payer issuing invoices
    VatInvoicesAndBills = 2,  // VAT payer issuing invoices and plain bills
    BillsOnly = 3,            // not a VAT payer, issues plain bills
};

struct BankAccount {
    QString bank;
    QString number;

    bool operator==(const BankAccount&) const = default;
};

// The address data the JPK files need.
struct JpkAddress {
    QString fullName;
    QString country = QStringLiteral("PL");
    int province = -1;  // index in provinceNames(), -1 for none
    QString county;
    QString commune;
    QString street;
    QString houseNumber;
    QString flatNumber;
    QString town;
    QString postcode;
    QString postOffice;
    QString email;
    QString taxOffice;  // the office's four-digit code; empty when none was ever chosen

    bool operator==(const JpkAddress&) const = default;
};

struct CompanyInfo {
    static constexpr int kNameLines = 3;
    static constexpr int kAccountRows = 19;

    // The name as it is printed: one to three lines, without trailing blank lines (except the
    // first, which is always there).
    QStringList nameLines{QString()};
    QString street;
    QString postcodeTown;  // postcode and town in one text
    QString telephone;
    QString taxNumber;  // a NIP, or a PESEL or REGON after its label
    QString shortName;  // for payment and transfer forms; empty: the full name is used
    bool shortNameHasAddress = true;
    SellerKind kind = SellerKind::VatInvoices;
    bool receipts = false;  // issues (non-fiscal) receipts
    bool cashAccounting = false;
    bool reverseCharge = false;
    // The rows of the accounts grid, always kAccountRows of them. Only the leading rows up to
    // the first incomplete one are accounts (accounts()).
    QList<BankAccount> accountRows = QList<BankAccount>(kAccountRows);
    JpkAddress jpk;

    bool operator==(const CompanyInfo&) const = default;

    // Replaces every value by the stored one (LoadCompanyData). Values absent from the store
    // take the defaults above; the telephone of a company without street, town and telephone
    // is "Tel.", as a hint of what goes there.
    void load(data::SettingsStore& store);
    // Writes every value, stopping at the first write that fails (then false). Runs no
    // transaction of its own: the caller wraps it in one and rolls back on false.
    bool save(data::SettingsStore& store) const;

    QString name() const { return nameLines.join(QLatin1Char('\r')); }
    int nameLineCount() const { return static_cast<int>(nameLines.size()); }
    // The company recognised as the program's sample data, which may not be changed.
    bool isSampleCompany() const;

    // The accounts: the grid rows from the first, up to the first row where the bank or the
    // number is blank.
    QList<BankAccount> accounts() const;
    // The same as single texts: the bank, a blank and the number.
    QStringList accountEntries() const;

    bool sameSellerKindAndFlags(const CompanyInfo& other) const {
        return kind == other.kind && receipts == other.receipts &&
               cashAccounting == other.cashAccounting && reverseCharge == other.reverseCharge;
    }
};

// The provinces as the JPK files write them; the stored province is an index into this list.
const QStringList& provinceNames();

// A stored name text (lines separated by CR; LF ignored) as name lines: at most three, trailing
// blank lines dropped but never the first.
QStringList nameLinesFromText(const QString& text);

// The account rows as they are stored: every backslash becomes a blank, and a row counts only
// when neither its bank nor its number is blank; the rows that count come out in order and
// without gaps, so the account numbers of the rows after a dropped one move up.
QList<BankAccount> compactAccounts(const QList<BankAccount>& rows);

}  // namespace shell::companydata

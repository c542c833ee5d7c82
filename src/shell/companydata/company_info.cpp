#include "shell/companydata/company_info.h"

#include "common/text_utils.h"
#include "data/settings_store.h"
#include "shell/companydata/tax_offices.h"

namespace shell::companydata {
namespace {

const QString kInvoice = QStringLiteral("Faktura");
const QString kCaptions = QStringLiteral("Napisy");
const QString kName = QStringLiteral("Firma");
const QString kCompanyLines = QStringLiteral("Dane firmy");

const QString kProgram = QStringLiteral("Rolvan");
const QString kConfiguration = QStringLiteral("Konfiguracja");
const QString kHasAddress = QStringLiteral("Zawiera adres");
const QString kKind = QStringLiteral("Rodzaj firmy");
const QString kReceipts = QStringLiteral("Wystawia paragony");
const QString kCashAccounting = QStringLiteral("Metoda kasowa");
const QString kReverseCharge = QStringLiteral("Odwrotne obciążenie");
const QString kAccountBank = QStringLiteral("Konto bank");
const QString kAccountNumber = QStringLiteral("Konto numer");

const QString kJpkGroup = QStringLiteral("US");
const QString kJpkSubgroup = QStringLiteral("Dane");
const QString kJpkFullName = QStringLiteral("Pelna nazwa");
const QString kJpkCountry = QStringLiteral("Kraj");
const QString kJpkProvince = QStringLiteral("Wojewodztwo");
const QString kJpkCounty = QStringLiteral("Powiat");
const QString kJpkCommune = QStringLiteral("Gmina");
const QString kJpkStreet = QStringLiteral("Ulica");
const QString kJpkHouse = QStringLiteral("Numer domu");
const QString kJpkFlat = QStringLiteral("Numer lokalu");
const QString kJpkTown = QStringLiteral("Miasto");
const QString kJpkPostcode = QStringLiteral("Kod");
const QString kJpkPostOffice = QStringLiteral("Poczta");
const QString kJpkEmail = QStringLiteral("Email");
const QString kJpkTaxOffice = QStringLiteral("Urzad");

const QString kNo = QStringLiteral("Nie");
const QString kDefaultCountry = QStringLiteral("PL");
const QString kTelephoneHint = QStringLiteral("Tel.");

// "Dane firmy": street, postcode and town, telephone, tax number, two lines that older data
// used for the bank and the account, and the short name.
constexpr int kCompanyLineCount = 7;
constexpr int kLegacyBankLine = 4;
constexpr int kLegacyNumberLine = 5;
constexpr int kShortNameLine = 6;

QStringList splitStoredLines(const QString& text) {
    QString withoutLf = text;
    withoutLf.remove(QLatin1Char('\n'));
    return withoutLf.split(QLatin1Char('\r'));
}

SellerKind kindFromNumber(qint64 number) {
    switch (number) {
        case 2:
            return SellerKind::VatInvoicesAndBills;
        case 3:
            return SellerKind::BillsOnly;
        default:
            return SellerKind::VatInvoices;
    }
}

// Writes one setting after another until one fails.
class Writer {
  public:
    explicit Writer(data::SettingsStore& store) : store_(store) {}

    Writer& text(const QString& group, const QString& subgroup, const QString& name,
                 const QString& value) {
        ok_ = ok_ && store_.writeSetting(group, subgroup, name, value);
        return *this;
    }
    Writer& number(const QString& group, const QString& subgroup, const QString& name,
                   qint64 value) {
        ok_ = ok_ && store_.writeNumberSetting(group, subgroup, name, value);
        return *this;
    }
    Writer& flag(const QString& group, const QString& subgroup, const QString& name, bool value) {
        ok_ = ok_ && store_.writeFlagSetting(group, subgroup, name, value);
        return *this;
    }
    bool ok() const { return ok_; }

  private:
    data::SettingsStore& store_;
    bool ok_ = true;
};

}  // namespace

const QStringList& provinceNames() {
    static const QStringList names{
        QStringLiteral("DOLNOSLASKIE"),   QStringLiteral("KUJAWSKO-POMORSKIE"),
        QStringLiteral("LUBELSKIE"),      QStringLiteral("LUBUSKIE"),
        QStringLiteral("LODZKIE"),        QStringLiteral("MALOPOLSKIE"),
        QStringLiteral("MAZOWIECKIE"),    QStringLiteral("OPOLSKIE"),
        QStringLiteral("PODKARPACKIE"),   QStringLiteral("PODLASKIE"),
        QStringLiteral("POMORSKIE"),      QStringLiteral("SLASKIE"),
        QStringLiteral("SWIETOKRZYSKIE"), QStringLiteral("WARMINSKO-MAZURSKIE"),
        QStringLiteral("WIELKOPOLSKIE"),  QStringLiteral("ZACHODNIOPOMORSKIE"),
    };
    return names;
}

QStringList nameLinesFromText(const QString& text) {
    QStringList lines = splitStoredLines(text).mid(0, CompanyInfo::kNameLines);
    while (lines.size() > 1 && common::isBlank(lines.last()))
        lines.removeLast();
    return lines;
}

QList<BankAccount> compactAccounts(const QList<BankAccount>& rows) {
    QList<BankAccount> kept;
    for (const BankAccount& row : rows) {
        BankAccount account{row.bank, row.number};
        account.bank.replace(QLatin1Char('\\'), QLatin1Char(' '));
        account.number.replace(QLatin1Char('\\'), QLatin1Char(' '));
        if (!common::isBlank(account.bank) && !common::isBlank(account.number))
            kept << account;
    }
    return kept;
}

void CompanyInfo::load(data::SettingsStore& store) {
    *this = CompanyInfo();

    nameLines = nameLinesFromText(store.readSetting(kInvoice, kCaptions, kName));

    QStringList lines = splitStoredLines(store.readSetting(kInvoice, kCaptions, kCompanyLines));
    while (lines.size() < kCompanyLineCount)
        lines << QString();
    street = lines[0];
    postcodeTown = lines[1];
    telephone = lines[2];
    taxNumber = lines[3];
    shortName = lines[kShortNameLine];
    if (street.isEmpty() && postcodeTown.isEmpty() && telephone.isEmpty())
        telephone = kTelephoneHint;

    shortNameHasAddress = store.readSetting(kProgram, kConfiguration, kHasAddress) != kNo;
    kind = kindFromNumber(store.readNumberSetting(kProgram, kConfiguration, kKind));
    receipts = store.readFlagSetting(false, kProgram, kConfiguration, kReceipts);
    cashAccounting = store.readFlagSetting(false, kProgram, kConfiguration, kCashAccounting);
    reverseCharge = store.readFlagSetting(false, kProgram, kConfiguration, kReverseCharge);

    // Older data kept one account in the company lines; it shows as the first row until a
    // stored account replaces it, and saving turns it into account 1.
    accountRows[0] = {lines[kLegacyBankLine], lines[kLegacyNumberLine]};
    for (int n = 1; n <= kAccountRows; ++n) {
        const QString bank = store.readSetting(kProgram, kAccountBank, QString::number(n));
        const QString number = store.readSetting(kProgram, kAccountNumber, QString::number(n));
        if (common::isBlank(bank) || common::isBlank(number))
            break;
        accountRows[n - 1] = {bank, number};
    }

    jpk.fullName = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkFullName);
    // The dialog outlives the company it was loaded for; an absent country must not inherit
    // the previous company's.
    jpk.country = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkCountry);
    if (common::trim(jpk.country).isEmpty())
        jpk.country = kDefaultCountry;
    const qint64 province = store.readNumberSetting(kJpkGroup, kJpkSubgroup, kJpkProvince);
    jpk.province =
        province >= 0 && province < provinceNames().size() ? static_cast<int>(province) : -1;
    jpk.county = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkCounty);
    jpk.commune = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkCommune);
    jpk.street = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkStreet);
    jpk.houseNumber = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkHouse);
    jpk.flatNumber = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkFlat);
    jpk.town = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkTown);
    jpk.postcode = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkPostcode);
    jpk.postOffice = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkPostOffice);
    jpk.email = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkEmail);
    jpk.taxOffice = store.readSetting(kJpkGroup, kJpkSubgroup, kJpkTaxOffice);
}

bool CompanyInfo::save(data::SettingsStore& store) const {
    Writer w(store);
    const QString cr(QLatin1Char('\r'));
    w.text(kInvoice, kCaptions, kName, name());
    // Lines 5 and 6 stay empty: the accounts have settings of their own.
    w.text(kInvoice, kCaptions, kCompanyLines,
           street + cr + postcodeTown + cr + telephone + cr + taxNumber + cr + cr + cr + shortName +
               cr);

    w.flag(kProgram, kConfiguration, kHasAddress, shortNameHasAddress);
    w.number(kProgram, kConfiguration, kKind, static_cast<int>(kind));
    w.flag(kProgram, kConfiguration, kReceipts, receipts);
    w.flag(kProgram, kConfiguration, kCashAccounting, cashAccounting);
    w.flag(kProgram, kConfiguration, kReverseCharge, reverseCharge);

    const QList<BankAccount> kept = compactAccounts(accountRows);
    for (int n = 1; n <= kAccountRows; ++n) {
        const BankAccount account = n <= kept.size() ? kept[n - 1] : BankAccount();
        w.text(kProgram, kAccountBank, QString::number(n), account.bank);
        w.text(kProgram, kAccountNumber, QString::number(n), account.number);
    }

    w.text(kJpkGroup, kJpkSubgroup, kJpkFullName, jpk.fullName);
    w.text(kJpkGroup, kJpkSubgroup, kJpkCountry, jpk.country);
    w.number(kJpkGroup, kJpkSubgroup, kJpkProvince, jpk.province);
    w.text(kJpkGroup, kJpkSubgroup, kJpkCounty, jpk.county);
    w.text(kJpkGroup, kJpkSubgroup, kJpkCommune, jpk.commune);
    w.text(kJpkGroup, kJpkSubgroup, kJpkStreet, jpk.street);
    w.text(kJpkGroup, kJpkSubgroup, kJpkHouse, jpk.houseNumber);
    w.text(kJpkGroup, kJpkSubgroup, kJpkFlat, jpk.flatNumber);
    w.text(kJpkGroup, kJpkSubgroup, kJpkTown, jpk.town);
    w.text(kJpkGroup, kJpkSubgroup, kJpkPostcode, jpk.postcode);
    w.text(kJpkGroup, kJpkSubgroup, kJpkPostOffice, jpk.postOffice);
    w.text(kJpkGroup, kJpkSubgroup, kJpkEmail, jpk.email);
    // A code that names no office (none chosen yet, or one the list no longer has) leaves the
    // stored code as it is.
    if (taxOfficeIndex(jpk.taxOffice) >= 0 && jpk.taxOffice.size() == 4)
        w.text(kJpkGroup, kJpkSubgroup, kJpkTaxOffice, jpk.taxOffice);
    return w.ok();
}

bool CompanyInfo::isSampleCompany() const {
    return name() == QStringLiteral("Firma Przykładowa") &&
           taxNumber == QStringLiteral("777-777-77-77");
}

QList<BankAccount> CompanyInfo::accounts() const {
    QList<BankAccount> out;
    for (const BankAccount& row : accountRows) {
        if (common::isBlank(row.bank) || common::isBlank(row.number))
            break;
        out << row;
    }
    return out;
}

QStringList CompanyInfo::accountEntries() const {
    QStringList out;
    for (const BankAccount& account : accounts())
        out << account.bank + QLatin1Char(' ') + account.number;
    return out;
}

}  // namespace shell::companydata

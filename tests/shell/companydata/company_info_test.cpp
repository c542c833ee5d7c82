#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "companydata_fixture.h"
#include "shell/companydata/company_info.h"
#include "shell/companydata/company_rules.h"
#include "shell/companydata/tax_offices.h"

using namespace shell::companydata;
using companydatatest::CompanyDataTest;

namespace {

const QString kRolvan = QStringLiteral("Rolvan");
const QString kConf = QStringLiteral("Konfiguracja");
const QString kFaktura = QStringLiteral("Faktura");
const QString kNapisy = QStringLiteral("Napisy");

class CompanyInfoTest : public CompanyDataTest {
  protected:
    CompanyInfo loaded() {
        CompanyInfo info;
        auto s = store();
        info.load(s);
        return info;
    }
    bool save(const CompanyInfo& info) {
        auto s = store();
        return info.save(s);
    }
    QString bank(int n) { return read(kRolvan, QStringLiteral("Konto bank"), QString::number(n)); }
    QString number(int n) {
        return read(kRolvan, QStringLiteral("Konto numer"), QString::number(n));
    }
};

CompanyInfo fullInfo() {
    CompanyInfo info;
    info.nameLines = {QStringLiteral("Hurtownia \"Pod Lipą\""), QStringLiteral("sp. z o.o.")};
    info.street = QStringLiteral("ul. Polna 12");
    info.postcodeTown = QStringLiteral("00-950 Warszawa");
    info.telephone = QStringLiteral("22 123 45 67");
    info.taxNumber = QStringLiteral("526-025-09-95");
    info.shortName = QStringLiteral("Pod Lipą");
    info.shortNameHasAddress = false;
    info.kind = SellerKind::VatInvoicesAndBills;
    info.receipts = true;
    info.cashAccounting = true;
    info.reverseCharge = true;
    info.accountRows[0] = {QStringLiteral("Bank Polski"), QStringLiteral("11 2222 3333")};
    info.accountRows[1] = {QStringLiteral("Bank Drugi"), QStringLiteral("44 5555 6666")};
    info.jpk = {QStringLiteral("Hurtownia Pod Lipą sp. z o.o."),
                QStringLiteral("PL"),
                6,
                QStringLiteral("warszawski"),
                QStringLiteral("Warszawa"),
                QStringLiteral("Polna"),
                QStringLiteral("12"),
                QStringLiteral("3a"),
                QStringLiteral("Warszawa"),
                QStringLiteral("00-950"),
                QStringLiteral("Warszawa"),
                QStringLiteral("biuro@example.pl"),
                QStringLiteral("1471")};
    return info;
}

}  // namespace

TEST_F(CompanyInfoTest, AFreshCompanyShowsTheDefaults) {
    const CompanyInfo info = loaded();
    EXPECT_EQ(info.nameLines, QStringList{QString()});
    EXPECT_EQ(info.nameLineCount(), 1);
    EXPECT_EQ(info.telephone, "Tel.");
    EXPECT_EQ(info.kind, SellerKind::VatInvoices);
    EXPECT_TRUE(info.shortNameHasAddress);
    EXPECT_FALSE(info.receipts || info.cashAccounting || info.reverseCharge);
    EXPECT_TRUE(info.accounts().isEmpty());
    EXPECT_EQ(info.accountRows.size(), CompanyInfo::kAccountRows);
    EXPECT_EQ(info.jpk.country, "PL");
    EXPECT_EQ(info.jpk.province, -1);
    EXPECT_TRUE(info.jpk.taxOffice.isEmpty());
}

TEST_F(CompanyInfoTest, SavedDataLoadAsTheyWereAndAreStoredInTheirForms) {
    const CompanyInfo info = fullInfo();
    ASSERT_TRUE(save(info));
    EXPECT_EQ(loaded(), info);

    EXPECT_EQ(read(kFaktura, kNapisy, "Firma"), "Hurtownia \"Pod Lipą\"\rsp. z o.o.");
    EXPECT_EQ(read(kFaktura, kNapisy, "Dane firmy"),
              "ul. Polna 12\r00-950 Warszawa\r22 123 45 67\r526-025-09-95\r\r\rPod Lipą\r");
    EXPECT_EQ(read(kRolvan, kConf, "Zawiera adres"), "Nie");
    EXPECT_EQ(read(kRolvan, kConf, "Rodzaj firmy"), "2");
    EXPECT_EQ(read(kRolvan, kConf, "Wystawia paragony"), "Tak");
    EXPECT_EQ(read(kRolvan, kConf, u"Odwrotne obciążenie"_qs), "Tak");
    EXPECT_EQ(read("US", "Dane", "Wojewodztwo"), "6");
    EXPECT_EQ(read("US", "Dane", "Urzad"), "1471");
    EXPECT_EQ(read("US", "Dane", "Numer lokalu"), "3a");
}

TEST_F(CompanyInfoTest, StoredTextsAreReadAsTheDialogShowsThem) {
    struct Case {
        const char* firma;
        QStringList lines;
    };
    const Case names[] = {
        {"Alfa\rBeta\r\r", {"Alfa", "Beta"}},  // trailing empty lines go
        {"Alfa\r  \r", {"Alfa"}},              // and blank ones
        {"\r\r", {""}},                        // but never the first
        {"A\rB\rC\rD", {"A", "B", "C"}},       // three lines at most
        {"A\r\nB\r\n", {"A", "B"}},            // LF is no line break
        {"  \rB", {"  ", "B"}},                // a blank first line with text after stays
    };
    for (const Case& c : names) {
        write(kFaktura, kNapisy, "Firma", QString::fromUtf8(c.firma));
        const CompanyInfo info = loaded();
        EXPECT_EQ(info.nameLines, c.lines) << c.firma;
        EXPECT_EQ(info.nameLineCount(), c.lines.size()) << c.firma;
    }

    struct Kind {
        const char* stored;
        SellerKind kind;
    };
    for (const Kind& c :
         {Kind{"1", SellerKind::VatInvoices}, Kind{"2", SellerKind::VatInvoicesAndBills},
          Kind{"3", SellerKind::BillsOnly}, Kind{"4", SellerKind::VatInvoices},
          Kind{"x", SellerKind::VatInvoices}}) {
        write(kRolvan, kConf, "Rodzaj firmy", c.stored);
        EXPECT_EQ(loaded().kind, c.kind) << c.stored;
    }

    // The flags count only when written exactly as the program writes them; the form name
    // contains the address unless told otherwise.
    write(kRolvan, kConf, "Wystawia paragony", "tak");
    write(kRolvan, kConf, "Metoda kasowa", "Tak");
    write(kRolvan, kConf, "Zawiera adres", "");
    CompanyInfo info = loaded();
    EXPECT_FALSE(info.receipts);
    EXPECT_TRUE(info.cashAccounting);
    EXPECT_TRUE(info.shortNameHasAddress);

    // The telephone hint only when the whole address is empty; short lines read as empty.
    write(kFaktura, kNapisy, "Dane firmy", "\r00-950 Warszawa");
    info = loaded();
    EXPECT_EQ(info.telephone, "");
    EXPECT_EQ(info.postcodeTown, "00-950 Warszawa");
    EXPECT_EQ(info.shortName, "");

    // A province out of the list is none.
    write("US", "Dane", "Wojewodztwo", "16");
    EXPECT_EQ(loaded().jpk.province, -1);
}

TEST_F(CompanyInfoTest, AnAbsentCountryIsPolandNotThePreviousCompanys) {
    CompanyInfo info;
    write("US", "Dane", "Kraj", "DE");
    {
        auto s = store();
        info.load(s);
    }
    EXPECT_EQ(info.jpk.country, "DE");

    QTemporaryDir other;
    auto second = companydatatest::openCompany(other.path());
    data::SettingsStore secondStore(second->TableOpcje);
    info.load(secondStore);
    EXPECT_EQ(info.jpk.country, "PL");

    // Stored empty counts as absent.
    ASSERT_TRUE(secondStore.writeSetting("US", "Dane", "Kraj", ""));
    info.jpk.country = "CZ";
    info.load(secondStore);
    EXPECT_EQ(info.jpk.country, "PL");
}

TEST_F(CompanyInfoTest, AccountsAreReadUpToTheFirstIncompleteOne) {
    // Older data kept one account in lines 5 and 6 of the company lines.
    write(kFaktura, kNapisy, "Dane firmy", "Polna 1\r\r\r\rStary Bank\r99 0000\rKrótka\r");
    CompanyInfo info = loaded();
    EXPECT_EQ(info.accounts(), (QList<BankAccount>{{"Stary Bank", "99 0000"}}));
    EXPECT_EQ(info.shortName, u"Krótka"_qs);

    // Saving turns it into account 1 and empties those lines.
    ASSERT_TRUE(save(info));
    EXPECT_EQ(bank(1), "Stary Bank");
    EXPECT_EQ(read(kFaktura, kNapisy, "Dane firmy"), u"Polna 1\r\r\r\r\r\rKrótka\r"_qs);

    // A stored account 1 takes the place of the old one; reading stops at a blank bank or number.
    write(kRolvan, "Konto bank", "1", "A");
    write(kRolvan, "Konto numer", "1", "1");
    write(kRolvan, "Konto bank", "2", "B");
    write(kRolvan, "Konto numer", "2", " ");
    write(kRolvan, "Konto bank", "3", "C");
    write(kRolvan, "Konto numer", "3", "3");
    write(kFaktura, kNapisy, "Dane firmy", "\r\r\r\rStary Bank\r99 0000\r\r");
    info = loaded();
    EXPECT_EQ(info.accounts(), (QList<BankAccount>{{"A", "1"}}));
    EXPECT_EQ(info.accountRows[1], BankAccount());
    EXPECT_EQ(info.accountRows[2], BankAccount());
    EXPECT_EQ(info.accountEntries(), QStringList{"A 1"});
}

TEST_F(CompanyInfoTest, SavedAccountsCloseTheGapsOfEmptiedRows) {
    CompanyInfo info;
    for (int n = 0; n < 3; ++n)
        info.accountRows[n] = {QStringLiteral("Bank %1").arg(n), QString::number(n)};
    ASSERT_TRUE(save(info));
    EXPECT_EQ(bank(3), "Bank 2");

    info.accountRows = QList<BankAccount>(CompanyInfo::kAccountRows);
    info.accountRows[0] = {"A", "1"};
    info.accountRows[1] = {"", "2"};
    info.accountRows[2] = {"B\\Oddział", "3\\4"};
    ASSERT_TRUE(save(info));
    EXPECT_EQ(QStringList({bank(1), number(1), bank(2), number(2)}),
              QStringList({"A", "1", u"B Oddział"_qs, "3 4"}));
    for (int n = 3; n <= CompanyInfo::kAccountRows; ++n) {
        EXPECT_EQ(bank(n), "") << n;
        EXPECT_EQ(number(n), "") << n;
    }
    EXPECT_EQ(loaded().accounts().size(), 2);
}

TEST(CompactAccounts, KeepsCompleteRowsInOrder) {
    struct Case {
        QList<BankAccount> rows;
        QList<BankAccount> kept;
    };
    const Case cases[] = {
        {{{"A", "1"}, {"", "2"}, {"B", "3"}}, {{"A", "1"}, {"B", "3"}}},
        {{{"A", ""}, {"  ", "2"}, {"\\", "3"}, {"C", "\r"}}, {}},  // a backslash alone is blank
        {{{"A\\B", "1\\2"}}, {{"A B", "1 2"}}},
        {{{}, {}, {"Z", "9"}}, {{"Z", "9"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(compactAccounts(c.rows), c.kept);
}

TEST(CheckTaxNumber, KeepsCompletesOrQuestionsTheNumber) {
    const QString nip =
        QStringLiteral("Numer NIP prawdopodobnie nie jest prawidłowy. Czy chcesz go zmienić?");
    const QString pesel =
        QStringLiteral("Numer PESEL prawdopodobnie nie jest prawidłowy. Czy chcesz go zmienić?");
    const QString regon =
        QStringLiteral("Numer REGON prawdopodobnie nie jest prawidłowy. Czy chcesz go zmienić?");
    struct Case {
        QString typed;
        QString saved;
        QString question;
    };
    const Case cases[] = {
        {"", "", ""},
        {"   ", "   ", ""},
        {"526-025-09-95", "526-025-09-95", ""},
        {"PL 5260250995", "PL 5260250995", ""},
        {"44051401359", "PESEL:44051401359", ""},
        {"440514 01359", "PESEL:44051401359", ""},
        {"123456785", "REGON: 123456785", ""},
        {"123 456 785", "REGON: 123456785", ""},
        {"pesel 440 514 013 59", "PESEL:44051401359", ""},
        {"REGON:123 456 785", "REGON: 123456785", ""},
        {"526-025-09-94", "526-025-09-94", nip},
        {"PESEL:44051401358", "PESEL:44051401358", pesel},
        {"p123", "p123", pesel},
        {"regon 123456784", "regon 123456784", regon},
        {" PESEL:44051401358", " PESEL:44051401358", nip},  // named by its first character
    };
    for (const Case& c : cases) {
        const TaxNumberCheck check = checkTaxNumber(c.typed);
        EXPECT_EQ(check.text, c.saved) << c.typed.toStdString();
        EXPECT_EQ(check.question, c.question) << c.typed.toStdString();
    }
}

TEST(AccountsKeepPositions, RefusesToMoveAnAccountThatHasEntries) {
    QList<BankAccount> rows(CompanyInfo::kAccountRows);
    rows[0] = {"A", "1"};
    rows[1] = {"B", "2"};
    rows[2] = {"C", "3"};
    const auto without = [&](int row) {
        QList<BankAccount> r = rows;
        r[row].number.clear();
        return r;
    };
    const auto renamed = [&](int row) {
        QList<BankAccount> r = rows;
        r[row] = {"Nowy", "99"};
        return r;
    };
    struct Case {
        QList<BankAccount> rows;
        QList<int> inUse;
        bool allowed;
    };
    const Case cases[] = {
        {rows, {}, true},           {without(0), {}, true},
        {without(0), {1}, false},  // account 2 would become account 1
        {without(1), {1}, false},  // the account in use itself
        {without(2), {1}, true},   // after it: nothing moves
        {without(1), {0}, true},    {without(0), {0, 2}, false},
        {renamed(0), {0, 1}, true},  // new texts on a kept row are allowed
        {rows, {3}, false},          // entries on a position the grid no longer fills
    };
    for (qsizetype i = 0; i < std::ssize(cases); ++i)
        EXPECT_EQ(accountsKeepPositions(cases[i].rows, cases[i].inUse), cases[i].allowed) << i;
}

TEST_F(CompanyInfoTest, FindsTheAccountsThatHaveBankEntries) {
    EXPECT_TRUE(accountPositionsInUse(company().TableKasaBankBis).isEmpty());
    addBankEntry(1);
    addBankEntry(1);
    addBankEntry(18);
    addBankEntry(-9999);  // Kasa 1: the cash book, not an account
    EXPECT_EQ(accountPositionsInUse(company().TableKasaBankBis), (QList<int>{1, 18}));
}

TEST(TaxOffices, HoldTheOfficialListInCodeOrder) {
    const auto offices = taxOffices();
    ASSERT_EQ(offices.size(), 400u);
    EXPECT_STREQ(offices.front().code, "0202");
    EXPECT_STREQ(offices.back().code, "3271");
    for (size_t i = 1; i < offices.size(); ++i)
        EXPECT_LT(QByteArray(offices[i - 1].code), QByteArray(offices[i].code)) << i;

    EXPECT_EQ(taxOfficeName("1471"), u"PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE"_qs);
    EXPECT_EQ(taxOfficeName("3271"), u"ZACHODNIOPOMORSKI URZĄD SKARBOWY W SZCZECINIE"_qs);
    EXPECT_EQ(taxOfficeName("9999"), "");
    EXPECT_EQ(taxOfficeName("147"), "");

    const QStringList entries = taxOfficeEntries();
    const int index = taxOfficeIndex("1471");
    ASSERT_GE(index, 0);
    EXPECT_EQ(entries[index], u"1471 PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE"_qs);
    EXPECT_EQ(taxOfficeIndex(entries[index]), index);
    EXPECT_EQ(taxOfficeIndex(entries.first()), 0);
    EXPECT_EQ(taxOfficeIndex(entries.last()), 399);
    EXPECT_EQ(taxOfficeIndex(""), -1);
}

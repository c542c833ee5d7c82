#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/company_database.h"
#include "engine/database.h"
#include "engine/error.h"
#include "shell/mainwindow/companies.h"

using Result = shell::AddCompanyOutcome::Result;

TEST(Companies, SymbolsThatCouldEscapeTheDataFolderAreRefused) {
    for (const char* bad : {".", "..", "../X", "..\\X", "a/b", "A:", "x*", "q?", "\"q\"", "a<b",
                            "a|b", "dot.", "blank ", "tab\t"})
        EXPECT_FALSE(shell::isAcceptableCompanySymbol(QString::fromUtf8(bad))) << bad;
    for (const QString& good : {u"ABC"_qs, u"Firma 2"_qs, u"Łódź-Bałuty"_qs, u".hidden"_qs, u"a.b"_qs})
        EXPECT_TRUE(shell::isAcceptableCompanySymbol(good)) << good.toStdString();

    QTemporaryDir dir;
    const auto outcome = shell::addCompany(dir.path(), "../X", {}, false);
    EXPECT_EQ(outcome.result, Result::BadFolderName);
    EXPECT_TRUE(outcome.message.startsWith(u"Nazwa firmy jest równocześnie nazwą katalogu"_qs));
    EXPECT_FALSE(QFile::exists(dir.filePath("X")));
}

TEST(Companies, AddCreatesTheFolderWithAllTablesAndTellsAboutExistingOnes) {
    QTemporaryDir dir;
    EXPECT_EQ(shell::addCompany(dir.path(), " \r\n", {}, true).message, "Brak nazwy firmy.");

    auto created = shell::addCompany(dir.path(), "Abc", {}, true);
    EXPECT_EQ(created.result, Result::Created);
    EXPECT_EQ(created.message, u"Firma Abc została założona.\rMożna ją wybrać klikając na pozycji "
                               "'Wybierz firmę' w menu Administracja."_qs);
    const QString folder = shell::findCompanyFolder(dir.path(), "ABC");  // case ignored
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(data::companyDatabasePresent(folder));
    EXPECT_EQ(shell::listCompanies(dir.path()), QStringList({"Abc"}));

    EXPECT_EQ(shell::addCompany(dir.path(), "ABC", {}, false).message,
              u"Firma o nazwie ABC już istnieje."_qs);
    EXPECT_EQ(shell::addCompany(dir.path(), "abc", folder, false).message,
              u"Firma o nazwie abc już istnieje i jest obecnie wybrana."_qs);
    EXPECT_EQ(shell::addCompany(dir.path(), "Nowa", folder, false).message,
              u"Firma Nowa została założona."_qs);

    // A plain file under DANE is listed as a company too.
    QFile stray(QDir(shell::dataFolder(dir.path())).filePath("notatka"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    EXPECT_EQ(shell::listCompanies(dir.path()), QStringList({"Abc", "notatka", "Nowa"}));
}

TEST(Companies, CompanyWhoseTablesFailIsNotReportedAsCreated) {
    QTemporaryDir dir;
    const auto outcome = shell::addCompany(
        dir.path(), "X", {}, false, [](engine::Database& db, const engine::TableDef& def) {
            if (def.name == "opcjef") throw engine::Error(engine::Error::Code::Io, "disk full");
            db.createTable(def);
        });
    EXPECT_EQ(outcome.result, Result::TablesFailed);
    EXPECT_EQ(outcome.message, u"W czasie dostępu do bazy danych wystąpił niespodziewany błąd. "
                               "Program należy zakończyć i uruchomić ponownie."_qs);
    EXPECT_FALSE(outcome.message.contains(u"została założona"_qs));
}

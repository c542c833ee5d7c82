#pragma once
// Companies as folders: each company is a folder named by its symbol inside the folder DANE of
// the program folder, holding the company's database. There is no other list of companies.

#include <QString>
#include <QStringList>

#include "data/company_database.h"

namespace shell {

QString dataFolder(const QString& programFolder);

// Every entry of DANE (plain files included, as the list has always shown them), by name.
QStringList listCompanies(const QString& programFolder);

// The folder of a company; symbols compare without regard to letter case, so an existing folder
// spelled otherwise is found. Empty when the symbol names no entry of DANE.
QString findCompanyFolder(const QString& programFolder, const QString& symbol);

// A symbol that can serve as a folder name: no path separators or characters the file systems
// of our users refuse, not only dots, no trailing dot or blank, no control characters.
bool isAcceptableCompanySymbol(const QString& symbol);

struct AddCompanyOutcome {
    enum class Result { Created, EmptySymbol, ExistsAndOpen, Exists, BadFolderName, TablesFailed };
    Result result;
    QString message;  // what the user is told
};

// Adds a company: checks the symbol, creates its folder and all its tables. The company is not
// opened. `openCompanyFolder` is the folder of the open company (empty when none);
// `fromMenu` adds the hint on how to choose the new company.
AddCompanyOutcome addCompany(const QString& programFolder, const QString& symbol,
                             const QString& openCompanyFolder, bool fromMenu,
                             const data::TableCreator& create = {});

}  // namespace shell

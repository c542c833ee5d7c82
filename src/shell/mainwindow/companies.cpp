#include "shell/mainwindow/companies.h"

#include <QDir>
#include <QFileInfo>

#include "common/text_utils.h"
#include "engine/database.h"
#include "engine/error.h"
#include "shell/company/write_helpers.h"

namespace shell {
namespace {

const QString kBadFolderName = QStringLiteral(
    "Nazwa firmy jest równocześnie nazwą katalogu, w którym przechowywane są\r"
    "jej pliki bazy danych. Wpisany tekst nie został dopuszczony przez Windows\r"
    "jako poprawna nazwa katalogu (być może zawiera niedozwolone znaki).\r"
    "Wpisz jeszcze raz inną nazwę.");

bool sameFolder(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
               .compare(QDir::cleanPath(QFileInfo(b).absoluteFilePath()), Qt::CaseInsensitive) == 0;
}

}  // namespace

QString dataFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("DANE"));
}

QStringList listCompanies(const QString& programFolder) {
    return QDir(dataFolder(programFolder))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                   QDir::Name | QDir::IgnoreCase);
}

QString findCompanyFolder(const QString& programFolder, const QString& symbol) {
    for (const QString& entry : listCompanies(programFolder))
        if (entry.compare(symbol, Qt::CaseInsensitive) == 0)
            return QDir(dataFolder(programFolder)).filePath(entry);
    return {};
}

bool isAcceptableCompanySymbol(const QString& symbol) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    if (symbol.isEmpty()) return false;
    bool onlyDots = true;
    for (QChar c : symbol) {
        if (c.unicode() < 32 || c.unicode() == 127 || forbidden.contains(c)) return false;
        if (c != QLatin1Char('.')) onlyDots = false;
    }
    if (onlyDots) return false;
    const QChar last = symbol.back();
    return last != QLatin1Char('.') && last != QLatin1Char(' ');
}

AddCompanyOutcome addCompany(const QString& programFolder, const QString& symbol,
                             const QString& openCompanyFolder, bool fromMenu,
                             const data::TableCreator& create) {
    using Result = AddCompanyOutcome::Result;
    if (common::isBlank(symbol)) return {Result::EmptySymbol, QStringLiteral("Brak nazwy firmy.")};

    // The symbol becomes a folder name; anything that could reach outside DANE is refused as
    // the file system would refuse a bad name.
    if (!isAcceptableCompanySymbol(symbol)) return {Result::BadFolderName, kBadFolderName};

    const QString data = dataFolder(programFolder);
    if (!QDir().mkpath(data)) return {Result::BadFolderName, kBadFolderName};

    QString folder = findCompanyFolder(programFolder, symbol);
    if (!folder.isEmpty()) {
        if (sameFolder(folder, openCompanyFolder))
            return {Result::ExistsAndOpen, QStringLiteral("Firma o nazwie %1 już istnieje i jest obecnie "
                                                          "wybrana.")
                                               .arg(symbol)};
        if (data::companyDatabasePresent(folder))
            return {Result::Exists, QStringLiteral("Firma o nazwie %1 już istnieje.").arg(symbol)};
        if (!QFileInfo(folder).isDir()) return {Result::BadFolderName, kBadFolderName};
    } else {
        folder = QDir(data).filePath(symbol);
        if (!QDir().mkdir(folder)) return {Result::BadFolderName, kBadFolderName};
    }

    // A company reported as created must really have all its tables.
    QStringList missing;
    try {
        engine::Database db(data::companyDatabasePath(folder));
        missing = data::createMissingCompanyTables(db, create);
    } catch (const engine::Error&) {
        missing << QStringLiteral("*");
    }
    if (!missing.isEmpty()) return {Result::TablesFailed, company::kUnexpectedDbErrorMessage};

    QString message = QStringLiteral("Firma %1 została założona.").arg(symbol);
    if (fromMenu)
        message += QStringLiteral(
            "\rMożna ją wybrać klikając na pozycji 'Wybierz firmę' w menu Administracja.");
    return {Result::Created, message};
}

}  // namespace shell

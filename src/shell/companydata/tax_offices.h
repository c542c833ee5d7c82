#pragma once
// The Polish tax offices, as the JPK files name them: a four-digit office code and the office's
// name in capitals. The table is built into the program (tax_offices.cpp is generated, see
// tools/make_tax_offices.py) so that no data file has to travel with it.

#include <QString>
#include <QStringList>

#include <span>

namespace shell::companydata {

struct TaxOffice {
    const char* code;  // four digits
    const char* name;  // UTF-8
};

// Every office, in code order.
std::span<const TaxOffice> taxOffices();

// The entries of the office list: the code, a blank and the name.
QStringList taxOfficeEntries();
// The position of the office with this code in taxOffices(), -1 when there is none. An entry of
// the list identifies its office by its first four characters, so a whole entry finds it too.
int taxOfficeIndex(const QString& codeOrEntry);
// Empty for an unknown code.
QString taxOfficeName(const QString& code);

}  // namespace shell::companydata

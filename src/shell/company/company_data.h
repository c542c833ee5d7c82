#pragma once
// The open company's data: its database and every table object through which the lists,
// editors and printouts read and write. One CompanyData exists while a company is open; the
// main window owns it and hands it to the windows and rules that need it. The objects carry the
// lookup and calculated fields the lists show, and the write helpers work on the same database.
//
// Objects are named as everywhere else in the program: TableFaktury is the sales list's cursor,
// ...Bis, ...Look and ...Pomoc objects are second cursors on the same table for searching,
// checking and writing without moving a list's cursor.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "engine/database.h"
#include "engine/table.h"
#include "shell/company/write_helpers.h"

namespace shell::company {

class CompanyData {
    // First, because every table object below is built on it.
    engine::Database db_;

  public:
    // Opens the company database file (throws engine::Error(Io)); no table is opened yet.
    explicit CompanyData(const QString& databasePath);
    ~CompanyData();
    CompanyData(const CompanyData&) = delete;
    CompanyData& operator=(const CompanyData&) = delete;

    engine::Database& database() { return db_; }

    // Opens the table objects in their fixed order, upgrading tables of older layouts on the
    // way. On any failure every object is closed again and the result is false.
    bool openCompanyTables();
    // Closes every object; one that fails to close does not keep the others open.
    void closeCompanyTables();
    // The upgrades the last openCompanyTables carried out, as "table step" ("firmy 1",
    // "faktury fnab"), in order.
    const QStringList& upgradeLog() const { return upgradeLog_; }

    // Every table object of the company database.
    QList<engine::Table*> tableObjects();

    // Transactions and record probes on the company database.
    WriteHelper& writer() { return writer_; }

    // The discount column (RabatC) of sales and warehouse lines, as the line editing shows it;
    // empty until set.
    void setLineDiscountText(std::function<QString(engine::Table& line)> text) {
        lineDiscountText_ = std::move(text);
    }

    // --- sales documents
    engine::Table TableFaktury{db_, QStringLiteral("faktury")};
    engine::Table TableFSpec{db_, QStringLiteral("fspec")};
    engine::Table TablePlSpec{db_, QStringLiteral("plspec")};
    engine::Table TableFakturyBis{db_, QStringLiteral("faktury")};
    engine::Table TableFakturyLook{db_, QStringLiteral("faktury")};
    // Not opened with the others: those who need it open it.
    engine::Table TableFakturyPomoc{db_, QStringLiteral("faktury")};
    engine::Table TableFSpecBis{db_, QStringLiteral("fspec")};
    // --- goods
    engine::Table TableTowary{db_, QStringLiteral("towary")};
    engine::Table TableTowSpec{db_, QStringLiteral("towspec")};
    engine::Table TableTowSpecBis{db_, QStringLiteral("towspec")};
    engine::Table TableTowaryBis{db_, QStringLiteral("towary")};
    engine::Table TableTowaryLook{db_, QStringLiteral("towary")};
    // --- counterparties
    engine::Table TableFirmy{db_, QStringLiteral("firmy")};
    engine::Table TableFirmyBis{db_, QStringLiteral("firmy")};
    engine::Table TableFirmyLook{db_, QStringLiteral("firmy")};
    // --- dictionaries and settings
    engine::Table TableGrupy{db_, QStringLiteral("grupy")};
    engine::Table TableGrupyBis{db_, QStringLiteral("grupy")};
    engine::Table TableGrupyLook{db_, QStringLiteral("grupy")};
    engine::Table TableMarze{db_, QStringLiteral("marze")};
    engine::Table TableMarzeBis{db_, QStringLiteral("marze")};
    engine::Table TableStawki{db_, QStringLiteral("stawki")};
    engine::Table TableStawkiBis{db_, QStringLiteral("stawki")};
    engine::Table TableOpcje{db_, QStringLiteral("opcjef")};
    // --- transfers and payers
    engine::Table TablePrzelewy{db_, QStringLiteral("przelewy")};
    engine::Table TablePrzelewyBis{db_, QStringLiteral("przelewy")};
    engine::Table TablePrzelewyLook{db_, QStringLiteral("przelewy")};
    engine::Table TablePlatnicy{db_, QStringLiteral("platnicy")};
    engine::Table TablePlatnicyBis{db_, QStringLiteral("platnicy")};
    // --- cash book and bank register
    engine::Table TableKasa{db_, QStringLiteral("kasabank")};
    engine::Table TablePlSpecK{db_, QStringLiteral("plspec")};
    engine::Table TableBank{db_, QStringLiteral("kasabank")};
    engine::Table TablePlSpecB{db_, QStringLiteral("plspec")};
    engine::Table TableKasaBankBis{db_, QStringLiteral("kasabank")};
    engine::Table TableKasaBankLook{db_, QStringLiteral("kasabank")};
    // --- warehouse
    engine::Table TableMagazynowe{db_, QStringLiteral("magazynowe")};
    engine::Table TableMagazynoweSpec{db_, QStringLiteral("magspec")};
    engine::Table TableMagazynoweBis{db_, QStringLiteral("magazynowe")};
    engine::Table TableMagazynoweLook{db_, QStringLiteral("magazynowe")};
    engine::Table TableMagazynoweSpecBis{db_, QStringLiteral("magspec")};
    engine::Table TableStany{db_, QStringLiteral("stany")};
    engine::Table TableStanyLook{db_, QStringLiteral("stany")};
    engine::Table TablePartie{db_, QStringLiteral("partie")};
    engine::Table TablePartieSpec{db_, QStringLiteral("partspec")};
    // Recreated by the stocktaking, which opens it itself.
    engine::Table TableRemanent{db_, QStringLiteral("remanent")};
    // --- purchases
    engine::Table TableZakupy{db_, QStringLiteral("zakupy")};
    engine::Table TablePlSpecZ{db_, QStringLiteral("plspec")};
    engine::Table TablePlSpecDel{db_, QStringLiteral("plspec")};
    engine::Table TableZakupyBis{db_, QStringLiteral("zakupy")};
    engine::Table TableZakupyLook{db_, QStringLiteral("zakupy")};

  private:
    void configure();
    void openUpgrading(engine::Table& table);
    void ensureBuyerIndex();
    QList<engine::Table*> calculationCursors();

    void calcFaktury(engine::Table& t);
    void calcFakturyLook(engine::Table& t);
    void calcLines(engine::Table& t);
    void calcTowary(engine::Table& t);
    void calcFirmy(engine::Table& t);
    void calcPlSpecPaidByCashOrBank(engine::Table& t);
    void calcPlSpecOfPurchase(engine::Table& t);
    void calcTowSpec(engine::Table& t);

    // Cursors of the calculated fields alone, so that computing a list's row never moves a
    // cursor that a window or an editor relies on.
    engine::Table stanyCalc_{db_, QStringLiteral("stany")};
    engine::Table marzeCalc_{db_, QStringLiteral("marze")};
    engine::Table stawkiCalc_{db_, QStringLiteral("stawki")};
    engine::Table fakturyCalc_{db_, QStringLiteral("faktury")};
    engine::Table magazynoweCalc_{db_, QStringLiteral("magazynowe")};
    engine::Table zakupyCalc_{db_, QStringLiteral("zakupy")};
    engine::Table przelewyCalc_{db_, QStringLiteral("przelewy")};
    engine::Table kasaBankCalc_{db_, QStringLiteral("kasabank")};

    QStringList upgradeLog_;
    std::function<QString(engine::Table&)> lineDiscountText_;
    WriteHelper writer_;
};

}  // namespace shell::company

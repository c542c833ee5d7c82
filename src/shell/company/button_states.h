#pragma once
// Which buttons of a list window work on the current record. Every list enables its record
// buttons when it has a record and its navigation buttons by where the record lies in the view;
// the lists of documents add rules of their own. The rules take the few values they read and
// return plain structs, so that a window only copies the flags onto its buttons.

#include <QString>

#include "engine/currency.h"

namespace engine {
class Table;
}

namespace shell::company {

struct RecordPosition {
    bool hasRecord = false;
    bool notFirst = false;
    bool notLast = false;
};

// Where the current record of `list` lies in its view; the cursor does not move.
RecordPosition recordPosition(const engine::Table& list);

// The buttons every list has (those it lacks it simply ignores).
struct RecordButtons {
    bool edit = false;             // "Edycja ..."
    bool remove = false;           // "Kasowanie ..."
    bool duplicate = false;        // "Powielenie ..."
    bool print = false;            // "Drukowanie dokumentu"
    bool takeFromCurrent = false;  // "Pobierz z aktualnej pozycji w tabeli"
    bool first = false;            // "Początek"
    bool prior = false;            // "Poprzednia pozycja"
    bool next = false;             // "Następna pozycja"
    bool last = false;             // "Koniec"
};
RecordButtons recordButtons(const RecordPosition& position);

// The symbol filter and the unpaid-only switch of the sales and purchases lists: paying for
// several documents at once needs one counterparty's unpaid documents in view.
struct PaymentFilter {
    QString symbol = QStringLiteral("*");
    bool onlyUnpaid = false;
};

// The title and colour of a line grid's price column.
struct PriceColumn {
    QString title;
    bool blue = false;
};
PriceColumn priceColumn(const QString& lineGrossFlag);

// ---------------------------------------------------------------- sales documents

struct SalesRecord {
    bool empty = true;
    QString kind;  // RodzajDok
    qint64 kodKorekty = 0;
    qint64 korektaDo = 0;
    qint64 dokMag = 0;
    qint64 magazyn = 0;
    qint64 kodRealizacji = 0;
    QString zaplacona;
    engine::Currency brutto;
};
SalesRecord salesRecordOf(engine::Table& faktury);

struct SalesButtons {
    bool createCorrection = false;  // "Utwórz fakturę korygującą"
    bool gotoCorrection = false;    // "Idź do korekty (pierwszej lub następnej)"
    bool gotoCorrected = false;     // "Idź do korygowanej (lub do poprzedniej korekty)"
    bool findWarehouseDoc = false;  // "Znajdź dokument magazynowy"
    bool duplicate = false;         // "Powielenie dokumentu"
    bool invoiceFromOrder = false;  // "Wystaw fakturę VAT na podst. zamówienia lub proforma"
    bool payDocument = false;       // "Zapłata za dokument"
    bool paySeveral = false;        // "Zapłata za kilka dokumentów"
    QString paidLabel;              // "Wartość wpłat" / "Wartość wypłat"
    QString remainingLabel;         // "Pozostaje do zapłaty" / "Pozostaje do wypłaty"
};
SalesButtons salesButtons(const SalesRecord& doc, const PaymentFilter& filter);

// The payments grid of the current sales document.
struct SalesPaymentButtons {
    bool findPaymentDoc = false;  // "Znajdź dokument zapłaty"
    QString dateTitle;            // "Data wpłaty" / "Data wypłaty"
};
SalesPaymentButtons salesPaymentButtons(bool paymentsEmpty, bool refund);

// ---------------------------------------------------------------- warehouse documents

struct WarehouseButtons {
    bool print = false;          // "Drukowanie dokumentu"
    bool findSourceDoc = false;  // "Znajdź dokument zakupu/sprzedaży"
};
WarehouseButtons warehouseButtons(bool empty, const QString& kind, qint64 dokumentKod);

// ---------------------------------------------------------------- purchases

struct PurchaseRecord {
    bool empty = true;
    qint64 kod = 0;
    qint64 kodMagazynu = 0;
    QString zaplacony;
    engine::Currency brutto;
};
PurchaseRecord purchaseRecordOf(engine::Table& zakupy);

struct PurchaseButtons {
    bool findWarehouseDoc = false;  // "Znajdź dokument magazynowy"
    bool payDocument = false;       // "Zapłata za dokument"
    bool paySeveral = false;        // "Zapłata za kilka dokumentów"
    QString paidLabel;              // "Wartość wypłat" / "Wartość zwrotów"
    QString remainingLabel;         // "Pozostaje do zapłaty" / "Pozostaje do zwrotu"
    qint64 paymentsKey = 0;  // KodFaktury of the purchase's payment lines (range of TablePlSpecZ)
};
PurchaseButtons purchaseButtons(const PurchaseRecord& doc, const PaymentFilter& filter);

// ---------------------------------------------------------------- other lists

// Cash book and bank register: "Znajdź dokument" needs a paid document in view.
inline bool findPaidDocumentEnabled(bool paidDocumentsEmpty) {
    return !paidDocumentsEmpty;
}

// Transfers: "Zapis do pliku w formacie ELIKSIR" is for ordinary transfers that may be edited.
inline bool eliksirExportEnabled(bool editingEnabled, qint64 wplata) {
    return editingEnabled && wplata == 0;
}

struct GoodsButtons {
    bool moreInfo = false;      // "Dodatkowe informacje"
    bool findSalesDoc = false;  // "Znajdź dokument sprzedaży"
};
GoodsButtons goodsButtons(bool goodsEmpty, bool documentsEmpty);

}  // namespace shell::company

#pragma once
// The values the lists show beside the stored fields: document numbers as the registers and
// headers print them, what is still due on a document, line values, effective goods prices and
// the small texts of the counterparty and cash lists. Pure functions of the stored values, so
// that every rule can be checked without a database; CompanyData feeds them from its table
// objects whenever a record is read.

#include <QString>

#include <array>
#include <optional>

#include "engine/currency.h"
#include "engine/datetime.h"

namespace shell::company {

using engine::Currency;

// ---------------------------------------------------------------- sales documents

// The kind, a blank and the number; "*" in front while the goods of the document have not left
// stock (`Magazyn` -1). The lookup form never has the "*".
QString salesDispNumer(const QString& kind, const QString& numer, qint64 magazyn,
                       bool lookupForm = false);

// The title of the document followed by its number. Invoices issued after 2012 are no longer
// titled "Faktura VAT" in the list; the lookup form (used where payments name their documents)
// keeps the old title for every invoice.
QString salesFullNumer(const QString& kind, const QString& numer, engine::DateTime issueDate,
                       bool lookupForm = false);

// "---" for documents that are never paid (orders, pro formas), otherwise the stored flag.
QString salesPaidDisplay(const QString& kind, const QString& zaplacona);

// What is still due and what has been paid, both shown as positive amounts for a return
// (negative gross), exact to the ten-thousandth. Used by sales documents and purchases.
struct Balance {
    Currency remaining;
    Currency paidShown;
};
Balance balanceOf(Currency gross, Currency paid);

// ---------------------------------------------------------------- document lines

// Net and gross value of a line of `quantity` at `unitPrice`. `vatCode` is the stored line code
// (per cent times 100; the negative codes of exempt and untaxed lines count as 0). A line whose
// `grossFlag` begins with "T" is priced gross.
struct LineValues {
    Currency net;
    Currency gross;
};
LineValues lineValues(Currency quantity, Currency unitPrice, qint64 vatCode,
                      const QString& grossFlag);

// ---------------------------------------------------------------- goods

// The number in a percentage text such as "23%" or "12,5%". Throws common::ConversionError when
// it does not read.
double percentOfText(const QString& text);

// A VAT rate record as the goods list shows it: "ZW" and "NP" by their names, with no per cent;
// every other rate by its value text and the per cent in it.
struct RateDisplay {
    QString text;
    double percent = 0;
};
RateDisplay rateDisplay(const QString& stawka, const QString& wartosc);

// The effective prices of a goods item. A level with a margin takes its net price from the
// purchase price and the margin; without a margin (std::nullopt) its stored net price stands.
struct GoodsPriceInput {
    Currency purchasePrice;
    std::array<Currency, 3> storedNetPrices;
    std::array<std::optional<double>, 3> marginPercents;
    double vatPercent = 0;
};
struct GoodsPrices {
    std::array<Currency, 3> netPrices;
    std::array<Currency, 3> grossPrices;
    Currency purchaseGross;
};
GoodsPrices goodsPrices(const GoodsPriceInput& in);

// Stock that is free for sale: stock minus reservations, never below 0.
Currency availableStock(Currency stock, Currency reserved);

// ---------------------------------------------------------------- counterparties

QString addressTwoLines(const QString& street, const QString& postCode, const QString& city);
QString addressOneLine(const QString& postCode, const QString& city);
// "Ceny 1" to "Ceny 3" for the price levels 0-1, 2-3 and 4-5; empty for any other level.
QString priceLevelText(qint64 level);
QString contactPerson(const QString& formOfAddress, const QString& person);
// A name of several lines as one line: CR becomes a blank, LF goes.
QString nameOnOneLine(const QString& name);

// ---------------------------------------------------------------- cash, bank, transfers

QString cashDispNumer(const QString& kind, const QString& numer);
QString bankDispNumer(const QString& kind, const QString& numer);
QString transferKindText(qint64 wplata);

// ---------------------------------------------------------------- warehouse

// By who made the document (`Sprzedaz`): the warehouse's own documents show their kind and
// number, "*" in front while not approved (never in the lookup form); documents of the sales
// register show "F", "R" or "P" and their number.
QString warehouseDispNumer(qint64 sprzedaz, const QString& kind, const QString& numer,
                           bool approved, bool lookupForm = false);
QString warehouseFullNumer(const QString& kind, const QString& numer, qint64 sprzedaz);

// References above 99999999 in the goods' document index name warehouse documents: the
// document's own `Kod` is what is left after taking away 100000000 as often as needed.
inline constexpr qint64 kWarehouseReferenceStep = 100000000;
bool isWarehouseReference(qint64 kodFaktury);
qint64 warehouseDocumentKod(qint64 kodFaktury);

// Payment references above 999999999 name purchases (as `KodFaktury`) or transfer orders (as
// `KodPlat`); the record's own `Kod` is the value less 1000000000.
inline constexpr qint64 kPurchaseOrTransferOffset = 1000000000;

// ---------------------------------------------------------------- stocktaking

Currency stocktakingValue(Currency price, Currency countedQuantity);

}  // namespace shell::company

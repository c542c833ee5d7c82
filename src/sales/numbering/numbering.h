#pragma once
// Document kinds and their numbers: the number templates, the per-kind counters in the settings
// store and the three ways of counting (from 1 every year, on across years, from 1 every month),
// the number of printed copies, and giving a number back when the newest document of a counter
// is deleted. Nothing here shows a window except showLaterDocumentWarning.
//
// Counters are read and written through the caller's settings store and inside the caller's
// transaction: numbering is part of saving the document, and a failed save must take the
// advanced counter back with it.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace data {
class SettingsStore;
}
namespace engine {
class Database;
}

namespace sales {

// Fixed counter indices of the numbered kinds (11 is not used).
enum CounterIndex : int {
    kInvoiceCounter = 1,           // F
    kCorrectionCounter = 2,        // K
    kBillCounter = 3,              // R
    kProFormaCounter = 4,          // PF
    kCashCounter = 5,              // DK
    kOrderCounter = 6,             // Z and any other sales kind
    kGoodsIssuedCounter = 7,       // WZ
    kGoodsReceivedCounter = 8,     // PZ
    kInternalIssueCounter = 9,     // RW
    kInternalReceiptCounter = 10,  // PW and any other warehouse kind
    kReceiptCounter = 12,          // P
};

// The counters in the order the numbering window lists them.
const QList<int>& counterIndices();
// The word of the counter's settings keys ("faktury", "PZ", ...); empty for an unknown index.
QString counterWord(int index);
// The kind code of a counter ("F", "DK", ...); empty for an unknown index.
QString counterKind(int index);
int salesCounterIndex(const QString& kind);
int warehouseCounterIndex(const QString& kind);

enum class NumberingMode { YearlyRestart, Continuation, MonthlyRestart };

// Where each value lives in the settings store.
struct SettingKey {
    QString group;
    QString subgroup;
    QString name;
};
SettingKey counterKey(int index);
SettingKey copiesKey(int index);
SettingKey templateKey(int index);
SettingKey continuationKey();
SettingKey monthlyKey();
// The template of a kind whose template was never stored.
QString defaultTemplate(int index);
// The templates every template box offers.
const QStringList& offeredTemplates();
inline constexpr int kTemplateMaxLength = 20;
inline constexpr int kNumberTextMaxLength = 25;

// The number text of a template: the first run of "#" gives the sequence, zero-padded to the
// run's length (never cut); the first "$" the year, the first "@" its last two digits, the
// first "&" the two-digit month. Later "#", "$", "@" and "&" vanish; all else is copied.
QString formatNumber(const QString& numberTemplate, int year, int month, qint64 sequence);

NumberingMode readNumberingMode(data::SettingsStore& store);

// The counter of a kind as stored. Throws common::ConversionError when it is not a number
// (an absent counter included): numbering a document on a guessed number would give
// duplicates, so the save must fail and roll back.
qint64 readCounter(data::SettingsStore& store, int index);

// The sequence number of a new document: `fixed` when it is 0 or more, else the counter; in
// the monthly mode 1 instead of the counter when the kind's last document (lastDate, invalid
// when there is none) lies in an earlier month than newDate. Unless peeking, the counter then
// becomes the result + 1; a failed write throws engine::Error (Locked), as the store does not
// say why it failed.
qint64 nextNumber(data::SettingsStore& store, int index, qint64 fixed, const QDate& newDate,
                  const QDate& lastDate, bool peek);

struct LastDocument {
    QDate date;          // invalid when the kind has no document
    bool later = false;  // dated after the document being numbered
};

// The newest issue date among the documents of a kind: `table` "faktury" through its index
// "frdatan" for sales documents, "magazynowe" through "mrdata" for warehouse documents.
LastDocument lastDocumentDate(engine::Database& db, const QString& table, const QString& kind,
                              const QDate& documentDate);
LastDocument lastSalesDocumentDate(engine::Database& db, const QString& kind,
                                   const QDate& documentDate);
LastDocument lastWarehouseDocumentDate(engine::Database& db, const QString& kind,
                                       const QDate& documentDate);

inline const QString kLaterDocumentCaption = QStringLiteral("Uwaga");
inline const QString kLaterDocumentWarning = QStringLiteral(
    "Dokument został wystawiony z datą wcześniejszą, niż ostatni z dokumentów \rwystawionych do "
    "tej pory. Istnieje niebezpieczeństwo braku ciągłości numeracji.\rSprawdź, czy numery "
    "kolejne ostatnich dokumentów są zgodne z oczekiwaniami.");
void showLaterDocumentWarning();

// Copies printed after the first print; 1 when missing or not a number.
int copiesOf(data::SettingsStore& store, const QString& kindCode);

// The number text to store with a new document. The proposal was formatted when the editor
// opened, with a sequence peeked then; the sequence actually taken at save may differ (another
// user saved meanwhile, or the issue date moved into another month). So a box still holding
// the proposal is formatted again with the sequence taken, for the month of the later of the
// issue date and the kind's last date in the monthly mode and for today otherwise. Whatever the
// user typed is kept.
QString numberTextAtSave(const QString& boxText, const QString& proposedText,
                         const QString& numberTemplate, qint64 sequenceTaken, NumberingMode mode,
                         const QDate& issueDate, const QDate& lastDate, const QDate& today);

// The documents numbered by one counter: the records of `table` whose leading fields of
// `index` equal `key`.
struct CounterDocuments {
    QString table;
    QString index;
    QVariantList key;
};
QList<CounterDocuments> salesDocumentsOf(const QString& kind);
QList<CounterDocuments> warehouseDocumentsOf(const QString& kind);
QList<CounterDocuments> cashDocuments();

// After the document `deletedKod` numbered `numerKolejny` was deleted: when it had taken the
// counter's last number and no remaining document of the counter was added after it, the
// counter goes back to its number, so that the next document reuses it. True when it did.
// Inside the caller's transaction; errors are thrown as by nextNumber.
bool giveNumberBack(engine::Database& db, data::SettingsStore& store, int index,
                    qint64 numerKolejny, qint64 deletedKod,
                    const QList<CounterDocuments>& documents);

}  // namespace sales

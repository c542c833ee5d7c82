#pragma once
// The rules of the counterparty catalog, free of widgets: lookups, the editor's checks and its
// versioned save, deleting, and the filter of the catalog list.
//
// A counterparty is versioned: documents keep the Kod of the version that was current when they
// were written, so a change of the data printed on documents keeps the old version (Last false)
// and appends a new one under the same Numer. Numbers are never given twice, not even after the
// counterparty that held the highest one was deleted.

#include <QString>
#include <QStringList>

#include <optional>

#include "engine/currency.h"
#include "engine/table.h"
#include "shell/registers/editor_save.h"

namespace shell::company {
class CompanyData;
}

namespace catalogs::counterparties {

using shell::registers::EditorMode;

// The editor's fields. Names of `field` in problems are the editor's control names.
struct CounterpartyData {
    QString symbol;
    QString nazwa;  // lines separated by CR LF
    QString ulica;
    QString kod;
    QString miasto;
    QString nip;
    bool firma = true;
    int priceLevel = 0;  // list position 0..2 ("Ceny 1".."Ceny 3")
    engine::Currency rabat;
    bool dostawca = false;
    bool odbiorca = true;
    QString telKier, tel1, tel2, fax, osobaPan, osoba, email;
    bool odbiera = false;
    QString krotkaNazwa;
    bool adresWNazwie = false;  // "Zawierają adres"
    QString bank, konto;
    QString uwagi;
};

// The current record of a cursor on "firmy".
CounterpartyData readCounterparty(engine::Table& firmy);

// True when the two differ in any of the data printed on documents (name, address, NIP,
// transfer-form name, bank, account), compared field by field.
bool documentDataDiffers(const CounterpartyData& a, const CounterpartyData& b);

// The options of "Dane kontrahentów" (settings group "Firmy", subgroup "Wprowadzanie").
struct CounterpartyOptions {
    bool symbolFromName = false;  // "Symbol"
    bool firma = true;            // "Firma"
    bool sameNipAllowed = false;  // "Identyczny NIP"
    int priceLevel = 0;           // "Poziom cen", list position
    bool odbiera = false;         // "Odbiorca"
    QString osobaPan = QStringLiteral("Pan");

    static CounterpartyOptions load(engine::Table& opcjef);
    // All six in the caller's transaction; false when one could not be written.
    bool save(engine::Table& opcjef) const;
};

// The tax number field as it is stored: a valid NIP as typed, a PESEL or REGON (bare or after
// its label) as the label followed by the digits. `question` is set when the text is none of
// them; answering "Tak" sends the user back to correct it.
struct NipNormalisation {
    QString nip;
    std::optional<QString> question;
};
NipNormalisation normaliseNip(const QString& typed);

// The catalog list's filter dialog.
enum class FilterMode { All, Any, None };
struct FilterPatterns {
    QString nazwa, symbol, ulica, kod, miasto, nip, telefon, osoba, email;
};
// The engine filter; empty when no pattern holds anything besides blanks, line breaks and "*".
QString filterExpression(const FilterPatterns& patterns, FilterMode mode);

inline const QString kDeleteRefusedMessage = QStringLiteral(
    "Nie można usunąć firmy, gdyż jej dane są wykorzystywane w wystawionych dokumentach.");

enum class DeleteOutcome { Deleted, Retired, Refused, Failed };

class CounterpartyRules {
  public:
    // The company's tables must be open. The rules read through cursors of their own, so no
    // list moves under them.
    explicit CounterpartyRules(shell::company::CompanyData& company);
    ~CounterpartyRules();

    // Number of the current version with exactly this symbol (or NIP), or 0.
    qint64 findBySymbol(const QString& symbol);
    qint64 findByNip(const QString& nip);
    // Symbol of the current version of a number, or empty.
    QString symbolOf(qint64 numer);
    // 1 + the highest Numer of all versions, current or not (1 for an empty table).
    qint64 nextNumber();

    // Checks of the editor's save, in order, before the transaction. `data.nip` is normalised
    // by the first one. `editedNumer` is 0 for a new counterparty.
    QList<shell::registers::Check> checksBefore(CounterpartyData& data, qint64 editedNumer,
                                                const CounterpartyOptions& options);
    QList<shell::registers::Check> checksInside(const CounterpartyData& data, qint64 editedNumer,
                                                const CounterpartyOptions& options);

    struct Saved {
        bool saved = false;
        QString field;
        qint64 kod = 0;
        qint64 numer = 0;
    };
    // The whole save. In edit mode `editedKod` is the version loaded into the editor and
    // `loaded` its data as loaded; a change of the document data makes a new version.
    Saved save(CounterpartyData data, EditorMode mode, qint64 editedKod,
               const CounterpartyData& loaded, const CounterpartyOptions& options,
               const QString& caption, const QDate& today);

    // Deletes the current version `kod`, unless a register still refers to its number (then
    // Refused with the refusal shown). When documents only name it as recipient or payer the
    // version is retired (Last false) instead, so that those documents keep their data.
    DeleteOutcome remove(qint64 kod);

  private:
    void writeFields(engine::Table& t, const CounterpartyData& d);
    bool usedBy(const QString& table, const QString& index, qint64 numer);
    bool namedBy(const QString& table, const QStringList& fields, qint64 numer);

    shell::company::CompanyData& company_;
    engine::Table lookup_;
    engine::Table writer_;
};

}  // namespace catalogs::counterparties

#include "catalogs/counterparties/counterparty_rules.h"

#include <algorithm>

#include "common/identifiers.h"
#include "common/text_utils.h"
#include "data/settings_store.h"
#include "engine/error.h"
#include "shell/company/company_data.h"
#include "shell/messages.h"

namespace catalogs::counterparties {

using shell::registers::Check;
using shell::registers::Problem;

namespace {

const QString kGroup = QStringLiteral("Firmy");
const QString kSubgroup = QStringLiteral("Wprowadzanie");

QString str(engine::Table& t, const char* field) {
    return t.fieldByName(QString::fromLatin1(field)).asString();
}
qint64 num(engine::Table& t, const char* field) {
    return t.fieldByName(QString::fromLatin1(field)).asInteger();
}

int lineCount(QString text) {
    text = common::trimRightBlank(text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
}

bool blank(const QString& text) {
    return common::isBlank(text);
}

// Another counterparty than the edited one (0 = none edited, any number counts).
bool other(qint64 found, qint64 editedNumer) {
    return found != 0 && (editedNumer == 0 || found != editedNumer);
}

QString quoted(QString pattern) {
    if (!pattern.startsWith(QLatin1Char('*')))
        pattern.prepend(QLatin1Char('*'));
    pattern.replace(QStringLiteral("'"), QStringLiteral("''"));
    return pattern;
}

QString condition(const QString& field, const QString& pattern) {
    return QStringLiteral("(") + field + QStringLiteral("='") + quoted(pattern) +
           QStringLiteral("')");
}

}  // namespace

CounterpartyData readCounterparty(engine::Table& t) {
    CounterpartyData d;
    d.symbol = str(t, "Symbol");
    d.nazwa = str(t, "Nazwa");
    d.ulica = str(t, "AUlica");
    d.kod = str(t, "AKod");
    d.miasto = str(t, "APoczta");
    d.nip = str(t, "NIP");
    d.firma = str(t, "Firma") == QStringLiteral("TAK");
    d.priceLevel = static_cast<int>(std::clamp<qint64>(num(t, "PoziomCen") / 2, 0, 2));
    d.rabat = t.fieldByName(QStringLiteral("Rabat")).asCurrency();
    d.dostawca = num(t, "Dost") == 1;
    d.odbiorca = num(t, "Odb") == 1;
    d.telKier = str(t, "TelKier");
    d.tel1 = str(t, "Tel1");
    d.tel2 = str(t, "Tel2");
    d.fax = str(t, "Fax");
    d.osobaPan = str(t, "OsobaPan");
    d.osoba = str(t, "Osoba");
    d.email = str(t, "EMail");
    d.odbiera = num(t, "Odbiera") == 1;
    d.krotkaNazwa = str(t, "KrotkaNazwa");
    d.adresWNazwie = t.fieldByName(QStringLiteral("Aktywna")).asBoolean();
    d.bank = str(t, "BankNazwa");
    d.konto = str(t, "BankKonto");
    d.uwagi = str(t, "Uwagi");
    return d;
}

bool documentDataDiffers(const CounterpartyData& a, const CounterpartyData& b) {
    return a.nazwa != b.nazwa || a.ulica != b.ulica || a.kod != b.kod || a.miasto != b.miasto ||
           a.nip != b.nip || a.krotkaNazwa != b.krotkaNazwa || a.bank != b.bank ||
           a.konto != b.konto;
}

CounterpartyOptions CounterpartyOptions::load(engine::Table& opcjef) {
    data::SettingsStore store(opcjef);
    CounterpartyOptions o;
    o.symbolFromName = store.readFlagSetting(false, kGroup, kSubgroup, QStringLiteral("Symbol"));
    o.firma =
        store.readSetting(kGroup, kSubgroup, QStringLiteral("Firma")) != QStringLiteral("Nie");
    o.sameNipAllowed =
        store.readFlagSetting(false, kGroup, kSubgroup, QStringLiteral("Identyczny NIP"));
    const qint64 level = store.readNumberSetting(kGroup, kSubgroup, QStringLiteral("Poziom cen"));
    o.priceLevel = level >= 0 && level <= 2 ? static_cast<int>(level) : 0;
    o.odbiera = store.readFlagSetting(false, kGroup, kSubgroup, QStringLiteral("Odbiorca"));
    const QString pan = store.readSetting(kGroup, kSubgroup, QStringLiteral("OsobaPan"));
    o.osobaPan = pan.isEmpty() ? QStringLiteral("Pan") : pan;
    return o;
}

bool CounterpartyOptions::save(engine::Table& opcjef) const {
    data::SettingsStore store(opcjef);
    return store.writeFlagSetting(kGroup, kSubgroup, QStringLiteral("Symbol"), symbolFromName) &&
           store.writeFlagSetting(kGroup, kSubgroup, QStringLiteral("Firma"), firma) &&
           store.writeFlagSetting(kGroup, kSubgroup, QStringLiteral("Identyczny NIP"),
                                  sameNipAllowed) &&
           store.writeNumberSetting(kGroup, kSubgroup, QStringLiteral("Poziom cen"), priceLevel) &&
           store.writeFlagSetting(kGroup, kSubgroup, QStringLiteral("Odbiorca"), odbiera) &&
           store.writeSetting(kGroup, kSubgroup, QStringLiteral("OsobaPan"), osobaPan);
}

NipNormalisation normaliseNip(const QString& typed) {
    if (blank(typed) || common::isValidNIP(typed))
        return {typed, std::nullopt};
    const QString bare = common::removeSpaces(typed);
    // The stored forms hold the digits alone, so that a number typed in groups still fits the
    // field.
    if (common::isDigits(bare) && bare.size() == 11 && common::isValidPESEL(bare))
        return {common::formatPESELEntry(bare), std::nullopt};
    if (common::isDigits(bare) && bare.size() == 9 && common::isValidREGON(bare))
        return {common::formatREGONEntry(bare), std::nullopt};
    if (common::isPESELEntry(typed))
        return {common::formatPESELEntry(typed), std::nullopt};
    if (common::isREGONEntry(typed))
        return {common::formatREGONEntry(typed), std::nullopt};
    const QString start = common::trim(typed).left(1).toUpper();
    const QString kind = start == QStringLiteral("P")   ? QStringLiteral("PESEL")
                         : start == QStringLiteral("R") ? QStringLiteral("REGON")
                                                        : QStringLiteral("NIP");
    return {typed,
            QStringLiteral("Numer ") + kind +
                QStringLiteral(" prawdopodobnie nie jest prawidłowy. Czy chcesz go zmienić?")};
}

QString filterExpression(const FilterPatterns& p, FilterMode mode) {
    QStringList parts;
    auto add = [&](const QString& field, const QString& pattern) {
        if (!common::isBlankOrStars(pattern))
            parts << condition(field, pattern);
    };
    add(QStringLiteral("Nazwa"), p.nazwa);
    add(QStringLiteral("Symbol"), p.symbol);
    add(QStringLiteral("AUlica"), p.ulica);
    add(QStringLiteral("AKod"), p.kod);
    add(QStringLiteral("APoczta"), p.miasto);
    add(QStringLiteral("NIP"), p.nip);
    if (!common::isBlankOrStars(p.telefon))
        parts << QStringLiteral("(") + condition(QStringLiteral("Tel1"), p.telefon) +
                     QStringLiteral(" or ") + condition(QStringLiteral("Tel2"), p.telefon) +
                     QStringLiteral(" or ") + condition(QStringLiteral("Fax"), p.telefon) +
                     QStringLiteral(")");
    add(QStringLiteral("Osoba"), p.osoba);
    add(QStringLiteral("EMail"), p.email);
    if (parts.isEmpty())
        return {};
    const QString joined =
        parts.join(mode == FilterMode::All ? QStringLiteral(" and ") : QStringLiteral(" or "));
    return mode == FilterMode::None ? QStringLiteral("not (") + joined + QStringLiteral(")")
                                    : joined;
}

// ------------------------------------------------------------------------------ rules

CounterpartyRules::CounterpartyRules(shell::company::CompanyData& company)
    : company_(company),
      lookup_(company.database(), QStringLiteral("firmy")),
      writer_(company.database(), QStringLiteral("firmy")) {
    lookup_.open();
    writer_.open();
    writer_.setIndexName(QStringLiteral("mainkod"));
}

CounterpartyRules::~CounterpartyRules() = default;

qint64 CounterpartyRules::findBySymbol(const QString& symbol) {
    lookup_.setIndexName(QStringLiteral("fsymbol"));
    return lookup_.findKey({true, symbol}) ? num(lookup_, "Numer") : 0;
}

qint64 CounterpartyRules::findByNip(const QString& nip) {
    lookup_.setIndexName(QStringLiteral("fnip"));
    return lookup_.findKey({true, nip}) ? num(lookup_, "Numer") : 0;
}

QString CounterpartyRules::symbolOf(qint64 numer) {
    lookup_.setIndexName(QStringLiteral("main"));
    return lookup_.findKey({true, numer}) ? str(lookup_, "Symbol") : QString();
}

qint64 CounterpartyRules::nextNumber() {
    // Superseded and retired versions keep their numbers, so they count too.
    lookup_.setIndexName(QStringLiteral("main"));
    qint64 highest = 0;
    for (bool last : {false, true}) {
        lookup_.setRange({last}, {last});
        lookup_.last();
        if (!lookup_.isEmpty())
            highest = std::max(highest, num(lookup_, "Numer"));
    }
    lookup_.cancelRange();
    return highest + 1;
}

QList<Check> CounterpartyRules::checksBefore(CounterpartyData& d, qint64 editedNumer,
                                             const CounterpartyOptions& options) {
    return {
        [&d]() -> std::optional<Problem> {
            const NipNormalisation n = normaliseNip(d.nip);
            d.nip = n.nip;
            if (n.question)
                return Problem{*n.question, QStringLiteral("NIP"), true};
            return std::nullopt;
        },
        [&d]() -> std::optional<Problem> {
            if (blank(d.nazwa))
                return Problem{QStringLiteral("Brak nazwy kontrahenta."), QStringLiteral("Nazwa")};
            return std::nullopt;
        },
        [&d]() -> std::optional<Problem> {
            if (blank(d.ulica) && blank(d.kod) && blank(d.miasto))
                return Problem{QStringLiteral("Brak adresu kontrahenta."), QStringLiteral("Ulica")};
            return std::nullopt;
        },
        [&d]() -> std::optional<Problem> {
            if (lineCount(d.nazwa) > 3)
                return Problem{QStringLiteral("Za długa nazwa - więcej niż 3 linie."),
                               QStringLiteral("Nazwa")};
            if (lineCount(d.uwagi) > 20)
                return Problem{QStringLiteral("Za długa informacja - więcej niż 20 linii."),
                               QStringLiteral("Info")};
            return std::nullopt;
        },
        [&d]() -> std::optional<Problem> {
            if (blank(d.symbol))
                return Problem{QStringLiteral("Brak symbolu kontrahenta."),
                               QStringLiteral("Symbol")};
            return std::nullopt;
        },
        [&d]() -> std::optional<Problem> {
            if (!d.dostawca && !d.odbiorca)
                return Problem{QStringLiteral("Nie zaznaczono żadnego z pól Dostawca / Odbiorca."),
                               QStringLiteral("CheckOdbiorca")};
            return std::nullopt;
        },
        [&d]() -> std::optional<Problem> {
            if (d.firma && blank(d.nip))
                return Problem{QStringLiteral("Firmy muszą mieć wpisany NIP (ewentualnie REGON "
                                              "lub PESEL).\rWpisz odpowiedni numer, lub usuń "
                                              "zaznaczenie z pola Firma."),
                               QStringLiteral("NIP")};
            return std::nullopt;
        },
        [this, &d, editedNumer, options]() -> std::optional<Problem> {
            if (blank(d.nip) || !other(findByNip(d.nip), editedNumer))
                return std::nullopt;
            if (!options.sameNipAllowed)
                return Problem{QStringLiteral("W bazie jest już kontrahent o identycznym numerze "
                                              "NIP.\rWpisz właściwy numer lub pozostaw puste "
                                              "pole. (Wtedy\rpole Firma nie może być "
                                              "zaznaczone.)"),
                               QStringLiteral("NIP")};
            return Problem{QStringLiteral("W bazie jest już kontrahent o identycznym numerze "
                                          "NIP.\rCzy chcesz wpisać inny numer?"),
                           QStringLiteral("NIP"), true};
        },
    };
}

QList<Check> CounterpartyRules::checksInside(const CounterpartyData& d, qint64 editedNumer,
                                             const CounterpartyOptions& options) {
    return {
        [this, &d, editedNumer]() -> std::optional<Problem> {
            if (other(findBySymbol(d.symbol), editedNumer))
                return Problem{
                    QStringLiteral("W bazie jest już firma o podanym symbolu.\rWpisz coś innego."),
                    QStringLiteral("Symbol")};
            return std::nullopt;
        },
        [this, &d, editedNumer, options]() -> std::optional<Problem> {
            if (!options.sameNipAllowed && !blank(d.nip) && other(findByNip(d.nip), editedNumer))
                return Problem{QStringLiteral("W bazie jest już firma o identycznym numerze NIP."
                                              "\rWpisz właściwy numer lub pozostaw puste pole."),
                               QStringLiteral("NIP")};
            return std::nullopt;
        },
    };
}

void CounterpartyRules::writeFields(engine::Table& t, const CounterpartyData& d) {
    auto set = [&t](const char* field, const QString& v) {
        t.fieldByName(QString::fromLatin1(field)).setString(v);
    };
    auto setNum = [&t](const char* field, qint64 v) {
        t.fieldByName(QString::fromLatin1(field)).setInteger(v);
    };
    set("Symbol", d.symbol);
    set("Nazwa", common::trimRightBlank(d.nazwa));
    set("AUlica", d.ulica);
    set("AKod", d.kod);
    set("APoczta", d.miasto);
    set("NIP", d.nip);
    set("Firma", d.firma ? QStringLiteral("TAK") : QStringLiteral("NIE"));
    t.fieldByName(QStringLiteral("Aktywna")).setBoolean(d.adresWNazwie);
    setNum("PoziomCen", 2 * d.priceLevel);
    t.fieldByName(QStringLiteral("Rabat")).setCurrency(d.rabat);
    setNum("Dost", d.dostawca ? 1 : 0);
    setNum("Odb", d.odbiorca ? 1 : 0);
    set("TelKier", d.telKier);
    set("Tel1", d.tel1);
    set("Tel2", d.tel2);
    set("Fax", d.fax);
    set("OsobaPan", d.osobaPan);
    set("Osoba", d.osoba);
    setNum("Odbiera", d.odbiera ? 1 : 0);
    set("EMail", d.email);
    set("KrotkaNazwa", d.krotkaNazwa);
    set("BankNazwa", d.bank);
    set("BankKonto", d.konto);
    set("Uwagi", d.uwagi);
}

CounterpartyRules::Saved CounterpartyRules::save(CounterpartyData data, EditorMode mode,
                                                 qint64 editedKod, const CounterpartyData& loaded,
                                                 const CounterpartyOptions& options,
                                                 const QString& caption, const QDate& today) {
    const bool editing = mode == EditorMode::Edit;
    qint64 editedNumer = 0;
    if (editing) {
        if (writer_.findKey({editedKod}))
            editedNumer = num(writer_, "Numer");
    }
    Saved result;
    const auto writeVersion = [&] {
        qint64 numer = editedNumer;
        bool newRecord = !editing;
        if (editing) {
            if (!writer_.findKey({editedKod}))
                throw engine::Error(engine::Error::Code::NoRecord,
                                    QStringLiteral("firmy: the edited version has gone"));
            writer_.edit();
            if (documentDataDiffers(loaded, data)) {
                writer_.fieldByName(QStringLiteral("Last")).setBoolean(false);
                writer_.fieldByName(QStringLiteral("Symbol")).setString(data.symbol);
                writer_.fieldByName(QStringLiteral("Uwagi")).setString(QString());
                writer_.post();
                writer_.append();
                newRecord = true;
            }
        } else {
            numer = nextNumber();
            writer_.append();
        }
        writer_.fieldByName(QStringLiteral("Last")).setBoolean(true);
        writer_.fieldByName(QStringLiteral("Numer")).setInteger(numer);
        writeFields(writer_, data);
        if (newRecord)
            writer_.fieldByName(QStringLiteral("Kiedy")).setDate(today);
        writer_.post();
        result.kod = num(writer_, "Kod");
        result.numer = numer;
    };
    // The write helper cancels the edits of the company's cursors; this one is ours.
    const auto write = [&] {
        try {
            writeVersion();
        } catch (...) {
            if (writer_.state() != engine::Table::State::Browse)
                writer_.cancel();
            throw;
        }
    };
    const shell::registers::SaveOutcome outcome = shell::registers::saveWithChecks(
        company_.writer(), checksBefore(data, editedNumer, options),
        checksInside(data, editedNumer, options), write, caption);
    result.saved = outcome.saved;
    result.field = outcome.field;
    return result;
}

bool CounterpartyRules::usedBy(const QString& table, const QString& index, qint64 numer) {
    engine::Table t(company_.database(), table);
    t.open();
    t.setIndexName(index);
    return t.findKey({numer});
}

bool CounterpartyRules::namedBy(const QString& table, const QStringList& fields, qint64 numer) {
    engine::Table t(company_.database(), table);
    t.open();
    for (const QString& field : fields)
        if (t.locate({field}, {numer}))
            return true;
    return false;
}

DeleteOutcome CounterpartyRules::remove(qint64 kod) {
    DeleteOutcome outcome = DeleteOutcome::Failed;
    const bool done = company_.writer().saveInTransaction([&] {
        if (!writer_.findKey({kod}))
            throw engine::Error(engine::Error::Code::NoRecord,
                                QStringLiteral("firmy: the version to delete has gone"));
        const qint64 numer = num(writer_, "Numer");
        if (usedBy(QStringLiteral("kasabank"), QStringLiteral("nfdata"), numer) ||
            usedBy(QStringLiteral("faktury"), QStringLiteral("fnab"), numer) ||
            usedBy(QStringLiteral("magazynowe"), QStringLiteral("mnab"), numer) ||
            usedBy(QStringLiteral("zakupy"), QStringLiteral("kontra"), numer) ||
            usedBy(QStringLiteral("przelewy"), QStringLiteral("firmy"), numer)) {
            outcome = DeleteOutcome::Refused;  // nothing written: the commit changes nothing
            return;
        }
        // Documents that name it only as recipient or payer read its data through its number;
        // retiring the version takes it out of the catalog and keeps those documents whole.
        if (namedBy(QStringLiteral("faktury"),
                    {QStringLiteral("Odbiorca"), QStringLiteral("Platnik")}, numer) ||
            namedBy(QStringLiteral("magazynowe"), {QStringLiteral("OdbiorcaDostawca")}, numer)) {
            writer_.edit();
            writer_.fieldByName(QStringLiteral("Last")).setBoolean(false);
            writer_.post();
            outcome = DeleteOutcome::Retired;
        } else {
            writer_.deleteRecord();
            outcome = DeleteOutcome::Deleted;
        }
    });
    if (!done)
        return DeleteOutcome::Failed;
    if (outcome == DeleteOutcome::Refused)
        shell::showMessage(kDeleteRefusedMessage);
    return outcome;
}

}  // namespace catalogs::counterparties

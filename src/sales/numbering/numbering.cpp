#include "sales/numbering/numbering.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

#include "common/conversion_error.h"
#include "data/settings_store.h"
#include "engine/database.h"
#include "engine/error.h"
#include "engine/table.h"
#include "shell/messages.h"

namespace sales {
namespace {

struct CounterInfo {
    int index;
    const char* kind;
    const char16_t* word;
};

// In the order of the numbering window.
constexpr CounterInfo kCounters[] = {
    {kInvoiceCounter, "F", u"faktury"},     {kCorrectionCounter, "K", u"korekty"},
    {kBillCounter, "R", u"rachunku"},       {kProFormaCounter, "PF", u"proforma"},
    {kCashCounter, "DK", u"kasowego"},      {kOrderCounter, "Z", u"zamówienia"},
    {kReceiptCounter, "P", u"paragonu"},    {kGoodsIssuedCounter, "WZ", u"WZ"},
    {kGoodsReceivedCounter, "PZ", u"PZ"},   {kInternalIssueCounter, "RW", u"RW"},
    {kInternalReceiptCounter, "PW", u"PW"},
};

const CounterInfo* infoOf(int index) {
    for (const CounterInfo& c : kCounters)
        if (c.index == index)
            return &c;
    return nullptr;
}

const QString kInvoiceGroup = QStringLiteral("Faktura");
const QString kTextsSubgroup = QStringLiteral("Napisy");

void throwWriteFailed(int index) {
    throw engine::Error(
        engine::Error::Code::Locked,
        QStringLiteral("the counter \"%1\" could not be written").arg(counterWord(index)));
}

}  // namespace

const QList<int>& counterIndices() {
    static const QList<int> indices = [] {
        QList<int> out;
        for (const CounterInfo& c : kCounters)
            out << c.index;
        return out;
    }();
    return indices;
}

QString counterWord(int index) {
    const CounterInfo* c = infoOf(index);
    return c ? QString::fromUtf16(c->word) : QString();
}

QString counterKind(int index) {
    const CounterInfo* c = infoOf(index);
    return c ? QString::fromLatin1(c->kind) : QString();
}

int salesCounterIndex(const QString& kind) {
    if (kind == u"F")
        return kInvoiceCounter;
    if (kind == u"K")
        return kCorrectionCounter;
    if (kind == u"R")
        return kBillCounter;
    if (kind == u"PF")
        return kProFormaCounter;
    if (kind == u"P")
        return kReceiptCounter;
    return kOrderCounter;
}

int warehouseCounterIndex(const QString& kind) {
    if (kind == u"WZ")
        return kGoodsIssuedCounter;
    if (kind == u"PZ")
        return kGoodsReceivedCounter;
    if (kind == u"RW")
        return kInternalIssueCounter;
    return kInternalReceiptCounter;
}

SettingKey counterKey(int index) {
    return {kInvoiceGroup, kTextsSubgroup, QStringLiteral("Kolejny numer ") + counterWord(index)};
}

SettingKey copiesKey(int index) {
    return {kInvoiceGroup, kTextsSubgroup, QStringLiteral("Liczba kopii ") + counterWord(index)};
}

SettingKey templateKey(int index) {
    // The cash template belongs to the cash book's own settings.
    if (index == kCashCounter)
        return {QStringLiteral("Kasa"), kTextsSubgroup,
                QStringLiteral("Format numeru dokumentu kasowego")};
    return {kInvoiceGroup, kTextsSubgroup, QStringLiteral("Format numeru ") + counterWord(index)};
}

SettingKey continuationKey() {
    return {kInvoiceGroup, QStringLiteral("Numeracja"), QStringLiteral("Kontynuacja")};
}

SettingKey monthlyKey() {
    return {kInvoiceGroup, QStringLiteral("Numeracja"), QStringLiteral("CoMiesiąc")};
}

QString defaultTemplate(int index) {
    return index == kCashCounter ? QStringLiteral("nr DK #/$") : QStringLiteral("nr #/$");
}

const QStringList& offeredTemplates() {
    static const QStringList templates{
        QStringLiteral("nr #"),      QStringLiteral("nr #/@"),   QStringLiteral("Nr #/$"),
        QStringLiteral("nr ####/$"), QStringLiteral("nr #/&/$"), QStringLiteral("ZPCHr nr #/$"),
        QStringLiteral("PZP nr #"),
    };
    return templates;
}

QString formatNumber(const QString& numberTemplate, int year, int month, qint64 sequence) {
    const QString yearText = QString::number(year);
    const QString monthText = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
    bool sequenceDone = false, yearDone = false, shortYearDone = false, monthDone = false;
    QString out;
    for (qsizetype i = 0; i < numberTemplate.size(); ++i) {
        const QChar c = numberTemplate.at(i);
        if (c == u'#') {
            if (sequenceDone)
                continue;
            sequenceDone = true;
            qsizetype run = 1;
            while (i + run < numberTemplate.size() && numberTemplate.at(i + run) == u'#')
                ++run;
            i += run - 1;
            out += QStringLiteral("%1").arg(sequence, static_cast<int>(run), 10, QLatin1Char('0'));
        } else if (c == u'$') {
            if (!yearDone)
                out += yearText;
            yearDone = true;
        } else if (c == u'@') {
            if (!shortYearDone)
                out += yearText.mid(2, 2);
            shortYearDone = true;
        } else if (c == u'&') {
            if (!monthDone)
                out += monthText;
            monthDone = true;
        } else {
            out += c;
        }
    }
    return out;
}

NumberingMode readNumberingMode(data::SettingsStore& store) {
    const SettingKey monthly = monthlyKey(), continuation = continuationKey();
    if (store.readFlagSetting(false, monthly.group, monthly.subgroup, monthly.name))
        return NumberingMode::MonthlyRestart;
    if (store.readFlagSetting(false, continuation.group, continuation.subgroup, continuation.name))
        return NumberingMode::Continuation;
    return NumberingMode::YearlyRestart;
}

qint64 readCounter(data::SettingsStore& store, int index) {
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[-+]?[0-9]{1,18}\\s*$"));
    const SettingKey key = counterKey(index);
    const QString text = store.readSetting(key.group, key.subgroup, key.name);
    if (!wholeNumber.match(text).hasMatch())
        throw common::ConversionError(
            text, QStringLiteral("'%1' is not a valid integer value").arg(text));
    return text.trimmed().toLongLong();
}

qint64 nextNumber(data::SettingsStore& store, int index, qint64 fixed, const QDate& newDate,
                  const QDate& lastDate, bool peek) {
    const qint64 counter = readCounter(store, index);
    qint64 result = counter;
    if (fixed >= 0) {
        result = fixed;
    } else if (readNumberingMode(store) == NumberingMode::MonthlyRestart) {
        const bool sameMonthOrLater = lastDate.isValid() && newDate.isValid() &&
                                      QDate(lastDate.year(), lastDate.month(), 2) >=
                                          QDate(newDate.year(), newDate.month(), 1);
        if (!sameMonthOrLater)
            result = 1;
    }
    if (!peek) {
        const SettingKey key = counterKey(index);
        if (!store.writeNumberSetting(key.group, key.subgroup, key.name, result + 1))
            throwWriteFailed(index);
    }
    return result;
}

LastDocument lastDocumentDate(engine::Database& db, const QString& table, const QString& kind,
                              const QDate& documentDate) {
    const bool sales = table.compare(QLatin1String("faktury"), Qt::CaseInsensitive) == 0;
    engine::Table cursor(db, table);
    cursor.open();
    cursor.setIndexName(sales ? QStringLiteral("frdatan") : QStringLiteral("mrdata"));
    cursor.setRange({kind, QDate(1900, 1, 1)}, {kind, QDate(2100, 1, 1)});
    LastDocument out;
    if (!cursor.isEmpty()) {
        cursor.last();
        out.date = cursor.fieldByName(QStringLiteral("DataWyst")).asDate();
        out.later = out.date.isValid() && documentDate.isValid() && out.date > documentDate;
    }
    return out;
}

LastDocument lastSalesDocumentDate(engine::Database& db, const QString& kind,
                                   const QDate& documentDate) {
    return lastDocumentDate(db, QStringLiteral("faktury"), kind, documentDate);
}

LastDocument lastWarehouseDocumentDate(engine::Database& db, const QString& kind,
                                       const QDate& documentDate) {
    return lastDocumentDate(db, QStringLiteral("magazynowe"), kind, documentDate);
}

void showLaterDocumentWarning() {
    shell::showMessage(kLaterDocumentWarning, kLaterDocumentCaption);
}

int copiesOf(data::SettingsStore& store, const QString& kindCode) {
    static const QStringList ownWord{QStringLiteral("WZ"), QStringLiteral("PZ"),
                                     QStringLiteral("RW"), QStringLiteral("PW"),
                                     QStringLiteral("ZW")};
    QString word;
    if (kindCode == u"F")
        word = QStringLiteral("faktury");
    else if (kindCode == u"K")
        word = QStringLiteral("korekty");
    else if (kindCode == u"R")
        word = QStringLiteral("rachunku");
    else if (kindCode == u"DK")
        word = QStringLiteral("kasowego");
    else if (kindCode == u"PF")
        word = QStringLiteral("proforma");
    else if (kindCode == u"P")
        word = QStringLiteral("paragonu");
    else if (ownWord.contains(kindCode))
        word = kindCode;
    else
        word = QStringLiteral("zamówienia");
    const qint64 n = store.readNumberSetting(kInvoiceGroup, kTextsSubgroup,
                                             QStringLiteral("Liczba kopii ") + word);
    return n < 0 ? 1 : static_cast<int>(std::min<qint64>(n, std::numeric_limits<int>::max()));
}

QString numberTextAtSave(const QString& boxText, const QString& proposedText,
                         const QString& numberTemplate, qint64 sequenceTaken, NumberingMode mode,
                         const QDate& issueDate, const QDate& lastDate, const QDate& today) {
    if (boxText != proposedText)
        return boxText;
    QDate basis = today;
    if (mode == NumberingMode::MonthlyRestart) {
        basis = issueDate;
        if (lastDate.isValid() && (!basis.isValid() || lastDate > basis))
            basis = lastDate;
    }
    return formatNumber(numberTemplate, basis.year(), basis.month(), sequenceTaken)
        .left(kNumberTextMaxLength);
}

QList<CounterDocuments> salesDocumentsOf(const QString& kind) {
    return {{QStringLiteral("faktury"), QStringLiteral("frdatan"), {kind}}};
}

QList<CounterDocuments> warehouseDocumentsOf(const QString& kind) {
    return {{QStringLiteral("magazynowe"), QStringLiteral("mrdata"), {kind}}};
}

QList<CounterDocuments> cashDocuments() {
    return {{QStringLiteral("kasabank"), QStringLiteral("kdata"), {1}}};
}

bool giveNumberBack(engine::Database& db, data::SettingsStore& store, int index,
                    qint64 numerKolejny, qint64 deletedKod,
                    const QList<CounterDocuments>& documents) {
    if (readCounter(store, index) != numerKolejny + 1)
        return false;
    // After a restart an older document can hold the counter's last number too; only the
    // newest document of the counter may give it back.
    for (const CounterDocuments& d : documents) {
        engine::Table cursor(db, d.table);
        cursor.open();
        cursor.setIndexName(d.index);
        cursor.setRange(d.key, d.key);
        for (cursor.first(); !cursor.eof(); cursor.next())
            if (cursor.fieldByName(QStringLiteral("Kod")).asInteger() > deletedKod)
                return false;
    }
    const SettingKey key = counterKey(index);
    if (!store.writeNumberSetting(key.group, key.subgroup, key.name, numerKolejny))
        throwWriteFailed(index);
    return true;
}

}  // namespace sales

#include "shell/company/calculations.h"

#include "common/amounts.h"
#include "common/dates.h"

namespace shell::company {
namespace {

const QChar kBlank{u' '};

Currency amount(double value) {
    return Currency::fromDouble(common::roundAmount(false, value));
}

Currency price(double value) {
    return Currency::fromDouble(common::roundAmount(true, value));
}

}  // namespace

QString salesDispNumer(const QString& kind, const QString& numer, qint64 magazyn, bool lookupForm) {
    QString text = kind + kBlank + numer;
    if (!lookupForm && magazyn == -1)
        text.prepend(u'*');
    return text;
}

QString salesFullNumer(const QString& kind, const QString& numer, engine::DateTime issueDate,
                       bool lookupForm) {
    if (kind == u"F") {
        const bool vatTitle = lookupForm || common::yearOf(issueDate) <= 2012;
        return (vatTitle ? QStringLiteral("Faktura VAT ") : QStringLiteral("Faktura ")) + numer;
    }
    static const QList<std::pair<QString, QString>> titles{
        {QStringLiteral("R"), QStringLiteral("Rachunek ")},
        {QStringLiteral("K"), QStringLiteral("Faktura korygująca ")},
        {QStringLiteral("PF"), QStringLiteral("Faktura proforma ")},
        {QStringLiteral("P"), QStringLiteral("Paragon ")},
        {QStringLiteral("Z"), QStringLiteral("Zamówienie ")},
    };
    for (const auto& [code, title] : titles)
        if (kind == code)
            return title + numer;
    return kind;
}

QString salesPaidDisplay(const QString& kind, const QString& zaplacona) {
    static const QStringList payable{QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("K"),
                                     QStringLiteral("P")};
    return payable.contains(kind) ? zaplacona : QStringLiteral("---");
}

Balance balanceOf(Currency gross, Currency paid) {
    if (gross >= Currency())
        return {gross - paid, paid};
    return {-gross - paid, -paid};
}

LineValues lineValues(Currency quantity, Currency unitPrice, qint64 vatCode,
                      const QString& grossFlag) {
    const double rate = vatCode < 0 ? 0.0 : static_cast<double>(vatCode) / 100.0;
    const double factor = 1.0 + rate / 100.0;
    const double v = common::roundAmount(false, quantity.toDouble() * unitPrice.toDouble());
    if (grossFlag.startsWith(u'T'))
        return {amount(v / factor), Currency::fromDouble(v)};
    return {Currency::fromDouble(v), amount(v * factor)};
}

double percentOfText(const QString& text) {
    QString number = text.trimmed();
    if (number.endsWith(u'%'))
        number.chop(1);
    // Written with the decimal comma; a point from elsewhere means the same.
    number.replace(u'.', u',');
    return common::textToFloat(number);
}

RateDisplay rateDisplay(const QString& stawka, const QString& wartosc) {
    const QString name = stawka.trimmed();
    if (name == u"ZW")
        return {QStringLiteral("ZW"), 0};
    if (name.toUpper() == u"NP")
        return {QStringLiteral("NP"), 0};
    return {wartosc, percentOfText(wartosc)};
}

GoodsPrices goodsPrices(const GoodsPriceInput& in) {
    GoodsPrices out;
    const double purchase = in.purchasePrice.toDouble();
    const double vatFactor = 1.0 + in.vatPercent / 100.0;
    for (size_t level = 0; level < 3; ++level) {
        const auto& margin = in.marginPercents[level];
        out.netPrices[level] =
            margin ? price(purchase * (1.0 + *margin / 100.0)) : in.storedNetPrices[level];
        out.grossPrices[level] = price(out.netPrices[level].toDouble() * vatFactor);
    }
    out.purchaseGross = price(purchase * vatFactor);
    return out;
}

Currency availableStock(Currency stock, Currency reserved) {
    const Currency free = stock - reserved;
    return free > Currency() ? free : Currency();
}

QString addressTwoLines(const QString& street, const QString& postCode, const QString& city) {
    return street + QStringLiteral("\r\n") + addressOneLine(postCode, city);
}

QString addressOneLine(const QString& postCode, const QString& city) {
    return postCode + kBlank + city;
}

QString priceLevelText(qint64 level) {
    if (level < 0 || level > 5)
        return {};
    return QStringLiteral("Ceny %1").arg(level / 2 + 1);
}

QString contactPerson(const QString& formOfAddress, const QString& person) {
    return formOfAddress + kBlank + person;
}

QString nameOnOneLine(const QString& name) {
    QString out = name;
    out.replace(u'\r', kBlank);
    out.remove(u'\n');
    return out;
}

QString cashDispNumer(const QString& kind, const QString& numer) {
    return kind + kBlank + numer;
}

QString bankDispNumer(const QString& kind, const QString& numer) {
    if (numer.trimmed().isEmpty())
        return kind + QStringLiteral(" nr ----");
    return kind + QStringLiteral(" nr ") + numer;
}

QString transferKindText(qint64 wplata) {
    if (wplata == 0)
        return QStringLiteral("Przelew");
    if (wplata == 1)
        return QStringLiteral("Wpłata gotówkowa");
    return {};
}

QString warehouseDispNumer(qint64 sprzedaz, const QString& kind, const QString& numer,
                           bool approved, bool lookupForm) {
    switch (sprzedaz) {
        case 0: {
            QString text = kind + kBlank + numer;
            if (!approved && !lookupForm)
                text.prepend(u'*');
            return text;
        }
        case 1:
            return QStringLiteral("F ") + numer;
        case 2:
            return QStringLiteral("R ") + numer;
        case 3:
            return QStringLiteral("P ") + numer;
        default:
            return {};
    }
}

QString warehouseFullNumer(const QString& kind, const QString& numer, qint64 sprzedaz) {
    // Internal receipts and issues are stored as PW and RW; PM and RM are their older codes.
    static const QList<std::pair<QStringList, QString>> titles{
        {{QStringLiteral("PZ")}, QStringLiteral("Przyjęcie z zewnątrz (PZ) ")},
        {{QStringLiteral("WZ")}, QStringLiteral("Wydanie na zewnątrz (WZ) ")},
        {{QStringLiteral("PW"), QStringLiteral("PM")}, QStringLiteral("Przychód wewnętrzny (PM) ")},
        {{QStringLiteral("RW"), QStringLiteral("RM")}, QStringLiteral("Rozchód wewnętrzny (RM) ")},
        {{QStringLiteral("MM")}, QStringLiteral("Przesunięcie międzymagazynowe ")},
    };
    for (const auto& [codes, title] : titles)
        if (codes.contains(kind))
            return title + numer;
    if (kind == u"F") {
        if (sprzedaz == 1)
            return QStringLiteral("Faktura ") + numer;
        if (sprzedaz == 2)
            return QStringLiteral("Rachunek ") + numer;
        return QStringLiteral("Paragon ") + numer;
    }
    return kind;
}

bool isWarehouseReference(qint64 kodFaktury) {
    return kodFaktury >= kWarehouseReferenceStep;
}

qint64 warehouseDocumentKod(qint64 kodFaktury) {
    return kodFaktury > 0 ? kodFaktury % kWarehouseReferenceStep : kodFaktury;
}

Currency stocktakingValue(Currency price, Currency countedQuantity) {
    return amount(price.toDouble() * countedQuantity.toDouble());
}

}  // namespace shell::company

#include "shell/company/button_states.h"

#include "engine/table.h"
#include "shell/company/calculations.h"

namespace shell::company {
namespace {

bool counterpartyUnpaidInView(const PaymentFilter& filter) {
    return filter.symbol != u"*" && filter.onlyUnpaid;
}

}  // namespace

RecordPosition recordPosition(const engine::Table& list) {
    RecordPosition pos;
    pos.hasRecord = list.isActive() && !list.isEmpty() && list.state() == engine::Table::State::Browse;
    if (!pos.hasRecord)
        return pos;
    // The cursor's Bof/Eof flags are not enough: stepping back onto the first record clears Bof.
    pos.notFirst = list.hasNeighbour(false);
    pos.notLast = list.hasNeighbour(true);
    return pos;
}

RecordButtons recordButtons(const RecordPosition& position) {
    RecordButtons b;
    b.edit = b.remove = b.duplicate = b.print = b.takeFromCurrent = position.hasRecord;
    b.first = b.prior = position.hasRecord && position.notFirst;
    b.next = b.last = position.hasRecord && position.notLast;
    return b;
}

PriceColumn priceColumn(const QString& lineGrossFlag) {
    if (lineGrossFlag.startsWith(u'T'))
        return {QStringLiteral("Cena brutto"), true};
    return {QStringLiteral("Cena netto"), false};
}

SalesRecord salesRecordOf(engine::Table& faktury) {
    SalesRecord r;
    r.empty = faktury.isEmpty();
    if (r.empty)
        return r;
    r.kind = faktury.fieldByName(QStringLiteral("RodzajDok")).asString();
    r.kodKorekty = faktury.fieldByName(QStringLiteral("KodKorekty")).asInteger();
    r.korektaDo = faktury.fieldByName(QStringLiteral("KorektaDo")).asInteger();
    r.dokMag = faktury.fieldByName(QStringLiteral("DokMag")).asInteger();
    r.magazyn = faktury.fieldByName(QStringLiteral("Magazyn")).asInteger();
    r.kodRealizacji = faktury.fieldByName(QStringLiteral("KodRealizacji")).asInteger();
    r.zaplacona = faktury.fieldByName(QStringLiteral("Zaplacona")).asString();
    r.brutto = faktury.fieldByName(QStringLiteral("Brutto")).asCurrency();
    return r;
}

SalesButtons salesButtons(const SalesRecord& doc, const PaymentFilter& filter) {
    SalesButtons b;
    const bool any = !doc.empty;
    b.createCorrection = any && doc.kind == u"F";
    b.gotoCorrection = any && doc.kodKorekty != 0;
    b.gotoCorrected = any && doc.korektaDo != 0;
    b.findWarehouseDoc = any && doc.dokMag != 0 && doc.magazyn > 0;
    b.duplicate = any && doc.kind != u"K";
    b.invoiceFromOrder = any && (doc.kind == u"Z" || doc.kind == u"PF" ||
                                 (doc.kind == u"P" && doc.kodRealizacji == 0));
    b.payDocument = any && doc.kind != u"PF" && doc.kind != u"Z" && doc.zaplacona != u"TAK";
    b.paySeveral = any && counterpartyUnpaidInView(filter);
    const bool refund = any && doc.brutto < engine::Currency();
    b.paidLabel = refund ? QStringLiteral("Wartość wypłat") : QStringLiteral("Wartość wpłat");
    b.remainingLabel =
        refund ? QStringLiteral("Pozostaje do wypłaty") : QStringLiteral("Pozostaje do zapłaty");
    return b;
}

SalesPaymentButtons salesPaymentButtons(bool paymentsEmpty, bool refund) {
    return {!paymentsEmpty,
            refund ? QStringLiteral("Data wypłaty") : QStringLiteral("Data wpłaty")};
}

WarehouseButtons warehouseButtons(bool empty, const QString& kind, qint64 dokumentKod) {
    return {!empty && kind != u"F", !empty && dokumentKod != 0};
}

PurchaseRecord purchaseRecordOf(engine::Table& zakupy) {
    PurchaseRecord r;
    r.empty = zakupy.isEmpty();
    if (r.empty)
        return r;
    r.kod = zakupy.fieldByName(QStringLiteral("Kod")).asInteger();
    r.kodMagazynu = zakupy.fieldByName(QStringLiteral("KodMagazynu")).asInteger();
    r.zaplacony = zakupy.fieldByName(QStringLiteral("Zaplacony")).asString();
    r.brutto = zakupy.fieldByName(QStringLiteral("Brutto")).asCurrency();
    return r;
}

PurchaseButtons purchaseButtons(const PurchaseRecord& doc, const PaymentFilter& filter) {
    PurchaseButtons b;
    const bool any = !doc.empty;
    b.findWarehouseDoc = any && doc.kodMagazynu > 0;
    b.payDocument = any && doc.zaplacony != u"TAK";
    b.paySeveral = any && counterpartyUnpaidInView(filter);
    const bool refund = any && doc.brutto < engine::Currency();
    b.paidLabel = refund ? QStringLiteral("Wartość zwrotów") : QStringLiteral("Wartość wypłat");
    b.remainingLabel =
        refund ? QStringLiteral("Pozostaje do zwrotu") : QStringLiteral("Pozostaje do zapłaty");
    b.paymentsKey = doc.kod + kPurchaseOrTransferOffset;
    return b;
}

GoodsButtons goodsButtons(bool goodsEmpty, bool documentsEmpty) {
    return {!goodsEmpty, !documentsEmpty};
}

}  // namespace shell::company

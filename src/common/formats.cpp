#include "common/formats.h"

#include <QLocale>
#include <QString>

namespace common {
namespace {

QChar fixedDateSeparator;    // set by setDateSeparator; null = follow the system
QChar currentDateSeparator;  // null until first read
int currentPriceDecimals = 2;

}  // namespace

QChar systemDateSeparator() {
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetter() && c != u'\'' && c != u' ')
            return c;
    return u'.';
}

void setLocaleFormats() {
    currentDateSeparator = fixedDateSeparator.isNull() ? systemDateSeparator() : fixedDateSeparator;
}

QChar dateSeparator() {
    if (currentDateSeparator.isNull())
        setLocaleFormats();
    return currentDateSeparator;
}

void setDateSeparator(QChar separator) {
    fixedDateSeparator = separator;
    setLocaleFormats();
}

int priceDecimals() {
    return currentPriceDecimals;
}

void setPriceDecimals(int decimals) {
    currentPriceDecimals = (decimals == 3 || decimals == 4) ? decimals : 2;
}

}  // namespace common

#include "engine/cell.h"

#include <sqlite3.h>

#include <cmath>

#include "engine/datetime.h"
#include "engine/error.h"
#include "platform/codepage.h"

namespace engine {
namespace {

int64_t wrapToWidth(FieldType type, int64_t v) {
    switch (type) {
        case FieldType::Byte:
            return static_cast<uint8_t>(v);
        case FieldType::Int8:
            return static_cast<int8_t>(v);
        case FieldType::Int16:
            return static_cast<int16_t>(v);
        case FieldType::Word16:
            return static_cast<uint16_t>(v);
        case FieldType::Int32:
            return static_cast<int32_t>(v);
        case FieldType::Word32:
        case FieldType::AutoInc:
            return static_cast<uint32_t>(v);
        case FieldType::Boolean:
            return v != 0 ? 1 : 0;
        default:
            return v;
    }
}

int64_t roundToInt64(double v) {
    if (!std::isfinite(v))
        return 0;
    if (v >= 9.2e18)
        return INT64_MAX;
    if (v <= -9.2e18)
        return INT64_MIN;
    return std::llround(v);
}

[[noreturn]] void badNumber(const FieldDef& def, const QString& text) {
    throw Error(Error::Code::BadValue,
                QStringLiteral("'%1' is not a valid value for field %2").arg(text, def.name));
}

double parseNumber(const FieldDef& def, const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty())
        return 0.0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        badNumber(def, text);
    return v;
}

QString numberText(double v) {
    return QString::number(v, 'g', 15);
}

}  // namespace

Cell emptyCell(FieldType type) {
    switch (type) {
        case FieldType::Single:
        case FieldType::DateTime:
            return 0.0;
        case FieldType::String:
        case FieldType::Text:
        case FieldType::Memo:
            return QString();
        case FieldType::Picture:
            return QByteArray();
        default:
            return int64_t{0};
    }
}

Cell cellFromString(const FieldDef& def, const QString& value) {
    switch (def.type) {
        case FieldType::String:
        case FieldType::Text: {
            QString t = platform::limitToCp1250(value);
            if (t.size() > def.size)
                t.truncate(def.size);
            return t;
        }
        case FieldType::Memo:
            return platform::limitToCp1250(value);
        case FieldType::Picture:
            return value.toUtf8();
        case FieldType::Boolean: {
            const QString t = value.trimmed();
            if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                return int64_t{1};
            if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || t.isEmpty())
                return int64_t{0};
            badNumber(def, value);
        }
        default:
            return cellFromDouble(def, parseNumber(def, value));
    }
}

Cell cellFromInteger(const FieldDef& def, int64_t value) {
    switch (def.type) {
        case FieldType::Currency:
            return value * Currency::kScale;
        case FieldType::Single:
            return static_cast<double>(static_cast<float>(value));
        case FieldType::DateTime:
            return static_cast<double>(value);
        case FieldType::String:
        case FieldType::Text:
        case FieldType::Memo:
            return cellFromString(def, QString::number(value));
        case FieldType::Picture:
            return QByteArray::number(static_cast<qlonglong>(value));
        default:
            return wrapToWidth(def.type, value);
    }
}

Cell cellFromDouble(const FieldDef& def, double value) {
    switch (def.type) {
        case FieldType::Currency:
            return Currency::fromDouble(value).units();
        case FieldType::Single:
            return static_cast<double>(static_cast<float>(value));
        case FieldType::DateTime:
            return value;
        case FieldType::String:
        case FieldType::Text:
        case FieldType::Memo:
            return cellFromString(def, numberText(value));
        case FieldType::Picture:
            return numberText(value).toUtf8();
        case FieldType::Boolean:
            return int64_t{value != 0.0 ? 1 : 0};
        default:
            return wrapToWidth(def.type, roundToInt64(value));
    }
}

Cell cellFromCurrency(const FieldDef& def, Currency value) {
    if (def.type == FieldType::Currency)
        return value.units();
    return cellFromDouble(def, value.toDouble());
}

Cell cellFromBytes(const FieldDef& def, const QByteArray& value) {
    if (def.type == FieldType::Picture)
        return value;
    return cellFromString(def, QString::fromUtf8(value));
}

Cell cellFrom(const FieldDef& def, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::monostate{};
    if (value.metaType() == QMetaType::fromType<Currency>())
        return cellFromCurrency(def, value.value<Currency>());
    switch (value.typeId()) {
        case QMetaType::Bool:
            return def.type == FieldType::Boolean || isIntegerType(def.type)
                       ? cellFromInteger(def, value.toBool() ? 1 : 0)
                       : cellFromString(def, value.toBool() ? QStringLiteral("True")
                                                            : QStringLiteral("False"));
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return cellFromInteger(def, value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return cellFromDouble(def, value.toDouble());
        case QMetaType::QDate:
            return cellFromDouble(def, toDateTime(value.toDate()));
        case QMetaType::QDateTime:
            return cellFromDouble(def, toDateTime(value.toDateTime()));
        case QMetaType::QByteArray:
            return cellFromBytes(def, value.toByteArray());
        default:
            return cellFromString(def, value.toString());
    }
}

QString cellToString(const FieldDef& def, const Cell& c) {
    if (const auto* s = std::get_if<QString>(&c))
        return *s;
    if (const auto* i = std::get_if<int64_t>(&c)) {
        if (def.type == FieldType::Boolean)
            return *i ? QStringLiteral("True") : QStringLiteral("False");
        if (def.type == FieldType::Currency)
            return numberText(static_cast<double>(*i) / Currency::kScale);
        return QString::number(*i);
    }
    if (const auto* d = std::get_if<double>(&c))
        return numberText(*d);
    if (const auto* b = std::get_if<QByteArray>(&c))
        return QString::fromUtf8(*b);
    return {};
}

double cellToDouble(const FieldDef& def, const Cell& c) {
    if (const auto* i = std::get_if<int64_t>(&c))
        return def.type == FieldType::Currency ? static_cast<double>(*i) / Currency::kScale
                                               : static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&c))
        return *d;
    if (const auto* s = std::get_if<QString>(&c))
        return parseNumber(def, *s);
    return 0.0;
}

int64_t cellToInteger(const FieldDef& def, const Cell& c) {
    if (const auto* i = std::get_if<int64_t>(&c)) {
        if (def.type == FieldType::Currency)
            return roundToInt64(static_cast<double>(*i) / Currency::kScale);
        return *i;
    }
    if (const auto* d = std::get_if<double>(&c))
        return roundToInt64(*d);
    if (const auto* s = std::get_if<QString>(&c))
        return roundToInt64(parseNumber(def, *s));
    return 0;
}

Currency cellToCurrency(const FieldDef& def, const Cell& c) {
    if (def.type == FieldType::Currency)
        if (const auto* i = std::get_if<int64_t>(&c))
            return Currency::fromUnits(*i);
    return Currency::fromDouble(cellToDouble(def, c));
}

bool cellToBoolean(const FieldDef& def, const Cell& c) {
    if (const auto* s = std::get_if<QString>(&c))
        return s->trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    return cellToDouble(def, c) != 0.0;
}

QByteArray cellToBytes(const FieldDef& def, const Cell& c) {
    if (const auto* b = std::get_if<QByteArray>(&c))
        return *b;
    return cellToString(def, c).toUtf8();
}

QVariant cellToVariant(const FieldDef& def, const Cell& c) {
    if (isNull(c))
        return {};
    switch (def.type) {
        case FieldType::Boolean:
            return cellToBoolean(def, c);
        case FieldType::Currency:
            return QVariant::fromValue(cellToCurrency(def, c));
        case FieldType::Single:
        case FieldType::DateTime:
            return cellToDouble(def, c);
        case FieldType::String:
        case FieldType::Text:
        case FieldType::Memo:
            return cellToString(def, c);
        case FieldType::Picture:
            return cellToBytes(def, c);
        default:
            return static_cast<qlonglong>(cellToInteger(def, c));
    }
}

void bindCell(sqlite3_stmt* stmt, int position, const Cell& c) {
    if (const auto* i = std::get_if<int64_t>(&c)) {
        sqlite3_bind_int64(stmt, position, *i);
    } else if (const auto* d = std::get_if<double>(&c)) {
        sqlite3_bind_double(stmt, position, *d);
    } else if (const auto* s = std::get_if<QString>(&c)) {
        const QByteArray u = s->toUtf8();
        sqlite3_bind_text(stmt, position, u.constData(), static_cast<int>(u.size()),
                          SQLITE_TRANSIENT);
    } else if (const auto* b = std::get_if<QByteArray>(&c)) {
        sqlite3_bind_blob(stmt, position, b->constData(), static_cast<int>(b->size()),
                          SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_null(stmt, position);
    }
}

Cell readCell(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            return static_cast<int64_t>(sqlite3_column_int64(stmt, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt, column);
        case SQLITE_TEXT: {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            return QString::fromUtf8(p, sqlite3_column_bytes(stmt, column));
        }
        case SQLITE_BLOB: {
            const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt, column));
            return QByteArray(p, sqlite3_column_bytes(stmt, column));
        }
        default:
            return std::monostate{};
    }
}

}  // namespace engine

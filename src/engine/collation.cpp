#include "engine/collation.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace engine {
namespace {

// One collator for the process: ucol_strcoll is safe to call concurrently on a shared collator.
UCollator* collator() {
    static UCollator* c = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* coll = ucol_open("pl", &status);
        if (U_FAILURE(status))
            coll = ucol_open("", &status);
        // Secondary strength: accents count, letter case does not.
        ucol_setStrength(coll, UCOL_SECONDARY);
        return coll;
    }();
    return c;
}

int compareUtf8(const char* a, int alen, const char* b, int blen) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(collator(), a, alen, b, blen, &status);
    if (U_FAILURE(status)) {
        const int n = std::min(alen, blen);
        const int c = std::memcmp(a, b, static_cast<size_t>(n));
        return c != 0 ? c : alen - blen;
    }
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

int sqliteCompare(void*, int alen, const void* a, int blen, const void* b) {
    return compareUtf8(static_cast<const char*>(a), alen, static_cast<const char*>(b), blen);
}

}  // namespace

void registerCollation(sqlite3* db) {
    sqlite3_create_collation_v2(db, kCollationName, SQLITE_UTF8, nullptr, sqliteCompare, nullptr);
}

QString collationVersion() {
    UVersionInfo v;
    ucol_getVersion(collator(), v);
    char text[U_MAX_VERSION_STRING_LENGTH];
    u_versionToString(v, text);
    return QString::fromLatin1(text);
}

int compareTexts(const QString& a, const QString& b) {
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    return compareUtf8(ua.constData(), static_cast<int>(ua.size()), ub.constData(),
                       static_cast<int>(ub.size()));
}

}  // namespace engine

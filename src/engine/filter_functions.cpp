#include "engine/filter_functions.h"

#include <sqlite3.h>

#include "engine/collation.h"

namespace engine {
namespace {

QString textArg(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

void matchFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int(
        ctx, wildcardMatch(textArg(argv[0]), textArg(argv[1]), sqlite3_value_int(argv[2]) != 0));
}

void cmpFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int(
        ctx, compareForFilter(textArg(argv[0]), textArg(argv[1]), sqlite3_value_int(argv[2]) != 0));
}

}  // namespace

bool wildcardMatch(const QString& textIn, const QString& patternIn, bool caseInsensitive) {
    const QString text = caseInsensitive ? textIn.toUpper() : textIn;
    const QString pattern = caseInsensitive ? patternIn.toUpper() : patternIn;
    // Greedy matching with one backtrack point: linear for the usual "*x*" patterns.
    qsizetype t = 0, p = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

int compareForFilter(const QString& a, const QString& b, bool caseInsensitive) {
    const int c = compareTexts(a, b);
    if (c != 0 || caseInsensitive)
        return c;
    return a.compare(b);
}

void registerFilterFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "rv_match", 3, flags, nullptr, matchFn, nullptr, nullptr);
    sqlite3_create_function(db, "rv_cmp", 3, flags, nullptr, cmpFn, nullptr, nullptr);
}

}  // namespace engine

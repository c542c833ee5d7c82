#pragma once
// SQL functions that filter expressions compile to:
//   rv_match(text, pattern, caseInsensitive) -> 1 when text matches pattern, "*" standing for any
//                                               sequence of characters
//   rv_cmp(a, b, caseInsensitive)           -> < 0, 0 or > 0
// A missing value counts as the empty text.

#include <QString>

struct sqlite3;

namespace engine {

void registerFilterFunctions(sqlite3* db);

bool wildcardMatch(const QString& text, const QString& pattern, bool caseInsensitive);
int compareForFilter(const QString& a, const QString& b, bool caseInsensitive);

}  // namespace engine

#pragma once
// The text order of every index: Polish dictionary order with letter case ignored, registered on
// each SQLite connection as the collation "PL".

#include <QString>

struct sqlite3;

namespace engine {

inline constexpr const char* kCollationName = "PL";

// Registers the collation on a connection.
void registerCollation(sqlite3* db);

// Identifies the collator's rules; indexes built under other rules must be rebuilt.
QString collationVersion();

// Compares two texts as the indexes do: < 0, 0 or > 0.
int compareTexts(const QString& a, const QString& b);

}  // namespace engine

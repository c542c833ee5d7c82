#pragma once
// The digest of a user's password as the users table stores it.

#include <QString>

#include <cstdint>

namespace common {

// A 32-bit hash over the Windows-1250 bytes of the password and a fixed suffix. Letter case
// counts. Not a secure hash; it keeps the stored field compatible with existing user tables.
uint32_t passwordDigest(const QString& password);

}  // namespace common

#include "common/password.h"

#include "platform/codepage.h"

namespace common {

uint32_t passwordDigest(const QString& password) {
    const QByteArray bytes = platform::toCp1250(password + QStringLiteral("Pies je dom"));
    uint32_t h = 0;
    for (char b : bytes) {
        h = (h << 4) + static_cast<unsigned char>(b);
        const uint32_t g = h & 0xF0000000u;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h;
}

}  // namespace common

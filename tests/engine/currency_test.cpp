#include <gtest/gtest.h>

#include "engine/currency.h"

using engine::Currency;

TEST(Currency, RoundsToTenThousandthsHalfAwayFromZero) {
    EXPECT_EQ(Currency::fromDouble(1.0 / 3).units(), 3333);
    EXPECT_EQ(Currency::fromDouble(2.0 / 3).units(), 6667);
    EXPECT_EQ(Currency::fromDouble(-2.0 / 3).units(), -6667);
    EXPECT_EQ(Currency::fromDouble(0.00005).units(), 1);
    EXPECT_EQ(Currency::fromDouble(2.68).units(), 26800);
}

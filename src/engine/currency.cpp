#include "engine/currency.h"

#include <cmath>

namespace engine {

Currency Currency::fromDouble(double value) {
    // std::llround rounds halves away from zero, which is the stored-value rule.
    return Currency(std::llround(value * static_cast<double>(kScale)));
}

}  // namespace engine

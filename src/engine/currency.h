#pragma once
// An exact money or quantity value: a 64-bit count of ten-thousandths, as the tables store it.
// Arithmetic on Currency is exact; conversion from floating point rounds to the nearest
// ten-thousandth, halves away from zero.

#include <compare>
#include <cstdint>

namespace engine {

class Currency {
  public:
    static constexpr int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(int64_t units) { return Currency(units); }
    static constexpr Currency fromWhole(int64_t whole) { return Currency(whole * kScale); }
    static Currency fromDouble(double value);

    constexpr int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }
    constexpr bool isZero() const { return units_ == 0; }

    constexpr Currency operator-() const { return Currency(-units_); }
    constexpr Currency operator+(Currency o) const { return Currency(units_ + o.units_); }
    constexpr Currency operator-(Currency o) const { return Currency(units_ - o.units_); }
    constexpr Currency& operator+=(Currency o) {
        units_ += o.units_;
        return *this;
    }
    constexpr Currency& operator-=(Currency o) {
        units_ -= o.units_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

  private:
    constexpr explicit Currency(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

}  // namespace engine

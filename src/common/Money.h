#pragma once
// Money: a signed 64-bit count of ten-thousandths, the old platform's fixed-point currency type.
// Conversions from reals round ties-to-even, as the old platform did; real arithmetic between
// rounding points runs in long double, and results come back here through FromReal.

#include <compare>
#include <cstdint>
#include <string>

namespace ftf {

class Money {
public:
    static constexpr std::int64_t kScale = 10000;
    /// The largest representable amount is 922 337 203 685 477.5807.
    static constexpr std::int64_t kMaxRaw = INT64_MAX;
    static constexpr std::int64_t kMinRaw = INT64_MIN;

    constexpr Money() = default;
    /// From a count of ten-thousandths.
    static constexpr Money FromRaw(std::int64_t raw) { Money m; m.raw_ = raw; return m; }
    /// From whole units.
    static constexpr Money FromUnits(std::int64_t units) { return FromRaw(units * kScale); }
    /// From a real, rounded to the nearest ten-thousandth, ties to even. Throws FtfError when the
    /// value is outside the money range or not a number.
    static Money FromReal(long double value);
    /// True when FromReal would accept the value.
    static bool InRange(long double value);

    constexpr std::int64_t Raw() const { return raw_; }
    long double ToReal() const { return static_cast<long double>(raw_) / kScale; }
    double ToDouble() const { return static_cast<double>(raw_) / kScale; }

    constexpr Money operator+(Money o) const { return FromRaw(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return FromRaw(raw_ - o.raw_); }
    constexpr Money operator-() const { return FromRaw(-raw_); }
    Money& operator+=(Money o) { raw_ += o.raw_; return *this; }
    Money& operator-=(Money o) { raw_ -= o.raw_; return *this; }
    /// Product with a real, rounded ties-to-even (quantity × price).
    Money MulRound(long double factor) const { return FromReal(ToReal() * factor); }

    constexpr auto operator<=>(const Money&) const = default;

    /// "1234.5000": the value with "." and exactly four decimals (JSON, filters).
    std::string ToFixed4() const;

private:
    std::int64_t raw_ = 0;
};

/// Rounds a real to an integer, ties to even (the old platform's banker's rounding).
long double RoundTiesEven(long double value);

}  // namespace ftf

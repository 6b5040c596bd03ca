#include "common/Money.h"

#include <cmath>
#include <cstdio>

#include "common/Error.h"

namespace ftf {

long double RoundTiesEven(long double value) {
    long double fl = std::floor(value);
    long double diff = value - fl;
    if (diff > 0.5L) return fl + 1;
    if (diff < 0.5L) return fl;
    return std::fmod(fl, 2.0L) == 0 ? fl : fl + 1;
}

bool Money::InRange(long double value) {
    if (std::isnan(value)) return false;
    long double scaled = RoundTiesEven(value * kScale);
    return scaled >= -9223372036854775808.0L && scaled <= 9223372036854775807.0L;
}

Money Money::FromReal(long double value) {
    if (!InRange(value)) throw FtfError("Сумма вне допустимого диапазона денежных значений");
    return FromRaw(static_cast<std::int64_t>(RoundTiesEven(value * kScale)));
}

std::string Money::ToFixed4() const {
    std::uint64_t mag = raw_ < 0 ? 0 - static_cast<std::uint64_t>(raw_) : static_cast<std::uint64_t>(raw_);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%llu.%04llu", raw_ < 0 ? "-" : "",
                  static_cast<unsigned long long>(mag / kScale),
                  static_cast<unsigned long long>(mag % kScale));
    return buf;
}

}  // namespace ftf

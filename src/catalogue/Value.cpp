#include "catalogue/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ftf {
namespace {

constexpr std::int32_t kOleToUnixDays = 25569;  // 30.12.1899 .. 01.01.1970

// Days since 01.01.1970 of a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

std::int64_t RoundHalfAway(double v) {
    return static_cast<std::int64_t>(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5));
}

}  // namespace

std::string FormatOleDate(std::int32_t days) {
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    CivilFromDays(static_cast<std::int64_t>(days) - kOleToUnixDays, y, m, d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u.%02u.%04lld", d, m, static_cast<long long>(y));
    return buf;
}

bool ParseOleDate(std::string_view text, std::int32_t& days) {
    unsigned part[3] = {0, 0, 0};
    int idx = 0;
    int digits = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > 4) return false;
            part[idx] = part[idx] * 10 + static_cast<unsigned>(c - '0');
        } else if (c == '.' && idx < 2 && digits > 0) {
            ++idx;
            digits = 0;
        } else {
            return false;
        }
    }
    if (idx != 2 || digits == 0) return false;
    const unsigned d = part[0], m = part[1], y = part[2];
    if (m < 1 || m > 12 || d < 1 || y < 1) return false;
    static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const unsigned maxDay = kDays[m - 1] + (m == 2 && leap ? 1 : 0);
    if (d > maxDay) return false;
    days = static_cast<std::int32_t>(DaysFromCivil(y, m, d) + kOleToUnixDays);
    return true;
}

bool ParseDecimal(std::string_view text, double& out) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    if (b == e) return false;
    // Only the plain decimal forms: no hex, no "inf"/"nan", no locale.
    bool digit = false;
    for (std::size_t i = b; i < e; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') digit = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') return false;
    }
    if (!digit) return false;
    std::string s(text.substr(b, e - b));
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size()) return false;
    out = v;
    return true;
}

std::string FormatReal(double v) {
    char buf[40];
    for (int prec = 1; prec <= 17; ++prec) {
        std::snprintf(buf, sizeof buf, "%.*g", prec, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    // "%g" may choose an exponent for large or tiny values; write those out in full when short.
    if (std::strchr(buf, 'e') && std::fabs(v) >= 1e-6 && std::fabs(v) < 1e17) {
        char fixed[64];
        for (int prec = 0; prec <= 20; ++prec) {
            std::snprintf(fixed, sizeof fixed, "%.*f", prec, v);
            if (std::strtod(fixed, nullptr) == v) return fixed;
        }
    }
    return buf;
}

std::int64_t Value::AsInt() const {
    switch (kind_) {
    case Kind::Blank: return 0;
    case Kind::Int: case Kind::Bool: case Kind::Date: return i_;
    case Kind::Real: return std::isfinite(d_) ? RoundHalfAway(d_) : 0;
    case Kind::Money: {
        // Ten-thousandths to whole units, half away from zero.
        const std::int64_t q = i_ / ftf::Money::kScale, r = i_ % ftf::Money::kScale;
        if (r >= ftf::Money::kScale / 2) return q + 1;
        if (r <= -ftf::Money::kScale / 2) return q - 1;
        return q;
    }
    case Kind::Text: {
        double d = 0;
        return ParseDecimal(s_, d) && std::isfinite(d) ? RoundHalfAway(d) : 0;
    }
    case Kind::Bytes: return 0;
    }
    return 0;
}

double Value::AsReal() const {
    switch (kind_) {
    case Kind::Blank: return 0;
    case Kind::Int: case Kind::Bool: case Kind::Date: return static_cast<double>(i_);
    case Kind::Real: return d_;
    case Kind::Money: return ftf::Money::FromRaw(i_).ToDouble();
    case Kind::Text: {
        double d = 0;
        return ParseDecimal(s_, d) ? d : 0;
    }
    case Kind::Bytes: return 0;
    }
    return 0;
}

ftf::Money Value::AsMoney() const {
    switch (kind_) {
    case Kind::Money: return ftf::Money::FromRaw(i_);
    case Kind::Int: case Kind::Bool: case Kind::Date: return ftf::Money::FromUnits(i_);
    case Kind::Real: return ftf::Money::FromReal(d_);
    case Kind::Text: {
        double d = 0;
        return ParseDecimal(s_, d) ? ftf::Money::FromReal(d) : ftf::Money();
    }
    default: return ftf::Money();
    }
}

bool Value::AsBool() const {
    switch (kind_) {
    case Kind::Int: case Kind::Bool: case Kind::Date: case Kind::Money: return i_ != 0;
    case Kind::Real: return d_ != 0;
    case Kind::Text:
        return s_ == "1" || s_ == "true" || s_ == "True" || s_ == "TRUE";
    default: return false;
    }
}

std::string Value::AsText() const {
    switch (kind_) {
    case Kind::Blank: return {};
    case Kind::Int: return std::to_string(i_);
    case Kind::Real: return FormatReal(d_);
    case Kind::Money: return ftf::Money::FromRaw(i_).ToFixed4();
    case Kind::Text: case Kind::Bytes: return s_;
    case Kind::Bool: return i_ ? "True" : "False";
    case Kind::Date: return FormatOleDate(static_cast<std::int32_t>(i_));
    }
    return {};
}

bool Value::operator==(const Value& o) const {
    if (kind_ != o.kind_) return false;
    switch (kind_) {
    case Kind::Blank: return true;
    case Kind::Real: return d_ == o.d_;
    case Kind::Text: case Kind::Bytes: return s_ == o.s_;
    default: return i_ == o.i_;
    }
}

}  // namespace ftf

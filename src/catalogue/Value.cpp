#include "catalogue/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "common/Dates.h"

namespace ftf {
namespace {

std::int64_t RoundHalfAway(double v) {
    return static_cast<std::int64_t>(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5));
}

}  // namespace

std::string FormatOleDate(std::int32_t days) {
    const OleDate d = days;
    if (d < kMinOleDate || d >= kMaxOleDate) return std::to_string(days);
    return FormatDatePattern("dd.mm.yyyy", d);
}

bool ParseOleDate(std::string_view text, std::int32_t& days) {
    const std::optional<OleDate> d = ParseShortDate(text);
    if (!d) return false;
    days = static_cast<std::int32_t>(*d);
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

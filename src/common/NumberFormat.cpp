#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace ftf {
namespace {

NumberFormat g_formats;

constexpr int kMaxDecimals = 18;

// A non-negative decimal number: digits d1 d2 ... with `intDigits` of them before the decimal
// point (zero or negative for values below 1, more than the digits for trailing zeros).
struct Decimal {
    bool negative = false;
    std::string digits;
    int intDigits = 0;
};

Decimal FromReal(long double value) {
    Decimal d;
    d.negative = std::signbit(value);
    char buf[64];
    // 18 significant digits: the precision the old platform's extended reals were shown with.
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    std::size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (c >= '0' && c <= '9') d.digits.push_back(c);
    int exponent = 0;
    std::string_view ex = s.substr(e + 1);
    if (!ex.empty() && ex[0] == '+') ex.remove_prefix(1);
    std::from_chars(ex.data(), ex.data() + ex.size(), exponent);
    d.intDigits = exponent + 1;
    return d;
}

Decimal FromMoney(Money value) {
    Decimal d;
    std::int64_t raw = value.Raw();
    d.negative = raw < 0;
    std::uint64_t mag = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    d.digits = std::to_string(mag);
    d.intDigits = static_cast<int>(d.digits.size()) - 4;
    return d;
}

// Rounds half away from zero at `decimals` places.
void RoundAt(Decimal& d, int decimals) {
    const int keep = d.intDigits + decimals;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) return;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0; --i) {
        char& c = d.digits[static_cast<std::size_t>(i)];
        if (c == '9') {
            c = '0';
        } else {
            ++c;
            break;
        }
    }
    if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.intDigits;
    }
}

bool IsZero(const Decimal& d) {
    for (char c : d.digits)
        if (c != '0') return false;
    return true;
}

char DigitAt(const Decimal& d, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= d.digits.size()) return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

// The unsigned text of a rounded number: integer part (grouped when a separator is given),
// decimal separator and exactly `decimals` digits.
std::string Digits(const Decimal& d, int decimals, std::string_view decimalSeparator,
                   std::string_view thousandSeparator) {
    std::string intPart;
    if (d.intDigits <= 0) {
        intPart = "0";
    } else {
        for (int i = 0; i < d.intDigits; ++i) intPart.push_back(DigitAt(d, i));
        // Zero itself comes as a row of zero digits.
        std::size_t nz = intPart.find_first_not_of('0');
        intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    }
    std::string out;
    if (thousandSeparator.empty()) {
        out = intPart;
    } else {
        const std::size_t n = intPart.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) out += thousandSeparator;
            out.push_back(intPart[i]);
        }
    }
    if (decimals > 0) {
        out += decimalSeparator;
        for (int i = 0; i < decimals; ++i) out.push_back(DigitAt(d, d.intDigits + i));
    }
    return out;
}

int ClampDecimals(int decimals) { return decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals; }

std::string NotANumberText(long double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string FormatDecimal(Decimal d, int decimals, std::string_view decimalSeparator,
                          std::string_view thousandSeparator) {
    decimals = ClampDecimals(decimals);
    RoundAt(d, decimals);
    std::string body = Digits(d, decimals, decimalSeparator, thousandSeparator);
    return d.negative && !IsZero(d) ? "-" + body : body;
}

std::string PlaceCurrency(const std::string& a, bool negative, const NumberFormat& f) {
    const std::string& s = f.currencyString;
    if (!negative) {
        switch (f.currencyFormat) {
            case 0: return s + a;
            case 2: return s + " " + a;
            case 3: return a + " " + s;
            default: return a + s;  // 1, and anything unknown
        }
    }
    switch (f.negCurrencyFormat) {
        case 0: return "(" + s + a + ")";
        case 1: return "-" + s + a;
        case 2: return s + "-" + a;
        case 3: return s + a + "-";
        case 4: return "(" + a + s + ")";
        case 6: return a + "-" + s;
        case 7: return a + s + "-";
        case 8: return "-" + a + " " + s;
        case 9: return "-" + s + " " + a;
        case 10: return a + " " + s + "-";
        case 11: return s + " " + a + "-";
        case 12: return s + " -" + a;
        case 13: return a + "- " + s;
        case 14: return "(" + s + " " + a + ")";
        case 15: return "(" + a + " " + s + ")";
        default: return "-" + a + s;  // 5, and anything unknown
    }
}

}  // namespace

NumberFormat& CurrentFormats() { return g_formats; }

NumberFormat ProgramFormats() {
    NumberFormat f;
    f.decimalSeparator = ",";
    f.thousandSeparator = " ";
    f.currencyString = " ";
    f.currencyFormat = 3;
    f.negCurrencyFormat = 8;
    f.currencyDecimals = 2;
    f.shortDateFormat = "dd.mm.yyyy";
    return f;
}

void SetProgramFormats() { g_formats = ProgramFormats(); }

std::string FormatFixed(long double value, int decimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return NotANumberText(value);
    return FormatDecimal(FromReal(value), decimals, decimalSeparator, {});
}

std::string FormatFixed(long double value, int decimals) {
    return FormatFixed(value, decimals, g_formats.decimalSeparator);
}

std::string FormatFixed(Money value, int decimals) {
    return FormatDecimal(FromMoney(value), decimals, g_formats.decimalSeparator, {});
}

std::string FormatNumber(long double value, int decimals) {
    if (!std::isfinite(value)) return NotANumberText(value);
    return FormatDecimal(FromReal(value), decimals, g_formats.decimalSeparator,
                         g_formats.thousandSeparator);
}

std::string FormatMoney(Money value, int decimals, const NumberFormat& formats) {
    Decimal d = FromMoney(value);
    decimals = ClampDecimals(decimals);
    RoundAt(d, decimals);
    std::string amount = Digits(d, decimals, formats.decimalSeparator, formats.thousandSeparator);
    return PlaceCurrency(amount, d.negative && !IsZero(d), formats);
}

std::string FormatMoney(Money value, int decimals) { return FormatMoney(value, decimals, g_formats); }

std::string FormatMoney(Money value) { return FormatMoney(value, g_formats.currencyDecimals, g_formats); }

std::optional<double> ParseReal(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);

    std::string norm;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') norm.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    auto digits = [&](int& count) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            norm.push_back(text[i++]);
            ++count;
        }
    };
    digits(mantissaDigits);
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        norm.push_back('.');
        ++i;
        digits(mantissaDigits);
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        norm.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) norm.push_back(text[i++]);
        int expDigits = 0;
        digits(expDigits);
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    auto res = std::from_chars(norm.data(), norm.data() + norm.size(), value);
    if (res.ec != std::errc() || res.ptr != norm.data() + norm.size()) return std::nullopt;
    return value;
}

}  // namespace ftf

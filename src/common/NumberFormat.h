#pragma once
// The process-wide number and date formats and the formatting that uses them.
//
// The program sets its formats once at start (SetProgramFormats: decimal ",", thousands a blank,
// currency symbol a blank, currency formats 3 and 8, short date "dd.mm.yyyy"), before the
// settings are read, because the INI file is written with them. Document windows change the
// currency symbol and decimals when they become active; code that needs another decimal
// separator for a while holds a ScopedNumberFormat.
//
// Rounding is the old platform's: a real is first taken to 18 significant digits (its extended
// precision), then rounded half away from zero at the last shown decimal, so 0.125 shows as
// "0,13" while 1.005 (stored as 1.00499999…) shows as "1,00". Money is rounded the same way from
// its exact four decimals. A result that rounds to zero never shows a minus sign.

#include <optional>
#include <string>
#include <string_view>

#include "common/Money.h"

namespace ftf {

struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";  ///< empty: no grouping
    std::string currencyString;          ///< the currency symbol, as placed by the formats below
    /// Positive amounts: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyFormat = 1;
    /// Negative amounts: 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    /// 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int negCurrencyFormat = 5;
    int currencyDecimals = 2;
    std::string shortDateFormat = "dd.mm.yyyy";

    bool operator==(const NumberFormat&) const = default;
};

/// The formats in force for the process (neutral ones until SetProgramFormats runs).
NumberFormat& CurrentFormats();
/// Sets the program's own formats: decimal ",", thousands " ", currency " " (one blank), currency
/// format 3, negative currency format 8, currency decimals 2, short date "dd.mm.yyyy".
void SetProgramFormats();
/// The program's formats as SetProgramFormats sets them.
NumberFormat ProgramFormats();

/// Keeps the current formats and restores them when the scope ends (on every path).
class ScopedNumberFormat {
public:
    ScopedNumberFormat() : saved_(CurrentFormats()) {}
    explicit ScopedNumberFormat(const NumberFormat& replacement) : saved_(CurrentFormats()) {
        CurrentFormats() = replacement;
    }
    ~ScopedNumberFormat() { CurrentFormats() = saved_; }
    ScopedNumberFormat(const ScopedNumberFormat&) = delete;
    ScopedNumberFormat& operator=(const ScopedNumberFormat&) = delete;

private:
    NumberFormat saved_;
};

/// "%.Nf": fixed decimals with the current decimal separator, no grouping.
std::string FormatFixed(long double value, int decimals);
/// "%.Nf" with the given decimal separator (filter expressions always use ".").
std::string FormatFixed(long double value, int decimals, std::string_view decimalSeparator);
/// "%.Nf" of a money value, rounded from its exact decimals.
std::string FormatFixed(Money value, int decimals);
/// "%.Nn": fixed decimals with thousands groups.
std::string FormatNumber(long double value, int decimals);
/// "%m": a money amount with thousands groups, the currency decimals and the currency symbol
/// placed by the currency formats.
std::string FormatMoney(Money value);
/// "%.Nm": the same with N decimals.
std::string FormatMoney(Money value, int decimals);
/// The same as FormatMoney with explicit formats.
std::string FormatMoney(Money value, int decimals, const NumberFormat& formats);

/// A real written with "," or "." as decimal separator (INI values, typed input): optional
/// surrounding blanks, sign, digits, one separator, digits, optional exponent. Nullopt for
/// anything else (empty text, "1,2,3", "12a", thousands groups).
std::optional<double> ParseReal(std::string_view text);

}  // namespace ftf

#pragma once
// One field value of a table row: blank, or an integer, real, money, text, logical, date or
// opaque bytes. A blank value reads as "" through AsText and as 0 through the number readers,
// which is how blank Paradox fields read in the old program; IsBlank tells them apart.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Money.h"

namespace ftf {

class Value {
public:
    enum class Kind : std::uint8_t { Blank, Int, Real, Money, Text, Bool, Date, Bytes };

    Value() = default;
    Value(int v) : kind_(Kind::Int), i_(v) {}
    Value(long v) : kind_(Kind::Int), i_(v) {}
    Value(long long v) : kind_(Kind::Int), i_(v) {}
    Value(double v) : kind_(Kind::Real), d_(v) {}
    Value(ftf::Money v) : kind_(Kind::Money), i_(v.Raw()) {}
    Value(std::string v) : kind_(Kind::Text), s_(std::move(v)) {}
    Value(std::string_view v) : kind_(Kind::Text), s_(v) {}
    Value(const char* v) : kind_(Kind::Text), s_(v) {}

    static Value Blank() { return Value(); }
    static Value FromBool(bool b) { Value v; v.kind_ = Kind::Bool; v.i_ = b ? 1 : 0; return v; }
    /// A date as the OLE day count (days since 30 December 1899).
    static Value FromDate(std::int32_t days) { Value v; v.kind_ = Kind::Date; v.i_ = days; return v; }
    /// Opaque bytes (blob and graphic fields); never converted or compared as text.
    static Value FromBytes(std::string bytes) { Value v; v.kind_ = Kind::Bytes; v.s_ = std::move(bytes); return v; }

    Kind kind() const { return kind_; }
    bool IsBlank() const { return kind_ == Kind::Blank; }

    /// Whole number: integers, logicals and dates as stored; reals and money rounded half away
    /// from zero; text read as a number when it is one (else 0); blank 0.
    std::int64_t AsInt() const;
    /// Real number; money as units; text read as a number when it is one (else 0); blank 0.
    double AsReal() const;
    /// Money; reals rounded ties-to-even to ten-thousandths; blank 0.
    ftf::Money AsMoney() const;
    /// Logical: non-zero numbers and the texts "true"/"1" (any case) are true; blank false.
    bool AsBool() const;
    /// Text: numbers with "." and no needless zeros ("12.5"), money with four decimals, dates as
    /// "dd.mm.yyyy", logicals "True"/"False", blank "".
    std::string AsText() const;
    /// The stored text of a Text or Bytes value without a copy; "" for other kinds.
    const std::string& RawText() const { return s_; }
    /// The raw integer of Int, Bool, Date and Money (ten-thousandths) values; 0 otherwise.
    std::int64_t RawInt() const { return (kind_ == Kind::Real || kind_ == Kind::Text || kind_ == Kind::Bytes) ? 0 : i_; }

    /// Same kind and same content (a blank equals only a blank).
    bool operator==(const Value& o) const;

private:
    Kind kind_ = Kind::Blank;
    std::int64_t i_ = 0;
    double d_ = 0;
    std::string s_;
};

/// "dd.mm.yyyy" of an OLE day count.
std::string FormatOleDate(std::int32_t days);
/// Reads "dd.mm.yyyy" (also "d.m.yyyy"); false when the text is no valid date.
bool ParseOleDate(std::string_view text, std::int32_t& days);
/// Reads a decimal number with "." (optional sign, digits, fraction, exponent); false when the
/// whole text is not one. Leading and trailing blanks are allowed.
bool ParseDecimal(std::string_view text, double& out);
/// Shortest "." form that reads back to the same double ("12.5", "100", "-0.25").
std::string FormatReal(double v);

}  // namespace ftf

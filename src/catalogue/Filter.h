#pragma once
// Filter expressions in the old database engine's syntax, as the program builds them:
//
//   expr    := orExpr
//   orExpr  := andExpr { "or" andExpr }
//   andExpr := notExpr { "and" notExpr }
//   notExpr := "not" notExpr | primary
//   primary := "(" expr ")" | operand op operand | operand "is" ["not"] "null"
//            | field "in" "(" literal { "," literal } ")"
//   op      := "=" | "<>" | "<" | "<=" | ">" | ">=" | "!="
//   operand := field | number | 'text' | "null" | "true" | "false"
//
// Keywords and field names are compared without regard to case; a field name may be written in
// brackets ([Field]) or double quotes, and a qualified name ("T.ID") uses its last part. Numbers
// use "." as the decimal point and may carry a sign; a text literal doubles a quote inside it
// ('O''Neil'). Text comparisons are case-sensitive unless the options say otherwise and order
// in the Windows-1251 order. As in the old engine, a text literal ending in "*" compared with
// "=" or "<>" matches every text that begins with what precedes the "*" (partial compare),
// unless the options turn that off. A blank field compares as 0 or "" ("Color = ''" finds the
// blank colours); "= null" / "is null" asks for a blank field itself. A date field compares with
// a 'dd.mm.yyyy' literal; a number field with a text literal that reads as a number.
//
// Lookup and calculated fields cannot be filtered on (the old engine refused them too).
//
// A syntax error, an unknown field or a comparison that cannot be made raises FtfError naming
// the expression and the character position (counted from 1).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/TableData.h"
#include "catalogue/Value.h"

namespace ftf {

struct FilterOptions {
    bool caseInsensitive = false;   ///< compare texts without regard to case
    bool noPartialCompare = false;  ///< a trailing "*" in a text literal is an ordinary character
    bool operator==(const FilterOptions&) const = default;
};

class CompiledFilter {
public:
    /// Parses `text` against the fields of `table`. Throws FtfError as described above. An
    /// empty or blank text gives a filter that accepts every row.
    static std::shared_ptr<const CompiledFilter> Compile(const TableData& table, std::string_view text,
                                                         const FilterOptions& options);

    /// True when row `r` of `table` (the table it was compiled for) passes.
    bool Matches(const TableData& table, RowId r) const;

    const std::string& Text() const { return text_; }
    const FilterOptions& Options() const { return options_; }
    bool AcceptsAll() const { return nodes_.empty(); }

    /// A field pinned to one value by the top-level "and" chain (field = literal, no partial
    /// compare): every passing row has that value, so only its index range needs a scan.
    struct Pin {
        int field;
        Value value;
    };
    const std::vector<Pin>& Pins() const { return pins_; }

    // The compiled program, public for the evaluator and its tests only.
    enum class Op : std::uint8_t {
        True, And, Or, Not,
        CmpInt,      // ints column vs integer constant
        CmpReal,     // ints or reals column vs real constant
        CmpText,     // texts column vs text constant
        CmpPrefix,   // texts column begins (or not) with the constant (partial compare)
        IsBlank,     // blank flag of a stored field
        InInt, InReal, InText,
        CmpFields,   // two stored fields of the row
    };
    enum class Cmp : std::uint8_t { Eq, Ne, Lt, Le, Gt, Ge };
    struct Node {
        Op op = Op::True;
        Cmp cmp = Cmp::Eq;
        bool nocase = false;
        bool negate = false;
        bool intColumn = false;  // CmpReal / CmpFields: the field is held in `ints`
        double scale = 1;        // CmpReal on a money field: ten-thousandths per unit
        int field = -1;
        int field2 = -1;
        int left = -1, right = -1;
        std::int64_t i = 0;
        double d = 0;
        std::string s;
        std::vector<std::int64_t> ilist;
        std::vector<double> dlist;
        std::vector<std::string> slist;
    };

private:
    friend class FilterParser;
    bool Eval(const TableData& t, RowId r, int node) const;

    std::string text_;
    FilterOptions options_;
    std::vector<Node> nodes_;
    int root_ = -1;
    std::vector<Pin> pins_;
};

}  // namespace ftf

#pragma once
// Formulas of the catalogue (element lengths) and expressions of the report templates.
//
// The language:
//   numbers      12, 0.5, 3.  ("." is the only decimal separator; no exponent)
//   texts        'abc', with '' for a quote inside
//   names        letters (Latin, Cyrillic), digits and "_", not starting with a digit;
//                variables are looked up exactly as written ("FН" with a Cyrillic EN is not "FH")
//   calls        name(arg, arg, ...); function names are matched case-insensitively: the scope
//                receives them upper-cased
//   operators    from the weakest: or; and; not; = <> < <= > >=; + -; * /; unary - and +
//                and/or/not are words in any case; "+" joins texts (when either side is a text)
//
// A formula is compiled once into a small tree and evaluated as often as needed; Compile keeps the
// compiled formulas by their text, because the calculation evaluates the same few catalogue
// formulas for thousands of sashes. Names are resolved through the caller's scope at evaluation
// time. Function arguments are evaluated only when the function asks for them, so a function may
// also read the raw text of an argument, and one the scope does not know costs nothing.
//
// Errors (FtfError, Russian text naming the formula): a syntax error names the 1-based character
// position; at evaluation, division by zero, an overflow, a text where a number is needed (and the
// like) are errors too. Division by zero is an error rather than an infinity: a length computed
// from it would be meaningless, and the old program's real division stopped there as well.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ftf {

/// A value of an expression: a number (double), a text (UTF-8) or a truth value.
class ExprValue {
public:
    enum class Kind { Number, Text, Boolean };

    ExprValue() = default;  ///< the number 0
    static ExprValue Number(double v);
    static ExprValue Text(std::string v);
    static ExprValue Boolean(bool v);

    Kind kind() const { return kind_; }
    bool IsNumber() const { return kind_ == Kind::Number; }
    bool IsText() const { return kind_ == Kind::Text; }
    bool IsBoolean() const { return kind_ == Kind::Boolean; }

    /// The number itself, or a text that reads as a number ("12", " -1,5 ": "." or "," as
    /// decimal separator). Anything else: FtfError "Значение [...] не является числом".
    double AsNumber() const;
    /// The truth value; a number is true when it is not 0. A text: FtfError.
    bool AsBoolean() const;
    /// The text itself; a number in its shortest exact form with "." ("1.5", "12"); a truth
    /// value as "True"/"False".
    std::string AsText() const;

    bool operator==(const ExprValue&) const = default;

private:
    Kind kind_ = Kind::Number;
    double number_ = 0;
    bool boolean_ = false;
    std::string text_;
};

/// Reads a whole text as a number: optional blanks and sign, digits with at most one "." or ","
/// (at least one digit). False for anything else.
bool ParseExprNumber(std::string_view text, double& out);

class Expression;
struct ExprScope;

/// The arguments of one function call, valid only during that call. Value evaluates an argument
/// when asked (each call evaluates anew); Text gives its source text without surrounding blanks.
class ExprArgs {
public:
    std::size_t Count() const { return count_; }
    /// Throws std::out_of_range for i ≥ Count(); evaluation errors propagate.
    ExprValue Value(std::size_t i) const;
    /// Throws std::out_of_range for i ≥ Count().
    std::string_view Text(std::size_t i) const;

private:
    friend class Expression;
    ExprArgs(const Expression& e, const ExprScope& s, std::size_t first, std::size_t count)
        : expr_(e), scope_(s), first_(first), count_(count) {}
    const Expression& expr_;
    const ExprScope& scope_;
    std::size_t first_;
    std::size_t count_;
};

/// How names are resolved while an expression is evaluated. An empty callback makes every use of
/// a variable (or function) an error naming it.
struct ExprScope {
    /// A variable by its exact name.
    std::function<ExprValue(std::string_view name)> variable;
    /// A function by its upper-cased name (UpperCase of Cp1251.h) with its arguments.
    std::function<ExprValue(std::string_view upperName, const ExprArgs& args)> function;
};

/// A compiled expression. Immutable, so one compiled formula may be shared freely.
class Expression {
public:
    /// Compiles a text, or returns the compiled expression of the same text compiled before.
    /// A syntax error: FtfError "Ошибка в формуле [text]: <what> (позиция N)".
    static std::shared_ptr<const Expression> Compile(std::string_view text);
    /// Compiles without the cache.
    explicit Expression(std::string_view text);

    const std::string& Text() const { return text_; }

    /// Evaluates with the scope's names. Errors of the evaluation and of the scope's callbacks
    /// propagate.
    ExprValue Evaluate(const ExprScope& scope) const;
    /// Evaluate, then the result as a number (AsNumber), an error naming the formula otherwise.
    double EvaluateNumber(const ExprScope& scope) const;

    /// Drops every cached compilation (tests; a catalogue reload may call it to free memory).
    static void ClearCache();
    /// Number of cached compilations.
    static std::size_t CacheSize();

    enum class Op {
        Number, Text, Variable, Call,
        Neg, Plus, Not,
        Add, Sub, Mul, Div,
        Eq, Ne, Lt, Le, Gt, Ge,
        And, Or,
    };

    struct Node {
        Op op;
        double number = 0;          ///< Number
        std::string name;           ///< Text: the text; Variable: the name; Call: upper-cased name
        std::size_t a = 0, b = 0;   ///< operands; Call: first argument slot and argument count
    };

    /// Raises FtfError "Ошибка в формуле [text]: what", for scopes whose functions find fault
    /// with their arguments. Control characters of the texts show as blanks.
    [[noreturn]] void Fail(const std::string& what) const;

private:
    friend class ExprArgs;
    class Parser;
    struct ArgSlot {
        std::size_t node;
        std::string text;
    };

    ExprValue Eval(std::size_t node, const ExprScope& scope) const;

    std::string text_;
    std::vector<Node> nodes_;
    std::vector<ArgSlot> args_;
    std::size_t root_ = 0;
};

}  // namespace ftf

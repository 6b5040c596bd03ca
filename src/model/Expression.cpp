#include "model/Expression.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

#include "common/Cp1251.h"
#include "common/Error.h"

namespace ftf {

namespace {

// Deeper nesting than any real formula; it keeps the parser's and the evaluator's recursion far
// from the end of the stack, whatever text arrives.
constexpr int kMaxNesting = 200;
constexpr std::size_t kMaxTreeDepth = 1000;
// Formulas come from the catalogue and the templates, so the set is small; the limit only guards
// against a caller that builds texts without end.
constexpr std::size_t kMaxCached = 4096;

// Control characters in an echoed text become blanks: a message is shown (and passed around as a
// C string), so a NUL inside a formula must not cut it short.
std::string Printable(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return r;
}

std::string Quoted(std::string_view s) { return "[" + Printable(s) + "]"; }

bool IsBlank(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0x400 && c <= 0x4FF);
}
bool IsNamePart(char32_t c) { return IsNameStart(c) || IsDigit(c); }

bool ReadNumber(std::string_view digits, double& out) {
    std::string s(digits);
    if (!s.empty() && s.back() == '.') s.pop_back();  // "3." reads as 3
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

}  // namespace

// ---- ExprValue ----

namespace {

// A number, or a text that reads as one; a truth value never counts as a number.
bool NumberOf(const ExprValue& v, double& out) {
    if (v.IsNumber()) {
        out = v.AsNumber();
        return true;
    }
    return v.IsText() && ParseExprNumber(v.AsText(), out);
}

}  // namespace

ExprValue ExprValue::Number(double v) {
    ExprValue r;
    r.kind_ = Kind::Number;
    r.number_ = v == 0 ? 0.0 : v;  // no "-0" in texts or comparisons
    return r;
}

ExprValue ExprValue::Text(std::string v) {
    ExprValue r;
    r.kind_ = Kind::Text;
    r.text_ = std::move(v);
    return r;
}

ExprValue ExprValue::Boolean(bool v) {
    ExprValue r;
    r.kind_ = Kind::Boolean;
    r.boolean_ = v;
    return r;
}

bool ParseExprNumber(std::string_view text, double& out) {
    std::size_t i = 0, n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::string digits;
    int seps = 0, count = 0;
    for (; i < n; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
            ++count;
        } else if ((c == '.' || c == ',') && seps == 0) {
            digits.push_back('.');
            ++seps;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    double v = 0;
    if (!ReadNumber(digits, v)) return false;
    out = negative ? -v : v;
    return true;
}

double ExprValue::AsNumber() const {
    double v = 0;
    switch (kind_) {
    case Kind::Number: return number_;
    case Kind::Text:
        if (ParseExprNumber(text_, v)) return v;
        break;
    case Kind::Boolean: break;
    }
    throw FtfError("Значение " + Quoted(AsText()) + " не является числом");
}

bool ExprValue::AsBoolean() const {
    switch (kind_) {
    case Kind::Boolean: return boolean_;
    case Kind::Number: return number_ != 0;
    case Kind::Text: break;
    }
    throw FtfError("Значение " + Quoted(text_) + " не является логическим");
}

std::string ExprValue::AsText() const {
    switch (kind_) {
    case Kind::Text: return text_;
    case Kind::Boolean: return boolean_ ? "True" : "False";
    case Kind::Number: break;
    }
    if (!std::isfinite(number_)) return std::isnan(number_) ? "NaN" : (number_ > 0 ? "INF" : "-INF");
    char buf[64];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, number_);
        double back = 0;
        if (ReadNumber(buf, back) && back == number_) break;
    }
    return buf;
}

// ---- ExprArgs ----

ExprValue ExprArgs::Value(std::size_t i) const {
    if (i >= count_) throw std::out_of_range("ExprArgs::Value");
    return expr_.Eval(expr_.args_[first_ + i].node, scope_);
}

std::string_view ExprArgs::Text(std::size_t i) const {
    if (i >= count_) throw std::out_of_range("ExprArgs::Text");
    return expr_.args_[first_ + i].text;
}

// ---- Parser ----

class Expression::Parser {
public:
    explicit Parser(Expression& e) : e_(e), s_(e.text_) {}

    void Run() {
        Next();
        if (tok_ == Tok::End) Error("пустая формула");
        std::size_t root = ParseOr();
        if (tok_ != Tok::End) Error("лишний текст " + Quoted(TokenText()));
        e_.root_ = root;
    }

private:
    enum class Tok { End, Number, Text, Name, LParen, RParen, Comma, Plus, Minus, Star, Slash,
                     Eq, Ne, Lt, Le, Gt, Ge, And, Or, Not };

    Expression& e_;
    std::string_view s_;
    std::size_t pos_ = 0;       // byte offset of the next character
    std::size_t chars_ = 0;     // characters before pos_
    Tok tok_ = Tok::End;
    std::size_t tokStart_ = 0;  // byte offset of the current token
    std::size_t tokChar_ = 0;   // its 1-based character position
    double number_ = 0;
    std::string text_;
    int nesting_ = 0;
    std::vector<std::size_t> depth_;  // tree depth of every node

    [[noreturn]] void Error(const std::string& what, std::size_t charPos = 0) {
        if (charPos == 0) charPos = tokChar_;
        throw FtfError("Ошибка в формуле " + Quoted(e_.text_) + ": " + what + " (позиция " +
                       std::to_string(charPos) + ")");
    }

    std::string TokenText() const { return std::string(s_.substr(tokStart_, pos_ - tokStart_)); }

    // Reads one character; false at the end. Malformed UTF-8 is an error at its position.
    bool Peek(char32_t& c, std::size_t& len) {
        if (pos_ >= s_.size()) return false;
        std::size_t p = pos_;
        if (!DecodeUtf8(s_, p, c)) Error("недопустимый байт в тексте", chars_ + 1);
        len = p - pos_;
        return true;
    }
    void Advance(std::size_t len) {
        pos_ += len;
        ++chars_;
    }

    void Next() {
        char32_t c = 0;
        std::size_t len = 0;
        while (Peek(c, len) && IsBlank(c)) Advance(len);
        tokStart_ = pos_;
        tokChar_ = chars_ + 1;
        if (!Peek(c, len)) {
            tok_ = Tok::End;
            return;
        }
        if (IsDigit(c) || (c == '.' && pos_ + 1 < s_.size() && IsDigit(static_cast<unsigned char>(s_[pos_ + 1])))) {
            std::string digits;
            bool dot = false;
            while (Peek(c, len) && (IsDigit(c) || (c == '.' && !dot))) {
                dot = dot || c == '.';
                digits.push_back(static_cast<char>(c));
                Advance(len);
            }
            if (digits.front() == '.') digits.insert(digits.begin(), '0');
            if (!ReadNumber(digits, number_) || !std::isfinite(number_)) Error("недопустимое число");
            if (Peek(c, len) && (IsNameStart(c) || c == '.')) Error("недопустимое число");
            tok_ = Tok::Number;
            return;
        }
        if (IsNameStart(c)) {
            while (Peek(c, len) && IsNamePart(c)) Advance(len);
            text_ = TokenText();
            std::string upper = UpperCase(text_);
            tok_ = upper == "AND" ? Tok::And : upper == "OR" ? Tok::Or : upper == "NOT" ? Tok::Not : Tok::Name;
            return;
        }
        if (c == '\'') {
            Advance(len);
            text_.clear();
            for (;;) {
                if (!Peek(c, len)) Error("не закрыта строка");
                std::size_t from = pos_;
                Advance(len);
                if (c == '\'') {
                    if (Peek(c, len) && c == '\'') {
                        Advance(len);
                        text_.push_back('\'');
                        continue;
                    }
                    break;
                }
                text_.append(s_.substr(from, len));
            }
            tok_ = Tok::Text;
            return;
        }
        Advance(len);
        switch (c) {
        case '(': tok_ = Tok::LParen; return;
        case ')': tok_ = Tok::RParen; return;
        case ',': tok_ = Tok::Comma; return;
        case '+': tok_ = Tok::Plus; return;
        case '-': tok_ = Tok::Minus; return;
        case '*': tok_ = Tok::Star; return;
        case '/': tok_ = Tok::Slash; return;
        case '=': tok_ = Tok::Eq; return;
        case '<':
            tok_ = Tok::Lt;
            if (Peek(c, len) && (c == '=' || c == '>')) {
                tok_ = c == '=' ? Tok::Le : Tok::Ne;
                Advance(len);
            }
            return;
        case '>':
            tok_ = Tok::Gt;
            if (Peek(c, len) && c == '=') {
                tok_ = Tok::Ge;
                Advance(len);
            }
            return;
        default: Error("недопустимый символ " + Quoted(TokenText()));
        }
    }

    std::size_t Add(Node n, std::size_t depth) {
        if (depth > kMaxTreeDepth) Error("формула слишком сложна");
        e_.nodes_.push_back(std::move(n));
        depth_.push_back(depth);
        return e_.nodes_.size() - 1;
    }
    std::size_t Binary(Op op, std::size_t l, std::size_t r) {
        return Add(Node{op, 0, {}, l, r}, std::max(depth_[l], depth_[r]) + 1);
    }
    std::size_t Unary(Op op, std::size_t a) { return Add(Node{op, 0, {}, a, 0}, depth_[a] + 1); }

    struct Nest {
        explicit Nest(Parser& p) : p_(p) {
            if (++p_.nesting_ > kMaxNesting) p_.Error("слишком глубокая вложенность");
        }
        ~Nest() { --p_.nesting_; }
        Parser& p_;
    };

    std::size_t ParseOr() {
        std::size_t l = ParseAnd();
        while (tok_ == Tok::Or) {
            Next();
            l = Binary(Op::Or, l, ParseAnd());
        }
        return l;
    }

    std::size_t ParseAnd() {
        std::size_t l = ParseNot();
        while (tok_ == Tok::And) {
            Next();
            l = Binary(Op::And, l, ParseNot());
        }
        return l;
    }

    std::size_t ParseNot() {
        if (tok_ != Tok::Not) return ParseCompare();
        Nest nest(*this);
        Next();
        return Unary(Op::Not, ParseNot());
    }

    std::size_t ParseCompare() {
        std::size_t l = ParseAdditive();
        Op op;
        switch (tok_) {
        case Tok::Eq: op = Op::Eq; break;
        case Tok::Ne: op = Op::Ne; break;
        case Tok::Lt: op = Op::Lt; break;
        case Tok::Le: op = Op::Le; break;
        case Tok::Gt: op = Op::Gt; break;
        case Tok::Ge: op = Op::Ge; break;
        default: return l;
        }
        Next();
        return Binary(op, l, ParseAdditive());
    }

    std::size_t ParseAdditive() {
        std::size_t l = ParseMultiplicative();
        while (tok_ == Tok::Plus || tok_ == Tok::Minus) {
            Op op = tok_ == Tok::Plus ? Op::Add : Op::Sub;
            Next();
            l = Binary(op, l, ParseMultiplicative());
        }
        return l;
    }

    std::size_t ParseMultiplicative() {
        std::size_t l = ParseUnary();
        while (tok_ == Tok::Star || tok_ == Tok::Slash) {
            Op op = tok_ == Tok::Star ? Op::Mul : Op::Div;
            Next();
            l = Binary(op, l, ParseUnary());
        }
        return l;
    }

    std::size_t ParseUnary() {
        if (tok_ != Tok::Minus && tok_ != Tok::Plus) return ParsePrimary();
        Nest nest(*this);
        Op op = tok_ == Tok::Minus ? Op::Neg : Op::Plus;
        Next();
        return Unary(op, ParseUnary());
    }

    std::size_t ParsePrimary() {
        switch (tok_) {
        case Tok::Number: {
            std::size_t n = Add(Node{Op::Number, number_, {}, 0, 0}, 1);
            Next();
            return n;
        }
        case Tok::Text: {
            std::size_t n = Add(Node{Op::Text, 0, text_, 0, 0}, 1);
            Next();
            return n;
        }
        case Tok::LParen: {
            Nest nest(*this);
            Next();
            std::size_t inner = ParseOr();
            if (tok_ != Tok::RParen) Error(ExpectedClose());
            Next();
            return inner;
        }
        case Tok::Name: {
            std::string name = text_;
            Next();
            if (tok_ != Tok::LParen) return Add(Node{Op::Variable, 0, name, 0, 0}, 1);
            return ParseCall(name);
        }
        default:
            Error(tok_ == Tok::End ? "формула оборвана, ожидается значение"
                                   : "ожидается значение вместо " + Quoted(TokenText()));
        }
    }

    std::string ExpectedClose() const {
        return tok_ == Tok::End ? "ожидается \")\"" : "ожидается \")\" вместо " + Quoted(TokenText());
    }

    std::size_t ParseCall(const std::string& name) {
        Nest nest(*this);
        Next();  // past "("
        std::vector<ArgSlot> args;
        std::size_t depth = 1;
        if (tok_ != Tok::RParen) {
            for (;;) {
                std::size_t from = tokStart_;
                std::size_t node = ParseOr();
                std::string_view text = s_.substr(from, tokStart_ - from);
                while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                                         text.back() == '\n'))
                    text.remove_suffix(1);
                args.push_back(ArgSlot{node, std::string(text)});
                depth = std::max(depth, depth_[node] + 1);
                if (tok_ == Tok::Comma) {
                    Next();
                    continue;
                }
                if (tok_ != Tok::RParen) Error(tok_ == Tok::End ? "ожидается \")\"" : "ожидается \",\" или \")\" вместо " + Quoted(TokenText()));
                break;
            }
        }
        Next();  // past ")"
        std::size_t first = e_.args_.size();
        for (auto& a : args) e_.args_.push_back(std::move(a));
        return Add(Node{Op::Call, 0, UpperCase(name), first, args.size()}, depth);
    }
};

// ---- Expression ----

Expression::Expression(std::string_view text) : text_(text) { Parser(*this).Run(); }

namespace {

struct Cache {
    std::mutex mutex;
    std::unordered_map<std::string, std::shared_ptr<const Expression>> map;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const Expression> Expression::Compile(std::string_view text) {
    Cache& cache = TheCache();
    std::string key(text);
    {
        std::lock_guard lock(cache.mutex);
        auto it = cache.map.find(key);
        if (it != cache.map.end()) return it->second;
    }
    auto compiled = std::make_shared<const Expression>(text);  // a syntax error is not cached
    std::lock_guard lock(cache.mutex);
    if (cache.map.size() >= kMaxCached) cache.map.clear();
    return cache.map.emplace(std::move(key), compiled).first->second;
}

void Expression::ClearCache() {
    std::lock_guard lock(TheCache().mutex);
    TheCache().map.clear();
}

std::size_t Expression::CacheSize() {
    std::lock_guard lock(TheCache().mutex);
    return TheCache().map.size();
}

void Expression::Fail(const std::string& what) const {
    throw FtfError("Ошибка в формуле " + Quoted(text_) + ": " + Printable(what));
}

ExprValue Expression::Evaluate(const ExprScope& scope) const { return Eval(root_, scope); }

double Expression::EvaluateNumber(const ExprScope& scope) const {
    ExprValue v = Evaluate(scope);
    double r = 0;
    if (NumberOf(v, r)) return r;
    Fail("результат " + Quoted(v.AsText()) + " не является числом");
}

ExprValue Expression::Eval(std::size_t index, const ExprScope& scope) const {
    const Node& n = nodes_[index];
    auto number = [&](std::size_t child) {
        ExprValue v = Eval(child, scope);
        double r = 0;
        if (NumberOf(v, r)) return r;
        Fail("значение " + Quoted(v.AsText()) + " не является числом");
    };
    // Literals are finite, so only an overflow leaves the finite numbers; a length of "INF" would
    // pass every range check of the calculation unnoticed.
    auto Finite = [&](double v) {
        if (!std::isfinite(v)) Fail("переполнение");
        return ExprValue::Number(v);
    };
    auto truth = [&](std::size_t child) {
        ExprValue v = Eval(child, scope);
        if (v.IsText()) Fail("значение " + Quoted(v.AsText()) + " не является логическим");
        return v.AsBoolean();
    };
    switch (n.op) {
    case Op::Number: return ExprValue::Number(n.number);
    case Op::Text: return ExprValue::Text(n.name);
    case Op::Variable:
        if (!scope.variable) Fail("неизвестная переменная " + Quoted(n.name));
        return scope.variable(n.name);
    case Op::Call:
        if (!scope.function) Fail("неизвестная функция " + Quoted(n.name));
        return scope.function(n.name, ExprArgs(*this, scope, n.a, n.b));
    case Op::Neg: return ExprValue::Number(-number(n.a));
    case Op::Plus: return ExprValue::Number(number(n.a));
    case Op::Not: return ExprValue::Boolean(!truth(n.a));
    case Op::Add: {
        ExprValue l = Eval(n.a, scope), r = Eval(n.b, scope);
        if (l.IsText() || r.IsText()) return ExprValue::Text(l.AsText() + r.AsText());
        if (l.IsBoolean() || r.IsBoolean())
            Fail("значение " + Quoted((l.IsBoolean() ? l : r).AsText()) + " не является числом");
        return Finite(l.AsNumber() + r.AsNumber());
    }
    case Op::Sub: { double l = number(n.a); return Finite(l - number(n.b)); }
    case Op::Mul: { double l = number(n.a); return Finite(l * number(n.b)); }
    case Op::Div: {
        double l = number(n.a), r = number(n.b);
        if (r == 0) Fail("деление на ноль");
        return Finite(l / r);
    }
    case Op::Eq: case Op::Ne: case Op::Lt: case Op::Le: case Op::Gt: case Op::Ge: {
        ExprValue l = Eval(n.a, scope), r = Eval(n.b, scope);
        int c = 0;
        if (l.IsText() && r.IsText()) {
            c = CompareCp1251(l.AsText(), r.AsText());
        } else if (l.IsBoolean() && r.IsBoolean()) {
            c = int(l.AsBoolean()) - int(r.AsBoolean());
        } else {
            double x = 0, y = 0;
            if (l.IsBoolean() || r.IsBoolean() || !NumberOf(l, x) || !NumberOf(r, y))
                Fail("нельзя сравнить " + Quoted(l.AsText()) + " и " + Quoted(r.AsText()));
            c = x < y ? -1 : x > y ? 1 : 0;
        }
        bool result = n.op == Op::Eq ? c == 0 : n.op == Op::Ne ? c != 0 : n.op == Op::Lt ? c < 0
                    : n.op == Op::Le ? c <= 0 : n.op == Op::Gt ? c > 0 : c >= 0;
        return ExprValue::Boolean(result);
    }
    case Op::And: return ExprValue::Boolean(truth(n.a) && truth(n.b));
    case Op::Or: return ExprValue::Boolean(truth(n.a) || truth(n.b));
    }
    Fail("внутренняя ошибка");
}

}  // namespace ftf

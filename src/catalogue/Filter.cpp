#include "catalogue/Filter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "catalogue/TextOrder.h"
#include "common/Cp1251.h"
#include "common/Error.h"

namespace ftf {

namespace {

enum class Tok { End, Ident, Number, String, Op, LParen, RParen, Comma };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // identifier, literal content, number text or operator
    std::size_t pos = 0;
};

using Cmp = CompiledFilter::Cmp;
using Op = CompiledFilter::Op;

Cmp Flip(Cmp c) {
    switch (c) {
    case Cmp::Lt: return Cmp::Gt;
    case Cmp::Le: return Cmp::Ge;
    case Cmp::Gt: return Cmp::Lt;
    case Cmp::Ge: return Cmp::Le;
    default: return c;
    }
}

template <class T>
inline bool Test(Cmp c, T a, T b) {
    switch (c) {
    case Cmp::Eq: return a == b;
    case Cmp::Ne: return a != b;
    case Cmp::Lt: return a < b;
    case Cmp::Le: return a <= b;
    case Cmp::Gt: return a > b;
    case Cmp::Ge: return a >= b;
    }
    return false;
}

inline bool TestSign(Cmp c, int d) { return Test(c, d, 0); }

bool IsIdentStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool IsIdentChar(unsigned char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool IsKeyword(const Token& t, const char* kw) {
    if (t.kind != Tok::Ident) return false;
    std::size_t i = 0;
    for (; kw[i]; ++i) {
        if (i >= t.text.size()) return false;
        char c = t.text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (c != kw[i]) return false;
    }
    return i == t.text.size();
}

}  // namespace

class FilterParser {
public:
    FilterParser(const TableData& table, std::string_view text, const FilterOptions& options, CompiledFilter& out)
        : table_(table), text_(text), options_(options), out_(out) {}

    void Run() {
        Lex();
        if (tokens_.front().kind == Tok::End) return;  // a blank filter accepts every row
        out_.root_ = ParseOr();
        if (Peek().kind != Tok::End) Fail(Peek().pos, "лишний текст после выражения");
        CollectPins(out_.root_);
    }

private:
    [[noreturn]] void Fail(std::size_t bytePos, const std::string& what) const {
        const std::size_t charPos = CharCount(text_.substr(0, std::min(bytePos, text_.size()))) + 1;
        char buf[32];
        std::snprintf(buf, sizeof buf, "%zu", charPos);
        throw FtfError("Ошибка в выражении фильтра [" + std::string(text_) + "] в позиции " + buf + ": " + what);
    }

    void Lex() {
        std::size_t i = 0;
        const std::size_t n = text_.size();
        while (true) {
            while (i < n && (text_[i] == ' ' || text_[i] == '\t' || text_[i] == '\r' || text_[i] == '\n')) ++i;
            Token t;
            t.pos = i;
            if (i >= n) {
                tokens_.push_back(t);
                return;
            }
            const auto c = static_cast<unsigned char>(text_[i]);
            if (c == '(') { t.kind = Tok::LParen; ++i; }
            else if (c == ')') { t.kind = Tok::RParen; ++i; }
            else if (c == ',') { t.kind = Tok::Comma; ++i; }
            else if (c == '=' ) { t.kind = Tok::Op; t.text = "="; ++i; }
            else if (c == '<' || c == '>' || c == '!') {
                t.kind = Tok::Op;
                t.text = std::string(1, static_cast<char>(c));
                ++i;
                if (i < n && (text_[i] == '=' || (c == '<' && text_[i] == '>'))) t.text += text_[i++];
                if (t.text == "!") Fail(t.pos, "ожидается оператор сравнения");
            } else if (c == '\'') {
                t.kind = Tok::String;
                ++i;
                while (true) {
                    if (i >= n) Fail(t.pos, "текст в кавычках не закрыт");
                    if (text_[i] == '\'') {
                        if (i + 1 < n && text_[i + 1] == '\'') { t.text += '\''; i += 2; continue; }
                        ++i;
                        break;
                    }
                    t.text += text_[i++];
                }
            } else if ((c >= '0' && c <= '9') || c == '.' ||
                       ((c == '-' || c == '+') && i + 1 < n &&
                        ((text_[i + 1] >= '0' && text_[i + 1] <= '9') || text_[i + 1] == '.'))) {
                t.kind = Tok::Number;
                t.text += text_[i++];
                while (i < n) {
                    const char d = text_[i];
                    if ((d >= '0' && d <= '9') || d == '.') { t.text += d; ++i; continue; }
                    if ((d == 'e' || d == 'E') && i + 1 < n &&
                        ((text_[i + 1] >= '0' && text_[i + 1] <= '9') || text_[i + 1] == '-' || text_[i + 1] == '+')) {
                        t.text += d;
                        t.text += text_[i + 1];
                        i += 2;
                        continue;
                    }
                    break;
                }
                double dummy = 0;
                if (!ParseDecimal(t.text, dummy)) Fail(t.pos, "неверное число " + t.text);
                if (i < n && IsIdentStart(static_cast<unsigned char>(text_[i]))) Fail(i, "неверное число");
            } else if (IsIdentStart(c) || c == '[' || c == '"') {
                t.kind = Tok::Ident;
                ReadName(i, t);
                // A qualified name ("T.ID", "T.\"PropKey\"") stands for its last part.
                while (i + 1 < n && text_[i] == '.' &&
                       (IsIdentStart(static_cast<unsigned char>(text_[i + 1])) || text_[i + 1] == '[' || text_[i + 1] == '"')) {
                    ++i;
                    t.text.clear();
                    ReadName(i, t);
                }
            } else {
                Fail(i, "недопустимый символ");
            }
            tokens_.push_back(std::move(t));
        }
    }

    void ReadName(std::size_t& i, Token& t) {
        const std::size_t n = text_.size();
        const char open = text_[i];
        if (open == '[' || open == '"') {
            const char close = open == '[' ? ']' : '"';
            const std::size_t start = i++;
            while (i < n && text_[i] != close) t.text += text_[i++];
            if (i >= n) Fail(start, open == '[' ? "не закрыта скобка ]" : "не закрыта кавычка \"");
            ++i;
            quotedNames_.push_back(t.pos);
            return;
        }
        while (i < n && IsIdentChar(static_cast<unsigned char>(text_[i]))) t.text += text_[i++];
    }

    const Token& Peek() const { return tokens_[cur_]; }
    const Token& Take() { return tokens_[cur_ < tokens_.size() - 1 ? cur_++ : cur_]; }
    bool Quoted(const Token& t) const {
        for (std::size_t p : quotedNames_)
            if (p == t.pos) return true;
        return false;
    }
    bool Kw(const Token& t, const char* kw) const { return !Quoted(t) && IsKeyword(t, kw); }

    int Add(CompiledFilter::Node n) {
        if (out_.nodes_.size() >= kMaxNodes) Fail(Peek().pos, "выражение слишком длинное");
        out_.nodes_.push_back(std::move(n));
        return static_cast<int>(out_.nodes_.size()) - 1;
    }

    int ParseOr() {
        int left = ParseAnd();
        while (Kw(Peek(), "OR")) {
            Take();
            CompiledFilter::Node n;
            n.op = Op::Or;
            n.left = left;
            n.right = ParseAnd();
            left = Add(std::move(n));
        }
        return left;
    }

    int ParseAnd() {
        int left = ParseNot();
        while (Kw(Peek(), "AND")) {
            Take();
            CompiledFilter::Node n;
            n.op = Op::And;
            n.left = left;
            n.right = ParseNot();
            left = Add(std::move(n));
        }
        return left;
    }

    // Guards the recursion of the parser (and of the evaluator, which follows the tree) against
    // texts no program builds, such as thousands of nested parentheses.
    static constexpr std::size_t kMaxNodes = 4096;
    static constexpr int kMaxDepth = 200;
    struct DepthGuard {
        FilterParser& p;
        DepthGuard(FilterParser& parser, std::size_t pos) : p(parser) {
            if (++p.depth_ > kMaxDepth) p.Fail(pos, "слишком глубокая вложенность");
        }
        ~DepthGuard() { --p.depth_; }
    };

    int ParseNot() {
        if (Kw(Peek(), "NOT")) {
            DepthGuard guard(*this, Peek().pos);
            Take();
            CompiledFilter::Node n;
            n.op = Op::Not;
            n.left = ParseNot();
            return Add(std::move(n));
        }
        return ParsePrimary();
    }

    // An operand: a field (index >= 0) or a literal.
    struct Operand {
        int field = -1;
        Tok kind = Tok::End;  // Number, String, or Ident for null/true/false
        std::string text;
        std::size_t pos = 0;
        bool isNull = false;
    };

    Operand ParseOperand() {
        const Token& t = Take();
        Operand o;
        o.pos = t.pos;
        switch (t.kind) {
        case Tok::Number:
        case Tok::String:
            o.kind = t.kind;
            o.text = t.text;
            return o;
        case Tok::Ident: {
            if (Kw(t, "NULL")) { o.isNull = true; o.kind = Tok::Ident; return o; }
            if (Kw(t, "TRUE") || Kw(t, "FALSE")) {
                o.kind = Tok::Number;
                o.text.assign(1, Kw(t, "TRUE") ? '1' : '0');
                return o;
            }
            if (!Quoted(t) && (Kw(t, "AND") || Kw(t, "OR") || Kw(t, "NOT")))
                Fail(t.pos, "ожидается имя поля или значение");
            o.field = ResolveField(t);
            return o;
        }
        default: Fail(t.pos, "ожидается имя поля или значение");
        }
    }

    int ResolveField(const Token& t) {
        const int f = table_.FindField(t.text);
        if (f < 0) Fail(t.pos, "неизвестное поле [" + t.text + "]");
        const FieldDef& d = table_.Field(f);
        if (d.kind != FieldKind::Data)
            Fail(t.pos, "поле [" + d.name + "] не хранится в таблице, по нему нельзя фильтровать");
        if (d.type == FieldType::Blob || d.type == FieldType::Memo)
            Fail(t.pos, "поле [" + d.name + "] типа " + FieldTypeName(d.type) + " нельзя использовать в фильтре");
        return f;
    }

    int ParsePrimary() {
        if (Peek().kind == Tok::LParen) {
            DepthGuard guard(*this, Peek().pos);
            const std::size_t open = Take().pos;
            const int inner = ParseOr();
            if (Peek().kind != Tok::RParen) Fail(Peek().kind == Tok::End ? open : Peek().pos, "ожидается )");
            Take();
            return inner;
        }
        Operand left = ParseOperand();
        const Token& t = Peek();
        if (Kw(t, "IS")) {
            Take();
            bool negate = false;
            if (Kw(Peek(), "NOT")) { Take(); negate = true; }
            if (!Kw(Peek(), "NULL")) Fail(Peek().pos, "ожидается NULL");
            Take();
            if (left.field < 0) Fail(left.pos, "ожидается имя поля");
            return BlankTest(left.field, negate);
        }
        if (Kw(t, "IN") || (Kw(t, "NOT") && cur_ + 1 < tokens_.size() && Kw(tokens_[cur_ + 1], "IN"))) {
            bool negate = false;
            if (Kw(t, "NOT")) { Take(); negate = true; }
            Take();
            if (left.field < 0) Fail(left.pos, "ожидается имя поля");
            return ParseIn(left, negate);
        }
        if (t.kind != Tok::Op) Fail(t.pos, "ожидается оператор сравнения");
        const std::string op = Take().text;
        Cmp cmp = op == "=" ? Cmp::Eq : (op == "<>" || op == "!=") ? Cmp::Ne : op == "<" ? Cmp::Lt
                : op == "<=" ? Cmp::Le : op == ">" ? Cmp::Gt : Cmp::Ge;
        Operand right = ParseOperand();
        if (left.field < 0 && right.field < 0) Fail(left.pos, "ожидается имя поля");
        if (left.field < 0) {
            std::swap(left, right);
            cmp = Flip(cmp);
        }
        if (right.field >= 0) return FieldsCompare(left, cmp, right);
        if (right.isNull) {
            if (cmp != Cmp::Eq && cmp != Cmp::Ne) Fail(right.pos, "с NULL сравнивают только = и <>");
            return BlankTest(left.field, cmp == Cmp::Ne);
        }
        return LiteralCompare(left.field, cmp, right);
    }

    int BlankTest(int field, bool negate) {
        CompiledFilter::Node n;
        n.op = Op::IsBlank;
        n.field = field;
        n.negate = negate;
        return Add(std::move(n));
    }

    // The literal as a number for a numeric field; fails with a type message otherwise.
    double NumberOf(int field, const Operand& lit) {
        double d = 0;
        if (lit.kind == Tok::String && lit.text.empty()) return 0;  // '' is what a blank number reads as
        if (!ParseDecimal(lit.text, d))
            Fail(lit.pos, "значение '" + lit.text + "' не подходит для поля [" + table_.Field(field).name + "] типа " +
                              FieldTypeName(table_.Field(field).type));
        return d;
    }

    // Fills `n` to compare field `field` with literal `lit`; returns false when it is a text test.
    void Literal(int field, const Operand& lit, CompiledFilter::Node& n) {
        const FieldType type = table_.Field(field).type;
        n.field = field;
        if (IsTextType(type)) {
            n.op = Op::CmpText;
            n.s = lit.text;
            n.nocase = options_.caseInsensitive;
            return;
        }
        double d = 0;
        if (type == FieldType::Date && lit.kind == Tok::String) {
            std::int32_t days = 0;
            if (!ParseOleDate(lit.text, days)) Fail(lit.pos, "'" + lit.text + "' не является датой");
            d = days;
        } else if (type == FieldType::Logical && lit.kind == Tok::String) {
            if (SameTextNoCase(lit.text, "true")) d = 1;
            else if (SameTextNoCase(lit.text, "false") || lit.text.empty()) d = 0;
            else d = NumberOf(field, lit);
        } else {
            d = NumberOf(field, lit);
        }
        if (IsRealType(type)) {
            n.op = Op::CmpReal;
            n.d = d;
            return;
        }
        // Integer-held fields: money in ten-thousandths.
        const double scale = type == FieldType::Money ? 10000.0 : 1.0;
        const double scaled = d * scale;
        // "12.3456" times 10000 is 123455.99999999999 in binary: a decimal literal with no more
        // digits than the field holds must still compare as the exact amount.
        const double whole = std::nearbyint(scaled);
        if (std::fabs(scaled) < 9.2e18 && std::fabs(scaled - whole) <= 1e-9 * std::max(1.0, std::fabs(scaled))) {
            n.op = Op::CmpInt;
            n.i = static_cast<std::int64_t>(whole);
        } else {
            n.op = Op::CmpReal;
            n.intColumn = true;
            n.d = scaled;
        }
    }

    int LiteralCompare(int field, Cmp cmp, const Operand& lit) {
        CompiledFilter::Node n;
        n.cmp = cmp;
        Literal(field, lit, n);
        if (n.op == Op::CmpText && lit.kind == Tok::String && (cmp == Cmp::Eq || cmp == Cmp::Ne) &&
            !options_.noPartialCompare && !n.s.empty() && n.s.back() == '*') {
            // The old engine's partial compare: 'AB*' matches every text that begins with AB.
            n.op = Op::CmpPrefix;
            n.s.pop_back();
            n.negate = cmp == Cmp::Ne;
        }
        return Add(std::move(n));
    }

    int ParseIn(const Operand& left, bool negate) {
        if (Peek().kind != Tok::LParen) Fail(Peek().pos, "ожидается (");
        Take();
        CompiledFilter::Node n;
        n.field = left.field;
        n.negate = negate;
        const FieldType type = table_.Field(left.field).type;
        n.op = IsTextType(type) ? Op::InText : IsRealType(type) ? Op::InReal : Op::InInt;
        n.nocase = options_.caseInsensitive;
        while (true) {
            Operand lit = ParseOperand();
            if (lit.field >= 0 || lit.isNull) Fail(lit.pos, "в списке IN допустимы только значения");
            CompiledFilter::Node one;
            Literal(left.field, lit, one);
            if (n.op == Op::InText) n.slist.push_back(one.s);
            else if (n.op == Op::InReal) n.dlist.push_back(one.d);
            else if (one.op == Op::CmpInt) n.ilist.push_back(one.i);
            // a fractional value never equals an integer field: it adds nothing to the list
            if (Peek().kind == Tok::Comma) { Take(); continue; }
            if (Peek().kind != Tok::RParen) Fail(Peek().pos, "ожидается )");
            Take();
            break;
        }
        return Add(std::move(n));
    }

    int FieldsCompare(const Operand& a, Cmp cmp, const Operand& b) {
        const FieldType ta = table_.Field(a.field).type, tb = table_.Field(b.field).type;
        if (IsTextType(ta) != IsTextType(tb))
            Fail(b.pos, "поля [" + table_.Field(a.field).name + "] и [" + table_.Field(b.field).name + "] несравнимы");
        CompiledFilter::Node n;
        n.op = Op::CmpFields;
        n.cmp = cmp;
        n.field = a.field;
        n.field2 = b.field;
        n.nocase = options_.caseInsensitive;
        return Add(std::move(n));
    }

    void CollectPins(int node) {
        const CompiledFilter::Node& n = out_.nodes_[static_cast<std::size_t>(node)];
        if (n.op == Op::And) {
            CollectPins(n.left);
            CollectPins(n.right);
            return;
        }
        // Only a field compared for equality with a constant pins; other nodes have no field.
        const bool comparison = n.op == Op::CmpText || n.op == Op::CmpInt || n.op == Op::CmpReal;
        if (!comparison || n.cmp != Cmp::Eq || n.field < 0) return;
        if (n.op == Op::CmpText) {
            out_.pins_.push_back({n.field, Value(n.s)});
        } else if (n.op == Op::CmpInt) {
            if (table_.Field(n.field).type == FieldType::Money) out_.pins_.push_back({n.field, Value(Money::FromRaw(n.i))});
            else out_.pins_.push_back({n.field, Value(static_cast<long long>(n.i))});
        } else if (n.op == Op::CmpReal && !n.intColumn) {
            out_.pins_.push_back({n.field, Value(n.d)});
        }
    }

    const TableData& table_;
    std::string_view text_;
    FilterOptions options_;
    CompiledFilter& out_;
    std::vector<Token> tokens_;
    std::vector<std::size_t> quotedNames_;
    std::size_t cur_ = 0;
    int depth_ = 0;
};

std::shared_ptr<const CompiledFilter> CompiledFilter::Compile(const TableData& table, std::string_view text,
                                                              const FilterOptions& options) {
    auto f = std::make_shared<CompiledFilter>();
    f->text_ = std::string(text);
    f->options_ = options;
    FilterParser(table, text, options, *f).Run();
    return f;
}

bool CompiledFilter::Matches(const TableData& table, RowId r) const {
    if (root_ < 0) return true;
    return Eval(table, r, root_);
}

bool CompiledFilter::Eval(const TableData& t, RowId r, int idx) const {
    const Node& n = nodes_[static_cast<std::size_t>(idx)];
    switch (n.op) {
    case Op::True: return true;
    case Op::And: return Eval(t, r, n.left) && Eval(t, r, n.right);
    case Op::Or: return Eval(t, r, n.left) || Eval(t, r, n.right);
    case Op::Not: return !Eval(t, r, n.left);
    case Op::CmpInt: return Test(n.cmp, t.IntAt(r, n.field), n.i);
    case Op::CmpReal: {
        const double v = n.intColumn ? static_cast<double>(t.IntAt(r, n.field)) : t.RealAt(r, n.field);
        return Test(n.cmp, v, n.d);
    }
    case Op::CmpText: {
        const std::string& v = t.TextAt(r, n.field);
        if (!n.nocase && n.cmp == Cmp::Eq) return v == n.s;
        if (!n.nocase && n.cmp == Cmp::Ne) return v != n.s;
        return TestSign(n.cmp, CompareText(v, n.s, n.nocase));
    }
    case Op::CmpPrefix: return TextStartsWith(t.TextAt(r, n.field), n.s, n.nocase) != n.negate;
    case Op::IsBlank: return t.BlankAt(r, n.field) != n.negate;
    case Op::InInt: {
        const std::int64_t v = t.IntAt(r, n.field);
        for (std::int64_t x : n.ilist)
            if (x == v) return !n.negate;
        return n.negate;
    }
    case Op::InReal: {
        const double v = t.RealAt(r, n.field);
        for (double x : n.dlist)
            if (x == v) return !n.negate;
        return n.negate;
    }
    case Op::InText: {
        const std::string& v = t.TextAt(r, n.field);
        for (const std::string& x : n.slist)
            if (TextEquals(v, x, n.nocase)) return !n.negate;
        return n.negate;
    }
    case Op::CmpFields: {
        const Column& a = t.ColumnAt(n.field);
        const Column& b = t.ColumnAt(n.field2);
        if (IsTextType(a.type)) return TestSign(n.cmp, CompareText(a.texts[r], b.texts[r], n.nocase));
        auto num = [&](const Column& c) {
            if (IsRealType(c.type)) return c.reals[r];
            if (c.type == FieldType::Money) return static_cast<double>(c.ints[r]) / 10000.0;
            return static_cast<double>(c.ints[r]);
        };
        return Test(n.cmp, num(a), num(b));
    }
    }
    return false;
}

}  // namespace ftf

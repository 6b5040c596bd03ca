#include "model/Expression.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/Error.h"

using namespace ftf;

namespace {

// A scope with a few variables and two functions: SUM adds its evaluated arguments, TEXTS joins
// the raw texts of its arguments with "|". Names the scope does not know raise, so a test sees
// a name that arrives other than expected.
struct TestScope {
    std::map<std::string, ExprValue, std::less<>> vars{
        {"A", ExprValue::Number(2)},
        {"B", ExprValue::Number(3)},
        {"FН", ExprValue::Number(7)},  // Cyrillic EN
        {"T", ExprValue::Text("12.5")},
    };
    std::vector<std::string> calls;
    ExprScope scope;

    TestScope() {
        scope.variable = [this](std::string_view name) {
            auto it = vars.find(name);
            if (it == vars.end()) throw FtfError("no variable " + std::string(name));
            return it->second;
        };
        scope.function = [this](std::string_view name, const ExprArgs& args) {
            calls.emplace_back(name);
            if (name == "SUM") {
                double s = 0;
                for (std::size_t i = 0; i < args.Count(); ++i) s += args.Value(i).AsNumber();
                return ExprValue::Number(s);
            }
            if (name == "TEXTS") {
                std::string s;
                for (std::size_t i = 0; i < args.Count(); ++i) s += (i ? "|" : "") + std::string(args.Text(i));
                return ExprValue::Text(s);
            }
            return ExprValue::Number(0);  // unknown functions cost nothing, arguments unread
        };
    }
};

std::string ErrorOf(std::string_view text, const ExprScope* scope = nullptr) {
    try {
        Expression e(text);
        if (scope) e.Evaluate(*scope);
    } catch (const FtfError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(FormulaExpression, NumbersOperatorsAndPrecedence) {
    TestScope ts;
    struct { const char* text; double value; } cases[] = {
        {"1+2*3", 7}, {"(1+2)*3", 9}, {"10-4-3", 3}, {"24/4/2", 3}, {"2-3*4+6/3", -8},
        {"2*(3+(4-1))/3", 4}, {"  7  ", 7}, {"1.5*2", 3}, {".5+.25", 0.75}, {"3.", 3}, {"0.1", 0.1},
        // Unary minus binds tighter than any binary operator and may repeat.
        {"-2*3", -6}, {"2*-3", -6}, {"--2", 2}, {"-(2+3)", -5}, {"+5", 5}, {"1 - -1", 2}, {"-A", -2},
        {"-2-3", -5}, {"-A*-B", 6},
        // Variables and calls; the Cyrillic EN is part of a name.
        {"A*B", 6}, {"FН+1", 8}, {"sum(1,2,3)", 6}, {"Sum( A , B*2 )", 8}, {"SUM()", 0},
        {"sum(sum(1,2),-sum(A))", 1}, {"T*2", 25}, {"1000-2*(A+B)", 990},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(Expression(c.text).EvaluateNumber(ts.scope), c.value);
    }
}

TEST(FormulaExpression, ComparisonsLogicAndTexts) {
    TestScope ts;
    struct { const char* text; ExprValue value; } cases[] = {
        {"1<2", ExprValue::Boolean(true)},        {"2<=2", ExprValue::Boolean(true)},
        {"3>4", ExprValue::Boolean(false)},       {"3>=4", ExprValue::Boolean(false)},
        {"1<>1", ExprValue::Boolean(false)},      {"A=2", ExprValue::Boolean(true)},
        {"1+1=2", ExprValue::Boolean(true)},      {"'b'>'a'", ExprValue::Boolean(true)},
        {"'Б'>'А'", ExprValue::Boolean(true)},    {"'10'=10", ExprValue::Boolean(true)},
        {"not 1=2", ExprValue::Boolean(true)},    {"NOT 0", ExprValue::Boolean(true)},
        {"1=1 and 2=3", ExprValue::Boolean(false)}, {"1=2 Or 2=2", ExprValue::Boolean(true)},
        // and binds tighter than or
        {"1=1 or 1=2 and 1=2", ExprValue::Boolean(true)},
        // short-circuit: the right side is never evaluated
        {"1=1 or 1/0=1", ExprValue::Boolean(true)}, {"1=2 and 1/0=1", ExprValue::Boolean(false)},
        {"'ab'+'cd'", ExprValue::Text("abcd")},   {"'x'+1.5", ExprValue::Text("x1.5")},
        {"'it''s'", ExprValue::Text("it's")},     {"'Итого: '+(1+2)", ExprValue::Text("Итого: 3")},
        {"''", ExprValue::Text("")},              {"'a,b(c)'", ExprValue::Text("a,b(c)")},
        {"texts( 1 + 2 , 'x,y' ,A)", ExprValue::Text("1 + 2|'x,y'|A")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Expression(c.text).Evaluate(ts.scope), c.value);
    }
}

TEST(FormulaExpression, NamesReachTheScopeAsWritten) {
    TestScope ts;
    ts.vars.emplace("ffb", ExprValue::Number(5));
    // Variables are case-sensitive; function names arrive upper-cased, Cyrillic included.
    EXPECT_EQ(Expression("ffb").EvaluateNumber(ts.scope), 5);
    EXPECT_THROW(Expression("FFB").Evaluate(ts.scope), FtfError);
    Expression("ffl(1) + ффл(2) + Fgа(3)").Evaluate(ts.scope);
    EXPECT_EQ(ts.calls, (std::vector<std::string>{"FFL", "ФФЛ", "FGА"}));
    // Arguments of a function that ignores them are never evaluated.
    EXPECT_EQ(Expression("UNKNOWN(1/0, 'x'*2)").EvaluateNumber(ts.scope), 0);
}

TEST(FormulaExpression, SyntaxErrorsNameFormulaAndPosition) {
    struct { const char* text; int position; const char* what; } cases[] = {
        {"", 1, "пустая формула"},
        {"   ", 4, "пустая формула"},
        {"1+", 3, "оборвана"},
        {"(1+2", 5, "ожидается \")\""},
        {"FFB*(2", 7, "ожидается \")\""},
        {"1+*2", 3, "ожидается значение вместо [*]"},
        {"2FFB", 1, "недопустимое число"},
        {"1.2.3", 1, "недопустимое число"},
        {"1 2", 3, "лишний текст [2]"},
        {"FFB FFН", 5, "лишний текст [FFН]"},
        {"(1))", 4, "лишний текст [)]"},
        {"1 # 2", 3, "недопустимый символ [#]"},
        {"'abc", 1, "не закрыта строка"},
        // Positions count characters, not bytes: each Cyrillic letter is one.
        {"ФФН + ?", 7, "недопустимый символ [?]"},
        {"f(1,)", 5, "ожидается значение"},
        {"f(1 2)", 5, "ожидается \",\" или \")\""},
        {"f(1", 4, "ожидается \")\""},
        {"1 < > 2", 5, "ожидается значение"},
        {"1\xff", 2, "недопустимый байт"},
        {"1 and", 6, "оборвана"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string message = ErrorOf(c.text);
        EXPECT_NE(message.find("Ошибка в формуле [" + std::string(c.text) + "]"), std::string::npos) << message;
        EXPECT_NE(message.find("(позиция " + std::to_string(c.position) + ")"), std::string::npos) << message;
        EXPECT_NE(message.find(c.what), std::string::npos) << message;
    }
}

TEST(FormulaExpression, HostileTextsFailCleanly) {
    // Nesting and chains deep enough to overflow a recursive parser or evaluator are refused.
    std::string nested = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_NE(ErrorOf(nested).find("слишком глубокая вложенность"), std::string::npos);
    std::string minus = std::string(5000, '-') + "1";
    EXPECT_NE(ErrorOf(minus).find("слишком глубокая вложенность"), std::string::npos);
    std::string chain = "1";
    for (int i = 0; i < 5000; ++i) chain += "+1";
    EXPECT_NE(ErrorOf(chain).find("слишком сложна"), std::string::npos);
    // A control character inside the formula shows as a blank, so the message is not cut short
    // where the text is passed on as a C string.
    const std::string withNul("'a\0b' +", 7);
    EXPECT_NE(ErrorOf(withNul).find("['a b' +]: формула оборвана, ожидается значение (позиция 8)"), std::string::npos)
        << ErrorOf(withNul);
    // Within the limits a long formula works.
    std::string sum = "0";
    for (int i = 0; i < 500; ++i) sum += "+1";
    EXPECT_EQ(Expression(sum).EvaluateNumber({}), 500);
}

TEST(FormulaExpression, EvaluationErrorsNameTheFormula) {
    TestScope ts;
    struct { const char* text; const char* what; } cases[] = {
        {"1/0", "деление на ноль"},
        {"0/0", "деление на ноль"},
        {"FН/(A-2)", "деление на ноль"},
        {"'abc'*2", "значение [abc] не является числом"},
        {"-'x'", "значение [x] не является числом"},
        {"(1<2)+1", "значение [True] не является числом"},
        {"'a' and 1=1", "значение [a] не является логическим"},
        {"'a' < 1", "нельзя сравнить [a] и [1]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string message = ErrorOf(c.text, &ts.scope);
        EXPECT_NE(message.find("Ошибка в формуле [" + std::string(c.text) + "]: " + c.what), std::string::npos)
            << message;
    }
    // Literals have no exponent, but 300 digits reach 1e300: the product overflows.
    const std::string big = "1" + std::string(300, '0');
    EXPECT_NE(ErrorOf(big + "*" + big, &ts.scope).find("переполнение"), std::string::npos);
    EXPECT_NE(ErrorOf("-" + big + "*" + big + "-" + big + "*" + big, &ts.scope).find("переполнение"), std::string::npos);
    EXPECT_EQ(Expression(big + "/" + big).EvaluateNumber({}), 1);
    // Without callbacks every name is an error naming it.
    const ExprScope none;
    EXPECT_NE(ErrorOf("FFB+1", &none).find("неизвестная переменная [FFB]"), std::string::npos);
    EXPECT_NE(ErrorOf("fl(1)", &none).find("неизвестная функция [FL]"), std::string::npos);
    // The result must be a number (or a text that reads as one).
    EXPECT_DOUBLE_EQ(Expression("'12.5'").EvaluateNumber({}), 12.5);
    EXPECT_THROW(Expression("'abc'").EvaluateNumber({}), FtfError);
    EXPECT_THROW(Expression("1<2").EvaluateNumber({}), FtfError);
    // Errors raised by the scope pass through unchanged.
    try {
        Expression("missing").Evaluate(ts.scope);
        FAIL();
    } catch (const FtfError& e) {
        EXPECT_STREQ(e.what(), "no variable missing");
    }
}

TEST(FormulaExpression, ValuesConvert) {
    struct { const char* text; bool ok; double value; } numbers[] = {
        {"12", true, 12},   {" -1,5 ", true, -1.5}, {"+3", true, 3},  {".5", true, 0.5},
        {"7.", true, 7},    {"", false, 0},         {".", false, 0},  {"1e5", false, 0},
        {"1.2.3", false, 0}, {"12a", false, 0},     {"- 1", false, 0}, {"inf", false, 0},
    };
    for (const auto& c : numbers) {
        double v = -99;
        EXPECT_EQ(ParseExprNumber(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_EQ(ExprValue::Number(12).AsText(), "12");
    EXPECT_EQ(ExprValue::Number(-1.25).AsText(), "-1.25");
    EXPECT_EQ(ExprValue::Number(0.1 + 0.2).AsText(), "0.30000000000000004");
    EXPECT_EQ(ExprValue::Number(-0.0).AsText(), "0");
    EXPECT_EQ(ExprValue::Boolean(false).AsText(), "False");
    EXPECT_TRUE(ExprValue::Number(-2).AsBoolean());
    EXPECT_THROW(ExprValue::Text("x").AsBoolean(), FtfError);
    EXPECT_THROW(ExprValue::Boolean(true).AsNumber(), FtfError);
}

TEST(FormulaExpression, CompileCachesByText) {
    Expression::ClearCache();
    auto a = Expression::Compile("FFB-2*10");
    auto b = Expression::Compile("FFB-2*10");
    auto c = Expression::Compile("FFB - 2*10");
    EXPECT_EQ(a.get(), b.get());
    EXPECT_NE(a.get(), c.get());
    EXPECT_EQ(Expression::CacheSize(), 2u);
    // A syntax error is raised every time and nothing is kept for it.
    EXPECT_THROW(Expression::Compile("FFB-"), FtfError);
    EXPECT_THROW(Expression::Compile("FFB-"), FtfError);
    EXPECT_EQ(Expression::CacheSize(), 2u);
    // A compiled formula is evaluated with whatever scope is given.
    ExprScope s1, s2;
    s1.variable = [](std::string_view) { return ExprValue::Number(1000); };
    s2.variable = [](std::string_view) { return ExprValue::Number(500); };
    EXPECT_EQ(a->EvaluateNumber(s1), 980);
    EXPECT_EQ(a->EvaluateNumber(s2), 480);
    Expression::ClearCache();
    EXPECT_EQ(Expression::CacheSize(), 0u);
    EXPECT_EQ(a->Text(), "FFB-2*10");  // still usable after the cache let it go
}

TEST(FormulaExpression, ArgumentsOutOfRange) {
    ExprScope s;
    s.function = [](std::string_view, const ExprArgs& args) {
        EXPECT_EQ(args.Count(), 1u);
        EXPECT_THROW(args.Value(1), std::out_of_range);
        EXPECT_THROW(args.Text(1), std::out_of_range);
        return args.Value(0);
    };
    EXPECT_EQ(Expression("F(4)").EvaluateNumber(s), 4);
}

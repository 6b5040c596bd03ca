// libFuzzer target: compiling and evaluating an arbitrary formula text.
//
// The input is the formula text itself. Besides the sanitizers, it checks that compiling and
// evaluating throw nothing but FtfError, that a syntax error names a position inside the text (or
// just after it), and that a formula evaluates the same twice. The scope answers every variable
// and evaluates every argument of every function, so the whole tree is walked.
// Built and run by bench/fuzz-expression.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "model/Expression.h"

using namespace ftf;

namespace {

ExprScope Scope() {
    ExprScope s;
    s.variable = [](std::string_view name) {
        if (!name.empty() && name[0] == 'T') return ExprValue::Text(std::string(name));
        return ExprValue::Number(static_cast<double>(name.size()));
    };
    s.function = [](std::string_view name, const ExprArgs& args) {
        std::string joined;
        for (std::size_t i = 0; i < args.Count(); ++i) {
            joined += args.Text(i);
            joined += args.Value(i).AsText();
        }
        if (name.size() % 2) return ExprValue::Text(joined);
        return ExprValue::Number(static_cast<double>(joined.size()));
    };
    return s;
}

std::string Outcome(const Expression& e, const ExprScope& scope) {
    try {
        return "=" + e.Evaluate(scope).AsText();
    } catch (const FtfError& err) {
        return std::string("!") + err.what();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ExprScope scope = Scope();
    try {
        Expression e(text);
        const std::string first = Outcome(e, scope);
        if (first != Outcome(e, scope)) std::abort();
    } catch (const FtfError& err) {
        const std::string message = err.what();
        const std::size_t at = message.rfind("(позиция ");
        if (at == std::string::npos) std::abort();
        const long position = std::strtol(message.c_str() + at + std::string("(позиция ").size(), nullptr, 10);
        // Characters of the text as the parser counts them: malformed bytes count one each.
        std::size_t chars = 0;
        for (std::size_t pos = 0; pos < text.size(); ++chars) {
            char32_t cp = 0;
            DecodeUtf8(text, pos, cp);
        }
        if (position < 1 || static_cast<std::size_t>(position) > chars + 1) std::abort();
    }
    return 0;
}

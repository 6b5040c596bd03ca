// ftf words: an amount in Russian words, as invoices print it.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Command.h"
#include "common/AmountInWords.h"
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Money.h"

namespace {

using ftf::FtfError;

// The command line takes no more than this: a money value has four decimals, and beyond them
// only zeros would be written.
constexpr long kMaxDecimals = 20;

const char kHelp[] =
    "Использование: ftf words СУММА --one ФОРМА --few ФОРМА --many ФОРМА --gender РОД\n"
    "                         [--decimals N] [--frac-one ФОРМА --frac-few ФОРМА\n"
    "                         --frac-many ФОРМА --frac-gender РОД]\n"
    "Пишет сумму прописью: целую часть словами с единицей валюты в нужной форме,\n"
    "дробную часть цифрами с дробной единицей.\n"
    "\n"
    "СУММА: число с разделителем «.» или «,»; больше четырёх знаков после разделителя\n"
    "округляются до четырёх (половина к чётному). Отрицательная сумма пишется по модулю.\n"
    "\n"
    "Параметры (значение следует за параметром или после «=»):\n"
    "  --one ФОРМА          единица после числа, оканчивающегося на 1 (рубль)\n"
    "  --few ФОРМА          единица после 2, 3 и 4 (рубля)\n"
    "  --many ФОРМА         единица после остальных чисел и после 11-19 (рублей)\n"
    "  --gender РОД         род единицы: 0 мужской, 1 женский, другое число до 255 средний\n"
    "  --decimals N         знаков дробной части, не больше 20 (по умолчанию 2;\n"
    "                       0 и меньше: дробная часть не пишется)\n"
    "  --frac-one ФОРМА     дробная единица после 1 (копейка); по умолчанию пусто\n"
    "  --frac-few ФОРМА     дробная единица после 2, 3 и 4 (копейки); по умолчанию пусто\n"
    "  --frac-many ФОРМА    дробная единица после остальных чисел (копеек); по умолчанию пусто\n"
    "  --frac-gender РОД    род дробной единицы (по умолчанию 0)\n"
    "  --help               эта справка\n"
    "\n"
    "Пример: ftf words 1234,5 --one рубль --few рубля --many рублей --gender 0\n"
    "        Одна тысяча двести тридцать четыре рубля 50\n";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads "[+|-]digits[(.|,)digits]" exactly, without passing through a binary real: the decimal
// digits beyond the fourth round ties-to-even as money does.
ftf::Money ParseAmount(const std::string& text) {
    const std::string notNumber = "сумма «" + text +
        "» не является числом (ожидаются цифры с разделителем «.» или «,», например 1234,56)";
    std::string_view s = text;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    std::size_t sep = s.find_first_of(".,");
    std::string_view whole = s.substr(0, sep);
    std::string_view frac = sep == std::string_view::npos ? std::string_view{} : s.substr(sep + 1);
    if (whole.empty() && frac.empty()) throw FtfError(notNumber);
    for (char c : whole)
        if (!IsDigit(c)) throw FtfError(notNumber);
    for (char c : frac)
        if (!IsDigit(c)) throw FtfError(notNumber);

    const std::string outOfRange = "сумма «" + text +
        "» вне диапазона денежных значений (от -922 337 203 685 477,5808 до 922 337 203 685 477,5807)";
    while (whole.size() > 1 && whole[0] == '0') whole.remove_prefix(1);
    if (whole.size() > 15) throw FtfError(outOfRange);

    std::uint64_t units = 0;
    for (char c : whole) units = units * 10 + static_cast<std::uint64_t>(c - '0');
    std::uint64_t tenThousandths = 0;
    for (std::size_t i = 0; i < 4; ++i)
        tenThousandths = tenThousandths * 10 + (i < frac.size() ? static_cast<std::uint64_t>(frac[i] - '0') : 0);
    if (frac.size() > 4) {
        char next = frac[4];
        bool restNonZero = frac.find_first_not_of('0', 5) != std::string_view::npos;
        if (next > '5' || (next == '5' && (restNonZero || tenThousandths % 2 == 1))) ++tenThousandths;
    }
    std::uint64_t raw = units * 10000 + tenThousandths;  // below 10^19: no overflow
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    if (raw > limit) throw FtfError(outOfRange);
    return ftf::Money::FromRaw(negative ? static_cast<std::int64_t>(0 - raw) : static_cast<std::int64_t>(raw));
}

long ParseInteger(const std::string& option, const std::string& value, long min, long max,
                  const char* expected) {
    errno = 0;
    char* end = nullptr;
    // strtol alone would also take leading blanks.
    bool plain = !value.empty() && (IsDigit(value[0]) || value[0] == '-' || value[0] == '+');
    long v = plain ? std::strtol(value.c_str(), &end, 10) : 0;
    if (!plain || *end != '\0' || errno == ERANGE || v < min || v > max) {
        std::string msg = "параметр " + option + ": ожидается " + expected + ", получено «" + value + "»";
        throw FtfError(msg);
    }
    return v;
}

std::uint8_t ParseGender(const std::string& option, const std::string& value) {
    return static_cast<std::uint8_t>(ParseInteger(
        option, value, 0, 255, "код рода: 0 мужской, 1 женский, другое число до 255 средний"));
}

struct WordsOptions {
    std::optional<std::string> amount;
    std::optional<std::string> one, few, many, gender, decimals;
    std::optional<std::string> fracOne, fracFew, fracMany, fracGender;
};

std::optional<std::string>* Slot(WordsOptions& o, std::string_view name) {
    if (name == "--one") return &o.one;
    if (name == "--few") return &o.few;
    if (name == "--many") return &o.many;
    if (name == "--gender") return &o.gender;
    if (name == "--decimals") return &o.decimals;
    if (name == "--frac-one") return &o.fracOne;
    if (name == "--frac-few") return &o.fracFew;
    if (name == "--frac-many") return &o.fracMany;
    if (name == "--frac-gender") return &o.fracGender;
    return nullptr;
}

// A unit form is printed as it is given, so it must be text.
std::string CheckedForm(const char* option, const std::optional<std::string>& value) {
    if (!value) return {};
    std::size_t pos = 0;
    char32_t cp = 0;
    while (pos < value->size())
        if (!ftf::DecodeUtf8(*value, pos, cp))
            throw FtfError(std::string("параметр ") + option + ": текст не в кодировке UTF-8");
    return *value;
}

int RunWords(const std::vector<std::string>& args) {
    WordsOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg.rfind("--", 0) == 0) {
            std::size_t eq = arg.find('=');
            std::string name = arg.substr(0, eq);
            std::optional<std::string>* slot = Slot(o, name);
            if (!slot) throw FtfError("неизвестный параметр «" + name + "»; список параметров: ftf words --help");
            if (*slot) throw FtfError("параметр " + name + " задан дважды");
            if (eq != std::string::npos) {
                *slot = arg.substr(eq + 1);
            } else {
                // "--decimals --one ..." forgot the value; taking "--one" as it would hide the slip.
                if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0)
                    throw FtfError("у параметра " + name + " нет значения");
                *slot = args[++i];
            }
            continue;
        }
        if (o.amount) throw FtfError("лишний аргумент «" + arg + "»: сумма уже задана («" + *o.amount + "»)");
        o.amount = arg;
    }

    if (!o.amount) throw FtfError("не задана сумма; см. ftf words --help");
    struct Required { const char* name; const std::optional<std::string>& value; } required[] = {
        {"--one", o.one}, {"--few", o.few}, {"--many", o.many}, {"--gender", o.gender},
    };
    for (const auto& r : required)
        if (!r.value) throw FtfError(std::string("не задан параметр ") + r.name + "; см. ftf words --help");

    ftf::CurrencyWords words;
    words.UnitOne = CheckedForm("--one", o.one);
    words.UnitFew = CheckedForm("--few", o.few);
    words.UnitMany = CheckedForm("--many", o.many);
    words.UnitGender = ParseGender("--gender", *o.gender);
    words.FracOne = CheckedForm("--frac-one", o.fracOne);
    words.FracFew = CheckedForm("--frac-few", o.fracFew);
    words.FracMany = CheckedForm("--frac-many", o.fracMany);
    words.FracGender = o.fracGender ? ParseGender("--frac-gender", *o.fracGender) : ftf::kGenderMasculine;
    words.Decimals = o.decimals ? static_cast<int>(ParseInteger("--decimals", *o.decimals, INT_MIN,
                                                               kMaxDecimals, "целое число не больше 20"))
                                : 2;
    ftf::Money amount = ParseAmount(*o.amount);

    std::string text = ftf::AmountInWords(words, amount);
    text += '\n';
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

ftf::cli::FtfCommand reg("words", "сумма прописью (сумма и формы единицы валюты)", RunWords);

}  // namespace

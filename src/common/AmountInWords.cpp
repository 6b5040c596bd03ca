#include "common/AmountInWords.h"

#include <array>
#include <cstdlib>

#include "common/Cp1251.h"

namespace ftf {

namespace {

constexpr std::array<const char*, 20> kUnits = {
    "ноль",         "один",         "два",          "три",          "четыре",
    "пять",         "шесть",        "семь",         "восемь",       "девять",
    "десять",       "одиннадцать",  "двенадцать",   "тринадцать",   "четырнадцать",
    "пятнадцать",   "шестнадцать",  "семнадцать",   "восемнадцать", "девятнадцать",
};
constexpr std::array<const char*, 10> kTens = {
    "", "", "двадцать", "тридцать", "сорок", "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят",
    "девяносто",
};
constexpr std::array<const char*, 10> kHundreds = {
    "", "сто", "двести", "триста", "четыреста", "пятьсот", "шестьсот", "семьсот", "восемьсот",
    "девятьсот",
};

using Forms = std::array<const char*, 3>;
constexpr Forms kThousand = {"тысяча", "тысячи", "тысяч"};
constexpr Forms kMillion = {"миллион", "миллиона", "миллионов"};
constexpr Forms kBillion = {"миллиард", "миллиарда", "миллиардов"};
constexpr Forms kTrillion = {"триллион", "триллиона", "триллионов"};

std::string ScaleWord(const Forms& forms, int key) {
    if (key < 0 || key > 19) return {};
    return forms[FormIndex(key)];
}

// Every word goes in with one blank before it; an empty word adds nothing, so a currency without
// a fractional unit leaves no double blank behind.
void AppendWord(std::string& out, const std::string& word) {
    if (word.empty()) return;
    out += ' ';
    out += word;
}

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::string CapitalizeFirst(const std::string& s) {
    std::size_t pos = 0;
    char32_t cp = 0;
    if (s.empty() || !DecodeUtf8(s, pos, cp)) return s;
    return UpperCase(std::string_view(s).substr(0, pos)) + s.substr(pos);
}

}  // namespace

int FormKey(std::int64_t value) {
    std::uint64_t v = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    int lastTwo = static_cast<int>(v % 100);
    return lastTwo < 20 ? lastTwo : lastTwo % 10;
}

int FormIndex(int key) {
    if (key == 1) return 0;
    if (key >= 2 && key <= 4) return 1;
    return 2;
}

const std::string& ChooseForm(int key, const std::string& one, const std::string& few,
                              const std::string& many) {
    switch (FormIndex(key)) {
        case 0: return one;
        case 1: return few;
        default: return many;
    }
}

std::string UnitWord(int value, int gender) {
    if (value < 0 || value > 19) return {};
    if (value == 1) return gender == kGenderMasculine ? "один" : gender == kGenderFeminine ? "одна" : "одно";
    if (value == 2) return gender == kGenderFeminine ? "две" : "два";
    return kUnits[value];
}

std::string TensWord(int tens) {
    if (tens < 2 || tens > 9) return {};
    return kTens[tens];
}

std::string HundredsWord(int hundreds) {
    if (hundreds < 1 || hundreds > 9) return {};
    return kHundreds[hundreds];
}

std::string ThousandWord(int key) { return ScaleWord(kThousand, key); }
std::string MillionWord(int key) { return ScaleWord(kMillion, key); }
std::string BillionWord(int key) { return ScaleWord(kBillion, key); }
std::string TrillionWord(int key) { return ScaleWord(kTrillion, key); }

GroupWords GroupInWords(int gender, std::int64_t value) {
    GroupWords g;
    if (value < 0 || value > 999) return g;
    int v = static_cast<int>(value);
    int h = v / 100;
    if (h > 0) AppendWord(g.text, HundredsWord(h));
    v -= 100 * h;
    int t = v / 10;
    // 10 to 19 stay whole: they are single words and take the third form.
    if (t > 1) {
        AppendWord(g.text, TensWord(t));
        v -= 10 * t;
    }
    if (v > 0) AppendWord(g.text, UnitWord(v, gender));
    g.key = v;
    return g;
}

std::string AmountInWords(const CurrencyWords& currency, Money amount) {
    constexpr std::uint64_t kScale = static_cast<std::uint64_t>(Money::kScale);
    // The magnitude in unsigned form, so that the most negative money value has one too.
    std::int64_t raw = amount.Raw();
    std::uint64_t a = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);

    const int decimals = currency.Decimals;
    std::string fracDigits;
    int fracKey = 0;
    if (decimals > 0) {
        std::uint64_t f = 0;
        if (decimals < 4) {
            // Round half up to the currency's minor unit before splitting, so that a fraction
            // rounding up to a whole unit carries into the whole part (0.995 -> 1.00, never "0 100").
            std::uint64_t step = 1;
            for (int i = decimals; i < 4; ++i) step *= 10;
            a = (a + step / 2) / step * step;  // a <= 2^63, no overflow
            f = a % kScale / step;
            fracDigits = std::to_string(f);
        } else {
            // Beyond the fourth decimal the digits of a money value are zeros.
            f = a % kScale;
            fracDigits = std::to_string(f);
            if (f > 0) fracDigits.append(static_cast<std::size_t>(decimals - 4), '0');
        }
        std::size_t width = decimals == 1 ? 1 : decimals <= 4 ? static_cast<std::size_t>(decimals) : 2;
        if (fracDigits.size() < width) fracDigits.insert(0, width - fracDigits.size(), '0');
        std::size_t n = fracDigits.size();
        fracKey = FormKey(std::atoi(fracDigits.substr(n >= 2 ? n - 2 : 0).c_str()));
    }

    std::uint64_t whole = a / kScale;
    std::string text;
    struct Scale {
        std::uint64_t size;
        int gender;
        std::string (*word)(int key);
    };
    // The thousands are counted in the feminine ("две тысячи"), the larger scales in the masculine.
    // The money range keeps the trillions below 1000.
    const Scale scales[] = {
        {1000000000000ULL, kGenderMasculine, TrillionWord},
        {1000000000ULL, kGenderMasculine, BillionWord},
        {1000000ULL, kGenderMasculine, MillionWord},
        {1000ULL, kGenderFeminine, ThousandWord},
    };
    for (const Scale& s : scales) {
        std::uint64_t n = whole / s.size;
        whole -= n * s.size;
        if (n == 0) continue;
        GroupWords g = GroupInWords(s.gender, static_cast<std::int64_t>(n));
        text += g.text;
        AppendWord(text, s.word(g.key));
    }

    int unitKey = 0;
    if (whole > 0) {
        GroupWords g = GroupInWords(currency.UnitGender, static_cast<std::int64_t>(whole));
        text += g.text;
        unitKey = g.key;
    } else if (text.empty()) {
        AppendWord(text, UnitWord(0, kGenderMasculine));
    }
    AppendWord(text, ChooseForm(unitKey, currency.UnitOne, currency.UnitFew, currency.UnitMany));

    if (decimals > 0) {
        AppendWord(text, fracDigits);
        AppendWord(text, ChooseForm(fracKey, currency.FracOne, currency.FracFew, currency.FracMany));
    }
    return CapitalizeFirst(Trim(text));
}

}  // namespace ftf

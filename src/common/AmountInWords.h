#pragma once
// Amounts in Russian words (сумма прописью) for printed invoices and order printouts: the whole
// part in words with the currency unit in its grammatical form, then the fractional part in
// digits with the fractional unit. The currency's word forms come from a CurrencyWords record;
// nothing here knows any currency. All texts are UTF-8.

#include <cstdint>
#include <string>

#include "common/Money.h"

namespace ftf {

/// Grammatical gender codes of a unit or of a scale word's count.
constexpr std::uint8_t kGenderMasculine = 0;
constexpr std::uint8_t kGenderFeminine = 1;
/// Any code other than 0 and 1 means neuter; this is the one we write.
constexpr std::uint8_t kGenderNeuter = 2;

/// The word forms of a currency. A new record is all empty texts and zeros.
struct CurrencyWords {
    std::string UnitOne;   ///< after a number ending in 1 ("рубль")
    std::string UnitFew;   ///< after a number ending in 2, 3 or 4 ("рубля")
    std::string UnitMany;  ///< after 0, 5 to 9 and 11 to 19 ("рублей")
    std::uint8_t UnitGender = 0;  ///< 0 masculine, 1 feminine, any other value neuter
    std::string FracOne;
    std::string FracFew;
    std::string FracMany;
    std::uint8_t FracGender = 0;
    int Decimals = 0;  ///< decimal places of the currency; 0 or less: no fractional part is written
};

/// The words of a number 0 to 999 and the key that chooses the form of the word after it.
struct GroupWords {
    std::string text;  ///< every word preceded by one blank; empty for 0
    int key = 0;       ///< the number's last part below 20: 21 -> 1, 12 -> 12, 20 -> 0
};

/// Writes `amount` in words: "Одна тысяча двести тридцать четыре рубля 50". A negative amount is
/// written as its absolute value. With Decimals > 0 the fraction is rounded half up to Decimals
/// places; a fraction that rounds up to a whole unit carries into the whole part (0.995 with two
/// decimals is "Один рубль 00"). With Decimals <= 0 the fraction is dropped, not rounded.
/// An empty unit form is left out together with its blank. Beyond four decimals the count is the
/// money value's digits followed by zeros, one per extra place, so Decimals must stay sensible.
std::string AmountInWords(const CurrencyWords& currency, Money amount);

/// Words of `value` in 0..999 for a count of the given gender, with its form key. A value
/// outside 0..999 gives an empty text and key 0.
GroupWords GroupInWords(int gender, std::int64_t value);

/// The form key of any non-negative count: its last two digits when they are 10 to 19, else its
/// last digit. Negative counts are keyed by their absolute value.
int FormKey(std::int64_t value);

/// Which of the three forms a key selects: 0 after 1, 1 after 2 to 4, 2 otherwise (0, 5 to 19).
int FormIndex(int key);

/// Chooses one of three forms by a form key.
const std::string& ChooseForm(int key, const std::string& one, const std::string& few,
                              const std::string& many);

/// "ноль" .. "девятнадцать"; 1 and 2 follow the gender ("один", "одна", "одно"; "два", "две").
/// Empty outside 0..19.
std::string UnitWord(int value, int gender);
/// "двадцать" .. "девяносто" for 2..9; empty otherwise.
std::string TensWord(int tens);
/// "сто" .. "девятьсот" for 1..9; empty otherwise.
std::string HundredsWord(int hundreds);

/// Scale words in the form a key chooses ("тысяча", "тысячи", "тысяч"); empty for a key outside 0..19.
std::string ThousandWord(int key);
std::string MillionWord(int key);
std::string BillionWord(int key);
std::string TrillionWord(int key);

}  // namespace ftf

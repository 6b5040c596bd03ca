#pragma once
// The selection's requisites dialog ("Выборка") without its widgets: the fields it edits, its
// input rules, the check on OK and what OK writes into the selection. The widget fills its
// controls from the model, hands every edit back, and asks CloseWithOk() when OK is pressed.
//
// The rate list works on copies of the selection's rates; the selection takes them over only on
// OK, so Cancel (or a refused OK) leaves the selection untouched.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Dates.h"
#include "settings/CurrencyItem.h"

namespace ftf {

class TDM;
class TftfOrderSelection;
class TftfSetup;

/// The entries of "Режим округления", by RoundMode.
inline constexpr const char* kSelectionRoundModes[] = {"Нет", "До мин. торговой величины"};

/// A typed real limited to `intDigits` digits before and `decimals` after the separator ("," or
/// "."), blanks around allowed, no sign; an empty text is 0. Nullopt for anything else.
std::optional<double> ParseLimitedReal(std::string_view text, int intDigits, int decimals);

class SelectionPropModel {
public:
    /// Fills the fields from the selection: its values, copies of its rates named from the
    /// catalogue, the combo entry of its currency, the price group names of the settings (none
    /// when `setup` is nullptr).
    SelectionPropModel(TDM& dm, const TftfOrderSelection& selection, const TftfSetup* setup);

    // --- Page "Реквизиты" --------------------------------------------------------------------
    std::string SelectionNo;  ///< "Выборка №"
    OleDate SelDate = 0;      ///< "От"
    std::string SelName;      ///< "Наименование"
    float NDSTax = 0;         ///< "Ставка НДС, %"
    /// "Расчетная группа скидок" (hidden, but carried). A value outside the combo's entries is
    /// kept as it is rather than lost.
    std::int32_t PriceGroupNo = 0;
    /// "Режим округления"; a value outside the two entries is likewise kept.
    std::uint8_t RoundMode = 0;
    /// Page "Примечания": the memo's lines.
    std::vector<std::string> Notes;

    /// The typed VAT rate: at most 5 integer digits and 2 decimals. False (nothing changes) for
    /// any other text.
    bool SetNDSTaxText(std::string_view text);

    const std::vector<std::string>& PriceGroupNames() const { return priceGroupNames_; }
    /// The combo index shown for PriceGroupNo; −1 when it has no entry.
    int PriceGroupIndex() const;
    /// Choosing an entry; an index out of range changes nothing.
    void SetPriceGroupIndex(int index);
    /// The combo index shown for RoundMode; −1 when it has no entry.
    int RoundModeIndex() const;
    void SetRoundModeIndex(int index);

    // --- Rates ("Курсы валют") and "Валюта" --------------------------------------------------
    int RateCount() const { return static_cast<int>(rates_.size()); }
    const TftfCurrencyItem& Rate(int row) const { return rates_.at(static_cast<std::size_t>(row)); }
    /// The row's first column (and the combo entry): the currency's catalogue name.
    const std::string& RateName(int row) const { return names_.at(static_cast<std::size_t>(row)); }
    /// The row's second column: the rate, "%.4f".
    std::string RateText(int row) const;
    /// The in-place editor's value stored into the row: at most 8 integer digits and 4 decimals.
    /// False (the row keeps its rate) for any other text or a row out of range.
    bool SetRateText(int row, std::string_view text);

    /// The combo's entry (a row index); −1 when the selection's currency is not in the list.
    int CurrencyIndex() const { return currencyIndex_; }
    /// Choosing an entry; an index out of range changes nothing.
    void SetCurrencyIndex(int index);

    /// "Установить текущий курс": the rows become the catalogue's current rates, and the combo
    /// selects the currency the selection had when the dialog opened.
    void SetCurrentRates();
    /// "Очистить".
    void ClearNotes() { Notes.clear(); }

    // --- Closing ------------------------------------------------------------------------------
    /// OK pressed: refused with the warning "Не указан номер выборки!" while the number is empty
    /// (or only blanks, which would be saved as empty); otherwise the dialog may close and
    /// Accepted() is true.
    bool CloseWithOk();
    bool Accepted() const { return accepted_; }

    /// Writes the fields into the selection: number and name trimmed, date, notes, price group,
    /// VAT, rounding, the rows' rates in row order, and the combo's currency (unchanged when
    /// no entry is chosen).
    void ApplyTo(TftfOrderSelection& selection) const;

private:
    void NameRates();

    TDM& dm_;
    std::vector<std::string> priceGroupNames_;
    TftfCurrencyList rates_;
    std::vector<std::string> names_;
    int currencyIndex_ = -1;
    std::int32_t openingCurrencyId_ = 0;
    bool accepted_ = false;
};

/// Runs the dialog (the front end's part) on a model of the selection; true when it closed with
/// an accepted OK.
using SelectionPropDialog = std::function<bool(SelectionPropModel&)>;

/// The dialog run on a selection: on an accepted OK the selection receives the model's fields.
/// True when it did. Without a dialog nothing happens and the result is false.
bool RunSelectionProperties(TDM& dm, TftfOrderSelection& selection, const TftfSetup* setup,
                            const SelectionPropDialog& dialog);

}  // namespace ftf

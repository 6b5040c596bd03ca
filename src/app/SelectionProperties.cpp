#include "app/SelectionProperties.h"

#include "catalogue/Lookups.h"
#include "common/Helpers.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "documents/Selection.h"
#include "settings/Setup.h"

namespace ftf {

namespace {
constexpr const char* kNoNumber = "Не указан номер выборки!";
constexpr int kRoundModeCount = static_cast<int>(std::size(kSelectionRoundModes));
}  // namespace

std::optional<double> ParseLimitedReal(std::string_view text, int intDigits, int decimals) {
    const std::string t = Trim(text);
    if (t.empty()) return 0.0;
    int before = 0, after = 0;
    bool separator = false, significant = false;
    for (char c : t) {
        if (c == ',' || c == '.') {
            if (separator) return std::nullopt;
            separator = true;
        } else if (c >= '0' && c <= '9') {
            if (separator) {
                ++after;
            } else if (c != '0' || significant) {
                // Leading zeros take no place in the field's integer digits.
                significant = true;
                ++before;
            }
        } else {
            return std::nullopt;
        }
    }
    if (before > intDigits || after > decimals) return std::nullopt;
    if (t == "," || t == ".") return std::nullopt;
    return ParseReal(t);
}

SelectionPropModel::SelectionPropModel(TDM& dm, const TftfOrderSelection& selection, const TftfSetup* setup)
    : dm_(dm) {
    if (setup) priceGroupNames_ = setup->PriceGroupNames;
    SelectionNo = selection.SelectionNo;
    SelDate = selection.SelDate;
    SelName = selection.SelName;
    PriceGroupNo = selection.PriceGroupNo;
    NDSTax = selection.NDSTax;
    RoundMode = selection.RoundMode;
    Notes = selection.Notes;
    rates_ = selection.CurrencyRates;
    openingCurrencyId_ = selection.CurrencyId;
    NameRates();
    currencyIndex_ = FindCurrencyIndex(&rates_, openingCurrencyId_);
}

void SelectionPropModel::NameRates() {
    names_.clear();
    for (const TftfCurrencyItem& r : rates_) names_.push_back(GetCurrencyName(dm_, r.CurrencyCode));
}

bool SelectionPropModel::SetNDSTaxText(std::string_view text) {
    const std::optional<double> v = ParseLimitedReal(text, 5, 2);
    if (!v) return false;
    NDSTax = static_cast<float>(*v);
    return true;
}

int SelectionPropModel::PriceGroupIndex() const {
    return PriceGroupNo >= 0 && PriceGroupNo < static_cast<int>(priceGroupNames_.size()) ? PriceGroupNo : -1;
}

void SelectionPropModel::SetPriceGroupIndex(int index) {
    if (index >= 0 && index < static_cast<int>(priceGroupNames_.size())) PriceGroupNo = index;
}

int SelectionPropModel::RoundModeIndex() const { return RoundMode < kRoundModeCount ? RoundMode : -1; }

void SelectionPropModel::SetRoundModeIndex(int index) {
    if (index >= 0 && index < kRoundModeCount) RoundMode = static_cast<std::uint8_t>(index);
}

std::string SelectionPropModel::RateText(int row) const {
    return FormatFixed(static_cast<long double>(Rate(row).Rate), 4);
}

bool SelectionPropModel::SetRateText(int row, std::string_view text) {
    if (row < 0 || row >= RateCount()) return false;
    const std::optional<double> v = ParseLimitedReal(text, 8, 4);
    if (!v) return false;
    rates_[static_cast<std::size_t>(row)].Rate = static_cast<float>(*v);
    return true;
}

void SelectionPropModel::SetCurrencyIndex(int index) {
    if (index >= 0 && index < RateCount()) currencyIndex_ = index;
}

void SelectionPropModel::SetCurrentRates() {
    TftfCurrencyList fresh;
    LoadCurrencyRates(dm_, &fresh);
    rates_ = std::move(fresh);
    NameRates();
    currencyIndex_ = FindCurrencyIndex(&rates_, openingCurrencyId_);
}

bool SelectionPropModel::CloseWithOk() {
    if (Trim(SelectionNo).empty()) {
        ShowWarning(kNoNumber);
        accepted_ = false;
        return false;
    }
    accepted_ = true;
    return true;
}

void SelectionPropModel::ApplyTo(TftfOrderSelection& selection) const {
    selection.SelectionNo = Trim(SelectionNo);
    selection.SelName = Trim(SelName);
    selection.SelDate = SelDate;
    selection.Notes = Notes;
    selection.PriceGroupNo = PriceGroupNo;
    selection.NDSTax = NDSTax;
    selection.RoundMode = RoundMode;
    selection.CurrencyRates = rates_;
    if (currencyIndex_ >= 0 && currencyIndex_ < RateCount())
        selection.CurrencyId = rates_[static_cast<std::size_t>(currencyIndex_)].CurrencyCode;
}

bool RunSelectionProperties(TDM& dm, TftfOrderSelection& selection, const TftfSetup* setup,
                            const SelectionPropDialog& dialog) {
    if (!dialog) return false;
    std::optional<SelectionPropModel> model;
    {
        BusyCursor busy;
        model.emplace(dm, selection, setup);
    }
    if (!dialog(*model) || !model->Accepted()) return false;
    model->ApplyTo(selection);
    return true;
}

}  // namespace ftf

#pragma once
// One currency with its exchange rate for a document, and the document's list of them. An order
// and a selection each own one list; the settings' working currency context points at the list
// of the active document (see TftfSetup::ActiveCurrencyList).

#include <cstdint>
#include <vector>

namespace ftf {

struct TftfCurrencyItem {
    std::int32_t CurrencyCode = 0;  ///< catalogue code of the currency
    float Rate = 0;                 ///< the document's rate of that currency, shown "%.4f"
};

/// The rate list of a document, in the order the document keeps it.
using TftfCurrencyList = std::vector<TftfCurrencyItem>;

/// The first item of the list with the currency code; nullptr when there is none.
inline const TftfCurrencyItem* FindCurrencyItem(const TftfCurrencyList& list, std::int32_t code) {
    for (const TftfCurrencyItem& item : list)
        if (item.CurrencyCode == code) return &item;
    return nullptr;
}

}  // namespace ftf

#pragma once
// One currency with its exchange rate for a document, and the document's list of them. An order
// and a selection each own one list; the settings' working currency context points at the list
// of the active document (see TftfSetup::ActiveCurrencyList).

#include <cstdint>
#include <string_view>
#include <vector>

namespace ftf {

class TSpecStream;

struct TftfCurrencyItem {
    std::int32_t CurrencyCode = 0;  ///< catalogue code of the currency
    float Rate = 0;                 ///< the document's rate of that currency, shown "%.4f"

    /// The record in a document stream: CurrencyCode as an integer record (type 3), Rate as a
    /// real record (type 5, the single widened to a double). 32 bytes, no version differences.
    void SaveToStream(TSpecStream& stream) const;
    /// Reads the record written by SaveToStream; `stamp` is the file's version stamp (every
    /// version has the same layout). Throws SpecFormatError on damaged data; the fields read
    /// before the damage keep their new values.
    void LoadFromStream(TSpecStream& stream, std::string_view stamp);
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

#pragma once
// Material lines: an article with a quantity, a price and a cost, priced in the document's
// working currency. A sash keeps one line per fittings item; orders and selections merge lines of
// many sashes by article.
//
// Material line record (no version differences):
//
//   #  FIELD          ENCODING
//   1  ArticleId      text
//   2  MatQuantity    real
//   3  BasePrice      money
//   4  ReservedReal   real   (carried through unchanged)
//   5  ReservedMoney  money  (carried through unchanged)
//   6  MatPrice       money
//   7  MatCost        money

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Money.h"
#include "common/TSpecStream.h"
#include "model/ModelRecords.h"

namespace ftf {

class TftfMatListItem {
public:
    std::string ArticleId;  ///< catalogue article code
    float MatQuantity = 0;  ///< metres for articles sold by length, pieces otherwise
    Money BasePrice;        ///< catalogue price when the line was made
    float ReservedReal = 0; ///< stored, 0 in every line the system makes
    Money ReservedMoney;    ///< discount amount of the supplier text export; 0 when made here
    Money MatPrice;         ///< price of one unit
    Money MatCost;          ///< MatQuantity × MatPrice, rounded

    /// The line of one fittings item: quantity Length × count / 1000 for a length (mm) > 0, else
    /// the count; both prices from the catalogue (GetArticlePrice, not silent: a missing article
    /// throws its FtfError). Uses the installed model catalogue.
    static std::unique_ptr<TftfMatListItem> MakeFromItem(const std::string& article, float length,
                                                         std::int32_t itemCount);

    void SaveToStream(TSpecStream& stream) const;
    /// Reads the record; the stamp is accepted for symmetry (the layout has no older forms).
    void LoadFromStream(TSpecStream& stream, std::string_view stamp);

private:
    TCarriedRecord reservedRealRecord_;
    TCarriedRecord reservedMoneyRecord_;
};

/// An owned list of material lines; clearing it frees them.
using TftfMatList = std::vector<std::unique_ptr<TftfMatListItem>>;

/// Copies a line through a stream (stamp "26.12.2019"). An error is shown as
/// "Ошибка копирования материала!\r\n(%s)" and not passed on; the target keeps what was read.
void CopyLine(TftfMatListItem& target, const TftfMatListItem& source);
/// The first line of the article (exact, case-sensitive); nullptr when none.
TftfMatListItem* FindLine(const TftfMatList& list, std::string_view article);
/// Adds the line's quantity × multiplier to the list's line of the same article, or appends a
/// copy with its quantity multiplied; then that list line's cost := quantity × price, rounded.
void MergeLine(TftfMatList& list, const TftfMatListItem& line, long double multiplier);
/// Every line gets the current catalogue price (BasePrice and MatPrice) and its cost anew.
/// Nothing for nullptr. A missing article throws and ends the refresh there.
void RefreshPrices(TftfMatList* list);
/// −1, 0 or 1 by the article codes' Windows-1251 bytes.
int CompareById(const TftfMatListItem& a, const TftfMatListItem& b);
/// −1, 0 or 1 by the catalogue names' Windows-1251 bytes; a missing article throws.
int CompareByName(const TftfMatListItem& a, const TftfMatListItem& b);
/// Sorts a list with one of the comparators above.
void SortMatList(TftfMatList& list, int (*compare)(const TftfMatListItem&, const TftfMatListItem&));

}  // namespace ftf

#include "model/MatList.h"

#include <algorithm>
#include <exception>

#include "common/Cp1251.h"
#include "common/Prompter.h"
#include "model/ModelServices.h"

namespace ftf {

namespace {

Money CatalogPrice(const std::string& article) {
    return Money::FromReal(CurrentModelCatalogue().GetArticlePrice(article, false));
}

void UpdateCost(TftfMatListItem& line) { line.MatCost = line.MatPrice.MulRound(line.MatQuantity); }

int Sign(int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); }

}  // namespace

std::unique_ptr<TftfMatListItem> TftfMatListItem::MakeFromItem(const std::string& article,
                                                               float length,
                                                               std::int32_t itemCount) {
    auto line = std::make_unique<TftfMatListItem>();
    line->ArticleId = article;
    if (length > 0)
        line->MatQuantity = static_cast<float>(static_cast<long double>(length) * itemCount / 1000);
    else
        line->MatQuantity = static_cast<float>(itemCount);
    line->BasePrice = CatalogPrice(article);
    line->MatPrice = line->BasePrice;
    UpdateCost(*line);
    return line;
}

void TftfMatListItem::SaveToStream(TSpecStream& stream) const {
    WriteText(stream, ArticleId);
    WriteReal(stream, MatQuantity);
    WriteMoney(stream, BasePrice);
    WriteCarriedSingle(stream, ReservedReal, reservedRealRecord_);
    WriteCarriedMoney(stream, ReservedMoney, reservedMoneyRecord_);
    WriteMoney(stream, MatPrice);
    WriteMoney(stream, MatCost);
}

void TftfMatListItem::LoadFromStream(TSpecStream& stream, std::string_view /*stamp*/) {
    ArticleId = ReadText(stream);
    MatQuantity = ReadSingle(stream);
    BasePrice = ReadMoney(stream);
    ReservedReal = ReadCarriedSingle(stream, reservedRealRecord_);
    ReservedMoney = ReadCarriedMoney(stream, reservedMoneyRecord_);
    MatPrice = ReadMoney(stream);
    MatCost = ReadMoney(stream);
}

void CopyLine(TftfMatListItem& target, const TftfMatListItem& source) {
    try {
        TSpecStream stream;
        source.SaveToStream(stream);
        stream.Rewind();
        target.LoadFromStream(stream, kStamp26_12_2019);
    } catch (const std::exception& e) {
        ShowError(std::string("Ошибка копирования материала!\r\n(") + e.what() + ")");
    }
}

TftfMatListItem* FindLine(const TftfMatList& list, std::string_view article) {
    for (const auto& line : list)
        if (line->ArticleId == article) return line.get();
    return nullptr;
}

void MergeLine(TftfMatList& list, const TftfMatListItem& line, long double multiplier) {
    TftfMatListItem* target = FindLine(list, line.ArticleId);
    if (target) {
        target->MatQuantity = static_cast<float>(target->MatQuantity +
                                                 static_cast<long double>(line.MatQuantity) * multiplier);
    } else {
        auto copy = std::make_unique<TftfMatListItem>();
        CopyLine(*copy, line);
        copy->MatQuantity = static_cast<float>(copy->MatQuantity * multiplier);
        target = copy.get();
        list.push_back(std::move(copy));
    }
    UpdateCost(*target);
}

void RefreshPrices(TftfMatList* list) {
    if (!list) return;
    for (auto& line : *list) {
        line->BasePrice = CatalogPrice(line->ArticleId);
        line->MatPrice = line->BasePrice;
        UpdateCost(*line);
    }
}

int CompareById(const TftfMatListItem& a, const TftfMatListItem& b) {
    return Sign(CompareCp1251(a.ArticleId, b.ArticleId));
}

int CompareByName(const TftfMatListItem& a, const TftfMatListItem& b) {
    IModelCatalogue& catalogue = CurrentModelCatalogue();
    return Sign(CompareCp1251(catalogue.GetArticleName(a.ArticleId, false),
                              catalogue.GetArticleName(b.ArticleId, false)));
}

void SortMatList(TftfMatList& list,
                 int (*compare)(const TftfMatListItem&, const TftfMatListItem&)) {
    // Sorted through plain pointers: a comparator that throws (a missing article) must leave
    // the owning list whole, which sorting the owners in place would not guarantee.
    std::vector<TftfMatListItem*> order;
    order.reserve(list.size());
    for (const auto& line : list) order.push_back(line.get());
    std::stable_sort(order.begin(), order.end(),
                     [compare](const TftfMatListItem* a, const TftfMatListItem* b) {
                         return compare(*a, *b) < 0;
                     });
    for (auto& line : list) static_cast<void>(line.release());
    for (std::size_t i = 0; i < order.size(); ++i) list[i].reset(order[i]);
}

}  // namespace ftf

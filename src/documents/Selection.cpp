#include "documents/Selection.h"

#include <algorithm>
#include <filesystem>
#include <new>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Prompter.h"
#include "common/StoredPath.h"
#include "documents/DocumentFile.h"
#include "model/Measures.h"
#include "settings/AppPaths.h"

namespace ftf {

namespace {
constexpr std::string_view kSaveError = "Ошибка сохранения выборки!\r\n(%s)";
constexpr std::string_view kLoadError = "Ошибка загрузки выборки!\r\n(%s)";
constexpr std::string_view kSignatureError = "Данный файл не является файлом Gravik Quadrino!";
constexpr std::string_view kConvertQuestion =
    "Необходимо конвертировать файл выборки!\r\nЗагружаемая версия: %s\r\nТекущая версия: %s";
constexpr std::string_view kNewerWarning =
    "Вы пытаетесь открыть выборку, созданную более новой версией программы, чем текущая.\r\n"
    "Данный модуль поддерживает файлы выборки\r\nверсии не старше: %s!\r\nЗагружаемая версия: %s";

// The order of the entry last looked at: consecutive entries of one file load it once. An order
// that is missing or could not be read wholly counts as absent, so a half-read order never feeds
// a list.
class OrderCache {
public:
    explicit OrderCache(const TftfOrderSelection& selection) : selection_(selection) {}

    /// The entry's order, or nullptr; `fresh` tells whether it was loaded by this call.
    TftfOrder* For(const TftfOrderSelectionItem& item, bool* fresh = nullptr) {
        const std::string ref = selection_.DecodedRef(item);
        if (fresh) *fresh = false;
        if (started_ && ref == ref_) return order_.get();
        started_ = true;
        ref_ = ref;
        order_ = Load(selection_.ResolvedFile(item));
        if (fresh) *fresh = order_ != nullptr;
        return order_.get();
    }

    static std::unique_ptr<TftfOrder> Load(const std::string& file) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) return nullptr;
        auto order = std::make_unique<TftfOrder>();
        bool converted = false;
        try {
            if (!order->LoadFromFile(file, converted)) return nullptr;
        } catch (const FtfError& e) {
            ShowError(e.what());
            return nullptr;
        }
        return order;
    }

private:
    const TftfOrderSelection& selection_;
    bool started_ = false;
    std::string ref_;
    std::unique_ptr<TftfOrder> order_;
};

}  // namespace

// --- Entry ----------------------------------------------------------------------------------------

void TftfOrderSelectionItem::SaveToStream(TSpecStream& stream) const {
    WriteBoolean(stream, Checked);
    WriteText(stream, OrderNo);
    WriteText(stream, PosNo);
    WriteReal(stream, RebateWidth);
    WriteReal(stream, RebateHeight);
    WriteInteger(stream, Quantity);
    WriteText(stream, PosName);
    WriteText(stream, FileRef);
}

void TftfOrderSelectionItem::LoadFromStream(TSpecStream& stream) {
    Checked = ReadBoolean(stream);
    OrderNo = ReadText(stream);
    PosNo = ReadText(stream);
    RebateWidth = ReadSingle(stream);
    RebateHeight = ReadSingle(stream);
    Quantity = ReadInteger(stream);
    PosName = ReadText(stream);
    FileRef = ReadText(stream);
}

// --- Selection --------------------------------------------------------------------------------------

TftfOrderSelection::TftfOrderSelection() : TimeStamp1(Now()), TimeStamp2(TimeStamp1), SelDate(Today()) {}

TftfOrderSelection::~TftfOrderSelection() = default;

std::string TftfOrderSelection::OrdersDir() const {
    return ordersDir_.empty() ? AppPaths().OrdersDir : ordersDir_;
}

TftfOrderSelectionItem& TftfOrderSelection::AddItem() {
    items_.push_back(std::make_unique<TftfOrderSelectionItem>(this));
    return *items_.back();
}

int TftfOrderSelection::PutOrderPosition(const std::string& orderFile, const TftfOrder& order,
                                         const TftfConstruction& position, bool& added) {
    int index = FindItem(order.OrderNo, position.PosNo);
    added = index < 0;
    if (added) {
        AddItem().Checked = true;
        index = Count() - 1;
    }
    std::int32_t width = 0, height = 0;
    PositionRebateSize(position, width, height);
    TftfOrderSelectionItem& item = Items(index);
    item.OrderNo = order.OrderNo;
    item.PosNo = position.PosNo;
    item.RebateWidth = static_cast<float>(width);
    item.RebateHeight = static_cast<float>(height);
    item.Quantity = position.Quantity;
    item.PosName = position.PosName;
    item.FileRef = StoredPathFor(orderFile, OrdersDir());
    return index;
}

void TftfOrderSelection::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

void TftfOrderSelection::MoveItem(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count()) return;
    std::unique_ptr<TftfOrderSelectionItem> item = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
}

int TftfOrderSelection::CheckedCount() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const auto& i) { return i->Checked; }));
}

int TftfOrderSelection::FindItem(std::string_view orderNo, std::string_view posNo) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (CompareCp1251NoCase(items_[i]->OrderNo, orderNo) == 0 &&
            CompareCp1251NoCase(items_[i]->PosNo, posNo) == 0)
            return static_cast<int>(i);
    return -1;
}

std::string TftfOrderSelection::DecodedRef(const TftfOrderSelectionItem& item) const {
    return DecodeRelPath(OrdersDir(), item.FileRef);
}

std::string TftfOrderSelection::ResolvedFile(const TftfOrderSelectionItem& item) const {
    return ResolveStoredPath(DecodedRef(item), OrdersDir());
}

void TftfOrderSelection::RefreshFromOrders(bool takeTicks) {
    BusyCursor busy;
    OrderCache cache(*this);
    for (auto& item : items_) {
        TftfOrder* order = cache.For(*item);
        if (!order) continue;
        TftfConstruction* p = order->FindPosition(item->PosNo);
        if (!p) continue;
        if (takeTicks) item->Checked = p->Checked;
        item->OrderNo = order->OrderNo;
        item->PosNo = p->PosNo;
        item->RebateWidth = 0;
        item->RebateHeight = 0;
        item->Quantity = p->Quantity;
        item->PosName = p->PosName;
    }
}

std::string TftfOrderSelection::OrderNumbers() const {
    BusyCursor busy;
    OrderCache cache(*this);
    std::string list;
    for (const auto& item : items_) {
        bool fresh = false;
        TftfOrder* order = cache.For(*item, &fresh);
        if (!order || !fresh) continue;
        if (!list.empty()) list += ',';
        list += order->OrderNo;
    }
    return list;
}

void TftfOrderSelection::CollectMaterials(TftfMatList* target) const {
    if (!target) return;
    BusyCursor busy;
    OrderCache cache(*this);
    for (const auto& item : items_) {
        if (!item->Checked) continue;
        TftfOrder* order = cache.For(*item);
        if (!order) continue;
        if (const TftfConstruction* p = order->FindPosition(item->PosNo)) p->AddMaterialsTo(target);
    }
    SortMatList(*target, CompareById);
    RefreshPrices(target);
}

TLoadedPosition TftfOrderSelection::LoadItemPosition(const TftfOrderSelectionItem& item) const {
    TLoadedPosition result;
    result.order = OrderCache::Load(ResolvedFile(item));
    if (result.order) result.position = result.order->FindPosition(item.PosNo);
    return result;
}

namespace {
using ItemPtr = std::unique_ptr<TftfOrderSelectionItem>;
template <class... Keys>
void SortItems(std::vector<ItemPtr>& items, Keys... keys) {
    std::stable_sort(items.begin(), items.end(), [&](const ItemPtr& a, const ItemPtr& b) {
        for (auto key : {keys...}) {
            const int c = CompareCp1251(a.get()->*key, b.get()->*key);
            if (c != 0) return c < 0;
        }
        return false;
    });
}
using Field = std::string TftfOrderSelectionItem::*;
}  // namespace

void TftfOrderSelection::SortByOrder() {
    SortItems(items_, Field{&TftfOrderSelectionItem::OrderNo}, Field{&TftfOrderSelectionItem::PosNo});
}
void TftfOrderSelection::SortByPos() {
    SortItems(items_, Field{&TftfOrderSelectionItem::PosNo}, Field{&TftfOrderSelectionItem::OrderNo});
}
void TftfOrderSelection::SortByName() {
    SortItems(items_, Field{&TftfOrderSelectionItem::PosName}, Field{&TftfOrderSelectionItem::OrderNo},
              Field{&TftfOrderSelectionItem::PosNo});
}
void TftfOrderSelection::SortByFile() {
    SortItems(items_, Field{&TftfOrderSelectionItem::FileRef}, Field{&TftfOrderSelectionItem::OrderNo},
              Field{&TftfOrderSelectionItem::PosNo});
}

void TftfOrderSelection::SaveToStream(TSpecStream& stream) const {
    WriteText(stream, Signature);
    // Whatever stamp the document was read with, what follows is the current layout.
    WriteText(stream, kSelectionVersion);
    WriteCarriedInteger(stream, Reserved1, reservedRecords_[0]);
    WriteCarriedInteger(stream, Reserved2, reservedRecords_[1]);
    WriteDate(stream, TimeStamp1);
    WriteDate(stream, TimeStamp2);
    WriteCarriedInteger(stream, Reserved3, reservedRecords_[2]);
    WriteText(stream, SelectionNo);
    WriteDate(stream, SelDate);
    WriteText(stream, SelName);
    WriteInteger(stream, static_cast<std::int32_t>(CurrencyRates.size()));
    for (const TftfCurrencyItem& c : CurrencyRates) c.SaveToStream(stream);
    WriteInteger(stream, CurrencyId);
    WriteInteger(stream, PriceGroupNo);
    WriteReal(stream, NDSTax);
    WriteByte(stream, RoundMode);
    WriteText(stream, JoinTextLines(Notes));
    WriteInteger(stream, static_cast<std::int32_t>(items_.size()));
    for (const auto& item : items_) item->SaveToStream(stream);
}

bool TftfOrderSelection::SaveToFile(const std::string& file) {
    Version = std::string(kSelectionVersion);
    return SaveDocumentFile(file, kSaveError, imageSizeHint_, [this](TSpecStream& s) { SaveToStream(s); });
}

bool TftfOrderSelection::LoadFromStream(TSpecStream& stream, bool& converted) {
    converted = false;
    const std::string signature = ReadText(stream);
    if (signature != kSelectionSignature) {
        ShowError(std::string(kSignatureError));
        return false;
    }
    Signature = signature;
    const std::string stamp = ReadText(stream);
    Version = stamp;
    switch (CheckStamp(stamp, kSelectionVersion, kConvertQuestion, kNewerWarning)) {
        case StampDecision::Current: break;
        case StampDecision::Converted: converted = true; break;
        case StampDecision::Stop: return false;
    }
    Reserved1 = ReadCarriedInteger(stream, reservedRecords_[0]);
    Reserved2 = ReadCarriedInteger(stream, reservedRecords_[1]);
    TimeStamp1 = ReadDate(stream);
    TimeStamp2 = ReadDate(stream);
    Reserved3 = ReadCarriedInteger(stream, reservedRecords_[2]);
    SelectionNo = ReadText(stream);
    SelDate = ReadDate(stream);
    SelName = ReadText(stream);
    CurrencyRates.clear();
    const std::int32_t currencies = ReadInteger(stream);
    for (std::int32_t i = 0; i < currencies; ++i) {
        TftfCurrencyItem item;
        item.LoadFromStream(stream, stamp);
        CurrencyRates.push_back(item);
    }
    CurrencyId = ReadInteger(stream);
    PriceGroupNo = ReadInteger(stream);
    NDSTax = ReadSingle(stream);
    RoundMode = ReadByte(stream);
    Notes = SplitTextLines(ReadText(stream));
    items_.clear();
    const std::int32_t entries = ReadInteger(stream);
    for (std::int32_t i = 0; i < entries; ++i) {
        auto item = std::make_unique<TftfOrderSelectionItem>(this);
        item->LoadFromStream(stream);
        items_.push_back(std::move(item));
    }
    return true;
}

bool TftfOrderSelection::LoadFromFile(const std::string& file, bool& converted) {
    converted = false;
    return LoadDocumentFile(file, kLoadError, imageSizeHint_,
                            [this, &converted](TSpecStream& s) { return LoadFromStream(s, converted); });
}

}  // namespace ftf

#include "documents/Order.h"

#include <algorithm>
#include <new>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Prompter.h"
#include "documents/DocumentFile.h"

namespace ftf {

namespace {
constexpr std::string_view kSaveError = "Ошибка сохранения заказа!\r\n(%s)";
constexpr std::string_view kLoadError = "Ошибка загрузки заказа!\r\n(%s)";
constexpr std::string_view kConvertQuestion =
    "Необходимо конвертировать файл заказа!\r\nЗагружаемая версия: %s\r\nТекущая версия: %s";
constexpr std::string_view kNewerWarning =
    "Вы пытаетесь открыть заказ, созданный более новой версией программы, чем текущая.\r\n"
    "Данный модуль технолога поддерживает файлы заказа\r\nверсии не старше: %s!\r\n"
    "Загружаемая версия: %s";
}  // namespace

TftfOrder::TftfOrder() : TimeStamp1(Now()), TimeStamp2(TimeStamp1), RegDate(Today()) {}

TftfOrder::~TftfOrder() = default;

TftfConstruction& TftfOrder::AddPosition() {
    positions_.push_back(std::make_unique<TftfConstruction>(&link_));
    return *positions_.back();
}

std::unique_ptr<TftfConstruction> TftfOrder::CreatePosition() {
    return std::make_unique<TftfConstruction>(&link_);
}

TftfConstruction& TftfOrder::InsertPosition(int index, std::unique_ptr<TftfConstruction> position) {
    if (!position) throw FtfError("Позиция не задана");
    position->Order = &link_;
    index = std::clamp(index, 0, Count());
    return **positions_.insert(positions_.begin() + index, std::move(position));
}

std::unique_ptr<TftfConstruction> TftfOrder::TakePosition(int index) {
    if (index < 0 || index >= Count()) return nullptr;
    std::unique_ptr<TftfConstruction> p = std::move(positions_[static_cast<std::size_t>(index)]);
    positions_.erase(positions_.begin() + index);
    return p;
}

void TftfOrder::ClearPositions() {
    positions_.clear();
    cursor_ = 0;
}

void TftfOrder::DeletePosition(int index) {
    if (index < 0 || index >= Count()) return;
    positions_.erase(positions_.begin() + index);
}

TftfConstruction* TftfOrder::FindPosition(std::string_view posNo) const {
    for (const auto& p : positions_)
        if (CompareCp1251NoCase(p->PosNo, posNo) == 0) return p.get();
    return nullptr;
}

int TftfOrder::CheckedCount() const {
    return static_cast<int>(
        std::count_if(positions_.begin(), positions_.end(), [](const auto& p) { return p->Checked; }));
}

TftfConstruction* TftfOrder::FirstChecked() {
    cursor_ = 0;
    return NextChecked();
}

TftfConstruction* TftfOrder::NextChecked() {
    while (cursor_ < positions_.size()) {
        TftfConstruction* p = positions_[cursor_++].get();
        if (p->Checked) return p;
    }
    return nullptr;
}

TftfOrder* TftfOrder::OfPosition(const TftfConstruction& position) {
    auto* link = dynamic_cast<PositionLink*>(position.Order);
    return link ? &link->order_ : nullptr;
}

Money TftfOrder::TotalSum() const {
    Money sum;
    for (const auto& p : positions_)
        if (p->Checked) sum += p->Total();
    return sum;
}

Money TftfOrder::NDSSum() const {
    if (!GetTotalNDS) return Money();
    return Money::FromReal(TotalSum().ToReal() * static_cast<long double>(NDSTax) / 100);
}

void TftfOrder::SortByNumber() {
    std::stable_sort(positions_.begin(), positions_.end(), [](const auto& a, const auto& b) {
        return CompareCp1251(a->PosNo, b->PosNo) < 0;
    });
}

void TftfOrder::SortByName() {
    std::stable_sort(positions_.begin(), positions_.end(), [](const auto& a, const auto& b) {
        return CompareCp1251(a->PosName, b->PosName) < 0;
    });
}

void TftfOrder::CollectMaterials(TftfMatList* target) const {
    if (!target) return;
    for (const auto& p : positions_)
        if (p->Checked) p->AddMaterialsTo(target);
}

void TftfOrder::SaveToStream(TSpecStream& stream) const {
    WriteText(stream, Signature);
    // Whatever stamp the document was read with, what follows is the current layout.
    WriteText(stream, kOrderVersion);
    WriteCarriedInteger(stream, Reserved1, reservedRecords_[0]);
    WriteCarriedInteger(stream, Reserved2, reservedRecords_[1]);
    WriteDate(stream, TimeStamp1);
    WriteDate(stream, TimeStamp2);
    WriteCarriedInteger(stream, Reserved3, reservedRecords_[2]);
    for (const std::string* t : {&OrderNo, &AltOrderNo, &Customer, &ObjectName, &Address, &Phones, &Remark})
        WriteText(stream, *t);
    WriteDate(stream, RegDate);
    WriteBoolean(stream, RegDateSet);
    for (const std::string* t : {&ProfSys, &InnerProfColor, &OuterProfColor, &FurnSys, &FurnColor, &Handle})
        WriteText(stream, *t);
    for (std::int32_t v : {FalzType, Dornmass, StulpType, OpenType, PriceGroupNo}) WriteInteger(stream, v);
    WriteReal(stream, NDSTax);
    WriteBoolean(stream, GetTotalNDS);
    WriteBoolean(stream, ShowIncludeNDS);
    WriteInteger(stream, static_cast<std::int32_t>(CurrencyRates.size()));
    for (const TftfCurrencyItem& c : CurrencyRates) c.SaveToStream(stream);
    WriteInteger(stream, CurrencyId);
    WriteText(stream, JoinTextLines(Notes));
    WriteInteger(stream, static_cast<std::int32_t>(positions_.size()));
    for (const auto& p : positions_) p->SaveToStream(stream);
}

bool TftfOrder::SaveToFile(const std::string& file) {
    Version = std::string(kOrderVersion);
    return SaveDocumentFile(file, kSaveError, imageSizeHint_, [this](TSpecStream& s) { SaveToStream(s); });
}

bool TftfOrder::LoadFromStream(TSpecStream& stream, bool& converted) {
    converted = false;
    Signature = ReadText(stream);
    const std::string stamp = ReadText(stream);
    Version = stamp;
    Reserved1 = ReadCarriedInteger(stream, reservedRecords_[0]);
    Reserved2 = ReadCarriedInteger(stream, reservedRecords_[1]);
    TimeStamp1 = ReadDate(stream);
    TimeStamp2 = ReadDate(stream);
    Reserved3 = ReadCarriedInteger(stream, reservedRecords_[2]);
    switch (CheckStamp(stamp, kOrderVersion, kConvertQuestion, kNewerWarning)) {
        case StampDecision::Current: break;
        case StampDecision::Converted: converted = true; break;
        case StampDecision::Stop: return false;
    }
    for (std::string* t : {&OrderNo, &AltOrderNo, &Customer, &ObjectName, &Address, &Phones, &Remark})
        *t = ReadText(stream);
    RegDate = ReadDate(stream);
    RegDateSet = ReadBoolean(stream);
    for (std::string* t : {&ProfSys, &InnerProfColor, &OuterProfColor, &FurnSys, &FurnColor, &Handle})
        *t = ReadText(stream);
    if (VersionAtLeast(stamp, kStamp10_12_2009)) {
        FalzType = ReadInteger(stream);
        Dornmass = ReadInteger(stream);
        StulpType = ReadInteger(stream);
        OpenType = ReadInteger(stream);
    } else {
        LegacyText1 = ReadText(stream);
        LegacyText2 = ReadText(stream);
    }
    PriceGroupNo = ReadInteger(stream);
    NDSTax = ReadSingle(stream);
    GetTotalNDS = ReadBoolean(stream);
    ShowIncludeNDS = ReadBoolean(stream);
    CurrencyRates.clear();
    const std::int32_t currencies = ReadInteger(stream);
    for (std::int32_t i = 0; i < currencies; ++i) {
        TftfCurrencyItem item;
        item.LoadFromStream(stream, stamp);
        CurrencyRates.push_back(item);
    }
    CurrencyId = ReadInteger(stream);
    Notes.clear();
    Notes = SplitTextLines(ReadText(stream));
    ClearPositions();
    const std::int32_t positions = ReadInteger(stream);
    for (std::int32_t i = 0; i < positions; ++i) {
        auto p = std::make_unique<TftfConstruction>(&link_);
        p->LoadFromStream(stream, stamp);
        positions_.push_back(std::move(p));
    }
    return true;
}

bool TftfOrder::LoadFromFile(const std::string& file, bool& converted) {
    converted = false;
    return LoadDocumentFile(file, kLoadError, imageSizeHint_,
                            [this, &converted](TSpecStream& s) { return LoadFromStream(s, converted); });
}

}  // namespace ftf

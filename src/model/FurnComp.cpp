#include "model/FurnComp.h"

#include <algorithm>
#include <unordered_map>

#include "common/Cp1251.h"
#include "model/Construction.h"
#include "model/ModelServices.h"

namespace ftf {

namespace {

// The side length in mm as the handle placement measures it: the chord of an arched side, and
// −0.1 for a side that lacks an end point.
long double SideLengthMm(const TftfLine& side) {
    if (!side.StartPoint || !side.EndPoint) return UnitsToMmF(-1);
    return UnitsToMmF(PointDistance(side.StartPoint->Pos(), side.EndPoint->Pos()));
}

}  // namespace

bool TSashBuffer::ComponentsEmpty() const {
    return Complect.empty() && Hinge.empty() && Handle.empty() && Lock.empty() &&
           Cylinder.empty() && Drive.empty() && Latch.empty();
}

// ---- TftfFurnItem ----

void TftfFurnItem::Set(const std::string& article, const std::string& parent,
                       const std::string& history, float length, const std::string& comment,
                       std::int32_t count, std::int32_t side) {
    if (article.empty() || count == 0) {
        Clear();
        return;
    }
    ArticleId = article;
    ParentComplect = parent;
    History = history;
    Length = length;
    Comment = comment;
    ItemCount = count;
    SideNo = side;
    Extra1 = Extra2 = Extra3 = 0;
    for (auto& record : extraRecords_) record.reset();  // a new line, not the one read
}

void TftfFurnItem::Clear() {
    ArticleId.clear();
    History.clear();
    Comment.clear();
    ParentComplect.clear();
    Length = 0;
    ItemCount = 0;
    SideNo = 0;
    Extra1 = Extra2 = Extra3 = 0;
    for (auto& record : extraRecords_) record.reset();
}

void TftfFurnItem::SaveToStream(TSpecStream& stream) const {
    WriteText(stream, ArticleId);
    WriteReal(stream, Length);
    WriteInteger(stream, ItemCount);
    WriteText(stream, History);
    WriteText(stream, Comment);
    WriteInteger(stream, SideNo);
    WriteCarriedInteger(stream, Extra1, extraRecords_[0]);
    WriteCarriedInteger(stream, Extra2, extraRecords_[1]);
    WriteCarriedInteger(stream, Extra3, extraRecords_[2]);
    WriteText(stream, ParentComplect);
}

void TftfFurnItem::LoadFromStream(TSpecStream& stream, std::string_view stamp) {
    Clear();
    ArticleId = ReadText(stream);
    Length = ReadSingle(stream);
    ItemCount = ReadInteger(stream);
    if (VersionAtLeast(stamp, kStamp06_10_2015)) History = ReadText(stream);
    if (VersionAtLeast(stamp, kStamp03_03_2019)) Comment = ReadText(stream);
    if (VersionAtLeast(stamp, kStamp26_12_2019)) {
        SideNo = ReadInteger(stream);
        Extra1 = ReadCarriedInteger(stream, extraRecords_[0]);
        Extra2 = ReadCarriedInteger(stream, extraRecords_[1]);
        Extra3 = ReadCarriedInteger(stream, extraRecords_[2]);
        ParentComplect = ReadText(stream);
    }
}

int CompareItemsById(const TftfFurnItem& a, const TftfFurnItem& b) {
    return CompareCp1251(a.ArticleId, b.ArticleId);
}

// ---- TftfFurnComp ----

// The lines of a set by article, each article's positions in ascending order: the first
// position whose line has the whole key is the one FindItem would find.
struct TftfFurnComp::LineIndex {
    std::unordered_map<std::string, std::vector<int>> byArticle;
};

TftfFurnComp::TftfFurnComp(TftfFlugel* sash) : Sash(sash) {}

TftfFurnComp::~TftfFurnComp() = default;

TftfFurnComp::AddingRun::AddingRun(TftfFurnComp& set) : set_(set) {
    auto index = std::make_unique<LineIndex>();
    for (std::size_t i = 0; i < set.Items.size(); ++i)
        index->byArticle[set.Items[i]->ArticleId].push_back(static_cast<int>(i));
    set_.lines_ = std::move(index);
}

TftfFurnComp::AddingRun::~AddingRun() { set_.lines_.reset(); }

void TftfFurnComp::Clear() {
    FurnSys.clear();
    ProfSys.clear();
    FurnColor.clear();
    Complect.clear();
    Hinge.clear();
    HandleId.clear();
    Lock.clear();
    Cylinder.clear();
    Drive.clear();
    Latch.clear();
    HandleHeightValue = 0;
    UserHandleHeight = false;
    ComplectImage = HandleImage = HingeImage = DriveImage = Reserved4 = -1;
    HandleColor = HingeColor = DriveColor = Reserved5 = 0;
    reserved4Record_.reset();
    reserved5Record_.reset();
    Properties.clear();
    ExtraComplects.clear();
    ClearItems();
}

void TftfFurnComp::Assign(const std::string& furnSys, const std::string& profSys,
                          const std::string& color, const TSashBuffer& buffer) {
    FurnSys = furnSys;
    ProfSys = profSys;
    FurnColor = color;
    ExtraComplects = buffer.ExtraComplects;
    Properties = buffer.Properties;
    HandleHeightValue = buffer.HandleHeight;
    UserHandleHeight = buffer.UserHandleHeight;
    Latch = buffer.Latch;
    Drive = buffer.Drive;
    Cylinder = buffer.Cylinder;
    Lock = buffer.Lock;
    HandleId = buffer.Handle;
    Hinge = buffer.Hinge;
    Complect = buffer.Complect;
    Recalc();
}

void TftfFurnComp::Change(const TSashBuffer& buffer) {
    Complect = buffer.Complect;
    Hinge = buffer.Hinge;
    HandleHeightValue = buffer.HandleHeight;
    UserHandleHeight = buffer.UserHandleHeight;
    Latch = buffer.Latch;
    Drive = buffer.Drive;
    Cylinder = buffer.Cylinder;
    Lock = buffer.Lock;
    HandleId = buffer.Handle;
    BindSides();
}

void TftfFurnComp::Recalc() {
    BindSides();
    Calculate();
}

void TftfFurnComp::BindSides() {
    if (Complect.empty() && Hinge.empty() && HandleId.empty() && Lock.empty() &&
        Cylinder.empty() && Drive.empty() && Latch.empty() && ExtraComplects.empty()) {
        Clear();
        return;
    }
    IModelCatalogue& catalogue = CurrentModelCatalogue();
    HandleColor = catalogue.GetComplectScreenColor(HandleId);
    DriveColor = catalogue.GetComplectScreenColor(Drive);
    ComplectImage = catalogue.GetComplectImage(Complect);
    HandleImage = catalogue.GetComplectImage(HandleId);
    DriveImage = catalogue.GetComplectImage(Drive);
    if (!Hinge.empty()) {
        HingeColor = catalogue.GetComplectScreenColor(Hinge);
        HingeImage = catalogue.GetComplectImage(Hinge);
    } else {
        HingeColor = catalogue.GetComplectScreenColor(Complect);
        HingeImage = 20;
    }
    if (!Sash) return;
    if (Complect.empty()) {
        for (auto& side : Sash->Sides) side->ResetMarks();
        return;
    }
    const bool handleShown = !HandleId.empty() || (ComplectImage >= 1 && ComplectImage <= 5);
    for (const TFrnSideRow& row : catalogue.GetComplectSides(Complect)) {
        const std::int64_t index = static_cast<std::int64_t>(row.Side) - 1;
        if (index < 0 || index >= static_cast<std::int64_t>(Sash->Sides.size())) continue;
        TftfLine& side = *Sash->Sides[static_cast<std::size_t>(index)];
        side.OpenMode = row.OpenMode == 1;
        if (side.OpenMode) side.RotSide = row.RotSide - 1;
        side.Handled = row.Handled == 1 && handleShown;
        if (side.Handled) {
            const std::int32_t height =
                UserHandleHeight ? HandleHeightValue : RoundAway(SideLengthMm(side) / 2);
            side.SetHandle(height, catalogue.GetSideHandleDirect(Complect, row.Side) != 0);
        } else {
            side.HandleHeight = 0;
        }
        side.Banded = row.Banded == 1;
        side.Drived = row.Drived == 1;
    }
}

void TftfFurnComp::Calculate() {
    ClearItems();
    try {
        CurrentFurnEngine().CalcFurnComp(*this);
        std::erase_if(Items, [](const std::unique_ptr<TftfFurnItem>& item) {
            return item->ItemCount == 0;
        });
        // The engine mostly hands the list over sorted already; sorting it again would not
        // change it.
        auto byId = [](const std::unique_ptr<TftfFurnItem>& a, const std::unique_ptr<TftfFurnItem>& b) {
            return CompareItemsById(*a, *b) < 0;
        };
        if (!std::is_sorted(Items.begin(), Items.end(), byId))
            std::stable_sort(Items.begin(), Items.end(), byId);
    } catch (...) {
        ClearItems();
        throw;
    }
}

int TftfFurnComp::FindItem(const std::string& article, const std::string& parent,
                           const std::string& comment, float length, std::int32_t side) const {
    for (std::size_t i = 0; i < Items.size(); ++i) {
        const TftfFurnItem& item = *Items[i];
        if (item.ArticleId == article && item.ParentComplect == parent && item.Comment == comment &&
            item.Length == length && item.SideNo == side)
            return static_cast<int>(i);
    }
    return -1;
}

int TftfFurnComp::FindItemById(const std::string& article) const {
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i]->ArticleId == article) return static_cast<int>(i);
    return -1;
}

void TftfFurnComp::AddItem(const std::string& article, const std::string& parent,
                           const std::string& history, bool separate, float length,
                           const std::string& comment, std::int32_t count, std::int32_t side) {
    if (article.empty() || count == 0) return;
    if (CurrentModelCatalogue().IsVirtualArticle(article)) return;
    if (!separate) {
        int found = -1;
        if (lines_) {
            if (auto it = lines_->byArticle.find(article); it != lines_->byArticle.end())
                for (int i : it->second) {
                    const TftfFurnItem& item = *Items[static_cast<std::size_t>(i)];
                    if (item.ParentComplect == parent && item.Comment == comment && item.Length == length &&
                        item.SideNo == side) {
                        found = i;
                        break;
                    }
                }
        } else {
            found = FindItem(article, parent, comment, length, side);
        }
        if (found >= 0) {
            Item(found).AddCount(count);
            return;
        }
    }
    auto item = std::make_unique<TftfFurnItem>(this);
    item->Set(article, parent, separate ? history : std::string(), length, comment, count, side);
    Items.push_back(std::move(item));
    if (lines_) lines_->byArticle[article].push_back(static_cast<int>(Items.size() - 1));
}

void TftfFurnComp::SaveToStream(TSpecStream& stream) const {
    WriteText(stream, FurnSys);
    WriteText(stream, ProfSys);
    WriteText(stream, FurnColor);
    WriteText(stream, Complect);
    WriteText(stream, Hinge);
    WriteText(stream, HandleId);
    WriteInteger(stream, HandleHeightValue);
    WriteBoolean(stream, UserHandleHeight);
    WriteText(stream, Lock);
    WriteText(stream, Cylinder);
    WriteText(stream, Drive);
    WriteText(stream, Latch);
    WriteInteger(stream, ComplectImage);
    WriteInteger(stream, HandleImage);
    WriteInteger(stream, HingeImage);
    WriteInteger(stream, DriveImage);
    WriteCarriedInteger(stream, Reserved4, reserved4Record_);
    WriteInteger(stream, HandleColor);
    WriteInteger(stream, HingeColor);
    WriteInteger(stream, DriveColor);
    WriteCarriedInteger(stream, Reserved5, reserved5Record_);
    WriteText(stream, JoinTextLines(Properties));
    WriteText(stream, JoinTextLines(ExtraComplects));
    WriteInteger(stream, static_cast<std::int32_t>(Items.size()));
    for (const auto& item : Items) item->SaveToStream(stream);
}

void TftfFurnComp::LoadFromStream(TSpecStream& stream, std::string_view stamp) {
    FurnSys = ReadText(stream);
    ProfSys = ReadText(stream);
    FurnColor = ReadText(stream);
    Complect = ReadText(stream);
    Hinge = ReadText(stream);
    HandleId = ReadText(stream);
    HandleHeightValue = ReadInteger(stream);
    UserHandleHeight = ReadBoolean(stream);
    Lock = ReadText(stream);
    Cylinder = ReadText(stream);
    Drive = ReadText(stream);
    Latch = ReadText(stream);
    ComplectImage = ReadInteger(stream);
    HandleImage = ReadInteger(stream);
    HingeImage = ReadInteger(stream);
    DriveImage = ReadInteger(stream);
    Reserved4 = ReadCarriedInteger(stream, reserved4Record_);
    HandleColor = ReadInteger(stream);
    HingeColor = ReadInteger(stream);
    DriveColor = ReadInteger(stream);
    Reserved5 = ReadCarriedInteger(stream, reserved5Record_);
    Properties = SplitTextLines(ReadText(stream));
    ExtraComplects = SplitTextLines(ReadText(stream));
    ClearItems();
    const std::int32_t count = ReadInteger(stream);
    for (std::int32_t i = 0; i < count; ++i) {
        auto item = std::make_unique<TftfFurnItem>(this);
        item->LoadFromStream(stream, stamp);
        Items.push_back(std::move(item));
    }
}

}  // namespace ftf

#include "model/Construction.h"

#include <exception>

#include "common/Error.h"

namespace ftf {

// ---- TftfLine ----

void TftfLine::SetHandle(std::int32_t height, bool fromEnd) {
    if (!Handled) {
        HandleHeight = 0;
        HandlePoint = {};
        return;
    }
    HandleHeight = height;
    if (!StartPoint || !EndPoint) return;
    const TPoint origin = fromEnd ? EndPoint->Pos() : StartPoint->Pos();
    const TPoint target = fromEnd ? StartPoint->Pos() : EndPoint->Pos();
    const TPoint q = PointToward(origin, target, MmToUnits(height));
    HandlePoint = PolarOffset(q, origin, target, fromEnd ? 90 : -90, 10);
}

void TftfLine::ResetMarks() {
    OpenMode = false;
    RotSide = -1;
    HandleHeight = 0;
    Handled = false;
    Banded = false;
    Drived = false;
}

// ---- TftfFlugel ----

TftfFlugel::TftfFlugel(TftfConstruction* construction) : Construction(construction) {}

TftfFlugel::~TftfFlugel() = default;

TftfPoint& TftfFlugel::AddPoint(std::int32_t x, std::int32_t y) {
    Points.push_back(std::make_unique<TftfPoint>(this, x, y));
    return *Points.back();
}

TftfLine& TftfFlugel::AddSide(float radius, float radius2) {
    auto side = std::make_unique<TftfLine>(this);
    side->Radius = radius;
    side->Radius2 = radius2;
    Sides.push_back(std::move(side));
    return *Sides.back();
}

void TftfFlugel::BuildContour(const TFigure& f, std::int32_t o) {
    const std::int32_t b = RoundAway(f.B);
    const std::int32_t h = RoundAway(f.H);
    const std::int32_t x = RoundAway(f.X);
    int arched = -1;  // the side that gets the figure's radii
    switch (f.Figure) {
        case 3:
            AddPoint(o, h); AddPoint(o, h - x); AddPoint(o + b, 0); AddPoint(o + b, h);
            break;
        case 4:
            AddPoint(o, h); AddPoint(o, 0); AddPoint(o + b, h - x); AddPoint(o + b, h);
            break;
        case 5:
            AddPoint(o, h); AddPoint(o + b, 0); AddPoint(o + b, h);
            break;
        case 6:
            AddPoint(o, h); AddPoint(o, 0); AddPoint(o + b, h);
            break;
        case 7:
            AddPoint(o, h); AddPoint(o, x); AddPoint(o + b, x); AddPoint(o + b, h);
            arched = 1;
            break;
        default:
            AddPoint(o, h); AddPoint(o, 0); AddPoint(o + b, 0); AddPoint(o + b, h);
            arched = 1;
            break;
    }
    const int count = f.Figure == 5 || f.Figure == 6 ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        if (i == arched)
            AddSide(f.R, f.R2);
        else
            AddSide();
    }
    LinkSides();
    UpdateCentres();
}

void TftfFlugel::LinkSides() {
    const std::size_t points = Points.size();
    const std::size_t sides = Sides.size();
    for (std::size_t i = 0; i < sides; ++i) {
        const std::size_t end = i + 1 == sides ? 0 : i + 1;
        Sides[i]->StartPoint = i < points ? Points[i].get() : nullptr;
        Sides[i]->EndPoint = end < points ? Points[end].get() : nullptr;
    }
}

void TftfFlugel::UpdateCentres() {
    for (auto& side : Sides) {
        if (side->Radius != 0 && side->StartPoint && side->EndPoint)
            side->Centre = ArcCentre(side->StartPoint->Pos(), side->EndPoint->Pos(), side->Radius);
        else
            side->Centre = {};
    }
}

void TftfFlugel::CalcSet(const std::string& furnSys, const std::string& profSys,
                         const std::string& color, const TSashBuffer& buffer) {
    if (buffer.ComponentsEmpty() && buffer.ExtraComplects.empty()) {
        ClearSet();
        return;
    }
    const bool created = !FurnComp;
    if (created) FurnComp = std::make_unique<TftfFurnComp>(this);
    Dornmass = buffer.Dornmass;
    try {
        FurnComp->Assign(furnSys, profSys, color, buffer);
        CheckPair();
    } catch (...) {
        if (created) ClearSet();
        throw;
    }
}

void TftfFlugel::RecalcSet(const TSashBuffer& buffer) {
    if (buffer.ComponentsEmpty()) {
        ClearSet();
        return;
    }
    const bool created = !FurnComp;
    if (created) FurnComp = std::make_unique<TftfFurnComp>(this);
    try {
        FurnComp->Change(buffer);
    } catch (...) {
        if (created) ClearSet();
        throw;
    }
}

void TftfFlugel::ClearSet() {
    if (FurnComp) {
        FurnComp.reset();
        for (auto& side : Sides) side->ResetMarks();
    }
    CheckPair();
}

void TftfFlugel::CheckPair() {
    if (!Construction) return;
    TftfFlugel* dependent = Construction->DependentSash();
    if (!dependent || !dependent->FurnComp) return;
    if (!FurnComp || FurnComp->FurnSys != dependent->FurnComp->FurnSys) dependent->ClearSet();
}

void TftfFlugel::BuildMaterials() {
    ClearMaterials();
    if (!FurnComp) return;
    for (const auto& item : FurnComp->Items)
        Materials.push_back(
            TftfMatListItem::MakeFromItem(item->ArticleId, item->Length, item->ItemCount));
}

Money TftfFlugel::MaterialsCost() const {
    Money sum;
    for (const auto& line : Materials) sum += line->MatCost;
    return sum;
}

void TftfFlugel::AddMaterials(TftfMatList* list, long double multiplier) const {
    if (!list) return;
    for (const auto& line : Materials) MergeLine(*list, *line, multiplier);
}

TftfFlugel* TftfFlugel::OtherSash() const {
    if (!Construction) return nullptr;
    return Construction->Sash1.get() == this ? Construction->Sash2.get() : Construction->Sash1.get();
}

int TftfFlugel::SideIndex(const TftfLine& side) const {
    for (std::size_t i = 0; i < Sides.size(); ++i)
        if (Sides[i].get() == &side) return static_cast<int>(i);
    return -1;
}

TftfLine* TftfFlugel::PrevSide(const TftfLine& side) const {
    const int i = SideIndex(side);
    if (i < 0) return nullptr;
    return Sides[i == 0 ? Sides.size() - 1 : static_cast<std::size_t>(i - 1)].get();
}

int TftfFlugel::HandleSideIndex() const {
    for (std::size_t i = 0; i < Sides.size(); ++i)
        if (Sides[i]->Handled) return static_cast<int>(i);
    return -1;
}

int TftfFlugel::BandedSideIndex() const {
    for (std::size_t i = 0; i < Sides.size(); ++i)
        if (Sides[i]->Banded) return static_cast<int>(i);
    return -1;
}

std::int32_t TftfFlugel::HandleHeight() const {
    const int i = HandleSideIndex();
    return i < 0 ? 0 : Sides[static_cast<std::size_t>(i)]->HandleHeight;
}

void TftfFlugel::SaveToStream(TSpecStream& stream) const {
    WriteInteger(stream, static_cast<std::int32_t>(Points.size()));
    for (const auto& p : Points) {
        WriteInteger(stream, p->X);
        WriteInteger(stream, p->Y);
    }
    WriteInteger(stream, static_cast<std::int32_t>(Sides.size()));
    for (const auto& s : Sides) {
        WriteReal(stream, s->Radius);
        WriteReal(stream, s->Radius2);
        WriteReal(stream, s->Centre.x);
        WriteReal(stream, s->Centre.y);
        WriteBoolean(stream, s->OpenMode);
        WriteInteger(stream, s->RotSide);
        WriteBoolean(stream, s->Handled);
        WriteBoolean(stream, s->Banded);
        WriteBoolean(stream, s->Drived);
        WriteInteger(stream, s->HandleHeight);
        WriteInteger(stream, s->HandlePoint.x);
        WriteInteger(stream, s->HandlePoint.y);
    }
    WriteInteger(stream, Dornmass);
    WriteBoolean(stream, FurnComp != nullptr);
    if (FurnComp) FurnComp->SaveToStream(stream);
    WriteInteger(stream, static_cast<std::int32_t>(Materials.size()));
    for (const auto& line : Materials) line->SaveToStream(stream);
}

void TftfFlugel::LoadFromStream(TSpecStream& stream, std::string_view stamp) {
    ClearSides();
    ClearPoints();
    ClearMaterials();
    const std::int32_t pointCount = ReadInteger(stream);
    for (std::int32_t i = 0; i < pointCount; ++i) {
        const std::int32_t x = ReadInteger(stream);
        const std::int32_t y = ReadInteger(stream);
        AddPoint(x, y);
    }
    const std::int32_t sideCount = ReadInteger(stream);
    for (std::int32_t i = 0; i < sideCount; ++i) {
        auto s = std::make_unique<TftfLine>(this);
        s->Radius = ReadSingle(stream);
        s->Radius2 = ReadSingle(stream);
        s->Centre.x = ReadSingle(stream);
        s->Centre.y = ReadSingle(stream);
        s->OpenMode = ReadBoolean(stream);
        s->RotSide = ReadInteger(stream);
        s->Handled = ReadBoolean(stream);
        s->Banded = ReadBoolean(stream);
        s->Drived = ReadBoolean(stream);
        s->HandleHeight = ReadInteger(stream);
        s->HandlePoint.x = ReadInteger(stream);
        s->HandlePoint.y = ReadInteger(stream);
        Sides.push_back(std::move(s));
    }
    LinkSides();
    Dornmass = VersionAtLeast(stamp, kStamp23_07_2019) ? ReadInteger(stream) : 0;
    FurnComp.reset();
    if (ReadBoolean(stream)) {
        FurnComp = std::make_unique<TftfFurnComp>(this);
        FurnComp->LoadFromStream(stream, stamp);
    }
    const std::int32_t lineCount = ReadInteger(stream);
    for (std::int32_t i = 0; i < lineCount; ++i) {
        auto line = std::make_unique<TftfMatListItem>();
        line->LoadFromStream(stream, stamp);
        Materials.push_back(std::move(line));
    }
}

// ---- TftfConstruction ----

TftfConstruction::TftfConstruction(IPositionOrder* order)
    : Sash1(std::make_unique<TftfFlugel>(this)),
      Sash2(std::make_unique<TftfFlugel>(this)),
      Order(order) {}

TftfConstruction::~TftfConstruction() = default;

std::uint8_t TftfConstruction::ArrangementOfFigure(std::int32_t figure) {
    if (figure == 1) return 1;
    if (figure == 2) return 0;
    return 2;
}

TftfFlugel* TftfConstruction::DependentSash() const {
    if (Arrangement == 1) return Sash1.get();
    if (Arrangement == 0) return Sash2.get();
    return nullptr;
}

void TftfConstruction::BuildContours(const TFigure& figure, std::int32_t dornmass) {
    Arrangement = ArrangementOfFigure(figure.Figure);
    TFigure units = figure;
    units.B = static_cast<float>(MmToUnits(figure.B));
    units.H = static_cast<float>(MmToUnits(figure.H));
    units.X = static_cast<float>(MmToUnits(figure.X));
    units.Y = static_cast<float>(MmToUnits(figure.Y));
    units.R = MmToUnitsF(figure.R);
    units.R2 = MmToUnitsF(figure.R2);
    if (Arrangement == 2) {
        Sash1->BuildContour(units, 0);
        Sash1->Dornmass = dornmass;
        return;
    }
    TFigure left = units;
    left.Figure = 0;
    left.B = units.X;
    Sash1->BuildContour(left, 0);
    TFigure right = units;
    right.Figure = 0;
    right.B = units.Y;
    Sash2->BuildContour(right, MmToUnits(figure.X));
    Sash1->Dornmass = dornmass;
    Sash2->Dornmass = dornmass;
}

void TftfConstruction::ApplySet(const std::string& furnSys, const std::string& profSys,
                                const std::string& color, std::int32_t falzType,
                                std::int32_t stulpType, std::int32_t openType, float profileWidth,
                                float profileThickness, const TSashBuffer& buffer1,
                                const TSashBuffer& buffer2) {
    FurnSys = furnSys;
    ProfSys = profSys;
    Color = color;
    FalzType = falzType;
    StulpType = stulpType;
    OpenType = openType;
    ProfileWidth = profileWidth;
    ProfileThickness = profileThickness;
    if (Arrangement == 1) {
        Sash2->CalcSet(furnSys, profSys, color, buffer2);
        Sash1->CalcSet(furnSys, profSys, color, buffer1);
    } else if (Arrangement == 0) {
        Sash1->CalcSet(furnSys, profSys, color, buffer1);
        Sash2->CalcSet(furnSys, profSys, color, buffer2);
    } else {
        Sash1->CalcSet(furnSys, profSys, color, buffer1);
        ClearSashSet(2);
    }
    RecalcPrice();
}

void TftfConstruction::ChangeSet(const TSashBuffer& buffer1, const TSashBuffer& buffer2) {
    Sash1->RecalcSet(buffer1);
    if (Arrangement == 2)
        ClearSashSet(2);
    else
        Sash2->RecalcSet(buffer2);
}

void TftfConstruction::ClearSashSet(int n) {
    (n == 1 ? Sash1 : Sash2)->FurnComp.reset();
}

void TftfConstruction::RecalcPrice() {
    Price = Money();
    Sash1->BuildMaterials();
    Price += Sash1->MaterialsCost();
    Sash2->BuildMaterials();
    Price += Sash2->MaterialsCost();
}

Money TftfConstruction::Total() const { return Money::FromRaw(Price.Raw() * Quantity); }

void TftfConstruction::AddMaterialsTo(TftfMatList* list) const {
    if (!list) return;
    Sash1->AddMaterials(list, Quantity);
    Sash2->AddMaterials(list, Quantity);
}

TftfFurnComp* TftfConstruction::FirstSet() {
    iterating_ = Arrangement != 2;
    return Sash1->FurnComp.get();
}

TftfFurnComp* TftfConstruction::NextSet() {
    const bool armed = iterating_;
    iterating_ = false;
    return armed ? Sash2->FurnComp.get() : nullptr;
}

void TftfConstruction::SetNames(std::vector<std::string>* lines) const {
    if (!lines) return;
    for (const TftfFlugel* sash : {Sash1.get(), Sash2.get()}) {
        const TftfFurnComp* set = sash->FurnComp.get();
        if (!set) continue;
        for (const std::string* code :
             {&set->Complect, &set->HandleId, &set->Hinge, &set->Cylinder, &set->Drive}) {
            if (code->empty()) continue;
            std::string name;
            if (!CurrentModelCatalogue().TryGetComplectName(*code, name)) name.clear();
            lines->push_back(name);
        }
    }
}

void TftfConstruction::SaveToStream(TSpecStream& stream) const {
    WriteBoolean(stream, Checked);
    WriteText(stream, PosNo);
    WriteText(stream, PosName);
    WriteInteger(stream, Quantity);
    WriteByte(stream, ObjectType);
    WriteText(stream, FurnSys);
    WriteText(stream, ProfSys);
    WriteText(stream, Color);
    WriteInteger(stream, FalzType);
    WriteInteger(stream, StulpType);
    WriteReal(stream, ProfileWidth);
    WriteReal(stream, ProfileThickness);
    WriteInteger(stream, OpenType);
    WriteMoney(stream, Price);
    WriteText(stream, JoinTextLines(Notes));
    WriteByte(stream, Arrangement);
    Sash1->SaveToStream(stream);
    Sash2->SaveToStream(stream);
}

void TftfConstruction::LoadFromStream(TSpecStream& stream, std::string_view stamp) {
    Notes.clear();
    Checked = ReadBoolean(stream);
    PosNo = ReadText(stream);
    PosName = ReadText(stream);
    Quantity = ReadInteger(stream);
    ObjectType = ReadByte(stream);
    FurnSys = ReadText(stream);
    ProfSys = ReadText(stream);
    Color = ReadText(stream);
    if (VersionBefore(stamp, kStamp10_12_2009)) {
        ReadText(stream);
        ReadText(stream);
    }
    FalzType = ReadInteger(stream);
    const bool positionBackset = VersionBefore(stamp, kStamp23_07_2019);
    const std::int32_t backset = positionBackset ? ReadInteger(stream) : 0;
    StulpType = ReadInteger(stream);
    ProfileWidth = ReadSingle(stream);
    ProfileThickness = ReadSingle(stream);
    OpenType = ReadInteger(stream);
    Price = ReadMoney(stream);
    Notes = SplitTextLines(ReadText(stream));
    Arrangement = ReadByte(stream);
    Sash1->LoadFromStream(stream, stamp);
    Sash2->LoadFromStream(stream, stamp);
    if (positionBackset) {
        Sash1->Dornmass = backset;
        Sash2->Dornmass = backset;
    }
}

namespace {

FtfError Wrapped(const char* message, const std::exception& e) {
    return FtfError(std::string(message) + "\r\n(" + e.what() + ")");
}

}  // namespace

void TftfConstruction::CopyFrom(const TftfConstruction& other) {
    try {
        TSpecStream stream;
        other.SaveToStream(stream);
        stream.Rewind();
        LoadFromStream(stream, kStamp26_12_2019);
    } catch (const std::exception& e) {
        throw Wrapped("Ошибка копирования позиции!", e);
    }
}

void TftfConstruction::SaveBackup(TSpecStream& stream) const {
    try {
        SaveToStream(stream);
    } catch (const std::exception& e) {
        throw Wrapped("Ошибка создания резервной копии объекта!", e);
    }
}

void TftfConstruction::RestoreBackup(TSpecStream& stream) {
    try {
        stream.Rewind();
        LoadFromStream(stream, kStamp26_12_2019);
    } catch (const std::exception& e) {
        throw Wrapped("Ошибка восстановления объекта из резервной копии!", e);
    }
}

}  // namespace ftf

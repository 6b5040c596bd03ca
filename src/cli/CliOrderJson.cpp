#include "cli/CliOrderJson.h"

#include <cstdio>
#include <ostream>

#include "common/NumberFormat.h"
#include "documents/Order.h"
#include "model/Construction.h"
#include "model/Measures.h"
#include "settings/Setup.h"

namespace ftf::cli {
namespace {

std::string DateText(OleDate d) { return FormatDatePattern("dd.mm.yyyy", d); }
std::string DateTimeText(OleDate d) { return FormatDatePattern("dd.mm.yyyy hh:nn:ss", d); }

template <typename Int>
void TakeSmall(const json& o, const char* name, Int& target) {
    std::int32_t v = target;
    if (Take(o, name, v)) target = static_cast<Int>(v);
}

TSashBuffer ReadSash(const json& s, std::int32_t positionDornmass, const std::string& handle,
                     const std::string& where) {
    CheckMembers(s, {"Complect", "Hinge", "HandleId", "Lock", "Cylinder", "Drive", "Latch", "HandleHeight",
                     "UserHandleHeight", "Dornmass", "Properties", "ExtraComplects"},
                 where);
    TSashBuffer b;
    b.Dornmass = positionDornmass;
    b.Handle = handle;
    Take(s, "Complect", b.Complect);
    Take(s, "Hinge", b.Hinge);
    Take(s, "HandleId", b.Handle);
    Take(s, "Lock", b.Lock);
    Take(s, "Cylinder", b.Cylinder);
    Take(s, "Drive", b.Drive);
    Take(s, "Latch", b.Latch);
    Take(s, "HandleHeight", b.HandleHeight);
    Take(s, "UserHandleHeight", b.UserHandleHeight);
    Take(s, "Dornmass", b.Dornmass);
    Take(s, "Properties", b.Properties);
    Take(s, "ExtraComplects", b.ExtraComplects);
    return b;
}

std::string SetJson(const TftfFurnComp* set) {
    if (!set) return "null";
    return JsonWriter::Object()
        .Str("FurnSys", set->FurnSys)
        .Str("ProfSys", set->ProfSys)
        .Str("FurnColor", set->FurnColor)
        .Str("Complect", set->Complect)
        .Str("Hinge", set->Hinge)
        .Str("HandleId", set->HandleId)
        .Int("HandleHeightValue", set->HandleHeightValue)
        .Bool("UserHandleHeight", set->UserHandleHeight)
        .Str("Lock", set->Lock)
        .Str("Cylinder", set->Cylinder)
        .Str("Drive", set->Drive)
        .Str("Latch", set->Latch)
        .Lines("Properties", set->Properties)
        .Lines("ExtraComplects", set->ExtraComplects)
        .Text();
}

std::string SashJson(const TftfFlugel& s) {
    std::int32_t w = 0, h = 0;
    RebateSize(s, w, h);
    JsonWriter sides = JsonWriter::Array();
    for (const auto& l : s.Sides)
        sides.Add(JsonWriter::Object()
                      .Bool("OpenMode", l->OpenMode)
                      .Int("RotSide", l->RotSide)
                      .Bool("Handled", l->Handled)
                      .Bool("Banded", l->Banded)
                      .Bool("Drived", l->Drived)
                      .Int("HandleHeight", l->HandleHeight)
                      .Text());
    JsonWriter items = JsonWriter::Array();
    if (s.FurnComp)
        for (const auto& it : s.FurnComp->Items)
            items.Add(JsonWriter::Object()
                          .Str("ArticleId", it->ArticleId)
                          .Float("Length", it->Length)
                          .Int("ItemCount", it->ItemCount)
                          .Int("SideNo", it->SideNo)
                          .Str("ParentComplect", it->ParentComplect)
                          .Str("Comment", it->Comment)
                          .Str("History", it->History)
                          .Text());
    JsonWriter materials = JsonWriter::Array();
    for (const auto& m : s.Materials)
        materials.Add(JsonWriter::Object()
                          .Str("ArticleId", m->ArticleId)
                          .Float("MatQuantity", m->MatQuantity)
                          .Cash("MatPrice", m->MatPrice)
                          .Cash("MatCost", m->MatCost)
                          .Text());
    return JsonWriter::Object()
        .Raw("rebate", "[" + std::to_string(w) + ", " + std::to_string(h) + "]")
        .Raw("sides", sides.Text())
        .Int("Dornmass", s.Dornmass)
        .Raw("set", SetJson(s.FurnComp.get()))
        .Raw("items", items.Text())
        .Raw("materials", materials.Text())
        .Text();
}

}  // namespace

void ApplyOrderMembers(TftfOrder& order, const json& in, bool allowPositions) {
    CheckMembers(in, {"OrderNo", "AltOrderNo", "Customer", "ObjectName", "Address", "Phones", "Remark",
                      "RegDate", "RegDateSet", "TimeStamp1", "TimeStamp2", "ProfSys", "InnerProfColor",
                      "OuterProfColor", "FurnSys", "FurnColor", "Handle", "Material", "FalzType", "Dornmass",
                      "StulpType", "OpenType", "PriceGroupNo", "NDSTax", "GetTotalNDS", "ShowIncludeNDS",
                      "CurrencyId", "CurrencyRates", "Notes", allowPositions ? "positions" : "OrderNo"},
                 "заказа");
    Take(in, "OrderNo", order.OrderNo);
    Take(in, "AltOrderNo", order.AltOrderNo);
    Take(in, "Customer", order.Customer);
    Take(in, "ObjectName", order.ObjectName);
    Take(in, "Address", order.Address);
    Take(in, "Phones", order.Phones);
    Take(in, "Remark", order.Remark);
    TakeDate(in, "RegDate", order.RegDate, false);
    Take(in, "RegDateSet", order.RegDateSet);
    TakeDate(in, "TimeStamp1", order.TimeStamp1, true);
    TakeDate(in, "TimeStamp2", order.TimeStamp2, true);
    Take(in, "ProfSys", order.ProfSys);
    Take(in, "InnerProfColor", order.InnerProfColor);
    Take(in, "OuterProfColor", order.OuterProfColor);
    Take(in, "FurnSys", order.FurnSys);
    Take(in, "FurnColor", order.FurnColor);
    Take(in, "Handle", order.Handle);
    Take(in, "Material", order.Material);
    Take(in, "FalzType", order.FalzType);
    Take(in, "Dornmass", order.Dornmass);
    Take(in, "StulpType", order.StulpType);
    Take(in, "OpenType", order.OpenType);
    Take(in, "PriceGroupNo", order.PriceGroupNo);
    Take(in, "NDSTax", order.NDSTax);
    Take(in, "GetTotalNDS", order.GetTotalNDS);
    Take(in, "ShowIncludeNDS", order.ShowIncludeNDS);
    Take(in, "CurrencyId", order.CurrencyId);
    TakeLines(in, "Notes", order.Notes);
    auto rates = in.find("CurrencyRates");
    if (rates != in.end() && !rates->is_null()) {
        if (!rates->is_array()) throw FtfError("Поле «CurrencyRates» во входных данных должно быть списком");
        TftfCurrencyList list;
        for (const json& r : *rates) {
            if (!r.is_object()) throw FtfError("Элементы «CurrencyRates» должны быть объектами");
            CheckMembers(r, {"CurrencyCode", "Rate"}, "курса валюты");
            TftfCurrencyItem item;
            Take(r, "CurrencyCode", item.CurrencyCode);
            Take(r, "Rate", item.Rate);
            list.push_back(item);
        }
        order.CurrencyRates = list;
    }
}

void BuildPosition(TftfConstruction& pos, const json& in, const TftfOrder& order, const TftfSetup& setup,
                   const std::string& where) {
    CheckMembers(in, {"figure", "PosNo", "PosName", "Quantity", "Checked", "ObjectType", "FurnSys", "ProfSys",
                      "Color", "FalzType", "StulpType", "OpenType", "ProfileWidth", "ProfileThickness",
                      "Dornmass", "Notes", "sash1", "sash2"},
                 where);
    const json& figureIn = MemberObject(in, "figure");
    CheckMembers(figureIn, {"B", "H", "figure", "X", "Y", "R"}, "фигуры " + where);

    // The position dialog's proposals, then the order's technical values.
    char no[16];
    std::snprintf(no, sizeof no, "%.3d", order.Count());
    pos.PosNo = no;
    pos.PosName = "Комплект стандартный";
    pos.Quantity = 1;
    pos.ObjectType = static_cast<std::uint8_t>(setup.DefFurnSysGroup);
    Take(in, "PosNo", pos.PosNo);
    Take(in, "PosName", pos.PosName);
    Take(in, "Quantity", pos.Quantity);
    Take(in, "Checked", pos.Checked);
    TakeSmall(in, "ObjectType", pos.ObjectType);
    TakeLines(in, "Notes", pos.Notes);

    TFigure figure;
    Take(figureIn, "B", figure.B);
    Take(figureIn, "H", figure.H);
    Take(figureIn, "figure", figure.Figure);
    Take(figureIn, "X", figure.X);
    Take(figureIn, "Y", figure.Y);
    Take(figureIn, "R", figure.R);
    figure.R2 = figure.R;

    // The set dialog's start for a sash without a set: systems and colour from the position
    // (which took the order's), types from the order, profile sizes from the settings.
    std::string furnSys = order.FurnSys, profSys = order.ProfSys, color = order.FurnColor;
    std::int32_t falzType = order.FalzType, stulpType = order.StulpType, openType = order.OpenType;
    std::int32_t dornmass = order.Dornmass;
    float profileWidth = setup.DefProfWidth, profileThickness = setup.DefProfThickness;
    Take(in, "FurnSys", furnSys);
    Take(in, "ProfSys", profSys);
    Take(in, "Color", color);
    Take(in, "FalzType", falzType);
    Take(in, "StulpType", stulpType);
    Take(in, "OpenType", openType);
    Take(in, "Dornmass", dornmass);
    Take(in, "ProfileWidth", profileWidth);
    Take(in, "ProfileThickness", profileThickness);
    const TSashBuffer b1 = ReadSash(MemberObject(in, "sash1"), dornmass, order.Handle, "створки 1 " + where);
    const TSashBuffer b2 = ReadSash(MemberObject(in, "sash2"), dornmass, order.Handle, "створки 2 " + where);

    pos.BuildContours(figure, dornmass);
    // The checks of the fittings set dialog's OK.
    if (pos.Arrangement == 2) {
        if (b1.Complect.empty()) throw FtfError("Не указан комплект фурнитуры!");
    } else {
        if (b1.Complect.empty()) throw FtfError("Не указан левый комплект фурнитуры!");
        if (b2.Complect.empty()) throw FtfError("Не указан правый комплект фурнитуры!");
    }
    pos.ApplySet(furnSys, profSys, color, falzType, stulpType, openType, profileWidth, profileThickness, b1, b2);
}

std::string SashesJson(const TftfConstruction& pos) {
    // A single sash position lists its second sash empty.
    return JsonWriter::Array().Add(SashJson(*pos.Sash1)).Add(SashJson(*pos.Sash2)).Text();
}

std::string PositionJson(const TftfConstruction& pos) {
    return JsonWriter::Object()
        .Bool("Checked", pos.Checked)
        .Str("PosNo", pos.PosNo)
        .Str("PosName", pos.PosName)
        .Int("Quantity", pos.Quantity)
        .Int("ObjectType", pos.ObjectType)
        .Str("FurnSys", pos.FurnSys)
        .Str("ProfSys", pos.ProfSys)
        .Str("Color", pos.Color)
        .Int("FalzType", pos.FalzType)
        .Int("StulpType", pos.StulpType)
        .Float("ProfileWidth", pos.ProfileWidth)
        .Float("ProfileThickness", pos.ProfileThickness)
        .Int("OpenType", pos.OpenType)
        .Cash("Price", pos.Price)
        .Lines("Notes", pos.Notes)
        .Int("Arrangement", pos.Arrangement)
        .Cash("Total", pos.Total())
        .Raw("sashes", SashesJson(pos))
        .Text();
}

std::string OrderJson(const TftfOrder& order) {
    JsonWriter rates = JsonWriter::Array();
    for (const TftfCurrencyItem& r : order.CurrencyRates)
        rates.Add(JsonWriter::Object().Int("CurrencyCode", r.CurrencyCode).Float("Rate", r.Rate).Text());
    JsonWriter positions = JsonWriter::Array();
    for (int i = 0; i < order.Count(); ++i) positions.Add(PositionJson(order.Positions(i)));
    return JsonWriter::Object()
        .Str("Version", order.Version)
        .Str("TimeStamp1", DateTimeText(order.TimeStamp1))
        .Str("TimeStamp2", DateTimeText(order.TimeStamp2))
        .Str("OrderNo", order.OrderNo)
        .Str("AltOrderNo", order.AltOrderNo)
        .Str("Customer", order.Customer)
        .Str("ObjectName", order.ObjectName)
        .Str("Address", order.Address)
        .Str("Phones", order.Phones)
        .Str("Remark", order.Remark)
        .Str("RegDate", DateText(order.RegDate))
        .Bool("RegDateSet", order.RegDateSet)
        .Str("ProfSys", order.ProfSys)
        .Str("InnerProfColor", order.InnerProfColor)
        .Str("OuterProfColor", order.OuterProfColor)
        .Str("FurnSys", order.FurnSys)
        .Str("FurnColor", order.FurnColor)
        .Str("Handle", order.Handle)
        .Int("FalzType", order.FalzType)
        .Int("Dornmass", order.Dornmass)
        .Int("StulpType", order.StulpType)
        .Int("OpenType", order.OpenType)
        .Int("PriceGroupNo", order.PriceGroupNo)
        .Float("NDSTax", order.NDSTax)
        .Bool("GetTotalNDS", order.GetTotalNDS)
        .Bool("ShowIncludeNDS", order.ShowIncludeNDS)
        .Raw("CurrencyRates", rates.Text())
        .Int("CurrencyId", order.CurrencyId)
        .Lines("Notes", order.Notes)
        .Raw("positions", positions.Text())
        .Cash("TotalSum", order.TotalSum())
        .Cash("NDSSum", order.NDSSum())
        .Cash("GrandTotal", order.GrandTotal())
        .Text();
}

namespace {

// Messages of the system carry CR LF; one terminal line per item reads better in a table.
std::string Flat(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

void WriteSetText(const TftfFurnComp& set, std::ostream& out) {
    out << "  Система " << set.FurnSys << ", планки " << set.ProfSys << ", цвет " << set.FurnColor << "\n";
    const std::pair<const char*, const std::string*> parts[] = {
        {"комплект", &set.Complect}, {"петли", &set.Hinge}, {"ручка", &set.HandleId}, {"замок", &set.Lock},
        {"цилиндр", &set.Cylinder}, {"доводчик", &set.Drive}, {"шпингалеты", &set.Latch}};
    out << " ";
    for (const auto& [caption, value] : parts)
        if (!value->empty()) out << " " << caption << " " << *value << ";";
    for (const std::string& extra : set.ExtraComplects) out << " доп. " << extra << ";";
    if (set.UserHandleHeight) out << " высота ручки " << set.HandleHeightValue << " мм;";
    out << "\n";
    if (!set.Properties.empty()) {
        out << "  Свойства:";
        for (const std::string& p : set.Properties) out << " " << p;
        out << "\n";
    }
}

}  // namespace

void WritePositionText(const TftfConstruction& pos, bool debug, std::ostream& out) {
    const TftfFlugel* sashes[] = {pos.Sash1.get(), pos.Sash2.get()};
    for (int n = 0; n < 2; ++n) {  // a single sash position lists its second sash empty
        const TftfFlugel& s = *sashes[n];
        std::int32_t w = 0, h = 0;
        RebateSize(s, w, h);
        out << "Створка " << n + 1 << ": фальц " << w << " x " << h << "\n";
        for (std::size_t i = 0; i < s.Sides.size(); ++i) {
            const TftfLine& l = *s.Sides[i];
            out << "  Сторона " << i + 1 << ":";
            if (l.OpenMode) out << " открывание -> " << l.RotSide + 1;
            if (l.Handled) out << " ручка " << l.HandleHeight << " мм";
            if (l.Banded) out << " петли";
            if (l.Drived) out << " привод";
            out << "\n";
        }
        if (s.FurnComp) {
            WriteSetText(*s.FurnComp, out);
            out << "  Артикул\tДлина\tКол.\tСторона\tКомплект\tКомментарий" << (debug ? "\tВывод" : "") << "\n";
            for (const auto& it : s.FurnComp->Items) {
                out << "  " << it->ArticleId << "\t" << (it->Length != 0 ? FormatFixed(it->Length, 1) : "") << "\t"
                    << it->ItemCount << "\t" << it->SideNo << "\t" << it->ParentComplect << "\t" << it->Comment;
                if (debug) out << "\t" << Flat(it->History);
                out << "\n";
            }
        }
        if (!s.Materials.empty()) {
            out << "  Материал\tКол-во\tЦена\tСтоимость\n";
            for (const auto& m : s.Materials)
                out << "  " << m->ArticleId << "\t" << FormatFixed(m->MatQuantity, 3) << "\t"
                    << FormatFixed(m->MatPrice, 4) << "\t" << FormatFixed(m->MatCost, 4) << "\n";
        }
    }
    out << "Цена позиции: " << FormatFixed(pos.Price, 4) << "\n";
}

}  // namespace ftf::cli

#include "catalogue/StorageSchema.h"

#include "common/Cp1251.h"

namespace ftf {

namespace {

FieldDef S(const char* n, int size) { return FieldDef::Str(n, size); }
FieldDef SI(const char* n) { return FieldDef::Of(n, FieldType::SmallInt); }
FieldDef I(const char* n) { return FieldDef::Of(n, FieldType::Integer); }
FieldDef B(const char* n, int decimals) { return FieldDef::Of(n, FieldType::Bcd, decimals); }

// The columns of the supplier's Catalog.DB that the program does not read.
std::vector<FieldDef> CatalogOnlyStored() {
    return {S("FrontColor", 10), S("GOST", 40), S("ShortName", 50), S("AltUnit_1", 10), S("AltUnit_2", 10),
            B("Coef", 6), B("AltCoef_1", 6), B("AltCoef_2", 6), SI("AltInteger_1"), SI("AltInteger_2"),
            SI("RoundedTotal"), I("MinLength"), I("MinWidth"), I("MinHeight"), I("MaxLength"), I("MaxWidth"),
            I("MaxHeight"), SI("Thickness"), B("Weight", 2), B("Volume", 2), SI("CutAvailable"),
            SI("CalcPrinciple"), SI("DustGrp"), I("PriceList"), SI("PriceMethod"), SI("CustomGrp"),
            SI("GetCustom"), SI("GetNDS"), I("ScreenColor"), SI("SizeToSquare"), B("ArcPriceCoef", 2),
            B("NotStdPriceCoef", 2), B("CombinePriceCoef", 2), SI("IncludeToComp"), SI("GarantGrp"),
            SI("Laminating"), S("Reserve1", 30), S("Reserve2", 30), S("Mark", 10), S("PrintGroup", 20),
            SI("SingleLam"), S("Export", 255), I("SubSetID"), B("LamSqExt", 8), B("LamSqInn", 8),
            B("LamSqFull", 8), SI("AutoChange"), SI("LenToSquare"), I("SinkDeltaW"), I("SinkDeltaL")};
}

std::vector<StoredTableDef> Build() {
    std::vector<StoredTableDef> out;
    for (const TableSchema& s : CatalogueSchemas()) {
        StoredTableDef d;
        d.alias = DbAlias::Catalog;
        d.view = s;
        if (SameTextNoCase(s.name, "Catalog.DB")) d.storedOnly = CatalogOnlyStored();
        if (SameTextNoCase(s.name, "FrnComp.DB")) d.storedOnly = {S("HingeT", 30), S("HingeB", 30), S("HingeC", 30)};
        out.push_back(std::move(d));
    }
    StoredTableDef reg;
    reg.alias = DbAlias::Registry;
    reg.view = OrderListSchema();
    auto has = [&](const char* name) {
        for (const auto& ix : reg.view.indexes)
            if (SameTextNoCase(ix.name, name)) return true;
        return false;
    };
    if (!has("Date")) reg.view.indexes.push_back(IndexDef{"Date", "RegDate", false, false});
    if (!has("CustName")) reg.view.indexes.push_back(IndexDef{"CustName", "Customer", true, false});
    if (!has("ObjName")) reg.view.indexes.push_back(IndexDef{"ObjName", "Object", true, false});
    out.push_back(std::move(reg));
    StoredTableDef rep;
    rep.alias = DbAlias::Report;
    rep.view = ReportListSchema();
    out.push_back(std::move(rep));
    return out;
}

}  // namespace

const char* AliasName(DbAlias alias) {
    switch (alias) {
        case DbAlias::Catalog: return "FMDB_Catalog";
        case DbAlias::Registry: return "FMDB_Registry";
        case DbAlias::Report: return "FMDB_Report";
    }
    return "";
}

std::string StoredTableDef::BaseName() const {
    const std::string& n = view.name;
    auto dot = n.rfind('.');
    return dot == std::string::npos ? n : n.substr(0, dot);
}

std::vector<FieldDef> StoredTableDef::StoredFields() const {
    std::vector<FieldDef> out;
    for (const auto& f : view.fields)
        if (f.kind == FieldKind::Data) out.push_back(f);
    out.insert(out.end(), storedOnly.begin(), storedOnly.end());
    return out;
}

const std::vector<StoredTableDef>& AllTableDefs() {
    static const std::vector<StoredTableDef> defs = Build();
    return defs;
}

const StoredTableDef* FindTableDef(std::string_view name) {
    std::string n(name);
    auto dot = n.rfind('.');
    if (dot != std::string::npos && SameTextNoCase(n.substr(dot), ".DB")) n.erase(dot);
    for (const auto& d : AllTableDefs())
        if (SameTextNoCase(d.BaseName(), n)) return &d;
    return nullptr;
}

}  // namespace ftf

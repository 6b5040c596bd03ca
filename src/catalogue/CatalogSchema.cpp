#include "catalogue/CatalogSchema.h"

namespace ftf {

namespace {

using T = FieldType;

FieldDef S(const char* name, int size) { return FieldDef::Str(name, size); }
FieldDef Small(const char* name) { return FieldDef::Of(name, T::SmallInt); }
FieldDef Int(const char* name) { return FieldDef::Of(name, T::Integer); }
FieldDef Bcd(const char* name, int decimals) { return FieldDef::Of(name, T::Bcd, decimals); }
FieldDef Auto(const char* name) { return FieldDef::Of(name, T::AutoInc); }
FieldDef Selected() { return FieldDef::Calc("Selected", T::Logical); }

void Smalls(std::vector<FieldDef>& out, std::initializer_list<const char*> names) {
    for (const char* n : names) out.push_back(Small(n));
}

TableSchema Make(const char* name, std::vector<FieldDef> fields, const char* primary,
                 std::vector<IndexDef> indexes = {}) {
    TableSchema s;
    s.name = name;
    s.fields = std::move(fields);
    s.primary = IndexDef{"", primary, false, true};
    s.indexes = std::move(indexes);
    return s;
}

std::vector<TableSchema> BuildCatalogue() {
    std::vector<TableSchema> out;
    out.push_back(Make("COLORSET.DB", {S("Color", 10), S("Name", 30)}, "Color"));
    out.push_back(Make("Currency.DB",
                       {Small("ID"), S("Name", 5), Bcd("Value", 0), Small("Dec"), S("Nominative", 35),
                        S("Genitive", 35), S("GenitivePlural", 35), Small("Gender"), S("DecNominative", 35),
                        S("DecGenitive", 35), S("DecGenitivePlural", 35), Small("DecGender")},
                       "ID"));
    {
        std::vector<FieldDef> f = {Small("GroupID"), S("Name", 20)};
        for (int i = 1; i <= 10; ++i) f.push_back(Bcd(("Reduce_" + std::to_string(i)).c_str(), 2));
        out.push_back(Make("PriceGrp.DB", std::move(f), "GroupID"));
    }
    out.push_back(Make("SysList.DB",
                       {S("ID", 10), Small("Group"), S("Name", 50), S("ShortName", 30), Small("Use"), Int("CommonGrp"),
                        S("BaseColor", 10)},
                       "ID"));
    out.push_back(Make("SysColor.db",
                       {S("ID", 10), S("System", 10), S("Article", 20),
                        FieldDef::Lookup("ColorName", 30, "ID", "COLORSET.DB", "Color", "Name")},
                       "ID;System", {IndexDef{"SysIndex", "System;ID", false, false}}));
    out.push_back(Make("SysProp.DB",
                       {Int("ID"), S("GroupName", 30), S("ValueName", 50), Small("Printable"), Small("Use"),
                        S("PrintName", 100)},
                       "ID"));
    out.push_back(Make("SysProf.DB", {S("SchlSysID", 10), S("FurnSysID", 10), S("Name", 50)}, "SchlSysID;FurnSysID"));
    out.push_back(Make("Catalog.DB",
                       {S("ID", 30), S("Article", 20), S("ProdArticle", 20), S("ProdArticle2", 20), S("ProdArticle3", 20),
                        Small("UseArticle"), S("Name", 100), S("Unit", 10), FieldDef::Of("Price", T::Money),
                        Small("Currency"), Small("PriceGrp"), S("System", 10), Small("Group"), Small("Use"),
                        Small("CommonUse"), Small("Integer"), Bcd("MinTrade", 2), Small("Virtual"),
                        FieldDef::Lookup("CurrencyLookup", 10, "Currency", "Currency.DB", "ID", "Name"),
                        FieldDef::Lookup("PriceGroupLookup", 20, "PriceGrp", "PriceGrp.DB", "GroupID", "Name")},
                       "ID",
                       {IndexDef{"ProdArtIndex", "ProdArticle", true, false}, IndexDef{"ProdArt2Index", "ProdArticle2", true, false},
                        IndexDef{"SysIndex", "System", true, false}, IndexDef{"NameIndex", "Name", true, false},
                        IndexDef{"GrpIndex", "Group", true, false}, IndexDef{"ArtIndex", "Article", true, false}}));
    out.push_back(Make("Material.db", {Int("ID"), S("Name", 50)}, "ID"));
    out.push_back(Make("ParamList.DB",
                       {Int("ID"), Small("Group"), S("Name", 30), Small("FalzLuft"), Small("FalzSize"), Small("FalzPos"),
                        Bcd("DornMass", 1), Small("StulpType"), Small("OpenType")},
                       "ID"));
    {
        std::vector<FieldDef> f = {S("ID", 30), S("Name", 100), Small("Group"), Small("SubGroup"), Small("Direct"),
                                   Int("CommonGrp"), Int("Material"), Small("Use"), Small("TFlugelAvailable"),
                                   Int("PropKey"), Small("Image"), Int("ScrColor"), Small("Printable"),
                                   S("PrintName", 100), Selected(), Small("Kipp"), S("SymmetricID", 30),
                                   S("MultiSysID", 10), Small("MaxWeight"), Int("DispHingeNum"), Small("CompectImage"),
                                   S("Note", 50), S("Alert", 255)};
        out.push_back(Make("FrnComp.DB", std::move(f), "ID"));
    }
    {
        std::vector<FieldDef> f = {S("ID", 30), Small("Side"), Small("MinSize"), Small("MaxSize"), Bcd("MinAngle", 2),
                                   Bcd("MaxAngle", 2)};
        Smalls(f, {"MinRadius", "MaxRadius", "FullRadius", "HalfRadius", "EllipseRadius", "HandleDirect", "OpenMode",
                   "RotSide", "Handled", "Banded", "Drived"});
        f.push_back(Selected());
        out.push_back(Make("FrnSide.DB", std::move(f), "ID;Side"));
    }
    {
        std::vector<FieldDef> f = {S("ID", 30), S("Name", 70)};
        Smalls(f, {"HasDornMass", "HasFalzLuft", "HasFalzSize", "HasFalzPos", "HasProfSys", "HasColor", "CheckWeight",
                   "CheckThickness", "CheckProfWidth", "CheckStulpType", "CheckDirect", "Virtual"});
        f.push_back(Int("CommonGrp"));
        f.push_back(Selected());
        out.push_back(Make("FrnItem.DB", std::move(f), "ID"));
    }
    {
        std::vector<FieldDef> f = {S("ID", 30), S("Item", 30), Auto("Key"), Int("PropKey"), Int("ItemSideNo"),
                                   S("UseIfArt", 30)};
        Smalls(f, {"FFBMin", "FFBMax", "FFHMin", "FFHMax", "FFL1No", "FFL1Min", "FFL1Max", "FFL2No", "FFL2Min",
                   "FFL2Max", "FFR1No", "FFR1Min", "FFR1Max", "FFR1Type", "FFR2No", "FFR2Min", "FFR2Max", "FFR2Type",
                   "FFANo"});
        f.push_back(Bcd("FFAMin", 2));
        f.push_back(Bcd("FFAMax", 2));
        Smalls(f, {"FFL21No", "FFL21Min", "FFL21Max", "FFL22No", "FFL22Min", "FFL22Max", "StulpType", "Condition",
                   "Side1No", "Side2No", "AngleNo", "ColorCondition", "Number", "ScaleCondition", "ScaleStart",
                   "ScaleStep", "ScaleNum"});
        f.push_back(S("ScaleScheme", 50));
        Smalls(f, {"Required", "DefineHandleHeight", "HandleSideNo", "UseLen"});
        f.push_back(S("LenFormula", 100));
        f.push_back(Small("MinLen"));
        f.push_back(S("Note", 50));
        f.push_back(S("AlertIfNoArt", 100));
        f.push_back(S("AlertIfIgnore", 100));
        f.push_back(FieldDef::Lookup("ItemLookup", 70, "Item", "FrnItem.DB", "ID", "Name"));
        f.push_back(FieldDef::Calc("StulpTypeLookup", T::String, 50));
        f.push_back(FieldDef::Calc("RadiusType1Lookup", T::String, 50));
        f.push_back(FieldDef::Calc("RadiusType2Lookup", T::String, 50));
        f.push_back(Selected());
        out.push_back(Make("FrnSet.DB", std::move(f), "ID;Item;Key"));
    }
    {
        std::vector<FieldDef> f = {S("ID", 30), S("CatalogID", 30), Auto("Key")};
        Smalls(f, {"FFBMin", "FFBMax", "FFHMin", "FFHMax", "FFL1Min", "FFL1Max", "FFL2Min", "FFL2Max", "FFR1Min",
                   "FFR1Max", "FFR2Min", "FFR2Max"});
        f.push_back(Bcd("FFAMin", 2));
        f.push_back(Bcd("FFAMax", 2));
        Smalls(f, {"FalzLuft", "FalzSize", "FalzPos"});
        f.push_back(Bcd("DornMassMin", 2));
        f.push_back(Bcd("DornMassMax", 2));
        f.push_back(Bcd("WeightMin", 2));
        f.push_back(Bcd("WeightMax", 2));
        Smalls(f, {"ThicknessMin", "ThicknessMax", "ProfWidthMin", "ProfWidthMax"});
        f.push_back(S("ProfSys", 10));
        Smalls(f, {"StulpType", "Direct"});
        f.push_back(S("Color", 10));
        Smalls(f, {"HandleHeight", "HandleMin", "HandleMax"});
        // Shown as a calculated column in the old program; it is the article's catalogue name.
        f.push_back(FieldDef::Lookup("CatalogNameLookup", 50, "CatalogID", "Catalog.DB", "ID", "Name"));
        f.push_back(Selected());
        out.push_back(Make("FrnArt.DB", std::move(f), "ID;CatalogID;Key"));
    }
    out.push_back(Make("FrnSchl.DB",
                       {S("CatalogID", 30), S("Item", 30), Auto("Key"), Small("Number"), Small("StulpType"),
                        Int("PropKey"), Int("ItemSideNo"), S("ItemComplectID", 30),
                        FieldDef::Lookup("NameLookup", 50, "Item", "FrnItem.DB", "ID", "Name"), Selected()},
                       "CatalogID;Item;Key"));
    out.push_back(Make("FrnDop.DB",
                       {S("CatalogID", 30), S("AccessoryID", 30), Auto("Key"), Small("Number"), Int("PropKey"),
                        Small("StulpType"), Int("ItemSideNo"), S("ItemComplectID", 30),
                        FieldDef::Lookup("NameLookup", 50, "AccessoryID", "Catalog.DB", "ID", "Name"), Selected()},
                       "CatalogID;AccessoryID;Key"));
    // FrnAbd has no row number; its rows are kept in the order they came, indexed on CatalogID.
    out.push_back(Make("FrnAbd.DB",
                       {S("CatalogID", 30), S("Color", 10), S("AccessoryID", 30), Small("Number"), Int("ItemSideNo"),
                        S("ItemComplectID", 30),
                        FieldDef::Lookup("NameLookup", 50, "AccessoryID", "Catalog.DB", "ID", "Name"), Selected()},
                       "", {IndexDef{"CatalogIndex", "CatalogID", false, false}}));
    out.push_back(Make("FrnProp.db",
                       {Int("PropKey"), Int("ID"), Small("Default"),
                        FieldDef::Lookup("NameLookup", 80, "ID", "SysProp.DB", "ID", "ValueName"), Selected()},
                       "PropKey;ID"));
    // FrnItoI may list one sub-element twice (other stulp types): no unique key, indexed on ID.
    out.push_back(Make("FrnItoI.DB",
                       {S("ID", 30), S("Item", 30), Int("PropKey"), Small("Number"), Small("StulpType"),
                        Small("ColorCondition"), Small("Required"), S("AlertIfNoArt", 100), S("AlertIfIgnore", 100),
                        S("Note", 100), Int("ItemSideNo")},
                       "", {IndexDef{"IDIndex", "ID", false, false}}));
    return out;
}

}  // namespace

const std::vector<TableSchema>& CatalogueSchemas() {
    static const std::vector<TableSchema> schemas = BuildCatalogue();
    return schemas;
}

const TableSchema& OrderListSchema() {
    static const TableSchema s = Make("OrderLst.DB",
                                      {S("No", 30), FieldDef::Of("RegDate", T::Date), S("Customer", 40), S("Object", 40),
                                       S("Address", 80), S("Phone", 40), FieldDef::Of("Cost", T::Money),
                                       Small("Currency"), S("OrderFile", 255), S("Note", 255), Selected()},
                                      "No");
    return s;
}

const TableSchema& ReportListSchema() {
    static const TableSchema s = Make("Report.db",
                                      {Small("Group"), Small("SubGroup"), Small("USE"), S("Name", 100),
                                       S("FileName", 100), Small("Default"), Small("Copies")},
                                      "");
    return s;
}

const TableSchema* FindSchema(std::string_view tableName) {
    for (const TableSchema& s : CatalogueSchemas())
        if (SameFieldName(s.name, tableName)) return &s;
    if (SameFieldName(OrderListSchema().name, tableName)) return &OrderListSchema();
    if (SameFieldName(ReportListSchema().name, tableName)) return &ReportListSchema();
    return nullptr;
}

const std::vector<DatasetDef>& CatalogueDatasets() {
    static const std::vector<DatasetDef> defs = {
        {"T_Color", "COLORSET.DB", "", "", "DS_Color"},
        {"T_Currency", "Currency.DB", "", "", "DS_Currency"},
        {"T_PriceGrp", "PriceGrp.DB", "", "", "DS_PriceGrp"},
        {"T_SysList", "SysList.DB", "", "", "DS_SysList"},
        {"T_SysColor", "SysColor.db", "", "", "DM_SysColor"},
        {"T_SysProp", "SysProp.DB", "", "", "DS_SysProp"},
        {"T_SysProf", "SysProf.DB", "", "", ""},
        {"T_Catalog", "Catalog.DB", "", "", "DS_Catalog"},
        {"T_Material", "Material.db", "", "ID <> 0", "DS_Material"},
        {"T_FalzList", "ParamList.DB", "", "ID >= 100 and ID <= 199", "DS_FalzList"},
        {"T_DornList", "ParamList.DB", "", "ID >= 200 and ID <= 299", "DS_DornList"},
        {"T_StulpList", "ParamList.DB", "", "ID >= 300 and ID <= 399", "DS_StulpList"},
        {"T_OpenList", "ParamList.DB", "", "ID >= 400 and ID <= 499", "DS_OpenList"},
        {"T_FrnComp", "FrnComp.DB", "", "", "DS_FrnComp"},
        {"T_FrnSide", "FrnSide.DB", "ID", "", "DS_FrnSide"},
        {"T_FrnItem", "FrnItem.DB", "", "", "DS_FrnItem"},
        {"T_FrnSet", "FrnSet.DB", "ID", "", "DS_FrnSet"},
        {"T_FrnArt", "FrnArt.DB", "ID", "", "DS_FrnArt"},
        {"T_FrnSchl", "FrnSchl.DB", "CatalogID", "", "DS_FrnSchl"},
        {"T_FrnDop", "FrnDop.DB", "CatalogID", "", "DS_FrnDop"},
        {"T_FrnAbd", "FrnAbd.DB", "CatalogID", "", "DS_FrnAbd"},
        {"T_FrnProp", "FrnProp.db", "", "", "DS_FrnProp"},
        {"T_FrnItoI", "FrnItoI.DB", "ID", "", "DS_FrnItoI"},
        {"T_OrderList", "OrderLst.DB", "", "", "DS_OrderList"},
    };
    return defs;
}

}  // namespace ftf

#include "catalogue/CatalogSchema.h"

#include "common/Cp1251.h"
#include "common/Error.h"

namespace ftf {

namespace {

FieldDef S(const char* n, int size) { return FieldDef::Str(n, size); }
FieldDef SI(const char* n) { return FieldDef::Of(n, FieldType::SmallInt); }
FieldDef I(const char* n) { return FieldDef::Of(n, FieldType::Integer); }
FieldDef B(const char* n, int decimals) { return FieldDef::Of(n, FieldType::Bcd, decimals); }
FieldDef M(const char* n) { return FieldDef::Of(n, FieldType::Money); }
FieldDef AI(const char* n) { return FieldDef::Of(n, FieldType::AutoInc); }
FieldDef D(const char* n) { return FieldDef::Of(n, FieldType::Date); }
FieldDef Sel() { return FieldDef::Calc("Selected", FieldType::Logical); }
FieldDef CalcS(const char* n, int size) { return FieldDef::Calc(n, FieldType::String, size); }
FieldDef Lk(const char* n, int size, const char* keyField, const char* table, const char* key, const char* result) {
    return FieldDef::Lookup(n, size, keyField, table, key, result);
}
IndexDef Pk(const char* fields) { return IndexDef{"", fields, false, true}; }
IndexDef Ix(const char* name, const char* fields, bool nocase = false) { return IndexDef{name, fields, nocase, false}; }

StoredTableDef Def(DbAlias alias, const char* name, std::vector<FieldDef> fields, IndexDef primary,
                   std::vector<IndexDef> indexes = {}, std::vector<FieldDef> storedOnly = {}) {
    StoredTableDef d;
    d.alias = alias;
    d.view.name = name;
    d.view.fields = std::move(fields);
    d.view.primary = std::move(primary);
    d.view.indexes = std::move(indexes);
    d.storedOnly = std::move(storedOnly);
    return d;
}

std::vector<FieldDef> Cat(std::vector<FieldDef> a, const std::vector<FieldDef>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<StoredTableDef> BuildDefs() {
    const DbAlias C = DbAlias::Catalog;
    std::vector<StoredTableDef> defs;

    defs.push_back(Def(C, "COLORSET.DB", {S("Color", 10), S("Name", 30)}, Pk("Color")));

    defs.push_back(Def(C, "Currency.DB",
                       {SI("ID"), S("Name", 5), B("Value", 4), SI("Dec"), S("Nominative", 35),
                        S("Genitive", 35), S("GenitivePlural", 35), SI("Gender"), S("DecNominative", 35),
                        S("DecGenitive", 35), S("DecGenitivePlural", 35), SI("DecGender")},
                       Pk("ID")));

    {
        std::vector<FieldDef> f{SI("GroupID"), S("Name", 20)};
        for (int i = 1; i <= 10; ++i) f.push_back(B(("Reduce_" + std::to_string(i)).c_str(), 2));
        defs.push_back(Def(C, "PriceGrp.DB", std::move(f), Pk("GroupID")));
    }

    defs.push_back(Def(C, "SysList.DB",
                       {S("ID", 10), SI("Group"), S("Name", 50), S("ShortName", 30), SI("Use"), I("CommonGrp"),
                        S("BaseColor", 10)},
                       Pk("ID")));

    defs.push_back(Def(C, "SysColor.db",
                       {S("ID", 10), S("System", 10), S("Article", 20),
                        Lk("ColorName", 30, "ID", "COLORSET.DB", "Color", "Name")},
                       Pk("ID;System"), {Ix("SysIndex", "System;ID")}));

    defs.push_back(Def(C, "SysProp.DB",
                       {I("ID"), S("GroupName", 30), S("ValueName", 50), SI("Printable"), SI("Use"), S("PrintName", 100)},
                       Pk("ID")));

    defs.push_back(Def(C, "SysProf.DB", {S("SchlSysID", 10), S("FurnSysID", 10), S("Name", 50)},
                       Pk("SchlSysID;FurnSysID")));

    defs.push_back(Def(C, "Catalog.DB",
                       {S("ID", 30), S("Article", 20), S("ProdArticle", 20), S("ProdArticle2", 20),
                        S("ProdArticle3", 20), SI("UseArticle"), S("Name", 100), S("Unit", 10), M("Price"),
                        SI("Currency"), SI("PriceGrp"), S("System", 10), SI("Group"), SI("Use"), SI("CommonUse"),
                        SI("Integer"), B("MinTrade", 2), SI("Virtual"),
                        Lk("CurrencyLookup", 10, "Currency", "Currency.DB", "ID", "Name"),
                        Lk("PriceGroupLookup", 20, "PriceGrp", "PriceGrp.DB", "GroupID", "Name")},
                       Pk("ID"),
                       {Ix("ProdArtIndex", "ProdArticle", true), Ix("ProdArt2Index", "ProdArticle2", true),
                        Ix("SysIndex", "System", true), Ix("NameIndex", "Name", true), Ix("GrpIndex", "Group", true),
                        Ix("ArtIndex", "Article", true)},
                       {S("FrontColor", 10), S("GOST", 40), S("ShortName", 50), S("AltUnit_1", 10),
                        S("AltUnit_2", 10), B("Coef", 6), B("AltCoef_1", 6), B("AltCoef_2", 6), SI("AltInteger_1"),
                        SI("AltInteger_2"), SI("RoundedTotal"), I("MinLength"), I("MinWidth"), I("MinHeight"),
                        I("MaxLength"), I("MaxWidth"), I("MaxHeight"), SI("Thickness"), B("Weight", 2),
                        B("Volume", 2), SI("CutAvailable"), SI("CalcPrinciple"), SI("DustGrp"), I("PriceList"),
                        SI("PriceMethod"), SI("CustomGrp"), SI("GetCustom"), SI("GetNDS"), I("ScreenColor"),
                        SI("SizeToSquare"), B("ArcPriceCoef", 2), B("NotStdPriceCoef", 2), B("CombinePriceCoef", 2),
                        SI("IncludeToComp"), SI("GarantGrp"), SI("Laminating"), S("Reserve1", 30), S("Reserve2", 30),
                        S("Mark", 10), S("PrintGroup", 20), SI("SingleLam"), S("Export", 255), I("SubSetID"),
                        B("LamSqExt", 8), B("LamSqInn", 8), B("LamSqFull", 8), SI("AutoChange"), SI("LenToSquare"),
                        I("SinkDeltaW"), I("SinkDeltaL")}));

    defs.push_back(Def(C, "Material.db", {I("ID"), S("Name", 50)}, Pk("ID")));

    defs.push_back(Def(C, "ParamList.DB",
                       {I("ID"), SI("Group"), S("Name", 30), SI("FalzLuft"), SI("FalzSize"), SI("FalzPos"),
                        B("DornMass", 1), SI("StulpType"), SI("OpenType")},
                       Pk("ID")));

    defs.push_back(Def(C, "FrnComp.DB",
                       {S("ID", 30), S("Name", 100), SI("Group"), SI("SubGroup"), SI("Direct"), I("CommonGrp"),
                        I("Material"), SI("Use"), SI("TFlugelAvailable"), I("PropKey"), SI("Image"), I("ScrColor"),
                        SI("Printable"), S("PrintName", 100), SI("Kipp"), S("SymmetricID", 30), S("MultiSysID", 10),
                        SI("MaxWeight"), I("DispHingeNum"), SI("CompectImage"), S("Note", 50), S("Alert", 255), Sel()},
                       Pk("ID"), {}, {S("HingeT", 30), S("HingeB", 30), S("HingeC", 30)}));

    defs.push_back(Def(C, "FrnSide.DB",
                       {S("ID", 30), SI("Side"), SI("MinSize"), SI("MaxSize"), B("MinAngle", 2), B("MaxAngle", 2),
                        SI("MinRadius"), SI("MaxRadius"), SI("FullRadius"), SI("HalfRadius"), SI("EllipseRadius"),
                        SI("HandleDirect"), SI("OpenMode"), SI("RotSide"), SI("Handled"), SI("Banded"), SI("Drived"),
                        Sel()},
                       Pk("ID;Side"), {Ix("ID", "ID")}));

    defs.push_back(Def(C, "FrnItem.DB",
                       {S("ID", 30), S("Name", 70), SI("HasDornMass"), SI("HasFalzLuft"), SI("HasFalzSize"),
                        SI("HasFalzPos"), SI("HasProfSys"), SI("HasColor"), SI("CheckWeight"), SI("CheckThickness"),
                        SI("CheckProfWidth"), SI("CheckStulpType"), SI("CheckDirect"), SI("Virtual"), I("CommonGrp"),
                        Sel()},
                       Pk("ID")));

    defs.push_back(Def(C, "FrnSet.DB",
                       {S("ID", 30), S("Item", 30), AI("Key"), I("PropKey"), I("ItemSideNo"), S("UseIfArt", 30),
                        SI("FFBMin"), SI("FFBMax"), SI("FFHMin"), SI("FFHMax"), SI("FFL1No"), SI("FFL1Min"),
                        SI("FFL1Max"), SI("FFL2No"), SI("FFL2Min"), SI("FFL2Max"), SI("FFR1No"), SI("FFR1Min"),
                        SI("FFR1Max"), SI("FFR1Type"), SI("FFR2No"), SI("FFR2Min"), SI("FFR2Max"), SI("FFR2Type"),
                        SI("FFANo"), B("FFAMin", 2), B("FFAMax", 2), SI("FFL21No"), SI("FFL21Min"), SI("FFL21Max"),
                        SI("FFL22No"), SI("FFL22Min"), SI("FFL22Max"), SI("StulpType"), SI("Condition"),
                        SI("Side1No"), SI("Side2No"), SI("AngleNo"), SI("ColorCondition"), SI("Number"),
                        SI("ScaleCondition"), SI("ScaleStart"), SI("ScaleStep"), SI("ScaleNum"), S("ScaleScheme", 50),
                        SI("Required"), SI("DefineHandleHeight"), SI("HandleSideNo"), SI("UseLen"),
                        S("LenFormula", 100), SI("MinLen"), S("Note", 50), S("AlertIfNoArt", 100),
                        S("AlertIfIgnore", 100), Lk("ItemLookup", 70, "Item", "FrnItem.DB", "ID", "Name"),
                        CalcS("StulpTypeLookup", 50), CalcS("RadiusType1Lookup", 50), CalcS("RadiusType2Lookup", 50),
                        Sel()},
                       Pk("ID;Item;Key"), {Ix("ID", "ID")}));

    defs.push_back(Def(C, "FrnArt.DB",
                       {S("ID", 30), S("CatalogID", 30), AI("Key"), SI("FFBMin"), SI("FFBMax"), SI("FFHMin"),
                        SI("FFHMax"), SI("FFL1Min"), SI("FFL1Max"), SI("FFL2Min"), SI("FFL2Max"), SI("FFR1Min"),
                        SI("FFR1Max"), SI("FFR2Min"), SI("FFR2Max"), B("FFAMin", 2), B("FFAMax", 2), SI("FalzLuft"),
                        SI("FalzSize"), SI("FalzPos"), B("DornMassMin", 2), B("DornMassMax", 2), B("WeightMin", 2),
                        B("WeightMax", 2), SI("ThicknessMin"), SI("ThicknessMax"), SI("ProfWidthMin"),
                        SI("ProfWidthMax"), S("ProfSys", 10), SI("StulpType"), SI("Direct"), S("Color", 10),
                        SI("HandleHeight"), SI("HandleMin"), SI("HandleMax"),
                        Lk("CatalogNameLookup", 50, "CatalogID", "Catalog.DB", "ID", "Name"), Sel()},
                       Pk("ID;CatalogID;Key"), {Ix("ID", "ID")}));

    defs.push_back(Def(C, "FrnSchl.DB",
                       {S("CatalogID", 30), S("Item", 30), AI("Key"), SI("Number"), SI("StulpType"), I("PropKey"),
                        I("ItemSideNo"), S("ItemComplectID", 30),
                        Lk("NameLookup", 50, "Item", "FrnItem.DB", "ID", "Name"), Sel()},
                       Pk("CatalogID;Item;Key"), {Ix("CatalogID", "CatalogID")}));

    defs.push_back(Def(C, "FrnDop.DB",
                       {S("CatalogID", 30), S("AccessoryID", 30), AI("Key"), SI("Number"), I("PropKey"),
                        SI("StulpType"), I("ItemSideNo"), S("ItemComplectID", 30),
                        Lk("NameLookup", 50, "AccessoryID", "Catalog.DB", "ID", "Name"), Sel()},
                       Pk("CatalogID;AccessoryID;Key"), {Ix("CatalogID", "CatalogID")}));

    // No key of its own: the same cover may be listed twice for different sides.
    defs.push_back(Def(C, "FrnAbd.DB",
                       {S("CatalogID", 30), S("Color", 10), S("AccessoryID", 30), SI("Number"), I("ItemSideNo"),
                        S("ItemComplectID", 30), Lk("NameLookup", 50, "AccessoryID", "Catalog.DB", "ID", "Name"),
                        Sel()},
                       IndexDef{}, {Ix("CatalogID", "CatalogID")}));

    defs.push_back(Def(C, "FrnProp.db",
                       {I("PropKey"), I("ID"), SI("Default"), Lk("NameLookup", 80, "ID", "SysProp.DB", "ID", "ValueName"),
                        Sel()},
                       Pk("PropKey;ID")));

    defs.push_back(Def(C, "FrnItoI.DB",
                       {S("ID", 30), S("Item", 30), I("PropKey"), SI("Number"), SI("StulpType"), SI("ColorCondition"),
                        SI("Required"), S("AlertIfNoArt", 100), S("AlertIfIgnore", 100), S("Note", 100),
                        I("ItemSideNo")},
                       Pk("ID;Item;PropKey")));

    defs.push_back(Def(DbAlias::Registry, "OrderLst.DB",
                       {S("No", 30), D("RegDate"), S("Customer", 40), S("Object", 40), S("Address", 80),
                        S("Phone", 40), M("Cost"), SI("Currency"), S("OrderFile", 255), S("Note", 255), Sel()},
                       Pk("No"),
                       {Ix("Date", "RegDate"), Ix("CustName", "Customer", true), Ix("ObjName", "Object", true)}));

    defs.push_back(Def(DbAlias::Report, "Report.db",
                       {SI("Group"), SI("SubGroup"), SI("USE"), S("Name", 100), S("FileName", 100), SI("Default"),
                        SI("Copies")},
                       IndexDef{}));
    return defs;
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
    return Cat(std::move(out), storedOnly);
}

const std::vector<StoredTableDef>& AllTableDefs() {
    static const std::vector<StoredTableDef> defs = BuildDefs();
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

const TableSchema& CatalogSchema(std::string_view name) {
    const StoredTableDef* d = FindTableDef(name);
    if (!d) throw FtfError("Неизвестная таблица [" + std::string(name) + "]");
    return d->view;
}

}  // namespace ftf

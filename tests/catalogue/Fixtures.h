#pragma once
// Small tables shaped like the catalogue's, for the table store tests.

#include <memory>
#include <string>
#include <vector>

#include "catalogue/Table.h"
#include "catalogue/TableData.h"

namespace ftf::test {

// Article rules: FrnArt-like, indexed on ID (primary ID;CatalogID;Key).
inline TableSchema ArtSchema() {
    TableSchema s;
    s.name = "FrnArt.DB";
    s.fields = {
        FieldDef::Str("ID", 30),
        FieldDef::Str("CatalogID", 30),
        FieldDef::Of("Key", FieldType::AutoInc),
        FieldDef::Of("FFBMin", FieldType::SmallInt),
        FieldDef::Of("FFBMax", FieldType::SmallInt),
        FieldDef::Of("FalzLuft", FieldType::SmallInt),
        FieldDef::Of("DornMassMin", FieldType::Bcd, 2),
        FieldDef::Of("DornMassMax", FieldType::Bcd, 2),
        FieldDef::Of("Direct", FieldType::SmallInt),
        FieldDef::Str("Color", 10),
        FieldDef::Of("HandleHeight", FieldType::SmallInt),
        FieldDef::Lookup("CatalogNameLookup", 50, "CatalogID", "Catalog.DB", "ID", "Name"),
        FieldDef::Calc("Selected", FieldType::Logical),
    };
    s.primary = IndexDef{"", "ID;CatalogID;Key", false, true};
    s.indexes = {IndexDef{"IDIndex", "ID", false, false}};
    return s;
}

inline RowValues Row(std::initializer_list<Value> v) { return RowValues(v); }

// Articles: Catalog-like with a case-insensitive name index and money prices.
inline TableSchema CatalogSchema() {
    TableSchema s;
    s.name = "Catalog.DB";
    s.fields = {
        FieldDef::Str("ID", 30),
        FieldDef::Str("Name", 100),
        FieldDef::Of("Price", FieldType::Money),
        FieldDef::Of("Currency", FieldType::SmallInt),
        FieldDef::Of("Group", FieldType::SmallInt),
        FieldDef::Of("MinTrade", FieldType::Bcd, 2),
        FieldDef::Of("Virtual", FieldType::SmallInt),
        FieldDef::Of("Changed", FieldType::Date),
        FieldDef::Of("Integer", FieldType::Logical),
        FieldDef::Of("Picture", FieldType::Blob),
    };
    s.primary = IndexDef{"", "ID", false, true};
    s.indexes = {IndexDef{"NameIndex", "Name", true, false}, IndexDef{"GrpIndex", "Group", true, false}};
    return s;
}

inline std::shared_ptr<TableData> MakeData(TableSchema s, const std::vector<RowValues>& rows) {
    auto d = std::make_shared<TableData>(std::move(s));
    for (const auto& r : rows) d->LoadRow(r);
    return d;
}

// The values of one field over the whole view, in view order.
inline std::vector<std::string> ColumnTexts(Table& t, const std::string& field) {
    std::vector<std::string> out;
    for (t.First(); !t.Eof(); t.Next()) out.push_back(t.AsText(field));
    return out;
}

}  // namespace ftf::test

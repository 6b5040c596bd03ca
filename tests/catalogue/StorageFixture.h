#pragma once
// Folders for the storage tests: a unique temporary folder, and Paradox catalogue tables written
// from their schema with a few rows given by field name.

#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "../common/TempDir.h"
#include "catalogue/StorageSchema.h"
#include "catalogue/ParadoxReader.h"
#include "catalogue/ParadoxWriter.h"

namespace ftf::test {

using StorageDir = TempDir;

using FieldValues = std::map<std::string, std::string>;

/// The Paradox field list of a table's stored fields (plus `extra` fields appended).
inline std::vector<ParadoxFieldSpec> ParadoxFieldsOf(const StoredTableDef& def, bool withStoredOnly = true) {
    std::vector<ParadoxFieldSpec> out;
    auto fields = withStoredOnly ? def.StoredFields() : std::vector<FieldDef>{};
    if (!withStoredOnly)
        for (const auto& f : def.view.fields)
            if (f.kind == FieldKind::Data) fields.push_back(f);
    for (const auto& f : fields) {
        ParadoxFieldSpec s;
        s.name = f.name;
        switch (f.type) {
            case FieldType::String: s.type = pxAlpha; s.size = f.size; break;
            case FieldType::SmallInt: s.type = pxShort; break;
            case FieldType::Integer: s.type = pxLong; break;
            case FieldType::AutoInc: s.type = pxAutoInc; break;
            case FieldType::Bcd: s.type = pxBcd; s.decimals = f.decimals; break;
            case FieldType::Money: s.type = pxCurrency; break;
            case FieldType::Date: s.type = pxDate; break;
            case FieldType::Logical: s.type = pxLogical; break;
            default: s.type = pxNumber; break;
        }
        out.push_back(s);
    }
    return out;
}

/// Writes `table` (as named in the schema, or under `fileName`) into `dir` with the given rows.
/// A BCD field is written with the decimals the supplier's files have where the schema leaves
/// them open (Currency.Value, 4).
inline std::string WriteTable(const std::string& dir, const std::string& table, const std::vector<FieldValues>& rows,
                              const std::string& fileName = {}) {
    const StoredTableDef* def = FindTableDef(table);
    auto fields = ParadoxFieldsOf(*def);
    for (auto& f : fields)
        if (f.type == pxBcd && f.decimals == 0) f.decimals = 4;
    std::vector<std::vector<std::string>> cells;
    for (const auto& r : rows) {
        std::vector<std::string> row;
        for (const auto& f : fields) {
            auto it = r.find(f.name);
            row.push_back(it == r.end() ? std::string() : it->second);
        }
        cells.push_back(std::move(row));
    }
    std::string path = dir + "/" + (fileName.empty() ? def->view.name : fileName);
    WriteParadoxTable(path, fields, cells);
    return path;
}

/// Writes every catalogue table (empty) except those named in `skip`.
inline void WriteEmptyCatalogue(const std::string& dir, const std::vector<std::string>& skip = {}) {
    for (const auto& def : AllTableDefs()) {
        if (def.alias != DbAlias::Catalog) continue;
        bool skipped = false;
        for (const auto& s : skip) skipped = skipped || s == def.view.name;
        if (!skipped) WriteTable(dir, def.view.name, {});
    }
}

}  // namespace ftf::test

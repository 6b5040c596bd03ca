#include "catalogue/FieldDef.h"

#include "common/Cp1251.h"

namespace ftf {

const char* FieldTypeName(FieldType t) {
    switch (t) {
    case FieldType::String: return "string";
    case FieldType::SmallInt: return "smallint";
    case FieldType::Integer: return "integer";
    case FieldType::AutoInc: return "autoinc";
    case FieldType::Number: return "number";
    case FieldType::Bcd: return "BCD";
    case FieldType::Money: return "money";
    case FieldType::Date: return "date";
    case FieldType::Logical: return "logical";
    case FieldType::Memo: return "memo";
    case FieldType::Blob: return "blob";
    }
    return "?";
}

bool IsIntegerType(FieldType t) {
    return t == FieldType::SmallInt || t == FieldType::Integer || t == FieldType::AutoInc ||
           t == FieldType::Date || t == FieldType::Logical;
}

bool IsRealType(FieldType t) { return t == FieldType::Number || t == FieldType::Bcd; }

bool IsTextType(FieldType t) { return t == FieldType::String || t == FieldType::Memo; }

bool SameFieldName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        // Cyrillic letters of one case may differ in UTF-8 length only outside the code page;
        // names are ASCII in practice, so a size mismatch is decided by the full comparison.
        return SameTextNoCase(a, b);
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x == y) continue;
        if (x >= 0x80 || y >= 0x80) return SameTextNoCase(a, b);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

int TableSchema::FindField(std::string_view n) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (SameFieldName(fields[i].name, n)) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> SplitFieldList(std::string_view list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos) end = list.size();
        std::string_view part = list.substr(start, end - start);
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        if (!part.empty()) out.emplace_back(part);
        start = end + 1;
    }
    return out;
}

}  // namespace ftf

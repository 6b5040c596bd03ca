#include "catalogue/TableText.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "common/Error.h"

namespace ftf {

namespace {

std::string Escaped(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out;
}

std::string MoneyText(std::int64_t raw) {
    const bool neg = raw < 0;
    const std::uint64_t a = neg ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%" PRIu64 ".%04" PRIu64, neg ? "-" : "", a / 10000, a % 10000);
    return buf;
}

}  // namespace

std::string FieldText(const FieldDef& f, const Value& v) {
    switch (f.type) {
        case FieldType::String:
        case FieldType::Memo: return Escaped(v.AsText());
        case FieldType::Blob: return Escaped(v.RawText());
        case FieldType::SmallInt:
        case FieldType::Integer:
        case FieldType::AutoInc: return std::to_string(v.AsInt());
        case FieldType::Logical: return v.AsBool() ? "1" : "0";
        case FieldType::Date: return v.IsBlank() ? std::string() : FormatOleDate(static_cast<std::int32_t>(v.AsInt()));
        case FieldType::Money: return MoneyText(v.AsMoney().Raw());
        case FieldType::Bcd:
            if (f.decimals > 0) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.*f", f.decimals, v.AsReal());
                std::string s = buf;
                if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);  // no "-0.00"
                return s;
            }
            return FormatReal(v.AsReal());
        case FieldType::Number: return FormatReal(v.AsReal());
    }
    return v.AsText();
}

std::vector<int> DefaultColumns(const Table& table) {
    std::vector<int> out;
    for (int i = 0; i < table.FieldCount(); ++i)
        if (table.Field(i).kind == FieldKind::Data) out.push_back(i);
    for (int i = 0; i < table.FieldCount(); ++i)
        if (table.Field(i).kind == FieldKind::Lookup) out.push_back(i);
    return out;
}

std::vector<int> NamedColumns(const Table& table, std::string_view list) {
    std::vector<int> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        std::string name(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(0, 1);
        if (!name.empty()) {
            int f = table.FieldIndex(name);
            if (f < 0) throw FtfError("Поле [" + name + "] не найдено в таблице [" + table.Data().Name() + "]");
            out.push_back(f);
        }
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (out.empty()) throw FtfError("Не указаны поля");
    return out;
}

long WriteTableText(Table& table, const std::vector<int>& columns, std::ostream& out) {
    for (std::size_t k = 0; k < columns.size(); ++k) out << (k ? "\t" : "") << table.Field(columns[k]).name;
    out << '\n';
    long n = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        for (std::size_t k = 0; k < columns.size(); ++k)
            out << (k ? "\t" : "") << FieldText(table.Field(columns[k]), table.Get(columns[k]));
        out << '\n';
        ++n;
    }
    return n;
}

}  // namespace ftf

#pragma once
// Field and index definitions of a table, and the schema that gathers them. A schema is plain
// data: the catalogue's table layouts are written as schemas, the storage creates its tables
// from them, and TableData builds its columns and indexes from one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ftf {

/// Paradox field types as the program sees them.
enum class FieldType : std::uint8_t {
    String,    ///< text of at most `size` characters (Windows-1251 on disk, UTF-8 in memory)
    SmallInt,  ///< signed 16-bit
    Integer,   ///< signed 32-bit
    AutoInc,   ///< signed 32-bit, assigned by the table on insert when left blank
    Number,    ///< double
    Bcd,       ///< decimal with `decimals` fraction digits, held as a double
    Money,     ///< fixed point, four decimals (ftf::Money)
    Date,      ///< OLE day count
    Logical,   ///< true / false
    Memo,      ///< long text; never indexed, not usable in filters
    Blob,      ///< opaque bytes; never indexed, not usable in filters
};

/// Where a field's value comes from.
enum class FieldKind : std::uint8_t {
    Data,        ///< stored in the table
    Lookup,      ///< read from another table by a key held in this one
    Calculated,  ///< not stored; `Selected` shows the record's mark, others read blank
};

/// Name of a FieldType ("string", "smallint", ...), for messages.
const char* FieldTypeName(FieldType t);
/// True for the types held as whole numbers (SmallInt, Integer, AutoInc, Date, Logical).
bool IsIntegerType(FieldType t);
/// True for the types held as reals (Number, Bcd).
bool IsRealType(FieldType t);
/// True for String and Memo.
bool IsTextType(FieldType t);

struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int size = 0;      ///< characters of a String field; 0 for the other types
    int decimals = 0;  ///< fraction digits a Bcd field keeps on edits (0: kept as given)
    FieldKind kind = FieldKind::Data;
    // A lookup field reads `lookupResult` of the row of table `lookupTable` whose field
    // `lookupKey` equals this row's `keyField` (the lookup table is bound at run time).
    std::string keyField;
    std::string lookupTable;
    std::string lookupKey;
    std::string lookupResult;

    static FieldDef Str(std::string n, int size) { FieldDef f; f.name = std::move(n); f.type = FieldType::String; f.size = size; return f; }
    static FieldDef Of(std::string n, FieldType t, int decimals = 0) { FieldDef f; f.name = std::move(n); f.type = t; f.decimals = decimals; return f; }
    static FieldDef Lookup(std::string n, int size, std::string keyField, std::string table, std::string key, std::string result) {
        FieldDef f = Str(std::move(n), size);
        f.kind = FieldKind::Lookup;
        f.keyField = std::move(keyField);
        f.lookupTable = std::move(table);
        f.lookupKey = std::move(key);
        f.lookupResult = std::move(result);
        return f;
    }
    static FieldDef Calc(std::string n, FieldType t, int size = 0) { FieldDef f; f.name = std::move(n); f.type = t; f.size = size; f.kind = FieldKind::Calculated; return f; }
};

/// An index: an order of the rows by the fields in `fields` (a ";"-separated list as the old
/// program wrote it, e.g. "ID;Side"). Ties are broken by the primary key and then by the order
/// in which the rows were added, as the old tables kept them.
struct IndexDef {
    std::string name;    ///< "" for the primary key
    std::string fields;  ///< "ID;CatalogID;Key"
    bool caseInsensitive = false;
    bool unique = false;  ///< the primary key is always unique
};

struct TableSchema {
    std::string name;  ///< table file name as the old program knew it ("FrnSet.DB")
    std::vector<FieldDef> fields;
    IndexDef primary;  ///< empty `fields`: the table has no primary key
    std::vector<IndexDef> indexes;

    /// Index of the field named `name` (compared without regard to case), or -1.
    int FindField(std::string_view name) const;
};

/// Splits a field list at ";" and trims blanks ("ID; Side" -> {"ID", "Side"}).
std::vector<std::string> SplitFieldList(std::string_view list);
/// ASCII/Cyrillic case-insensitive equality of field names.
bool SameFieldName(std::string_view a, std::string_view b);

}  // namespace ftf

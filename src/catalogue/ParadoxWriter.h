#pragma once
// Writing small Paradox tables with pxlib: fixtures for tests and the developer tool
// tools/paradox-write. The program itself never writes Paradox files.

#include <string>
#include <vector>

namespace ftf {

struct ParadoxFieldSpec {
    std::string name;
    int type = 0;      ///< a ParadoxType code
    int size = 0;      ///< alpha and bytes: bytes; memo: bytes kept in the record (the rest is blank)
    int decimals = 0;  ///< BCD
};

/// Reads a field list "ID:A30;Side:S;Angle:#2" (types: A<n> alpha, S short, I long, + autoinc,
/// N number, $ money, D date, L logical, #<d> BCD with d decimals, M<n> memo, Y<n> bytes).
/// Throws FtfError on a bad field list.
std::vector<ParadoxFieldSpec> ParseParadoxFieldList(const std::string& desc);

/// Writes a table. Each row holds one text per field: "" is a blank field; numbers use ".";
/// dates "dd.mm.yyyy"; logicals "1"/"0"; text is UTF-8 and is written in Windows-1251; memo
/// fields are always written blank. `codePage` goes into the header (the reader ignores it).
/// Throws FtfError when the file cannot be written or a value does not fit its field.
void WriteParadoxTable(const std::string& path, const std::vector<ParadoxFieldSpec>& fields,
                       const std::vector<std::vector<std::string>>& rows, int codePage = 1251);

/// Writes a table from a description: the first non-comment line is the field list, each
/// further line a row with values separated by "|"; lines starting with "#" are comments.
void WriteParadoxFromDescription(const std::string& path, const std::string& description, int codePage = 1251);

}  // namespace ftf

#pragma once
// Table rows as plain text for the command line and for comparing with plain SQL: one line per
// record, fields separated by tabs.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Table.h"

namespace ftf {

/// A field's value as text: whole numbers as they are; BCD with the field's decimals (a BCD
/// declared without decimals in its shortest form); money with four decimals; other reals in
/// their shortest form; all with "." as separator; dates "dd.mm.yyyy"; logicals 1/0; blank
/// numbers and logicals 0; blank texts and dates empty. Tabs, line breaks and backslashes in
/// texts are written as \t, \n, \r and \\ so that a record stays one line.
std::string FieldText(const FieldDef& field, const Value& value);

/// The columns a dataset shows by default: its stored fields in schema order, then its lookup
/// fields (calculated fields are left out).
std::vector<int> DefaultColumns(const Table& table);

/// The columns named in a comma-separated list ("ID,Name"). Throws FtfError for an unknown name.
std::vector<int> NamedColumns(const Table& table, std::string_view list);

/// Writes a header line with the column names and every record of the dataset's view, in its
/// order, from the first record. Returns the number of records written.
long WriteTableText(Table& table, const std::vector<int>& columns, std::ostream& out);

}  // namespace ftf

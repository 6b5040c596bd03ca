#pragma once
// Catalogues filled in memory for tests: the data module's datasets opened empty and given rows
// by field name, without a store (nothing is read or written anywhere).

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/Tdm.h"

namespace ftf::test {

using Row = std::map<std::string, Value>;

/// Opens every dataset of the data module, empty.
inline void OpenEmpty(TDM& dm) {
    for (const auto& t : dm.DataSets()) t->Open();
}

/// Adds rows to the dataset's table and leaves the dataset open.
inline void Put(Table& t, const std::vector<Row>& rows) {
    t.Close();
    for (const Row& r : rows) {
        RowValues values(static_cast<std::size_t>(t.FieldCount()));
        for (const auto& [name, v] : r) {
            const int f = t.FieldIndex(name);
            if (f < 0) throw std::logic_error("no field " + name + " in " + t.Name());
            values[static_cast<std::size_t>(f)] = v;
        }
        t.Data().LoadRow(values);
    }
    t.Open();
}

/// Replaces the rows of the dataset's table and leaves the dataset open.
inline void Replace(Table& t, const std::vector<Row>& rows) {
    t.Close();
    t.Data().ClearRows();
    Put(t, rows);
}

}  // namespace ftf::test

#pragma once
// A query: the rows of one table, or of two joined on equal fields, narrowed by a filter
// expression and shown as a dataset of their own. Edits stay in the query (cached updates that
// are never written back) until CancelUpdates or the next Open. The property list of the
// fittings set dialog (a join of FrnProp and SysProp) and the report list are queries.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/Table.h"

namespace ftf {

struct QueryColumn {
    int source = 0;     ///< 0 = the first table, 1 = the second
    std::string field;  ///< field of that table
    std::string as;     ///< name in the result; "" = the field's own name
};

struct QuerySpec {
    const TableData* first = nullptr;
    const TableData* second = nullptr;  ///< nullptr: one table
    /// Pairs (field of the first table, field of the second) that must be equal. With a second
    /// table and no pairs every combination is a row.
    std::vector<std::pair<std::string, std::string>> joinOn;
    /// The result's fields; empty: every stored field of the first table, then those of the
    /// second whose names are not taken yet.
    std::vector<QueryColumn> columns;
    /// Filter over the result's fields (the syntax of table filters; "" = every row).
    std::string where;
    /// Result order as a field list of the result ("" = the first table's natural order,
    /// then the second's).
    std::string orderBy;
};

class Query : public Table {
public:
    explicit Query(std::string name = {});

    /// Reads the rows from the source tables (every row, whatever filter their datasets have)
    /// and opens on the first one. Throws FtfError for an unknown field or a bad filter; the
    /// query is then closed and empty.
    void Open(const QuerySpec& desc);
    using Table::Open;
    /// Reopens with the last desc (the source tables may have changed).
    void Refresh();
    /// Puts back the rows as read by the last Open, dropping every edit.
    void CancelUpdates();
    /// True when edits were posted since the last Open or CancelUpdates.
    bool UpdatesPending() const;

private:
    QuerySpec spec_;
    std::vector<RowValues> snapshot_;
    std::uint64_t openedVersion_ = 0;
};

}  // namespace ftf

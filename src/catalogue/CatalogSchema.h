#pragma once
// The program's view of its tables: the fields it holds of every catalogue table, of the order
// register and of the report list, with their keys, indexes and lookup fields, and the datasets
// of the catalogue data module with their order and fixed filter. A field the view does not hold
// (a supplier column such as Catalog.GOST) is not here, so asking a table for it yields null.
//
// Lookup fields name their source table by file name; the data module binds them with
// TableData::BindLookup once all tables are loaded.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/FieldDef.h"

namespace ftf {

/// The catalogue tables, in the order the catalogue opens them (COLORSET.DB first, FrnItoI.DB
/// last); ParamList.DB appears once although four datasets show it.
const std::vector<TableSchema>& CatalogueSchemas();
/// The order register (alias FMDB_Registry).
const TableSchema& OrderListSchema();
/// The report list (alias FMDB_Report).
const TableSchema& ReportListSchema();
/// A catalogue, register or report table by file name (no case); nullptr when unknown.
const TableSchema* FindSchema(std::string_view tableName);

/// One dataset of the catalogue data module.
struct DatasetDef {
    std::string dataset;      ///< "T_FrnSet"
    std::string table;        ///< "FrnSet.DB"
    std::string indexFields;  ///< record order as a field list; "" = the primary key
    std::string fixedFilter;  ///< permanent filter; "" = none
    std::string dataSource;   ///< "DS_FrnSet"; "" when the dataset has none
};

/// The catalogue datasets in opening order, then T_OrderList.
const std::vector<DatasetDef>& CatalogueDatasets();

}  // namespace ftf

#pragma once
// Opening the catalogue for a sub-command, as the program opens it at start-up: changed Paradox
// tables in the folder are imported into its database first, then the datasets open.

#include <string>

namespace ftf {
class TDM;
class Store;
}  // namespace ftf

namespace ftf::cli {

/// Writes the store's notes (tables imported, skipped ...) to standard error.
void PrintStoreNotes(const Store* store);

/// The catalogue folder a command works on: `catalogDir` when given, else the catalogue folder of
/// the configuration `configName` (DefaultCliConfig() when empty). Throws FtfError when the
/// configuration is not installed.
std::string CliCatalogueFolder(const std::string& catalogDir, const std::string& configName);

/// Opens the catalogue of `catalogDir`, or, when it is empty, the catalogue folder of the
/// configuration `configName` (DefaultCliConfig() when that is empty too) of the per-user
/// registry store. Returns the number of datasets that failed to open (each reported already).
/// Throws FtfError when the configuration is not installed.
int OpenCliCatalogue(TDM& dm, const std::string& catalogDir, const std::string& configName = {});

}  // namespace ftf::cli

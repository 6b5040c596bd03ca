#pragma once
// The working directories of this run, derived once at start-up from the chosen configuration and
// read-only afterwards. Native Linux paths with "/" and no trailing separator.

#include <string>

namespace ftf {

struct AppPathsRecord {
    std::string ConfigName;
    std::string CatalogDir;
    std::string ServerDir;
    std::string ReportDir;
    std::string TempDir;      ///< this run's private directory
    std::string LastTempDir;  ///< previous run's private directory; this run's once chosen
    std::string IniFileName;  ///< CatalogDir + "/FTFurniture.ini"
    std::string OrdersDir;
    std::string SelectionDir;
    std::string RecycledDir;
    std::string ArchiveDir;
    std::string RegistryDir;
    std::string ExportDir;
    bool DeveloperMode = false;
    bool ShowPresentation = true;

    /// Clears every field that holds a path.
    void ClearPaths();
    /// Fills IniFileName and the directories under ServerDir from CatalogDir and ServerDir; each
    /// stays empty when its base is empty.
    void DeriveDirectories();
};

/// The process's one record.
AppPathsRecord& AppPaths();

}  // namespace ftf

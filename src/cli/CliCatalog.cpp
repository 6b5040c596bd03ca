#include "cli/CliCatalog.h"
#include "cli/CliConfig.h"

#include <cstdio>
#include <optional>

#include "catalogue/Store.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "settings/Configuration.h"
#include "settings/RegistryStore.h"

namespace ftf::cli {

void PrintStoreNotes(const Store* store) {
    if (!store) return;
    for (const auto& n : store->Notes()) std::fprintf(stderr, "%s\n", n.c_str());
}

std::string CliCatalogueFolder(const std::string& catalogDir, const std::string& configName) {
    if (!catalogDir.empty()) return catalogDir;
    return CliConfigurationPaths(configName, {}, {}).CatalogDir;
}

int OpenCliCatalogue(TDM& dm, const std::string& catalogDir, const std::string& configName) {
    dm.ConfigureDatabase(dm.DB_Catalog, CliCatalogueFolder(catalogDir, configName));
    PrintStoreNotes(dm.DB_Catalog.GetStore());
    return dm.OpenCatalog();
}

}  // namespace ftf::cli

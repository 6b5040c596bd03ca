#include "cli/CliCatalog.h"

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

std::string DefaultCliConfig() {
    std::string name = ReadConfigurationList(CurrentRegistry()).defaultName;
    return name.empty() ? std::string("Демо") : name;
}

std::string CliCatalogueFolder(const std::string& catalogDir, const std::string& configName) {
    if (!catalogDir.empty()) return catalogDir;
    const std::string name = configName.empty() ? DefaultCliConfig() : configName;
    std::optional<ConfigurationPaths> config = ReadConfiguration(CurrentRegistry(), name);
    if (!config) throw FtfError(ConfigNotListedMessage(name));
    return config->paths.CatalogDir;
}

int OpenCliCatalogue(TDM& dm, const std::string& catalogDir, const std::string& configName) {
    dm.ConfigureDatabase(dm.DB_Catalog, CliCatalogueFolder(catalogDir, configName));
    PrintStoreNotes(dm.DB_Catalog.GetStore());
    return dm.OpenCatalog();
}

}  // namespace ftf::cli

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

int OpenCliCatalogue(TDM& dm, const std::string& catalogDir, const std::string& configName) {
    std::string folder = catalogDir;
    if (folder.empty()) {
        if (configName.empty()) throw FtfError("Не указан параметр --catalog");
        std::optional<ConfigurationPaths> config = ReadConfiguration(CurrentRegistry(), configName);
        if (!config) throw FtfError(ConfigNotListedMessage(configName));
        folder = config->paths.CatalogDir;
    }
    dm.ConfigureDatabase(dm.DB_Catalog, folder);
    PrintStoreNotes(dm.DB_Catalog.GetStore());
    return dm.OpenCatalog();
}

}  // namespace ftf::cli

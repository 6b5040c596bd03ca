#include "cli/CliConfig.h"

#include <filesystem>
#include <optional>

#include "common/Error.h"
#include "settings/Configuration.h"
#include "settings/RegistryStore.h"

namespace ftf::cli {

std::string DefaultCliConfig() {
    std::string name = ReadConfigurationList(CurrentRegistry()).defaultName;
    return name.empty() ? std::string("Демо") : name;
}

AppPathsRecord CliConfigurationPaths(const std::string& configName, const std::string& serverDir,
                                     const std::string& catalogDir) {
    if (!serverDir.empty()) {
        AppPathsRecord paths;
        std::error_code ec;
        // Stored order paths are made relative to the orders folder, so it must be absolute.
        paths.ServerDir = std::filesystem::absolute(CleanConfiguredPath(serverDir), ec).lexically_normal().string();
        if (!catalogDir.empty())
            paths.CatalogDir = std::filesystem::absolute(CleanConfiguredPath(catalogDir), ec).lexically_normal().string();
        while (paths.ServerDir.size() > 1 && paths.ServerDir.back() == '/') paths.ServerDir.pop_back();
        while (paths.CatalogDir.size() > 1 && paths.CatalogDir.back() == '/') paths.CatalogDir.pop_back();
        paths.DeriveDirectories();
        return paths;
    }
    const std::string name = configName.empty() ? DefaultCliConfig() : configName;
    std::optional<ConfigurationPaths> config = ReadConfiguration(CurrentRegistry(), name);
    if (!config) throw FtfError(ConfigNotListedMessage(name));
    return config->paths;
}

}  // namespace ftf::cli

// ftf config: the installed configurations of the per-user registry store.
//
//   ftf config list            names in the store's order, the default one marked "* "
//   ftf config show NAME       the working directories start-up derives, as Field=Value lines;
//                              nothing is created and FTFLastTempDir stays as it is
//   ftf config add NAME --catalog DIR --server DIR --report DIR [--temp DIR] [--default]
//                              adds or replaces a configuration (folders stored as absolute paths)

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliText.h"
#include "cli/Command.h"
#include "settings/Configuration.h"
#include "settings/RegistryStore.h"

namespace ftf::cli {
namespace {

const char* const kUsage =
    "Использование:\n"
    "  ftf config list\n"
    "  ftf config show ИМЯ\n"
    "  ftf config add ИМЯ --catalog ПАПКА --server ПАПКА --report ПАПКА [--temp ПАПКА] [--default]\n";


int List(RegistryStore& registry) {
    ConfigurationList list = ReadConfigurationList(registry);
    for (std::size_t i = 0; i < list.names.size(); ++i) {
        bool isDefault = !list.defaultName.empty() && list.names[i] == list.defaultName;
        std::printf("%s%s\n", isDefault ? "* " : "  ", list.names[i].c_str());
    }
    return 0;
}

int Show(RegistryStore& registry, const std::string& name) {
    std::optional<ConfigurationPaths> config = ReadConfiguration(registry, name);
    if (!config) {
        std::fprintf(stderr, "%s\n", OneLine(ConfigNotListedMessage(name)).c_str());
        return 1;
    }
    const AppPathsRecord& p = config->paths;
    const std::pair<const char*, const std::string*> fields[] = {
        {"ConfigName", &p.ConfigName},     {"CatalogDir", &p.CatalogDir},   {"ServerDir", &p.ServerDir},
        {"ReportDir", &p.ReportDir},       {"IniFileName", &p.IniFileName}, {"OrdersDir", &p.OrdersDir},
        {"SelectionDir", &p.SelectionDir}, {"RecycledDir", &p.RecycledDir}, {"ArchiveDir", &p.ArchiveDir},
        {"RegistryDir", &p.RegistryDir},   {"ExportDir", &p.ExportDir},
    };
    for (const auto& [field, value] : fields) std::printf("%s=%s\n", field, value->c_str());
    // The private directory itself gets its random number only when the program starts.
    std::printf("TempDirBase=%s\n", config->tempBase.empty() ? UserCacheDir().c_str() : config->tempBase.c_str());
    return 0;
}

int Add(RegistryStore& registry, const std::vector<std::string>& args) {
    std::string name, catalog, server, report, temp;
    bool makeDefault = false, haveCatalog = false, haveServer = false, haveReport = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into, bool* seen) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            if (seen) *seen = true;
            return true;
        };
        bool ok = true;
        if (a == "--catalog") ok = value(catalog, &haveCatalog);
        else if (a == "--server") ok = value(server, &haveServer);
        else if (a == "--report") ok = value(report, &haveReport);
        else if (a == "--temp") ok = value(temp, nullptr);
        else if (a == "--default") makeDefault = true;
        else if (name.empty() && !a.starts_with("--")) name = a;
        else ok = false;
        if (!ok) {
            std::fprintf(stderr, "ftf config add: неверный параметр «%s»\n%s", a.c_str(), kUsage);
            return 1;
        }
    }
    if (name.empty() || !haveCatalog || !haveServer || !haveReport) {
        std::fprintf(stderr, "ftf config add: нужны имя, --catalog, --server и --report\n%s", kUsage);
        return 1;
    }
    // Stored absolute, so that the program finds them from whatever folder it starts in.
    auto absolute = [](const std::string& dir) {
        return dir.empty() ? dir : std::filesystem::absolute(dir).lexically_normal().string();
    };
    WriteConfiguration(registry, name, absolute(catalog), absolute(server), absolute(report), absolute(temp),
                       makeDefault);
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? 1 : 0;
    }
    RegistryStore& registry = CurrentRegistry();
    const std::string& verb = args[0];
    if (verb == "list" && args.size() == 1) return List(registry);
    if (verb == "show" && args.size() == 2) return Show(registry, args[1]);
    if (verb == "add") return Add(registry, args);
    std::fprintf(stderr, "%s", kUsage);
    return 1;
}

FtfCommand reg("config", "конфигурации: список, пути конфигурации, добавление", Run);

}  // namespace
}  // namespace ftf::cli

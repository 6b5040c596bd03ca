#include "settings/Configuration.h"

#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>

#include "common/Error.h"
#include "common/Helpers.h"
#include "common/Prompter.h"
#include "settings/RegistryStore.h"

namespace ftf {

namespace fs = std::filesystem;

namespace {

std::mt19937& PrivateDirNumbers() {
    static std::mt19937 generator(static_cast<unsigned>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}

std::string Format1(const char* pattern, const std::string& arg) {
    std::string_view p = pattern;
    std::size_t at = p.find("%s");
    if (at == std::string_view::npos) return std::string(p);
    return std::string(p.substr(0, at)) + arg + std::string(p.substr(at + 2));
}

std::string ConfigKey(const std::string& name) { return std::string(kConfigRootKey) + "\\" + name; }

std::string ReadFolder(const RegistryStore& registry, const std::string& key, const char* value) {
    return CleanConfiguredPath(registry.ReadString(key, value).value_or(std::string()));
}

}  // namespace

std::string ConfigNotListedMessage(const std::string& name) { return Format1(kMsgConfigNotListed, name); }

std::string CleanConfiguredPath(const std::string& value) {
    std::string path = TrimPath(value);
    if (path.find('/') == std::string::npos && path.find('\\') != std::string::npos)
        for (char& c : path)
            if (c == '\\') c = '/';
    return path;
}

std::string UserCacheDir() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache) return (fs::path(cache) / "fentorn").string();
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : "/tmp") / ".cache" / "fentorn").string();
}

ConfigurationList ReadConfigurationList(const RegistryStore& registry) {
    ConfigurationList list;
    if (registry.KeyExists(kConfigRootKey)) {
        list.names = registry.SubKeys(kConfigRootKey);
        list.defaultName = registry.ReadString(kConfigRootKey, kDefaultConfigValue).value_or(std::string());
    }
    list.preselected = list.names.empty() ? -1 : 0;
    for (std::size_t i = 0; i < list.names.size(); ++i)
        if (list.names[i] == list.defaultName) {
            list.preselected = static_cast<int>(i);
            break;
        }
    return list;
}

std::optional<ConfigurationPaths> ReadConfiguration(const RegistryStore& registry, const std::string& name) {
    if (name.empty() || name.find('\\') != std::string::npos) return std::nullopt;
    std::string key = ConfigKey(name);
    if (!registry.KeyExists(key)) return std::nullopt;
    ConfigurationPaths result;
    AppPathsRecord& p = result.paths;
    p.ConfigName = name;
    p.CatalogDir = ReadFolder(registry, key, kCatalogDirValue);
    p.ServerDir = ReadFolder(registry, key, kServerNameValue);
    p.ReportDir = ReadFolder(registry, key, kReportDirValue);
    result.tempBase = ReadFolder(registry, key, kTempDirValue);
    p.DeriveDirectories();
    return result;
}

void InitProcess(const std::vector<std::string>& args, RegistryStore& registry) {
    AppPathsRecord& paths = AppPaths();
    paths.DeveloperMode = FindSwitch(args, "/developer") > 0;
    paths.ShowPresentation = FindSwitch(args, "/nopresentation") < 0;
    SeedPrivateDirNumbers(static_cast<unsigned>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    paths.LastTempDir.clear();
    try {
        registry.CreateKey(kConfigRootKey);
        paths.LastTempDir = registry.ReadString(kConfigRootKey, kLastTempDirValue).value_or(std::string());
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void SeedPrivateDirNumbers(unsigned seed) { PrivateDirNumbers().seed(seed); }

std::string CreatePrivateDir(const std::string& base) {
    std::uniform_int_distribution<int> number(0, 999999);
    fs::path dir = fs::path(base.empty() ? UserCacheDir() : base) / std::to_string(number(PrivateDirNumbers()));
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir))
        throw FtfError("Не удалось создать каталог " + dir.string() + ": " +
                       (ec ? ec.message() : std::string("это не каталог")));
    return dir.string();
}

bool SelectConfiguration(RegistryStore& registry, ConfigurationDialog& dialog) {
    AppPathsRecord& paths = AppPaths();
    paths.ClearPaths();
    ConfigurationList list;
    try {
        list = ReadConfigurationList(registry);
    } catch (const std::exception& e) {
        ShowError(Format1(kMsgRegistryRead, e.what()));
        return false;
    }
    if (list.names.empty()) {
        ShowError(kMsgNoConfigurations);
        return false;
    }
    std::optional<std::string> chosen = dialog.Choose(list.names, list.preselected);
    if (!chosen) return false;
    try {
        std::optional<ConfigurationPaths> config = ReadConfiguration(registry, *chosen);
        if (!config) {
            ShowError(ConfigNotListedMessage(*chosen));
            return false;
        }
        paths.CatalogDir = config->paths.CatalogDir;
        paths.ServerDir = config->paths.ServerDir;
        paths.ReportDir = config->paths.ReportDir;
        paths.DeriveDirectories();
        paths.TempDir = CreatePrivateDir(config->tempBase);
        paths.LastTempDir = paths.TempDir;
        paths.ConfigName = *chosen;
        return true;
    } catch (const std::exception& e) {
        ShowError(Format1(kMsgRegistryRead, e.what()));
        return false;
    }
}

bool RecordLastTempDir(RegistryStore& registry) {
    try {
        registry.CreateKey(kConfigRootKey);
        registry.WriteString(kConfigRootKey, kLastTempDirValue, AppPaths().LastTempDir);
        registry.Flush();
        return true;
    } catch (const std::exception& e) {
        ShowError(e.what());
        return false;
    }
}

void WriteConfiguration(RegistryStore& registry, const std::string& name, const std::string& catalogDir,
                        const std::string& serverDir, const std::string& reportDir,
                        const std::string& tempDir, bool makeDefault) {
    if (name.empty() || name.find('\\') != std::string::npos || name.find_first_not_of(' ') == std::string::npos)
        throw FtfError("Недопустимое имя конфигурации «" + name + "»");
    std::string key = ConfigKey(name);
    registry.CreateKey(key);
    registry.WriteString(key, kCatalogDirValue, catalogDir);
    registry.WriteString(key, kServerNameValue, serverDir);
    registry.WriteString(key, kReportDirValue, reportDir);
    registry.WriteString(key, kTempDirValue, tempDir);
    if (makeDefault) registry.WriteString(kConfigRootKey, kDefaultConfigValue, name);
    registry.Flush();
}

std::string CurrencyDateFile(const std::string& serverDir) {
    return (fs::path(serverDir.empty() ? UserCacheDir() : serverDir) / kCurrencyDateFileName).string();
}

std::optional<double> ReadCurrencyDate(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != 8) return std::nullopt;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return std::bit_cast<double>(bits);
}

bool WriteCurrencyDate(const std::string& file, double oleDate) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(oleDate);
    char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes, 8);
    out.close();
    return static_cast<bool>(out);
}

}  // namespace ftf

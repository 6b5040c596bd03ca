#pragma once
// The installed configurations and this run's working directories.
//
// A configuration is a subkey of the configuration root in the per-user registry; its four string
// values name the catalogue, server, report and private-directory base folders. The installer
// (here `ftf config add`) writes them; the program itself only writes FTFLastTempDir, the private
// directory of the run that ended last, so that the next run can remove it.
//
// Everything here fills the process-wide AppPaths(); it runs during start-up only.

#include <optional>
#include <string>
#include <vector>

#include "settings/AppPaths.h"

namespace ftf {

class RegistryStore;

// Registry layout of the configurations.
inline constexpr const char* kConfigRootKey = "\\SoftWare\\Gravik\\Fentorn\\Furniture380\\DBConfig\\Zove";
inline constexpr const char* kDefaultConfigValue = "DefaultConfig";
inline constexpr const char* kLastTempDirValue = "FTFLastTempDir";
inline constexpr const char* kCatalogDirValue = "FTFCatalogDir";
inline constexpr const char* kServerNameValue = "FTFServerName";
inline constexpr const char* kReportDirValue = "FTFReportDir";
inline constexpr const char* kTempDirValue = "FTFTempDir";

/// Day of the last confirmation of the currency rates, in the server folder.
inline constexpr const char* kCurrencyDateFileName = "Fentorn.lcu";

// The system's messages of configuration selection.
inline constexpr const char* kMsgNoConfigurations =
    "В системе не установлены пути доступа к базам данных!\r\nИнсталлируйте заново программу!";
inline constexpr const char* kMsgConfigNotListed =
    "Ошибка открытия конфигурации %s!\r\nУказанная конфигурация не числиться в списке.";
inline constexpr const char* kMsgRegistryRead = "Ошибка чтения системного реестра!\r\n(%s)";
/// kMsgConfigNotListed with the name filled in.
std::string ConfigNotListedMessage(const std::string& name);

/// The configuration dialog ("Конфигурация": one drop-down list, OK and Cancel), as the desktop,
/// the tests and the command line provide it.
class ConfigurationDialog {
public:
    virtual ~ConfigurationDialog() = default;
    /// Shows `names` in the given order with entry `preselected` chosen (a valid index). Returns
    /// the chosen name, or nullopt when the user cancelled.
    virtual std::optional<std::string> Choose(const std::vector<std::string>& names, int preselected) = 0;
};

/// The configurations as the dialog lists them.
struct ConfigurationList {
    std::vector<std::string> names;  ///< subkeys of the root, in the store's order
    std::string defaultName;         ///< value DefaultConfig, empty when missing
    int preselected = 0;             ///< index of defaultName in names, else 0 (-1 when names is empty)
};

/// Reads the list of configurations. Throws when the store cannot be read.
ConfigurationList ReadConfigurationList(const RegistryStore& registry);

/// The paths of one configuration, as start-up derives them, without creating anything.
struct ConfigurationPaths {
    AppPathsRecord paths;  ///< ConfigName, the three folders and the derived ones; TempDir empty
    std::string tempBase;  ///< cleaned FTFTempDir; empty means the user's cache folder
};

/// Reads configuration `name`. nullopt when its key does not exist. A value that is missing reads
/// as empty text. Throws when the store cannot be read.
std::optional<ConfigurationPaths> ReadConfiguration(const RegistryStore& registry, const std::string& name);

/// Cleans a folder value of a configuration: surrounding blanks go, then one trailing separator
/// ("\" or "/"). A value written in the Windows form (backslashes and no "/") gets "/" separators,
/// so "C:\Data\ " becomes "C:/Data".
std::string CleanConfiguredPath(const std::string& value);

/// The folder that replaces the executable's folder where the old system fell back to it:
/// $XDG_CACHE_HOME/fentorn, or ~/.cache/fentorn when XDG_CACHE_HOME is unset or empty.
std::string UserCacheDir();

/// Process initialisation: DeveloperMode and ShowPresentation from the switches, the random
/// generator seeded from the clock, LastTempDir from the registry (the configuration root is created
/// when missing). A registry failure is shown with ShowError and initialisation goes on.
/// `args` are the command line, args[0] being the program.
void InitProcess(const std::vector<std::string>& args, RegistryStore& registry);

/// Seeds the generator of private-directory numbers (tests make the numbers repeatable).
void SeedPrivateDirNumbers(unsigned seed);

/// Creates this run's private directory below `base` (the user's cache folder when empty): base,
/// "/" and a random number below 1,000,000, with all missing parents. Returns its path. Throws
/// FtfError when it cannot be created.
std::string CreatePrivateDir(const std::string& base);

/// The configuration dialog and AppPaths: lists the configurations, lets the user choose one,
/// reads its folders, derives the rest and creates the private directory. Shows the system's
/// message for each failure; a cancelled dialog ends quietly. True when the run may go on.
bool SelectConfiguration(RegistryStore& registry, ConfigurationDialog& dialog);

/// Records AppPaths().LastTempDir as FTFLastTempDir (the root key is created when missing) and makes
/// it durable. A failure is shown with ShowError; returns false then.
bool RecordLastTempDir(RegistryStore& registry);

/// Adds or replaces configuration `name` with the four folder values, and makes it the default
/// when `makeDefault`. Throws FtfError on an empty name or one holding "\" and when the store cannot
/// be written.
void WriteConfiguration(RegistryStore& registry, const std::string& name, const std::string& catalogDir,
                        const std::string& serverDir, const std::string& reportDir,
                        const std::string& tempDir, bool makeDefault);

/// "Fentorn.lcu" in the server folder (in the user's cache folder when the server folder is empty).
std::string CurrencyDateFile(const std::string& serverDir);

/// The date stored in the currency date file (an OLE date: days since 30 December 1899, fraction the
/// time of day). nullopt when the file is missing, cannot be read or does not hold 8 bytes.
std::optional<double> ReadCurrencyDate(const std::string& file);

/// Creates or truncates the file and writes the date as 8 bytes (little-endian IEEE double).
/// False when the file cannot be written.
bool WriteCurrencyDate(const std::string& file, double oleDate);

}  // namespace ftf

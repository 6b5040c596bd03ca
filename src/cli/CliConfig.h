#pragma once
// The folders of a configuration for a sub-command: either named folders on the command line
// (--server, --catalog) or an installed configuration of the per-user registry store (--config,
// by default the store's default configuration). Nothing is created.

#include <string>

#include "settings/AppPaths.h"

namespace ftf::cli {

/// The configuration a command works on when it names none: the registry store's DefaultConfig,
/// else the demo configuration "Демо".
std::string DefaultCliConfig();

/// The working folders derived as start-up derives them. `serverDir` given: its folders (with
/// `catalogDir`, which may be empty); else configuration `configName`, or DefaultCliConfig() when
/// that is empty. Throws FtfError when that configuration is not installed.
AppPathsRecord CliConfigurationPaths(const std::string& configName, const std::string& serverDir,
                                     const std::string& catalogDir);

}  // namespace ftf::cli

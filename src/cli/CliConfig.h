#pragma once
// The folders of a configuration for a sub-command: either named folders on the command line
// (--server, --catalog) or an installed configuration of the per-user registry store (--config,
// by default the store's default configuration). Nothing is created.

#include <string>

#include "settings/AppPaths.h"

namespace ftf::cli {

/// The working folders derived as start-up derives them. `serverDir` given: its folders (with
/// `catalogDir`, which may be empty); else configuration `configName`, or the default one when
/// that is empty. Throws FtfError when no configuration is named and none is the default, or the
/// named one is not installed.
AppPathsRecord CliConfigurationPaths(const std::string& configName, const std::string& serverDir,
                                     const std::string& catalogDir);

}  // namespace ftf::cli

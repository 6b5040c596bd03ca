#pragma once
// Sub-commands of `ftf`. Each command file registers itself with a static FtfCommand; main only
// dispatches. A command returns the process's exit status: 0 done, 1 the operation ended on an
// error, 2 done but something was reported on the way.

#include <functional>
#include <string>
#include <vector>

namespace ftf::cli {

using CommandFn = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
    std::string name;     ///< first word(s), e.g. "words" or "config"
    std::string summary;  ///< one line for `ftf --help`
    CommandFn run;        ///< receives the arguments after the name
};

/// Registers a command at static-initialisation time.
struct FtfCommand {
    FtfCommand(std::string name, std::string summary, CommandFn run);
};

const std::vector<CommandInfo>& Commands();

}  // namespace ftf::cli

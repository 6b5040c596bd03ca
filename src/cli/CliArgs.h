#pragma once
// Arguments of the sub-commands that take named options: "--name VALUE" or "--name=VALUE", flags
// without a value, and the remaining words in their order.

#include <map>
#include <string>
#include <vector>

namespace ftf::cli {

struct NamedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  ///< option name → value (the last one given)
    std::vector<std::string> flags;              ///< the flags given
    bool Has(const std::string& flag) const;
};

/// Splits `in`: an option of `valueOptions` takes its value, one of `flagOptions` stands alone,
/// a word not starting with "--" is positional. Throws FtfError for an unknown option or a
/// missing value.
NamedArgs ParseNamedArgs(const std::vector<std::string>& in, const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flagOptions = {});

}  // namespace ftf::cli

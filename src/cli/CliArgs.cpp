#include "cli/CliArgs.h"

#include <algorithm>

#include "common/Error.h"

namespace ftf::cli {

namespace {
bool Contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}
}  // namespace

bool NamedArgs::Has(const std::string& flag) const { return Contains(flags, flag); }

NamedArgs ParseNamedArgs(const std::vector<std::string>& in, const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flagOptions) {
    NamedArgs a;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const std::string& s = in[i];
        if (s.rfind("--", 0) != 0) {
            a.positional.push_back(s);
            continue;
        }
        if (Contains(flagOptions, s)) {
            a.flags.push_back(s);
            continue;
        }
        std::string name = s, value;
        const auto eq = s.find('=');
        if (eq != std::string::npos) {
            name = s.substr(0, eq);
            value = s.substr(eq + 1);
        } else {
            if (i + 1 >= in.size()) throw FtfError("Параметру " + s + " не указано значение");
            value = in[++i];
        }
        if (!Contains(valueOptions, name)) throw FtfError("Неизвестный параметр " + name);
        a.options[name] = value;
    }
    return a;
}

}  // namespace ftf::cli

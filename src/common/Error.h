#pragma once
// The one exception type of the system's own errors: a Russian message (UTF-8) meant for the
// user, raised by catalogue lookups, the calculation and the helpers, and shown by whoever
// started the action.

#include <stdexcept>
#include <string>

namespace ftf {

// Not final: PromptRefused (a question the command line cannot answer) is one of these errors.
class FtfError : public std::runtime_error {
public:
    explicit FtfError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ftf

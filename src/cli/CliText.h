#pragma once
// Text helpers of the command line.

#include <string>

namespace ftf::cli {

/// Messages of the system carry CR LF line breaks; on a terminal one line reads better, so each
/// CR LF becomes a blank.
inline std::string OneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace ftf::cli

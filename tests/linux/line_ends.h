#pragma once
// A text as a Windows program would write it, with CR LF line ends.

#include <string>

namespace ostrel {

inline std::string WithCrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return out;
}

}  // namespace ostrel

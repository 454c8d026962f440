#include "startup/command_line.h"

#include "common/numeric.h"

namespace ostrel {

std::string ArgumentText(std::string_view raw) {
    std::size_t i = 0;
    if (i < raw.size() && raw[i] == '"') {
        // A quoted path ends at its closing quote (or the end of the line).
        const auto close = raw.find('"', 1);
        i = close == std::string_view::npos ? raw.size() : close + 1;
    } else {
        while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t') {
            ++i;
        }
    }
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) {
        ++i;
    }
    return std::string(raw.substr(i));
}

std::string RunModeSelector(std::string_view commandLine) {
    return UpperCase(TrimSpaces(commandLine).substr(0, 2));
}

std::int32_t PreviewHostHandle(std::string_view commandLine) {
    const std::string_view text = TrimSpaces(commandLine);
    for (std::size_t start = 0; start < text.size(); ++start) {
        const std::string_view tail = text.substr(start);
        if (IsWholeNumber(tail)) {
            return RoundToInt32(ReadNumber(tail));
        }
    }
    return 0;
}

std::int32_t PasswordParentHandle(std::string_view commandLine) {
    if (commandLine.size() <= 2) {
        return 0;
    }
    return RoundToInt32(ReadNumber(commandLine.substr(2)));
}

}  // namespace ostrel

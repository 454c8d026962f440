#include "windows/portable/command_line.h"

#include "common/numeric.h"

namespace ostrel::win32 {

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

namespace {

template <typename ReadHandle>
void ReadWindow(platform::RunRequest& request, ReadHandle read) {
    try {
        request.window = read();
    } catch (const Failure& failure) {
        request.windowFailure = failure;
    }
}

}  // namespace

platform::RunRequest ReadRunRequest(std::string_view arguments) {
    platform::RunRequest request;
    request.arguments = std::string(arguments);
    const std::string selector = RunModeSelector(arguments);
    if (selector == "/S") {
        request.mode = platform::RunMode::FullScreen;
    } else if (selector == "/P") {
        request.mode = platform::RunMode::Preview;
        ReadWindow(request, [&] { return PreviewHostHandle(arguments); });
    } else if (selector.empty() || selector == "/C") {
        request.mode = platform::RunMode::Options;
    } else if (selector == "/A") {
        request.mode = platform::RunMode::ChangePassword;
        ReadWindow(request, [&] { return PasswordParentHandle(arguments); });
    }
    return request;
}

}  // namespace ostrel::win32

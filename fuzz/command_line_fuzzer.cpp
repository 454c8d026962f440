// The command line is whatever started the program: any bytes must give an
// argument text, a run-mode selector and window handles, or the overflow
// failure for a handle too large, and nothing else; the run request keeps
// that failure instead of raising it.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "property.h"
#include "windows/portable/command_line.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string AsciiCase(std::string_view text, bool upper) {
    std::string out(text);
    for (char& c : out) {
        if (upper && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        } else if (!upper && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return out;
}

// A handle, or the number of the failure it raised.
template <typename Read>
std::int64_t HandleOrFailure(Read read) {
    try {
        return read();
    } catch (const ostrel::Failure& failure) {
        PROPERTY(failure.number == ostrel::kErrOverflow);
        return -(std::int64_t{1} << 40);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ostrel;
    using namespace ostrel::win32;
    const std::string line(reinterpret_cast<const char*>(data), size);

    // The arguments are what is left after the program's path and the
    // blanks after it.
    const std::string arguments = ArgumentText(line);
    PROPERTY(arguments.size() <= line.size());
    PROPERTY(line.compare(line.size() - arguments.size(), arguments.size(), arguments) == 0);
    PROPERTY(arguments.empty() || !IsBlank(arguments[0]));
    std::size_t firstNonBlank = 0;
    while (firstNonBlank < line.size() && IsBlank(line[firstNonBlank])) {
        ++firstNonBlank;
    }
    const std::string expected = line.substr(firstNonBlank);
    PROPERTY(ArgumentText("C:\\WINDOWS\\system32\\ostrel.scr " + line) == expected);
    PROPERTY(ArgumentText("\"C:\\Program Files\\Ostrel\\ostrel.scr\"\t" + line) == expected);

    // The selector: two characters at most, the same whatever their case.
    const std::string selector = RunModeSelector(line);
    PROPERTY(selector.size() <= 2);
    for (char c : selector) {
        PROPERTY(!(c >= 'a' && c <= 'z'));
    }
    PROPERTY(RunModeSelector(AsciiCase(line, false)) == selector);
    PROPERTY(RunModeSelector(AsciiCase(line, true)) == selector);
    PROPERTY(RunModeSelector("   " + line) == selector);
    if (size >= 2 && line[0] != ' ' && line[1] != ' ') {
        PROPERTY(selector == AsciiCase(line.substr(0, 2), true));
    }

    // Any line gives a handle or the overflow failure.
    HandleOrFailure([&] { return PreviewHostHandle(line); });
    HandleOrFailure([&] { return PasswordParentHandle(line); });

    // The request's mode follows the selector alone, and its window is the
    // handle read for that mode, or the failure reading it raised.
    const platform::RunRequest request = ReadRunRequest(line);
    PROPERTY(request.arguments == line);
    const bool preview = selector == "/P";
    const bool password = selector == "/A";
    PROPERTY(preview == (request.mode == platform::RunMode::Preview));
    PROPERTY(password == (request.mode == platform::RunMode::ChangePassword));
    PROPERTY((selector == "/S") == (request.mode == platform::RunMode::FullScreen));
    PROPERTY((selector.empty() || selector == "/C") ==
             (request.mode == platform::RunMode::Options));
    if (preview || password) {
        const std::int64_t handle = HandleOrFailure(
            [&] { return preview ? PreviewHostHandle(line) : PasswordParentHandle(line); });
        PROPERTY(request.windowFailure.has_value() == (handle == -(std::int64_t{1} << 40)));
        PROPERTY(request.windowFailure ? request.window == 0 : request.window == handle);
    } else {
        PROPERTY(request.window == 0 && !request.windowFailure);
    }

    // A handle the system writes, whatever came before it on the line, is
    // read back exactly.
    std::int32_t handle = 0;
    if (size > 0) {
        std::memcpy(&handle, data, size < sizeof handle ? size : sizeof handle);
    }
    const std::string written = std::to_string(handle);
    PROPERTY(HandleOrFailure([&] { return PreviewHostHandle(line + " " + written); }) == handle);
    PROPERTY(HandleOrFailure([&] { return PreviewHostHandle("/p " + written); }) == handle);
    PROPERTY(HandleOrFailure([&] { return PasswordParentHandle("/a " + written); }) == handle);
    PROPERTY(HandleOrFailure([&] { return PasswordParentHandle("/A" + written + "/" + line); }) ==
             handle);
    return 0;
}

#include <gtest/gtest.h>

#include <tuple>

#include "common/failure.h"
#include "windows/portable/command_line.h"

namespace ostrel::win32 {
namespace {

using platform::RunMode;

TEST(CommandLine, RunRequestFollowsTheSelectorAfterTheProgramPath) {
    // Each row: the arguments; the mode and window they ask for, and the
    // failure kept for a window beyond 32 bits (0: none).
    const std::tuple<const char*, RunMode, platform::WindowHandle, std::int32_t> cases[] = {
        {"/S", RunMode::FullScreen, 0, 0},
        {"  /s 77", RunMode::FullScreen, 0, 0},  // a saver takes no window
        {"/p 4242", RunMode::Preview, 4242, 0},
        {"/P:-5", RunMode::Preview, -5, 0},
        {"/p 4294967296", RunMode::Preview, 0, kErrOverflow},
        {"", RunMode::Options, 0, 0},
        {"/c:1234", RunMode::Options, 0, 0},
        {"/a 99", RunMode::ChangePassword, 99, 0},
        {"/a 1e12", RunMode::ChangePassword, 0, kErrOverflow},
        {"/x", RunMode::None, 0, 0},
        {"S", RunMode::None, 0, 0},
    };
    for (const auto& [arguments, mode, window, failure] : cases) {
        const platform::RunRequest request = ReadRunRequest(arguments);
        EXPECT_EQ(std::tuple(request.mode, request.window,
                             request.windowFailure ? request.windowFailure->number : 0,
                             request.arguments),
                  std::tuple(mode, window, failure, std::string(arguments)))
            << '"' << arguments << '"';
    }
    EXPECT_EQ(
        std::tuple(ArgumentText("\"C:\\Program Files\\ostrel.scr\"/S"),
                   ArgumentText("\"C:\\Windows\\OSTREL~1.SCR\" /p 4242"),
                   ArgumentText("ostrel.scr\t \t/c:1234  "), ArgumentText("ostrel.scr"),
                   ArgumentText("\"unterminated /s"), ArgumentText("\"\" /s"), ArgumentText("")),
        std::tuple("/S", "/p 4242", "/c:1234  ", "", "", "/s", ""));
}

}  // namespace
}  // namespace ostrel::win32

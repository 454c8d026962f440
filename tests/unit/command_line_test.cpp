#include <gtest/gtest.h>

#include <tuple>

#include "common/failure.h"
#include "startup/command_line.h"

namespace ostrel {
namespace {

TEST(CommandLine, ArgumentTextFollowsTheProgramPath) {
    EXPECT_EQ(
        std::tuple(ArgumentText("\"C:\\Program Files\\ostrel.scr\"/S"),
                   ArgumentText("\"C:\\Windows\\OSTREL~1.SCR\" /p 4242"),
                   ArgumentText("ostrel.scr\t \t/c:1234  "), ArgumentText("ostrel.scr"),
                   ArgumentText("\"unterminated /s"), ArgumentText("\"\" /s"), ArgumentText("")),
        std::tuple("/S", "/p 4242", "/c:1234  ", "", "", "/s", ""));
}

TEST(CommandLine, PreviewHandleIsTheLongestNumericTail) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"/p 1234", 1234}, {"/P:1234", 1234}, {"/p1234", 1234}, {"/p", 0},       {"/p -77", -77},
        {"/p 12.5", 12},   {"/p 13.5", 14},   {"/p 1e3", 1000}, {"/p &H10", 16}, {"/p abc", 0},
        {"", 0},           {"/p x12y", 0},    {"4321", 4321}};
    for (const auto& [line, handle] : cases) {
        EXPECT_EQ(PreviewHostHandle(line), handle) << '"' << line << '"';
    }
    EXPECT_EQ(PreviewHostHandle("/p 2147483647"), INT32_MAX);
    EXPECT_THROW(PreviewHostHandle("/p 4294967296"), Failure);  // beyond 32 bits
}

}  // namespace
}  // namespace ostrel

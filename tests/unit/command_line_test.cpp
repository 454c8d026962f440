#include <gtest/gtest.h>

#include "common/failure.h"
#include "startup/command_line.h"

namespace ostrel {
namespace {

TEST(CommandLine, ArgumentTextFollowsTheProgramPath) {
    EXPECT_EQ(ArgumentText("ostrel.scr /a 1234"), "/a 1234");
    EXPECT_EQ(ArgumentText("\"C:\\Windows\\OSTREL~1.SCR\" /p 4242"), "/p 4242");
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\ostrel.scr\"/S"), "/S");
    EXPECT_EQ(ArgumentText("ostrel.scr  \t /c:1234  "), "/c:1234  ");
    EXPECT_EQ(ArgumentText("ostrel.scr\t/s"), "/s");
    EXPECT_EQ(ArgumentText("ostrel.scr"), "");
    EXPECT_EQ(ArgumentText("\"unterminated /s"), "");
    EXPECT_EQ(ArgumentText(""), "");
}

TEST(CommandLine, PreviewHandleIsTheLongestNumericTail) {
    const struct {
        const char* line;
        std::int32_t handle;
    } cases[] = {{"/p 1234", 1234},   {"/P:1234", 1234}, {"/p1234", 1234}, {"/p", 0},
                 {"/p 1234  ", 1234}, {"/p -77", -77},   {"/p 12.5", 12},  {"/p 13.5", 14},
                 {"/p 1e3", 1000},    {"/p &H10", 16},   {"/p abc", 0},    {"", 0},
                 {"/p x12y", 0},      {"/p5", 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(PreviewHostHandle(c.line), c.handle) << '"' << c.line << '"';
    }
    EXPECT_EQ(PreviewHostHandle("/p 2147483647"), 2147483647);
    EXPECT_THROW(PreviewHostHandle("/p 4294967296"), Failure);  // beyond 32 bits
}

}  // namespace
}  // namespace ostrel

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
    EXPECT_EQ(ArgumentText("ostrel.scr"), "");
    EXPECT_EQ(ArgumentText("\"unterminated /s"), "");
    EXPECT_EQ(ArgumentText(""), "");
}

TEST(CommandLine, SelectorIsFirstTwoTrimmedUpperCasedCharacters) {
    const struct {
        const char* line;
        const char* selector;
    } cases[] = {{"", ""},     {"/c", "/C"},     {"/C:1234", "/C"},    {"/c 1234", "/C"},
                 {"/s", "/S"}, {"  /S  ", "/S"}, {"/Sanything", "/S"}, {"/p 1234", "/P"},
                 {"/a", "/A"}, {"-s", "-S"},     {"/x", "/X"},         {"s", "S"},
                 {"   ", ""},  {"\t/s", "\t/"}};
    for (const auto& c : cases) {
        EXPECT_EQ(RunModeSelector(c.line), c.selector) << '"' << c.line << '"';
    }
}

TEST(CommandLine, PreviewHandleIsTheLongestNumericTail) {
    const struct {
        const char* line;
        std::int32_t handle;
    } cases[] = {{"/p 1234", 1234},
                 {"/P:1234", 1234},
                 {"/p1234", 1234},
                 {"/p", 0},
                 {"/p 1234  ", 1234},
                 {"/p -77", -77},
                 {"/p 12.5", 12},
                 {"/p 13.5", 14},
                 {"/p 1e3", 1000},
                 {"/p &H10", 16},
                 {"/p abc", 0},
                 {"", 0},
                 {"/p 2147483647", 2147483647},
                 {"/p x12y", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetPreviewHandle(c.line), c.handle) << '"' << c.line << '"';
    }
}

TEST(CommandLine, PreviewHandleBeyond32BitsIsOverflow) {
    try {
        GetPreviewHandle("/p 4294967296");
        ADD_FAILURE();
    } catch (const Failure& f) {
        EXPECT_EQ(f.number, 6);
    }
}

TEST(CommandLine, PasswordParentMustFollowTheSwitchDirectly) {
    EXPECT_EQ(PasswordParentHandle("/a 1234"), 1234);
    EXPECT_EQ(PasswordParentHandle("/A:1234"), 0);  // the colon stops the number
    EXPECT_EQ(PasswordParentHandle("/a1234"), 1234);
    EXPECT_EQ(PasswordParentHandle("/a"), 0);
    EXPECT_EQ(PasswordParentHandle(" /a 1234"), 0);
    EXPECT_EQ(PasswordParentHandle("/a 12 34"), 1234);
    EXPECT_EQ(PasswordParentHandle("/a 2.5"), 2);
}

}  // namespace
}  // namespace ostrel

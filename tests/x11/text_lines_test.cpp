#include "x11/portable/text_lines.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(TextLines, SeparatorLineFeedAndBothBreakOnce) {
    // "a" CR "b" LF "c" CR LF "d", then a trailing separator: five lines.
    EXPECT_EQ(TextLines("a\rb\nc\r\nd\r"), (std::vector<std::string>{"a", "b", "c", "d", ""}));
    EXPECT_EQ(TextLines(""), (std::vector<std::string>{""}));
    // CR CR is two breaks; LF CR is two breaks too.
    EXPECT_EQ(TextLines("\r\r\n\r"), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(JoinLines(TextLines("x\r\ny\rz"), " / "), "x / y / z");
    // A tab, a form feed and DEL are spaces; UTF-8's bytes above 0x7F stay.
    EXPECT_EQ(TextLines("a\tb\fc\x7F\xC3\xA9"), (std::vector<std::string>{"a b c \xC3\xA9"}));
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <limits>

#include "common/failure.h"
#include "common/number_patterns.h"

namespace ostrel {
namespace {

TEST(NumberPatterns, GroupedTakesTheSeparatorAndDropsZero) {
    EXPECT_EQ(FormatGrouped(1234567, ","), "1,234,567");
    EXPECT_EQ(FormatGrouped(1234567, "."), "1.234.567");
    EXPECT_EQ(FormatGrouped(123456, "\xA0"),
              "123\xA0"
              "456");
    EXPECT_EQ(FormatGrouped(1000, ","), "1,000");
    EXPECT_EQ(FormatGrouped(-1234, ","), "-1,234");
    EXPECT_EQ(FormatGrouped(2.5, ","), "2");  // halves to even
    EXPECT_EQ(FormatGrouped(0.5, ","), "");
    EXPECT_EQ(FormatGrouped(-0.3, ","), "");
}

TEST(NumberPatterns, WholeHasNoSeparatorAndDropsZero) {
    EXPECT_EQ(FormatWhole(1234567.4), "1234567");
    EXPECT_EQ(FormatWhole(78.5), "78");
    EXPECT_EQ(FormatWhole(0.49), "");
    EXPECT_THROW(FormatWhole(std::numeric_limits<double>::quiet_NaN()), Failure);
    EXPECT_THROW(FormatGrouped(1e19, ","), Failure);
}

TEST(NumberPatterns, TwoDigitsAtLeast) {
    EXPECT_EQ(FormatTwoDigits(7), "07");
    EXPECT_EQ(FormatTwoDigits(0), "00");
    EXPECT_EQ(FormatTwoDigits(42), "42");
    EXPECT_EQ(FormatTwoDigits(100), "100");
    EXPECT_EQ(FormatTwoDigits(-5), "-05");
    EXPECT_EQ(FormatTwoDigits(INT32_MIN), "-2147483648");
}

}  // namespace
}  // namespace ostrel

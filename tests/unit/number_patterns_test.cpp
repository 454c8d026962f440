#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "common/failure.h"
#include "common/number_patterns.h"

namespace ostrel {
namespace {

TEST(NumberPatterns, GroupedTakesTheSeparatorAndDropsZero) {
    EXPECT_EQ(
        std::tuple(FormatGrouped(1234567, ","), FormatGrouped(123456, "\240"),
                   FormatGrouped(1000, "."), FormatGrouped(-1234, ","), FormatGrouped(2.5, ","),
                   FormatGrouped(0.5, ","), FormatGrouped(-0.3, ",")),
        std::tuple("1,234,567",
                   "123\xA0"
                   "456",
                   "1.000", "-1,234", "2", "", ""));
}

TEST(NumberPatterns, WholeHasNoSeparatorAndDropsZero) {
    EXPECT_EQ(std::tuple(FormatWhole(1234567.4), FormatWhole(78.5), FormatWhole(0.49)),
              std::tuple("1234567", "78", ""));
    EXPECT_THROW(FormatWhole(std::numeric_limits<double>::quiet_NaN()), Failure);
    EXPECT_THROW(FormatGrouped(0x1p63, ","), Failure);
}

TEST(NumberPatterns, TwoDigitsAtLeast) {
    EXPECT_EQ(std::tuple(FormatTwoDigits(7), FormatTwoDigits(0), FormatTwoDigits(42),
                         FormatTwoDigits(-5), FormatTwoDigits(INT32_MIN)),
              std::tuple("07", "00", "42", "-05", "-2147483648"));
}

}  // namespace
}  // namespace ostrel

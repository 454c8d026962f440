#include <gtest/gtest.h>

#include <limits>

#include "common/calendar.h"
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
    EXPECT_EQ(FormatGrouped(999, ","), "999");
    EXPECT_EQ(FormatGrouped(1000, ","), "1,000");
    EXPECT_EQ(FormatGrouped(-1234, ","), "-1,234");
    EXPECT_EQ(FormatGrouped(2.5, ","), "2");  // halves to even
    EXPECT_EQ(FormatGrouped(0.4, ","), "");
    EXPECT_EQ(FormatGrouped(0.5, ","), "");
    EXPECT_EQ(FormatGrouped(-0.3, ","), "");
}

TEST(NumberPatterns, WholeHasNoSeparatorAndDropsZero) {
    EXPECT_EQ(FormatWhole(1234567.4), "1234567");
    EXPECT_EQ(FormatWhole(78.5), "78");
    EXPECT_EQ(FormatWhole(79.5), "80");
    EXPECT_EQ(FormatWhole(0.49), "");
    EXPECT_EQ(FormatWhole(-5), "-5");
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

TEST(Calendar, DaysRoundTripAcrossLeapYearsAndCenturies) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(1601, 1, 1), -134774);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);
    EXPECT_EQ(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28), 1);
    for (std::int64_t d = -200000; d < 200000; d += 97) {
        const CivilDate c = CivilFromDays(d);
        ASSERT_EQ(DaysFromCivil(c.year, c.month, c.day), d);
        ASSERT_GE(c.day, 1);
        ASSERT_LE(c.day, DaysInMonth(c.year, c.month));
    }
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2006, 13), 0);
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "common/failure.h"
#include "common/number_patterns.h"
#include "common/numeric.h"
#include "common/random.h"

namespace ostrel {
namespace {

TEST(Rounding, HalvesGoToEvenAndOutOfRangeIsOverflowAsInNarrowing) {
    EXPECT_EQ(std::tuple(RoundToInt32(2.5), RoundToInt32(3.5), RoundToInt32(-22.5),
                         RoundToInt32(-0.5), RoundToInt32(0.49999), RoundToInt32(2.500001),
                         RoundToInt32(2147483647.4), RoundToInt32(-2147483648.4)),
              std::tuple(2, 4, -22, 0, 0, 3, INT32_MAX, INT32_MIN));
    EXPECT_EQ(std::tuple(RoundToInt16(32767.4), RoundToInt16(-32768.5), RoundToInt16(4.5),
                         NarrowToInt16(32767), NarrowToInt16(-32768), NarrowToUInt8(255)),
              std::tuple(32767, -32768, 4, 32767, -32768, 255));
    for (double v : {2147483647.5, -2147483648.6, 1e300, HUGE_VAL, std::nan("")}) {
        EXPECT_THROW(RoundToInt32(v), Failure) << v;
    }
    EXPECT_THROW(RoundToInt16(32767.5), Failure);
    EXPECT_THROW(RoundToInt16(-32769), Failure);
    EXPECT_THROW(NarrowToInt16(32768), Failure);
    EXPECT_THROW(NarrowToUInt8(-1), Failure);
}

TEST(ReadNumber, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"12 34", 1234}, {"\t1\n2", 12},     {"\r5", 0},     {"-5", -5},
        {"+7", 7},       {"3.25", 3.25},     {".5", 0.5},    {"1e3", 1000},
        {"1E+2", 100},   {"25e-1", 2.5},     {"2d2", 200},   {"1e", 1},
        {"1e+", 1},      {"12abc", 12},      {"1.2.3", 1.2}, {"&H1F", 31},
        {"&hff", 255},   {"&O17", 15},       {"&o8", 0},     {"&H", 0},
        {"", 0},         {"abc", 0},         {"-", 0},       {".", 0},
        {"1e-999", 0},   {"1e999", HUGE_VAL}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(ReadNumber(text), value) << '"' << text << '"';
    }
}

TEST(ReadNumber, BeyondADoublesRangeByItsDigitsAsWellAsItsExponent) {
    const std::string z(400, '0');
    // 1 followed by 400 zeros is 10^400; divided by 10^50 it is still far too
    // large. 0.(400 zeros)1 is 10^-401, and ten times that still far too
    // small. An exponent of 10^400 is beyond any integer, and still decides;
    // leading zeros do not make an exponent large.
    const double inf = HUGE_VAL;
    const std::pair<std::string, double> cases[] = {
        {"1" + z + "e-050", inf}, {"-1" + z + ".5", -inf}, {"0." + z + "1", 0},
        {"0." + z + "1e+1", 0},   {"." + z + "42", 0},     {"1e1" + z, inf},
        {"1e-1" + z, 0},          {"2e" + z + "1", 20}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadNumber(text), value) << text.substr(0, 4);
    }
}

TEST(WholeNumber, AcceptsOnlyACompleteNumber) {
    for (const char* yes :
         {"1234", " 1234 ", "-12", "+3", "1.5", ".5", "5.", "1e3", "1E-3", "&H1F", "&o7", "0"}) {
        EXPECT_TRUE(IsWholeNumber(yes)) << yes;
    }
    for (const char* no : {"", " ", "p 1234", ":1234x", "12 34", "1e", "&H", "&HG", "-", ".",
                           "1.2.3", "\t12", "e5", "a"}) {
        EXPECT_FALSE(IsWholeNumber(no)) << no;
    }
}

TEST(UpperCase, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("az@[`{AZ\xe9"), "AZ@[`{AZ\xe9");
}

TEST(RandomDraw, AWholePeriodStaysBelowOneAndReachesZero) {
    // The generator passes through every one of its 2^24 states before it
    // repeats, so one period shows the smallest and largest draws.
    Random random;
    random.Seed(12345.678);
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < (1 << 24); ++i) {
        const float r = random.Draw();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(std::tuple(lowest, highest), std::tuple(0.0f, 0.99999994f));  // the largest below 1
}

TEST(NumberPatterns, GroupedTakesTheSeparatorWholeHasNoneAndBothDropZero) {
    EXPECT_EQ(
        std::tuple(FormatGrouped(1234567, ","), FormatGrouped(123456, "\240"),
                   FormatGrouped(1000, "."), FormatGrouped(-1234, ","), FormatGrouped(2.5, ","),
                   FormatGrouped(0.5, ","), FormatGrouped(-0.3, ","), FormatWhole(1234567.4),
                   FormatWhole(78.5), FormatWhole(0.49)),
        std::tuple("1,234,567", "123\240456", "1.000", "-1,234", "2", "", "", "1234567", "78", ""));
    EXPECT_THROW(FormatWhole(std::numeric_limits<double>::quiet_NaN()), Failure);
    EXPECT_THROW(FormatGrouped(0x1p63, ","), Failure);
    EXPECT_EQ(std::tuple(FormatTwoDigits(7), FormatTwoDigits(0), FormatTwoDigits(42),
                         FormatTwoDigits(-5), FormatTwoDigits(INT32_MIN)),
              std::tuple("07", "00", "42", "-05", "-2147483648"));
}

}  // namespace
}  // namespace ostrel

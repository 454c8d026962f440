#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/failure.h"
#include "common/numeric.h"
#include "common/random.h"

namespace ostrel {
namespace {

TEST(Rounding, HalvesGoToEvenAndOutOfRangeIsOverflowAsInNarrowing) {
    const struct {
        double in;
        std::int32_t out;
    } cases[] = {{2.5, 2}, {3.5, 4},   {-22.5, -22}, {-2.5, -2},   {0.5, 0},
                 {1.5, 2}, {-1.5, -2}, {-0.5, 0},    {0.49999, 0}, {2.500001, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt32(c.in), c.out) << c.in;
    }
    EXPECT_EQ(RoundToInt32(2147483647.4), INT32_MAX);
    EXPECT_EQ(RoundToInt32(-2147483648.4), INT32_MIN);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt16(4.5), 4);
    for (double v : {2147483647.5, -2147483648.6, 1e300, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(RoundToInt32(v), Failure) << v;
    }
    EXPECT_THROW(RoundToInt16(32767.5), Failure);
    EXPECT_THROW(RoundToInt16(-32769), Failure);
    EXPECT_EQ(NarrowToInt16(32767), 32767);
    EXPECT_EQ(NarrowToInt16(-32768), -32768);
    EXPECT_THROW(NarrowToInt16(32768), Failure);
    EXPECT_THROW(NarrowToUInt8(-1), Failure);
}

TEST(ReadNumber, ReadsTheNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1234", 1234},      {" 1234", 1234}, {"12 34", 1234}, {"\t1\n2", 12},
        {"-5", -5},          {"+7", 7},       {"- 5", -5},     {"3.25", 3.25},
        {".5", 0.5},         {"1e3", 1000},   {"1E+2", 100},   {"25e-1", 2.5},
        {"2d2", 200},        {"1e", 1},       {"1e+", 1},      {"12abc", 12},
        {"1234 rest", 1234}, {"&H1F", 31},    {"&hff", 255},   {"&O17", 15},
        {"&o8", 0},          {"&H", 0},       {"", 0},         {"abc", 0},
        {"a 1234", 0},       {"-", 0},        {".", 0},        {"1.2.3", 1.2},
        {"\r5", 0},          {"  \t\n", 0},   {"1e-999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::isinf(ReadNumber("1e999")));
}

TEST(ReadNumber, BeyondADoublesRangeByItsDigitsAsWellAsItsExponent) {
    const std::string zeros(400, '0');
    // 1 followed by 400 zeros is 10^400; divided by ten it is still far too
    // large, so it overflows however the exponent is written.
    EXPECT_TRUE(std::isinf(ReadNumber("1" + zeros + "e-1")));
    EXPECT_TRUE(std::isinf(ReadNumber("-1" + zeros + ".5")));
    // 0.(400 zeros)1 is 10^-401, and ten times that still far too small.
    EXPECT_EQ(ReadNumber("0." + zeros + "1"), 0.0);
    EXPECT_EQ(ReadNumber("0." + zeros + "1e+1"), 0.0);
    EXPECT_EQ(ReadNumber("." + zeros + "42"), 0.0);
    // An exponent of 10^400 is beyond any integer, and still decides;
    // leading zeros do not make an exponent large.
    EXPECT_TRUE(std::isinf(ReadNumber("1e1" + zeros)));
    EXPECT_EQ(ReadNumber("1e-1" + zeros), 0.0);
    EXPECT_EQ(ReadNumber("2e" + zeros + "1"), 20.0);
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

TEST(RandomDraw, AWholePeriodStaysBelowOneAndReachesZero) {
    // The generator passes through every one of its 2^24 states before it
    // repeats, so one period shows the smallest and largest draws.
    SeedRandom(12345.678);
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < (1 << 24); ++i) {
        const float r = RandomDraw();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_EQ(highest, 0.99999994f);  // the largest float below 1
}

}  // namespace
}  // namespace ostrel

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
                         RoundToInt32(2147483647.4), RoundToInt16(-32768.5), NarrowToUInt8(255)),
              std::tuple(2, 4, -22, INT32_MAX, -32768, 255));
    for (double v : {2147483647.5, -2147483648.6, std::nan("")}) {
        EXPECT_THROW(RoundToInt32(v), Failure) << v;
    }
    EXPECT_THROW(RoundToInt16(32767.5), Failure);
    EXPECT_THROW(NarrowToUInt8(-1), Failure);
}

TEST(ReadNumber, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"12 34", 1234}, {"\t1\n2", 12},     {"\r5", 0},     {"-5", -5},
        {"+7", 7},       {"3.25", 3.25},     {".5", 0.5},    {"1e3", 1000},
        {"1E+2", 100},   {"25e-1", 2.5},     {"2d2", 200},   {"1e", 1},
        {"1e+", 1},      {"12abc", 12},      {"1.2.3", 1.2}, {"&H1F", 31},
        {"&hf0", 240},   {"&O17", 15},       {"&o8", 0},     {"&H", 0},
        {"", 0},         {"abc", 0},         {"-", 0},       {".", 0},
        {"1e-999", 0},   {"1e999", HUGE_VAL}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(ReadNumber(text), value) << '"' << text << '"';
    }
    // Beyond a double's range, the digits count as well as the exponent.
    EXPECT_EQ(ReadNumber("1000000000000000000000e-350"), 0);
}

TEST(WholeNumber, AcceptsOnlyACompleteNumberAndUpperCaseOnlyAsciiLetters) {
    for (const char* yes :
         {"1234", " 1234 ", "-12", "+3", "1.5", ".5", "5.", "1e3", "1E-3", "&H1F", "&o7", "0"}) {
        EXPECT_TRUE(IsWholeNumber(yes)) << yes;
    }
    for (const char* no : {"", " ", "p 1234", ":1234x", "12 34", "1e", "&H", "&HG", "-", ".",
                           "1.2.3", "\t12", "e5", "a"}) {
        EXPECT_FALSE(IsWholeNumber(no)) << no;
    }
    EXPECT_EQ(UpperCase("az@[`{AZ\xe9"), "AZ@[`{AZ\xe9");
}

TEST(NumberPatterns, GroupedTakesTheSeparatorWholeHasNoneAndBothDropZero) {
    EXPECT_EQ(std::tuple(FormatGrouped(1234567, "\240"), FormatGrouped(-1234, ","),
                         FormatGrouped(2.5, ","), FormatGrouped(0.5, ","), FormatWhole(78.5),
                         FormatWhole(0.49), FormatTwoDigits(7), FormatTwoDigits(-5)),
              std::tuple("1\240234\240567", "-1,234", "2", "", "78", "", "07", "-05"));
    EXPECT_THROW(FormatWhole(std::numeric_limits<double>::quiet_NaN()), Failure);
    EXPECT_THROW(FormatGrouped(0x1p63, ","), Failure);
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "linux/line_ends.h"
#include "linux/portable/processor_stat.h"

namespace ostrel {
namespace {

using enum ProcessorStatReading;

// Eleven processors, listed out of order after the total line; processors 2
// and 4-9 are offline and have no line. Processor N is idle 100 * (N + 1)
// ticks and waits for input or output N ticks; the other columns are there
// to be ignored.
constexpr const char* kEleven =
    "cpu  9 9 9 9 9 9 9 9 0 0\n"
    "cpu10 7 1 2 1100 10 3 4 5 0 0\n"
    "cpu0 7 1 2 100 0 3 4 5 0 0\n"
    "cpu1 7 1 2 200 1 3 4 5 0 0\n"
    "cpu3 7 1 2 400 3 3 4 5 0 0\n"
    "intr 1234 5 6 7\n"
    "cpux 1 2 3 4 5\n";

TEST(LinuxProcessorStat, ReadsIdlePlusIoWaitOfEveryProcessorIn100NanosecondUnits) {
    platform::ProcessorTimes t;
    t.time = 77;  // the time stamp is the caller's
    ASSERT_EQ(ReadProcessorIdle(kEleven, 100, 11, t), Read);
    // At 100 ticks a second one tick is 100,000 units: processor N has
    // (101 N + 100) ticks.
    EXPECT_EQ(std::tuple(t.idle, t.seen, t.time),
              std::tuple(std::vector<std::int64_t>{10000000, 20100000, 0, 40300000, 0, 0, 0, 0, 0,
                                                   0, 111000000},
                         std::vector<std::uint8_t>{1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 77));
    platform::ProcessorTimes crLf;
    ASSERT_EQ(ReadProcessorIdle(WithCrLf(kEleven), 100, 11, crLf), Read);
    EXPECT_EQ(std::tuple(crLf.idle, crLf.seen), std::tuple(t.idle, t.seen));
    // At one tick a second processor 10 has 1110 seconds; no ticks are no clock.
    ASSERT_EQ(ReadProcessorIdle(kEleven, 1, 11, t), Read);
    EXPECT_EQ(t.idle[10], 11100000000);
    EXPECT_EQ(ReadProcessorIdle(kEleven, 0, 11, t), Unreadable);
}

TEST(LinuxProcessorStat, AnswersWhyAReadingFailsAndKeepsTheLastOne) {
    const std::tuple<const char*, ProcessorStatReading, std::vector<std::int64_t>> cases[] = {
        {"cpu  1 2 3 4\nintr 5\n", NoProcessors, {5, 6}},
        {"cpu0 1 2 3 4 5\ncpu2 1 2 3 4 5\n", ProcessorOutOfRange, {5, 6}},
        {"cpu0 1 2 3\n", Unreadable, {5, 6}},                      // no idle column
        {"cpu0 1 2 3 4x 5\n", Unreadable, {5, 6}},                 // idle not a number
        {"cpu0 1 2 3 4 -5\n", Unreadable, {5, 6}},                 // iowait not a number
        {"cpu0 1 2 3 4 5\ncpu0 1 2 3 4 5\n", Unreadable, {5, 6}},  // twice
        {"cpu1a 1 2 3 4 5\n", Unreadable, {5, 6}},
        {"cpu0 0 0 0 18446744073709551615 1\n", Unreadable, {5, 6}},
        // 2^63 / 10^5 ticks and one more do not fit 64 bits in 100-ns units.
        {"cpu0 0 0 0 92233720368548 0\n", Unreadable, {5, 6}},
        {"cpu0 0 0 0 92233720368547 0\n", Read, {9223372036854700000, 0}},
        // Kernels before iowait was counted end after idle.
        {"cpu0 1 2 3 40\ncpu1 1 2 3 50 7\n", Read, {4000000, 5700000}}};
    for (const auto& [text, answer, idle] : cases) {
        platform::ProcessorTimes t;
        t.idle = {5, 6};
        EXPECT_EQ(ReadProcessorIdle(text, 100, 2, t), answer) << text;
        EXPECT_EQ(t.idle, idle) << text;
    }
}

TEST(LinuxProcessorStat, CountsProcessorsByTheHighestNumber) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {kEleven, 11},
        {"cpu  1 2 3 4\n", 0},
        {"cpu3 1 2 3 4", 4},  // processors 0-2 offline; no final line feed
        {"cpu0 1\ncpu99999999999999999999 1\n", 0},
        {"cpu1048576 1 2 3 4\n", 0},
        {"cpu1048575 1 2 3 4\n", 1048576}};
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(CountProcessors(text), count) << text;
    }
}

}  // namespace
}  // namespace ostrel

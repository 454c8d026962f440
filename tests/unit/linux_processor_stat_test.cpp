#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/linux_data/processor_stat.h"

namespace ostrel {
namespace {

// Fourteen processors, listed out of order after the total line; processor 5
// is offline and has no line. Processor N is idle 100 * (N + 1) ticks and
// waits for input or output N ticks; the other columns are there to be
// ignored.
const std::string kFourteen =
    "cpu  9 9 9 9 9 9 9 9 0 0\n"
    "cpu13 7 1 2 1400 13 3 4 5 0 0\n"
    "cpu0 7 1 2 100 0 3 4 5 0 0\n"
    "cpu1 7 1 2 200 1 3 4 5 0 0\n"
    "cpu2 7 1 2 300 2 3 4 5 0 0\n"
    "cpu3 7 1 2 400 3 3 4 5 0 0\n"
    "cpu4 7 1 2 500 4 3 4 5 0 0\n"
    "cpu6 7 1 2 700 6 3 4 5 0 0\n"
    "cpu7 7 1 2 800 7 3 4 5 0 0\n"
    "cpu8 7 1 2 900 8 3 4 5 0 0\n"
    "cpu9 7 1 2 1000 9 3 4 5 0 0\n"
    "cpu10 7 1 2 1100 10 3 4 5 0 0\n"
    "cpu11 7 1 2 1200 11 3 4 5 0 0\n"
    "cpu12 7 1 2 1300 12 3 4 5 0 0\n"
    "intr 1234 5 6 7\n"
    "ctxt 99\n"
    "btime 1700000000\n"
    "cpux 1 2 3 4 5\n";

TEST(LinuxProcessorStat, ReadsIdlePlusIoWaitOfEveryProcessorIn100NanosecondUnits) {
    platform::ProcessorTimes t;
    t.time = 77;
    ASSERT_EQ(ReadProcessorIdle(kFourteen, 100, 14, t), ProcessorStatReading::Read);
    // At 100 ticks a second one tick is 100,000 units: processor N has
    // (101 N + 100) ticks, processor 5 none.
    EXPECT_EQ(t.idle, (std::vector<std::int64_t>{10000000, 20100000, 30200000, 40300000, 50400000,
                                                 0, 70600000, 80700000, 90800000, 100900000,
                                                 111000000, 121100000, 131200000, 141300000}));
    EXPECT_EQ(t.seen, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(t.time, 77);  // the time stamp is the caller's
    // At 250 ticks a second one tick is 40,000 units: processor 13 has 1413 ticks.
    ASSERT_EQ(ReadProcessorIdle(kFourteen, 250, 14, t), ProcessorStatReading::Read);
    EXPECT_EQ(t.idle[13], 56520000);
}

TEST(LinuxProcessorStat, AnswersWhyAReadingFailsAndKeepsTheLastOne) {
    struct Case {
        const char* text;
        std::int32_t count;
        ProcessorStatReading answer;
    };
    const Case cases[] = {
        {"cpu  1 2 3 4\nintr 5\n", 2, ProcessorStatReading::NoProcessors},
        {"", 2, ProcessorStatReading::NoProcessors},
        {"cpu0 1 2 3 4 5\ncpu2 1 2 3 4 5\n", 2, ProcessorStatReading::ProcessorOutOfRange},
        {"cpu0 1 2 3\n", 2, ProcessorStatReading::Unreadable},       // no idle column
        {"cpu0 1 2 3 4x 5\n", 2, ProcessorStatReading::Unreadable},  // idle not a number
        {"cpu0 1 2 3 4 -5\n", 2, ProcessorStatReading::Unreadable},  // iowait not a number
        {"cpu0 1 2 3 4 5\ncpu0 1 2 3 4 5\n", 2, ProcessorStatReading::Unreadable},  // twice
        {"cpu1a 1 2 3 4 5\n", 2, ProcessorStatReading::Unreadable},
        {"cpu0 0 0 0 18446744073709551615 1\n", 2, ProcessorStatReading::Unreadable},
        // 2^63 / 10^5 ticks and one more do not fit 64 bits in 100-ns units.
        {"cpu0 0 0 0 92233720368548 0\n", 2, ProcessorStatReading::Unreadable},
        {"cpu0 0 0 0 92233720368547 0\n", 2, ProcessorStatReading::Read},
    };
    for (const Case& c : cases) {
        platform::ProcessorTimes t;
        t.idle = {5, 6};
        t.seen = {1, 1};
        EXPECT_EQ(ReadProcessorIdle(c.text, 100, c.count, t), c.answer) << c.text;
        if (c.answer != ProcessorStatReading::Read) {
            EXPECT_EQ(t.idle, (std::vector<std::int64_t>{5, 6})) << c.text;
        }
    }
}

TEST(LinuxProcessorStat, OldKernelsWithoutIoWaitCountIdleAlone) {
    platform::ProcessorTimes t;
    ASSERT_EQ(ReadProcessorIdle("cpu0 1 2 3 40\ncpu1 1 2 3 50 7\n", 100, 2, t),
              ProcessorStatReading::Read);
    EXPECT_EQ(t.idle, (std::vector<std::int64_t>{4000000, 5700000}));
}

TEST(LinuxProcessorStat, CountsProcessorsByTheHighestNumber) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {kFourteen.c_str(), 14},
        {"cpu  1 2 3 4\n", 0},
        {"cpu3 1 2 3 4\n", 4},  // processors 0-2 offline
        {"cpu0 1\ncpu99999999999999999999 1\n", 0},
        {"cpu1048576 1 2 3 4\n", 0},
        {"cpu1048575 1 2 3 4\n", 1048576},
        {"cpu0 1 2 3 4", 1},  // no final line feed
    };
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(CountProcessors(text), count) << text;
    }
}

}  // namespace
}  // namespace ostrel

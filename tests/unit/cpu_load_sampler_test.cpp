#include <gtest/gtest.h>

#include "fixture.h"
#include "sources/cpu_load_sampler.h"

namespace ostrel {
namespace {

constexpr std::int64_t kSecond = 10000000;  // 100-ns units
constexpr std::int64_t kStart = 128098047700000000;

class CpuLoad : public PlatformTest {
  protected:
    // The figures after a reading, of every processor, `seconds` after the start.
    std::string After(const std::vector<std::int64_t>& idle, std::int64_t seconds) {
        sys().processorTimes = {idle, std::vector<std::uint8_t>(idle.size(), 1),
                                kStart + seconds * kSecond};
        sys().processorTimesFailure.reset();
        return sampler.UsageText();
    }
    // Two processors unless a test says otherwise.
    int twoProcessors = (sys().processorCount = 2);
    CpuLoadSampler sampler{sys()};
};

TEST_F(CpuLoad, FiguresAreTheBusyShareBetweenTheLastTwoCollections) {
    // Asking for a figure before any collection collects first; with nothing
    // earlier to compare with, the figure is 0.
    sys().processorTimes = {{9 * kSecond, 0}, {1, 1}, kStart};
    EXPECT_EQ(sampler.UsagePercent(2), 0);
    EXPECT_EQ(std::tuple(sampler.KnownProcessorCount(), sys().processorReadings), std::tuple(2, 1));
    // Busy = 1 - idle / time: 0.93 s idle in a second is 7 %, 0.58 s is 42 %.
    EXPECT_EQ(After({9 * kSecond + 9300000, 5800000}, 1), "07% 42%");
    // 12.5 % busy rounds to 12 and 37.5 % to 38; an idle time that ran ahead
    // of the clock is not clamped.
    EXPECT_EQ(After({9 * kSecond + 18050000, 16300000}, 2), "12% -05%");
    EXPECT_EQ(After({11 * kSecond + 4300000, 16300000}, 3), "38% 100%");
    EXPECT_EQ(After({0, 3 * kSecond}, 3), "00% 00%");  // the same time stamp again
}

TEST_F(CpuLoad, EveryProcessorHasItsOwnFigureInOrder) {
    sys().processorCount = 12;
    std::vector<std::int64_t> idle(12, 0);
    After(idle, 0);
    // Processor k idles k tenths of the second: 100, 90, ..., 0 and below.
    for (std::size_t k = 0; k < idle.size(); ++k) {
        idle[k] = static_cast<std::int64_t>(k) * kSecond / 10;
    }
    EXPECT_EQ(After(idle, 1), "100% 90% 80% 70% 60% 50% 40% 30% 20% 10% 00% -10%");
    // One processor alone has a blank before the percent sign.
    sys().processorCount = 1;
    sampler = CpuLoadSampler{sys()};
    EXPECT_EQ(After({5 * kSecond}, 2), "00 %");
    EXPECT_EQ(After({5 * kSecond + 9300000}, 3), "07 %");
}

TEST_F(CpuLoad, AProcessorMissingFromAReadingStartsAgain) {
    After({0, 0}, 0);
    sys().processorTimes = {{kSecond / 2, 9 * kSecond}, {1, 0}, kStart + kSecond};
    EXPECT_EQ(sampler.UsageText(), "50% 00%");
    // The second processor has one sample again: no figure yet, though
    // against its sample before the gap it would read 50 %.
    EXPECT_EQ(After({kSecond, kSecond / 2}, 2), "50% 00%");
    EXPECT_EQ(After({kSecond, kSecond / 2 + kSecond / 4}, 3), "100% 75%");
}

TEST_F(CpuLoad, AFailedReadingChangesNoSampleAndSaysSo) {
    After({0, 0}, 0);
    sys().processorTimesFailure =
        Failure{ObjectError(platform::kErrUnreadableProcessorData), "lost", "test"};
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    // Still measured against the reading before the failure.
    EXPECT_EQ(After({kSecond, kSecond / 2}, 2), "50% 75%");
    // A reading of the wrong length is no reading either.
    sys().processorTimes.idle.pop_back();
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    sys().processorTimes = {{kSecond, kSecond}, {1}, kStart + 3 * kSecond};
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
}

TEST_F(CpuLoad, FiguresThatAreNotPublishedAreAskedForAgainOnlyOnceAMinute) {
    // Figures that could not be read this time are asked for again at once.
    for (std::int32_t code : {platform::kErrNoProcessorObject, platform::kErrNoProcessorTimeCounter,
                              platform::kErrUnreadableProcessorData}) {
        sys().processorReadings = 0;
        sys().processorTimesFailure = Failure{ObjectError(code), "lost", "test"};
        // The failed reading, then 59 calls that do not ask.
        for (int i = 0; i < 60; ++i) {
            EXPECT_EQ(sampler.UsageText(), "CPU query failed");
        }
        // Processors that appear later are shown from the next asking on.
        const int asked = sys().processorReadings;
        EXPECT_EQ(std::tuple(asked, After({0, 0}, 1)),
                  std::tuple(code == platform::kErrUnreadableProcessorData ? 60 : 1, "00% 00%"));
    }
}

TEST_F(CpuLoad, FailuresCarryTheirNumbersSourcesAndDescriptions) {
    // No processors at all, even with a reading just as empty.
    sys().processorCount = 0;
    EXPECT_EQ(std::tuple(FailureOf([&] { sampler.Collect(); }), sampler.UsageText()),
              std::tuple("9 : Subscript out of range", "CPU query failed"));
    sys().processorCount = 2;
    After({0, 0}, 0);
    for (std::int32_t index : {0, 3}) {
        EXPECT_EQ(FailureOf([&] { sampler.UsagePercent(index); }),
                  "-2147213501 CpuLoadSampler.UsagePercent(): CPU index out of bounds");
    }
    EXPECT_EQ(FailureOf([&] { sampler.UsagePercent(2); }), "no failure");
    sys().processorFiguresAvailable = false;
    EXPECT_EQ(FailureOf([&] { CpuLoadSampler{sys()}; }),
              "-2147213503 CpuLoadSampler.Initialize: Can't get the Windows version");
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <functional>

#include "fixture.h"
#include "sources/cpu_load_sampler.h"

namespace ostrel {
namespace {

constexpr std::int64_t kSecond = 10000000;  // 100-ns units
constexpr std::int64_t kStart = 128098047700000000;

class CpuLoad : public PlatformTest {
  protected:
    // The figures after a reading `seconds` after the start; `seen` marks the
    // processors the reading has (all when empty).
    std::string After(const std::vector<std::int64_t>& idle, std::int64_t seconds,
                      std::vector<std::uint8_t> seen = {}) {
        Reading(idle, seconds, std::move(seen));
        return sampler.UsageText();
    }
    void Reading(const std::vector<std::int64_t>& idle, std::int64_t seconds,
                 std::vector<std::uint8_t> seen = {}) {
        if (seen.empty()) {
            seen.assign(idle.size(), 1);
        }
        fake().processorTimes = {idle, seen, kStart + seconds * kSecond};
        fake().processorTimesFailure.reset();
    }
    void Fails(std::int32_t code) {
        fake().processorTimesFailure = Failure{ObjectError(code), "lost", "test"};
    }
    CpuLoadSampler sampler;
};

TEST_F(CpuLoad, FiguresStartAtTheSecondCollection) {
    // Asking for a figure before any collection collects first; with nothing
    // earlier to compare with, the figure is 0.
    Reading({1000 * kSecond, 2000 * kSecond}, 0);
    EXPECT_EQ(sampler.UsagePercent(2), 0);
    EXPECT_EQ(std::tuple(sampler.KnownProcessorCount(), fake().processorReadings),
              std::tuple(2, 1));
    // Busy = 1 - idle / time: 0.93 s idle in a second is 7 %, 0.58 s is 42 %.
    EXPECT_EQ(After({1000 * kSecond + 9300000, 2000 * kSecond + 5800000}, 1), "07% 42%");
    // Over two seconds, unchanged idle times are all busy.
    EXPECT_EQ(After({1000 * kSecond + 9300000, 2000 * kSecond + 5800000}, 3), "100% 100%");
}

TEST_F(CpuLoad, TwelveProcessorsEachWithItsOwnFigureInOrder) {
    fake().processorCount = 12;
    std::vector<std::int64_t> idle(12, 0);
    After(idle, 0);
    // Processor k idles k tenths of the second: 100, 90, ..., 0 and below.
    for (std::size_t k = 0; k < idle.size(); ++k) {
        idle[k] = static_cast<std::int64_t>(k) * kSecond / 10;
    }
    EXPECT_EQ(After(idle, 1), "100% 90% 80% 70% 60% 50% 40% 30% 20% 10% 00% -10%");
}

TEST_F(CpuLoad, PercentagesRoundHalvesToEvenAndAreNotClamped) {
    After({0, 0}, 0);
    // 12.5 % busy rounds to 12; the second's idle time ran ahead of the clock.
    EXPECT_EQ(After({8750000, 10500000}, 1), "12% -05%");
    EXPECT_EQ(After({8750000 + 6250000, 10500000}, 2), "38% 100%");  // 37.5 % rounds to 38
    EXPECT_EQ(After({0, 3 * kSecond}, 2), "00% 00%");                // the same time stamp again
}

TEST_F(CpuLoad, OneProcessorHasABlankBeforeThePercentSign) {
    fake().processorCount = 1;
    EXPECT_EQ(After({5 * kSecond}, 0), "00 %");
    EXPECT_EQ(After({5 * kSecond + 9300000}, 1), "07 %");
}

TEST_F(CpuLoad, AProcessorMissingFromAReadingStartsAgain) {
    After({0, 0}, 0);
    EXPECT_EQ(After({kSecond / 2, 9 * kSecond}, 1, {1, 0}), "50% 00%");
    // The second processor has one sample again: no figure yet, though
    // against its sample before the gap it would read 50 %.
    EXPECT_EQ(After({kSecond, kSecond / 2}, 2), "50% 00%");
    EXPECT_EQ(After({kSecond, kSecond / 2 + kSecond / 4}, 3), "100% 75%");
}

TEST_F(CpuLoad, AFailedReadingChangesNoSampleAndSaysSo) {
    After({0, 0}, 0);
    Fails(platform::kErrUnreadableProcessorData);
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    // Still measured against the reading before the failure.
    EXPECT_EQ(After({kSecond, kSecond / 2}, 2), "50% 75%");
    // A reading of the wrong length is no reading either.
    fake().processorTimes.idle.pop_back();
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    fake().processorTimes = {{kSecond, kSecond}, {1}, kStart + 3 * kSecond};
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
}

TEST_F(CpuLoad, FiguresThatAreNotPublishedAreAskedForAgainOnlyOnceAMinute) {
    for (std::int32_t code :
         {platform::kErrNoProcessorObject, platform::kErrNoProcessorTimeCounter}) {
        SetUp();
        sampler = CpuLoadSampler{};
        Fails(code);
        // The failed reading, then 59 calls that do not ask.
        for (int i = 0; i < 60; ++i) {
            EXPECT_EQ(sampler.UsageText(), "CPU query failed");
        }
        EXPECT_EQ(fake().processorReadings, 1) << code;
        // Processors that appear later are shown from the next asking on.
        Reading({0, 0}, 1);
        EXPECT_EQ(sampler.UsageText(), "00% 00%");
        EXPECT_EQ(fake().processorReadings, 2) << code;
    }
    // Figures that could not be read this time are asked for again at once.
    Fails(platform::kErrUnreadableProcessorData);
    sampler.UsageText();
    sampler.UsageText();
    EXPECT_EQ(fake().processorReadings, 4);
}

TEST_F(CpuLoad, FailuresCarryTheirNumbersSourcesAndDescriptions) {
    fake().versionAvailable = false;
    EXPECT_EQ(FailureOf([] { CpuLoadSampler{}; }),
              "-2147213503 CpuLoadSampler.Initialize: Can't get the Windows version");
    fake().versionAvailable = true;

    After({0, 0}, 0);
    for (std::int32_t index : {0, 3, -1}) {
        EXPECT_EQ(FailureOf([&] { sampler.UsagePercent(index); }),
                  "-2147213501 CpuLoadSampler.UsagePercent(): CPU index out of bounds")
            << index;
    }
    EXPECT_EQ(FailureOf([&] { sampler.UsagePercent(2); }), "no failure");

    fake().processorCount = 0;
    CpuLoadSampler none;
    EXPECT_EQ(FailureOf([&] { none.Collect(); }), "9 : Subscript out of range");
    EXPECT_EQ(none.UsageText(), "CPU query failed");
}

}  // namespace
}  // namespace ostrel

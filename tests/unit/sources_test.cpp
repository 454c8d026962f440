// The information text and the figures it shows, over the fake system.

#include <gtest/gtest.h>

#include <cmath>

#include "fixture.h"
#include "common/calendar.h"
#include "display/info_text.h"
#include "sources/cpu_load_sampler.h"
#include "sources/memory_text.h"
#include "sources/network_activity.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

class Uptime : public PlatformTest {
  protected:
    // The fake's counter ticks 10^7 times a second.
    void SetUptime(double seconds) { sys().highResolutionCount = std::llround(seconds * 1e7); }
};

TEST_F(Uptime, CounterOrElseTickCountGivesFixedPointSeconds) {
    // The counter and its frequency, or without it the tick count, whole
    // seconds truncated until the count passes 2^31 ms. (2^63 - 1) / 10000
    // seconds is 2^63 fixed-point units as a double: one past the largest;
    // 2^60 counts at 2^20 a second, 2^40 seconds, fit.
    // A count of -1: no counter.
    const std::tuple<std::int64_t, std::int64_t, std::uint32_t, std::int64_t> cases[] = {
        {2, 3, 0, 6667},
        {2, 1, 0, 20000},
        {2, 0, 0, kUptimeFailed},
        {INT64_MAX, 10000, 0, kUptimeFailed},
        {1LL << 60, 1 << 20, 0, (1LL << 40) * 10000},
        {-1, 1, 123999, 1230000},
        {-1, 1, 0, 0},
        {-1, 1, 0x7FFFFFFF, 2147483 * 10000LL},
        {-1, 1, 0x80000000u, kUptimeFailed}};
    for (const auto& [count, frequency, ms, fixedPoint] : cases) {
        sys().highResolutionCount = count < 0 ? std::nullopt : std::optional(count);
        sys().highResolutionFrequency = frequency;
        sys().tickCount = ms;
        EXPECT_EQ(UptimeFixedPoint(sys()), fixedPoint) << frequency << " " << ms;
    }
    EXPECT_EQ(UptimeText(sys()), "uptime query failed");
}

TEST_F(Uptime, SplitsIntoDaysHoursMinutesSecondsAndClocksAtMidnightNoonAndAfternoon) {
    const std::pair<double, const char*> cases[] = {
        {93784, "1 day, 2:03:04"},          {950399, "10 days, 23:59:59"},
        {86399.6, "1 day, 0:00:00"},        {3600, "0 days, 1:00:00"},
        {0.5, "0 days, 0:00:00"},           {1.5, "0 days, 0:00:02"},
        {610, "0 days, 0:10:10"},           {549, "0 days, 0:09:09"},
        {2147483647, "24855 days, 3:14:07"}};
    for (const auto& [seconds, text] : cases) {
        SetUptime(seconds);
        EXPECT_EQ(UptimeText(sys()), text) << seconds;
    }
    SetUptime(2147483648.0);
    EXPECT_EQ(UptimeText(sys()), "failed to calculate uptime: Overflow");
    const std::tuple<int, int, int, const char*, const char*> clocks[] = {
        {0, 0, 0, "12:00:00 am", "00:00:00"},
        {11, 59, 59, "11:59:59 am", "11:59:59"},
        {12, 0, 0, "12:00:00 pm", "12:00:00"},
        {15, 6, 10, "3:06:10 pm", "15:06:10"}};
    for (const auto& [hour, minute, second, twelve, twentyFour] : clocks) {
        const platform::LocalTime t{2006, 12, 5, hour, minute, second, 0};
        // Only bit 0 counts.
        EXPECT_EQ(std::tuple(ClockText(t, 0xFE), ClockText(t, kTime24Hour)),
                  std::tuple(twelve, twentyFour));
    }
}

TEST_F(Uptime, StartTimeIsNowLessTheUptimeFormattedOnceOnTheCalendar) {
    const std::tuple<platform::LocalTime, double, std::uint8_t, const char*> cases[] = {
        {{2006, 12, 5, 15, 6, 10, 0}, 3600.4, kTime24Hour, "05-Dec-06 14:06:10"},
        {{1970, 1, 1, 0, 0, 5, 0}, 10, 0, "31-Dec-69 11:59:55 pm"},
        {{2004, 3, 1, 12, 0, 0, 0}, 86400 + 12 * 3600, 0, "29-Feb-04 12:00:00 am"},
        {{2004, 3, 2, 1, 0, 0, 0}, 86400 + 3600, 0, "01-Mar-04 12:00:00 am"},  // after a leap day
        {{2006, 12, 5, 15, 6, 10, 0}, 3e9, 0, "unknown time"},  // too many seconds to count back
    };
    for (const auto& [now, uptime, format, text] : cases) {
        sys().localTime = now;
        SetUptime(uptime);
        EXPECT_EQ(StartTime{}.Text(sys(), format), text);
    }
    // The locale's month names, or English where the locale has none.
    SetUptime(0);
    sys().monthNames.back() = "Dez";
    EXPECT_EQ(StartTime{}.Text(sys(), 0), "05-Dez-06 3:06:10 pm");
    sys().monthNames.clear();
    StartTime kept;
    EXPECT_EQ(kept.Text(sys(), 0), "05-Dec-06 3:06:10 pm");
    std::string months;
    for (int month = 1; month <= 12; ++month) {
        sys().localTime.month = month;
        months += StartTime{}.Text(sys(), 0).substr(3, 4);
    }
    EXPECT_EQ(months, "Jan-Feb-Mar-Apr-May-Jun-Jul-Aug-Sep-Oct-Nov-Dec-");

    // Formatted once and kept, even when unknown.
    sys().localTime.second = 40;
    EXPECT_EQ(kept.Text(sys(), kTime24Hour), "05-Dec-06 3:06:10 pm");
    StartTime unknown;
    sys().highResolutionCount.reset();
    sys().tickCount = 0x90000000u;
    EXPECT_EQ(unknown.Text(sys(), 0), "unknown time");
    sys().highResolutionCount = 0;
    EXPECT_EQ(unknown.Text(sys(), 0), "unknown time");
    std::vector<int> days;
    for (int month = 0; month <= 13; ++month) {
        days.push_back(DaysInMonth(2006, month));
    }
    EXPECT_EQ(days, (std::vector<int>{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0}));
    // Every day of four hundred years from before 1970 is a real date and
    // counts back to itself.
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    for (std::int64_t day = -1000; day < 146097; ++day) {
        const CivilDate d = CivilFromDays(day);
        ASSERT_EQ(std::tuple(DaysFromCivil(d.year, d.month, d.day), d.day >= 1,
                             d.day <= DaysInMonth(d.year, d.month)),
                  std::tuple(day, true, true));
    }
}

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

TEST_F(CpuLoad, AFailedReadingChangesNoSampleAndAMissingProcessorStartsAgain) {
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
    // The second processor missing from a reading has one sample again: no
    // figure yet, though against its sample before the gap it would read 100 %.
    sys().processorTimes = {{kSecond * 3 / 2, 9 * kSecond}, {1, 0}, kStart + 3 * kSecond};
    EXPECT_EQ(sampler.UsageText(), "50% 00%");
    EXPECT_EQ(After({kSecond * 3 / 2, kSecond / 2}, 4), "100% 00%");
    EXPECT_EQ(After({kSecond * 3 / 2, kSecond / 2 + kSecond / 4}, 5), "100% 75%");
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

class Network : public PlatformTest {
  protected:
    NetworkActivity monitor{net()};
};

TEST_F(Network, CountersThatCannotBeReadCountAsNoneAndNoneAtAllReadQuestionMarks) {
    net().interfaces = {{100, 100}};
    net().answer = platform::InterfaceQuery::Failed;
    EXPECT_EQ(monitor.StatusText(), "Network activity: rx: |  tx: |");
    net().answer = platform::InterfaceQuery::NotSupported;
    EXPECT_EQ(monitor.StatusText(), "??");
    net().answer = platform::InterfaceQuery::Read;
    EXPECT_EQ(monitor.StatusText(), "Network activity: rx: /  tx: /");
}

class InfoText : public PlatformTest {
  protected:
    void SetUp() override {
        sys().memory = {1048576000, 216739840, 4000000000, 2735803392, 2147352576, 2046217216};
    }
    std::string With(int items) {
        settings.displayItems = static_cast<std::int16_t>(items);
        return MemoryText(sys(), settings);
    }
    std::string Compose(std::int16_t items, const std::string& descr = "") {
        settings.displayItems = items;
        settings.description = descr;
        StartTime startTime;
        return ComposeInfoText(sys(), settings, "MYPC",
                               platform::LocalTime{2006, 12, 5, 15, 6, 10, 0}, startTime, nullptr);
    }
    Settings settings;
};

TEST_F(InfoText, EachBitAloneShowsItsOwnLineAndMemoryLinesFailTogether) {
    // Display bit i alone; the network line is a label of its own and
    // percentages alone add no memory line.
    std::string shown;
    for (int bit = 0; bit < 11; ++bit) {
        shown += Compose(static_cast<std::int16_t>(1 << bit), "Build box") + "|";
    }
    EXPECT_EQ(shown,
              "MYPC|3:06:10 pm|up for 0 days, 0:00:00|up since 05-Dec-06 3:06:10 pm|"
              "Page file usage: 1,234,567K|CPU usage: CPU query failed|;-)|Build box|"
              "Physical memory: 812,340K|Virtual memory: 98,765K|;-)|");
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory | kShowPercentages),
              "Page file usage: 1,234,567K (32%)\rPhysical memory: 812,340K (79%)\r"
              "Virtual memory: 98,765K (5%)");
    EXPECT_EQ(With(0x7FFF & ~(kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory)), "");
    // The thousands separator is the locale's, a comma where it has none.
    sys().thousandsSeparator = ".";
    EXPECT_EQ(With(kShowPageFile), "Page file usage: 1.234.567K");
    sys().thousandsSeparator = "";
    EXPECT_EQ(With(kShowVirtualMemory), "Virtual memory: 98,765K");

    // Figures that round to zero show as nothing, and any failure fails the
    // whole text.
    sys().memory.availPageFile = sys().memory.totalPageFile - 511;
    sys().memory.availPhys = sys().memory.totalPhys - 1536;  // 1.5K goes to even
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory | kShowPercentages),
              "Page file usage: K (%)\rPhysical memory: 2K (%)");
    sys().memory.totalVirtual = sys().memory.availVirtual = 0;
    EXPECT_EQ(With(kShowVirtualMemory), "Virtual memory: K");
    EXPECT_EQ(With(kShowPageFile | kShowVirtualMemory | kShowPercentages), "memory query failed");

    sys().memory.totalPhys = 922337203685477;  // the largest count that converts
    sys().memory.availPhys = 922337203685477 - 1024;
    EXPECT_EQ(With(kShowPhysicalMemory), "Physical memory: 1K");
    sys().memory.totalPhys = 922337203685478;
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory), "memory query failed");
}

TEST_F(InfoText, LinesFollowInTheirFixedOrderAndNothingIsAWink) {
    // No memory in use (the fake's zeros) shows as no figure; without a
    // sampler the processor query has failed.
    sys().memory = {};
    settings.timeFormat = kTime24Hour;
    EXPECT_EQ(Compose(kShowCurrentTime | kShowUptime | kShowStartTime | kShowPageFile |
                      kShowPhysicalMemory | kShowVirtualMemory | kShowCpuUsage),
              "15:06:10\rup for 0 days, 0:00:00\rup since 05-Dec-06 15:06:10\rPage file usage: K\r"
              "Physical memory: K\rVirtual memory: K\rCPU usage: CPU query failed");
    // Lines end in a single carriage return.
    EXPECT_EQ(Compose(kShowDescription | kShowCurrentTime, "Build box"), "Build box\r15:06:10");
    EXPECT_EQ(Compose(kShowDescription | kShowComputerName | kShowCurrentTime, "Build box"),
              "Build box\rMYPC:  15:06:10");
    // An empty description starts no line, percentages alone add no memory
    // line, and the network line is a label of its own.
    EXPECT_EQ(Compose(kShowDescription | kShowPercentages | kShowNetwork), ";-)");
}

}  // namespace
}  // namespace ostrel

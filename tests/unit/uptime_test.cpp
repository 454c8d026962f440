#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "settings/settings.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

class Uptime : public PlatformTest {
  protected:
    // A counter that ticks 10000 times a second holds the fixed-point value.
    void SetUptime(double seconds) {
        fake().highResolutionFrequency = 10000;
        fake().highResolutionCount = static_cast<std::int64_t>(seconds * 10000 + 0.5);
    }
    void NoCounter(std::uint32_t tickMs) {
        fake().highResolutionAnswer = 0;
        fake().tickCount = tickMs;
    }
};

TEST_F(Uptime, CounterOrElseTickCountGivesFixedPointSeconds) {
    fake().highResolutionFrequency = 3;
    fake().highResolutionCount = 1;
    EXPECT_EQ(UptimeFixedPoint(), 3333);
    fake().highResolutionCount = 2;
    EXPECT_EQ(UptimeFixedPoint(), 6667);
    fake().highResolutionFrequency = 0;
    EXPECT_EQ(UptimeFixedPoint(), kUptimeFailed);

    // The tick count serves when the counter answers other than 1.
    fake().highResolutionAnswer = 2;
    fake().tickCount = 123999;
    EXPECT_EQ(UptimeFixedPoint(), 1230000);  // whole seconds, truncated
    NoCounter(0);
    EXPECT_EQ(UptimeFixedPoint(), 0);
    NoCounter(0x7FFFFFFF);
    EXPECT_EQ(UptimeFixedPoint(), 2147483 * 10000LL);
    for (std::uint32_t wrapped : {0x80000000u, 0xFFFFFFFFu}) {
        NoCounter(wrapped);
        EXPECT_EQ(UptimeFixedPoint(), kUptimeFailed) << wrapped;
        EXPECT_EQ(UptimeText(), "uptime query failed");
    }
}

TEST_F(Uptime, SplitsIntoDaysHoursMinutesSeconds) {
    const std::pair<double, const char*> cases[] = {
        {93784, "1 day, 2:03:04"}, {950399, "10 days, 23:59:59"},      {86399.6, "1 day, 0:00:00"},
        {3600, "0 days, 1:00:00"}, {0.5, "0 days, 0:00:00"},           {1.5, "0 days, 0:00:02"},
        {609, "0 days, 0:10:09"},  {2147483647, "24855 days, 3:14:07"}};
    for (const auto& [seconds, text] : cases) {
        SetUptime(seconds);
        EXPECT_EQ(UptimeText(), text) << seconds;
    }
    SetUptime(2147483648.0);
    EXPECT_EQ(UptimeText(), "failed to calculate uptime: Overflow");
}

TEST_F(Uptime, ClockPatternsAtMidnightNoonAndAfternoon) {
    const std::tuple<int, int, int, const char*, const char*> cases[] = {
        {0, 0, 0, "12:00:00 am", "00:00:00"},
        {12, 0, 0, "12:00:00 pm", "12:00:00"},
        {15, 6, 10, "3:06:10 pm", "15:06:10"},
        {9, 5, 7, "9:05:07 am", "09:05:07"}};
    for (const auto& [hour, minute, second, twelve, twentyFour] : cases) {
        const platform::LocalTime t{2006, 12, 5, hour, minute, second, 0};
        EXPECT_EQ(ClockText(t, 0), twelve);
        EXPECT_EQ(ClockText(t, 1), twentyFour);
        EXPECT_EQ(ClockText(t, 0xFE), twelve);  // only bit 0 counts
    }
}

TEST_F(Uptime, StartTimeIsNowLessTheUptimeFormattedOnce) {
    const platform::LocalTime dec5{2006, 12, 5, 15, 6, 10, 0};
    const std::tuple<platform::LocalTime, double, std::uint8_t, const char*> cases[] = {
        {dec5, 3600.4, 0, "05-Dec-06 2:06:10 pm"},
        {dec5, 3600.4, kTime24Hour, "05-Dec-06 14:06:10"},
        {{2007, 1, 1, 0, 0, 5, 0}, 10, 0, "31-Dec-06 11:59:55 pm"},
        {{2007, 1, 15, 12, 0, 0, 0}, 3600, 0, "15-Jan-07 11:00:00 am"},
        {{2004, 3, 1, 12, 0, 0, 0}, 86400 + 12 * 3600, 0, "29-Feb-04 12:00:00 am"},
        {dec5, 3e9, 0, "unknown time"},  // too many seconds to count back from
    };
    for (const auto& [now, uptime, format, text] : cases) {
        StartTime startTime;
        fake().localTime = now;
        SetUptime(uptime);
        EXPECT_EQ(startTime.Text(format), text);
    }
    // The locale's month names, or English where the locale has none.
    SetUp();
    fake().monthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    EXPECT_EQ(StartTime{}.Text(0), "05-Dez-06 3:06:10 pm");
    fake().monthNames.clear();
    StartTime kept;
    EXPECT_EQ(kept.Text(0), "05-Dec-06 3:06:10 pm");

    // Formatted once and kept, even when unknown.
    fake().localTime.second = 40;
    SetUptime(12);
    EXPECT_EQ(kept.Text(kTime24Hour), "05-Dec-06 3:06:10 pm");
    StartTime unknown;
    NoCounter(0x90000000u);
    EXPECT_EQ(unknown.Text(0), "unknown time");
    fake().highResolutionAnswer = 1;
    EXPECT_EQ(unknown.Text(0), "unknown time");
}

}  // namespace
}  // namespace ostrel

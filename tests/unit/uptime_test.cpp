#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "fixture.h"
#include "settings/settings.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

class Uptime : public PlatformTest {
  protected:
    // The fake's counter ticks 10^7 times a second.
    void SetUptime(double seconds) { fake().highResolutionCount = std::llround(seconds * 1e7); }
    // Without the counter (it answers other than 1) the tick count serves.
    std::int64_t FromTicks(std::uint32_t ms, int answer = 0) {
        fake().highResolutionAnswer = answer;
        fake().tickCount = ms;
        return UptimeFixedPoint();
    }
};

TEST_F(Uptime, CounterOrElseTickCountGivesFixedPointSeconds) {
    fake().highResolutionCount = 2;
    fake().highResolutionFrequency = 3;
    EXPECT_EQ(UptimeFixedPoint(), 6667);
    fake().highResolutionFrequency = 1;
    EXPECT_EQ(UptimeFixedPoint(), 20000);
    fake().highResolutionFrequency = 0;
    EXPECT_EQ(UptimeFixedPoint(), kUptimeFailed);
    // Whole seconds, truncated, until the count passes 2^31 ms.
    EXPECT_EQ(std::tuple(FromTicks(123999, 2), FromTicks(0), FromTicks(0x7FFFFFFF)),
              std::tuple(1230000, 0, 2147483 * 10000LL));
    EXPECT_EQ(FromTicks(0x80000000u), kUptimeFailed);
    EXPECT_EQ(UptimeText(), "uptime query failed");
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
        {15, 6, 10, "3:06:10 pm", "15:06:10"}};
    for (const auto& [hour, minute, second, twelve, twentyFour] : cases) {
        const platform::LocalTime t{2006, 12, 5, hour, minute, second, 0};
        // Only bit 0 counts.
        EXPECT_EQ(std::tuple(ClockText(t, 0xFE), ClockText(t, kTime24Hour)),
                  std::tuple(twelve, twentyFour));
    }
}

TEST_F(Uptime, StartTimeIsNowLessTheUptimeFormattedOnce) {
    const std::tuple<platform::LocalTime, double, std::uint8_t, const char*> cases[] = {
        {{2006, 12, 5, 15, 6, 10, 0}, 3600.4, kTime24Hour, "05-Dec-06 14:06:10"},
        {{1970, 1, 1, 0, 0, 5, 0}, 10, 0, "31-Dec-69 11:59:55 pm"},
        {{2004, 3, 1, 12, 0, 0, 0}, 86400 + 12 * 3600, 0, "29-Feb-04 12:00:00 am"},
        {{2004, 3, 2, 1, 0, 0, 0}, 86400 + 3600, 0, "01-Mar-04 12:00:00 am"},  // after a leap day
        {{2006, 12, 5, 15, 6, 10, 0}, 3e9, 0, "unknown time"},  // too many seconds to count back
    };
    for (const auto& [now, uptime, format, text] : cases) {
        fake().localTime = now;
        SetUptime(uptime);
        EXPECT_EQ(StartTime{}.Text(format), text);
    }
    // The locale's month names, or English where the locale has none.
    SetUptime(0);
    fake().monthNames.back() = "Dez";
    EXPECT_EQ(StartTime{}.Text(0), "05-Dez-06 3:06:10 pm");
    fake().monthNames.clear();
    StartTime kept;
    EXPECT_EQ(kept.Text(0), "05-Dec-06 3:06:10 pm");

    // Formatted once and kept, even when unknown.
    fake().localTime.second = 40;
    EXPECT_EQ(kept.Text(kTime24Hour), "05-Dec-06 3:06:10 pm");
    StartTime unknown;
    FromTicks(0x90000000u);
    EXPECT_EQ(unknown.Text(0), "unknown time");
    fake().highResolutionAnswer = 1;
    EXPECT_EQ(unknown.Text(0), "unknown time");
}

}  // namespace
}  // namespace ostrel

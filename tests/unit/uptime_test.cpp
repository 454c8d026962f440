#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "common/calendar.h"
#include "fixture.h"
#include "settings/settings.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

class Uptime : public PlatformTest {
  protected:
    // The fake's counter ticks 10^7 times a second.
    void SetUptime(double seconds) { sys().highResolutionCount = std::llround(seconds * 1e7); }
    // Without the counter the tick count serves.
    std::int64_t FromTicks(std::uint32_t ms) {
        sys().highResolutionCount.reset();
        sys().tickCount = ms;
        return UptimeFixedPoint(sys());
    }
};

TEST_F(Uptime, CounterOrElseTickCountGivesFixedPointSeconds) {
    sys().highResolutionCount = 2;
    sys().highResolutionFrequency = 3;
    EXPECT_EQ(UptimeFixedPoint(sys()), 6667);
    sys().highResolutionFrequency = 1;
    EXPECT_EQ(UptimeFixedPoint(sys()), 20000);
    sys().highResolutionFrequency = 0;
    EXPECT_EQ(UptimeFixedPoint(sys()), kUptimeFailed);
    // (2^63 - 1) / 10000 seconds is 2^63 fixed-point units as a double: one
    // past the largest; 2^60 counts at 2^20 a second, 2^40 seconds, fit.
    sys().highResolutionCount = INT64_MAX;
    sys().highResolutionFrequency = 10000;
    EXPECT_EQ(UptimeFixedPoint(sys()), kUptimeFailed);
    sys().highResolutionCount = std::int64_t{1} << 60;
    sys().highResolutionFrequency = std::int64_t{1} << 20;
    EXPECT_EQ(UptimeFixedPoint(sys()), (std::int64_t{1} << 40) * 10000);
    // Whole seconds, truncated, until the count passes 2^31 ms.
    EXPECT_EQ(std::tuple(FromTicks(123999), FromTicks(0), FromTicks(0x7FFFFFFF)),
              std::tuple(1230000, 0, 2147483 * 10000LL));
    EXPECT_EQ(FromTicks(0x80000000u), kUptimeFailed);
    EXPECT_EQ(UptimeText(sys()), "uptime query failed");
}

TEST_F(Uptime, SplitsIntoDaysHoursMinutesSeconds) {
    const std::pair<double, const char*> cases[] = {
        {93784, "1 day, 2:03:04"}, {950399, "10 days, 23:59:59"},      {86399.6, "1 day, 0:00:00"},
        {3600, "0 days, 1:00:00"}, {0.5, "0 days, 0:00:00"},           {1.5, "0 days, 0:00:02"},
        {610, "0 days, 0:10:10"},  {2147483647, "24855 days, 3:14:07"}};
    for (const auto& [seconds, text] : cases) {
        SetUptime(seconds);
        EXPECT_EQ(UptimeText(sys()), text) << seconds;
    }
    SetUptime(2147483648.0);
    EXPECT_EQ(UptimeText(sys()), "failed to calculate uptime: Overflow");
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
    FromTicks(0x90000000u);
    EXPECT_EQ(unknown.Text(sys(), 0), "unknown time");
    sys().highResolutionCount = 0;
    EXPECT_EQ(unknown.Text(sys(), 0), "unknown time");
}

TEST(Calendar, EachMonthHasItsDays) {
    std::vector<int> days;
    for (int month = 0; month <= 13; ++month) {
        days.push_back(DaysInMonth(2006, month));
    }
    EXPECT_EQ(days, (std::vector<int>{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0}));
}

}  // namespace
}  // namespace ostrel

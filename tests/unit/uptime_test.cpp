#include <gtest/gtest.h>

#include "fixture.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

class Uptime : public PlatformTest {
  protected:
    // A counter that ticks 10000 times a second holds the fixed-point value.
    void SetUptimeFixed(std::int64_t fixed) {
        fake().highResolutionFrequency = 10000;
        fake().highResolutionCount = fixed;
    }
    void SetUptimeSeconds(double seconds) {
        SetUptimeFixed(static_cast<std::int64_t>(seconds * 10000 + 0.5));
    }
    void NoCounter(std::uint32_t tickMs) {
        fake().highResolutionAnswer = 0;
        fake().tickCount = tickMs;
    }
};

TEST_F(Uptime, CounterGivesFixedPointSecondsToFourPlaces) {
    fake().highResolutionFrequency = 3;
    fake().highResolutionCount = 1;
    EXPECT_EQ(GetUptime(), 3333);
    fake().highResolutionCount = 2;
    EXPECT_EQ(GetUptime(), 6667);
    fake().highResolutionFrequency = 0;
    EXPECT_EQ(GetUptime(), kUptimeFailed);
}

TEST_F(Uptime, TickCountServesOnlyWhenTheCounterAnswersOtherThanOne) {
    fake().highResolutionAnswer = 2;
    fake().tickCount = 123999;
    EXPECT_EQ(GetUptime(), 1230000);  // whole seconds, truncated
    NoCounter(0x7FFFFFFF);
    EXPECT_EQ(GetUptime(), 2147483 * 10000LL);
    for (std::uint32_t wrapped : {0x80000000u, 0xFFFFFFFFu}) {
        NoCounter(wrapped);
        EXPECT_EQ(GetUptime(), kUptimeFailed) << wrapped;
        EXPECT_EQ(UptimeString(), "uptime query failed");
    }
}

TEST_F(Uptime, SplitsIntoDaysHoursMinutesSeconds) {
    const struct {
        double seconds;
        const char* text;
    } cases[] = {
        {93784, "1 day, 2:03:04"},     {45, "0 days, 0:00:45"},
        {950399, "10 days, 23:59:59"}, {86399.6, "1 day, 0:00:00"},
        {0.4, "0 days, 0:00:00"},      {86400, "1 day, 0:00:00"},
        {172800, "2 days, 0:00:00"},   {32400, "0 days, 9:00:00"},
        {0.5, "0 days, 0:00:00"},      {1.5, "0 days, 0:00:02"},
        {610, "0 days, 0:10:10"},      {2147483647, "24855 days, 3:14:07"},
    };
    for (const auto& c : cases) {
        SetUptimeSeconds(c.seconds);
        EXPECT_EQ(UptimeString(), c.text) << c.seconds;
    }
    NoCounter(93784999);
    EXPECT_EQ(UptimeString(), "1 day, 2:03:04");
}

TEST_F(Uptime, UptimeBeyondThirtyTwoBitsOfSecondsIsACalculationFailure) {
    SetUptimeSeconds(2147483648.0);
    EXPECT_EQ(UptimeString(), "failed to calculate uptime: Overflow");
    fake().highResolutionFrequency = 0;
    EXPECT_EQ(UptimeString(), "uptime query failed");
}

TEST_F(Uptime, ClockPatternsAtMidnightNoonAndAfternoon) {
    const struct {
        int hour, minute, second;
        const char* twelve;
        const char* twentyFour;
    } cases[] = {{0, 0, 0, "12:00:00 am", "00:00:00"},
                 {12, 0, 0, "12:00:00 pm", "12:00:00"},
                 {15, 6, 10, "3:06:10 pm", "15:06:10"},
                 {9, 5, 7, "9:05:07 am", "09:05:07"},
                 {23, 59, 59, "11:59:59 pm", "23:59:59"}};
    for (const auto& c : cases) {
        const platform::LocalTime t{2006, 12, 5, c.hour, c.minute, c.second, 0};
        EXPECT_EQ(ClockText(t, 0), c.twelve);
        EXPECT_EQ(ClockText(t, 1), c.twentyFour);
        EXPECT_EQ(ClockText(t, 0xFE), c.twelve);  // only bit 0 counts
    }
}

TEST_F(Uptime, StartTimeIsNowLessTheUptimeInBothClocks) {
    SetUptimeSeconds(3600.4);
    EXPECT_EQ(StartTimeString(), "05-Dec-06 2:06:10 pm");
    ResetGlobals();
    G().settings.TimeFormat = kTime24Hour;
    EXPECT_EQ(StartTimeString(), "05-Dec-06 14:06:10");
}

TEST_F(Uptime, StartTimeCrossesDaysMonthsAndYears) {
    fake().localTime = {2007, 1, 1, 0, 0, 5, 0};
    SetUptimeSeconds(10);
    EXPECT_EQ(StartTimeString(), "31-Dec-06 11:59:55 pm");
    ResetGlobals();
    fake().localTime = {2004, 3, 1, 12, 0, 0, 0};
    SetUptimeSeconds(86400 + 12 * 3600);
    EXPECT_EQ(StartTimeString(), "29-Feb-04 12:00:00 am");
}

TEST_F(Uptime, StartTimeUsesTheLocaleMonthNames) {
    fake().monthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    EXPECT_EQ(StartTimeString(), "05-Dez-06 3:06:10 pm");
    ResetGlobals();
    fake().monthNames.clear();  // a locale that says nothing
    EXPECT_EQ(StartTimeString(), "05-Dec-06 3:06:10 pm");
}

TEST_F(Uptime, StartTimeIsFormattedOnceAndKept) {
    SetUptimeSeconds(10);
    const std::string first = StartTimeString();
    EXPECT_EQ(first, "05-Dec-06 3:06:00 pm");
    fake().localTime.second = 40;
    SetUptimeSeconds(12);
    G().settings.TimeFormat = kTime24Hour;
    EXPECT_EQ(StartTimeString(), first);
}

TEST_F(Uptime, UnknownStartTimeIsKeptToo) {
    NoCounter(0x90000000u);
    EXPECT_EQ(StartTimeString(), "unknown time");
    fake().highResolutionAnswer = 1;
    EXPECT_EQ(StartTimeString(), "unknown time");

    ResetGlobals();
    SetUptimeSeconds(3e9);  // too many seconds to count back from
    EXPECT_EQ(StartTimeString(), "unknown time");
}

}  // namespace
}  // namespace ostrel

#pragma once
// How long the computer has been up, when it started, and the clock
// patterns every time the program shows uses.

#include <cstdint>
#include <string>

#include "common/fixed_point.h"
#include "platform/sysinfo.h"

namespace ostrel {

// Seconds since start-up as fixed point (seconds x 10000); kUptimeFailed
// (kUptimeFailedSeconds whole seconds) when it cannot be read.
inline constexpr std::int32_t kUptimeFailedSeconds = -99;
inline constexpr std::int64_t kUptimeFailed = kUptimeFailedSeconds * kFixedPointOne;
std::int64_t UptimeFixedPoint(platform::SystemInfo& system);

// "1 day, 2:03:04", or a failure text.
std::string UptimeText(platform::SystemInfo& system);

// The start date and time ("05-Dec-06 3:06:10 pm"), worked out the first
// time it is asked for and then kept; "unknown time" when the uptime tells
// no start.
class StartTime {
  public:
    const std::string& Text(platform::SystemInfo& system, std::uint8_t timeFormat);

  private:
    std::string text_;
};

// The time of day in the clock pattern the time format chooses: "h:mm:ss am/pm"
// (bit 0 clear) or "hh:mm:ss" (bit 0 set).
std::string ClockText(const platform::LocalTime& time, std::uint8_t timeFormat);

}  // namespace ostrel

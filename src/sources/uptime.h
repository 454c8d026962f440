#pragma once
// How long the computer has been up, when it started, and the clock
// patterns every time the program shows uses.

#include <cstdint>
#include <string>

#include "platform/sysinfo.h"

namespace ostrel {

// Seconds since start-up as fixed point (seconds x 10000); kUptimeFailed
// when it cannot be read.
inline constexpr std::int64_t kUptimeFailed = -99 * 10000;
std::int64_t GetUptime();

// "1 day, 2:03:04", or a failure text.
std::string UptimeString();

// The start date and time, computed once and then kept; "unknown time".
std::string StartTimeString();

// The time of day in the clock pattern TimeFormat chooses: "h:mm:ss am/pm"
// (bit 0 clear) or "hh:mm:ss" (bit 0 set).
std::string ClockText(const platform::LocalTime& time, std::uint8_t timeFormat);

}  // namespace ostrel

#include "sources/uptime.h"

#include <cstdio>

namespace ostrel {

// Placeholder until the uptime source lands.
std::int64_t GetUptime() {
    return kUptimeFailed;
}
std::string UptimeString() {
    return "uptime query failed";
}
std::string StartTimeString() {
    return "unknown time";
}

std::string ClockText(const platform::LocalTime& t, std::uint8_t timeFormat) {
    char text[32];
    if ((timeFormat & 1) != 0) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    } else {
        const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
        std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, t.minute, t.second,
                      t.hour < 12 ? "am" : "pm");
    }
    return text;
}

}  // namespace ostrel

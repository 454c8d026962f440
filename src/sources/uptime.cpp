#include "sources/uptime.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "common/calendar.h"
#include "common/failure.h"
#include "common/fixed_point.h"
#include "settings/settings.h"

namespace ostrel {

namespace {

std::int64_t FixedFromSeconds(double seconds) {
    const double scaled = std::nearbyint(seconds * kFixedPointOne);  // ties to even
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) {
        ThrowOverflow();
    }
    return static_cast<std::int64_t>(scaled);
}

// Whole seconds of a fixed-point value, halves to even, as a 32-bit count.
std::int32_t WholeSeconds(std::int64_t fixed) {
    std::int64_t whole = fixed / kFixedPointOne;
    const std::int64_t rest = fixed % kFixedPointOne;  // carries the sign of `fixed`
    const bool odd = whole % 2 != 0;
    if (rest > kFixedPointOne / 2 || (rest == kFixedPointOne / 2 && odd)) {
        ++whole;
    } else if (rest < -kFixedPointOne / 2 || (rest == -kFixedPointOne / 2 && odd)) {
        --whole;
    }
    if (whole < INT32_MIN || whole > INT32_MAX) {
        ThrowOverflow();
    }
    return static_cast<std::int32_t>(whole);
}

platform::LocalTime SecondsEarlier(const platform::LocalTime& t, std::int32_t seconds) {
    const std::int64_t at = DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay +
                            t.hour * kSecondsPerHour + t.minute * kSecondsPerMinute + t.second -
                            seconds;
    std::int64_t days = at / kSecondsPerDay;
    std::int64_t secondOfDay = at % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days);
    platform::LocalTime out;
    out.year = date.year;
    out.month = date.month;
    out.day = date.day;
    out.hour = static_cast<int>(secondOfDay / kSecondsPerHour);
    out.minute = static_cast<int>(secondOfDay % kSecondsPerHour / kSecondsPerMinute);
    out.second = static_cast<int>(secondOfDay % kSecondsPerMinute);
    return out;
}

std::string MonthText(platform::SystemInfo& system, int month) {
    static constexpr const char* kEnglish[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string name = platform::MonthAbbreviation(system, month);
    if (name.empty() && month >= 1 && month <= 12) {
        name = kEnglish[month - 1];
    }
    return name;
}

// "dd-mmm-yy" with the month abbreviation of the user's locale ("05-Dec-06").
std::string DateText(platform::SystemInfo& system, const platform::LocalTime& t) {
    char day[8];
    char year[8];
    std::snprintf(day, sizeof day, "%02d", t.day % 100);
    std::snprintf(year, sizeof year, "%02d", (t.year % 100 + 100) % 100);
    return std::string(day) + "-" + MonthText(system, t.month) + "-" + year;
}

}  // namespace

std::int64_t UptimeFixedPoint(platform::SystemInfo& system) {
    try {
        if (const std::optional<std::int64_t> count = platform::ReadHighResolutionCounter(system)) {
            const std::int64_t frequency = platform::HighResolutionFrequency(system);
            if (frequency == 0) {
                return kUptimeFailed;  // the division has no answer
            }
            return FixedFromSeconds(static_cast<double>(*count) / static_cast<double>(frequency));
        }
        // Without the counter the tick count serves, but only until it passes
        // 2^31 milliseconds: beyond that it reads as negative.
        const auto ms = static_cast<std::int32_t>(platform::TickCountMilliseconds(system));
        if (ms < 0) {
            return kUptimeFailed;
        }
        return ms / 1000 * kFixedPointOne;
    } catch (const Failure&) {
        return kUptimeFailed;
    }
}

std::string UptimeText(platform::SystemInfo& system) {
    const std::int64_t uptime = UptimeFixedPoint(system);
    if (uptime == kUptimeFailed) {
        return "uptime query failed";
    }
    try {
        const std::int32_t n = WholeSeconds(uptime);
        const std::int32_t days = n / kSecondsPerDay;
        std::int32_t rest = n - days * kSecondsPerDay;
        const std::int32_t hours = rest / kSecondsPerHour;
        rest -= hours * kSecondsPerHour;
        const std::int32_t minutes = rest / kSecondsPerMinute;
        const std::int32_t seconds = rest % kSecondsPerMinute;
        return std::to_string(days) + (days == 1 ? " day, " : " days, ") + std::to_string(hours) +
               (minutes < 10 ? ":0" : ":") + std::to_string(minutes) + (seconds < 10 ? ":0" : ":") +
               std::to_string(seconds);
    } catch (const Failure& f) {
        return "failed to calculate uptime: " + f.description;
    }
}

const std::string& StartTime::Text(platform::SystemInfo& system, std::uint8_t timeFormat) {
    std::string& text = text_;
    if (!text.empty()) {
        return text;
    }
    try {
        const std::int32_t seconds = WholeSeconds(UptimeFixedPoint(system));
        if (seconds == kUptimeFailedSeconds) {
            text = "unknown time";
        } else {
            const platform::LocalTime start =
                SecondsEarlier(platform::CurrentLocalTime(system), seconds);
            text = DateText(system, start) + " " + ClockText(start, timeFormat);
        }
    } catch (const Failure&) {
        // An uptime too long to count in seconds tells no start time either.
        text = "unknown time";
    }
    return text;
}

std::string ClockText(const platform::LocalTime& t, std::uint8_t timeFormat) {
    char text[32];
    if ((timeFormat & kTime24Hour) != 0) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    } else {
        const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
        std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, t.minute, t.second,
                      t.hour < 12 ? "am" : "pm");
    }
    return text;
}

}  // namespace ostrel

#pragma once
// Whole-day arithmetic on the Gregorian calendar, for the start time and for
// the time stamps of the performance data.

#include <cstdint>

namespace ostrel {

inline constexpr std::int32_t kSecondsPerMinute = 60;
inline constexpr std::int32_t kSecondsPerHour = 3600;
inline constexpr std::int32_t kSecondsPerDay = 86400;
inline constexpr double kMillisecondsPerSecond = 1000.0;

// Seconds since midnight of a time of day, with the fraction.
inline double SecondsOfDay(int hour, int minute, int second, int milliseconds) {
    return static_cast<double>(hour) * kSecondsPerHour +
           static_cast<double>(minute) * kSecondsPerMinute + second +
           milliseconds / kMillisecondsPerSecond;
}

struct CivilDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;
};

// Days since 1 January 1970 (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);
CivilDate CivilFromDays(std::int64_t days);

// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

}  // namespace ostrel

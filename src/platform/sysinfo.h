#pragma once
// System information: identity, version, clocks.

#include <cstdint>

namespace ostrel::platform {

// `size` holds the buffer's size on entry and, on success, the number of
// characters of the name without the terminating zero.
bool ReadComputerName(char* buffer, std::uint32_t& size);

// True when the platform's version can be queried.
bool QueryPlatformVersion();

// Local time of day, in seconds since midnight with the fraction.
double SecondsSinceMidnight();

struct LocalTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

// The current local date and time.
LocalTime CurrentLocalTime();

}  // namespace ostrel::platform

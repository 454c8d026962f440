#pragma once
// System information: identity, version, clocks, memory, processors and
// the performance data, the user's locale.

#include <cstdint>
#include <string>

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

// Clocks.

// Reads the high-resolution counter; answers the platform's own result,
// 1 for success.
int ReadHighResolutionCounter(std::int64_t& count);
// Counts per second of that counter (0 where it has none).
std::int64_t HighResolutionFrequency();
// Milliseconds since start-up; wraps after about 49.7 days.
std::uint32_t TickCountMilliseconds();

// Memory, in bytes. A failed query leaves every count 0.
struct MemoryStatus {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availVirtual = 0;
};
MemoryStatus ReadMemoryStatus();

// Processors and the performance data.

// The number of processors the system reports.
std::int32_t ProcessorCount();

inline constexpr long kPerfDataSuccess = 0;
inline constexpr long kPerfDataMoreData = 234;

// Copies the performance data block for the objects named by their title
// indexes ("238") into `buffer`, which holds `size` bytes. On success `size`
// becomes the number of bytes written; kPerfDataMoreData means the buffer is
// too small (the system does not say how large it would have to be). Other
// answers are the system's error codes.
long QueryPerformanceData(const std::string& objectIndexes, std::uint8_t* buffer,
                          std::uint32_t& size);

// The user's locale.

// Abbreviated month name, month 1..12, in the system's ANSI code page;
// empty when the locale does not say.
std::string MonthAbbreviation(int month);
// Digit-group separator of numbers; empty when the locale does not say.
std::string ThousandsSeparator();

}  // namespace ostrel::platform

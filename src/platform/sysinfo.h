#pragma once
// System information: identity, clocks, memory, processors, the user's
// locale.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace ostrel::platform {

// The computer's name; nothing when it cannot be read.
std::optional<std::string> ComputerName(SystemInfo& system);

// Local time of day, in seconds since midnight with the fraction.
double SecondsSinceMidnight(SystemInfo& system);

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
LocalTime CurrentLocalTime(SystemInfo& system);

// Clocks.

// The high-resolution counter; nothing where it cannot be read.
std::optional<std::int64_t> ReadHighResolutionCounter(SystemInfo& system);
// Counts per second of that counter (0 where it has none).
std::int64_t HighResolutionFrequency(SystemInfo& system);
// Milliseconds since start-up; wraps after about 49.7 days.
std::uint32_t TickCountMilliseconds(SystemInfo& system);

// Memory, in bytes. A failed query leaves every count 0.
struct MemoryStatus {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availVirtual = 0;
};
MemoryStatus ReadMemoryStatus(SystemInfo& system);

// Processors.

// True when the processor figures can be had at all (the system's version
// can be read).
bool ProcessorFiguresAvailable(SystemInfo& system);

// The number of processors the system reports.
std::int32_t ProcessorCount(SystemInfo& system);

// One reading of how long each processor has been idle.
struct ProcessorTimes {
    std::vector<std::int64_t> idle;  // 100-nanosecond units, by processor number
    std::vector<std::uint8_t> seen;  // 1 where the reading has that processor
    std::int64_t time = 0;           // when it was taken, in 100-nanosecond units
};

// Codes of the failures a reading raises, added to the object-error base:
// no processor object, none of its processor-time counter, and figures that
// cannot be read at all.
inline constexpr std::int32_t kErrNoProcessorObject = 8004;
inline constexpr std::int32_t kErrNoProcessorTimeCounter = 8005;
inline constexpr std::int32_t kErrUnreadableProcessorData = 8006;

// Reads the idle times of processors 0 .. processorCount - 1. A reading is
// whole or raises a Failure: the processor figures unreadable or missing,
// or a processor number outside that range (the subscript failure).
void ReadProcessorTimes(SystemInfo& system, std::int32_t processorCount, ProcessorTimes& times);

// The user's locale.

// Abbreviated month name, month 1..12; empty when the locale does not say.
std::string MonthAbbreviation(SystemInfo& system, int month);
// Digit-group separator of numbers; empty when the locale does not say.
std::string ThousandsSeparator(SystemInfo& system);

}  // namespace ostrel::platform

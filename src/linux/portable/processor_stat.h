#pragma once
// Reading the per-processor lines of /proc/stat ("cpu3 user nice system idle
// iowait ..."), counted in clock ticks since start-up. A processor waiting
// for input or output has nothing to run, so its idle time is the idle and
// the iowait columns together. The text comes from outside the program:
// every number is checked before it is used.

#include <cstdint>
#include <string_view>

#include "platform/sysinfo.h"

namespace ostrel {

enum class ProcessorStatReading {
    Read,
    NoProcessors,         // no "cpuN" line at all
    Unreadable,           // a "cpuN" line without its numbers, or one processor twice
    ProcessorOutOfRange,  // a processor number at or beyond the count
};

// The number of processors the text names: its highest processor number
// plus one (a processor that is offline has no line but keeps its number);
// 0 when it names none or a number cannot be read.
std::int32_t CountProcessors(std::string_view text);

// Fills `times.idle` (in 100-nanosecond units) and `times.seen` for
// processors 0 .. processorCount - 1; `times.time` is the caller's. Only a
// whole reading changes `times`.
ProcessorStatReading ReadProcessorIdle(std::string_view text, std::int64_t ticksPerSecond,
                                       std::int32_t processorCount,
                                       platform::ProcessorTimes& times);

}  // namespace ostrel

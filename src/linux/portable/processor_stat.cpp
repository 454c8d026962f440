#include "linux/portable/processor_stat.h"

#include <vector>

#include "linux/portable/text_fields.h"

namespace ostrel {

namespace {

constexpr std::int64_t kHundredNanosecondsPerSecond = 10'000'000;
// Columns of a processor line, after its name: user, nice, system, idle, iowait.
constexpr int kIdleColumn = 3;
constexpr int kIoWaitColumn = 4;
// The kernel numbers processors far below this; a larger one is not a number
// the program can keep a figure for.
constexpr std::uint64_t kLargestProcessorNumber = 1u << 20;

// The processor number of a "cpuN" name; false for the total line "cpu" and
// for anything else.
bool ProcessorNumber(std::string_view name, std::uint64_t& number) {
    if (name.size() < 4 || name.substr(0, 3) != "cpu") {
        return false;
    }
    return ReadDecimal(name.substr(3), number);
}

bool IsProcessorLine(std::string_view line) {
    return line.size() > 3 && line.substr(0, 3) == "cpu" && line[3] >= '0' && line[3] <= '9';
}

// Idle plus iowait ticks of one line's columns; false when the idle column
// is missing or a column that counts is not a number.
bool IdleTicks(std::string_view columns, std::uint64_t& ticks) {
    std::uint64_t sum = 0;
    for (int column = 0; column <= kIoWaitColumn; ++column) {
        const std::string_view field = NextField(columns);
        if (field.empty()) {
            // Kernels before iowait was counted end after idle.
            if (column > kIdleColumn) {
                break;
            }
            return false;
        }
        std::uint64_t value = 0;
        if (!ReadDecimal(field, value)) {
            return false;
        }
        if (column >= kIdleColumn) {
            if (value > UINT64_MAX - sum) {
                return false;
            }
            sum += value;
        }
    }
    ticks = sum;
    return true;
}

// Ticks in 100-nanosecond units, without overflowing on the way.
bool HundredNanoseconds(std::uint64_t ticks, std::int64_t ticksPerSecond, std::int64_t& out) {
    const auto perSecond = static_cast<unsigned __int128>(ticksPerSecond);
    const unsigned __int128 value =
        static_cast<unsigned __int128>(ticks) * kHundredNanosecondsPerSecond / perSecond;
    if (value > static_cast<unsigned __int128>(INT64_MAX)) {
        return false;
    }
    out = static_cast<std::int64_t>(value);
    return true;
}

}  // namespace

std::int32_t CountProcessors(std::string_view text) {
    std::uint64_t highest = 0;
    bool any = false;
    while (!text.empty()) {
        std::string_view line = NextLine(text);
        if (!IsProcessorLine(line)) {
            continue;
        }
        std::uint64_t number = 0;
        if (!ProcessorNumber(NextField(line), number) || number >= kLargestProcessorNumber) {
            return 0;
        }
        if (!any || number > highest) {
            highest = number;
        }
        any = true;
    }
    return any ? static_cast<std::int32_t>(highest + 1) : 0;
}

ProcessorStatReading ReadProcessorIdle(std::string_view text, std::int64_t ticksPerSecond,
                                       std::int32_t processorCount,
                                       platform::ProcessorTimes& times) {
    if (ticksPerSecond <= 0 || processorCount < 0) {
        return ProcessorStatReading::Unreadable;
    }
    const auto count = static_cast<std::size_t>(processorCount);
    std::vector<std::int64_t> idle(count, 0);
    std::vector<std::uint8_t> seen(count, 0);
    bool any = false;
    while (!text.empty()) {
        std::string_view line = NextLine(text);
        if (!IsProcessorLine(line)) {
            continue;
        }
        any = true;
        std::uint64_t number = 0;
        std::uint64_t ticks = 0;
        std::int64_t units = 0;
        if (!ProcessorNumber(NextField(line), number) || !IdleTicks(line, ticks) ||
            !HundredNanoseconds(ticks, ticksPerSecond, units)) {
            return ProcessorStatReading::Unreadable;
        }
        if (number >= count) {
            return ProcessorStatReading::ProcessorOutOfRange;
        }
        if (seen[number] != 0) {
            return ProcessorStatReading::Unreadable;
        }
        seen[number] = 1;
        idle[number] = units;
    }
    if (!any) {
        return ProcessorStatReading::NoProcessors;
    }
    times.idle = std::move(idle);
    times.seen = std::move(seen);
    return ProcessorStatReading::Read;
}

}  // namespace ostrel

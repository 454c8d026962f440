#include "fakes/fake_sysinfo.h"

namespace ostrel::platform {

std::optional<std::string> ComputerName(SystemInfo& s) {
    return s.computerName;
}

double SecondsSinceMidnight(SystemInfo& s) {
    return s.secondsSinceMidnight;
}

LocalTime CurrentLocalTime(SystemInfo& s) {
    return s.localTime;
}

std::optional<std::int64_t> ReadHighResolutionCounter(SystemInfo& s) {
    return s.highResolutionCount;
}

std::int64_t HighResolutionFrequency(SystemInfo& s) {
    return s.highResolutionFrequency;
}

std::uint32_t TickCountMilliseconds(SystemInfo& s) {
    return s.tickCount;
}

MemoryStatus ReadMemoryStatus(SystemInfo& s) {
    return s.memory;
}

bool ProcessorFiguresAvailable(SystemInfo& s) {
    return s.processorFiguresAvailable;
}

std::int32_t ProcessorCount(SystemInfo& s) {
    return s.processorCount;
}

void ReadProcessorTimes(SystemInfo& s, std::int32_t, ProcessorTimes& times) {
    ++s.processorReadings;
    if (s.processorTimesFailure) {
        throw *s.processorTimesFailure;
    }
    times = s.processorTimes;
}

std::string MonthAbbreviation(SystemInfo& s, int month) {
    const auto& names = s.monthNames;
    return month >= 1 && static_cast<std::size_t>(month) <= names.size() ? names[month - 1] : "";
}

std::string ThousandsSeparator(SystemInfo& s) {
    return s.thousandsSeparator;
}

}  // namespace ostrel::platform

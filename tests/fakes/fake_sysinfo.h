#pragma once
// System information as scripted answers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/failure.h"
#include "platform/sysinfo.h"

struct ostrel::platform::SystemInfo {
    std::optional<std::string> computerName = std::string("TESTBOX");
    bool processorFiguresAvailable = true;
    double secondsSinceMidnight = 3600.0;
    LocalTime localTime{2006, 12, 5, 15, 6, 10, 0};
    std::optional<std::int64_t> highResolutionCount = 0;  // none: no counter
    std::int64_t highResolutionFrequency = 10000000;
    std::uint32_t tickCount = 0;
    MemoryStatus memory;
    // More than ten, so that a processor number read as one digit shows.
    std::int32_t processorCount = 12;
    ProcessorTimes processorTimes;                 // the answer to every reading
    std::optional<Failure> processorTimesFailure;  // raised instead
    int processorReadings = 0;                     // readings asked for
    std::vector<std::string> monthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string thousandsSeparator = ",";
};

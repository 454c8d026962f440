// Clocks, memory, performance data, the locale and the interface table as
// scripted answers.

#include <cstring>

#include "fakes/fake_platform.h"
#include "platform/network.h"
#include "platform/sysinfo.h"

namespace ostrel::platform {

using fake::Fake;

LocalTime CurrentLocalTime() {
    return Fake().localTime;
}

int ReadHighResolutionCounter(std::int64_t& count) {
    count = Fake().highResolutionCount;
    return Fake().highResolutionAnswer;
}
std::int64_t HighResolutionFrequency() {
    return Fake().highResolutionFrequency;
}
std::uint32_t TickCountMilliseconds() {
    return Fake().tickCount;
}

MemoryStatus ReadMemoryStatus() {
    return Fake().memory;
}

std::int32_t ProcessorCount() {
    return Fake().processorCount;
}

long QueryPerformanceData(const std::string& objectIndexes, std::uint8_t* buffer,
                          std::uint32_t& size) {
    Fake().perfDataQueries.push_back(size);
    if (objectIndexes != "238") {
        return 2;  // not found
    }
    if (Fake().perfDataFailure) {
        return *Fake().perfDataFailure;
    }
    const std::vector<std::uint8_t>& data = Fake().perfData;
    if (data.size() > size) {
        return kPerfDataMoreData;
    }
    if (!data.empty()) {
        std::memcpy(buffer, data.data(), data.size());
    }
    size = Fake().perfDataReportedSize.value_or(static_cast<std::uint32_t>(data.size()));
    return kPerfDataSuccess;
}

std::string MonthAbbreviation(int month) {
    const auto& names = Fake().monthNames;
    if (month < 1 || static_cast<std::size_t>(month) > names.size()) {
        return "";
    }
    return names[month - 1];
}

std::string ThousandsSeparator() {
    return Fake().thousandsSeparator;
}

long QueryInterfaceTable(std::uint8_t* buffer, std::uint32_t& size) {
    const std::vector<std::uint8_t>& table = Fake().ifTable;
    if (buffer == nullptr && size == 0) {
        size = static_cast<std::uint32_t>(table.size());
        return Fake().ifTableSizeAnswer;
    }
    if (Fake().ifTableAnswer != kIfTableSuccess) {
        return Fake().ifTableAnswer;
    }
    if (table.size() > size) {
        size = static_cast<std::uint32_t>(table.size());
        return 122;  // insufficient buffer
    }
    std::memcpy(buffer, table.data(), table.size());
    size = Fake().ifTableReportedSize.value_or(static_cast<std::uint32_t>(table.size()));
    return kIfTableSuccess;
}

}  // namespace ostrel::platform

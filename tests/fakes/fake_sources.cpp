// Clocks, memory, performance data, the locale and the interface table as
// scripted answers.

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

void ReadProcessorTimes(std::int32_t, ProcessorTimes& times) {
    ++Fake().processorReadings;
    if (Fake().processorTimesFailure) {
        throw *Fake().processorTimesFailure;
    }
    times = Fake().processorTimes;
}

std::string MonthAbbreviation(int month) {
    const auto& names = Fake().monthNames;
    return month >= 1 && static_cast<std::size_t>(month) <= names.size() ? names[month - 1] : "";
}

std::string ThousandsSeparator() {
    return Fake().thousandsSeparator;
}

InterfaceQuery ReadInterfaceOctets(std::vector<InterfaceOctets>& interfaces) {
    const bool read = Fake().interfaceAnswer == InterfaceQuery::Read;
    interfaces = read ? Fake().interfaces : std::vector<InterfaceOctets>{};
    return Fake().interfaceAnswer;
}

}  // namespace ostrel::platform

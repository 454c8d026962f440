// System information over kernel32, and the processor times from the
// performance data in the registry of advapi32.

#include <windows.h>

#include <winperf.h>

#include <array>
#include <cstddef>

#include "common/calendar.h"
#include "platform/sysinfo.h"
#include "windows/portable/performance_data.h"
#include "windows/services_win32.h"

namespace ostrel::platform {

// The portable reader's idea of the published records must be the system's.
static_assert(sizeof(PERF_DATA_BLOCK) == kPerfDataBlockBytes);
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == 24);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == 28);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == 36);
static_assert(sizeof(PERF_OBJECT_TYPE) == kPerfObjectTypeBytes);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == 12);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == 32);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == 40);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == kPerfCounterDefinitionBytes);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == 36);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == kPerfInstanceDefinitionBytes);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameOffset) == 16);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameLength) == 20);

std::optional<std::string> ComputerName(SystemInfo&) {
    std::array<char, 256> buffer{};
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!GetComputerNameA(buffer.data(), &size)) {
        return std::nullopt;
    }
    // Never trust the reported length beyond the buffer; a terminating zero
    // inside the reported length is not part of the name.
    std::size_t length = size < buffer.size() ? size : buffer.size();
    if (length > 0 && buffer[length - 1] == '\0') {
        --length;
    }
    return std::string(buffer.data(), length);
}

bool ProcessorFiguresAvailable(SystemInfo&) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);  // 148 bytes
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetVersionExA(&info) != FALSE;
#pragma GCC diagnostic pop
}

double SecondsSinceMidnight(SystemInfo&) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return SecondsOfDay(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

LocalTime CurrentLocalTime(SystemInfo&) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::optional<std::int64_t> ReadHighResolutionCounter(SystemInfo&) {
    LARGE_INTEGER value{};
    if (!QueryPerformanceCounter(&value)) {
        return std::nullopt;
    }
    return value.QuadPart;
}

std::int64_t HighResolutionFrequency(SystemInfo&) {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
}

std::uint32_t TickCountMilliseconds(SystemInfo&) {
    // The 32-bit count on purpose: the uptime falls back to it only where
    // there is no high-resolution counter, and knows when it has wrapped.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetTickCount();
#pragma GCC diagnostic pop
}

MemoryStatus ReadMemoryStatus(SystemInfo&) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);  // 64 bytes
    GlobalMemoryStatusEx(&status);     // a failure leaves the zeros
    return MemoryStatus{status.ullTotalPhys,     status.ullAvailPhys,    status.ullTotalPageFile,
                        status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

std::int32_t ProcessorCount(SystemInfo&) {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return static_cast<std::int32_t>(info.dwNumberOfProcessors);
}

void ReadProcessorTimes(SystemInfo& system, std::int32_t processorCount, ProcessorTimes& times) {
    const auto block =
        system.processorData.Fetch([](std::uint8_t* data, std::uint32_t& size) -> long {
            // The predefined key stays open between queries: closing it would
            // unload the counter providers, and the next query would load them
            // again.
            DWORD n = size;
            const LONG answer =
                RegQueryValueExA(HKEY_PERFORMANCE_DATA, "238", nullptr, nullptr, data, &n);
            if (answer == ERROR_SUCCESS) {
                size = n;
            }
            return answer;
        });
    ReadProcessorTimesFromBlock(block, processorCount, times);
}

namespace {
std::string LocaleText(LCTYPE item) {
    char text[80] = {};
    const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text);
    return n > 1 ? std::string(text, static_cast<std::size_t>(n - 1)) : std::string();
}
}  // namespace

std::string MonthAbbreviation(SystemInfo&, int month) {
    if (month < 1 || month > 12) {
        return "";
    }
    return LocaleText(LOCALE_SABBREVMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

std::string ThousandsSeparator(SystemInfo&) {
    return LocaleText(LOCALE_STHOUSAND);
}

}  // namespace ostrel::platform

// System information from the Linux kernel: the clocks, /proc/meminfo and
// the process's own status for memory, /proc/stat for the processors, the
// host name, and the user's locale for month names and digit grouping.

#include <langinfo.h>
#include <locale.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/failure.h"
#include "linux/portable/memory_info.h"
#include "linux/portable/processor_stat.h"
#include "platform/sysinfo.h"
#include "linux/proc_files.h"

namespace ostrel::platform {

namespace {

constexpr std::size_t kLargestProcFileBytes = 4 << 20;
constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

timespec Clock(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t;
}

LocalTime Local() {
    const timespec now = Clock(CLOCK_REALTIME);
    tm parts{};
    localtime_r(&now.tv_sec, &parts);
    return LocalTime{parts.tm_year + 1900,
                     parts.tm_mon + 1,
                     parts.tm_mday,
                     parts.tm_hour,
                     parts.tm_min,
                     parts.tm_sec,
                     static_cast<int>(now.tv_nsec / 1000000)};
}

// The address space a process may use: its limit where one is set, else
// the whole user part of the address space. Linux puts the main thread's
// stack at the top of that part, so the power of two above the stack is
// its size (2^47 bytes on x86-64).
std::uint64_t AddressSpaceBytes() {
    static const std::uint64_t bytes = [] {
        rlimit limit{};
        if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
            return static_cast<std::uint64_t>(limit.rlim_cur);
        }
        const int onTheStack = 0;
        return std::bit_ceil(
            static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&onTheStack)));
    }();
    return bytes;
}

// The user's locale for LC_TIME and LC_NUMERIC, asked without changing the
// program's own (whose number formatting must stay the same everywhere).
locale_t UserLocale() {
    static const locale_t locale = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "", nullptr);
    return locale;
}

std::string& ProcStatText() {
    static std::string text;
    return text;
}

}  // namespace

bool ReadComputerName(char* buffer, std::uint32_t& size) {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return false;
    }
    const std::size_t length = strnlen(name, sizeof name);
    if (buffer == nullptr || length + 1 > size) {
        return false;
    }
    std::memcpy(buffer, name, length + 1);
    size = static_cast<std::uint32_t>(length);
    return true;
}

bool QueryPlatformVersion() {
    utsname info{};
    return uname(&info) == 0;
}

double SecondsSinceMidnight() {
    const LocalTime t = Local();
    return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.milliseconds / 1000.0;
}

LocalTime CurrentLocalTime() {
    return Local();
}

// The boot-time clock counts the time since start-up, including time spent
// suspended, in nanoseconds.
int ReadHighResolutionCounter(std::int64_t& count) {
    const timespec t = Clock(CLOCK_BOOTTIME);
    count = static_cast<std::int64_t>(t.tv_sec) * kNanosecondsPerSecond + t.tv_nsec;
    return 1;
}

std::int64_t HighResolutionFrequency() {
    return kNanosecondsPerSecond;
}

std::uint32_t TickCountMilliseconds() {
    const timespec t = Clock(CLOCK_BOOTTIME);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(t.tv_sec) * 1000 +
                                      static_cast<std::uint64_t>(t.tv_nsec / 1000000));
}

MemoryStatus ReadMemoryStatus() {
    static std::string meminfo;
    static std::string status;
    if (!x11::ReadWholeFile("/proc/meminfo", meminfo, kLargestProcFileBytes) ||
        !x11::ReadWholeFile("/proc/self/status", status, kLargestProcFileBytes)) {
        return {};
    }
    return MemoryStatusFrom(meminfo, status, AddressSpaceBytes());
}

std::int32_t ProcessorCount() {
    std::string& text = ProcStatText();
    if (x11::ReadWholeFile("/proc/stat", text, kLargestProcFileBytes)) {
        if (const std::int32_t n = CountProcessors(text); n > 0) {
            return n;
        }
    }
    return static_cast<std::int32_t>(sysconf(_SC_NPROCESSORS_ONLN));
}

void ReadProcessorTimes(std::int32_t processorCount, ProcessorTimes& times) {
    std::string& text = ProcStatText();
    if (!x11::ReadWholeFile("/proc/stat", text, kLargestProcFileBytes)) {
        throw Failure{ObjectError(kErrUnreadableProcessorData), "Unable to read performance data",
                      "CpuLoadSampler.Collect()"};
    }
    // The time stamp is taken with the figures; both count from start-up
    // and leave out time spent suspended.
    const timespec now = Clock(CLOCK_MONOTONIC);
    static const std::int64_t ticksPerSecond = sysconf(_SC_CLK_TCK);
    switch (ReadProcessorIdle(text, ticksPerSecond, processorCount, times)) {
        case ProcessorStatReading::Read:
            times.time = static_cast<std::int64_t>(now.tv_sec) * 10'000'000 + now.tv_nsec / 100;
            return;
        case ProcessorStatReading::NoProcessors:
            throw Failure{ObjectError(kErrNoProcessorObject),
                          "Unable to locate the 'Processor' performance object",
                          "CpuLoadSampler.CollectData"};
        case ProcessorStatReading::ProcessorOutOfRange:
            ThrowSubscriptOutOfRange();
        case ProcessorStatReading::Unreadable:
            break;
    }
    throw Failure{ObjectError(kErrUnreadableProcessorData), "Unable to read performance data",
                  "CpuLoadSampler.Collect()"};
}

std::string MonthAbbreviation(int month) {
    if (month < 1 || month > 12 || UserLocale() == nullptr) {
        return "";
    }
    return nl_langinfo_l(static_cast<nl_item>(ABMON_1 + month - 1), UserLocale());
}

std::string ThousandsSeparator() {
    return UserLocale() != nullptr ? nl_langinfo_l(THOUSEP, UserLocale()) : "";
}

}  // namespace ostrel::platform

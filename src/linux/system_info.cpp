// System information from the Linux kernel: the clocks, /proc/meminfo and
// the process's own status for memory, /proc/stat for the processors, the
// host name, and the user's locale for month names and digit grouping.

#include "linux/system_info.h"

#include <langinfo.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/calendar.h"
#include "common/failure.h"
#include "linux/portable/memory_info.h"
#include "linux/portable/processor_stat.h"
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
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        return static_cast<std::uint64_t>(limit.rlim_cur);
    }
    const int onTheStack = 0;
    return std::bit_ceil(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&onTheStack)));
}

[[noreturn]] void ThrowUnreadable() {
    throw Failure{ObjectError(kErrUnreadableProcessorData), "Unable to read performance data",
                  "CpuLoadSampler.Collect()"};
}

}  // namespace

SystemInfo::SystemInfo()
    : addressSpaceBytes(AddressSpaceBytes()), ticksPerSecond(sysconf(_SC_CLK_TCK)) {}

std::optional<std::string> ComputerName(SystemInfo&) {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return std::nullopt;
    }
    return std::string(name, strnlen(name, sizeof name));
}

double SecondsSinceMidnight(SystemInfo&) {
    const LocalTime t = Local();
    return SecondsOfDay(t.hour, t.minute, t.second, t.milliseconds);
}

LocalTime CurrentLocalTime(SystemInfo&) {
    return Local();
}

// The boot-time clock counts the time since start-up, including time spent
// suspended, in nanoseconds.
std::optional<std::int64_t> ReadHighResolutionCounter(SystemInfo&) {
    const timespec t = Clock(CLOCK_BOOTTIME);
    return static_cast<std::int64_t>(t.tv_sec) * kNanosecondsPerSecond + t.tv_nsec;
}

std::int64_t HighResolutionFrequency(SystemInfo&) {
    return kNanosecondsPerSecond;
}

std::uint32_t TickCountMilliseconds(SystemInfo&) {
    const timespec t = Clock(CLOCK_BOOTTIME);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(t.tv_sec) * 1000 +
                                      static_cast<std::uint64_t>(t.tv_nsec / 1000000));
}

MemoryStatus ReadMemoryStatus(SystemInfo& system) {
    if (linux_kernel::ReadWholeFile("/proc/meminfo", system.meminfo, kLargestProcFileBytes) != 0 ||
        linux_kernel::ReadWholeFile("/proc/self/status", system.status, kLargestProcFileBytes) !=
            0) {
        return {};
    }
    return MemoryStatusFrom(system.meminfo, system.status, system.addressSpaceBytes);
}

// The kernel's figures are there whenever /proc is; a reading that fails
// says so itself.
bool ProcessorFiguresAvailable(SystemInfo&) {
    return true;
}

std::int32_t ProcessorCount(SystemInfo& system) {
    if (linux_kernel::ReadWholeFile("/proc/stat", system.procStat, kLargestProcFileBytes) == 0) {
        if (const std::int32_t n = CountProcessors(system.procStat); n > 0) {
            return n;
        }
    }
    return static_cast<std::int32_t>(sysconf(_SC_NPROCESSORS_ONLN));
}

void ReadProcessorTimes(SystemInfo& system, std::int32_t processorCount, ProcessorTimes& times) {
    if (linux_kernel::ReadWholeFile("/proc/stat", system.procStat, kLargestProcFileBytes) != 0) {
        ThrowUnreadable();
    }
    // The time stamp is taken with the figures; both count from start-up
    // and leave out time spent suspended.
    const timespec now = Clock(CLOCK_MONOTONIC);
    switch (ReadProcessorIdle(system.procStat, system.ticksPerSecond, processorCount, times)) {
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
    ThrowUnreadable();
}

std::string MonthAbbreviation(SystemInfo& system, int month) {
    if (month < 1 || month > 12 || system.locale.get() == nullptr) {
        return "";
    }
    return nl_langinfo_l(static_cast<nl_item>(ABMON_1 + month - 1), system.locale.get());
}

std::string ThousandsSeparator(SystemInfo& system) {
    return system.locale.get() != nullptr ? nl_langinfo_l(THOUSEP, system.locale.get()) : "";
}

}  // namespace ostrel::platform

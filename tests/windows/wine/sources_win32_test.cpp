// The system information and network services over the real Win32 calls,
// run under Wine.

#include <windows.h>

#include <winperf.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/network.h"
#include "platform/sysinfo.h"
#include "windows/portable/interface_table.h"
#include "windows/portable/performance_data.h"
#include "windows/services_win32.h"

namespace ostrel {
namespace {

TEST(SystemInfo, ClocksLocaleAndProcessorsAreTheSystems) {
    platform::SystemInfo system;
    const auto count = platform::ReadHighResolutionCounter(system);
    ASSERT_TRUE(count.has_value());
    EXPECT_GT(*count, 0);
    EXPECT_GT(platform::HighResolutionFrequency(system), 0);
    const double uptimeSeconds =
        static_cast<double>(*count) / platform::HighResolutionFrequency(system);
    EXPECT_NEAR(uptimeSeconds, GetTickCount64() / 1000.0, 5.0);
    EXPECT_NEAR(platform::TickCountMilliseconds(system) / 1000.0, GetTickCount64() / 1000.0, 5.0);

    const platform::LocalTime now = platform::CurrentLocalTime(system);
    const double seconds = platform::SecondsSinceMidnight(system);
    EXPECT_TRUE(now.year >= 2000 && now.month >= 1 && now.month <= 12 && now.hour < 24);
    EXPECT_TRUE(seconds >= 0 && seconds < 86400);

    for (int month = 1; month <= 12; ++month) {
        EXPECT_FALSE(platform::MonthAbbreviation(system, month).empty()) << month;
    }
    EXPECT_TRUE(platform::MonthAbbreviation(system, 13).empty());
    EXPECT_FALSE(platform::ThousandsSeparator(system).empty());

    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    EXPECT_GE(platform::ProcessorCount(system), 1);
    EXPECT_EQ(platform::ProcessorCount(system),
              static_cast<std::int32_t>(info.dwNumberOfProcessors));
    EXPECT_TRUE(platform::ProcessorFiguresAvailable(system));
}

TEST(SystemInfo, MemoryFiguresAreNonZeroAndConsistent) {
    platform::SystemInfo system;
    const platform::MemoryStatus m = platform::ReadMemoryStatus(system);
    EXPECT_TRUE(m.totalPhys > 0 && m.availPhys > 0 && m.totalPageFile > 0 && m.totalVirtual > 0);
    EXPECT_TRUE(m.availPhys <= m.totalPhys && m.availPageFile <= m.totalPageFile &&
                m.availVirtual <= m.totalVirtual);
}

TEST(SystemInfo, PerformanceDataComesAsAPerfBlock) {
    PerformanceDataBuffer buffer;
    const auto bytes = buffer.Fetch([](std::uint8_t* data, std::uint32_t& size) -> long {
        DWORD n = size;
        const LONG answer =
            RegQueryValueExA(HKEY_PERFORMANCE_DATA, "238", nullptr, nullptr, data, &n);
        size = n;
        return answer;
    });
    const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
    ASSERT_GE(size, kPerfDataBlockBytes);
    const auto* block = reinterpret_cast<const PERF_DATA_BLOCK*>(bytes.data());
    EXPECT_EQ(std::wstring(block->Signature, 4), L"PERF");
    EXPECT_LE(block->HeaderLength, size);

    // The block's time converts as the system converts it.
    FILETIME system{};
    ASSERT_TRUE(SystemTimeToFileTime(&block->SystemTime, &system));
    std::int64_t ours = 0;
    const SYSTEMTIME& t = block->SystemTime;
    ASSERT_TRUE(FileTimeFromSystemTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
                                       t.wMilliseconds, ours));
    EXPECT_EQ(ours,
              static_cast<std::int64_t>((static_cast<std::uint64_t>(system.dwHighDateTime) << 32) |
                                        system.dwLowDateTime));

    // Wine's block holds no objects, so there a reading raises the failure
    // the CPU line shows; a system with the processor object gives figures.
    platform::SystemInfo info;
    platform::ProcessorTimes times;
    const std::int32_t processors = platform::ProcessorCount(info);
    if (block->NumObjectTypes == 0) {
        EXPECT_THROW(platform::ReadProcessorTimes(info, processors, times), Failure);
    } else {
        platform::ReadProcessorTimes(info, processors, times);
        EXPECT_EQ(times.idle.size(), static_cast<std::size_t>(processors));
    }
}

TEST(Network, InterfaceCountersComeFromTheTable) {
    platform::Network network;
    std::vector<platform::InterfaceOctets> interfaces;
    ASSERT_EQ(platform::ReadInterfaceOctets(network, interfaces), platform::InterfaceQuery::Read);
    const std::size_t count = interfaces.size();
    EXPECT_GT(count, 0u);  // the loopback interface at least
    // The buffer that fitted is kept: one call a reading after the first,
    // and a buffer grown too small is asked again at the size it needs.
    const std::pair<std::size_t, long long> cases[] = {{network.table.size(), 1},
                                                       {kIfTableHeaderBytes, 2}};
    for (const auto& [bufferBytes, calls] : cases) {
        network.table.resize(bufferBytes);
        const long long before = network.tableCalls;
        ASSERT_EQ(platform::ReadInterfaceOctets(network, interfaces),
                  platform::InterfaceQuery::Read);
        EXPECT_EQ(std::pair(interfaces.size(), network.tableCalls - before),
                  std::pair(count, calls))
            << bufferBytes;
    }
}

}  // namespace
}  // namespace ostrel

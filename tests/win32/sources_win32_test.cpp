// The sources over the real Win32 services, run under Wine.

#include <windows.h>

#include <winperf.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "platform/network.h"
#include "platform/sysinfo.h"
#include "windows/portable/performance_data.h"
#include "settings/settings.h"
#include "sources/cpu_load_sampler.h"
#include "sources/memory_text.h"
#include "sources/network_activity.h"
#include "sources/uptime.h"

namespace ostrel {
namespace {

bool Matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

using Sources = ::testing::Test;

TEST_F(Sources, UptimeStartTimeAndProcessorsAreTheSystems) {
    std::int64_t count = 0;
    EXPECT_EQ(platform::ReadHighResolutionCounter(count), 1);
    EXPECT_GT(platform::HighResolutionFrequency(), 0);
    const double uptime = UptimeFixedPoint() / 10000.0;
    EXPECT_GT(uptime, 0.0);
    EXPECT_NEAR(uptime, GetTickCount64() / 1000.0, 5.0);
    EXPECT_TRUE(Matches(UptimeText(), "[0-9]+ days?, [0-9]+:[0-5][0-9]:[0-5][0-9]"))
        << UptimeText();

    const std::string text = StartTime{}.Text(0);
    EXPECT_TRUE(
        Matches(text, "[0-3][0-9]-[^ -]+-[0-9]{2} (1[0-2]|[1-9]):[0-5][0-9]:[0-5][0-9] (am|pm)"))
        << text;
    for (int month = 1; month <= 12; ++month) {
        EXPECT_FALSE(platform::MonthAbbreviation(month).empty()) << month;
    }
    EXPECT_TRUE(platform::MonthAbbreviation(13).empty());
    EXPECT_FALSE(platform::ThousandsSeparator().empty());

    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    EXPECT_GE(platform::ProcessorCount(), 1);
    EXPECT_EQ(platform::ProcessorCount(), static_cast<std::int32_t>(info.dwNumberOfProcessors));
}

TEST_F(Sources, MemoryFiguresAreNonZeroAndConsistent) {
    const platform::MemoryStatus m = platform::ReadMemoryStatus();
    EXPECT_TRUE(m.totalPhys > 0 && m.availPhys > 0 && m.totalPageFile > 0 && m.totalVirtual > 0);
    EXPECT_TRUE(m.availPhys <= m.totalPhys && m.availPageFile <= m.totalPageFile &&
                m.availVirtual <= m.totalVirtual);
    Settings settings;
    settings.displayItems =
        kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory | kShowPercentages;
    const std::string text = MemoryText(settings);
    EXPECT_TRUE(Matches(text,
                        "Page file usage: [0-9,.]*K \\([0-9]*%\\)\r"
                        "Physical memory: [0-9,.]*K \\([0-9]*%\\)\r"
                        "Virtual memory: [0-9,.]*K \\([0-9]*%\\)"))
        << text;
}

TEST_F(Sources, PerformanceDataComesAsAPerfBlock) {
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

    // Wine's block holds no objects, so there the CPU line reads the
    // failure; a system with the processor object gives figures.
    CpuLoadSampler sampler;
    const std::string text = sampler.UsageText();
    if (block->NumObjectTypes == 0) {
        EXPECT_EQ(text, "CPU query failed");
    } else {
        EXPECT_TRUE(Matches(text, "-?[0-9]{2,3} ?%( -?[0-9]{2,3}%)*")) << text;
    }
}

TEST_F(Sources, InterfaceCountersComeFromTheTable) {
    std::vector<platform::InterfaceOctets> interfaces;
    ASSERT_EQ(platform::ReadInterfaceOctets(interfaces), platform::InterfaceQuery::Read);
    EXPECT_GT(interfaces.size(), 0u);  // the loopback interface at least

    NetworkActivity monitor;
    const std::string line = monitor.StatusText();
    EXPECT_TRUE(Matches(line, "Network activity: rx: [/\\\\|]  tx: [/\\\\|]")) << line;
}

}  // namespace
}  // namespace ostrel

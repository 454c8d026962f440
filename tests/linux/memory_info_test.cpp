#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "linux/line_ends.h"
#include "linux/portable/memory_info.h"

namespace ostrel {
namespace {

auto Fields(const platform::MemoryStatus& m) {
    return std::tuple(m.totalPhys, m.availPhys, m.totalPageFile, m.availPageFile, m.totalVirtual,
                      m.availVirtual);
}

constexpr std::uint64_t kAddressSpace = 140737488355328;  // 2^47

TEST(LinuxMemoryInfo, MapsEachLineToItsLinuxFigures) {
    // Physical: MemTotal and MemAvailable, or before it free memory plus
    // buffers and cache (330 kB); page file: CommitLimit and what
    // Committed_AS leaves; virtual: the address space and what VmSize leaves.
    // 1000 kB = 1,024,000 bytes throughout. Fields are found by their whole name.
    const std::string old =
        "MemTotal:       1000 kB\nMemFree:  100 kB\nBuffers: 200 kB\n"
        "Cached: 30 kB\nSwapCached: 5 kB\nCommitLimit:  3000 kB\n"
        "Committed_AS:  700 kB\n";
    const std::string now = old + "MemAvailable: 400 kB\n";
    const std::string vm = "Name:\tostrel\nVmPeak:\t 9000 kB\nVmSize:\t 8000 kB\n";
    const std::uint64_t vmLeft = kAddressSpace - 8192000;
    const std::tuple<std::string, std::string, platform::MemoryStatus> cases[] = {
        {now, vm, {1024000, 409600, 3072000, 2355200, kAddressSpace, vmLeft}},
        {old, vm, {1024000, 337920, 3072000, 2355200, kAddressSpace, vmLeft}},
        // Commitments past the limit leave nothing; the largest count of kB that fits.
        {now + "Committed_AS: 18014398509481983 kB\n",
         vm,
         {1024000, 409600, 3072000, 0, kAddressSpace, vmLeft}},
        // Nothing to read physical memory from, or a figure that cannot be read.
        {old + "Cached: 30 MB\n", vm, {}},
        {now + "MemTotal: 1000 MB\n", vm, {}},
        {now + "MemTotal: 18014398509481984 kB\n", vm, {}},
        {now, "VmRSS: 8000 kB\n", {}},
        {"", "", {}}};
    for (const auto& [meminfo, status, expected] : cases) {
        EXPECT_EQ(Fields(MemoryStatusFrom(meminfo, status, kAddressSpace)), Fields(expected))
            << meminfo;
        EXPECT_EQ(Fields(MemoryStatusFrom(WithCrLf(meminfo), WithCrLf(status), kAddressSpace)),
                  Fields(expected))
            << "CR LF: " << meminfo;
    }
}

}  // namespace
}  // namespace ostrel

// The readers of the files under /proc. Each is also given its text with
// CR LF line ends, as a file copied from another system may have them.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "linux/portable/memory_info.h"
#include "linux/portable/net_dev.h"
#include "linux/portable/processor_stat.h"

namespace ostrel {
namespace {

// A text as a Windows program would write it, with CR LF line ends.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return out;
}

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

using Counters = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

TEST(LinuxNetDev, ReadsTheLow32BitsOfEachInterfacesByteCounters) {
    const std::string h =
        "Inter-|   Receive                            |  Transmit\n"
        " face |bytes    packets errs drop fifo frame |bytes    packets errs drop fifo colls\n";
    const std::tuple<std::string, bool, Counters> cases[] = {
        // 2^32 + 5 keeps 5; 2^33 - 1 keeps 2^32 - 1.
        {h + "    lo:    9867     141    0    0    0     0          0         0     9860     140\n"
             "  eth0: 4294967301 4618 0 0 0 0 0 0 8589934591 1472 0 0 0 0 0 0\n",
         true,
         {{9867, 9860}, {5, 4294967295u}}},
        // Old kernels write the first number right after the colon.
        {h + "eth0:123 1 2 3 4 5 6 7 456 8 9\n", true, {{123, 456}}},
        {h, true, {}},
        // Fewer columns than the sent bytes', a column that is not a number or
        // too wide, no name, a blank in the name.
        {h + "eth0: 1 2 3 4 5 6 7 8\n", false, {}},
        {h + "eth0: 1 2 3 4 5 6 7 8 x9\n", false, {}},
        {h + "eth0: 18446744073709551616 2 3 4 5 6 7 8 9\n", false, {}},
        {h + ": 1 2 3 4 5 6 7 8 9\n", false, {}},
        {h + "lo: 1 2 3 4 5 6 7 8 9\neth 0: 1 2 3 4 5 6 7 8 9\n", false, {}}};
    for (const auto& [lfText, ok, counters] : cases) {
        for (const std::string& text : {lfText, WithCrLf(lfText)}) {
            std::vector<platform::InterfaceOctets> interfaces{{1, 2}};
            EXPECT_EQ(ReadNetDev(text, interfaces), ok) << text;
            Counters read;
            for (const auto& i : interfaces) {
                read.emplace_back(i.received, i.sent);
            }
            EXPECT_EQ(read, counters) << text;
        }
    }
}

using enum ProcessorStatReading;

// Eleven processors, listed out of order after the total line; processors 2
// and 4-9 are offline and have no line. Processor N is idle 100 * (N + 1)
// ticks and waits for input or output N ticks; the other columns are there
// to be ignored.
constexpr const char* kEleven =
    "cpu  9 9 9 9 9 9 9 9 0 0\n"
    "cpu10 7 1 2 1100 10 3 4 5 0 0\n"
    "cpu0 7 1 2 100 0 3 4 5 0 0\n"
    "cpu1 7 1 2 200 1 3 4 5 0 0\n"
    "cpu3 7 1 2 400 3 3 4 5 0 0\n"
    "intr 1234 5 6 7\n"
    "cpux 1 2 3 4 5\n";

TEST(LinuxProcessorStat, CountsProcessorsByTheHighestNumberAndAnswersWhyAReadingFails) {
    const std::tuple<const char*, ProcessorStatReading, std::vector<std::int64_t>> cases[] = {
        {"cpu  1 2 3 4\nintr 5\n", NoProcessors, {5, 6}},
        {"cpu0 1 2 3 4 5\ncpu2 1 2 3 4 5\n", ProcessorOutOfRange, {5, 6}},
        {"cpu0 1 2 3\n", Unreadable, {5, 6}},                      // no idle column
        {"cpu0 1 2 3 4x 5\n", Unreadable, {5, 6}},                 // idle not a number
        {"cpu0 1 2 3 4 -5\n", Unreadable, {5, 6}},                 // iowait not a number
        {"cpu0 1 2 3 4 5\ncpu0 1 2 3 4 5\n", Unreadable, {5, 6}},  // twice
        {"cpu1a 1 2 3 4 5\n", Unreadable, {5, 6}},
        {"cpu0 0 0 0 18446744073709551615 1\n", Unreadable, {5, 6}},
        // 2^63 / 10^5 ticks and one more do not fit 64 bits in 100-ns units.
        {"cpu0 0 0 0 92233720368548 0\n", Unreadable, {5, 6}},
        {"cpu0 0 0 0 92233720368547 0\n", Read, {9223372036854700000, 0}},
        // Kernels before iowait was counted end after idle.
        {"cpu0 1 2 3 40\ncpu1 1 2 3 50 7\n", Read, {4000000, 5700000}}};
    for (const auto& [text, answer, idle] : cases) {
        platform::ProcessorTimes t;
        t.idle = {5, 6};
        EXPECT_EQ(std::tuple(ReadProcessorIdle(text, 100, 2, t), t.idle), std::tuple(answer, idle))
            << text;
    }
    const std::pair<const char*, std::int32_t> counts[] = {
        {kEleven, 11},
        {"cpu  1 2 3 4\n", 0},
        {"cpu3 1 2 3 4", 4},  // processors 0-2 offline; no final line feed
        {"cpu0 1\ncpu99999999999999999999 1\n", 0},
        {"cpu1048576 1 2 3 4\n", 0},
        {"cpu1048575 1 2 3 4\n", 1048576}};
    for (const auto& [text, count] : counts) {
        EXPECT_EQ(CountProcessors(text), count) << text;
    }
}

}  // namespace
}  // namespace ostrel

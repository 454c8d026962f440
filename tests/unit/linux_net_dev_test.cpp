#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/linux_data/net_dev.h"

namespace ostrel {
namespace {

using Counters = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

Counters Read(const char* text, bool& ok) {
    std::vector<platform::InterfaceOctets> interfaces{{1, 2}};
    ok = ReadNetDev(text, interfaces);
    Counters out;
    for (const auto& i : interfaces) {
        out.emplace_back(i.received, i.sent);
    }
    return out;
}

constexpr const char* kHeading =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs "
    "drop fifo colls carrier compressed\n";

TEST(LinuxNetDev, ReadsTheLow32BitsOfEachInterfacesByteCounters) {
    struct Case {
        std::string text;
        bool ok;
        Counters counters;
    };
    const std::string h = kHeading;
    const Case cases[] = {
        {h + "    lo:    9867     141    0    0    0     0          0         0     9860     140"
             "    0    0    0     0       0          0\n"
             "  eth0: 4294967301    4618    0    0    0     0          0         0   "
             "8589934591    1472    0    0    0     0       0          0\n",
         true,
         // 2^32 + 5 keeps 5; 2^33 - 1 keeps 2^32 - 1.
         {{9867, 9860}, {5, 4294967295u}}},
        // Old kernels write the first number right after the colon.
        {h + "eth0:123 1 2 3 4 5 6 7 456 8 9 10 11 12 13 14\n", true, {{123, 456}}},
        {h, true, {}},
        {"", true, {}},
        // Fewer columns than the sent bytes', or a column that is not a number.
        {h + "eth0: 1 2 3 4 5 6 7 8\n", false, {}},
        {h + "eth0: 1 2 3 4 5 6 7 8 x9\n", false, {}},
        {h + "eth0: 18446744073709551616 2 3 4 5 6 7 8 9\n", false, {}},
        {h + ": 1 2 3 4 5 6 7 8 9\n", false, {}},
        {h + "lo: 1 2 3 4 5 6 7 8 9\neth 0: 1 2 3 4 5 6 7 8 9\n", false, {}},
    };
    for (const Case& c : cases) {
        bool ok = false;
        EXPECT_EQ(Read(c.text.c_str(), ok), c.counters) << c.text;
        EXPECT_EQ(ok, c.ok) << c.text;
    }
}

}  // namespace
}  // namespace ostrel

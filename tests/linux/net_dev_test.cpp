#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "linux/line_ends.h"
#include "linux/portable/net_dev.h"

namespace ostrel {
namespace {

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

}  // namespace
}  // namespace ostrel

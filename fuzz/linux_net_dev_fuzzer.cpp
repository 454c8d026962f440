// Fuzzes the /proc/net/dev reader: any text, and interface lines built from
// the input whose counters are known.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_bytes.h"
#include "property.h"
#include "linux/portable/net_dev.h"

namespace {

void CheckAnyText(std::string_view text) {
    std::vector<ostrel::platform::InterfaceOctets> interfaces{{1, 2}};
    const bool read = ostrel::ReadNetDev(text, interfaces);
    if (!read) {
        PROPERTY(interfaces.empty());
        return;
    }
    // One interface for each line with a colon and no bar.
    std::size_t lines = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        lines +=
            line.find(':') != std::string_view::npos && line.find('|') == std::string_view::npos;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    PROPERTY(interfaces.size() == lines);
}

void CheckBuiltLines(FuzzBytes in) {
    std::string text =
        "Inter-|   Receive                                                |  Transmit\n"
        " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets\n";
    std::vector<std::pair<std::uint32_t, std::uint32_t>> expected;
    for (int i = 0; !in.empty(); ++i) {
        const unsigned long long received = in.Take(8), sent = in.Take(8);
        text += "  if" + std::to_string(i) + ": " + std::to_string(received) + " 1 2 3 4 5 6 7 " +
                std::to_string(sent) + " 8 9 10 11 12 13 14\n";
        expected.emplace_back(static_cast<std::uint32_t>(received),
                              static_cast<std::uint32_t>(sent));
    }
    std::vector<ostrel::platform::InterfaceOctets> interfaces;
    PROPERTY(ostrel::ReadNetDev(text, interfaces));
    PROPERTY(interfaces.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        PROPERTY(interfaces[i].received == expected[i].first &&
                 interfaces[i].sent == expected[i].second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckBuiltLines(FuzzBytes(data, size));
    return 0;
}

#include "linux/portable/net_dev.h"

#include "linux/portable/text_fields.h"

namespace ostrel {

namespace {

// The received bytes are the first column after the name, the sent bytes
// the ninth.
constexpr int kSentColumn = 8;

}  // namespace

bool ReadNetDev(std::string_view text, std::vector<platform::InterfaceOctets>& interfaces) {
    interfaces.clear();
    while (!text.empty()) {
        const std::string_view line = NextLine(text);
        // Heading lines hold a bar; interface names hold neither bars nor
        // blanks, and end at the first colon (old kernels write no blank
        // after it).
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || line.find('|') != std::string_view::npos) {
            continue;
        }
        const std::string_view name = TrimBlanks(line.substr(0, colon));
        std::string_view columns = line.substr(colon + 1);
        std::uint64_t received = 0;
        std::uint64_t sent = 0;
        bool whole = !name.empty() && name.find(' ') == std::string_view::npos;
        for (int column = 0; whole && column <= kSentColumn; ++column) {
            std::uint64_t value = 0;
            whole = ReadDecimal(NextField(columns), value);
            if (column == 0) {
                received = value;
            } else if (column == kSentColumn) {
                sent = value;
            }
        }
        if (!whole) {
            interfaces.clear();
            return false;
        }
        interfaces.push_back(
            {static_cast<std::uint32_t>(received), static_cast<std::uint32_t>(sent)});
    }
    return true;
}

}  // namespace ostrel

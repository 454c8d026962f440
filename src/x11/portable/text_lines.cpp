#include "x11/portable/text_lines.h"

#include "platform/windowing.h"

namespace ostrel {

std::vector<std::string> TextLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == platform::kLineSeparator || c == '\n') {
            if (c == platform::kLineSeparator && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            lines.emplace_back();
        } else {
            // A tab or another control character has no glyph of its own; a
            // font would draw a box for it where the writer meant a space.
            const auto u = static_cast<unsigned char>(c);
            lines.back() += u < 0x20 || u == 0x7F ? ' ' : c;
        }
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view between) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += between;
        }
        joined += lines[i];
    }
    return joined;
}

}  // namespace ostrel

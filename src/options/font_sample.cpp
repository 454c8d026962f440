#include "options/font_sample.h"

#include <cstdio>

namespace ostrel {

std::string FormatPoints(float points, const std::string& decimalSeparator) {
    // Seven significant digits are all a single-precision size holds.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(points));
    std::string text(buffer);
    const auto dot = text.find('.');
    if (dot != std::string::npos) {
        text.replace(dot, 1, decimalSeparator);
    }
    return text;
}

std::string SampleText(const platform::FontChoice& font, const std::string& decimalSeparator) {
    std::string text = font.name;
    if (!font.bold && !font.italic) {
        text += " regular";
    } else {
        if (font.bold) {
            text += " bold";
        }
        if (font.italic) {
            text += " italic";
        }
    }
    return text + " " + FormatPoints(font.sizePoints, decimalSeparator) + " point";
}

}  // namespace ostrel

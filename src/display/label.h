#pragma once
// A text label of the saver window, as the platform layer draws it.
// Positions and sizes are in twips of the text block.

#include <cstdint>
#include <string>

#include "platform/windowing.h"

namespace ostrel {

using TextFont = platform::TextFont;

// The largest font size a label can take, in points.
inline constexpr std::int32_t kLargestFontPoints = 2160;

struct Label {
    std::string caption;
    bool visible = true;
    std::int32_t leftTwips = 0;
    std::int32_t topTwips = 0;
    std::int32_t widthTwips = 0;
    std::int32_t heightTwips = 0;
    TextFont font;
    std::uint32_t foreColour = 0x00FFFFFF;
};

// Assigning a face the system does not have, or a size no font can take,
// fails with "Invalid property value" and leaves the font as it was.
void SetFontName(platform::Windowing& windowing, Label& label, const std::string& name);
void SetFontSize(Label& label, float points);

// Sets a label's text; the label sizes itself to the text in its font.
void SetLabelCaption(platform::Windowing& windowing, Label& label, const std::string& text);

}  // namespace ostrel

#pragma once
// Models of the saver window's controls. The platform layer draws them;
// positions and sizes are in twips.

#include <cstdint>
#include <string>

#include "platform/windowing.h"

namespace ostrel {

using TextFont = platform::TextFont;

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

// The text block: position read and written as single-precision twips.
struct Panel {
    float leftTwips = 240.0f;
    float topTwips = 240.0f;
    std::int32_t widthTwips = 3015;
    std::int32_t heightTwips = 1455;
    std::uint32_t backColour = 0;
};

// Assigning a face the system does not have, or a size no font can take,
// fails with "Invalid property value" and leaves the font as it was.
void SetFontName(Label& label, const std::string& name);
void SetFontSize(Label& label, float points);

// Sets a label's text; the label sizes itself to the text in its font.
void SetLabelCaption(Label& label, const std::string& text);

}  // namespace ostrel

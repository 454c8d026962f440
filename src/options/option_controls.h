#pragma once
// Models of the options dialog's controls. The platform layer shows them;
// positions and sizes are in twips.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/windowing.h"

namespace ostrel {

// Colours above this mark name a system colour by its index in the low byte.
inline constexpr std::uint32_t kSystemColour = 0x80000000u;
inline constexpr std::uint32_t kSysColourWindow = kSystemColour | 5;
inline constexpr std::uint32_t kSysColourButtonFace = kSystemColour | 15;

struct CheckBox {
    bool value = false;
};

struct TextBox {
    std::string text;
    bool enabled = true;
    std::uint32_t backColour = kSysColourWindow;
    std::size_t maxLength = 0;  // in bytes; 0 is no limit
};

// A drop-down list that accepts no typed text.
struct ComboBox {
    std::vector<std::string> items;
    int listIndex = -1;  // -1: nothing selected
};

struct Slider {
    int min = 0;
    int max = 10;
    int value = 0;
    std::string toolTipText;
};

// Where the animation description panel that is shown stands inside its
// frame, in twips.
inline constexpr std::int32_t kPanelLeftTwips = 600;
inline constexpr std::int32_t kPanelTopTwips = 1440;

// One of the animation description panels, placed inside its frame.
struct DescriptionPanel {
    std::int32_t left = kPanelLeftTwips;
    std::int32_t top = kPanelTopTwips;
    bool visible = false;
};

struct TextLabel {
    std::string caption;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
};

using LabelFont = platform::TextFont;

// The font sample: its text names the font it is drawn in.
struct SampleLabel {
    std::string caption;
    LabelFont font;
    std::uint32_t foreColour = 0;
    std::uint32_t backColour = 0;
};

// Selects a list position; anything but -1 or an entry raises "Invalid
// property value".
void SelectListIndex(ComboBox& list, int index);

// Sets the slider's position, limited to its range.
void SetSliderValue(Slider& slider, int value);

}  // namespace ostrel

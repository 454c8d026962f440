#pragma once
// Placing the options dialog centred over the window it was opened from,
// kept on the primary screen. Positions are twips of the desktop.

#include <cstdint>

#include "platform/windowing.h"

namespace ostrel {

struct TwipsPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct DialogFrame {
    double dialogWidth = 0;
    double dialogHeight = 0;
    double screenWidth = 0;
    double screenHeight = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

// The dialog's top-left corner, centred over `window` (desktop pixels). The
// left edge is kept on the screen before the right one, the bottom before
// the top: a dialog larger than the screen stays flush with its right and
// top edges.
TwipsPoint PlaceOverWindow(const platform::PixelRect& window, const DialogFrame& frame);

// Moves the options dialog over the window; a handle of 0 or less leaves it
// where it is. A window that cannot be read counts as an empty rectangle.
void CentreOverWindow(platform::Dialogs& dialogs, platform::Windowing& windowing,
                      platform::WindowHandle window);

}  // namespace ostrel

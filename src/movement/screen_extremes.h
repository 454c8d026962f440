#pragma once
// The rectangle that spans every monitor attached to the desktop, and the
// primary monitor's rectangle, in desktop pixels.

#include "platform/windowing.h"

namespace ostrel {

struct ScreenExtremes {
    platform::PixelRect allMonitors;  // always includes the desktop's origin
    platform::PixelRect primary;
};

// A failure inside is reported in a message box and ends the walk with the
// values found so far.
ScreenExtremes FindScreenExtremes();

}  // namespace ostrel

#pragma once
// The rectangle that spans every monitor attached to the desktop, and the
// primary monitor's rectangle, in desktop pixels.

#include <cstdint>

namespace ostrel {

struct ScreenEdges {
    std::int32_t Left = 0;
    std::int32_t Right = 0;
    std::int32_t Top = 0;
    std::int32_t Bottom = 0;
};

// `extremes` must hold zeros on entry. A failure inside is reported in a
// message box and ends the operation with the values as they stand.
void GetScreenExtremes(ScreenEdges& extremes, ScreenEdges& primary);

}  // namespace ostrel

#pragma once
// Drawing and measuring the saver's text with GDI.

#include <windows.h>

#include <initializer_list>

#include "display/label.h"

namespace ostrel::win32 {

void FillColour(HDC dc, const RECT& area, std::uint32_t colour);

// Paints the text block's background and its visible labels, off screen
// first so that nothing flickers. True when some text was drawn.
bool PaintTextBlock(HDC dc, const RECT& client, std::uint32_t backColour,
                    std::initializer_list<const Label*> labels);

}  // namespace ostrel::win32

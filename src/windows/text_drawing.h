#pragma once
// Drawing and measuring the saver's text with GDI.

#include <windows.h>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

#include "display/label.h"
#include "platform/windowing.h"
#include "windows/gdi.h"

namespace ostrel::win32 {

// A few fonts kept by description: the labels change font only at start-up.
class TextFonts {
  public:
    HFONT For(const platform::TextFont& font);

  private:
    struct CachedFont {
        platform::TextFont font;
        FontObject object;
    };
    std::array<CachedFont, 4> fonts_;
    std::size_t next_ = 0;
};

void FillColour(HDC dc, const RECT& area, std::uint32_t colour);

// The program's lines are broken at lone line separators; GDI wants CR LF.
std::string WithLineBreaks(const std::string& text);

// The pixel rows a label's text takes in the text block: from the row its
// top falls in to the row its bottom falls in, whole.
struct PixelRows {
    LONG top = 0;
    LONG bottom = 0;
};
PixelRows LabelRows(const Label& label);

// Paints `area` of the text block (client coordinates): the background and
// the visible labels whose rows meet it, off screen first so that nothing
// flickers. A label that does not meet the area is not drawn at all, so that
// the network line's repaint leaves the information text alone. True when
// some text was drawn.
bool PaintTextBlock(HDC dc, const RECT& client, const RECT& area, std::uint32_t backColour,
                    std::initializer_list<const Label*> labels, TextFonts& fonts);

// The size of a text in a font, as the labels draw it.
platform::TextSize MeasureTextIn(TextFonts& fonts, const platform::TextFont& font,
                                 const std::string& text);

}  // namespace ostrel::win32

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

// Paints the text block's background and its visible labels, off screen
// first so that nothing flickers. True when some text was drawn.
bool PaintTextBlock(HDC dc, const RECT& client, std::uint32_t backColour,
                    std::initializer_list<const Label*> labels, TextFonts& fonts);

// The size of a text in a font, as the labels draw it.
platform::TextSize MeasureTextIn(TextFonts& fonts, const platform::TextFont& font,
                                 const std::string& text);

}  // namespace ostrel::win32

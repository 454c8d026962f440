#include "windows/text_drawing.h"

#include <array>
#include <cmath>
#include <string>

#include "windows/gdi.h"
#include "platform/windowing.h"

namespace ostrel::win32 {

namespace {

// A few fonts kept by description: the labels change font only at start-up.
struct CachedFont {
    platform::TextFont font;
    FontObject object;
};
std::array<CachedFont, 4> gFonts;
std::size_t gNextFont = 0;

HFONT FontFor(const platform::TextFont& font) {
    for (const CachedFont& c : gFonts) {
        if (c.object && c.font == font) {
            return c.object.get();
        }
    }
    CachedFont& slot = gFonts[gNextFont];
    gNextFont = (gNextFont + 1) % gFonts.size();
    slot = CachedFont{font, MakeFont(font)};
    return slot.object.get();
}

// The text's lines are broken at lone carriage returns; GDI wants CR LF.
std::string WithLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
            out += '\n';
        }
    }
    return out;
}

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP;

}  // namespace

void FillColour(HDC dc, const RECT& area, std::uint32_t colour) {
    const BrushObject brush(CreateSolidBrush(ColourRef(colour)));
    FillRect(dc, &area, brush.get());
}

bool PaintTextBlock(HDC dc, const RECT& client, std::uint32_t backColour,
                    std::initializer_list<const Label*> labels) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    const MemoryDc memory(dc);
    const BitmapObject bitmap(CreateCompatibleBitmap(dc, width, height));
    const Selection bitmapSelected(memory.get(), bitmap.get());
    FillColour(memory.get(), client, backColour);
    SetBkMode(memory.get(), TRANSPARENT);
    const double tx = platform::TwipsPerPixelX();
    const double ty = platform::TwipsPerPixelY();
    bool drew = false;
    for (const Label* label : labels) {
        if (!label->visible || label->caption.empty()) {
            continue;
        }
        const Selection fontSelected(memory.get(), FontFor(label->font));
        SetTextColor(memory.get(), ColourRef(label->foreColour));
        RECT r{static_cast<LONG>(std::lround(label->leftTwips / tx)),
               static_cast<LONG>(std::lround(label->topTwips / ty)), width, height};
        const std::string text = WithLineBreaks(label->caption);
        DrawTextA(memory.get(), text.c_str(), static_cast<int>(text.size()), &r, kTextFormat);
        drew = true;
    }
    BitBlt(dc, client.left, client.top, width, height, memory.get(), 0, 0, SRCCOPY);
    return drew;
}

}  // namespace ostrel::win32

namespace ostrel::platform {

TextSize MeasureText(const TextFont& font, const std::string& text) {
    const win32::ScreenDc screen;
    const win32::Selection fontSelected(screen.get(), win32::FontFor(font));
    TextSize size;
    if (text.empty()) {
        TEXTMETRICA tm{};
        GetTextMetricsA(screen.get(), &tm);
        size.heightPixels = tm.tmHeight;
    } else {
        RECT r{0, 0, 0, 0};
        const std::string lines = win32::WithLineBreaks(text);
        DrawTextA(screen.get(), lines.c_str(), static_cast<int>(lines.size()), &r,
                  win32::kTextFormat | DT_CALCRECT);
        size.widthPixels = r.right - r.left;
        size.heightPixels = r.bottom - r.top;
    }
    return size;
}

}  // namespace ostrel::platform

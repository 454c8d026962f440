#include "windows/text_drawing.h"

#include <cmath>

namespace ostrel::win32 {

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP;

}  // namespace

HFONT TextFonts::For(const platform::TextFont& font) {
    for (const CachedFont& c : fonts_) {
        if (c.object && c.font == font) {
            return c.object.get();
        }
    }
    CachedFont& slot = fonts_[next_];
    next_ = (next_ + 1) % fonts_.size();
    slot = CachedFont{font, MakeFont(font)};
    return slot.object.get();
}

std::string WithLineBreaks(const std::string& text) {
    constexpr char kSeparator = platform::kLineSeparator;
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == kSeparator && (i + 1 >= text.size() || text[i + 1] != '\n')) {
            out += '\n';
        }
    }
    return out;
}

void FillColour(HDC dc, const RECT& area, std::uint32_t colour) {
    const BrushObject brush(CreateSolidBrush(ColourRef(colour)));
    FillRect(dc, &area, brush.get());
}

PixelRows LabelRows(const Label& label) {
    const double ty = ScreenTwipsPerPixel(LOGPIXELSY);
    return PixelRows{static_cast<LONG>(std::floor(label.topTwips / ty)),
                     static_cast<LONG>(std::ceil((label.topTwips + label.heightTwips) / ty))};
}

bool PaintTextBlock(HDC dc, const RECT& client, const RECT& area, std::uint32_t backColour,
                    std::initializer_list<const Label*> labels, TextFonts& fonts) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    const MemoryDc memory(dc);
    const BitmapObject bitmap(CreateCompatibleBitmap(dc, width, height));
    const Selection bitmapSelected(memory.get(), bitmap.get());
    // The bitmap holds only the area; drawing keeps the block's coordinates.
    SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
    FillColour(memory.get(), area, backColour);
    SetBkMode(memory.get(), TRANSPARENT);
    const double tx = ScreenTwipsPerPixel(LOGPIXELSX);
    const double ty = ScreenTwipsPerPixel(LOGPIXELSY);
    bool drew = false;
    for (const Label* label : labels) {
        if (!label->visible || label->caption.empty()) {
            continue;
        }
        const PixelRows rows = LabelRows(*label);
        if (rows.bottom <= area.top || rows.top >= area.bottom) {
            continue;
        }
        const Selection fontSelected(memory.get(), fonts.For(label->font));
        SetTextColor(memory.get(), ColourRef(label->foreColour));
        RECT r{Pixels(label->leftTwips, tx), Pixels(label->topTwips, ty), client.right,
               client.bottom};
        const std::string text = WithLineBreaks(label->caption);
        DrawTextA(memory.get(), text.c_str(), static_cast<int>(text.size()), &r, kTextFormat);
        drew = true;
    }
    BitBlt(dc, area.left, area.top, width, height, memory.get(), area.left, area.top, SRCCOPY);
    return drew;
}

platform::TextSize MeasureTextIn(TextFonts& fonts, const platform::TextFont& font,
                                 const std::string& text) {
    const ScreenDc screen;
    const Selection fontSelected(screen.get(), fonts.For(font));
    platform::TextSize size;
    if (text.empty()) {
        TEXTMETRICA tm{};
        GetTextMetricsA(screen.get(), &tm);
        size.heightPixels = tm.tmHeight;
    } else {
        RECT r{0, 0, 0, 0};
        const std::string lines = WithLineBreaks(text);
        DrawTextA(screen.get(), lines.c_str(), static_cast<int>(lines.size()), &r,
                  kTextFormat | DT_CALCRECT);
        size.widthPixels = r.right - r.left;
        size.heightPixels = r.bottom - r.top;
    }
    return size;
}

}  // namespace ostrel::win32

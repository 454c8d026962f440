#include "platform/win32/text_drawing.h"

#include <cmath>
#include <string>

#include "platform/windowing.h"

namespace ostrel::win32 {

namespace {

// One font kept per description: the labels change font only at start-up.
struct CachedFont {
    platform::TextFont font;
    HFONT handle = nullptr;
};
CachedFont gFonts[4];
int gNextFont = 0;

bool Same(const platform::TextFont& a, const platform::TextFont& b) {
    return a.name == b.name && a.sizePoints == b.sizePoints && a.bold == b.bold &&
           a.italic == b.italic && a.strikethru == b.strikethru && a.underline == b.underline;
}

HFONT FontFor(const platform::TextFont& font) {
    for (const CachedFont& c : gFonts) {
        if (c.handle != nullptr && Same(c.font, font)) {
            return c.handle;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.sizePoints * dpiY / 72.0));
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikethru ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    CachedFont& slot = gFonts[gNextFont];
    gNextFont = (gNextFont + 1) % 4;
    if (slot.handle != nullptr) {
        DeleteObject(slot.handle);
    }
    slot = CachedFont{font, CreateFontIndirectA(&lf)};
    return slot.handle;
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
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour & 0x00FFFFFFu));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

bool PaintPanel(HDC dc, const RECT& client, std::uint32_t backColour,
                std::initializer_list<const Label*> labels) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    FillColour(memory, client, backColour);
    SetBkMode(memory, TRANSPARENT);
    const double tx = platform::TwipsPerPixelX();
    const double ty = platform::TwipsPerPixelY();
    bool drew = false;
    for (const Label* label : labels) {
        if (!label->visible || label->caption.empty()) {
            continue;
        }
        HGDIOBJ oldFont = SelectObject(memory, FontFor(label->font));
        SetTextColor(memory, static_cast<COLORREF>(label->foreColour & 0x00FFFFFFu));
        RECT r{static_cast<LONG>(std::lround(label->leftTwips / tx)),
               static_cast<LONG>(std::lround(label->topTwips / ty)), width, height};
        const std::string text = WithLineBreaks(label->caption);
        DrawTextA(memory, text.c_str(), static_cast<int>(text.size()), &r, kTextFormat);
        SelectObject(memory, oldFont);
        drew = true;
    }
    BitBlt(dc, client.left, client.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return drew;
}

}  // namespace ostrel::win32

namespace ostrel::platform {

TextSize MeasureText(const TextFont& font, const std::string& text) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, win32::FontFor(font));
    TextSize size;
    if (text.empty()) {
        TEXTMETRICA tm{};
        GetTextMetricsA(screen, &tm);
        size.heightPixels = tm.tmHeight;
    } else {
        RECT r{0, 0, 0, 0};
        const std::string lines = win32::WithLineBreaks(text);
        DrawTextA(screen, lines.c_str(), static_cast<int>(lines.size()), &r,
                  win32::kTextFormat | DT_CALCRECT);
        size.widthPixels = r.right - r.left;
        size.heightPixels = r.bottom - r.top;
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace ostrel::platform

#include "windows/gdi.h"

#include <cmath>

namespace ostrel::win32 {

int ScreenDpiY() {
    const ScreenDc screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

double ScreenTwipsPerPixel(int capability) {
    constexpr double kTwipsPerPixelAt96Dpi = 15;
    const ScreenDc screen;
    const int dpi = GetDeviceCaps(screen.get(), capability);
    return dpi > 0 ? platform::kTwipsPerInch / dpi : kTwipsPerPixelAt96Dpi;
}

int Pixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

int PixelsX(double twips) {
    return Pixels(twips, ScreenTwipsPerPixel(LOGPIXELSX));
}

int PixelsY(double twips) {
    return Pixels(twips, ScreenTwipsPerPixel(LOGPIXELSY));
}

LOGFONTA LogFontFor(const platform::TextFont& font) {
    LOGFONTA lf{};
    lf.lfHeight =
        -static_cast<LONG>(std::lround(font.sizePoints * ScreenDpiY() / platform::kPointsPerInch));
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikethrough ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    return lf;
}

FontObject MakeFont(const platform::TextFont& font) {
    const LOGFONTA lf = LogFontFor(font);
    return FontObject(CreateFontIndirectA(&lf));
}

}  // namespace ostrel::win32

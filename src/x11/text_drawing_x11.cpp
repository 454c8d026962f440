// The saver's text over Xft and fontconfig: anti-aliased, in the settings'
// face, size, weight and slant, with underline and strike-through lines
// drawn from the face's own metrics. A face the system does not have falls
// back to fontconfig's choice for the name, as Windows falls back to its
// default face.

#include "x11/running_state.h"

#include <X11/Xft/Xft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/windowing.h"
#include "x11/portable/text_lines.h"

namespace ostrel::x11 {

namespace {

// Windows gives a font of no height its default size.
constexpr double kDefaultPixels = 12;

int FromFontUnits(FT_Face face, FT_Short value) {
    return static_cast<int>(std::lround(FT_MulFix(value, face->size->metrics.y_scale) / 64.0));
}

void ReadLineMetrics(CachedFont& c) {
    XftFont* f = c.xft.get();
    // Fallbacks where the face does not say: under the baseline by a third
    // of the descent, through the middle of the lower-case letters.
    c.underlineThickness = std::max(1, (f->ascent + f->descent) / 16);
    c.underlineOffset = std::max(1, f->descent / 3);
    c.strikeThickness = c.underlineThickness;
    c.strikeOffset = std::max(1, f->ascent * 3 / 10);
    FT_Face face = XftLockFace(f);
    if (face == nullptr) {
        return;
    }
    if (FT_IS_SCALABLE(face) && face->size != nullptr) {
        if (face->underline_thickness > 0) {
            c.underlineThickness = std::max(1, FromFontUnits(face, face->underline_thickness));
            c.underlineOffset = std::max(
                1, -FromFontUnits(face, face->underline_position) - c.underlineThickness / 2);
        }
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
            c.strikeThickness = std::max(1, FromFontUnits(face, os2->yStrikeoutSize));
            c.strikeOffset = std::max(1, FromFontUnits(face, os2->yStrikeoutPosition));
        }
    }
    XftUnlockFace(f);
}

XftFont* OpenFont(const RunningState& state, const platform::TextFont& font) {
    Display* d = state.display();
    const int screen = state.surface.screen;
    double pixels = std::lround(font.sizePoints * state.surface.dpiY / platform::kPointsPerInch);
    if (pixels < 1) {
        pixels = kDefaultPixels;
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.name.c_str()));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
    FcPatternAddInteger(pattern, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_ANTIALIAS, FcTrue);
    FcResult result = FcResultNoMatch;
    FcPattern* match = XftFontMatch(d, screen, pattern, &result);
    FcPatternDestroy(pattern);
    XftFont* xft = match != nullptr ? XftFontOpenPattern(d, match) : nullptr;
    if (xft == nullptr) {
        if (match != nullptr) {
            FcPatternDestroy(match);
        }
        xft = XftFontOpenName(d, screen, "sans-serif");
    }
    return xft;
}

const CachedFont* FontFor(RunningState& state, const platform::TextFont& font) {
    TextResources& text = state.text;
    for (const CachedFont& c : text.fonts) {
        if (c.xft && c.font == font) {
            return &c;
        }
    }
    XftFont* xft = OpenFont(state, font);
    if (xft == nullptr) {
        return nullptr;
    }
    CachedFont& slot = text.fonts[text.nextFont];
    text.nextFont = (text.nextFont + 1) % text.fonts.size();
    slot = CachedFont{font, FontResource(state.display(), xft)};
    ReadLineMetrics(slot);
    return &slot;
}

const XftColor* ColourFor(RunningState& state, std::uint32_t colour) {
    std::map<std::uint32_t, AllocatedColour>& colours = state.text.colours;
    const auto known = colours.find(colour);
    if (known != colours.end()) {
        return &known->second.get();
    }
    XRenderColor value{static_cast<unsigned short>((colour & 0xFF) * 257),
                       static_cast<unsigned short>((colour >> 8 & 0xFF) * 257),
                       static_cast<unsigned short>((colour >> 16 & 0xFF) * 257), 0xFFFF};
    XftColor out{};
    const Surface& s = state.surface;
    if (!XftColorAllocValue(state.display(), s.visual, s.colormap, &value, &out)) {
        return nullptr;
    }
    return &colours.try_emplace(colour, state.display(), s.visual, s.colormap, out)
                .first->second.get();
}

// The length of the valid UTF-8 sequence at `i`, or 0.
std::size_t Utf8Length(const std::string& t, std::size_t i) {
    const auto b = static_cast<unsigned char>(t[i]);
    const std::size_t n = b < 0x80         ? 1
                          : (b >> 5) == 6  ? 2
                          : (b >> 4) == 14 ? 3
                          : (b >> 3) == 30 ? 4
                                           : 0;
    if (n == 0 || i + n > t.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return n;
}

// Text in UTF-8, as Xft takes it. The program's texts are bytes: UTF-8 from
// this system's locale and settings file, or single bytes of Latin-1 where
// they are not valid UTF-8.
std::string Utf8(const std::string& text) {
    bool valid = true;
    for (std::size_t i = 0; i < text.size() && valid;) {
        const std::size_t n = Utf8Length(text, i);
        valid = n != 0;
        i += n;
    }
    if (valid) {
        return text;
    }
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | b >> 6);
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

int LineWidth(Display* display, XftFont* font, const std::string& line) {
    if (line.empty()) {
        return 0;
    }
    XGlyphInfo extents{};
    XftTextExtentsUtf8(display, font, reinterpret_cast<const FcChar8*>(line.data()),
                       static_cast<int>(line.size()), &extents);
    return extents.xOff;
}

}  // namespace

void DrawLabel(RunningState& state, XftDraw* draw, const Label& label, int x, int y) {
    const CachedFont* font = FontFor(state, label.font);
    const XftColor* colour = ColourFor(state, label.foreColour);
    if (font == nullptr || colour == nullptr) {
        return;
    }
    XftFont* xft = font->xft.get();
    const int lineHeight = xft->ascent + xft->descent;
    int baseline = y + xft->ascent;
    for (const std::string& line : TextLines(Utf8(label.caption))) {
        if (!line.empty()) {
            XftDrawStringUtf8(draw, colour, xft, x, baseline,
                              reinterpret_cast<const FcChar8*>(line.data()),
                              static_cast<int>(line.size()));
            const auto width = static_cast<unsigned>(LineWidth(state.display(), xft, line));
            if (label.font.underline) {
                XftDrawRect(draw, colour, x, baseline + font->underlineOffset, width,
                            static_cast<unsigned>(font->underlineThickness));
            }
            if (label.font.strikethrough) {
                XftDrawRect(draw, colour, x, baseline - font->strikeOffset, width,
                            static_cast<unsigned>(font->strikeThickness));
            }
        }
        baseline += lineHeight;
    }
}

unsigned long PixelOf(RunningState& state, std::uint32_t colour) {
    const XftColor* c = ColourFor(state, colour);
    return c != nullptr ? c->pixel : BlackPixel(state.display(), state.surface.screen);
}

}  // namespace ostrel::x11

namespace ostrel::platform {

TextSize MeasureText(Windowing& windowing, const TextFont& font, const std::string& text) {
    x11::RunningState& state = windowing.state;
    x11::TextResources& resources = state.text;
    for (const x11::MeasuredText& m : resources.measured) {
        if (m.text == text && m.font == font && (m.size.heightPixels != 0 || text.empty())) {
            return m.size;
        }
    }
    const x11::CachedFont* f = x11::FontFor(state, font);
    if (f == nullptr) {
        return {};
    }
    XftFont* xft = f->xft.get();
    TextSize size;
    const std::vector<std::string> lines = TextLines(x11::Utf8(text));
    for (const std::string& line : lines) {
        size.widthPixels = std::max(size.widthPixels, x11::LineWidth(state.display(), xft, line));
    }
    size.heightPixels = static_cast<std::int32_t>(lines.size()) * (xft->ascent + xft->descent);
    resources.measured[resources.nextMeasured] = x11::MeasuredText{font, text, size};
    resources.nextMeasured = (resources.nextMeasured + 1) % resources.measured.size();
    return size;
}

bool FontExists(Windowing& windowing, const std::string& faceName) {
    // Matching always finds some face; only a listing says whether this one
    // is there. Families compare without regard to case.
    std::map<std::string, bool>& known = windowing.state.text.fontsFound;
    if (faceName.empty()) {
        return false;
    }
    const auto k = known.find(faceName);
    if (k != known.end()) {
        return k->second;
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    known.emplace(faceName, found);
    return found;
}

}  // namespace ostrel::platform

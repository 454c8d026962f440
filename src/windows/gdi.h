#pragma once
// Small owners of GDI resources, so that every font, brush, bitmap and
// device context is given back on every path, and the one way the program
// turns its font description into a GDI font.

#include <windows.h>

#include <utility>

#include "platform/windowing.h"

namespace ostrel::win32 {

// Owns a GDI object (a font, brush or bitmap) and deletes it.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using BitmapObject = GdiObject<HBITMAP>;

// The screen's device context, released when it goes.
class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

// An off-screen device context compatible with another, deleted when it goes.
class MemoryDc {
  public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() { DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

// Selects an object into a device context and puts the old one back.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// The screen's vertical dots per inch.
int ScreenDpiY();

// Twips (1/1440 inch) per pixel of the screen across (LOGPIXELSX) or down
// (LOGPIXELSY).
double ScreenTwipsPerPixel(int capability);

// A length in twips as whole pixels, at a resolution or at the screen's.
int Pixels(double twips, double twipsPerPixel);
int PixelsX(double twips);
int PixelsY(double twips);

// The GDI description of a font: its size in points becomes a character
// height in pixels at the screen's resolution.
LOGFONTA LogFontFor(const platform::TextFont& font);
FontObject MakeFont(const platform::TextFont& font);

// A colour of the program (0x00BBGGRR) as GDI takes it.
inline COLORREF ColourRef(std::uint32_t colour) {
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace ostrel::win32

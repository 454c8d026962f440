#pragma once
// X resources that free themselves: the connection, and each thing made on
// it (graphics context, picture, Xft drawing, font, colour, cursor, the
// program's own window) goes back to the server when its owner goes.

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <memory>
#include <utility>

namespace ostrel::x11 {

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, CloseDisplay>;

// Memory Xlib handed out (names, lists of windows or monitors).
struct FreeXMemory {
    void operator()(void* memory) const { XFree(memory); }
};
template <typename T>
using XMemory = std::unique_ptr<T, FreeXMemory>;

// One resource of a connection, freed with `Free` on that connection.
template <typename Handle, void (*Free)(Display*, Handle)>
class XResource {
  public:
    XResource() = default;
    XResource(Display* display, Handle handle) : display_(display), handle_(handle) {}
    ~XResource() { Reset(); }
    XResource(XResource&& other) noexcept
        : display_(other.display_), handle_(std::exchange(other.handle_, Handle{})) {}
    XResource& operator=(XResource&& other) noexcept {
        if (this != &other) {
            Reset();
            display_ = other.display_;
            handle_ = std::exchange(other.handle_, Handle{});
        }
        return *this;
    }
    XResource(const XResource&) = delete;
    XResource& operator=(const XResource&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }

  private:
    void Reset() {
        if (handle_ != Handle{}) {
            Free(display_, std::exchange(handle_, Handle{}));
        }
    }

    Display* display_ = nullptr;
    Handle handle_{};
};

inline void FreeGc(Display* display, GC gc) {
    XFreeGC(display, gc);
}
inline void FreePixmap(Display* display, Pixmap pixmap) {
    XFreePixmap(display, pixmap);
}
inline void FreeCursor(Display* display, Cursor cursor) {
    XFreeCursor(display, cursor);
}
inline void DestroyWindow(Display* display, Window window) {
    XDestroyWindow(display, window);
}
inline void CloseFont(Display* display, XftFont* font) {
    XftFontClose(display, font);
}
inline void DestroyDraw(Display*, XftDraw* draw) {
    XftDrawDestroy(draw);
}

using GraphicsContext = XResource<GC, FreeGc>;
using PixmapResource = XResource<Pixmap, FreePixmap>;
using CursorResource = XResource<Cursor, FreeCursor>;
using WindowResource = XResource<Window, DestroyWindow>;
using FontResource = XResource<XftFont*, CloseFont>;
using DrawResource = XResource<XftDraw*, DestroyDraw>;

// A colour allocated in a colour map for Xft.
class AllocatedColour {
  public:
    AllocatedColour(Display* display, Visual* visual, Colormap colormap, const XftColor& colour)
        : display_(display), visual_(visual), colormap_(colormap), colour_(colour) {}
    ~AllocatedColour() {
        if (display_ != nullptr) {
            XftColorFree(display_, visual_, colormap_, &colour_);
        }
    }
    AllocatedColour(AllocatedColour&& other) noexcept
        : display_(std::exchange(other.display_, nullptr)),
          visual_(other.visual_),
          colormap_(other.colormap_),
          colour_(other.colour_) {}
    AllocatedColour& operator=(AllocatedColour&&) = delete;
    AllocatedColour(const AllocatedColour&) = delete;
    AllocatedColour& operator=(const AllocatedColour&) = delete;

    const XftColor& get() const { return colour_; }

  private:
    Display* display_;
    Visual* visual_;
    Colormap colormap_;
    XftColor colour_;
};

}  // namespace ostrel::x11

// Windows, input and monitors over user32 and gdi32.

#include <windows.h>

#include "windows/gdi.h"
#include "windows/win32_app.h"
#include "platform/windowing.h"

namespace ostrel::platform {

namespace {

HWND Hwnd(WindowHandle w) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(w));
}
WindowHandle Handle(HWND h) {
    return static_cast<WindowHandle>(reinterpret_cast<INT_PTR>(h));
}

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPixelAt96Dpi = 15;

double TwipsPerPixel(int capability) {
    const win32::ScreenDc screen;
    const int dpi = GetDeviceCaps(screen.get(), capability);
    return dpi > 0 ? kTwipsPerInch / dpi : kTwipsPerPixelAt96Dpi;
}

int CALLBACK NoteFontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t style) {
    // While the options window is open the box is modal to it, so that its
    // buttons wait for the answer. The full-screen window is topmost: the
    // box must come up above it.
    HWND owner = win32::OptionsHwnd() != nullptr ? win32::OptionsHwnd() : win32::SaverHwnd();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style | MB_SETFOREGROUND | MB_TOPMOST);
}

bool WindowExists(WindowHandle window) {
    return IsWindow(Hwnd(window)) != FALSE;
}

WindowHandle SaverWindow() {
    return Handle(win32::SaverHwnd());
}

void SetSaverCaption(const std::string& caption) {
    SetWindowTextA(win32::SaverHwnd(), caption.c_str());
}

void SetSaverBackground(std::uint32_t) {
    // The window procedures paint with the saver window's colours; ask for a repaint.
    InvalidateRect(win32::SaverHwnd(), nullptr, TRUE);
}

void DestroySaverWindow() {
    if (win32::SaverHwnd() != nullptr) {
        DestroyWindow(win32::SaverHwnd());
    }
}

void EndProgram() {
    ExitProcess(0);
}

WindowHandle FindWindowTitled(const std::string& title) {
    return Handle(FindWindowA(nullptr, title.c_str()));
}

bool PlaceWindow(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                 std::int32_t cx, std::int32_t cy, std::uint32_t flags) {
    return SetWindowPos(Hwnd(window), Hwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

int ChangeCursorVisibility(bool show) {
    return ShowCursor(show ? TRUE : FALSE);
}

bool ReadClientRect(WindowHandle window, PixelRect& rect) {
    RECT r;
    if (!GetClientRect(Hwnd(window), &r)) {
        return false;
    }
    rect = PixelRect{r.left, r.top, r.right, r.bottom};
    return true;
}

std::int32_t ReadWindowWord(WindowHandle window, int index) {
    return static_cast<std::int32_t>(GetWindowLongA(Hwnd(window), index));
}

std::int64_t WriteWindowWord(WindowHandle window, int index, std::int64_t value) {
    // The owner word holds a handle, which needs the pointer-sized call.
    if (index == kGwlHwndParent) {
        return SetWindowLongPtrA(Hwnd(window), index, static_cast<LONG_PTR>(value));
    }
    return SetWindowLongA(Hwnd(window), index, static_cast<LONG>(value));
}

WindowHandle ChangeParent(WindowHandle child, WindowHandle parent) {
    return Handle(SetParent(Hwnd(child), Hwnd(parent)));
}

double TwipsPerPixelX() {
    return TwipsPerPixel(LOGPIXELSX);
}
double TwipsPerPixelY() {
    return TwipsPerPixel(LOGPIXELSY);
}

PixelRect DesktopWindowRect() {
    RECT r{};
    GetWindowRect(GetDesktopWindow(), &r);
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

bool EnumerateDisplayDevice(std::uint32_t index, DisplayDevice& device) {
    DISPLAY_DEVICEA dd{};
    dd.cb = sizeof(dd);
    if (!EnumDisplayDevicesA(nullptr, index, &dd, 0)) {
        return false;
    }
    device.name.assign(dd.DeviceName, strnlen(dd.DeviceName, sizeof(dd.DeviceName)));
    device.stateFlags = dd.StateFlags;
    return true;
}

bool ReadDisplaySettings(const std::string& deviceName, std::int32_t mode,
                         DisplaySettings& settings) {
    DEVMODEA dm{};
    // The record as far as dmDisplayFrequency, with no driver extra bytes.
    dm.dmSize = offsetof(DEVMODEA, dmDisplayFrequency) + sizeof(dm.dmDisplayFrequency);
    dm.dmDriverExtra = 0;
    if (!EnumDisplaySettingsExA(deviceName.c_str(), static_cast<DWORD>(mode), &dm, 0)) {
        return false;
    }
    settings.positionX = dm.dmPosition.x;
    settings.positionY = dm.dmPosition.y;
    return true;
}

MonitorHandle MonitorAtPoint(std::int32_t x, std::int32_t y) {
    return reinterpret_cast<MonitorHandle>(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL));
}

bool ReadMonitorRect(MonitorHandle monitor, PixelRect& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(reinterpret_cast<HMONITOR>(monitor), &info)) {
        return false;
    }
    const RECT& r = info.rcMonitor;
    rect = PixelRect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool FontExists(const std::string& faceName) {
    if (faceName.empty() || faceName.size() >= LF_FACESIZE) {
        return false;
    }
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, faceName.c_str(), LF_FACESIZE);
    bool found = false;
    const win32::ScreenDc screen;
    EnumFontFamiliesExA(screen.get(), &lf, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace ostrel::platform

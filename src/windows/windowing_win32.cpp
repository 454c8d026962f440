// The saver window's placement, messages, text, other programs' windows and
// the monitors, over user32 and gdi32.

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "platform/windowing.h"
#include "windows/gdi.h"
#include "windows/portable/display_devices.h"
#include "windows/services_win32.h"
#include "windows/text_drawing.h"

namespace ostrel::win32 {

HWND Hwnd(platform::WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(window));
}

platform::WindowHandle Handle(HWND hwnd) {
    return static_cast<platform::WindowHandle>(reinterpret_cast<INT_PTR>(hwnd));
}

UINT MessageIconStyle(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Critical:
            return MB_ICONSTOP;
        case platform::MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case platform::MessageIcon::None:
            break;
    }
    return MB_OK;
}

namespace {

platform::PixelRect PixelRectOf(const RECT& r) {
    return platform::PixelRect{r.left, r.top, r.right, r.bottom};
}

int CALLBACK NoteFontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool ReadDisplayDevice(std::uint32_t index, DisplayDevice& device) {
    DISPLAY_DEVICEA dd{};
    dd.cb = sizeof(dd);
    if (!EnumDisplayDevicesA(nullptr, index, &dd, 0)) {
        return false;
    }
    device.name.assign(dd.DeviceName, strnlen(dd.DeviceName, sizeof(dd.DeviceName)));
    device.stateFlags = dd.StateFlags;
    return true;
}

bool ReadDisplayPosition(const std::string& deviceName, DisplaySettingsKind kind,
                         DisplayPosition& position) {
    DEVMODEA dm{};
    // The record as far as dmDisplayFrequency, with no driver extra bytes.
    dm.dmSize = offsetof(DEVMODEA, dmDisplayFrequency) + sizeof(dm.dmDisplayFrequency);
    dm.dmDriverExtra = 0;
    const DWORD mode =
        kind == DisplaySettingsKind::Current ? ENUM_CURRENT_SETTINGS : ENUM_REGISTRY_SETTINGS;
    if (!EnumDisplaySettingsExA(deviceName.c_str(), mode, &dm, 0)) {
        return false;
    }
    position = DisplayPosition{dm.dmPosition.x, dm.dmPosition.y};
    return true;
}

bool ReadMonitorRect(MonitorId monitor, platform::PixelRect& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(reinterpret_cast<HMONITOR>(monitor), &info)) {
        return false;
    }
    rect = PixelRectOf(info.rcMonitor);
    return true;
}

}  // namespace

}  // namespace ostrel::win32

namespace ostrel::platform {

TextSize MeasureText(Windowing& windowing, const TextFont& font, const std::string& text) {
    win32::CountTextMeasure(windowing.program.paintCount);
    return win32::MeasureTextIn(windowing.program.fonts, font, text);
}

bool FontExists(Windowing&, const std::string& faceName) {
    if (faceName.empty() || faceName.size() >= LF_FACESIZE) {
        return false;
    }
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, faceName.c_str(), LF_FACESIZE);
    bool found = false;
    const win32::ScreenDc screen;
    EnumFontFamiliesExA(screen.get(), &lf, win32::NoteFontFound, reinterpret_cast<LPARAM>(&found),
                        0);
    return found;
}

double TwipsPerPixelX(Windowing& windowing) {
    return windowing.program.twipsPerPixelX;
}

double TwipsPerPixelY(Windowing& windowing) {
    return windowing.program.twipsPerPixelY;
}

void ShowMessage(Windowing& windowing, const std::string& text, const std::string& caption,
                 MessageIcon icon) {
    // While the options window is open the box is modal to it, so that its
    // buttons wait for the answer. The full-screen window is topmost: the
    // box must come up above it.
    const win32::Program& program = windowing.program;
    HWND owner = program.options.hwnd != nullptr ? program.options.hwnd : program.saverHwnd;
    MessageBoxA(owner, text.c_str(), caption.c_str(),
                win32::MessageIconStyle(icon) | MB_SETFOREGROUND | MB_TOPMOST);
}

void SetSaverCaption(Windowing& windowing, const std::string& caption) {
    SetWindowTextA(windowing.program.saverHwnd, caption.c_str());
}

void SetSaverBackground(Windowing& windowing, std::uint32_t) {
    // The window procedures paint with the saver window's colours; ask for a repaint.
    InvalidateRect(windowing.program.saverHwnd, nullptr, TRUE);
}

void CoverDesktop(Windowing& windowing, const PixelRect& desktopRect) {
    const auto width = static_cast<int>(std::int64_t{desktopRect.right} - desktopRect.left);
    const auto height = static_cast<int>(std::int64_t{desktopRect.bottom} - desktopRect.top);
    SetWindowPos(windowing.program.saverHwnd, HWND_TOPMOST, desktopRect.left, desktopRect.top,
                 width, height, SWP_SHOWWINDOW);
}

void EmbedInPreviewHost(Windowing& windowing, WindowHandle host, std::int32_t widthPixels,
                        std::int32_t heightPixels) {
    HWND self = windowing.program.saverHwnd;
    // A plain child of the picture: a pop-up inside another program's
    // dialog could take its activation, and its parent would read as an
    // owner.
    const LONG style = (GetWindowLongA(self, GWL_STYLE) & ~static_cast<LONG>(WS_POPUP)) |
                       static_cast<LONG>(WS_CHILD);
    SetWindowLongA(self, GWL_STYLE, style);
    SetParent(self, win32::Hwnd(host));
    // The owner word holds a handle, which needs the pointer-sized call.
    SetWindowLongPtrA(self, GWLP_HWNDPARENT, static_cast<LONG_PTR>(host));
    SetWindowPos(self, HWND_TOPMOST, 0, 0, widthPixels, heightPixels,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void SetPointerVisible(Windowing&, bool visible) {
    ShowCursor(visible ? TRUE : FALSE);
}

void DestroySaverWindow(Windowing& windowing) {
    if (windowing.program.saverHwnd != nullptr) {
        DestroyWindow(windowing.program.saverHwnd);
    }
}

void EndProgram(Windowing&) {
    ExitProcess(0);
}

bool ReportsPointerMovesOfMovingBlock(Windowing&) {
    // Windows sends a mouse move whenever the window under a resting
    // pointer changes, so the moving text block produces them.
    return true;
}

WindowHandle FindWindowTitled(Windowing&, const std::string& title) {
    return win32::Handle(FindWindowA(nullptr, title.c_str()));
}

bool WindowExists(Windowing&, WindowHandle window) {
    return IsWindow(win32::Hwnd(window)) != FALSE;
}

bool ReadClientRect(Windowing&, WindowHandle window, PixelRect& rect) {
    RECT r;
    if (!GetClientRect(win32::Hwnd(window), &r)) {
        return false;
    }
    rect = win32::PixelRectOf(r);
    return true;
}

MonitorLayout ReadMonitorLayout(Windowing& windowing) {
    win32::DisplaySystem system;
    system.desktopRect = [] {
        RECT r{};
        GetWindowRect(GetDesktopWindow(), &r);
        return win32::PixelRectOf(r);
    };
    system.device = win32::ReadDisplayDevice;
    system.settings = win32::ReadDisplayPosition;
    system.monitorAt = [](std::int32_t x, std::int32_t y) {
        return reinterpret_cast<win32::MonitorId>(
            MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL));
    };
    system.monitorRect = win32::ReadMonitorRect;
    system.showMessage = [&windowing](const std::string& text, const std::string& caption) {
        ShowMessage(windowing, text, caption, MessageIcon::None);
    };
    return win32::WalkDisplayDevices(system);
}

}  // namespace ostrel::platform

#pragma once
// The monitors as Windows' display devices describe them: the rectangle
// that spans every monitor attached to the desktop, and the primary one's.
// The walk asks the system through a few plain calls, so that it runs and is
// tested without it.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/windowing.h"

namespace ostrel::win32 {

// A display device's state flags that the walk reads.
inline constexpr std::uint32_t kDisplayDeviceAttachedToDesktop = 1;
inline constexpr std::uint32_t kDisplayDeviceMirroringDriver = 8;

struct DisplayDevice {
    std::string name;
    std::uint32_t stateFlags = 0;
};

// Where a device's settings put its top-left corner on the desktop.
struct DisplayPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Which of a device's settings to read: those in use, or those stored for
// the next start.
enum class DisplaySettingsKind { Current, Stored };

// A monitor as the system names it; 0 is none.
using MonitorId = std::uint64_t;

struct DisplaySystem {
    // The desktop window's rectangle.
    std::function<platform::PixelRect()> desktopRect;
    // False when no device has this index.
    std::function<bool(std::uint32_t index, DisplayDevice& device)> device;
    // Fills `position` only when it answers true.
    std::function<bool(const std::string& deviceName, DisplaySettingsKind kind,
                       DisplayPosition& position)>
        settings;
    // The monitor at a desktop point, or 0.
    std::function<MonitorId(std::int32_t x, std::int32_t y)> monitorAt;
    // Fills `rect` only when it answers true.
    std::function<bool(MonitorId monitor, platform::PixelRect& rect)> monitorRect;
    // A message box with no icon.
    std::function<void(const std::string& text, const std::string& caption)> showMessage;
};

// Walks the display devices. A failure on the way is shown in a message box
// and ends the walk with what it found until then.
platform::MonitorLayout WalkDisplayDevices(const DisplaySystem& system);

}  // namespace ostrel::win32

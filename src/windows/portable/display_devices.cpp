#include "windows/portable/display_devices.h"

#include "common/app.h"
#include "common/failure.h"

namespace ostrel::win32 {

namespace {

void Accumulate(platform::PixelRect& extremes, const platform::PixelRect& r) {
    if (r.left < extremes.left) {
        extremes.left = r.left;
    }
    if (r.right > extremes.right) {
        extremes.right = r.right;
    }
    if (r.top < extremes.top) {
        extremes.top = r.top;
    }
    if (r.bottom > extremes.bottom) {
        extremes.bottom = r.bottom;
    }
}

void Walk(const DisplaySystem& system, platform::MonitorLayout& layout) {
    platform::PixelRect& extremes = layout.allMonitors;
    const platform::PixelRect desktop = system.desktopRect();
    layout.primary = platform::PixelRect{0, 0, desktop.right, desktop.bottom};

    // One settings record for all devices: a device whose settings cannot be
    // read keeps the position of the device before it.
    DisplayPosition position;
    MonitorId current = 0;
    platform::PixelRect currentRect;
    DisplayDevice device;
    for (std::uint32_t index = 0; system.device(index, device); ++index) {
        if ((device.stateFlags & kDisplayDeviceMirroringDriver) != 0) {
            continue;
        }
        if (!system.settings(device.name, DisplaySettingsKind::Current, position)) {
            system.settings(device.name, DisplaySettingsKind::Stored, position);
        }
        if ((device.stateFlags & kDisplayDeviceAttachedToDesktop) != 0) {
            current = system.monitorAt(position.x, position.y);
            if (current != 0) {
                system.monitorRect(current, currentRect);
            }
        }
        // A device that is not attached merges the last monitor found again,
        // which changes nothing.
        if (current != 0) {
            Accumulate(extremes, currentRect);
        }
    }
    if (extremes.right == 0 && extremes.left == 0) {
        extremes = platform::PixelRect{0, 0, desktop.right, desktop.bottom};
    }
}

}  // namespace

platform::MonitorLayout WalkDisplayDevices(const DisplaySystem& system) {
    platform::MonitorLayout found;
    try {
        Walk(system, found);
    } catch (const Failure& failure) {
        system.showMessage(StepFailureText("Failed to get screen extremes:", failure), kAppTitle);
    }
    return found;
}

}  // namespace ostrel::win32

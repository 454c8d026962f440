#include "movement/screen_extremes.h"

#include "common/app.h"
#include "common/failure.h"
#include "platform/windowing.h"

namespace ostrel {

namespace pf = platform;

namespace {

void Accumulate(pf::PixelRect& extremes, const pf::PixelRect& r) {
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

void Walk(pf::PixelRect& extremes, pf::PixelRect& primary) {
    const pf::PixelRect desktop = pf::DesktopWindowRect();
    primary = pf::PixelRect{0, 0, desktop.right, desktop.bottom};

    // One settings record for all devices: a device whose settings cannot be
    // read keeps the position of the device before it.
    pf::DisplaySettings settings;
    pf::MonitorHandle current = 0;
    pf::PixelRect currentRect;
    pf::DisplayDevice device;
    for (std::uint32_t index = 0; pf::EnumerateDisplayDevice(index, device); ++index) {
        if ((device.stateFlags & pf::kDisplayDeviceMirroringDriver) != 0) {
            continue;
        }
        if (!pf::ReadDisplaySettings(device.name, pf::kEnumCurrentSettings, settings)) {
            pf::ReadDisplaySettings(device.name, pf::kEnumRegistrySettings, settings);
        }
        if ((device.stateFlags & pf::kDisplayDeviceAttachedToDesktop) != 0) {
            current = pf::MonitorAtPoint(settings.positionX, settings.positionY);
            if (current != 0) {
                pf::ReadMonitorRect(current, currentRect);
            }
        }
        // A device that is not attached merges the last monitor found again,
        // which changes nothing.
        if (current != 0) {
            Accumulate(extremes, currentRect);
        }
    }
    if (extremes.right == 0 && extremes.left == 0) {
        extremes = pf::PixelRect{0, 0, desktop.right, desktop.bottom};
    }
}

}  // namespace

ScreenExtremes FindScreenExtremes() {
    ScreenExtremes found;
    try {
        Walk(found.allMonitors, found.primary);
    } catch (const Failure& failure) {
        pf::ShowMessage(StepFailureText("Failed to get screen extremes:", failure), kAppTitle,
                        pf::kMbOk);
    }
    return found;
}

}  // namespace ostrel

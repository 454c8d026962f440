#include "movement/multi_monitor.h"

#include <string>

#include "common/app.h"
#include "common/failure.h"
#include "platform/windowing.h"

namespace ostrel {

namespace pf = platform;

namespace {

void Accumulate(ScreenEdges& extremes, const pf::PixelRect& r) {
    if (r.left < extremes.Left) {
        extremes.Left = r.left;
    }
    if (r.right > extremes.Right) {
        extremes.Right = r.right;
    }
    if (r.top < extremes.Top) {
        extremes.Top = r.top;
    }
    if (r.bottom > extremes.Bottom) {
        extremes.Bottom = r.bottom;
    }
}

void Walk(ScreenEdges& extremes, ScreenEdges& primary) {
    const pf::PixelRect desktop = pf::DesktopWindowRect();
    primary = ScreenEdges{0, desktop.right, 0, desktop.bottom};

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
    if (extremes.Right == 0 && extremes.Left == 0) {
        extremes = ScreenEdges{0, desktop.right, 0, desktop.bottom};
    }
}

}  // namespace

void GetScreenExtremes(ScreenEdges& extremes, ScreenEdges& primary) {
    try {
        Walk(extremes, primary);
    } catch (const Failure& failure) {
        pf::ShowMessage("Failed to get screen extremes:\r\n[" + std::to_string(failure.number) +
                            "] " + failure.description,
                        kAppTitle, pf::kMbOk);
    }
}

}  // namespace ostrel

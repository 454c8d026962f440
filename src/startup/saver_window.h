#pragma once
// The saver window: what it shows, what it keeps while it runs, and its
// handlers. The platform layer owns the real window and calls the handlers;
// one SaverWindow lives for the whole process and owns the program's shared
// state (the settings record, the sampler, the network monitor, the
// movement area, the animation).

#include <cstdint>
#include <memory>
#include <string>

#include "display/label.h"
#include "movement/animation.h"
#include "movement/block_motion.h"
#include "movement/screen_extremes.h"
#include "platform/windowing.h"
#include "settings/settings.h"
#include "sources/cpu_load_sampler.h"
#include "sources/network_activity.h"
#include "sources/uptime.h"

namespace ostrel {

struct SaverWindow {
    // What the window shows.
    std::string caption;
    std::uint32_t backColour = 0;
    TextBlock textBlock;
    Label infoLabel{"", true, 0, 0, 600, 240, {}, 0x00FFFFFF};
    Label networkLabel{"", true, 0, 600, 1020, 240, {}, 0x00FFFFFF};

    // What start-up found.
    std::string commandLine;
    std::string computerName;
    Settings settings;
    ScreenExtremes screens;
    bool previewMode = false;
    platform::WindowHandle previewHost = 0;
    platform::PixelRect previewRect;
    std::int32_t windowStyle = 0;
    bool closed = false;

    // The running saver.
    std::unique_ptr<CpuLoadSampler> cpuSampler;       // from start-up until the window closes
    std::unique_ptr<NetworkActivity> networkMonitor;  // made the first time its line shows
    StartTime startTime;
    MovementArea movementArea;
    Animation animation;
    IgnoredMouseMoves ignoredMouseMoves;
    std::int32_t tickIntervalMs = kTickIntervalMs;
    std::int32_t tickInSecond = 0;
    bool firstTickDone = false;

    // Pointer movements counted towards dismissal.
    std::int16_t countedMoves = 0;
    std::int32_t firstMoveSecond = 0;  // seconds since midnight; 0 = none

    // Start-up: prepares what every run mode shares, then dispatches on the
    // command line.
    void Load(const std::string& arguments);
    void SetUpFullScreen();
    void SetUpPreview();

    // The 100 ms tick and the information text it rebuilds once a second.
    void OnTick();
    void UpdateInfo();

    // Input.
    void OnKeyDown();
    void OnMouseDown();
    void OnMouseMove();

    // Closes the window: the close handler runs, then the window goes.
    void Close();
    // The window was destroyed from outside (its preview host went away).
    void OnDestroyed();
    // Shows the pointer again and releases the sampler.
    void OnClose();

  private:
    void StyleLabels();
    void Dispatch();
    void HideLabels();
    NetworkActivity& NetworkMonitor();
};

}  // namespace ostrel

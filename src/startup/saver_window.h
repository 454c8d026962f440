#pragma once
// The saver window: what it shows, what it keeps while it runs, and its
// handlers. The front end owns the real window and calls the handlers; one
// SaverWindow lives in the front end's running state for the whole process
// and owns the program's shared state (the settings record, the random
// generator, the sampler, the network monitor, the movement area, the
// animation, the options dialog while it is open).

#include <cstdint>
#include <memory>
#include <string>

#include "display/label.h"
#include "movement/animation.h"
#include "movement/block_motion.h"
#include "common/random.h"
#include "options/options_dialog.h"
#include "platform/run_mode.h"
#include "platform/services.h"
#include "platform/windowing.h"
#include "settings/settings.h"
#include "sources/cpu_load_sampler.h"
#include "sources/network_activity.h"
#include "sources/uptime.h"

namespace ostrel {

struct SaverWindow {
    explicit SaverWindow(platform::Services services);

    // What the program asks of the platform.
    platform::Services services;

    // What the window shows.
    std::string caption;
    std::uint32_t backColour = 0;
    TextBlock textBlock;
    Label infoLabel{"", true, 0, 0, 600, 240, {}, 0x00FFFFFF};
    Label networkLabel{"", true, 0, 600, 1020, 240, {}, 0x00FFFFFF};

    // What start-up found.
    platform::RunRequest request;
    std::string computerName;
    Settings settings;
    platform::MonitorLayout screens;
    bool previewMode = false;
    platform::WindowHandle previewHost = 0;
    platform::PixelRect previewRect;
    bool closed = false;

    // The running saver.
    Random random;
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

    // The options dialog, from the moment it is asked for until the program
    // ends; the front end's options window reports its events to it.
    std::unique_ptr<OptionsDialog> optionsDialog;

    // Start-up: prepares what every run mode shares, then does what the
    // front end read from its command line.
    void Load(const platform::RunRequest& runRequest);
    void SetUpFullScreen();
    void SetUpPreview();
    // The window was resized or the monitors changed: the movement area
    // follows, and the animation starts again inside it.
    void OnResized();
    // Creates, loads and shows the options dialog over the settings record,
    // modeless and without an owner.
    void ShowOptions();

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
    void SetFullScreenArea();
    void SetPreviewArea();
    void Dispatch();
    void HideLabels();
    NetworkActivity& NetworkMonitor();
};

}  // namespace ostrel

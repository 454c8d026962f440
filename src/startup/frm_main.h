#pragma once
// The saver window: its fields, its controls and its handlers. The platform
// layer owns the real window and calls the handlers.

#include <cstdint>
#include <string>

#include "movement/move.h"
#include "platform/windowing.h"
#include "startup/controls.h"

namespace ostrel {

struct FrmMain {
    // Window state.
    std::string Caption;
    std::uint32_t BackColour = 0;
    Panel pbStuff;
    Label lblInfo{"", true, 0, 0, 600, 240, {}, 0x00FFFFFF};
    Label lblNetwork{"", true, 0, 600, 1020, 240, {}, 0x00FFFFFF};

    std::string CommandLine;
    std::string ComputerName;
    bool PreviewMode = false;
    platform::WindowHandle PreviewParent = 0;
    platform::PixelRect PreviewRect;
    std::int32_t WindowStyle = 0;
    bool Unloaded = false;

    // Tick state.
    std::int32_t timUpdateIntervalMs = kTickIntervalMs;
    std::int32_t TickCounter = 0;
    std::uint8_t Started = 0;

    // Pointer movements counted towards dismissal.
    std::int16_t MoveEventCount = 0;
    std::int32_t FirstMoveTime = 0;  // seconds since midnight; 0 = none

    // Start-up: prepares what every run mode shares, then dispatches on the
    // command line.
    void Form_Load(const std::string& commandLine);
    void SetupRegularMode();
    void SetupPreviewMode();

    // The 100 ms tick and the information text it rebuilds once a second.
    void timUpdate_Timer();
    void UpdateInfo();

    // Input.
    void Form_KeyDown();
    void Form_MouseDown();
    void Form_MouseMove();

    // Closes the window: the unload handlers run, then the window goes.
    void Close();
    // The window was destroyed from outside (its preview host went away).
    void OnDestroyed();
    void Form_Unload();

  private:
    void StyleLabels();
    void Dispatch();
    void HideLabels();
};

}  // namespace ostrel

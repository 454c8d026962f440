#pragma once
// The state shared between the program's parts: the Settings record, the
// CPU-load sampler, the monitor extremes and the movement bounds. There is
// one user-interface thread, so none of it needs a lock.

#include <cstdint>
#include <memory>
#include <string>

#include "movement/multi_monitor.h"
#include "settings/settings.h"
#include "sources/cpu_load.h"
#include "sources/ip_helper.h"

namespace ostrel {

// Movement bounds in twips, written once when the saver window is set up.
struct MoveBounds {
    std::int32_t BoundLeft = 0;
    std::int32_t BoundRight = 0;
    std::int32_t BoundTop = 0;
    std::int32_t BoundBottom = 0;
};

struct Globals {
    Settings settings;
    std::unique_ptr<CPULoad> cpuLoad;
    std::unique_ptr<CIpHelper> ipHelper;  // created on first use
    std::string StartTimeText;            // the start time, formatted once
    ScreenEdges ScreenExtremes;
    ScreenEdges PrimaryScreen;
    MoveBounds bounds;
    std::int16_t IgnoreMouseMoves = 0;
};

Globals& G();

// The network monitor, created the first time it is asked for.
CIpHelper& NetworkMonitor();

// Back to the state at process start (for tests).
void ResetGlobals();

}  // namespace ostrel

// How the saver window ends: any key, any click on the background, or the
// tenth counted pointer movement within ten seconds; never in preview.

#include <cmath>

#include "common/global.h"
#include "common/numeric.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"
#include "startup/frm_main.h"

namespace ostrel {

namespace pf = platform;

namespace {

constexpr std::int16_t kMovesThatEnd = 10;
constexpr double kMoveWindowSeconds = 10.0;
constexpr double kSecondsPerDay = 86400.0;

// Seconds from the first counted movement to now. Both are times of day, so
// across midnight the difference is taken a day later; otherwise a window of
// time opened before midnight would never expire.
double SecondsSinceFirstMove(std::int32_t first, double now) {
    double elapsed = now - first;
    if (elapsed < -kSecondsPerDay / 2) {
        elapsed += kSecondsPerDay;
    }
    return elapsed;
}

}  // namespace

void FrmMain::Form_KeyDown() {
    if (!PreviewMode) {
        Close();
    }
}

void FrmMain::Form_MouseDown() {
    if (!PreviewMode) {
        Close();
    }
}

void FrmMain::Form_MouseMove() {
    if (PreviewMode) {
        return;
    }
    // The block's own motion under a resting pointer reports movements that
    // the movement engine has announced.
    if (G().IgnoreMouseMoves >= 1) {
        --G().IgnoreMouseMoves;
        return;
    }
    ++MoveEventCount;
    if (MoveEventCount >= kMovesThatEnd) {
        MoveEventCount = 0;
        Close();
        return;
    }
    const double now = platform::SecondsSinceMidnight();
    if (FirstMoveTime == 0) {
        FirstMoveTime = RoundToInt32(now);
    } else if (SecondsSinceFirstMove(FirstMoveTime, now) > kMoveWindowSeconds) {
        FirstMoveTime = 0;
        MoveEventCount = 0;
    }
}

void FrmMain::Close() {
    if (Unloaded) {
        return;
    }
    Form_Unload();
    pf::DestroySaverWindow();
}

void FrmMain::OnDestroyed() {
    if (!Unloaded) {
        Form_Unload();
    }
}

void FrmMain::Form_Unload() {
    Unloaded = true;
    pf::ChangeCursorVisibility(true);
    G().cpuLoad.reset();
}

}  // namespace ostrel

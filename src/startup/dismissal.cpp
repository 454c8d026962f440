// How the saver window ends: any key, any click on the background, or the
// tenth counted pointer movement within ten seconds; never in preview.

#include <cmath>

#include "common/calendar.h"
#include "common/numeric.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"
#include "startup/saver_window.h"

namespace ostrel {

namespace pf = platform;

namespace {

constexpr std::int16_t kMovesThatEnd = 10;
constexpr double kMoveWindowSeconds = 10.0;

// Seconds from the first counted movement to now. Both are times of day, so
// across midnight the difference is taken a day later; otherwise a window of
// time opened before midnight would never expire.
double SecondsSinceFirstMove(std::int32_t first, double now) {
    double elapsed = now - first;
    if (elapsed < -kSecondsPerDay / 2.0) {
        elapsed += kSecondsPerDay;
    }
    return elapsed;
}

}  // namespace

void SaverWindow::OnKeyDown() {
    if (!previewMode) {
        Close();
    }
}

void SaverWindow::OnMouseDown() {
    if (!previewMode) {
        Close();
    }
}

void SaverWindow::OnMouseMove() {
    if (previewMode) {
        return;
    }
    // The block's own motion under a resting pointer reports movements that
    // the movement engine has announced.
    if (ignoredMouseMoves.TakeOne()) {
        return;
    }
    ++countedMoves;
    if (countedMoves >= kMovesThatEnd) {
        countedMoves = 0;
        Close();
        return;
    }
    const double now = platform::SecondsSinceMidnight(services.system);
    if (firstMoveSecond == 0) {
        firstMoveSecond = RoundToInt32(now);
    } else if (SecondsSinceFirstMove(firstMoveSecond, now) > kMoveWindowSeconds) {
        firstMoveSecond = 0;
        countedMoves = 0;
    }
}

void SaverWindow::Close() {
    if (closed) {
        return;
    }
    OnClose();
    pf::DestroySaverWindow(services.windowing);
}

void SaverWindow::OnDestroyed() {
    if (!closed) {
        OnClose();
    }
}

void SaverWindow::OnClose() {
    closed = true;
    pf::SetPointerVisible(services.windowing, true);
    cpuSampler.reset();
}

}  // namespace ostrel

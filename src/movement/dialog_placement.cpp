#include "movement/dialog_placement.h"

#include "common/failure.h"
#include "common/numeric.h"
#include "platform/dialogs.h"

namespace ostrel {

namespace pf = platform;

TwipsPoint PlaceOverWindow(const pf::PixelRect& window, const DialogFrame& f) {
    const double width = RoundToInt32(f.twipsPerPixelX * (window.right - window.left));
    const double height = RoundToInt32(f.twipsPerPixelY * (window.bottom - window.top));
    TwipsPoint p;
    p.x = RoundToInt32(f.twipsPerPixelX * window.left + RoundToInt32(width - f.dialogWidth) / 2);
    p.y = RoundToInt32(f.twipsPerPixelY * window.top + RoundToInt32(height - f.dialogHeight) / 2);
    if (p.x < 0) {
        p.x = 0;
    }
    // The screen comparisons are made in single precision.
    if (static_cast<float>(f.dialogWidth + p.x) > static_cast<float>(f.screenWidth)) {
        p.x = RoundToInt32(f.screenWidth - f.dialogWidth);
    }
    if (static_cast<float>(f.dialogHeight + p.y) > static_cast<float>(f.screenHeight)) {
        p.y = RoundToInt32(f.screenHeight - f.dialogHeight);
    }
    if (p.y < 0) {
        p.y = 0;
    }
    return p;
}

void CentreOverWindow(pf::Dialogs& dialogs, pf::Windowing& windowing, pf::WindowHandle window) {
    if (window <= 0) {
        return;
    }
    pf::PixelRect rect;
    DialogFrame frame;
    TwipsPoint place;
    RunSkippingFailures(
        [&] { pf::ReadWindowRect(dialogs, window, rect); },
        [&] { pf::ReadOptionsWindowSize(dialogs, frame.dialogWidth, frame.dialogHeight); },
        [&] { pf::ReadScreenSize(dialogs, frame.screenWidth, frame.screenHeight); },
        [&] {
            frame.twipsPerPixelX = pf::TwipsPerPixelX(windowing);
            frame.twipsPerPixelY = pf::TwipsPerPixelY(windowing);
        },
        [&] { place = PlaceOverWindow(rect, frame); },
        [&] { pf::MoveOptionsWindow(dialogs, place.x, place.y); });
}

}  // namespace ostrel

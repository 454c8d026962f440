// The saver window's 100 ms tick: the network line every second tick, the
// information text once a second, one animation step every tick, and the
// reveal of the text on the first tick.

#include "common/global.h"
#include "common/numeric.h"
#include "movement/move.h"
#include "platform/windowing.h"
#include "startup/frm_main.h"

namespace ostrel {

void FrmMain::timUpdate_Timer() {
    const Settings& s = G().settings;
    const bool showNetwork = (s.DisplayItems & kShowNetwork) != 0;
    if (TickCounter % 2 == 0 && showNetwork) {
        SetLabelCaption(lblNetwork, NetworkMonitor().Status());
        platform::RedrawPart(platform::SaverPart::NetworkLabel, false);
    }
    if (TickCounter == 0) {
        UpdateInfo();
    }
    const std::int32_t ticksPerSecond = RoundToInt32(1000.0 / timUpdateIntervalMs);
    TickCounter = (TickCounter + 1) % ticksPerSecond;
    switch (s.MoveOption) {
        case 0:
            RandomJumping(pbStuff, Started);
            break;
        case 1:
            RandomSliding(pbStuff, Started);
            break;
        case 2:
            BounceOffSides(pbStuff, Started);
            break;
        case 3:
            RandomPath(pbStuff, Started);
            break;
        case 4:
            StationaryInCentre(pbStuff, Started);
            break;
        default:
            break;  // an unknown type leaves the block where it is
    }
    if (Started == 0) {
        lblInfo.visible = true;
        platform::RedrawPart(platform::SaverPart::InfoLabel, false);
        if (showNetwork) {
            lblNetwork.visible = true;
            platform::RedrawPart(platform::SaverPart::NetworkLabel, false);
        }
        Started = 1;
    }
}

}  // namespace ostrel

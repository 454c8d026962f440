// The saver window's 100 ms tick: the network line every second tick, the
// information text once a second, one animation step every tick, and the
// reveal of the text on the first tick.

#include "common/numeric.h"
#include "display/info_text.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"
#include "startup/saver_window.h"

namespace ostrel {

NetworkActivity& SaverWindow::NetworkMonitor() {
    if (!networkMonitor) {
        networkMonitor = std::make_unique<NetworkActivity>(services.network);
    }
    return *networkMonitor;
}

void SaverWindow::OnTick() {
    platform::Windowing& windowing = services.windowing;
    const bool showNetwork = (settings.displayItems & kShowNetwork) != 0;
    if (tickInSecond % 2 == 0 && showNetwork) {
        // A line that reads as before keeps its size and its pixels: without
        // traffic it would otherwise be measured and drawn again five times
        // a second for nothing.
        std::string status = NetworkMonitor().StatusText();
        if (status != networkLabel.caption) {
            SetLabelCaption(windowing, networkLabel, status);
            platform::RedrawPart(windowing, platform::SaverPart::NetworkLabel, false);
        }
    }
    if (tickInSecond == 0) {
        UpdateInfo();
    }
    const std::int32_t ticksPerSecond = RoundToInt32(1000.0 / tickIntervalMs);
    tickInSecond = (tickInSecond + 1) % ticksPerSecond;
    animation.Step(windowing, textBlock, movementArea, ignoredMouseMoves, random, !firstTickDone);
    // Where the system reports no movement for the block's own motion there
    // is nothing to ignore, and the user's first movement must count.
    if (!platform::ReportsPointerMovesOfMovingBlock(windowing)) {
        ignoredMouseMoves.set(0);
    }
    if (!firstTickDone) {
        infoLabel.visible = true;
        platform::RedrawPart(windowing, platform::SaverPart::InfoLabel, false);
        if (showNetwork) {
            networkLabel.visible = true;
            platform::RedrawPart(windowing, platform::SaverPart::NetworkLabel, false);
        }
        firstTickDone = true;
    }
}

// Rebuilds the information text and lays the block out around it: the
// network label directly below the information label, the block as wide as
// the wider of the two.
void SaverWindow::UpdateInfo() {
    platform::Windowing& windowing = services.windowing;
    SetLabelCaption(
        windowing, infoLabel,
        ComposeInfoText(services.system, settings, computerName,
                        platform::CurrentLocalTime(services.system), startTime, cpuSampler.get()));
    networkLabel.topTwips = infoLabel.topTwips + infoLabel.heightTwips;
    textBlock.widthTwips = infoLabel.widthTwips > networkLabel.widthTwips ? infoLabel.widthTwips
                                                                          : networkLabel.widthTwips;
    textBlock.heightTwips =
        infoLabel.heightTwips + (networkLabel.caption.empty() ? 0 : networkLabel.heightTwips);
    platform::ResizeTextBlock(windowing, textBlock.widthTwips, textBlock.heightTwips);
    platform::RedrawPart(windowing, platform::SaverPart::NetworkLabel, true);
    platform::RedrawPart(windowing, platform::SaverPart::TextBlock, true);
    platform::RedrawPart(windowing, platform::SaverPart::Window, true);
}

}  // namespace ostrel

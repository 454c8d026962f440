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
        networkMonitor = std::make_unique<NetworkActivity>();
    }
    return *networkMonitor;
}

void SaverWindow::OnTick() {
    const bool showNetwork = (settings.displayItems & kShowNetwork) != 0;
    if (tickInSecond % 2 == 0 && showNetwork) {
        SetLabelCaption(networkLabel, NetworkMonitor().StatusText());
        platform::RedrawPart(platform::SaverPart::NetworkLabel, false);
    }
    if (tickInSecond == 0) {
        UpdateInfo();
    }
    const std::int32_t ticksPerSecond = RoundToInt32(1000.0 / tickIntervalMs);
    tickInSecond = (tickInSecond + 1) % ticksPerSecond;
    animation.Step(textBlock, movementArea, ignoredMouseMoves, !firstTickDone);
    if (!firstTickDone) {
        infoLabel.visible = true;
        platform::RedrawPart(platform::SaverPart::InfoLabel, false);
        if (showNetwork) {
            networkLabel.visible = true;
            platform::RedrawPart(platform::SaverPart::NetworkLabel, false);
        }
        firstTickDone = true;
    }
}

// Rebuilds the information text and lays the block out around it: the
// network label directly below the information label, the block as wide as
// the wider of the two.
void SaverWindow::UpdateInfo() {
    SetLabelCaption(infoLabel, ComposeInfoText(settings, computerName, platform::CurrentLocalTime(),
                                               startTime, cpuSampler.get()));
    networkLabel.topTwips = infoLabel.topTwips + infoLabel.heightTwips;
    textBlock.widthTwips = infoLabel.widthTwips > networkLabel.widthTwips ? infoLabel.widthTwips
                                                                          : networkLabel.widthTwips;
    textBlock.heightTwips =
        infoLabel.heightTwips + (networkLabel.caption.empty() ? 0 : networkLabel.heightTwips);
    platform::ResizeTextBlock(textBlock.widthTwips, textBlock.heightTwips);
    platform::RedrawPart(platform::SaverPart::NetworkLabel, true);
    platform::RedrawPart(platform::SaverPart::TextBlock, true);
    platform::RedrawPart(platform::SaverPart::Window, true);
}

}  // namespace ostrel

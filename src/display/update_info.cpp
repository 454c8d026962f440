// Rebuilds the information text and lays the block out around it: the
// network label directly below the information label, the panel as wide as
// the wider of the two.

#include "common/global.h"
#include "display/info_text.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"
#include "startup/frm_main.h"

namespace ostrel {

void FrmMain::UpdateInfo() {
    SetLabelCaption(lblInfo, ComposeInfoText(G().settings, ComputerName,
                                             platform::CurrentLocalTime(), G().cpuLoad.get()));
    lblNetwork.topTwips = lblInfo.topTwips + lblInfo.heightTwips;
    pbStuff.widthTwips =
        lblInfo.widthTwips > lblNetwork.widthTwips ? lblInfo.widthTwips : lblNetwork.widthTwips;
    pbStuff.heightTwips =
        lblInfo.heightTwips + (lblNetwork.caption.empty() ? 0 : lblNetwork.heightTwips);
    platform::ResizePanel(pbStuff.widthTwips, pbStuff.heightTwips);
    platform::RedrawPart(platform::SaverPart::NetworkLabel, true);
    platform::RedrawPart(platform::SaverPart::Panel, true);
    platform::RedrawPart(platform::SaverPart::Window, true);
}

}  // namespace ostrel

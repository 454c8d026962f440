// The About tab: texts computed at each activation, the two links, and the
// hidden display of the command line.

#include "common/app.h"
#include "common/numeric.h"
#include "options/about_texts.h"
#include "options/frm_options.h"
#include "options/links.h"
#include "platform/dialogs.h"

namespace ostrel {

namespace {

constexpr std::int32_t kLinkGapTwips = 60;
constexpr int kLeftButton = 1;
constexpr int kShiftCtrlAlt = 7;

void SizeToText(TextLabel& label) {
    label.width = RoundToInt32(platform::TextWidthTwips(label.caption, false));
}

}  // namespace

void FrmOptions::Form_Activate() {
    lblEEgg.caption.clear();
    szMailSubject = std::string(kAppTitle) + " " + std::to_string(kVersionMajor) + "." +
                    std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
    lblVisit.caption = std::string("visit the ") + kAppTitle;
    SizeToText(lblVisit);
    SizeToText(lblWebsite);
    lblWebsite.left = lblVisit.left + lblVisit.width + kLinkGapTwips;
    SizeToText(lblCopyright);
    SizeToText(lblEmail);
    lblEmail.left = lblCopyright.left + lblCopyright.width + kLinkGapTwips;
}

void FrmOptions::lblWebsite_Click() {
    ExecuteLink(kWebPage);
}

void FrmOptions::lblEmail_Click() {
    // The subject goes as it is, blanks included.
    ExecuteLink(std::string("mailto:") + kAuthorEmail + "?subject=" + szMailSubject);
}

void FrmOptions::Link_MouseMove() {
    Pointer = MousePointer::Hand;
}

void FrmOptions::Form_MouseMove() {
    Pointer = MousePointer::Default;
}

void FrmOptions::Image_MouseDown(int button, int shift) {
    if (button != kLeftButton || shift != kShiftCtrlAlt) {
        return;
    }
    bShowCommandLine = !bShowCommandLine;
    if (bShowCommandLine) {
        lblEEgg.caption = CommandLine;
    } else {
        Form_Activate();
    }
}

}  // namespace ostrel

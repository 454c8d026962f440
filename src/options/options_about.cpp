// The About tab: texts computed at each activation, the two links, and the
// hidden display of the command line.

#include "common/app.h"
#include "common/numeric.h"
#include "options/about_texts.h"
#include "options/options_dialog.h"
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

void OptionsDialog::OnActivate() {
    commandLineLabel.caption.clear();
    mailSubject = std::string(kAppTitle) + " " + kVersionText;
    visitLabel.caption = std::string("visit the ") + kAppTitle;
    SizeToText(visitLabel);
    SizeToText(websiteLink);
    websiteLink.left = visitLabel.left + visitLabel.width + kLinkGapTwips;
    SizeToText(copyrightLabel);
    SizeToText(emailLink);
    emailLink.left = copyrightLabel.left + copyrightLabel.width + kLinkGapTwips;
}

void OptionsDialog::OnWebsiteLink() {
    ExecuteLink(kWebPage);
}

void OptionsDialog::OnEmailLink() {
    // The subject goes as it is, blanks included.
    ExecuteLink(std::string("mailto:") + kAuthorEmail + "?subject=" + mailSubject);
}

void OptionsDialog::OnPointerOverLink() {
    pointer = MousePointer::Hand;
}

void OptionsDialog::OnPointerOverBackground() {
    pointer = MousePointer::Default;
}

void OptionsDialog::OnIconMouseDown(int button, int shift) {
    if (button != kLeftButton || shift != kShiftCtrlAlt) {
        return;
    }
    showingCommandLine = !showingCommandLine;
    if (showingCommandLine) {
        commandLineLabel.caption = commandLine;
    } else {
        OnActivate();
    }
}

}  // namespace ostrel

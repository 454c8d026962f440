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

void SizeToText(platform::Dialogs& dialogs, TextLabel& label) {
    label.width = RoundToInt32(platform::TextWidthTwips(dialogs, label.caption, false));
}

}  // namespace

void OptionsDialog::OnActivate() {
    commandLineLabel.caption.clear();
    mailSubject = std::string(kAppTitle) + " " + kVersionText;
    visitLabel.caption = std::string("visit the ") + kAppTitle;
    SizeToText(services.dialogs, visitLabel);
    SizeToText(services.dialogs, websiteLink);
    websiteLink.left = visitLabel.left + visitLabel.width + kLinkGapTwips;
    SizeToText(services.dialogs, copyrightLabel);
    SizeToText(services.dialogs, emailLink);
    emailLink.left = copyrightLabel.left + copyrightLabel.width + kLinkGapTwips;
}

void OptionsDialog::OnWebsiteLink() {
    ExecuteLink(services.shell, services.dialogs, kWebPage);
}

void OptionsDialog::OnEmailLink() {
    // The subject goes as it is, blanks included.
    ExecuteLink(services.shell, services.dialogs,
                std::string("mailto:") + kAuthorEmail + "?subject=" + mailSubject);
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

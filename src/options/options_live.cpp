// The option controls that depend on one another while the dialog is open.

#include <string>

#include "options/frm_options.h"

namespace ostrel {

namespace {
constexpr int kDescriptionItem = 7;
constexpr std::int32_t kPanelLeft = 600;
constexpr std::int32_t kPanelTop = 1440;
}  // namespace

void FrmOptions::chkDisplay_Click(int index) {
    if (index != kDescriptionItem) {
        return;
    }
    // Greyed out, the description keeps its text for when it comes back.
    const bool on = chkDisplay[kDescriptionItem].value;
    txtDescr.enabled = on;
    txtDescr.backColour = on ? kSysColourWindow : kSysColourButtonFace;
}

void FrmOptions::txtDescr_Change() {
    if (txtDescr.maxLength != 0 && txtDescr.text.size() > txtDescr.maxLength) {
        txtDescr.text.resize(txtDescr.maxLength);
    }
}

void FrmOptions::cboMovement_Click() {
    const int count = static_cast<int>(cboMovement.items.size());
    for (int i = 0; i < count && i < kMovementCount; ++i) {
        DescriptionPanel& panel = picMoveOptions[i];
        if (i == cboMovement.listIndex) {
            panel.left = kPanelLeft;
            panel.top = kPanelTop;
            panel.visible = true;
        } else {
            panel.visible = false;
        }
    }
}

void FrmOptions::sliMoveEBRandom_Change() {
    sliMoveEBRandom.toolTipText = std::to_string(sliMoveEBRandom.value);
}

}  // namespace ostrel

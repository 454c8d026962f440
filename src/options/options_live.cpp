// The option controls that depend on one another while the dialog is open.

#include <string>

#include "options/options_dialog.h"

namespace ostrel {

void OptionsDialog::OnDisplayItemClicked(int index) {
    if (index != kDescriptionItem) {
        return;
    }
    // Greyed out, the description keeps its text for when it comes back.
    const bool on = displayItemBoxes[kDescriptionItem].value;
    descriptionBox.enabled = on;
    descriptionBox.backColour = on ? kSysColourWindow : kSysColourButtonFace;
}

void OptionsDialog::OnDescriptionChanged() {
    if (descriptionBox.maxLength != 0 && descriptionBox.text.size() > descriptionBox.maxLength) {
        descriptionBox.text.resize(descriptionBox.maxLength);
    }
}

void OptionsDialog::OnAnimationChosen() {
    const int count = static_cast<int>(animationList.items.size());
    for (int i = 0; i < count && i < kAnimationCount; ++i) {
        DescriptionPanel& panel = animationPanels[i];
        if (i == animationList.listIndex) {
            panel.left = kPanelLeftTwips;
            panel.top = kPanelTopTwips;
            panel.visible = true;
        } else {
            panel.visible = false;
        }
    }
}

void OptionsDialog::OnBounceRandomnessChanged() {
    bounceRandomnessSlider.toolTipText = std::to_string(bounceRandomnessSlider.value);
}

}  // namespace ostrel

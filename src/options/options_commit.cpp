// OK: the controls go back into the Settings record, the default screen
// saver follows its check box, and the record is saved. A step that fails
// is skipped so that the user still gets as much saved as can be.

#include "common/failure.h"
#include "common/numeric.h"
#include "options/default_saver.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"

namespace ostrel {

void OptionsDialog::OnOk() {
    // A message box shown while saving is owned by the dialog, so OK cannot
    // be pressed again under it; should it come again all the same, the
    // first commit finishes alone.
    if (committing_) {
        return;
    }
    committing_ = true;
    Settings& s = *settings;
    const SampleLabel& sample = fontSample;
    RunSkippingFailures(
        [&] { s.fontName = sample.font.name; },
        [&] { s.fontSizePoints = RoundToInt16(sample.font.sizePoints); },
        [&] {
            s.fontBold = sample.font.bold;
            s.fontItalic = sample.font.italic;
            s.fontStrikethrough = sample.font.strikethrough;
            s.fontUnderline = sample.font.underline;
        },
        [&] {
            s.fontColour = sample.foreColour;
            s.backgroundColour = sample.backColour;
        },
        [&] {
            int items = 0;
            for (int i = 0; i < kDisplayItemCount; ++i) {
                items += displayItemBoxes[i].value ? 1 << i : 0;
            }
            s.displayItems = static_cast<std::int16_t>(items);
        },
        [&] { s.options = constrainToPrimaryBox.value ? kConstrainToPrimary : 0; },
        [&] {
            s.description = (s.displayItems & kShowDescription) != 0 ? descriptionBox.text : "";
        },
        [&] { s.animationType = static_cast<std::int16_t>(animationList.listIndex); },
        [&] { s.bounceRandomness = static_cast<std::int16_t>(bounceRandomnessSlider.value); },
        [&] { s.timeFormat = twentyFourHourBox.value ? kTime24Hour : 0; },
        [&] { UpdateDefaultScreenSaver(); },
        [&] { SaveSettings(services.store, services.windowing, s); }, [&] { Close(); });
    committing_ = false;
}

void OptionsDialog::UpdateDefaultScreenSaver() {
    const bool wanted = setAsDefaultBox.value;
    if (wanted == wasDefaultSaver) {
        return;
    }
    if (wanted) {
        // Keep what the default was, so that giving it back restores it.
        platform::WriteTextValue(services.store, kOldDefaultValue, previousDefaultSaver);
        platform::WriteDefaultSaver(services.store, kOwnFileName);
    } else {
        const platform::StoredText old = platform::ReadTextValue(services.store, kOldDefaultValue);
        previousDefaultSaver = old.ok() ? old.value : kFallbackSaver;
        platform::WriteDefaultSaver(services.store, previousDefaultSaver);
    }
    wasDefaultSaver = wanted;
}

}  // namespace ostrel

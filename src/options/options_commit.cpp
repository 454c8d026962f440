// OK: the controls go back into the Settings record, the default screen
// saver follows its check box, and the record is saved. A step that fails
// is skipped so that the user still gets as much saved as can be.

#include "common/failure.h"
#include "common/global.h"
#include "common/numeric.h"
#include "options/default_saver.h"
#include "options/frm_options.h"
#include "platform/registry.h"
#include "settings/reg_stuff.h"

namespace ostrel {

void FrmOptions::btnOK_Click() {
    Settings& s = G().settings;
    const SampleLabel& sample = lblFontSample;
    RunSkippingFailures(
        [&] { s.FontName = sample.font.name; },
        [&] { s.FontSize = RoundToInt16(sample.font.sizePoints); },
        [&] {
            s.FontBold = sample.font.bold;
            s.FontItalic = sample.font.italic;
            s.FontStrikethru = sample.font.strikethru;
            s.FontUnderline = sample.font.underline;
        },
        [&] {
            s.FontColour = sample.foreColour;
            s.BgColour = sample.backColour;
        },
        [&] {
            int items = 0;
            for (int i = 0; i < kDisplayItemCount; ++i) {
                items += chkDisplay[i].value ? 1 << i : 0;
            }
            s.DisplayItems = static_cast<std::int16_t>(items);
        },
        [&] { s.Options = chkConstrain.value ? kConstrainToPrimary : 0; },
        [&] { s.Descr = (s.DisplayItems & kShowDescription) != 0 ? txtDescr.text : ""; },
        [&] { s.MoveOption = static_cast<std::int16_t>(cboMovement.listIndex); },
        [&] { s.MoveEBRandom = static_cast<std::int16_t>(sliMoveEBRandom.value); },
        [&] { s.TimeFormat = chk24HrTime.value ? kTime24Hour : 0; },
        [&] { UpdateDefaultScreenSaver(); }, [&] { SaveSettings(s); }, [&] { Unload(); });
}

void FrmOptions::UpdateDefaultScreenSaver() {
    const std::uint8_t wanted = chkSetAsDefault.value ? 1 : 0;
    if (wanted == bWasDefaultSS) {
        return;
    }
    if (wanted == 1) {
        // Keep what the default was, so that giving it back restores it.
        WriteRegString(platform::kHkeyLocalMachine, SettingsKeyPath(), kOldDefaultValue,
                       szCurrentDefaultSS);
        WriteDefaultScreenSaver(kOwnFileName);
    } else {
        if (!ReadRegString(platform::kHkeyLocalMachine, SettingsKeyPath(), kOldDefaultValue,
                           szCurrentDefaultSS)) {
            szCurrentDefaultSS = kFallbackSaver;
        }
        WriteDefaultScreenSaver(szCurrentDefaultSS);
    }
    bWasDefaultSS = wanted;
}

}  // namespace ostrel

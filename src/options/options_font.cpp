// The Format tab's font and background: the choosers edit the dialog's
// working copy, and the sample shows it.

#include "options/font_sample.h"
#include "options/options_dialog.h"

namespace ostrel {

namespace pf = platform;

namespace {
constexpr std::uint32_t kFontChooserFlags =
    pf::kCfScreenFonts | pf::kCfEffects | pf::kCfForceFontExist | pf::kCfNoScriptSel;
}

void OptionsDialog::OnSetFont() {
    pf::FontChoice choice = workingFont;
    if (!pf::ChooseFontFor("Specify Display Font...", kFontChooserFlags, choice)) {
        return;
    }
    workingFont = choice;
    ShowFontSample();
}

void OptionsDialog::OnSetBackground() {
    std::uint32_t colour = fontSample.backColour;
    if (!pf::ChooseColourFor("Specify Background Colour...", pf::kCcRgbInit, colour)) {
        return;
    }
    workingBackColour = colour;
    ShowFontSample();
}

void OptionsDialog::ShowFontSample() {
    // A font needs a face; the dialog's own stands in for a missing one.
    if (workingFont.name.empty()) {
        workingFont.name = "Tahoma";
    }
    fontSample.font =
        LabelFont{workingFont.name,   workingFont.sizePoints,    workingFont.bold,
                  workingFont.italic, workingFont.strikethrough, workingFont.underline};
    fontSample.foreColour = workingFont.colour;
    fontSample.backColour = workingBackColour;
    fontSample.caption = SampleText(workingFont, pf::DecimalSeparator());
}

}  // namespace ostrel

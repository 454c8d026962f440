// The Format tab's font and background: the choosers edit the dialog's
// working copy, and the sample shows it.

#include "options/font_sample.h"
#include "options/options_dialog.h"

namespace ostrel {

namespace pf = platform;

void OptionsDialog::OnSetFont() {
    pf::FontChoice choice = workingFont;
    if (!pf::ChooseFontFor(services.dialogs, "Specify Display Font...", choice)) {
        return;
    }
    workingFont = choice;
    ShowFontSample();
}

void OptionsDialog::OnSetBackground() {
    std::uint32_t colour = fontSample.backColour;
    if (!pf::ChooseColourFor(services.dialogs, "Specify Background Colour...", colour)) {
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
    fontSample.caption = SampleText(workingFont, pf::DecimalSeparator(services.dialogs));
}

}  // namespace ostrel

// The Format tab's font and background: the choosers edit the dialog's
// working copy, and the sample shows it.

#include "options/font_sample.h"
#include "options/frm_options.h"

namespace ostrel {

namespace pf = platform;

namespace {
constexpr std::uint32_t kFontChooserFlags =
    pf::kCfScreenFonts | pf::kCfEffects | pf::kCfForceFontExist | pf::kCfNoScriptSel;
}

void FrmOptions::btnSetFont_Click() {
    pf::FontChoice choice = cdFont;
    if (!pf::ChooseFontFor("Specify Display Font...", kFontChooserFlags, choice)) {
        return;
    }
    cdFont = choice;
    ShowSampleFont();
}

void FrmOptions::btnSetBgColour_Click() {
    std::uint32_t colour = lblFontSample.backColour;
    if (!pf::ChooseColourFor("Specify Background Colour...", pf::kCcRgbInit, colour)) {
        return;
    }
    cdBgColour = colour;
    ShowSampleFont();
}

void FrmOptions::ShowSampleFont() {
    // A font needs a face; the dialog's own stands in for a missing one.
    if (cdFont.name.empty()) {
        cdFont.name = "Tahoma";
    }
    lblFontSample.font = LabelFont{cdFont.name,   cdFont.sizePoints, cdFont.bold,
                                   cdFont.italic, cdFont.strikethru, cdFont.underline};
    lblFontSample.foreColour = cdFont.colour;
    lblFontSample.backColour = cdBgColour;
    lblFontSample.caption = SampleText(cdFont, pf::DecimalSeparator());
}

}  // namespace ostrel

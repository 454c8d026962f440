#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "options/font_sample.h"
#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsControls = OptionsTest;

TEST(FontSample, NamesTheFontButNotItsEffects) {
    EXPECT_EQ(SampleText({"Verdana", 10, false, false, true, true, 0}, "."),
              "Verdana regular 10 point");
    EXPECT_EQ(SampleText({"Tahoma", 12, true, false, false, false, 0}, "."),
              "Tahoma bold 12 point");
    EXPECT_EQ(SampleText({"Arial", 9, false, true, false, false, 0}, "."), "Arial italic 9 point");
    EXPECT_EQ(SampleText({"Tahoma", 10.5f, true, true, false, false, 0}, "."),
              "Tahoma bold italic 10.5 point");
    EXPECT_EQ(SampleText({"Tahoma", 10.5f, false, false, false, false, 0}, ","),
              "Tahoma regular 10,5 point");
}

TEST_F(OptionsControls, ChoosersStartOnTheWorkingValuesAndOnlyAChoiceChangesTheSample) {
    fake().decimalSeparator = ",";
    Load();
    fake().fontAnswer = platform::FontChoice{"Arial", 10.5f, false, true, true, false, 0xFF};
    form.btnSetFont_Click();
    fake().fontAnswer.reset();
    form.btnSetFont_Click();  // cancelled
    fake().colourAnswer = 0x00FF00;
    form.btnSetBgColour_Click();
    fake().colourAnswer.reset();
    form.btnSetBgColour_Click();  // cancelled
    const auto& fonts = fake().fontRequests;
    const auto& colours = fake().colourRequests;
    ASSERT_EQ(fonts.size() + colours.size(), 4u);
    EXPECT_EQ(std::tuple(fonts[0].title, fonts[0].flags, fonts[0].initial.name,
                         fonts[0].initial.colour, fonts[1].flags, fonts[1].initial.name),
              std::tuple("Specify Display Font...", 0x00810101u, "Verdana", 0xFFFFFFu, 0x00810101u,
                         "Arial"));
    // The font's colour is the text's only: the background chooser starts on black.
    EXPECT_EQ(
        std::tuple(colours[0].title, colours[0].flags, colours[0].initial, colours[1].initial),
        std::tuple("Specify Background Colour...", 1u, 0u, 0x00FF00u));
    const SampleLabel& sample = form.lblFontSample;
    EXPECT_EQ(std::tuple(sample.caption, sample.font.name, sample.font.strikethru,
                         sample.foreColour, sample.backColour),
              std::tuple("Arial italic 10,5 point", "Arial", true, 0xFFu, 0x00FF00u));
    form.btnOK_Click();
    EXPECT_EQ(G().settings.BgColour, 0x00FF00u);
}

TEST_F(OptionsControls, DependentControlsFollowTheirMasters) {
    Load();
    form.txtDescr.text = "kept";
    form.chkDisplay[7].value = true;
    form.chkDisplay_Click(7);
    EXPECT_EQ(std::tuple(form.txtDescr.enabled, form.txtDescr.backColour),
              std::tuple(true, kSystemColour | 5));
    form.chkDisplay[7].value = false;
    form.chkDisplay_Click(3);  // other boxes have no dependants
    EXPECT_TRUE(form.txtDescr.enabled);
    form.chkDisplay_Click(7);
    EXPECT_EQ(std::tuple(form.txtDescr.enabled, form.txtDescr.backColour, form.txtDescr.text),
              std::tuple(false, kSystemColour | 15, "kept"));

    // Only the selected animation shows its panel; the slider shows its position.
    form.picMoveOptions[4] = {0, 0, false};
    form.cboMovement.listIndex = 4;
    form.cboMovement_Click();
    const auto& panels = form.picMoveOptions;
    EXPECT_EQ(std::ranges::count_if(panels, &DescriptionPanel::visible), 1);
    EXPECT_EQ(std::tuple(panels[4].visible, panels[4].left, panels[4].top),
              std::tuple(true, 600, 1440));
    form.sliMoveEBRandom.value = 7;
    form.sliMoveEBRandom_Change();
    EXPECT_EQ(form.sliMoveEBRandom.toolTipText, "7");
}

}  // namespace
}  // namespace ostrel

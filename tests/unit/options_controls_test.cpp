#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "options/font_sample.h"
#include "options/options_layout.h"
#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsControls = OptionsTest;

TEST(FontSample, NamesTheSizeWithSevenSignificantDigits) {
    // All a single-precision size holds; the effects are not named.
    EXPECT_EQ(SampleText({"Arial", 8.123457f, false, false, true, true, 0}, "."),
              "Arial regular 8.123457 point");
}

TEST(Slider, KeepsToItsRange) {
    Slider low, high;
    SetSliderValue(low, -1);
    SetSliderValue(high, 11);
    EXPECT_EQ(std::pair(low.value, high.value), std::pair(0, 10));
}

TEST(OptionsLayout, AltAndATabsLetterFindsTheTabInEitherCase) {
    const std::pair<char, int> cases[] = {{'d', 0}, {'D', 0},  {'M', 1},
                                          {'a', 4}, {'x', -1}, {'&', -1}};
    for (const auto& [letter, tab] : cases) {
        EXPECT_EQ(TabForAccelerator(letter), tab) << letter;
    }
}

TEST_F(OptionsControls, ChoosersStartOnTheWorkingValuesAndOnlyAChoiceChangesTheSample) {
    dlg().decimalSeparator = ",";
    Load();
    dlg().fontAnswer = platform::FontChoice{"Arial", 10.5f, false, true, true, false, 0xFF};
    dialog->OnSetFont();
    dlg().fontAnswer.reset();
    dialog->OnSetFont();  // cancelled
    dlg().colourAnswer = 0x00FF00;
    dialog->OnSetBackground();
    dlg().colourAnswer.reset();
    dialog->OnSetBackground();  // cancelled
    const auto& fonts = dlg().fontRequests;
    const auto& colours = dlg().colourRequests;
    ASSERT_EQ(fonts.size() + colours.size(), 4u);
    // The font's colour is the text's only: the background chooser starts on black.
    const SampleLabel& sample = dialog->fontSample;
    EXPECT_EQ(
        std::tuple(fonts[0].title, fonts[0].initial.name, fonts[0].initial.colour,
                   fonts[1].initial.name, colours[0].title, colours[0].initial, colours[1].initial,
                   sample.caption, sample.font.strikethrough, sample.foreColour, sample.backColour),
        std::tuple("Specify Display Font...", "Verdana", 0xFFFFFFu, "Arial",
                   "Specify Background Colour...", 0u, 0x00FF00u, "Arial italic 10,5 point", true,
                   0xFFu, 0x00FF00u));
}

TEST_F(OptionsControls, DependentControlsFollowTheirMasters) {
    Load();
    dialog->descriptionBox.text = "kept";
    dialog->displayItemBoxes[7].value = true;
    dialog->OnDisplayItemClicked(7);
    dialog->displayItemBoxes[7].value = false;
    dialog->OnDisplayItemClicked(3);  // other boxes have no dependants
    EXPECT_TRUE(dialog->descriptionBox.enabled);
    dialog->OnDisplayItemClicked(7);
    EXPECT_EQ(std::tuple(dialog->descriptionBox.enabled, dialog->descriptionBox.backColour,
                         dialog->descriptionBox.text),
              std::tuple(false, kSystemColour | 15, "kept"));

    // Only the selected animation shows its panel, in its place.
    auto& panels = dialog->animationPanels;
    panels[4] = {0, 0, false};
    dialog->animationList.listIndex = 4;
    dialog->OnAnimationChosen();
    EXPECT_EQ(std::tuple(std::ranges::count_if(panels, &DescriptionPanel::visible),
                         panels[4].visible, panels[4].left, panels[4].top),
              std::tuple(1, true, 600, 1440));
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include "options/font_sample.h"
#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsFont = OptionsTest;
using OptionsLive = OptionsTest;

TEST(FontSample, NamesTheFontButNotItsEffects) {
    const struct {
        platform::FontChoice font;
        const char* separator;
        const char* text;
    } cases[] = {
        {{"Verdana", 10, false, false, true, true, 0}, ".", "Verdana regular 10 point"},
        {{"Tahoma", 12, true, false, false, false, 0}, ".", "Tahoma bold 12 point"},
        {{"Arial", 9, false, true, false, false, 0}, ".", "Arial italic 9 point"},
        {{"Tahoma", 10.5f, true, true, false, false, 0}, ".", "Tahoma bold italic 10.5 point"},
        {{"Tahoma", 10.5f, false, false, false, false, 0}, ",", "Tahoma regular 10,5 point"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SampleText(c.font, c.separator), c.text);
    }
}

TEST_F(OptionsFont, FontChooserStartsOnTheWorkingFontAndItsChoiceShows) {
    fake().decimalSeparator = ",";
    Load();
    form.btnSetFont_Click();  // cancelled
    ASSERT_EQ(fake().fontRequests.size(), 1u);
    EXPECT_EQ(fake().fontRequests[0].title, "Specify Display Font...");
    EXPECT_EQ(fake().fontRequests[0].flags, 0x00810101u);
    EXPECT_EQ(fake().fontRequests[0].initial.name, "Verdana");
    EXPECT_EQ(fake().fontRequests[0].initial.colour, 0xFFFFFFu);
    EXPECT_EQ(form.lblFontSample.caption, "Verdana regular 10 point");

    fake().fontAnswer = platform::FontChoice{"Arial", 10.5f, false, true, true, false, 0xFF};
    form.btnSetFont_Click();
    EXPECT_EQ(form.lblFontSample.caption, "Arial italic 10,5 point");
    EXPECT_EQ(form.lblFontSample.font.name, "Arial");
    EXPECT_TRUE(form.lblFontSample.font.strikethru);
    EXPECT_EQ(form.lblFontSample.foreColour, 0xFFu);
    EXPECT_EQ(form.lblFontSample.backColour, 0u);  // the text colour only
    fake().fontAnswer.reset();
    form.btnSetFont_Click();
    EXPECT_EQ(fake().fontRequests[2].initial.name, "Arial");
    EXPECT_EQ(fake().fontRequests[2].flags, 0x00810101u);
}

TEST_F(OptionsFont, ColourChooserStartsOnTheSampleBackgroundEachTime) {
    Load();
    const SampleLabel before = form.lblFontSample;
    form.btnSetBgColour_Click();  // cancelled
    EXPECT_EQ(form.lblFontSample.caption, before.caption);
    EXPECT_EQ(form.lblFontSample.backColour, before.backColour);
    fake().colourAnswer = 0x00FF00;
    form.btnSetBgColour_Click();
    fake().colourAnswer = 0x0000FF;
    form.btnSetBgColour_Click();
    ASSERT_EQ(fake().colourRequests.size(), 3u);
    for (const auto& r : fake().colourRequests) {
        EXPECT_EQ(r.title, "Specify Background Colour...");
        EXPECT_EQ(r.flags, 1u);
    }
    EXPECT_EQ(fake().colourRequests[1].initial, 0u);
    EXPECT_EQ(fake().colourRequests[2].initial, 0x00FF00u);
    EXPECT_EQ(form.lblFontSample.backColour, 0x0000FFu);
    EXPECT_EQ(form.lblFontSample.foreColour, 0xFFFFFFu);
    form.btnOK_Click();
    EXPECT_EQ(G().settings.BgColour, 0x0000FFu);
}

TEST_F(OptionsLive, DescriptionBoxFollowsItsCheckBoxAndKeepsItsText) {
    Load();
    form.txtDescr.text = "kept";
    form.chkDisplay[7].value = true;
    form.chkDisplay_Click(7);
    EXPECT_TRUE(form.txtDescr.enabled);
    EXPECT_EQ(form.txtDescr.backColour, kSystemColour | 5);
    form.chkDisplay[7].value = false;
    form.chkDisplay_Click(3);  // other boxes have no dependants
    EXPECT_TRUE(form.txtDescr.enabled);
    form.chkDisplay_Click(7);
    EXPECT_FALSE(form.txtDescr.enabled);
    EXPECT_EQ(form.txtDescr.backColour, kSystemColour | 15);
    EXPECT_EQ(form.txtDescr.text, "kept");
}

TEST_F(OptionsLive, OnlyTheSelectedAnimationShowsItsPanel) {
    Load();
    form.picMoveOptions[4] = {0, 0, false};
    form.cboMovement.listIndex = 4;
    form.cboMovement_Click();
    for (int i = 0; i < kMovementCount; ++i) {
        EXPECT_EQ(form.picMoveOptions[i].visible, i == 4) << i;
    }
    EXPECT_EQ(form.picMoveOptions[4].left, 600);
    EXPECT_EQ(form.picMoveOptions[4].top, 1440);
}

TEST_F(OptionsLive, SliderTooltipShowsItsPosition) {
    Load();
    form.sliMoveEBRandom.value = 7;
    form.sliMoveEBRandom_Change();
    EXPECT_EQ(form.sliMoveEBRandom.toolTipText, "7");
}

}  // namespace
}  // namespace ostrel

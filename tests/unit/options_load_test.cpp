#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsLoad = OptionsTest;

using Enables = std::vector<std::pair<platform::WindowHandle, bool>>;
using Moves = std::vector<std::pair<double, double>>;

std::vector<int> Checked(const FrmOptions& f) {
    std::vector<int> on;
    for (int i = 0; i < kDisplayItemCount; ++i) {
        if (f.chkDisplay[i].value) {
            on.push_back(i);
        }
    }
    return on;
}

int PanelsShown(const FrmOptions& f) {
    return static_cast<int>(std::ranges::count_if(f.picMoveOptions, &DescriptionPanel::visible));
}

TEST_F(OptionsLoad, DefaultsFillEveryControl) {
    Load();
    EXPECT_EQ(std::tuple(form.Caption, form.lblAppName.caption, form.lblVersion.caption),
              std::tuple("Ostrel Screen Saver Setup", "Ostrel Screen Saver",
                         "version 1.4.6  (5 December 2006)"));
    EXPECT_EQ(Checked(form), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 10}));
    EXPECT_EQ(std::tuple(form.txtDescr.enabled, form.txtDescr.backColour),
              std::tuple(false, 0x8000000Fu));
    EXPECT_EQ(form.cboMovement.items,
              (std::vector<std::string>{"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                        "Random Path", "Stationary in Centre"}));
    EXPECT_TRUE(form.cboMovement.listIndex == 2 && form.picMoveOptions[2].visible &&
                PanelsShown(form) == 1);
    EXPECT_EQ(std::tuple(form.sliMoveEBRandom.value, form.sliMoveEBRandom.toolTipText),
              std::tuple(2, "2"));
    EXPECT_FALSE(form.chkConstrain.value || form.chk24HrTime.value || form.chkSetAsDefault.value);
    EXPECT_EQ(std::tuple(form.bWasDefaultSS, form.szCurrentDefaultSS), std::tuple(0, ""));
    const SampleLabel& sample = form.lblFontSample;
    EXPECT_EQ(std::tuple(sample.caption, sample.foreColour, sample.backColour),
              std::tuple("Verdana regular 10 point", 0xFFFFFFu, 0u));
    // Loading shows nothing and changes nothing in the registry.
    EXPECT_TRUE(fake().messages.empty() &&
                !fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, "FontName"));
}

TEST_F(OptionsLoad, DisplayItemBitsAndFlagBits) {
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0x00C5);
    fake().SetRegText(kSettingsKey, "Descr", "my box");
    fake().SetRegDword(kSettingsKey, "Options", 2);  // only bit 0 counts
    fake().SetRegDword(kSettingsKey, "TimeFormat", 3);
    Load();
    EXPECT_EQ(Checked(form), (std::vector<int>{0, 2, 6, 7}));
    EXPECT_EQ(std::tuple(form.txtDescr.enabled, form.txtDescr.backColour, form.txtDescr.text),
              std::tuple(true, 0x80000005u, "my box"));
    EXPECT_EQ(std::tuple(form.chkConstrain.value, form.chk24HrTime.value), std::tuple(false, true));
}

TEST_F(OptionsLoad, EmptyFontNameShowsAndBecomesTahoma) {
    fake().SetRegBytes(kSettingsKey, "FontName", platform::kRegSz, {0});
    fake().SetRegDword(kSettingsKey, "FontSettings", 3);
    Load();
    EXPECT_EQ(form.lblFontSample.font.name, "Tahoma");
    EXPECT_EQ(form.lblFontSample.caption, "Tahoma bold italic 10 point");
    form.btnOK_Click();
    EXPECT_EQ(G().settings.FontName, "Tahoma");
}

TEST_F(OptionsLoad, DialogIsCentredOverDisplayPropertiesWhichStayDisabledUntilItCloses) {
    fake().windowsByTitle["Display Properties"] = 0x3030;
    fake().windowRects[0x3030] = {100, 100, 500, 550};
    fake().optionsWidthTwips = 7200;
    fake().optionsHeightTwips = 5400;
    Load("/c:1234");
    EXPECT_EQ(form.hwndDisplayProps, 0x3030);
    EXPECT_EQ(fake().enableCalls, (Enables{{0x3030, false}}));
    EXPECT_EQ(fake().optionsMoves, (Moves{{900, 2175}}));
    form.btnCancel_Click();
    form.Form_Close();
    EXPECT_EQ(fake().enableCalls, (Enables{{0x3030, false}, {0x3030, true}}));
    EXPECT_EQ(fake().optionsWindowClosed, 1);

    // Only a /C start looks for them; otherwise, or not found, the dialog centres on the screen.
    for (const std::string line : {"", " /c", "/s", "/C"}) {
        SetUp();
        fake().windowsByTitle["Display Properties"] = line == "/C" ? 0 : 0x3030;
        fake().optionsWidthTwips = 5400;
        fake().optionsHeightTwips = 5881;
        Load(line);
        EXPECT_TRUE(form.hwndDisplayProps == 0 && fake().enableCalls.empty()) << line;
        EXPECT_EQ(fake().optionsMoves, (Moves{{4980, 2819.5}}));
    }
}

TEST_F(OptionsLoad, InvalidMoveOptionIsCriticalAndUnloadsButNoneShowsNoPanel) {
    for (int option : {7, 5, -2, -1}) {
        SetUp();
        fake().windowsByTitle["Display Properties"] = 0x3030;
        fake().SetRegDword(kSettingsKey, "MoveOption", static_cast<std::uint32_t>(option));
        fake().SetRegDword(kSettingsKey, "MoveEBRandom", 40);  // the slider keeps to its range
        Load();
        if (option == -1) {
            EXPECT_TRUE(fake().messages.empty() && !form.Unloaded);
            EXPECT_EQ(std::tuple(form.cboMovement.listIndex, PanelsShown(form),
                                 form.sliMoveEBRandom.value),
                      std::tuple(-1, 0, 10));
            continue;
        }
        ASSERT_EQ(fake().messages.size(), 1u) << option;
        const auto& m = fake().messages[0];
        EXPECT_EQ(std::tuple(m.text, m.caption, m.style),
                  std::tuple("Critical Error encountered while loading Options form: \rInvalid "
                             "property value [380]",
                             "Ostrel Screen Saver", 16u));
        EXPECT_TRUE(form.Unloaded && fake().programEnded);
        EXPECT_EQ(fake().optionsWindowClosed, 1);
        EXPECT_EQ(fake().enableCalls, (Enables{{0x3030, false}, {0x3030, true}}));
    }
}

TEST_F(OptionsLoad, ShowOptionsFormLoadsWithTheProgramArgumentsAndShows) {
    fake().programArguments = "/c:99";
    fake().windowsByTitle["Display Properties"] = 0x3030;
    ShowOptionsForm();
    EXPECT_EQ(std::tuple(OptionsForm().CommandLine, OptionsForm().hwndDisplayProps,
                         fake().optionsWindowShown),
              std::tuple("/c:99", 0x3030, 1));

    SetUp();
    fake().refuseOptionsWindow = true;
    ShowOptionsForm();
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_TRUE(fake().messages[0].text.starts_with(
        "Critical Error encountered while loading Options form: \r"));
    EXPECT_TRUE(fake().optionsWindowShown == 0 && fake().programEnded);
}

}  // namespace
}  // namespace ostrel

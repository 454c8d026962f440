#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsLoad = OptionsTest;

using Enables = std::vector<std::pair<platform::WindowHandle, bool>>;
using Moves = std::vector<std::pair<double, double>>;

std::vector<int> Checked(const OptionsDialog& f) {
    std::vector<int> on;
    for (int i = 0; i < kDisplayItemCount; ++i) {
        if (f.displayItemBoxes[i].value) {
            on.push_back(i);
        }
    }
    return on;
}

int PanelsShown(const OptionsDialog& f) {
    return static_cast<int>(std::ranges::count_if(f.animationPanels, &DescriptionPanel::visible));
}

TEST_F(OptionsLoad, DefaultsFillEveryControl) {
    Load();
    EXPECT_EQ(std::tuple(dialog.caption, dialog.appNameLabel.caption, dialog.versionLabel.caption),
              std::tuple("Ostrel Screen Saver Setup", "Ostrel Screen Saver",
                         "version 1.4.6  (5 December 2006)"));
    EXPECT_EQ(Checked(dialog), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 10}));
    EXPECT_EQ(std::tuple(dialog.descriptionBox.enabled, dialog.descriptionBox.backColour),
              std::tuple(false, 0x8000000Fu));
    EXPECT_EQ(dialog.animationList.items,
              (std::vector<std::string>{"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                        "Random Path", "Stationary in Centre"}));
    EXPECT_TRUE(dialog.animationList.listIndex == 2 && dialog.animationPanels[2].visible &&
                PanelsShown(dialog) == 1);
    EXPECT_EQ(
        std::tuple(dialog.bounceRandomnessSlider.value, dialog.bounceRandomnessSlider.toolTipText),
        std::tuple(2, "2"));
    EXPECT_FALSE(dialog.constrainToPrimaryBox.value || dialog.twentyFourHourBox.value ||
                 dialog.setAsDefaultBox.value);
    EXPECT_EQ(std::tuple(dialog.wasDefaultSaver, dialog.previousDefaultSaver),
              std::tuple(false, ""));
    const SampleLabel& sample = dialog.fontSample;
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
    EXPECT_EQ(Checked(dialog), (std::vector<int>{0, 2, 6, 7}));
    EXPECT_EQ(std::tuple(dialog.descriptionBox.enabled, dialog.descriptionBox.backColour,
                         dialog.descriptionBox.text),
              std::tuple(true, 0x80000005u, "my box"));
    EXPECT_EQ(std::tuple(dialog.constrainToPrimaryBox.value, dialog.twentyFourHourBox.value),
              std::tuple(false, true));
}

TEST_F(OptionsLoad, EmptyFontNameShowsAndBecomesTahoma) {
    fake().SetRegBytes(kSettingsKey, "FontName", platform::kRegSz, {0});
    fake().SetRegDword(kSettingsKey, "FontSettings", 3);
    Load();
    EXPECT_EQ(dialog.fontSample.font.name, "Tahoma");
    EXPECT_EQ(dialog.fontSample.caption, "Tahoma bold italic 10 point");
    dialog.OnOk();
    EXPECT_EQ(settings.fontName, "Tahoma");
}

TEST_F(OptionsLoad, OnlySlashCColonCentresOverDisplayPropertiesWhichStayDisabledTillClosing) {
    // Otherwise, or with none found, the dialog centres on the screen.
    for (const std::string line : {"/c:1234", "", " /c", "/s", "/C:1"}) {
        SetUp();
        fake().windowsByTitle["Display Properties"] = line == "/C:1" ? 0 : 0x3030;
        fake().windowRects[0x3030] = {100, 100, 500, 550};
        fake().optionsWidthTwips = 7200;
        fake().optionsHeightTwips = 5401;
        Load(line);
        const bool over = line == "/c:1234";
        EXPECT_EQ(dialog.displayPropertiesWindow, over ? 0x3030 : 0) << line;
        EXPECT_EQ(fake().optionsMoves,
                  (Moves{over ? std::pair(900.0, 2174.0) : std::pair(4080.0, 3059.5)}))
            << line;
        dialog.OnCancel();
        dialog.OnCloseBox();
        EXPECT_EQ(fake().enableCalls,
                  (over ? Enables{{0x3030, false}, {0x3030, true}} : Enables{}));
        EXPECT_EQ(fake().optionsWindowClosed, 1);
    }
}

TEST_F(OptionsLoad, InvalidAnimationIsCriticalAndClosesButNoneShowsNoPanel) {
    for (int option : {7, 5, -2, -1}) {
        SetUp();
        fake().windowsByTitle["Display Properties"] = 0x3030;
        fake().SetRegDword(kSettingsKey, "MoveOption", static_cast<std::uint32_t>(option));
        fake().SetRegDword(kSettingsKey, "MoveEBRandom", 40);  // the slider keeps to its range
        Load();
        if (option == -1) {
            EXPECT_TRUE(fake().messages.empty() && !dialog.closed);
            EXPECT_EQ(std::tuple(dialog.animationList.listIndex, PanelsShown(dialog),
                                 dialog.bounceRandomnessSlider.value),
                      std::tuple(-1, 0, 10));
            continue;
        }
        ASSERT_EQ(fake().messages.size(), 1u) << option;
        const auto& m = fake().messages[0];
        EXPECT_EQ(std::tuple(m.text, m.caption, m.style),
                  std::tuple("Critical Error encountered while loading Options form: \rInvalid "
                             "property value [380]",
                             "Ostrel Screen Saver", 16u));
        EXPECT_TRUE(dialog.closed && fake().programEnded);
        EXPECT_EQ(fake().optionsWindowClosed, 1);
        EXPECT_EQ(fake().enableCalls, (Enables{{0x3030, false}, {0x3030, true}}));
    }
}

TEST_F(OptionsLoad, ShowOptionsDialogLoadsWithTheProgramArgumentsAndShows) {
    fake().programArguments = "/c:99";
    fake().windowsByTitle["Display Properties"] = 0x3030;
    ShowOptionsDialog(settings);
    EXPECT_EQ(std::tuple(TheOptionsDialog().commandLine, TheOptionsDialog().displayPropertiesWindow,
                         fake().optionsWindowShown),
              std::tuple("/c:99", 0x3030, 1));

    // No window, or a load that fails: the critical box, and nothing shown.
    for (bool noWindow : {true, false}) {
        SetUp();
        fake().refuseOptionsWindow = noWindow;
        settings.animationType = noWindow ? 0 : 9;
        ShowOptionsDialog(settings);
        ASSERT_EQ(fake().messages.size(), 1u);
        EXPECT_TRUE(fake().messages[0].text.starts_with(
            "Critical Error encountered while loading Options form: \r"));
        EXPECT_TRUE(fake().optionsWindowShown == 0 && fake().programEnded) << noWindow;
    }
}

}  // namespace
}  // namespace ostrel

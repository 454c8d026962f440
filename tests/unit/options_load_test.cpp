#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsLoad = OptionsTest;

using Enables = std::vector<std::pair<platform::WindowHandle, bool>>;

int PanelsShown(const OptionsDialog& d) {
    return static_cast<int>(std::ranges::count_if(d.animationPanels, &DescriptionPanel::visible));
}

TEST_F(OptionsLoad, DefaultsFillEveryControlAndOkSavesThemUnchanged) {
    Load();
    // It opens on the first tab.
    EXPECT_EQ(
        std::tuple(dialog.caption, dialog.appNameLabel.caption, dialog.versionLabel.caption,
                   dialog.animationList.items, dialog.currentTab, dialog.descriptionBox.enabled,
                   dialog.descriptionBox.backColour, dialog.animationPanels[2].visible,
                   PanelsShown(dialog), dialog.bounceRandomnessSlider.toolTipText,
                   dialog.fontSample.caption, dialog.fontSample.foreColour,
                   dialog.fontSample.backColour, dialog.previousDefaultSaver),
        std::tuple(
            "Ostrel Screen Saver Setup", "Ostrel Screen Saver", "version 1.4.6  (5 December 2006)",
            std::vector<std::string>{"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                     "Random Path", "Stationary in Centre"},
            0, false, 0x8000000Fu, true, 1, "2", "Verdana regular 10 point", 0xFFFFFFu, 0u, ""));
    // Loading changes nothing in the registry, and shows nothing (below).
    EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "FontName"), "<none>");
    // The values of the boxes, the list and the slider come back whole.
    const auto loaded = Fields(settings);
    dialog.OnOk();
    EXPECT_EQ(Fields(settings), loaded);
    EXPECT_EQ(std::tuple(Text(platform::kHkeyLocalMachine, kSettingsKey, "FontName"), dialog.closed,
                         fake().optionsWindowClosed, fake().messages.size(), fake().openKeys),
              std::tuple("Verdana", true, 1, 0u, 0));
}

TEST_F(OptionsLoad, StoredValuesComeBackThroughTheControlsAndAnEmptyFontNameBecomesTahoma) {
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0x00C5);
    fake().SetRegText(kSettingsKey, "Descr", "my box");
    fake().SetRegDword(kSettingsKey, "Options", 2);  // only bit 0 counts
    fake().SetRegDword(kSettingsKey, "TimeFormat", 3);
    fake().SetRegBytes(kSettingsKey, "FontName", platform::kRegSz, {0});
    fake().SetRegDword(kSettingsKey, "FontSettings", 3);
    fake().SetRegDword(kSettingsKey, "BgColour", 0x123456);
    fake().SetRegDword(kSettingsKey, "MoveOption", 0xFFFFFFFF);  // no animation
    fake().SetRegDword(kSettingsKey, "MoveEBRandom", 40);        // the slider keeps to its range
    Load();
    EXPECT_EQ(
        std::tuple(dialog.descriptionBox.enabled, dialog.descriptionBox.backColour,
                   dialog.fontSample.font.name, dialog.fontSample.caption,
                   dialog.fontSample.backColour, PanelsShown(dialog), fake().messages.size()),
        std::tuple(true, 0x80000005u, "Tahoma", "Tahoma bold italic 10 point", 0x123456u, 0, 0u));
    dialog.OnOk();
    EXPECT_EQ(Fields(settings), std::tuple("Tahoma", 10, 0xFFFFFFu, 0x123456u, true, true, false,
                                           false, 0x00C5, 0, "my box", -1, 10, 1));
}

TEST_F(OptionsLoad, OnlySlashCColonCentresOverDisplayPropertiesWhichStayDisabledTillClosing) {
    // Otherwise, or with none found, the dialog centres on the screen. The
    // fake's screen is 15360 x 11520 twips and its dialog 5400 x 5880.
    for (const std::string line : {"/c:1234", "", " /c", "/s", "/C:1"}) {
        SetUp();
        fake().windowsByTitle["Display Properties"] = line == "/C:1" ? 0 : 0x3030;
        fake().windowRects[0x3030] = {100, 100, 500, 550};
        Load(line);
        dialog.OnCancel();
        dialog.OnCloseBox();
        const bool over = line == "/c:1234";
        EXPECT_EQ(
            std::tuple(dialog.displayPropertiesWindow, fake().optionsMoves, fake().enableCalls,
                       fake().optionsWindowClosed),
            std::tuple(over ? 0x3030 : 0,
                       std::vector{over ? std::pair(1800.0, 1935.0) : std::pair(4980.0, 2820.0)},
                       over ? Enables{{0x3030, false}, {0x3030, true}} : Enables{}, 1))
            << line;
    }
}

TEST_F(OptionsLoad, ShowOptionsDialogLoadsWithTheProgramArgumentsAndShows) {
    fake().programArguments = "/c:99";
    ShowOptionsDialog(settings);
    EXPECT_EQ(std::tuple(TheOptionsDialog().commandLine, fake().optionsWindowShown),
              std::tuple("/c:99", 1));
}

TEST_F(OptionsLoad, NoWindowOrAnInvalidAnimationIsCriticalAndShowsNothing) {
    const std::tuple<bool, int, std::string> cases[] = {
        {true, 0, "Out of memory [7]"},
        {false, 5, "Invalid property value [380]"},
        {false, -2, "Invalid property value [380]"}};
    for (const auto& [noWindow, option, reason] : cases) {
        SetUp();
        fake().refuseOptionsWindow = noWindow;
        fake().programArguments = "/c";
        fake().windowsByTitle["Display Properties"] = 0x3030;
        settings.animationType = static_cast<std::int16_t>(option);
        ShowOptionsDialog(settings);
        const auto& m = fake().messages.at(0);
        EXPECT_EQ(
            std::tuple(m.text, m.caption, m.style, fake().messages.size(),
                       TheOptionsDialog().closed, fake().programEnded, fake().optionsWindowClosed,
                       fake().optionsWindowShown, fake().enableCalls),
            std::tuple("Critical Error encountered while loading Options form: \r" + reason,
                       "Ostrel Screen Saver", 16u, 1u, true, true, 1, 0,
                       noWindow ? Enables{} : Enables{{0x3030, false}, {0x3030, true}}))
            << option;
    }
}

}  // namespace
}  // namespace ostrel

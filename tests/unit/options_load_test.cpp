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
        std::tuple(dialog->caption, dialog->appNameLabel.caption, dialog->versionLabel.caption,
                   dialog->animationList.items, dialog->currentTab, dialog->descriptionBox.enabled,
                   dialog->descriptionBox.backColour, dialog->animationPanels[2].visible,
                   PanelsShown(*dialog), dialog->bounceRandomnessSlider.toolTipText,
                   dialog->fontSample.caption, dialog->fontSample.foreColour,
                   dialog->fontSample.backColour, dialog->previousDefaultSaver),
        std::tuple(
            "Ostrel Screen Saver Setup", "Ostrel Screen Saver", "version 1.4.6  (5 December 2006)",
            std::vector<std::string>{"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                     "Random Path", "Stationary in Centre"},
            0, false, 0x8000000Fu, true, 1, "2", "Verdana regular 10 point", 0xFFFFFFu, 0u, ""));
    // Loading changes nothing in the store, and shows nothing (below).
    EXPECT_EQ(store().Shown("FontName"), "<none>");
    // The values of the boxes, the list and the slider come back whole.
    const auto loaded = Fields(settings);
    dialog->OnOk();
    EXPECT_EQ(Fields(settings), loaded);
    EXPECT_EQ(std::tuple(store().Shown("FontName"), dialog->closed, dlg().windowClosed,
                         win().messages.size()),
              std::tuple("Verdana", true, 1, 0u));
}

TEST_F(OptionsLoad, StoredValuesComeBackThroughTheControlsAndAnEmptyFontNameBecomesTahoma) {
    Store("DisplayItems", static_cast<std::int32_t>(0x00C5));
    Store("Descr", std::string("my box"));
    Store("Options", static_cast<std::int32_t>(2));  // only bit 0 counts
    Store("TimeFormat", static_cast<std::int32_t>(3));
    Store("FontName", std::string());
    Store("FontSettings", static_cast<std::int32_t>(3));
    Store("BgColour", static_cast<std::int32_t>(0x123456));
    Store("MoveOption", static_cast<std::int32_t>(0xFFFFFFFF));  // no animation
    Store("MoveEBRandom", static_cast<std::int32_t>(40));        // the slider keeps to its range
    Load();
    EXPECT_EQ(
        std::tuple(dialog->descriptionBox.enabled, dialog->descriptionBox.backColour,
                   dialog->fontSample.font.name, dialog->fontSample.caption,
                   dialog->fontSample.backColour, PanelsShown(*dialog), win().messages.size()),
        std::tuple(true, 0x80000005u, "Tahoma", "Tahoma bold italic 10 point", 0x123456u, 0, 0u));
    dialog->OnOk();
    EXPECT_EQ(Fields(settings), std::tuple("Tahoma", 10, 0xFFFFFFu, 0x123456u, true, true, false,
                                           false, 0x00C5, 0, "my box", -1, 10, 1));
}

TEST_F(OptionsLoad, OnlySlashCColonCentresOverDisplayPropertiesWhichStayDisabledTillClosing) {
    // Otherwise, or with none found, the dialog centres on the screen. The
    // fake's screen is 15360 x 11520 twips and its dialog 5400 x 5880.
    for (const std::string line : {"/c:1234", "", " /c", "/s", "/C:1"}) {
        SetUp();
        win().windowsByTitle["Display Properties"] = line == "/C:1" ? 0 : 0x3030;
        dlg().windowRects[0x3030] = {100, 100, 500, 550};
        Load(line);
        dialog->OnCancel();
        dialog->OnCloseBox();
        const bool over = line == "/c:1234";
        EXPECT_EQ(
            std::tuple(dialog->displayPropertiesWindow, dlg().moves, dlg().enableCalls,
                       dlg().windowClosed),
            std::tuple(over ? 0x3030 : 0,
                       std::vector{over ? std::pair(1800.0, 960.0) : std::pair(4980.0, 2820.0)},
                       over ? Enables{{0x3030, false}, {0x3030, true}} : Enables{}, 1))
            << line;
    }
}

TEST_F(OptionsLoad, NoWindowOrAnInvalidAnimationIsCriticalAndShowsNothing) {
    const std::tuple<bool, int, std::string> cases[] = {
        {true, 0, "Out of memory [7]"},
        {false, 5, "Invalid property value [380]"},
        {false, -2, "Invalid property value [380]"}};
    for (const auto& [noWindow, option, reason] : cases) {
        SetUp();
        dlg().refuseWindow = noWindow;
        win().windowsByTitle["Display Properties"] = 0x3030;
        settings.animationType = static_cast<std::int16_t>(option);
        dialog->Open("/c");
        const auto& m = win().messages.at(0);
        EXPECT_EQ(std::tuple(m.text, m.caption, m.icon, win().messages.size(), dialog->closed,
                             win().programEnded, dlg().windowClosed, dlg().windowShown,
                             dlg().enableCalls),
                  std::tuple("Critical Error encountered while loading Options form: \r" + reason,
                             "Ostrel Screen Saver", platform::MessageIcon::Critical, 1u, true, true,
                             1, 0, noWindow ? Enables{} : Enables{{0x3030, false}, {0x3030, true}}))
            << option;
    }
}

}  // namespace
}  // namespace ostrel

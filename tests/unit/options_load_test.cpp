#include <gtest/gtest.h>

#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsLoad = OptionsTest;

std::vector<int> Checked(const FrmOptions& f) {
    std::vector<int> on;
    for (int i = 0; i < kDisplayItemCount; ++i) {
        if (f.chkDisplay[i].value) {
            on.push_back(i);
        }
    }
    return on;
}

TEST_F(OptionsLoad, DefaultsFillEveryControl) {
    Load();
    EXPECT_EQ(form.Caption, "Ostrel Screen Saver Setup");
    EXPECT_EQ(form.lblAppName.caption, "Ostrel Screen Saver");
    EXPECT_EQ(form.lblVersion.caption, "version 1.4.6  (5 December 2006)");
    EXPECT_EQ(Checked(form), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 10}));
    EXPECT_FALSE(form.txtDescr.enabled);
    EXPECT_EQ(form.txtDescr.backColour, 0x8000000Fu);
    EXPECT_EQ(form.cboMovement.items,
              (std::vector<std::string>{"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                        "Random Path", "Stationary in Centre"}));
    EXPECT_EQ(form.cboMovement.listIndex, 2);
    for (int i = 0; i < kMovementCount; ++i) {
        EXPECT_EQ(form.picMoveOptions[i].visible, i == 2) << i;
    }
    EXPECT_EQ(form.sliMoveEBRandom.value, 2);
    EXPECT_EQ(form.sliMoveEBRandom.toolTipText, "2");
    EXPECT_FALSE(form.chkConstrain.value);
    EXPECT_FALSE(form.chk24HrTime.value);
    EXPECT_FALSE(form.chkSetAsDefault.value);
    EXPECT_EQ(form.bWasDefaultSS, 0);
    EXPECT_EQ(form.szCurrentDefaultSS, "");
    EXPECT_EQ(form.lblFontSample.caption, "Verdana regular 10 point");
    EXPECT_EQ(form.lblFontSample.foreColour, 0xFFFFFFu);
    EXPECT_EQ(form.lblFontSample.backColour, 0u);
    EXPECT_TRUE(fake().messages.empty());
    // Loading changes nothing in the registry.
    EXPECT_EQ(fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, "FontName"), nullptr);
}

TEST_F(OptionsLoad, DisplayItemBitsAndFlagBits) {
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0x00C5);
    fake().SetRegText(kSettingsKey, "Descr", "my box");
    fake().SetRegDword(kSettingsKey, "Options", 2);
    fake().SetRegDword(kSettingsKey, "TimeFormat", 3);
    Load();
    EXPECT_EQ(Checked(form), (std::vector<int>{0, 2, 6, 7}));
    EXPECT_TRUE(form.txtDescr.enabled);
    EXPECT_EQ(form.txtDescr.backColour, 0x80000005u);
    EXPECT_EQ(form.txtDescr.text, "my box");
    EXPECT_FALSE(form.chkConstrain.value);  // only bit 0 counts
    EXPECT_TRUE(form.chk24HrTime.value);

    SetUp();
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0xFFFFF800);  // 16-bit 0xF800, widened
    fake().SetRegDword(kSettingsKey, "Options", 3);
    Load();
    EXPECT_TRUE(Checked(form).empty());
    EXPECT_TRUE(form.chkConstrain.value);
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

TEST_F(OptionsLoad, DefaultScreenSaverIsThisProgramOnlyByItsBareName) {
    const struct {
        const char* value;
        bool isThis;
    } cases[] = {{"ostrel.scr", true},
                 {"OSTREL.SCR", true},
                 {"C:\\Windows\\ostrel.scr", false},
                 {"Logon.scr", false}};
    for (const auto& c : cases) {
        SetUp();
        SetDefaultSaver(c.value);
        Load();
        EXPECT_EQ(form.chkSetAsDefault.value, c.isThis) << c.value;
        EXPECT_EQ(form.bWasDefaultSS, c.isThis ? 1 : 0) << c.value;
        EXPECT_EQ(form.szCurrentDefaultSS, c.value);
    }
}

TEST_F(OptionsLoad, DisplayPropertiesAreDisabledAndTheDialogCentredOverThem) {
    fake().windowsByTitle["Display Properties"] = 0x3030;
    fake().windowRects[0x3030] = {100, 100, 500, 550};
    fake().optionsWidthTwips = 7200;
    fake().optionsHeightTwips = 5400;
    Load("/c:1234");
    EXPECT_EQ(form.hwndDisplayProps, 0x3030);
    EXPECT_EQ(fake().enableCalls,
              (std::vector<std::pair<platform::WindowHandle, bool>>{{0x3030, false}}));
    EXPECT_EQ(fake().optionsMoves, (std::vector<std::pair<double, double>>{{900, 2175}}));

    // Every way of closing gives the window back, once.
    form.btnCancel_Click();
    form.Form_Close();
    EXPECT_EQ(fake().enableCalls.back(), (std::pair<platform::WindowHandle, bool>{0x3030, true}));
    EXPECT_EQ(fake().enableCalls.size(), 2u);
    EXPECT_EQ(fake().optionsWindowClosed, 1);
}

TEST_F(OptionsLoad, WithoutDisplayPropertiesTheDialogIsCentredOnTheScreen) {
    for (const char* line : {"", " /c", "/s"}) {  // not a /C start: not looked for
        SetUp();
        fake().windowsByTitle["Display Properties"] = 0x3030;
        fake().optionsWidthTwips = 5400;
        fake().optionsHeightTwips = 5881;
        Load(line);
        EXPECT_EQ(form.hwndDisplayProps, 0) << line;
        EXPECT_TRUE(fake().enableCalls.empty());
        EXPECT_EQ(fake().optionsMoves, (std::vector<std::pair<double, double>>{{4980, 2819.5}}));
    }
    SetUp();
    Load("/C");  // looked for, not found
    EXPECT_EQ(form.hwndDisplayProps, 0);
    EXPECT_EQ(fake().optionsMoves.size(), 1u);
}

TEST_F(OptionsLoad, InvalidMoveOptionIsCriticalAndUnloads) {
    for (std::uint32_t bad : {7u, 5u, static_cast<std::uint32_t>(-2)}) {
        SetUp();
        fake().windowsByTitle["Display Properties"] = 0x3030;
        fake().SetRegDword(kSettingsKey, "MoveOption", bad);
        Load();
        ASSERT_EQ(fake().messages.size(), 1u) << bad;
        EXPECT_EQ(fake().messages[0].text,
                  "Critical Error encountered while loading Options form: \rInvalid property "
                  "value [380]");
        EXPECT_EQ(fake().messages[0].caption, "Ostrel Screen Saver");
        EXPECT_EQ(fake().messages[0].style, 16u);
        EXPECT_TRUE(form.Unloaded);
        EXPECT_EQ(fake().optionsWindowClosed, 1);
        ASSERT_EQ(fake().enableCalls.size(), 2u);
        EXPECT_EQ(fake().enableCalls.back(),
                  (std::pair<platform::WindowHandle, bool>{0x3030, true}));
        EXPECT_TRUE(fake().programEnded);
    }
}

TEST_F(OptionsLoad, NoSelectionShowsNoPanel) {
    fake().SetRegDword(kSettingsKey, "MoveOption", static_cast<std::uint32_t>(-1));
    fake().SetRegDword(kSettingsKey, "MoveEBRandom", 40);  // the slider keeps to its range
    Load();
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(form.cboMovement.listIndex, -1);
    for (const auto& panel : form.picMoveOptions) {
        EXPECT_FALSE(panel.visible);
    }
    EXPECT_EQ(form.sliMoveEBRandom.value, 10);
}

TEST_F(OptionsLoad, ShowOptionsFormLoadsWithTheProgramArgumentsAndShows) {
    fake().programArguments = "/c:99";
    fake().windowsByTitle["Display Properties"] = 0x3030;
    ShowOptionsForm();
    EXPECT_EQ(OptionsForm().CommandLine, "/c:99");
    EXPECT_EQ(OptionsForm().hwndDisplayProps, 0x3030);
    EXPECT_EQ(fake().optionsWindowShown, 1);

    SetUp();
    fake().refuseOptionsWindow = true;
    ShowOptionsForm();
    EXPECT_EQ(fake().optionsWindowShown, 0);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text.rfind("Critical Error encountered while loading Options "
                                            "form: \r",
                                            0),
              0u);
    EXPECT_TRUE(fake().programEnded);
}

}  // namespace
}  // namespace ostrel

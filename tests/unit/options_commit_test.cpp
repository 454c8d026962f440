#include <gtest/gtest.h>

#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsCommit = OptionsTest;

TEST_F(OptionsCommit, OkWithTheDefaultsSavesEveryValueAndCloses) {
    Load();
    form.btnOK_Click();
    const auto dword = [&](const char* name) {
        const fake::RegValue* v = fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, name);
        EXPECT_NE(v, nullptr) << name;
        EXPECT_EQ(v ? v->type : 0, platform::kRegDword) << name;
        return v && v->bytes.size() == 4
                   ? v->bytes[0] | v->bytes[1] << 8 | v->bytes[2] << 16 | v->bytes[3] << 24
                   : -1;
    };
    EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "FontName"), "Verdana");
    EXPECT_EQ(dword("FontSize"), 10);
    EXPECT_EQ(dword("FontColour"), 0xFFFFFF);
    EXPECT_EQ(dword("BgColour"), 0);
    EXPECT_EQ(dword("FontSettings"), 0);
    EXPECT_EQ(dword("DisplayItems"), 1151);
    EXPECT_EQ(dword("Options"), 0);
    EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "Descr"), "");
    EXPECT_EQ(dword("MoveOption"), 2);
    EXPECT_EQ(dword("MoveEBRandom"), 2);
    EXPECT_EQ(dword("TimeFormat"), 0);
    EXPECT_EQ(OldDefault(), "<none>");
    EXPECT_EQ(DefaultSaver(), "<none>");
    EXPECT_TRUE(form.Unloaded);
    EXPECT_EQ(fake().optionsWindowClosed, 1);
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(fake().openKeys, 0);
}

TEST_F(OptionsCommit, ControlsGoBackIntoTheRecord) {
    fake().SetRegDword(kSettingsKey, "Options", 3);
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0xFFFFF800);
    Load();
    form.chkDisplay[3].value = true;
    form.chkDisplay[9].value = true;
    form.chk24HrTime.value = true;
    form.cboMovement.listIndex = 4;
    form.sliMoveEBRandom.value = 7;
    form.lblFontSample.font = {"Arial", 10.5f, true, false, true, true};
    form.lblFontSample.foreColour = 0x123456;
    form.lblFontSample.backColour = 0x654321;
    form.btnOK_Click();
    const Settings& s = G().settings;
    EXPECT_EQ(s.DisplayItems, 0x0208);  // bits 11 to 15 do not survive
    EXPECT_EQ(s.Options, 1);            // the whole value is replaced
    EXPECT_EQ(s.TimeFormat, 1);
    EXPECT_EQ(s.MoveOption, 4);
    EXPECT_EQ(s.MoveEBRandom, 7);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.FontSize, 10);  // 10.5 rounds to the even neighbour
    EXPECT_TRUE(s.FontBold);
    EXPECT_FALSE(s.FontItalic);
    EXPECT_TRUE(s.FontStrikethru);
    EXPECT_TRUE(s.FontUnderline);
    EXPECT_EQ(s.FontColour, 0x123456u);
    EXPECT_EQ(s.BgColour, 0x654321u);

    SetUp();
    Load();
    form.lblFontSample.font.sizePoints = 11.5f;
    form.cboMovement.listIndex = -1;
    form.btnOK_Click();
    EXPECT_EQ(G().settings.FontSize, 12);
    EXPECT_EQ(G().settings.MoveOption, -1);
}

TEST_F(OptionsCommit, DescriptionIsKeptOnlyWhileItsItemIsShown) {
    Load();
    form.txtDescr.text = "typed";
    form.btnOK_Click();
    EXPECT_EQ(G().settings.Descr, "");
    EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "Descr"), "");

    SetUp();
    Load();
    form.chkDisplay[7].value = true;
    form.txtDescr.text = "typed";
    form.btnOK_Click();
    EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "Descr"), "typed");
}

TEST_F(OptionsCommit, LongestDescriptionLoadsAgainAfterSaving) {
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0x80);
    Load();
    form.txtDescr.text = std::string(1500, 'd');
    form.txtDescr_Change();
    EXPECT_EQ(form.txtDescr.text.size(), 1024u);
    form.btnOK_Click();

    Settings reloaded;
    LoadSettings(reloaded);
    EXPECT_EQ(reloaded.Descr, std::string(1024, 'd'));
}

TEST_F(OptionsCommit, BecomingTheDefaultKeepsTheOldValueAndGivingItBackRestoresIt) {
    SetDefaultSaver("Logon.scr");
    Load();
    form.chkSetAsDefault.value = true;
    form.btnOK_Click();
    EXPECT_EQ(OldDefault(), "Logon.scr");
    EXPECT_EQ(DefaultSaver(), "ostrel.scr");
    EXPECT_EQ(form.bWasDefaultSS, 1);

    SetDefaultSaver("ostrel.scr");
    form = FrmOptions{};
    Load();
    EXPECT_TRUE(form.chkSetAsDefault.value);
    form.chkSetAsDefault.value = false;
    form.btnOK_Click();
    EXPECT_EQ(DefaultSaver(), "Logon.scr");
    EXPECT_EQ(OldDefault(), "Logon.scr");
    EXPECT_EQ(form.bWasDefaultSS, 0);
}

TEST_F(OptionsCommit, DefaultScreenSaverTransitions) {
    // No default saver at all: an empty old value, given back empty.
    Load();
    form.chkSetAsDefault.value = true;
    form.btnOK_Click();
    EXPECT_EQ(OldDefault(), "");
    EXPECT_EQ(DefaultSaver(), "ostrel.scr");
    form = FrmOptions{};
    Load();
    form.chkSetAsDefault.value = false;
    form.btnOK_Click();
    EXPECT_EQ(DefaultSaver(), "");

    // Giving back without a kept value falls back to the logon saver.
    SetUp();
    SetDefaultSaver("OSTREL.SCR");
    Load();
    form.chkSetAsDefault.value = false;
    form.btnOK_Click();
    EXPECT_EQ(DefaultSaver(), "Logon.scr");
    EXPECT_EQ(OldDefault(), "<none>");

    // Unchanged, or changed and changed back: neither value is touched.
    for (bool toggle : {false, true}) {
        SetUp();
        SetDefaultSaver("Mystify.scr");
        Load();
        if (toggle) {
            form.chkSetAsDefault.value = true;
            form.chkSetAsDefault.value = false;
        }
        form.btnOK_Click();
        EXPECT_EQ(DefaultSaver(), "Mystify.scr");
        EXPECT_EQ(OldDefault(), "<none>");
    }
}

TEST_F(OptionsCommit, RefusedRegistryStillRunsEveryStepAndCloses) {
    Load();
    form.chkSetAsDefault.value = true;
    form.chk24HrTime.value = true;
    fake().refuseWrites = true;
    form.btnOK_Click();
    EXPECT_EQ(DefaultSaver(), "<none>");
    EXPECT_EQ(form.bWasDefaultSS, 1);
    EXPECT_EQ(G().settings.TimeFormat, 1);
    // Only the save's own message; OK adds none.
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "failed to save configuration to registry");
    EXPECT_TRUE(form.Unloaded);
    EXPECT_EQ(fake().optionsWindowClosed, 1);
}

TEST_F(OptionsCommit, CancelAndCloseBoxSaveNothing) {
    SetDefaultSaver("Logon.scr");
    for (bool closeBox : {false, true}) {
        form = FrmOptions{};
        Load();
        form.chkSetAsDefault.value = true;
        form.chkDisplay[0].value = false;
        closeBox ? form.Form_Close() : form.btnCancel_Click();
        EXPECT_TRUE(form.Unloaded);
        EXPECT_EQ(G().settings.DisplayItems, 1151);
        EXPECT_EQ(DefaultSaver(), "Logon.scr");
        EXPECT_EQ(fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, "DisplayItems"),
                  nullptr);
    }
}

}  // namespace
}  // namespace ostrel

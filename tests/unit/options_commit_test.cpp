#include <gtest/gtest.h>

#include <tuple>

#include "options_fixture.h"
#include "settings/reg_stuff.h"

namespace ostrel {
namespace {

using OptionsCommit = OptionsTest;

auto Fields(const Settings& s) {
    return std::tuple(s.FontName, s.FontSize, s.FontColour, s.BgColour, s.FontBold, s.FontItalic,
                      s.FontStrikethru, s.FontUnderline, s.DisplayItems, s.Options, s.Descr,
                      s.MoveOption, s.MoveEBRandom, s.TimeFormat);
}

TEST_F(OptionsCommit, OkWithTheDefaultsKeepsTheRecordSavesItAndCloses) {
    Load();
    const auto loaded = Fields(G().settings);
    form.btnOK_Click();
    EXPECT_EQ(Fields(G().settings), loaded);
    EXPECT_EQ(std::tuple(Text(platform::kHkeyLocalMachine, kSettingsKey, "FontName"), OldDefault(),
                         DefaultSaver()),
              std::tuple("Verdana", "<none>", "<none>"));
    EXPECT_TRUE(form.Unloaded && fake().optionsWindowClosed == 1 && fake().messages.empty() &&
                fake().openKeys == 0);
}

TEST_F(OptionsCommit, ControlsGoBackIntoTheRecordAndTheRegistry) {
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
    // Bits 11 to 15 do not survive; Options is replaced whole; 10.5 rounds to even.
    EXPECT_EQ(Fields(G().settings), std::tuple("Arial", 10, 0x123456u, 0x654321u, true, false, true,
                                               true, 0x0208, 1, "", 4, 7, 1));
    Settings saved;
    LoadSettings(saved);
    EXPECT_EQ(Fields(saved), Fields(G().settings));

    SetUp();
    Load();
    form.lblFontSample.font.sizePoints = 11.5f;
    form.cboMovement.listIndex = -1;
    form.btnOK_Click();
    EXPECT_EQ(std::tuple(G().settings.FontSize, G().settings.MoveOption), std::tuple(12, -1));
}

TEST_F(OptionsCommit, AFailingStepIsSkippedAndTheRestStillRun) {
    Load();
    form.lblFontSample.font.sizePoints = 40000.0f;  // too large for the record
    form.chk24HrTime.value = true;
    form.btnOK_Click();
    Settings saved;
    LoadSettings(saved);
    EXPECT_EQ(std::tuple(G().settings.FontSize, saved.FontSize, saved.TimeFormat),
              std::tuple(10, 10, 1));
    EXPECT_TRUE(form.Unloaded);
}

TEST_F(OptionsCommit, DescriptionIsKeptOnlyWhileShownAndUpTo1024Characters) {
    for (bool shown : {false, true}) {
        SetUp();
        Load();
        form.chkDisplay[7].value = shown;
        form.txtDescr.text = std::string(1500, 'd');
        form.txtDescr_Change();
        EXPECT_EQ(form.txtDescr.text.size(), 1024u);
        form.btnOK_Click();
        const std::string kept = shown ? std::string(1024, 'd') : "";
        EXPECT_EQ(G().settings.Descr, kept);
        EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "Descr"), kept);
    }
    Settings reloaded;  // the longest description loads again
    LoadSettings(reloaded);
    EXPECT_EQ(reloaded.Descr, std::string(1024, 'd'));
}

TEST_F(OptionsCommit, DefaultScreenSaverTransitions) {
    // nullptr or "<none>": no such value.
    const struct {
        const char* saver;
        const char* old;
        bool check;
        const char* saverAfter;
        const char* oldAfter;
    } cases[] = {
        {"Logon.scr", nullptr, true, "ostrel.scr", "Logon.scr"},       // the old value is kept
        {"ostrel.scr", "Logon.scr", false, "Logon.scr", "Logon.scr"},  // and given back
        {nullptr, nullptr, true, "ostrel.scr", ""},
        {"ostrel.scr", "", false, "", ""},
        {"OSTREL.SCR", nullptr, false, "Logon.scr", "<none>"},     // nothing kept: the logon saver
        {"Mystify.scr", nullptr, false, "Mystify.scr", "<none>"},  // unchanged: untouched
        // Only the bare name is this program.
        {"C:\\Windows\\ostrel.scr", nullptr, false, "C:\\Windows\\ostrel.scr", "<none>"},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.saver != nullptr) {
            SetDefaultSaver(c.saver);
        }
        if (c.old != nullptr) {
            WriteRegString(platform::kHkeyLocalMachine, kSettingsKey, "oldDefaultSS", c.old);
        }
        Load();
        EXPECT_EQ(std::tuple(form.chkSetAsDefault.value, form.szCurrentDefaultSS),
                  std::tuple(form.bWasDefaultSS == 1, c.saver ? c.saver : ""));
        form.chkSetAsDefault.value = c.check;
        form.btnOK_Click();
        EXPECT_EQ(std::tuple(DefaultSaver(), OldDefault(), form.bWasDefaultSS),
                  std::tuple(c.saverAfter, c.oldAfter, c.check ? 1 : 0))
            << c.saver;
    }
}

TEST_F(OptionsCommit, RefusedRegistryStillRunsEveryStepAndCloses) {
    Load();
    form.chkSetAsDefault.value = true;
    form.chk24HrTime.value = true;
    fake().refuseWrites = true;
    form.btnOK_Click();
    EXPECT_EQ(std::tuple(DefaultSaver(), form.bWasDefaultSS, G().settings.TimeFormat),
              std::tuple("<none>", 1, 1));
    // Only the save's own message; OK adds none.
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "failed to save configuration to registry");
    EXPECT_TRUE(form.Unloaded && fake().optionsWindowClosed == 1);
}

TEST_F(OptionsCommit, CancelAndCloseBoxSaveNothing) {
    SetDefaultSaver("Logon.scr");
    for (bool closeBox : {false, true}) {
        form = FrmOptions{};
        Load();
        form.chkSetAsDefault.value = true;
        form.chkDisplay[0].value = false;
        closeBox ? form.Form_Close() : form.btnCancel_Click();
        EXPECT_TRUE(form.Unloaded && fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey,
                                                      "DisplayItems") == nullptr);
        EXPECT_EQ(std::tuple(G().settings.DisplayItems, DefaultSaver()),
                  std::tuple(1151, "Logon.scr"));
    }
}

}  // namespace
}  // namespace ostrel

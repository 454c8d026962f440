#include <gtest/gtest.h>

#include <tuple>

#include "options_fixture.h"
#include "settings/registry_store.h"

namespace ostrel {
namespace {

using OptionsCommit = OptionsTest;

TEST_F(OptionsCommit, OkWithTheDefaultsKeepsTheRecordSavesItAndCloses) {
    Load();
    const auto loaded = Fields(settings);
    dialog.OnOk();
    EXPECT_EQ(Fields(settings), loaded);
    EXPECT_EQ(std::tuple(Text(platform::kHkeyLocalMachine, kSettingsKey, "FontName"), OldDefault(),
                         DefaultSaver()),
              std::tuple("Verdana", "<none>", "<none>"));
    EXPECT_TRUE(dialog.closed && fake().optionsWindowClosed == 1 && fake().messages.empty() &&
                fake().openKeys == 0);
}

TEST_F(OptionsCommit, ControlsGoBackIntoTheRecordAndTheRegistry) {
    fake().SetRegDword(kSettingsKey, "Options", 3);
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0xFFFFF800);
    Load();
    dialog.displayItemBoxes[3].value = true;
    dialog.displayItemBoxes[9].value = true;
    dialog.twentyFourHourBox.value = true;
    dialog.animationList.listIndex = 4;
    dialog.bounceRandomnessSlider.value = 7;
    dialog.fontSample.font = {"Arial", 10.5f, true, false, true, false};
    dialog.fontSample.foreColour = 0x123456;
    dialog.fontSample.backColour = 0x654321;
    dialog.OnOk();
    // Bits 11 to 15 do not survive; Options is replaced whole; 10.5 rounds to even.
    EXPECT_EQ(Fields(settings), std::tuple("Arial", 10, 0x123456u, 0x654321u, true, false, true,
                                           false, 0x0208, 1, "", 4, 7, 1));
    Settings saved;
    LoadSettings(saved);
    EXPECT_EQ(Fields(saved), Fields(settings));

    SetUp();
    Load();
    dialog.fontSample.font.sizePoints = 11.5f;
    dialog.animationList.listIndex = -1;
    dialog.OnOk();
    EXPECT_EQ(std::tuple(settings.fontSizePoints, settings.animationType), std::tuple(12, -1));
}

TEST_F(OptionsCommit, AFailingStepIsSkippedAndTheRestStillRun) {
    Load();
    dialog.fontSample.font.sizePoints = 40000.0f;  // too large for the record
    dialog.twentyFourHourBox.value = true;
    dialog.OnOk();
    Settings saved;
    LoadSettings(saved);
    EXPECT_EQ(std::tuple(settings.fontSizePoints, saved.fontSizePoints, saved.timeFormat),
              std::tuple(10, 10, 1));
    EXPECT_TRUE(dialog.closed);
}

TEST_F(OptionsCommit, DescriptionIsKeptOnlyWhileShownAndUpTo1024Characters) {
    for (bool shown : {false, true}) {
        SetUp();
        Load();
        dialog.displayItemBoxes[7].value = shown;
        dialog.descriptionBox.text = std::string(1500, 'd');
        dialog.OnDescriptionChanged();
        EXPECT_EQ(dialog.descriptionBox.text.size(), 1024u);
        dialog.OnOk();
        const std::string kept = shown ? std::string(1024, 'd') : "";
        EXPECT_EQ(settings.description, kept);
        EXPECT_EQ(Text(platform::kHkeyLocalMachine, kSettingsKey, "Descr"), kept);
    }
    Settings reloaded;  // the longest description loads again
    LoadSettings(reloaded);
    EXPECT_EQ(reloaded.description, std::string(1024, 'd'));
}

TEST_F(OptionsCommit, DefaultScreenSaverTransitions) {
    // nullptr or "<none>": no such value. `isThis`: the box loads checked.
    const struct {
        const char* saver;
        const char* old;
        bool isThis, check;
        const char* saverAfter;
        const char* oldAfter;
    } cases[] = {
        {"Logon.scr", nullptr, false, true, "ostrel.scr", "Logon.scr"},  // the old value is kept
        {"ostrel.scr", "Logon.scr", true, false, "Logon.scr", "Logon.scr"},  // and given back
        {nullptr, nullptr, false, true, "ostrel.scr", ""},
        {"ostrel.scr", "", true, false, "", ""},
        {"OSTREL.SCR", nullptr, true, false, "Logon.scr", "<none>"},  // nothing kept: logon saver
        {"ostrel.scr", nullptr, true, true, "ostrel.scr", "<none>"},  // unchanged: untouched
        {"Mystify.scr", nullptr, false, false, "Mystify.scr", "<none>"},
        // Only the bare name is this program.
        {"C:\\Windows\\ostrel.scr", nullptr, false, false, "C:\\Windows\\ostrel.scr", "<none>"},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.saver != nullptr) {
            SetDefaultSaver(c.saver);
        }
        if (c.old != nullptr) {
            WriteRegistryText(platform::kHkeyLocalMachine, kSettingsKey, "oldDefaultSS", c.old);
        }
        Load();
        EXPECT_EQ(std::tuple(dialog.setAsDefaultBox.value, dialog.previousDefaultSaver),
                  std::tuple(c.isThis, c.saver ? c.saver : ""));
        dialog.setAsDefaultBox.value = c.check;
        dialog.OnOk();
        EXPECT_EQ(std::tuple(DefaultSaver(), OldDefault(), dialog.wasDefaultSaver),
                  std::tuple(c.saverAfter, c.oldAfter, c.check))
            << c.saver;
    }
}

TEST_F(OptionsCommit, RefusedRegistryStillRunsEveryStepAndCloses) {
    Load();
    dialog.setAsDefaultBox.value = true;
    dialog.twentyFourHourBox.value = true;
    fake().refuseWrites = true;
    dialog.OnOk();
    EXPECT_EQ(std::tuple(DefaultSaver(), dialog.wasDefaultSaver, settings.timeFormat),
              std::tuple("<none>", true, 1));
    // Only the save's own message; OK adds none.
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "failed to save configuration to registry");
    EXPECT_TRUE(dialog.closed && fake().optionsWindowClosed == 1);
}

TEST_F(OptionsCommit, CancelAndCloseBoxSaveNothing) {
    SetDefaultSaver("Logon.scr");
    for (bool closeBox : {false, true}) {
        dialog = OptionsDialog(&settings);
        Load();
        dialog.setAsDefaultBox.value = true;
        dialog.displayItemBoxes[0].value = false;
        closeBox ? dialog.OnCloseBox() : dialog.OnCancel();
        EXPECT_TRUE(dialog.closed && fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey,
                                                      "DisplayItems") == nullptr);
        EXPECT_EQ(std::tuple(settings.displayItems, DefaultSaver()), std::tuple(1151, "Logon.scr"));
    }
}

TEST_F(OptionsCommit, TheSaveFailureIsModalToTheDialogAndOkUnderItDoesNothing) {
    fake().optionsWindowCreated = true;
    fake().refuseWrites = true;
    Load();
    int pressedAgain = 0;
    fake().whileMessageShown = [&] {
        if (pressedAgain++ == 0) {
            dialog.OnOk();
        }
    };
    dialog.OnOk();
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(std::tuple(fake().messages[0].text, fake().messages[0].ownedByOptions, pressedAgain,
                         fake().optionsWindowClosed),
              std::tuple("failed to save configuration to registry", true, 1, 1));
    // Once the first commit is over, OK works again.
    fake().whileMessageShown = nullptr;
    dialog.closed = false;
    dialog.OnOk();
    EXPECT_EQ(fake().messages.size(), 2u);
}

}  // namespace
}  // namespace ostrel

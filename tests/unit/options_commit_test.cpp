#include <gtest/gtest.h>

#include <tuple>

#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsCommit = OptionsTest;

TEST_F(OptionsCommit, ControlsGoBackIntoTheRecord) {
    Store("Options", static_cast<std::int32_t>(3));
    Store("DisplayItems", static_cast<std::int32_t>(0xFFFFF800));
    Load();
    // Every field is changed from what was loaded, so a step OK leaves out shows.
    dialog->displayItemBoxes[3].value = true;
    dialog->displayItemBoxes[9].value = true;
    dialog->twentyFourHourBox.value = true;
    dialog->animationList.listIndex = 4;
    dialog->bounceRandomnessSlider.value = 7;
    dialog->fontSample.font = {"Arial", 11.5f, true, true, true, true};
    dialog->fontSample.foreColour = 0x123456;
    dialog->fontSample.backColour = 0x654321;
    dialog->descriptionBox.text = "typed";  // kept only while the description is shown
    dialog->OnOk();
    // Bits 11 to 15 do not survive; Options is replaced whole; 11.5 rounds up.
    EXPECT_EQ(Fields(settings), std::tuple("Arial", 12, 0x123456u, 0x654321u, true, true, true,
                                           true, 0x0208, 1, "", 4, 7, 1));
}

TEST_F(OptionsCommit, DescriptionIsKeptUpTo1024Characters) {
    Load();
    dialog->displayItemBoxes[7].value = true;
    dialog->descriptionBox.text = std::string(1500, 'd');
    dialog->OnDescriptionChanged();
    dialog->OnOk();
    Settings reloaded;  // the longest description loads again
    LoadSettings(store(), reloaded);
    const std::string kept(1024, 'd');
    EXPECT_EQ(std::tuple(settings.description, reloaded.description, store().Shown("Descr")),
              std::tuple(kept, kept, kept));
    dialog->descriptionBox.maxLength = 0;  // a box without a limit keeps everything
    dialog->descriptionBox.text = std::string(1500, 'd');
    dialog->OnDescriptionChanged();
    EXPECT_EQ(dialog->descriptionBox.text.size(), 1500u);
}

TEST_F(OptionsCommit, DefaultScreenSaverTransitions) {
    // nullptr or "<none>": no such value. `isThis`: the box loads checked.
    const std::tuple<const char*, const char*, bool, bool, const char*, const char*> cases[] = {
        {"Logon.scr", nullptr, false, true, "ostrel.scr", "Logon.scr"},  // the old value is kept
        {"ostrel.scr", "Logon.scr", true, false, "Logon.scr", "Logon.scr"},  // and given back
        {nullptr, nullptr, false, true, "ostrel.scr", ""},
        {"ostrel.scr", "", true, false, "", ""},
        {"OSTREL.SCR", nullptr, true, false, "Logon.scr", "<none>"},  // nothing kept: logon saver
        {"ostrel.scr", nullptr, true, true, "ostrel.scr", "<none>"},  // unchanged: untouched
        // Only the bare name is this program.
        {"C:\\Windows\\ostrel.scr", nullptr, false, false, "C:\\Windows\\ostrel.scr", "<none>"},
    };
    for (const auto& [saver, old, isThis, check, saverAfter, oldAfter] : cases) {
        SetUp();
        if (saver != nullptr) {
            store().defaultSaver = saver;
        }
        if (old != nullptr) {
            Store("oldDefaultSS", std::string(old));
        }
        Load();
        const bool loadedChecked = dialog->setAsDefaultBox.value;
        dialog->setAsDefaultBox.value = check;
        dialog->OnOk();
        EXPECT_EQ(std::tuple(loadedChecked, DefaultSaver(), store().Shown("oldDefaultSS"),
                             dialog->wasDefaultSaver),
                  std::tuple(isThis, saverAfter, oldAfter, check))
            << saver;
    }
}

TEST_F(OptionsCommit, CancelAndCloseBoxSaveNothing) {
    Load();
    dialog->setAsDefaultBox.value = true;
    dialog->displayItemBoxes[0].value = false;
    dialog->OnCancel();
    dialog->OnCloseBox();
    EXPECT_EQ(std::tuple(dialog->closed, settings.displayItems, DefaultSaver(),
                         store().Shown("DisplayItems")),
              std::tuple(true, 1151, "<none>", "<none>"));
}

TEST_F(OptionsCommit, AFailingStepIsSkippedAndTheSaveFailureIsModalToTheDialog) {
    dlg().windowCreated = true;
    Load();
    dialog->fontSample.font.sizePoints = 40000.0f;  // too large for the record
    dialog->setAsDefaultBox.value = true;
    dialog->twentyFourHourBox.value = true;
    store().defaultSaverFails = true;
    store().failingWrites = {"FontName", "FontSize", "oldDefaultSS"};
    int pressedAgain = 0;
    win().whileMessageShown = [&] {
        if (pressedAgain++ == 0) {
            dialog->OnOk();  // does nothing under the first commit's message
        }
    };
    dialog->OnOk();
    // Only the save's own message; OK adds none.
    ASSERT_EQ(win().messages.size(), 1u);
    EXPECT_EQ(std::tuple(win().messages[0].text, win().messages[0].ownedByOptions, pressedAgain,
                         settings.fontSizePoints, settings.timeFormat, DefaultSaver(),
                         dialog->wasDefaultSaver, dialog->closed, dlg().windowClosed),
              std::tuple("failed to save configuration to registry", true, 1, 10, 1, "<none>", true,
                         true, 1));
    // Once the first commit is over, OK works again.
    win().whileMessageShown = nullptr;
    dialog->closed = false;
    dialog->OnOk();
    EXPECT_EQ(win().messages.size(), 2u);
}

}  // namespace
}  // namespace ostrel

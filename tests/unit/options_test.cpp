// The settings record as stored, and the options dialog that edits it. Tests
// of the dialog start from the default settings and a fresh dialog, as an
// options start would give them; the layout is checked as a table.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>

#include "fixture.h"
#include "options/links.h"
#include "options/options_dialog.h"
#include "options/options_layout.h"

namespace ostrel {
namespace {

class OptionsTest : public PlatformTest {
  protected:
    // Also called again by tests that open the dialog several times.
    void SetUp() override {
        ResetFakes();
        settings = Settings{};
        dialog.emplace(fakes->services(), &settings);
    }
    // Loads the settings from the fake store and the dialog from them.
    void Load(const std::string& commandLine = "/c") {
        LoadSettings(store(), settings);
        dialog->Load(commandLine);
    }
    std::string DefaultSaver() { return store().defaultSaver.value_or("<none>"); }
    Settings settings;
    std::optional<OptionsDialog> dialog;
};

using SettingsRecord = OptionsTest;

TEST_F(SettingsRecord, MissingUnreadableOrMistypedValuesGiveTheirDefaults) {
    Store("FontName", 7);
    Store("FontSize", std::string("12"));
    store().failingReads = {"DisplayItems", "MoveOption"};
    Store("DisplayItems", 3);
    Store("Descr", std::string("hidden"));  // the default items leave the description out
    LoadSettings(store(), settings);
    EXPECT_EQ(Fields(settings), std::tuple("Verdana", 10, 16777215u, 0u, false, false, false, false,
                                           1151, 0, "", 2, 2, 0));
}

TEST_F(SettingsRecord, TooWideNumbersOverflowAndKeepEarlierFields) {
    Store("FontName", std::string("Arial"));
    Store("DisplayItems", 40000);
    EXPECT_THROW(LoadSettings(store(), settings), Failure);
    EXPECT_EQ(std::tuple(settings.fontName, settings.fontSizePoints, settings.displayItems),
              std::tuple("Arial", 10, 0));
    ResetFakes();
    Store("TimeFormat", 256);
    EXPECT_THROW(LoadSettings(store(), settings), Failure);
}

TEST_F(SettingsRecord, StoredValuesLoadAndSaveBackUnderTheSameNamesAndTypes) {
    // A font size of -3; every font bit but bold's, saved back as the four
    // bits alone; an animation of 7, which is not validated here.
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"FontSize", -3},     {"FontColour", 0x00FF00}, {"BgColour", 255},
        {"FontSettings", -2}, {"DisplayItems", 0x0480}, {"Options", 1},
        {"MoveOption", 7},    {"MoveEBRandom", 10},     {"TimeFormat", 1}};
    for (const auto& [name, number] : numbers) {
        Store(name, number);
    }
    Store("FontName", std::string("Tahoma"));
    Store("Descr", std::string("Build server"));
    LoadSettings(store(), settings);
    EXPECT_EQ(Fields(settings), std::tuple("Tahoma", -3, 0x00FF00u, 255u, false, true, true, true,
                                           0x0480, 1, "Build server", 7, 10, 1));
    ResetFakes();
    SaveSettings(store(), win(), settings);
    Settings again;
    LoadSettings(store(), again);
    EXPECT_EQ(std::tuple(Fields(again), store().values.at("FontSettings"), win().messages.size(),
                         store().values.size()),
              std::tuple(Fields(settings), std::variant<std::int32_t, std::string>(14), 0u, 11u));
}

TEST_F(SettingsRecord, ARefusedWriteIsSkippedAndOnlyTheFirstIsReported) {
    // A later write refused: no message, and the values after it still saved.
    // The first refused: one message, and every later value still saved.
    // A description the display items leave out is saved empty.
    settings.timeFormat = 1;
    settings.description = "typed but hidden";
    for (const std::string refused : {"FontSize", "Descr", "FontName"}) {
        ResetFakes();
        store().failingWrites = {refused};
        SaveSettings(store(), win(), settings);
        EXPECT_EQ(
            std::tuple(store().Shown(refused), store().Shown("FontSettings"),
                       store().Shown("TimeFormat"), win().messages.size(), store().Shown("Descr")),
            std::tuple("<none>", "0", "1", refused == "FontName" ? 1u : 0u,
                       refused == "Descr" ? "<none>" : ""))
            << refused;
    }
    const auto& m = win().messages.at(0);
    EXPECT_EQ(std::tuple(m.text, m.caption, m.icon),
              std::tuple("failed to save configuration to registry", "Ostrel Screen Saver",
                         platform::MessageIcon::Exclamation));
}

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
    // Of Options only bit 0 counts; a MoveOption of -1 is no animation; the
    // slider keeps to its range.
    for (const auto& [name, number] :
         {std::pair("DisplayItems", 0x00C5), std::pair("Options", 2), std::pair("TimeFormat", 3),
          std::pair("FontSettings", 3), std::pair("BgColour", 0x123456),
          std::pair("MoveOption", -1), std::pair("MoveEBRandom", 40)}) {
        Store(name, number);
    }
    Store("Descr", std::string("my box"));
    Store("FontName", std::string());
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
        // Cancel and the close box save nothing.
        dialog->setAsDefaultBox.value = true;
        dialog->displayItemBoxes[0].value = false;
        dialog->OnCancel();
        dialog->OnCloseBox();
        const bool over = line == "/c:1234";
        EXPECT_EQ(
            std::tuple(dialog->displayPropertiesWindow, dlg().moves, dlg().enableCalls,
                       dlg().windowClosed, dialog->closed, settings.displayItems, DefaultSaver(),
                       store().Shown("DisplayItems")),
            std::tuple(over ? 0x3030 : 0,
                       std::vector{over ? std::pair(1800.0, 960.0) : std::pair(4980.0, 2820.0)},
                       over ? Enables{{0x3030, false}, {0x3030, true}} : Enables{}, 1, true, 1151,
                       "<none>", "<none>"))
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

using OptionsCommit = OptionsTest;

TEST_F(OptionsCommit, ControlsGoBackIntoTheRecord) {
    Store("Options", 3);
    Store("DisplayItems", static_cast<std::int32_t>(0xFFFFF800));
    store().defaultSaver = "Logon.scr";  // kept, to be given back when unticked
    Load();
    dialog->setAsDefaultBox.value = true;
    // Every field is changed from what was loaded, so a step OK leaves out shows.
    dialog->displayItemBoxes[3].value = true;
    dialog->displayItemBoxes[9].value = true;
    dialog->displayItemBoxes[6].value = true;  // the network line's, beside the description's
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
                                           true, 0x0248, 1, "", 4, 7, 1));
    EXPECT_EQ(std::tuple(DefaultSaver(), store().Shown("oldDefaultSS")),
              std::tuple("ostrel.scr", "Logon.scr"));
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

using OptionsControls = OptionsTest;

TEST_F(OptionsControls, ChoosersStartOnTheWorkingValuesAndOnlyAChoiceChangesTheSample) {
    dlg().decimalSeparator = ",";
    Load();
    // A size with all the digits a single-precision number holds, each shown.
    dlg().fontAnswer = platform::FontChoice{"Arial", 8.123457f, false, true, true, false, 0xFF};
    dialog->OnSetFont();
    dlg().fontAnswer.reset();
    dialog->OnSetFont();  // cancelled
    dlg().colourAnswer = 0x00FF00;
    dialog->OnSetBackground();
    dlg().colourAnswer.reset();
    dialog->OnSetBackground();  // cancelled
    const auto& fonts = dlg().fontRequests;
    const auto& colours = dlg().colourRequests;
    ASSERT_EQ(fonts.size() + colours.size(), 4u);
    // The font's colour is the text's only: the background chooser starts on black.
    const SampleLabel& sample = dialog->fontSample;
    EXPECT_EQ(
        std::tuple(fonts[0].title, fonts[0].initial.name, fonts[0].initial.colour,
                   fonts[1].initial.name, colours[0].title, colours[0].initial, colours[1].initial,
                   sample.caption, sample.font.strikethrough, sample.foreColour, sample.backColour),
        std::tuple("Specify Display Font...", "Verdana", 0xFFFFFFu, "Arial",
                   "Specify Background Colour...", 0u, 0x00FF00u, "Arial italic 8,123457 point",
                   true, 0xFFu, 0x00FF00u));
}

TEST_F(OptionsControls, DependentControlsFollowTheirMastersAndTheSliderKeepsToItsRange) {
    Load();
    dialog->descriptionBox.text = "kept";
    dialog->displayItemBoxes[7].value = true;
    dialog->OnDisplayItemClicked(7);
    dialog->displayItemBoxes[7].value = false;
    dialog->OnDisplayItemClicked(3);  // other boxes have no dependants
    EXPECT_TRUE(dialog->descriptionBox.enabled);
    dialog->OnDisplayItemClicked(7);
    EXPECT_EQ(std::tuple(dialog->descriptionBox.enabled, dialog->descriptionBox.backColour,
                         dialog->descriptionBox.text),
              std::tuple(false, kSystemColour | 15, "kept"));

    // Only the selected animation shows its panel, in its place.
    auto& panels = dialog->animationPanels;
    panels[4] = {0, 0, false};
    dialog->animationList.listIndex = 4;
    dialog->OnAnimationChosen();
    EXPECT_EQ(std::tuple(std::ranges::count_if(panels, &DescriptionPanel::visible),
                         panels[4].visible, panels[4].left, panels[4].top),
              std::tuple(1, true, 600, 1440));
    Slider low, high;
    SetSliderValue(low, -1);
    SetSliderValue(high, 11);
    EXPECT_EQ(std::pair(low.value, high.value), std::pair(0, 10));
}

using OptionsAbout = OptionsTest;

TEST_F(OptionsAbout, ActivationFillsTheTextsAndPlacesTheLinksAndTheImageHidesACommandLine) {
    Load("/c:4711");
    dialog->OnActivate();
    // 90 twips a character in the fake; a link follows its text after 60 twips.
    const TextLabel& visit = dialog->visitLabel;
    const TextLabel& copyright = dialog->copyrightLabel;
    EXPECT_EQ(std::tuple(visit.caption, visit.width, dialog->websiteLink.left,
                         dialog->websiteLink.top, dialog->websiteLink.width, copyright.width > 0,
                         dialog->emailLink.left, dialog->emailLink.width),
              std::tuple("visit the Ostrel Screen Saver", 29 * 90, visit.left + 29 * 90 + 60,
                         visit.top, 7 * 90, true, copyright.left + copyright.width + 60, 12 * 90));

    // Only a left click with Shift, Ctrl and Alt held toggles the command line.
    const auto click = [&](int button, int shift) {
        dialog->OnIconMouseDown(button, shift);
        return dialog->commandLineLabel.caption;
    };
    EXPECT_EQ((std::vector{click(1, 3), click(2, 7), click(1, 7), click(1, 7), click(1, 7)}),
              (std::vector<std::string>{"", "", "/c:4711", "", "/c:4711"}));
    dialog->OnActivate();  // empties it; the toggle stays on, so the next click hides
    EXPECT_EQ((std::vector{dialog->commandLineLabel.caption, click(1, 7), click(1, 7)}),
              (std::vector<std::string>{"", "", "/c:4711"}));
}

TEST_F(OptionsAbout, LinksOpenUnderTheBusyPointerAndAFailureIsShown) {
    Load();
    dialog->OnActivate();
    dialog->OnWebsiteLink();
    dialog->OnEmailLink();
    shell().openResult = {false, 32};
    dialog->OnEmailLink();
    shell().openResult = {true, 0};
    dialog->OnWebsiteLink();
    // The pointer is a hand over a link only.
    dialog->OnPointerOverLink();
    const MousePointer overLink = dialog->pointer;
    dialog->OnPointerOverBackground();
    EXPECT_EQ(std::pair(overLink, dialog->pointer),
              std::pair(MousePointer::Hand, MousePointer::Default));
    const std::string web = "http://www.example.com/software/OstrelScreenSaver/";
    const std::string mail = "mailto:alex@example.com?subject=Ostrel Screen Saver 1.4.6";
    EXPECT_EQ(std::tuple(shell().opened, dlg().busyPointer),
              std::tuple(std::vector{web, mail, mail, web},
                         std::vector<bool>{true, false, true, false, true, false, true, false}));
    const auto& m = dlg().messages.at(0);
    EXPECT_EQ(std::tuple(m.text, m.caption, m.icon, dlg().messages.size()),
              std::tuple("Error 32 opening link to " + mail +
                             "\r\nCheck that your mail client is correctly installed.",
                         "Ostrel Screen Saver", platform::MessageIcon::Exclamation, 1u));
    // The mail client's text is the one the email link's failure shows.
    EXPECT_EQ(LinkErrorText(2, "http://www.example.com/"),
              "Error 2 opening link to http://www.example.com/\r\nCheck that your browser is "
              "correctly installed.");
    EXPECT_EQ(LinkErrorText(0, "HTTP://WWW.EXAMPLE.COM/"),
              "Error 0 opening link to HTTP://WWW.EXAMPLE.COM/\r\nCheck that your application "
              "handling those files is correctly installed.");
}

using Box = platform::PixelRect;

bool Inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Where a control lies in the client area; a description panel's controls
// lie in their panel, which lies at (600, 1440) in the animation frame.
Box Place(const ControlSpec& c) {
    std::int32_t left = c.left, top = c.top;
    if (c.panel != kNoPanel) {
        left += kAnimationFrameLeft + 600;
        top += kAnimationFrameTop + 1440;
    }
    return {left, top, left + c.width, top + c.height};
}

TEST(OptionsLayout, EachTabCarriesItsControlsInOrder) {
    EXPECT_EQ(std::vector<std::string>(std::begin(kTabCaptions), std::end(kTabCaptions)),
              (std::vector<std::string>{"&Display", "For&mat", "A&nimation", "&Other", "&About"}));
    // Alt and a tab's letter, in either case, finds the tab.
    EXPECT_EQ((std::vector{TabForAccelerator('d'), TabForAccelerator('D'), TabForAccelerator('M'),
                           TabForAccelerator('a'), TabForAccelerator('x'), TabForAccelerator('&')}),
              (std::vector{0, 0, 1, 4, -1, -1}));
    // A tab's captions, each ended by '|', after the id of a control the
    // dialog reads or fills: display check box i is 200 + i, for bit i.
    std::map<int, std::string> captions;
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.id < kIdStatic || (c.caption[0] != '\0' && c.kind != ControlKind::Text)) {
            captions[c.tab] += (c.id < kIdStatic ? std::to_string(c.id) : "") + c.caption + "|";
        }
    }
    EXPECT_EQ(
        captions,
        (std::map<int, std::string>{
            {0,
             "Display Options|207Description|220|200Computer Name|201Current Time|"
             "202Computer Uptime|203Computer Start Time|Memory Usage|"
             "204Committed Bytes (page file)|208Physical Memory|209Virtual Memory|"
             "210Show Percentages|205CPU Usage|206Network Activity|"},
            {1,
             "Time Format|23024 hour format|Display Font|231|232&Background...|"
             "233Set &Font...|"},
            {2,
             "Animation Type|240|241|Multiple Monitors|"
             "242Constrain animation to primary monitor|"},
            {3, "Default Screen Saver|250Set This As Default Screen Saver For All Users|"},
            {4, "260|261|262|263Copyright \xA9 2003-2006|264Alex Example|265|266website|267|"},
            {kAllTabs, "1OK|2Cancel|"}}));
}

TEST(OptionsLayout, EveryControlHasItsOwnIdAndLiesInsideItsFramePageAndTheDialog) {
    const Box client{0, 0, kClientWidthTwips, kClientHeightTwips};
    const Box page{kTabsLeft, kTabsTop, kTabsLeft + kTabsWidth, kTabsTop + kTabsHeight};
    const Box panel = Place({.panel = 0, .width = kPanelWidth, .height = kPanelHeight});
    const auto layout = OptionsLayout();
    std::set<int> ids{kIdTabs};
    for (const ControlSpec& c : layout) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        const Box box = Place(c);
        EXPECT_TRUE(Inside(box, client)) << c.id;
        EXPECT_TRUE(c.tab == kAllTabs ? !Overlap(box, page) : Inside(box, page)) << c.id;
        EXPECT_TRUE(c.panel == kNoPanel || Inside(box, panel)) << c.id;
        // A control that reaches into a frame of its tab lies in it whole,
        // unless it is a frame around that frame; the panels lie in the
        // animation frame. Check boxes stand 240 twips in from their frame.
        std::optional<Box> innermost;
        for (const ControlSpec& f : layout) {
            const Box frame = Place(f);
            if (f.kind == ControlKind::Frame && &f != &c && f.tab == c.tab && Overlap(box, frame) &&
                !Inside(frame, box)) {
                EXPECT_TRUE(Inside(box, frame)) << c.id << " in " << f.caption;
                innermost = innermost && Inside(*innermost, frame) ? innermost : frame;
            }
        }
        EXPECT_TRUE(c.kind != ControlKind::CheckBox || box.left == innermost.value().left + 240)
            << c.id;
        EXPECT_TRUE(std::string(c.caption) != "Animation Type" || Inside(panel, box));
    }
}

TEST(OptionsLayout, NoTwoControlsOfAPageOverlapAndAcceleratorsAreUnique) {
    const auto& layout = OptionsLayout();
    std::set<char> tabLetters;
    for (const char* caption : kTabCaptions) {
        tabLetters.insert(static_cast<char>(std::tolower(std::strchr(caption, '&')[1])));
    }
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (int panel = kNoPanel; panel < 5; ++panel) {
            // What one page shows: its controls, those of every tab, and one panel's.
            std::vector<const ControlSpec*> shown;
            for (const ControlSpec& c : layout) {
                if ((c.tab == tab || c.tab == kAllTabs) &&
                    (c.panel == kNoPanel || c.panel == panel)) {
                    shown.push_back(&c);
                }
            }
            std::set<char> letters = tabLetters;
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const char* amp = std::strchr(shown[i]->caption, '&');
                EXPECT_TRUE(amp == nullptr ||
                            letters.insert(static_cast<char>(std::tolower(amp[1]))).second)
                    << shown[i]->caption << " on tab " << tab;
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    EXPECT_TRUE(shown[i]->kind == ControlKind::Frame ||
                                shown[j]->kind == ControlKind::Frame ||
                                !Overlap(Place(*shown[i]), Place(*shown[j])))
                        << shown[i]->id << " and " << shown[j]->id << " on tab " << tab;
                }
            }
        }
    }
}

}  // namespace
}  // namespace ostrel

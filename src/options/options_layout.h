#pragma once
// What the options dialog is made of: every control with its caption, its
// tab and its place, in twips. The platform layer builds the window from
// this table; the dialog's handlers hold the controls' state.

#include <cstdint>
#include <span>

namespace ostrel {

// Control identifiers. OK and Cancel carry the platform's usual numbers so
// that Enter and Esc press them.
enum OptionsControlId : int {
    kIdOK = 1,
    kIdCancel = 2,
    kIdTabs = 100,
    kIdDisplayItem0 = 200,  // displayItemBoxes(i) is kIdDisplayItem0 + i
    kIdDescription = 220,
    kIdTwentyFourHour = 230,
    kIdFontSample = 231,
    kIdSetBackground = 232,
    kIdSetFont = 233,
    kIdAnimationList = 240,
    kIdBounceRandomness = 241,
    kIdConstrainToPrimary = 242,
    kIdSetAsDefault = 250,
    kIdImage = 260,
    kIdAppName = 261,
    kIdVersion = 262,
    kIdCopyright = 263,
    kIdEmail = 264,
    kIdVisit = 265,
    kIdWebsite = 266,
    kIdCommandLine = 267,
    kIdStatic = 300,  // fixed texts, frames and separators count up from here
};

enum class ControlKind {
    Frame,
    Text,  // a fixed text, word-wrapped
    CheckBox,
    TextBox,
    DropDownList,
    Slider,
    Button,
    DefaultButton,
    Link,  // blue, underlined, clickable, with a hand pointer
    Icon,
    Sample,     // the font sample, drawn in its own font and colours
    Separator,  // an etched horizontal line
};

inline constexpr int kAllTabs = -1;
inline constexpr int kNoPanel = -1;

struct ControlSpec {
    int id = kIdStatic;
    ControlKind kind = ControlKind::Text;
    const char* caption = "";
    int tab = kAllTabs;     // the tab that shows it
    int panel = kNoPanel;   // an animation description panel that holds it
    std::int32_t left = 0;  // in the dialog's client area, or in its panel
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool bold = false;
    const char* toolTip = "";
};

inline constexpr int kTabCount = 5;
inline constexpr const char* kTabCaptions[kTabCount] = {"&Display", "For&mat", "A&nimation",
                                                        "&Other", "&About"};
inline constexpr int kAboutTab = 4;

// The dialog's client area and its tab control.
inline constexpr std::int32_t kClientWidthTwips = 5295;
inline constexpr std::int32_t kClientHeightTwips = 5460;
inline constexpr std::int32_t kTabsLeft = 120;
inline constexpr std::int32_t kTabsTop = 120;
inline constexpr std::int32_t kTabsWidth = 5055;
inline constexpr std::int32_t kTabsHeight = 4755;

// The frame "Animation Type", which the description panels are placed in.
inline constexpr std::int32_t kAnimationFrameLeft = kTabsLeft + 240;
inline constexpr std::int32_t kAnimationFrameTop = kTabsTop + 480;
inline constexpr std::int32_t kPanelWidth = 3915;
inline constexpr std::int32_t kPanelHeight = 1095;

// Every control but the tab control, in tab order.
std::span<const ControlSpec> OptionsLayout();

// The tab whose caption has this accelerator letter (either case), or -1.
int TabForAccelerator(char letter);

}  // namespace ostrel

#include "options/options_layout.h"

#include <array>
#include <cctype>

#include "options/about_texts.h"

namespace ostrel {

namespace {

using K = ControlKind;

// Controls on a tab are placed from the tab control's corner, and those in
// a frame from the frame's corner; these turn both into client positions.
constexpr std::int32_t OnTabX(std::int32_t x) {
    return kTabsLeft + x;
}
constexpr std::int32_t OnTabY(std::int32_t y) {
    return kTabsTop + y;
}

// The first frame of every tab but About.
constexpr std::int32_t kFrameX = OnTabX(240);
constexpr std::int32_t kFrameY = OnTabY(480);
constexpr std::int32_t kFrameWidth = 4575;
// The frame "Memory Usage" inside "Display Options".
constexpr std::int32_t kMemX = kFrameX + 240;
constexpr std::int32_t kMemY = kFrameY + 2040;
// The frame "Display Font" on the Format tab.
constexpr std::int32_t kFontX = kFrameX;
constexpr std::int32_t kFontY = OnTabY(1920);
// The frame "Multiple Monitors" on the Animation tab.
constexpr std::int32_t kMonX = kFrameX;
constexpr std::int32_t kMonY = OnTabY(3480);

constexpr std::int32_t kRow = 255;
constexpr std::int32_t kBoxWidth = 4095;

constexpr int DisplayItemId(int index) {
    return kIdDisplayItem0 + index;
}

constexpr ControlSpec Control(int id, K kind, const char* caption, int tab, std::int32_t left,
                              std::int32_t top, std::int32_t width, std::int32_t height,
                              int panel = kNoPanel, bool bold = false, const char* toolTip = "") {
    return ControlSpec{id, kind, caption, tab, panel, left, top, width, height, bold, toolTip};
}

constexpr std::array kLayout{
    // Display
    Control(kIdStatic + 0, K::Frame, "Display Options", 0, kFrameX, kFrameY, kFrameWidth, 4020),
    Control(kIdStatic + 1, K::Text, "Select information to be displayed:", 0, kFrameX + 120,
            kFrameY + 270, 4335, 225),
    Control(DisplayItemId(7), K::CheckBox, "Description", 0, kFrameX + 240, kFrameY + 615, 1395,
            kRow),
    Control(kIdDescription, K::TextBox, "", 0, kFrameX + 1680, kFrameY + 600, 2535, 285),
    Control(DisplayItemId(0), K::CheckBox, "Computer Name", 0, kFrameX + 240, kFrameY + 990,
            kBoxWidth, kRow),
    Control(DisplayItemId(1), K::CheckBox, "Current Time", 0, kFrameX + 240, kFrameY + 990 + kRow,
            kBoxWidth, kRow),
    Control(DisplayItemId(2), K::CheckBox, "Computer Uptime", 0, kFrameX + 240,
            kFrameY + 990 + 2 * kRow, kBoxWidth, kRow),
    Control(DisplayItemId(3), K::CheckBox, "Computer Start Time", 0, kFrameX + 240,
            kFrameY + 990 + 3 * kRow, kBoxWidth, kRow),
    Control(kIdStatic + 2, K::Frame, "Memory Usage", 0, kMemX, kMemY, kBoxWidth, 1290),
    Control(DisplayItemId(4), K::CheckBox, "Committed Bytes (page file)", 0, kMemX + 240,
            kMemY + 255, 3735, 240),
    Control(DisplayItemId(8), K::CheckBox, "Physical Memory", 0, kMemX + 240, kMemY + 495, 3735,
            240),
    Control(DisplayItemId(9), K::CheckBox, "Virtual Memory", 0, kMemX + 240, kMemY + 735, 3735,
            240),
    Control(DisplayItemId(10), K::CheckBox, "Show Percentages", 0, kMemX + 240, kMemY + 975, 3735,
            240),
    Control(DisplayItemId(5), K::CheckBox, "CPU Usage", 0, kFrameX + 240, kFrameY + 3420, kBoxWidth,
            kRow),
    Control(DisplayItemId(6), K::CheckBox, "Network Activity", 0, kFrameX + 240,
            kFrameY + 3420 + kRow, kBoxWidth, kRow),

    // Format
    Control(kIdStatic + 10, K::Frame, "Time Format", 1, kFrameX, kFrameY, kFrameWidth, 1335),
    Control(kIdTwentyFourHour, K::CheckBox, "24 hour format", 1, kFrameX + 240, kFrameY + 300,
            kBoxWidth, kRow),
    Control(kIdStatic + 11, K::Text,
            "This will cause all times to be displayed in 24 hour format (ie, 15:06:10, instead of "
            "3:06:10 pm).",
            1, kFrameX + 240, kFrameY + 630, kBoxWidth, 600),
    Control(kIdStatic + 12, K::Frame, "Display Font", 1, kFontX, kFontY, kFrameWidth, 1455),
    Control(kIdFontSample, K::Sample, "", 1, kFontX + 240, kFontY + 300, 4095, 495),
    Control(kIdSetBackground, K::Button, "&Background...", 1, kFontX + 1920, kFontY + 900, 1215,
            345),
    Control(kIdSetFont, K::Button, "Set &Font...", 1, kFontX + 3240, kFontY + 900, 1095, 345),

    // Animation
    Control(kIdStatic + 20, K::Frame, "Animation Type", 2, kAnimationFrameLeft, kAnimationFrameTop,
            kFrameWidth, 2895),
    Control(
        kIdStatic + 21, K::Text,
        "Select the type of animation to be used for moving the screen saver text around on the "
        "screen:",
        2, kAnimationFrameLeft + 120, kAnimationFrameTop + 270, 4335, 450),
    Control(kIdStatic + 22, K::Text, "&type", 2, kAnimationFrameLeft + 240,
            kAnimationFrameTop + 1065, 480, 225),
    Control(kIdAnimationList, K::DropDownList, "", 2, kAnimationFrameLeft + 780,
            kAnimationFrameTop + 1020, 2415, 315),
    Control(kIdStatic + 23, K::Text,
            "Text is displayed for several seconds at random places on the screen.", 2, 0, 0,
            kPanelWidth, 495, 0),
    Control(kIdStatic + 24, K::Text,
            "Text slowly moves around the screen, from one random point to antoher.", 2, 0, 0,
            kPanelWidth, 495, 1),
    Control(kIdStatic + 25, K::Text, "bounce randomness", 2, 0, 90, 1680, 225, 2),
    Control(kIdBounceRandomness, K::Slider, "", 2, 1680, 0, 2235, 420, 2),
    Control(kIdStatic + 26, K::Text,
            "Text slowly moves around the screen, bouncing off the sides of the screen.", 2, 0, 540,
            kPanelWidth, 495, 2),
    Control(kIdStatic + 27, K::Text, "Text follows a random path around the screen.", 2, 0, 0,
            kPanelWidth, 495, 3),
    Control(kIdStatic + 28, K::Text, "Text is displayed in the centre of the screen.", 2, 0, 0,
            kPanelWidth, 495, 4),
    Control(kIdStatic + 29, K::Frame, "Multiple Monitors", 2, kMonX, kMonY, kFrameWidth, 735),
    Control(kIdConstrainToPrimary, K::CheckBox, "Constrain animation to primary monitor", 2,
            kMonX + 240, kMonY + 300, kBoxWidth, kRow),

    // Other
    Control(kIdStatic + 30, K::Frame, "Default Screen Saver", 3, kFrameX, kFrameY, kFrameWidth,
            1695),
    Control(kIdSetAsDefault, K::CheckBox, "Set This As Default Screen Saver For All Users", 3,
            kFrameX + 240, kFrameY + 300, kBoxWidth, kRow),
    Control(kIdStatic + 31, K::Text,
            "This will set this screen saver as the default screen saver for all users, and the "
            "screen saver when no user is logged into the console.",
            3, kFrameX + 240, kFrameY + 660, kBoxWidth, 825),

    // About
    Control(kIdImage, K::Icon, "", 4, OnTabX(300), OnTabY(600), 480, 480),
    Control(kIdAppName, K::Text, "", 4, OnTabX(1020), OnTabY(600), 3600, 240, kNoPanel, true),
    Control(kIdVersion, K::Text, "", 4, OnTabX(1020), OnTabY(840), 3600, 225),
    Control(kIdCopyright, K::Text, kCopyrightNotice, 4, OnTabX(300), OnTabY(1320), 0, 225),
    Control(kIdEmail, K::Link, kAuthorName, 4, OnTabX(300), OnTabY(1320), 0, 225, kNoPanel, false,
            kEmailToolTip),
    Control(kIdStatic + 40, K::Text, kRightsLine, 4, OnTabX(300), OnTabY(1560), 4455, 225),
    Control(kIdVisit, K::Text, "", 4, OnTabX(300), OnTabY(1920), 0, 225),
    Control(kIdWebsite, K::Link, "website", 4, OnTabX(300), OnTabY(1920), 0, 225, kNoPanel, false,
            kWebsiteToolTip),
    Control(kIdStatic + 41, K::Separator, "", 4, OnTabX(300), OnTabY(2400), 4455, 30),
    Control(kIdStatic + 42, K::Text, kTermsOfUse, 4, OnTabX(300), OnTabY(2520), 4455, 1215),
    Control(kIdStatic + 43, K::Separator, "", 4, OnTabX(300), OnTabY(3900), 4455, 30),
    Control(kIdCommandLine, K::Text, "", 4, OnTabX(300), OnTabY(4020), 4455, 600),

    // Below the tabs
    Control(kIdOK, K::DefaultButton, "OK", kAllTabs, 2880, 4980, 1095, 345),
    Control(kIdCancel, K::Button, "Cancel", kAllTabs, 4080, 4980, 1095, 345),
};

}  // namespace

std::span<const ControlSpec> OptionsLayout() {
    return kLayout;
}

int TabForAccelerator(char letter) {
    const int wanted = std::tolower(static_cast<unsigned char>(letter));
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (const char* c = kTabCaptions[tab]; c[0] != '\0' && c[1] != '\0'; ++c) {
            if (c[0] == '&' && std::tolower(static_cast<unsigned char>(c[1])) == wanted) {
                return tab;
            }
        }
    }
    return -1;
}

}  // namespace ostrel

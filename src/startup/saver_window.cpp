#include "startup/saver_window.h"

#include <new>

#include "common/app.h"
#include "common/failure.h"
#include "common/numeric.h"
#include "common/random.h"
#include "movement/screen_extremes.h"
#include "options/options_dialog.h"
#include "platform/shell.h"
#include "platform/sysinfo.h"
#include "settings/settings.h"
#include "sources/computer_name.h"
#include "startup/command_line.h"

namespace ostrel {

namespace pf = platform;

namespace {

std::int32_t CheckedDifference(std::int32_t a, std::int32_t b) {
    const std::int64_t d = static_cast<std::int64_t>(a) - b;
    if (d < INT32_MIN || d > INT32_MAX) {
        ThrowOverflow();
    }
    return static_cast<std::int32_t>(d);
}

}  // namespace

void SaverWindow::Load(const std::string& arguments) {
    commandLine = arguments;
    try {
        try {
            SeedRandom(pf::SecondsSinceMidnight());
            computerName = QueryComputerName();
            LoadSettings(settings);
            animation = Animation(settings.animationType, settings.bounceRandomness);
            backColour = settings.backgroundColour;
            pf::SetSaverBackground(backColour);
            cpuSampler = std::make_unique<CpuLoadSampler>();
            StyleLabels();
            screens = FindScreenExtremes();
            Dispatch();
        } catch (const std::bad_alloc&) {
            ThrowOutOfMemory();
        }
    } catch (const Failure& f) {
        pf::ShowMessage(CriticalFailureText("screen saver", f), kAppTitle, pf::kMbIconCritical);
        Close();
        pf::EndProgram();
    }
    // Ticks start only now: a message box shown during start-up must not let
    // them run on a window that is not set up yet.
    if (!closed) {
        pf::StartTicking(tickIntervalMs);
    }
}

void SaverWindow::StyleLabels() {
    // A font the system cannot give leaves the design-time font; each
    // assignment stands on its own.
    const Settings& s = settings;
    for (Label* label : {&infoLabel, &networkLabel}) {
        RunSkippingFailures([&] { SetFontName(*label, s.fontName); },
                            [&] { label->font.bold = s.fontBold; },
                            [&] { label->font.italic = s.fontItalic; },
                            [&] { label->font.strikethrough = s.fontStrikethrough; },
                            [&] { label->font.underline = s.fontUnderline; },
                            [&] { SetFontSize(*label, static_cast<float>(s.fontSizePoints)); },
                            [&] { label->foreColour = s.fontColour; });
    }
}

void SaverWindow::Dispatch() {
    const std::string selector = RunModeSelector(commandLine);
    if (selector == "/S") {
        if (pf::FindWindowTitled(kInstanceTitle) != 0) {
            Close();
            return;
        }
        caption = kInstanceTitle;
        pf::SetSaverCaption(caption);
        SetUpFullScreen();
    } else if (selector == "/P") {
        SetUpPreview();
    } else if (selector.empty() || selector == "/C") {
        ShowOptionsDialog(settings);
        Close();
    } else if (selector == "/A") {
        pf::ChangePassword("SCRSAVE", PasswordParentHandle(commandLine));
        Close();
    } else {
        Close();
    }
}

void SaverWindow::HideLabels() {
    infoLabel.visible = false;
    SetLabelCaption(infoLabel, "");
    networkLabel.visible = false;
    SetLabelCaption(networkLabel, "");
}

void SaverWindow::SetUpFullScreen() {
    previewMode = false;
    HideLabels();
    const pf::PixelRect& e = screens.allMonitors;
    pf::PlaceWindow(pf::SaverWindow(), pf::kHwndTopmost, e.left, e.top,
                    CheckedDifference(e.right, e.left), CheckedDifference(e.bottom, e.top),
                    pf::kSwpShowWindow);
    pf::ChangeCursorVisibility(false);
    // The window always spans every monitor; the option narrows only where
    // the text may go. The area is in the window's own coordinates, which
    // start at the top-left corner of all monitors: a monitor left of or
    // above the primary moves the primary's rectangle into the window.
    const bool constrain = (settings.options & kConstrainToPrimary) != 0;
    const pf::PixelRect& chosen = constrain ? screens.primary : e;
    const double tx = pf::TwipsPerPixelX();
    const double ty = pf::TwipsPerPixelY();
    MovementArea& area = movementArea;
    area.leftTwips = RoundToInt32(tx * CheckedDifference(chosen.left, e.left));
    area.rightTwips = RoundToInt32(tx * CheckedDifference(chosen.right, e.left));
    area.topTwips = RoundToInt32(ty * CheckedDifference(chosen.top, e.top));
    area.bottomTwips = RoundToInt32(ty * CheckedDifference(chosen.bottom, e.top));
}

void SaverWindow::SetUpPreview() {
    bool setUp = false;
    try {
        previewMode = true;
        previewHost = PreviewHostHandle(commandLine);
        pf::ReadClientRect(previewHost, previewRect);
        const auto points = static_cast<float>(RoundToInt16(settings.fontSizePoints / 4.0));
        SetFontSize(infoLabel, points);
        SetFontSize(networkLabel, points);
        const pf::WindowHandle self = pf::SaverWindow();
        // A plain child of the picture: a pop-up inside another program's
        // dialog could take its activation, and its parent would read as
        // an owner.
        windowStyle = (pf::ReadWindowWord(self, pf::kGwlStyle) & ~pf::kWsPopup) | pf::kWsChild;
        pf::WriteWindowWord(self, pf::kGwlStyle, windowStyle);
        pf::ChangeParent(self, previewHost);
        pf::WriteWindowWord(self, pf::kGwlHwndParent, previewHost);
        pf::PlaceWindow(self, pf::kHwndTopmost, 0, 0, previewRect.right, previewRect.bottom,
                        pf::kSwpNoZOrder | pf::kSwpNoActivate | pf::kSwpShowWindow);
        HideLabels();
        movementArea = MovementArea{0, 0, RoundToInt32(pf::TwipsPerPixelX() * previewRect.right),
                                    RoundToInt32(pf::TwipsPerPixelY() * previewRect.bottom)};
        setUp = true;
    } catch (const Failure& f) {
        pf::ShowMessage(StepFailureText("Failed to setup preview mode:", f), kAppTitle, pf::kMbOk);
    }
    // Only the host's going away ends a preview; without a host, or outside
    // it, nothing ever would.
    if (!setUp || !pf::WindowExists(previewHost)) {
        Close();
    }
}

}  // namespace ostrel

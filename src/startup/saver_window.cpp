#include "startup/saver_window.h"

#include <algorithm>
#include <new>

#include "common/app.h"
#include "common/failure.h"
#include "common/numeric.h"
#include "options/options_dialog.h"
#include "platform/shell.h"
#include "platform/sysinfo.h"
#include "settings/settings.h"
#include "sources/computer_name.h"

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

SaverWindow::SaverWindow(pf::Services services) : services(services) {}

void SaverWindow::Load(const pf::RunRequest& runRequest) {
    request = runRequest;
    pf::Windowing& windowing = services.windowing;
    try {
        try {
            random.Seed(pf::SecondsSinceMidnight(services.system), request.seedSalt);
            computerName = QueryComputerName(services.system);
            LoadSettings(services.store, settings);
            animation = Animation(settings.animationType, settings.bounceRandomness);
            backColour = settings.backgroundColour;
            pf::SetSaverBackground(windowing, backColour);
            cpuSampler = std::make_unique<CpuLoadSampler>(services.system);
            StyleLabels();
            screens = pf::ReadMonitorLayout(windowing);
            Dispatch();
        } catch (const std::bad_alloc&) {
            ThrowOutOfMemory();
        }
    } catch (const Failure& f) {
        pf::ShowMessage(windowing, CriticalFailureText("screen saver", f), kAppTitle,
                        pf::MessageIcon::Critical);
        Close();
        pf::EndProgram(windowing);
    }
    // Ticks start only now: a message box shown during start-up must not let
    // them run on a window that is not set up yet.
    if (!closed) {
        pf::StartTicking(windowing, tickIntervalMs);
    }
}

void SaverWindow::StyleLabels() {
    // A font the system cannot give leaves the design-time font; each
    // assignment stands on its own.
    const Settings& s = settings;
    for (Label* label : {&infoLabel, &networkLabel}) {
        RunSkippingFailures([&] { SetFontName(services.windowing, *label, s.fontName); },
                            [&] { label->font.bold = s.fontBold; },
                            [&] { label->font.italic = s.fontItalic; },
                            [&] { label->font.strikethrough = s.fontStrikethrough; },
                            [&] { label->font.underline = s.fontUnderline; },
                            [&] { SetFontSize(*label, static_cast<float>(s.fontSizePoints)); },
                            [&] { label->foreColour = s.fontColour; });
    }
}

void SaverWindow::Dispatch() {
    switch (request.mode) {
        case pf::RunMode::FullScreen:
            if (request.singleInstance &&
                pf::FindWindowTitled(services.windowing, kInstanceTitle) != 0) {
                Close();
                return;
            }
            caption = kInstanceTitle;
            pf::SetSaverCaption(services.windowing, caption);
            SetUpFullScreen();
            break;
        case pf::RunMode::Preview:
            SetUpPreview();
            break;
        case pf::RunMode::Options:
            ShowOptions();
            Close();
            break;
        case pf::RunMode::ChangePassword:
            if (request.windowFailure) {
                throw *request.windowFailure;
            }
            pf::ChangePassword(services.shell, request.window);
            Close();
            break;
        case pf::RunMode::None:
            Close();
            break;
    }
}

void SaverWindow::ShowOptions() {
    optionsDialog = std::make_unique<OptionsDialog>(services, &settings);
    optionsDialog->Open(request.arguments);
}

void SaverWindow::HideLabels() {
    infoLabel.visible = false;
    SetLabelCaption(services.windowing, infoLabel, "");
    networkLabel.visible = false;
    SetLabelCaption(services.windowing, networkLabel, "");
}

void SaverWindow::SetUpFullScreen() {
    pf::Windowing& windowing = services.windowing;
    previewMode = false;
    HideLabels();
    const pf::PixelRect& e = screens.allMonitors;
    // The size must fit the window's own numbers before the window takes it.
    CheckedDifference(e.right, e.left);
    CheckedDifference(e.bottom, e.top);
    pf::CoverDesktop(windowing, e);
    pf::SetPointerVisible(windowing, false);
    SetFullScreenArea();
}

void SaverWindow::SetFullScreenArea() {
    pf::Windowing& windowing = services.windowing;
    const pf::PixelRect& e = screens.allMonitors;
    // The window always spans every monitor; the option narrows only where
    // the text may go. The area is in the window's own coordinates, which
    // start at the top-left corner of all monitors: a monitor left of or
    // above the primary moves the primary's rectangle into the window.
    const bool constrain = (settings.options & kConstrainToPrimary) != 0;
    const pf::PixelRect& chosen = constrain ? screens.primary : e;
    const double tx = pf::TwipsPerPixelX(windowing);
    const double ty = pf::TwipsPerPixelY(windowing);
    MovementArea& area = movementArea;
    area.leftTwips = RoundToInt32(tx * CheckedDifference(chosen.left, e.left));
    area.rightTwips = RoundToInt32(tx * CheckedDifference(chosen.right, e.left));
    area.topTwips = RoundToInt32(ty * CheckedDifference(chosen.top, e.top));
    area.bottomTwips = RoundToInt32(ty * CheckedDifference(chosen.bottom, e.top));
}

void SaverWindow::SetUpPreview() {
    pf::Windowing& windowing = services.windowing;
    bool setUp = false;
    try {
        previewMode = true;
        if (request.windowFailure) {
            throw *request.windowFailure;
        }
        previewHost = request.window;
        pf::ReadClientRect(windowing, previewHost, previewRect);
        // The small picture of a settings dialog gets a quarter of the size;
        // a front end may ask for another share, with a smallest size.
        constexpr double kPreviewQuarter = 0.25;
        const double chosen = settings.fontSizePoints;
        double size = chosen * request.previewTextShare.value_or(kPreviewQuarter);
        if (request.previewTextShare) {
            size = std::max(size, std::min<double>(request.previewSmallestPoints, chosen));
        }
        const auto points = static_cast<float>(RoundToInt16(size));
        SetFontSize(infoLabel, points);
        SetFontSize(networkLabel, points);
        pf::EmbedInPreviewHost(windowing, previewHost, previewRect.right, previewRect.bottom);
        HideLabels();
        SetPreviewArea();
        setUp = true;
    } catch (const Failure& f) {
        pf::ShowMessage(windowing, StepFailureText("Failed to setup preview mode:", f), kAppTitle,
                        pf::MessageIcon::None);
    }
    // Only the host's going away ends a preview; without a host, or outside
    // it, nothing ever would.
    if (!setUp || !pf::WindowExists(windowing, previewHost)) {
        Close();
    }
}

void SaverWindow::SetPreviewArea() {
    pf::Windowing& windowing = services.windowing;
    movementArea =
        MovementArea{0, 0, RoundToInt32(pf::TwipsPerPixelX(windowing) * previewRect.right),
                     RoundToInt32(pf::TwipsPerPixelY(windowing) * previewRect.bottom)};
}

void SaverWindow::OnResized() {
    if (closed) {
        return;
    }
    pf::Windowing& windowing = services.windowing;
    if (previewMode) {
        pf::ReadClientRect(windowing, previewHost, previewRect);
        SetPreviewArea();
    } else {
        screens = pf::ReadMonitorLayout(windowing);
        SetFullScreenArea();
    }
    // The animation's state (a heading, a target) was made for the old
    // area: it starts again, with the block centred in the new one now.
    animation = Animation(settings.animationType, settings.bounceRandomness);
    MoveToCentre(windowing, textBlock, movementArea, ignoredMouseMoves);
    firstTickDone = false;
}

}  // namespace ostrel

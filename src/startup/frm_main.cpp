#include "startup/frm_main.h"

#include <new>

#include "common/app.h"
#include "common/failure.h"
#include "common/global.h"
#include "common/numeric.h"
#include "common/random.h"
#include "movement/multi_monitor.h"
#include "options/frm_options.h"
#include "platform/shell.h"
#include "platform/sysinfo.h"
#include "settings/settings.h"
#include "sources/pc_user_name.h"
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

std::string StepMessage(const char* step, const Failure& f) {
    return std::string(step) + "\r\n[" + std::to_string(f.number) + "] " + f.description;
}

}  // namespace

void FrmMain::Form_Load(const std::string& commandLine) {
    CommandLine = commandLine;
    try {
        try {
            SeedRandom(pf::SecondsSinceMidnight());
            ComputerName = QueryComputerName();
            LoadSettings(G().settings);
            BackColour = G().settings.BgColour;
            pf::SetSaverBackground(BackColour);
            pbStuff.backColour = BackColour;
            G().cpuLoad = std::make_unique<CPULoad>();
            StyleLabels();
            GetScreenExtremes(G().ScreenExtremes, G().PrimaryScreen);
            Dispatch();
        } catch (const std::bad_alloc&) {
            throw Failure{kErrOutOfMemory, "Out of memory", ""};
        }
    } catch (const Failure& f) {
        pf::ShowMessage("Critical Error encountered while loading screen saver: \r" +
                            f.description + " [" + std::to_string(f.number) + "]",
                        kAppTitle, pf::kMbIconCritical);
        Close();
        pf::EndProgram();
    }
}

void FrmMain::StyleLabels() {
    // A font the system cannot give leaves the design-time font; each
    // assignment stands on its own.
    const Settings& s = G().settings;
    for (Label* label : {&lblInfo, &lblNetwork}) {
        RunSkippingFailures([&] { SetFontName(*label, s.FontName); },
                            [&] { label->font.bold = s.FontBold; },
                            [&] { label->font.italic = s.FontItalic; },
                            [&] { label->font.strikethru = s.FontStrikethru; },
                            [&] { label->font.underline = s.FontUnderline; },
                            [&] { SetFontSize(*label, static_cast<float>(s.FontSize)); },
                            [&] { label->foreColour = s.FontColour; });
    }
}

void FrmMain::Dispatch() {
    const std::string selector = RunModeSelector(CommandLine);
    if (selector == "/S") {
        if (pf::FindWindowTitled(kInstanceTitle) != 0) {
            Close();
            return;
        }
        Caption = kInstanceTitle;
        pf::SetSaverCaption(Caption);
        SetupRegularMode();
    } else if (selector == "/P") {
        SetupPreviewMode();
    } else if (selector.empty() || selector == "/C") {
        ShowOptionsForm();
        Close();
    } else if (selector == "/A") {
        pf::ChangePassword("SCRSAVE", PasswordParentHandle(CommandLine));
        Close();
    } else {
        Close();
    }
}

void FrmMain::HideLabels() {
    lblInfo.visible = false;
    SetLabelCaption(lblInfo, "");
    lblNetwork.visible = false;
    SetLabelCaption(lblNetwork, "");
}

void FrmMain::SetupRegularMode() {
    PreviewMode = false;
    HideLabels();
    const ScreenEdges& e = G().ScreenExtremes;
    pf::PlaceWindow(pf::SaverWindow(), pf::kHwndTopmost, e.Left, e.Top,
                    CheckedDifference(e.Right, e.Left), CheckedDifference(e.Bottom, e.Top),
                    pf::kSwpShowWindow);
    pf::ChangeCursorVisibility(false);
    // The window always spans every monitor; the option narrows only where
    // the text may go.
    const bool constrain = (G().settings.Options & kConstrainToPrimary) != 0;
    const ScreenEdges& source = constrain ? G().PrimaryScreen : e;
    const double tx = pf::TwipsPerPixelX();
    const double ty = pf::TwipsPerPixelY();
    MoveBounds& b = G().bounds;
    b.BoundLeft = RoundToInt32(tx * source.Left);
    b.BoundRight = RoundToInt32(tx * source.Right);
    b.BoundTop = RoundToInt32(ty * source.Top);
    b.BoundBottom = RoundToInt32(ty * source.Bottom);
}

void FrmMain::SetupPreviewMode() {
    try {
        PreviewMode = true;
        PreviewParent = GetPreviewHandle(CommandLine);
        pf::ReadClientRect(PreviewParent, PreviewRect);
        const auto points = static_cast<float>(RoundToInt16(G().settings.FontSize / 4.0));
        SetFontSize(lblInfo, points);
        SetFontSize(lblNetwork, points);
        const pf::WindowHandle self = pf::SaverWindow();
        WindowStyle = pf::ReadWindowWord(self, pf::kGwlStyle) | pf::kWsChild;
        pf::WriteWindowWord(self, pf::kGwlStyle, WindowStyle);
        pf::ChangeParent(self, PreviewParent);
        pf::WriteWindowWord(self, pf::kGwlHwndParent, PreviewParent);
        pf::PlaceWindow(self, pf::kHwndTopmost, 0, 0, PreviewRect.right, PreviewRect.bottom,
                        pf::kSwpNoZOrder | pf::kSwpNoActivate | pf::kSwpShowWindow);
        HideLabels();
        MoveBounds& b = G().bounds;
        b.BoundLeft = 0;
        b.BoundRight = RoundToInt32(pf::TwipsPerPixelX() * PreviewRect.right);
        b.BoundTop = 0;
        b.BoundBottom = RoundToInt32(pf::TwipsPerPixelY() * PreviewRect.bottom);
    } catch (const Failure& f) {
        pf::ShowMessage(StepMessage("Failed to setup preview mode:", f), kAppTitle, pf::kMbOk);
    }
}

}  // namespace ostrel

#include "options/frm_options.h"

#include <new>

#include "common/app.h"
#include "common/failure.h"
#include "common/global.h"
#include "common/numeric.h"
#include "movement/dialog_placement.h"
#include "options/about_texts.h"
#include "options/default_saver.h"
#include "options/options_layout.h"
#include "platform/shell.h"
#include "settings/reg_stuff.h"

namespace ostrel {

namespace pf = platform;

namespace {

FrmOptions gForm;

constexpr const char* kDisplayPropertiesTitle = "Display Properties";

constexpr const char* kMovementNames[kMovementCount] = {
    "Random Jumping", "Random Sliding", "Bounce Off Sides", "Random Path", "Stationary in Centre"};

std::string VersionLine() {
    return "version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision) + "  (" + kReleaseDate + ")";
}

TextLabel LabelAt(int id, const char* caption) {
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.id == id) {
            return TextLabel{caption, c.left, c.top, c.width};
        }
    }
    return TextLabel{caption, 0, 0, 0};
}

void CentreOnScreen() {
    double screenWidth = 0, screenHeight = 0, width = 0, height = 0;
    pf::ReadScreenSize(screenWidth, screenHeight);
    pf::ReadOptionsWindowSize(width, height);
    pf::MoveOptionsWindow((screenWidth - width) / 2, (screenHeight - height) / 2);
}

void ReportLoadFailure(FrmOptions& form, const Failure& f) {
    pf::ShowMessage("Critical Error encountered while loading Options form: \r" + f.description +
                        " [" + std::to_string(f.number) + "]",
                    kAppTitle, pf::kMbIconCritical);
    form.Unload();
    pf::EndProgram();
}

}  // namespace

FrmOptions::FrmOptions() {
    // What is saved must load again, and the registry store reads no more
    // than its buffer holds.
    txtDescr.maxLength = kRegReadBufferBytes;
    lblAppName = LabelAt(kIdAppName, "");
    lblVersion = LabelAt(kIdVersion, "");
    lblCopyright = LabelAt(kIdCopyright, kCopyrightNotice);
    lblEmail = LabelAt(kIdEmail, kAuthorName);
    lblVisit = LabelAt(kIdVisit, "");
    lblWebsite = LabelAt(kIdWebsite, "website");
    lblEEgg = LabelAt(kIdEEgg, "");
}

void FrmOptions::Form_Load(const std::string& commandLine) {
    CommandLine = commandLine;
    const Settings& s = G().settings;
    try {
        try {
            Caption = std::string(kAppTitle) + " Setup";
            lblAppName.caption = kAppTitle;
            lblVersion.caption = VersionLine();

            if (UpperCase(commandLine.substr(0, 2)) == "/C") {
                hwndDisplayProps = pf::FindWindowTitled(kDisplayPropertiesTitle);
            }
            if (hwndDisplayProps != 0) {
                // The display settings stay out of reach while their saver is
                // being set up; every way of closing gives them back.
                pf::EnableOtherWindow(hwndDisplayProps, false);
                CentreOverWindow(hwndDisplayProps);
            } else {
                CentreOnScreen();
            }

            cdFont = pf::FontChoice{s.FontName,       static_cast<float>(s.FontSize),
                                    s.FontBold,       s.FontItalic,
                                    s.FontStrikethru, s.FontUnderline,
                                    s.FontColour};
            cdBgColour = s.BgColour;
            ShowSampleFont();

            for (int i = 0; i < kDisplayItemCount; ++i) {
                chkDisplay[i].value = (s.DisplayItems & (1 << i)) != 0;
            }
            chkConstrain.value = (s.Options & kConstrainToPrimary) != 0;
            txtDescr.text = s.Descr;
            chkDisplay_Click(7);

            cboMovement.items.assign(std::begin(kMovementNames), std::end(kMovementNames));
            SelectListIndex(cboMovement, s.MoveOption);
            cboMovement_Click();

            SetSliderValue(sliMoveEBRandom, s.MoveEBRandom);
            sliMoveEBRandom_Change();

            const bool read = ReadDefaultScreenSaver(szCurrentDefaultSS);
            bWasDefaultSS = read && IsThisProgram(szCurrentDefaultSS) ? 1 : 0;
            chkSetAsDefault.value = bWasDefaultSS == 1;

            chk24HrTime.value = (s.TimeFormat & kTime24Hour) != 0;
        } catch (const std::bad_alloc&) {
            throw Failure{kErrOutOfMemory, "Out of memory", ""};
        }
    } catch (const Failure& f) {
        ReportLoadFailure(*this, f);
    }
}

void FrmOptions::Form_Unload() {
    Unloaded = true;
    if (hwndDisplayProps != 0) {
        pf::EnableOtherWindow(hwndDisplayProps, true);
    }
}

void FrmOptions::Unload() {
    if (Unloaded) {
        return;
    }
    Form_Unload();
    pf::CloseOptionsWindow();
}

void FrmOptions::btnCancel_Click() {
    Unload();
}

void FrmOptions::Form_Close() {
    Unload();
}

FrmOptions& OptionsForm() {
    return gForm;
}

void ShowOptionsForm() {
    FrmOptions& form = OptionsForm();
    form = FrmOptions{};
    if (!pf::CreateOptionsWindow()) {
        ReportLoadFailure(form, Failure{kErrOutOfMemory, "Out of memory", ""});
        return;
    }
    form.Form_Load(pf::ProgramArguments());
    if (!form.Unloaded) {
        pf::ShowOptionsWindow();
    }
}

}  // namespace ostrel

#include "options/options_dialog.h"

#include <new>

#include "common/app.h"
#include "common/failure.h"
#include "common/numeric.h"
#include "movement/dialog_placement.h"
#include "options/about_texts.h"
#include "options/default_saver.h"
#include "options/options_layout.h"
#include "platform/settings_store.h"

namespace ostrel {

namespace pf = platform;

namespace {

constexpr const char* kDisplayPropertiesTitle = "Display Properties";

constexpr const char* kMovementNames[kAnimationCount] = {
    "Random Jumping", "Random Sliding", "Bounce Off Sides", "Random Path", "Stationary in Centre"};

std::string VersionLine() {
    return std::string("version ") + kVersionText + "  (" + kReleaseDate + ")";
}

TextLabel LabelAt(int id, const char* caption) {
    for (const ControlSpec& c : OptionsLayout()) {
        if (c.id == id) {
            return TextLabel{caption, c.left, c.top, c.width};
        }
    }
    return TextLabel{caption, 0, 0, 0};
}

void CentreOnScreen(pf::Dialogs& dialogs) {
    double screenWidth = 0, screenHeight = 0, width = 0, height = 0;
    pf::ReadScreenSize(dialogs, screenWidth, screenHeight);
    pf::ReadOptionsWindowSize(dialogs, width, height);
    pf::MoveOptionsWindow(dialogs, (screenWidth - width) / 2, (screenHeight - height) / 2);
}

void ReportLoadFailure(OptionsDialog& dialog, const Failure& f) {
    pf::ShowMessage(dialog.services.windowing, CriticalFailureText("Options form", f), kAppTitle,
                    pf::MessageIcon::Critical);
    dialog.Close();
    pf::EndProgram(dialog.services.windowing);
}

}  // namespace

OptionsDialog::OptionsDialog(pf::Services services, Settings* record)
    : services(services), settings(record) {
    // What is saved must load again.
    descriptionBox.maxLength = kLongestStoredTextBytes;
    appNameLabel = LabelAt(kIdAppName, "");
    versionLabel = LabelAt(kIdVersion, "");
    copyrightLabel = LabelAt(kIdCopyright, kCopyrightNotice);
    emailLink = LabelAt(kIdEmail, kAuthorName);
    visitLabel = LabelAt(kIdVisit, "");
    websiteLink = LabelAt(kIdWebsite, "website");
    commandLineLabel = LabelAt(kIdCommandLine, "");
}

void OptionsDialog::Load(const std::string& arguments) {
    commandLine = arguments;
    const Settings& s = *settings;
    try {
        try {
            caption = kOptionsCaption;
            appNameLabel.caption = kAppTitle;
            versionLabel.caption = VersionLine();

            if (UpperCase(arguments.substr(0, 2)) == "/C") {
                displayPropertiesWindow =
                    pf::FindWindowTitled(services.windowing, kDisplayPropertiesTitle);
            }
            if (displayPropertiesWindow != 0) {
                // The display settings stay out of reach while their saver is
                // being set up; every way of closing gives them back.
                pf::EnableOtherWindow(services.dialogs, displayPropertiesWindow, false);
                CentreOverWindow(services.dialogs, services.windowing, displayPropertiesWindow);
            } else {
                CentreOnScreen(services.dialogs);
            }

            workingFont = pf::FontChoice{s.fontName,          static_cast<float>(s.fontSizePoints),
                                         s.fontBold,          s.fontItalic,
                                         s.fontStrikethrough, s.fontUnderline,
                                         s.fontColour};
            workingBackColour = s.backgroundColour;
            ShowFontSample();

            for (int i = 0; i < kDisplayItemCount; ++i) {
                displayItemBoxes[i].value = (s.displayItems & (1 << i)) != 0;
            }
            constrainToPrimaryBox.value = (s.options & kConstrainToPrimary) != 0;
            descriptionBox.text = s.description;
            OnDisplayItemClicked(kDescriptionItem);

            animationList.items.assign(std::begin(kMovementNames), std::end(kMovementNames));
            SelectListIndex(animationList, s.animationType);
            OnAnimationChosen();

            SetSliderValue(bounceRandomnessSlider, s.bounceRandomness);
            OnBounceRandomnessChanged();

            const pf::StoredText current = pf::ReadDefaultSaver(services.store);
            previousDefaultSaver = current.ok() ? current.value : "";
            wasDefaultSaver = current.ok() && IsThisProgram(previousDefaultSaver);
            setAsDefaultBox.value = wasDefaultSaver;

            twentyFourHourBox.value = (s.timeFormat & kTime24Hour) != 0;
        } catch (const std::bad_alloc&) {
            ThrowOutOfMemory();
        }
    } catch (const Failure& f) {
        ReportLoadFailure(*this, f);
    }
}

void OptionsDialog::OnClose() {
    closed = true;
    if (displayPropertiesWindow != 0) {
        pf::EnableOtherWindow(services.dialogs, displayPropertiesWindow, true);
    }
}

void OptionsDialog::Close() {
    if (closed) {
        return;
    }
    OnClose();
    pf::CloseOptionsWindow(services.dialogs);
}

void OptionsDialog::OnCancel() {
    Close();
}

void OptionsDialog::OnCloseBox() {
    Close();
}

void OptionsDialog::Open(const std::string& arguments) {
    if (!pf::CreateOptionsWindow(services.dialogs, *this)) {
        ReportLoadFailure(*this, Failure{kErrOutOfMemory, "Out of memory", ""});
        return;
    }
    Load(arguments);
    if (!closed) {
        pf::ShowOptionsWindow(services.dialogs);
    }
}

}  // namespace ostrel

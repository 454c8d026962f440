#pragma once
// The options dialog: its members, its controls and its handlers. The
// front end owns the real window and calls the handlers; everything the
// dialog decides happens here.

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "options/option_controls.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/windowing.h"
#include "settings/settings.h"

namespace ostrel {

inline constexpr int kDisplayItemCount = 11;
inline constexpr int kAnimationCount = 5;
// The display check box of the description line: check box i shows bit i.
inline constexpr int kDescriptionItem =
    std::countr_zero(static_cast<std::uint16_t>(kShowDescription));

enum class MousePointer { Default, Hand };

struct OptionsDialog {
    // What the dialog asks of the platform.
    platform::Services services;
    // The record the dialog loads from and OK saves; it outlives the dialog.
    Settings* settings = nullptr;

    std::string caption;
    platform::WindowHandle displayPropertiesWindow = 0;
    bool wasDefaultSaver = false;
    std::string previousDefaultSaver;
    std::string mailSubject;
    bool showingCommandLine = false;
    std::string commandLine;
    MousePointer pointer = MousePointer::Default;
    bool closed = false;

    // Working font and background, held by the two choosers.
    platform::FontChoice workingFont;
    std::uint32_t workingBackColour = 0;

    // Controls.
    int currentTab = 0;  // the tab shown
    std::array<CheckBox, kDisplayItemCount> displayItemBoxes;
    TextBox descriptionBox;
    CheckBox twentyFourHourBox;
    SampleLabel fontSample;
    ComboBox animationList;
    std::array<DescriptionPanel, kAnimationCount> animationPanels;
    Slider bounceRandomnessSlider;
    CheckBox constrainToPrimaryBox;
    CheckBox setAsDefaultBox;
    TextLabel appNameLabel;
    TextLabel versionLabel;
    TextLabel copyrightLabel;
    TextLabel emailLink;
    TextLabel visitLabel;
    TextLabel websiteLink;
    TextLabel commandLineLabel;

    // A dialog over the settings record it loads from and saves to.
    OptionsDialog(platform::Services services, Settings* record);

    // Creates the options window, loads the dialog and shows it, modeless and
    // without an owner; a window that cannot be made is reported as a load
    // failure.
    void Open(const std::string& arguments);
    // Fills the dialog from the Settings record; a failure is critical and
    // ends the program. The window exists (hidden) when this runs.
    void Load(const std::string& arguments);
    // Every activation refreshes the About tab's computed texts.
    void OnActivate();
    // Runs on every way of closing.
    void OnClose();
    // Runs the close handler and closes the window, once.
    void Close();

    // Commit and cancel.
    void OnOk();
    void OnCancel();
    void OnCloseBox();  // the window's close box

    // Live controls.
    void OnDisplayItemClicked(int index);
    void OnDescriptionChanged();
    void OnAnimationChosen();
    void OnBounceRandomnessChanged();

    // Font and colour.
    void OnSetFont();
    void OnSetBackground();
    void ShowFontSample();

    // About tab.
    void OnWebsiteLink();
    void OnEmailLink();
    void OnPointerOverLink();        // over either link
    void OnPointerOverBackground();  // or over the tab control
    void OnIconMouseDown(int button, int shift);

  private:
    void UpdateDefaultScreenSaver();

    bool committing_ = false;
};

}  // namespace ostrel

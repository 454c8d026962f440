#pragma once
// The options dialog: its members, its controls and its handlers. The
// platform layer owns the real window and calls the handlers; everything the
// dialog decides happens here.

#include <array>
#include <cstdint>
#include <string>

#include "options/option_controls.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"

namespace ostrel {

inline constexpr int kDisplayItemCount = 11;
inline constexpr int kMovementCount = 5;

enum class MousePointer { Default, Hand };

struct FrmOptions {
    std::string Caption;

    // Members.
    platform::WindowHandle hwndDisplayProps = 0;
    std::uint8_t bWasDefaultSS = 0;
    std::string szCurrentDefaultSS;
    std::string szMailSubject;
    bool bShowCommandLine = false;
    std::string CommandLine;
    MousePointer Pointer = MousePointer::Default;
    bool Unloaded = false;

    // Working font and background, held by the two choosers.
    platform::FontChoice cdFont;
    std::uint32_t cdBgColour = 0;

    // Controls.
    int SSTab1 = 0;  // the tab shown
    std::array<CheckBox, kDisplayItemCount> chkDisplay;
    TextBox txtDescr;
    CheckBox chk24HrTime;
    SampleLabel lblFontSample;
    ComboBox cboMovement;
    std::array<DescriptionPanel, kMovementCount> picMoveOptions;
    Slider sliMoveEBRandom;
    CheckBox chkConstrain;
    CheckBox chkSetAsDefault;
    TextLabel lblAppName;
    TextLabel lblVersion;
    TextLabel lblCopyright;
    TextLabel lblEmail;
    TextLabel lblVisit;
    TextLabel lblWebsite;
    TextLabel lblEEgg;

    FrmOptions();

    // Fills the dialog from the Settings record; a failure is critical and
    // ends the program. The window exists (hidden) when this runs.
    void Form_Load(const std::string& commandLine);
    // Every activation refreshes the About tab's computed texts.
    void Form_Activate();
    // Runs on every way of closing.
    void Form_Unload();
    // Unloads the form and closes its window, once.
    void Unload();

    // Commit and cancel.
    void btnOK_Click();
    void btnCancel_Click();
    void Form_Close();  // the window's close box

    // Live controls.
    void chkDisplay_Click(int index);
    void txtDescr_Change();
    void cboMovement_Click();
    void sliMoveEBRandom_Change();

    // Font and colour.
    void btnSetFont_Click();
    void btnSetBgColour_Click();
    void ShowSampleFont();

    // About tab.
    void lblWebsite_Click();
    void lblEmail_Click();
    void Link_MouseMove();  // over either link
    void Form_MouseMove();  // over the dialog's background or the tab control
    void Image_MouseDown(int button, int shift);

  private:
    void UpdateDefaultScreenSaver();
};

// The one options form of the process.
FrmOptions& OptionsForm();

// Creates, loads and shows the options dialog, modeless and without an owner.
void ShowOptionsForm();

}  // namespace ostrel

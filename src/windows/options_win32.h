#pragma once
// What the options window's Win32 files share: its fonts and brushes, the
// building of its controls from the layout table, and showing the dialog's
// state in them.

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/windowing.h"
#include "windows/gdi.h"

namespace ostrel {
struct OptionsDialog;
}

namespace ostrel::win32 {

// The options window's own drawing objects and what it last showed.
struct OptionsControls {
    FontObject font;
    FontObject boldFont;
    FontObject linkFont;
    FontObject sampleFont;
    platform::TextFont sampleFontShown;
    BrushObject sampleBrush;
    std::uint32_t sampleBrushColour = 0;
    HWND toolTips = nullptr;  // destroyed with the dialog
    std::string sliderTipShown;
    // True while ShowDialogState writes to the controls, so that their
    // change notifications are not taken for the user's.
    bool showing = false;
};

// The dialog's font, Tahoma 8.25 pt, plain or bold; made on first use.
HFONT DialogFont(OptionsControls& controls, bool bold);

// Creates every control of the layout table and the tool tips, and sizes
// the dialog's client area.
void BuildOptionsControls(HWND dlg, HINSTANCE instance, OptionsControls& controls);

// Shows the dialog's state in the window's controls.
void ShowDialogState(HWND dlg, const OptionsDialog& dialog, OptionsControls& controls);

// Reads a control that the user changed back into the dialog.
void ReadControl(HWND dlg, int id, OptionsDialog& dialog);

// Colours of the text box, the font sample and the links.
HBRUSH ControlColour(HWND ctl, HDC dc, const OptionsDialog& dialog, OptionsControls& controls);

// Frees the fonts, brushes and tool tips of the window.
void ReleaseOptionsResources(OptionsControls& controls);

}  // namespace ostrel::win32

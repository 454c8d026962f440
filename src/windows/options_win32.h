#pragma once
// What the options window's Win32 files share: its fonts and brushes, the
// building of its controls from the layout table, and showing the dialog's
// state in them.

#include <windows.h>

namespace ostrel {
struct OptionsDialog;
}

namespace ostrel::win32 {

// Twips to pixels at the screen's resolution.
int PixelsX(double twips);
int PixelsY(double twips);

// The dialog's font, Tahoma 8.25 pt, plain or bold; made on first use.
HFONT DialogFont(bool bold);

// Creates every control of the layout table and the tool tips, and sizes
// the dialog's client area.
void BuildOptionsControls(HWND dlg);

// Shows the dialog's state in the window's controls.
void ShowDialogState(HWND dlg, const OptionsDialog& dialog);

// Reads a control that the user changed back into the dialog; true when the
// control belongs to the dialog's state.
void ReadControl(HWND dlg, int id, OptionsDialog& dialog);

// Colours of the text box, the font sample and the links.
HBRUSH ControlColour(HWND ctl, HDC dc, const OptionsDialog& dialog);

// Frees the fonts, brushes and tool tips of the window.
void ReleaseOptionsResources();

// True while ShowDialogState writes to the controls, so that their change
// notifications are not taken for the user's.
bool ShowingDialogState();

}  // namespace ostrel::win32

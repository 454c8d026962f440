#pragma once
// The options window and what it needs from the system: its own placement,
// the window it was opened from, text measurement, the font and colour
// choosers, and the mouse pointer. The program's OptionsDialog holds the
// state of every control; the front end builds the real window, reports each
// event to the dialog's handlers and shows the dialog's state again after
// each one.

#include <cstdint>
#include <string>

#include "platform/services.h"
#include "platform/windowing.h"

namespace ostrel {
struct OptionsDialog;
}

namespace ostrel::platform {

// Creates the options window hidden, with all its controls, for this
// dialog; false when it cannot be made.
bool CreateOptionsWindow(Dialogs& dialogs, OptionsDialog& dialog);
// Shows the options window as the dialog describes it and activates it.
void ShowOptionsWindow(Dialogs& dialogs);
// Destroys the options window; the dialog has already run its close handler.
void CloseOptionsWindow(Dialogs& dialogs);

// The options window's outer size, and moving it, in twips of the desktop.
void ReadOptionsWindowSize(Dialogs& dialogs, double& widthTwips, double& heightTwips);
void MoveOptionsWindow(Dialogs& dialogs, double leftTwips, double topTwips);

// The primary screen's size in twips.
void ReadScreenSize(Dialogs& dialogs, double& widthTwips, double& heightTwips);

// Another program's window, found by its title.
void EnableOtherWindow(Dialogs& dialogs, WindowHandle window, bool enable);
// False, leaving `rect` as it was, when the window cannot be read.
bool ReadWindowRect(Dialogs& dialogs, WindowHandle window, PixelRect& rect);

// Width in twips of a one-line text in the dialog's font (Tahoma 8.25 pt).
double TextWidthTwips(Dialogs& dialogs, const std::string& text, bool bold);

// The user's decimal separator.
std::string DecimalSeparator(Dialogs& dialogs);

// A message box owned by the options window.
void ShowOptionsMessage(Dialogs& dialogs, const std::string& text, const std::string& caption,
                        MessageIcon icon);

// The whole screen's pointer: the busy pointer, or back to the default.
void SetBusyPointer(Dialogs& dialogs, bool busy);

struct FontChoice {
    std::string name;
    float sizePoints = 0.0f;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;
    std::uint32_t colour = 0;  // 0x00BBGGRR

    bool operator==(const FontChoice&) const = default;
};

// Modal choosers owned by the options window. `font` and `colour` hold the
// initial selection and, when the user confirms (true), the choice. The
// font chooser offers the screen's fonts that exist, with their effects
// (strike-through, underline, colour) and no script choice; the colour
// chooser starts on the given colour.
bool ChooseFontFor(Dialogs& dialogs, const std::string& title, FontChoice& font);
bool ChooseColourFor(Dialogs& dialogs, const std::string& title, std::uint32_t& colour);

}  // namespace ostrel::platform

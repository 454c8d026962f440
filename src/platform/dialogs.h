#pragma once
// The options window and what it needs from the system: its own placement,
// the window it was opened from, text measurement, the font and colour
// choosers, and the mouse pointer. The core's OptionsDialog holds the state of
// every control; the platform builds the real window, reports each event to
// the dialog's handlers and shows the dialog's state again after each one.

#include <cstdint>
#include <string>

#include "platform/windowing.h"

namespace ostrel::platform {

// Creates the options window hidden, with all its controls; false when it
// cannot be made.
bool CreateOptionsWindow();
// Shows the options window as the dialog describes it and activates it.
void ShowOptionsWindow();
// Destroys the options window; the dialog has already run its unload handler.
void CloseOptionsWindow();

// The options window's outer size, and moving it, in twips of the desktop.
void ReadOptionsWindowSize(double& widthTwips, double& heightTwips);
void MoveOptionsWindow(double leftTwips, double topTwips);

// The primary screen's size in twips.
void ReadScreenSize(double& widthTwips, double& heightTwips);

// Another program's window, found by its title.
void EnableOtherWindow(WindowHandle window, bool enable);
// False, leaving `rect` as it was, when the window cannot be read.
bool ReadWindowRect(WindowHandle window, PixelRect& rect);

// Width in twips of a one-line text in the dialog's font (Tahoma 8.25 pt).
double TextWidthTwips(const std::string& text, bool bold);

// The user's decimal separator.
std::string DecimalSeparator();

// A message box owned by the options window.
int ShowOptionsMessage(const std::string& text, const std::string& caption, std::uint32_t style);

// The whole screen's pointer: the busy pointer, or back to the default.
void SetBusyPointer(bool busy);

// The font chooser's flags the dialog asks for.
inline constexpr std::uint32_t kCfScreenFonts = 0x00000001;
inline constexpr std::uint32_t kCfEffects = 0x00000100;
inline constexpr std::uint32_t kCfForceFontExist = 0x00010000;
inline constexpr std::uint32_t kCfNoScriptSel = 0x00800000;
// The colour chooser's flag to start on the given colour.
inline constexpr std::uint32_t kCcRgbInit = 0x00000001;

struct FontChoice {
    std::string name;
    float sizePoints = 0.0f;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;
    std::uint32_t colour = 0;  // 0x00BBGGRR
};

// Modal choosers owned by the options window. `font` and `colour` hold the
// initial selection and, when the user confirms (true), the choice.
bool ChooseFontFor(const std::string& title, std::uint32_t flags, FontChoice& font);
bool ChooseColourFor(const std::string& title, std::uint32_t flags, std::uint32_t& colour);

}  // namespace ostrel::platform

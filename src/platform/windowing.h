#pragma once
// The saver window, its drawing and text, messages, and the monitors.
// Another program's window is a plain number here; 0 is none.

#include <cstdint>
#include <string>

#include "platform/services.h"

namespace ostrel::platform {

using WindowHandle = std::int64_t;

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const PixelRect&) const = default;
};

// A font as the program describes it.
struct TextFont {
    std::string name = "Verdana";
    float sizePoints = 9.75f;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;

    bool operator==(const TextFont&) const = default;
};

struct TextSize {
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
};

// The icon of a message box.
enum class MessageIcon { None, Critical, Exclamation };

// Lines inside the program's texts are separated by this one character;
// each front end turns it into its own line ends where it draws or prints.
inline constexpr char kLineSeparator = '\r';

// The size of a text in a font; kLineSeparator breaks lines. An empty text
// is one line high and has no width.
TextSize MeasureText(Windowing& windowing, const TextFont& font, const std::string& text);
bool FontExists(Windowing& windowing, const std::string& faceName);

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kPointsPerInch = 72.0;

// The screen's resolution: twips (1/1440 inch) per pixel across and down.
double TwipsPerPixelX(Windowing& windowing);
double TwipsPerPixelY(Windowing& windowing);

// The saver window's parts that are drawn.
enum class SaverPart { InfoLabel, NetworkLabel, TextBlock, Window };

// Marks a part whose look changed for drawing (only its own area); with
// `now` the part's pending drawing is done at once.
void RedrawPart(Windowing& windowing, SaverPart part, bool now);
// Resizes the text panel to a size in twips.
void ResizeTextBlock(Windowing& windowing, std::int32_t widthTwips, std::int32_t heightTwips);
// Moves the text panel inside the saver window to a position in twips.
void MoveTextBlock(Windowing& windowing, float leftTwips, float topTwips);

// Shows a message and waits until the user has seen it: a modal box owned
// by the options window while that is open and by the saver window
// otherwise, or a line where nobody can click a box.
void ShowMessage(Windowing& windowing, const std::string& text, const std::string& caption,
                 MessageIcon icon);

// The saver window: created hidden before the program's start-up runs.
void SetSaverCaption(Windowing& windowing, const std::string& caption);
// Background colour (0x00BBGGRR) of the saver window and its text panel.
void SetSaverBackground(Windowing& windowing, std::uint32_t colour);
// Full screen: the saver window covers this desktop rectangle, above every
// other window, and is shown.
void CoverDesktop(Windowing& windowing, const PixelRect& desktopRect);
// Preview: the saver window becomes a plain child of the host window that
// fills its client area of this size, and is shown without activation.
void EmbedInPreviewHost(Windowing& windowing, WindowHandle host, std::int32_t widthPixels,
                        std::int32_t heightPixels);
// Hides the pointer while the saver runs, and shows it again.
void SetPointerVisible(Windowing& windowing, bool visible);
// Destroys the saver window; the program has already run its close handler.
void DestroySaverWindow(Windowing& windowing);
// Ends the whole program at once, after a failure at start-up.
void EndProgram(Windowing& windowing);

// Starts the saver window's periodic tick: the first one at once, then one
// every interval.
void StartTicking(Windowing& windowing, std::int32_t intervalMs);

// Whether the system reports a pointer movement when the text block moves
// under a resting pointer. Where it does, the saver must not count those
// movements towards ending; where it does not, there is nothing to ignore.
bool ReportsPointerMovesOfMovingBlock(Windowing& windowing);

// Other programs' windows.
WindowHandle FindWindowTitled(Windowing& windowing, const std::string& title);
bool WindowExists(Windowing& windowing, WindowHandle window);
// The client area of a window (left and top are 0); false, leaving `rect`
// as it was, when the window cannot be read.
bool ReadClientRect(Windowing& windowing, WindowHandle window, PixelRect& rect);

// The monitors, in desktop pixels: the rectangle that spans all of them and
// the primary one's. A front end that cannot tell answers the whole screen
// for both.
struct MonitorLayout {
    PixelRect allMonitors;
    PixelRect primary;

    bool operator==(const MonitorLayout&) const = default;
};
MonitorLayout ReadMonitorLayout(Windowing& windowing);

}  // namespace ostrel::platform

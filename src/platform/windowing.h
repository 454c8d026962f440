#pragma once
// Windows, input and monitors. Handles are plain numbers here; 0 is none.

#include <cstdint>
#include <string>

namespace ostrel::platform {

using WindowHandle = std::int64_t;
using MonitorHandle = std::uint64_t;

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Message box styles and the window-placement constants the program uses.
inline constexpr std::uint32_t kMbOk = 0;
inline constexpr std::uint32_t kMbIconCritical = 16;
inline constexpr std::uint32_t kMbIconExclamation = 48;

inline constexpr WindowHandle kHwndTopmost = -1;
inline constexpr std::uint32_t kSwpNoZOrder = 0x0004;
inline constexpr std::uint32_t kSwpNoActivate = 0x0010;
inline constexpr std::uint32_t kSwpShowWindow = 0x0040;

inline constexpr int kGwlStyle = -16;
inline constexpr int kGwlHwndParent = -8;
inline constexpr std::int32_t kWsChild = 0x40000000;
inline constexpr std::int32_t kWsPopup = static_cast<std::int32_t>(0x80000000u);

inline constexpr std::uint32_t kDisplayDeviceAttachedToDesktop = 1;
inline constexpr std::uint32_t kDisplayDeviceMirroringDriver = 8;
inline constexpr std::int32_t kEnumCurrentSettings = -1;
inline constexpr std::int32_t kEnumRegistrySettings = -2;

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

// The size of a text in a font; carriage returns break lines. An empty
// text is one line high and has no width.
TextSize MeasureText(const TextFont& font, const std::string& text);

// The saver window's parts that are drawn.
enum class SaverPart { InfoLabel, NetworkLabel, TextBlock, Window };

// Marks a part whose look changed for drawing (only its own area); with
// `now` the part's pending drawing is done at once.
void RedrawPart(SaverPart part, bool now);

// Resizes the text panel to a size in twips.
void ResizeTextBlock(std::int32_t widthTwips, std::int32_t heightTwips);

// Shows a modal message box, owned by the options window while that is open
// and by the saver window otherwise; answers the button pressed.
int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t style);

// The saver window, created hidden before its load handler runs.
WindowHandle SaverWindow();
void SetSaverCaption(const std::string& caption);
// Background colour (0x00BBGGRR) of the saver window and its text panel.
void SetSaverBackground(std::uint32_t colour);
// Destroys the saver window; the core has already run its unload handlers.
void DestroySaverWindow();
// Ends the whole program at once.
void EndProgram();

// Starts the saver window's periodic tick: the first one at once, then one
// every interval.
void StartTicking(std::int32_t intervalMs);

WindowHandle FindWindowTitled(const std::string& title);
bool WindowExists(WindowHandle window);
bool PlaceWindow(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                 std::int32_t cx, std::int32_t cy, std::uint32_t flags);
// Answers the new display count.
int ChangeCursorVisibility(bool show);
bool ReadClientRect(WindowHandle window, PixelRect& rect);
std::int32_t ReadWindowWord(WindowHandle window, int index);
std::int64_t WriteWindowWord(WindowHandle window, int index, std::int64_t value);
WindowHandle ChangeParent(WindowHandle child, WindowHandle parent);

double TwipsPerPixelX();
double TwipsPerPixelY();

// Moves the text panel inside the saver window to a position in twips.
void MoveTextBlock(float leftTwips, float topTwips);

// Monitors.
PixelRect DesktopWindowRect();

struct DisplayDevice {
    std::string name;
    std::uint32_t stateFlags = 0;
};
// False when no device has this index.
bool EnumerateDisplayDevice(std::uint32_t index, DisplayDevice& device);

struct DisplaySettings {
    std::int32_t positionX = 0;
    std::int32_t positionY = 0;
};
// Fills `settings` only on success.
bool ReadDisplaySettings(const std::string& deviceName, std::int32_t mode,
                         DisplaySettings& settings);
// The monitor at a desktop point, or 0 when there is none.
MonitorHandle MonitorAtPoint(std::int32_t x, std::int32_t y);
bool ReadMonitorRect(MonitorHandle monitor, PixelRect& rect);

// Fonts.
bool FontExists(const std::string& faceName);

}  // namespace ostrel::platform

#pragma once
// The command line of the X11 program: where to draw, as XScreenSaver runs
// its display programs, the options every XScreenSaver display program
// takes, and settings that stand in for the stored ones for this run.
// Arguments come from outside the program: each is checked, and one that
// cannot be read is told in `warnings` and leaves that option at its
// default. XScreenSaver restarts a display program that ends, so nothing
// read here ends the program except a request for help.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

enum class DrawTarget {
    Unchosen,  // XScreenSaver's window when it names one, else a window of its own
    Root,      // the root window (or the window XScreenSaver names)
    OwnWindow,
    WindowId,
};

// Bits of a stored number that the command line sets or clears; a whole
// value replaces what was stored first.
struct BitChanges {
    std::optional<std::uint32_t> whole;
    std::uint32_t set = 0;
    std::uint32_t cleared = 0;

    void Set(std::uint32_t bits);
    void Clear(std::uint32_t bits);
    void Replace(std::uint32_t value);
    std::uint32_t AppliedTo(std::uint32_t stored) const;
    bool Any() const { return whole.has_value() || set != 0 || cleared != 0; }
};

// Settings given on the command line, in the stored values' own terms.
// Colours stay as they were written: the X server's colour database names
// them, and a name it does not know is told where it is looked up.
struct SettingsChanges {
    std::optional<std::string> fontName;     // FontName
    std::optional<std::int32_t> fontSize;    // FontSize, points
    std::optional<std::string> fontColour;   // FontColour, as written
    std::optional<std::string> backColour;   // BgColour, as written
    BitChanges fontSettings;                 // FontSettings: kFontBold...
    BitChanges displayItems;                 // DisplayItems: DisplayItem bits
    BitChanges options;                      // Options: kConstrainToPrimary
    std::optional<std::int32_t> animation;   // MoveOption, 0..4
    std::optional<std::int32_t> randomness;  // MoveEBRandom, 0..10
    BitChanges timeFormat;                   // TimeFormat: kTime24Hour
    std::optional<std::string> description;  // Descr

    bool Any() const;
};

struct SaverOptions {
    DrawTarget target = DrawTarget::Unchosen;
    std::uint32_t windowId = 0;
    std::string display;
    std::int32_t widthPixels = 800;  // of a window of its own
    std::int32_t heightPixels = 600;
    std::int32_t tickMs;  // -delay; the program's own tick when not given
    bool synchronous = false;
    bool help = false;
    bool save = false;
    bool printText = false;
    SettingsChanges settings;
    std::vector<std::string> warnings;  // one line each, for an argument that was not taken

    SaverOptions();
};

// Reads the arguments after the program's name. Options start with one or
// two dashes.
SaverOptions ReadSaverOptions(const std::vector<std::string_view>& arguments);

// A window id as X tools print it: decimal, or hexadecimal after 0x; 0 when
// it is neither or is out of range.
std::uint32_t ReadWindowId(std::string_view text);

// "#RGB" or "#RRGGBB" as the stored 0x00BBGGRR: the colours that need no
// X server's database.
bool ReadHexColour(std::string_view text, std::uint32_t& colour);

// What -h prints.
std::string SaverUsage();

}  // namespace ostrel

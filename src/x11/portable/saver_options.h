#pragma once
// The command line of the X11 program: where to draw, as XScreenSaver runs
// its display programs, and settings that stand in for the settings file's
// for this run. Arguments come from outside the program: each is checked,
// and the first one that cannot be read is named in `error`.

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
struct SettingsChanges {
    std::optional<std::string> fontName;      // FontName
    std::optional<std::int32_t> fontSize;     // FontSize, points
    std::optional<std::uint32_t> fontColour;  // FontColour, 0x00BBGGRR
    std::optional<std::uint32_t> backColour;  // BgColour, 0x00BBGGRR
    BitChanges fontSettings;                  // FontSettings: kFontBold...
    BitChanges displayItems;                  // DisplayItems: DisplayItem bits
    BitChanges options;                       // Options: kConstrainToPrimary
    std::optional<std::int32_t> animation;    // MoveOption, 0..4
    std::optional<std::int32_t> randomness;   // MoveEBRandom, 0..10
    BitChanges timeFormat;                    // TimeFormat: kTime24Hour
    std::optional<std::string> description;   // Descr

    bool Any() const;
};

struct SaverOptions {
    DrawTarget target = DrawTarget::Unchosen;
    std::uint32_t windowId = 0;
    std::string display;
    std::int32_t widthPixels = 800;  // of a window of its own
    std::int32_t heightPixels = 600;
    bool help = false;
    bool save = false;
    bool printText = false;
    SettingsChanges settings;
    std::string error;  // empty when every argument was read
};

// Reads the arguments after the program's name. Options start with one or
// two dashes.
SaverOptions ReadSaverOptions(const std::vector<std::string_view>& arguments);

// A window id as X tools print it: decimal, or hexadecimal after 0x; 0 when
// it is neither or is out of range.
std::uint32_t ReadWindowId(std::string_view text);

// What -h prints.
std::string SaverUsage();

}  // namespace ostrel

#pragma once
// The Settings record: every user choice, loaded from the machine-wide
// settings key once at start-up and written back by the options dialog.

#include <cstdint>
#include <string>

#include "platform/services.h"

namespace ostrel {

// DisplayItems bits: bit i is the options dialog's display check box i.
enum DisplayItem : std::int16_t {
    kShowComputerName = 0x0001,
    kShowCurrentTime = 0x0002,
    kShowUptime = 0x0004,
    kShowStartTime = 0x0008,
    kShowPageFile = 0x0010,
    kShowCpuUsage = 0x0020,
    kShowNetwork = 0x0040,
    kShowDescription = 0x0080,
    kShowPhysicalMemory = 0x0100,
    kShowVirtualMemory = 0x0200,
    kShowPercentages = 0x0400,
};

inline constexpr std::int16_t kConstrainToPrimary = 0x0001;  // Options bit 0
inline constexpr std::uint8_t kTime24Hour = 0x01;            // TimeFormat bit 0

// FontSettings bits: the font's effects as one stored number.
inline constexpr std::int32_t kFontBold = 0x0001;
inline constexpr std::int32_t kFontItalic = 0x0002;
inline constexpr std::int32_t kFontStrikethrough = 0x0004;
inline constexpr std::int32_t kFontUnderline = 0x0008;

struct Settings {
    std::int16_t animationType = 0;     // "MoveOption": 0..4, see AnimationType
    std::int16_t bounceRandomness = 0;  // "MoveEBRandom": 0..10, tenths
    std::int16_t displayItems = 0;      // DisplayItem bits
    std::int16_t options = 0;           // kConstrainToPrimary
    std::uint8_t timeFormat = 0;        // kTime24Hour
    std::string fontName;
    std::int16_t fontSizePoints = 0;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontStrikethrough = false;
    bool fontUnderline = false;
    std::uint32_t fontColour = 0;        // 0x00BBGGRR
    std::uint32_t backgroundColour = 0;  // 0x00BBGGRR
    std::string description;             // "Descr"
};

// The record's font effects as FontSettings bits, and back.
std::int32_t FontSettingsBits(const Settings& settings);
void SetFontSettingsBits(Settings& settings, std::int32_t bits);

// The longest text the store gives back whole; what is saved must load
// again, so the options dialog takes no longer description.
inline constexpr std::uint32_t kLongestStoredTextBytes = 1024;

// Fills every field, defaults for what is missing. A stored number too wide
// for its field raises the overflow failure; fields before it stay loaded.
void LoadSettings(platform::SettingsStore& store, Settings& settings);

// Writes every field. Only a failed first write is reported, with a message.
void SaveSettings(platform::SettingsStore& store, platform::Windowing& windowing,
                  const Settings& settings);

}  // namespace ostrel

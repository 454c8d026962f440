#include "settings/settings.h"

#include "common/app.h"
#include "common/numeric.h"
#include "platform/registry.h"
#include "platform/windowing.h"
#include "settings/registry_store.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kRoot = platform::kHkeyLocalMachine;

constexpr std::int32_t kBoldBit = 1;
constexpr std::int32_t kItalicBit = 2;
constexpr std::int32_t kStrikethroughBit = 4;
constexpr std::int32_t kUnderlineBit = 8;

std::string ReadText(const char* name, const char* fallback) {
    std::string text;
    return ReadRegistryText(kRoot, SettingsKeyPath(), name, text) ? text : fallback;
}

std::int32_t ReadNumberOr(const char* name, std::int32_t fallback) {
    std::int32_t number = 0;
    return ReadRegistryNumber(kRoot, SettingsKeyPath(), name, number) ? number : fallback;
}

void WriteNumber(const char* name, std::int32_t number) {
    WriteRegistryNumber(kRoot, SettingsKeyPath(), name, number);
}

}  // namespace

std::string SettingsKeyPath() {
    return std::string("Software\\") + kAppTitle + "\\Settings";
}

void LoadSettings(Settings& s) {
    s.fontName = ReadText("FontName", "Verdana");
    s.fontSizePoints = NarrowToInt16(ReadNumberOr("FontSize", 10));
    s.fontColour = static_cast<std::uint32_t>(ReadNumberOr("FontColour", 16777215));
    s.backgroundColour = static_cast<std::uint32_t>(ReadNumberOr("BgColour", 0));
    const std::int32_t fontSettings = ReadNumberOr("FontSettings", 0);
    s.fontBold = (fontSettings & kBoldBit) != 0;
    s.fontItalic = (fontSettings & kItalicBit) != 0;
    s.fontStrikethrough = (fontSettings & kStrikethroughBit) != 0;
    s.fontUnderline = (fontSettings & kUnderlineBit) != 0;
    s.displayItems = NarrowToInt16(ReadNumberOr("DisplayItems", 1151));
    s.options = NarrowToInt16(ReadNumberOr("Options", 0));
    // The description is kept only while its line is shown.
    if ((s.displayItems & kShowDescription) != 0) {
        s.description = ReadText("Descr", "");
    }
    s.animationType = NarrowToInt16(ReadNumberOr("MoveOption", 2));
    s.bounceRandomness = NarrowToInt16(ReadNumberOr("MoveEBRandom", 2));
    s.timeFormat = NarrowToUInt8(ReadNumberOr("TimeFormat", 0));
}

void SaveSettings(const Settings& s) {
    // Writing below HKEY_LOCAL_MACHINE needs rights the user may not have;
    // the first write tells, and one message is enough.
    if (!WriteRegistryText(kRoot, SettingsKeyPath(), "FontName", s.fontName)) {
        platform::ShowMessage("failed to save configuration to registry", kAppTitle,
                              platform::kMbIconExclamation);
    }
    WriteNumber("FontSize", s.fontSizePoints);
    WriteNumber("FontColour", static_cast<std::int32_t>(s.fontColour));
    WriteNumber("BgColour", static_cast<std::int32_t>(s.backgroundColour));
    WriteNumber("FontSettings", (s.fontBold ? kBoldBit : 0) + (s.fontItalic ? kItalicBit : 0) +
                                    (s.fontStrikethrough ? kStrikethroughBit : 0) +
                                    (s.fontUnderline ? kUnderlineBit : 0));
    WriteNumber("DisplayItems", s.displayItems);
    WriteNumber("Options", s.options);
    WriteRegistryText(kRoot, SettingsKeyPath(), "Descr",
                      (s.displayItems & kShowDescription) != 0 ? s.description : std::string());
    WriteNumber("MoveOption", s.animationType);
    WriteNumber("MoveEBRandom", s.bounceRandomness);
    WriteNumber("TimeFormat", s.timeFormat);
}

}  // namespace ostrel

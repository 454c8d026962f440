#include "settings/settings.h"

#include "common/app.h"
#include "common/numeric.h"
#include "platform/registry.h"
#include "platform/windowing.h"
#include "settings/reg_stuff.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kRoot = platform::kHkeyLocalMachine;

constexpr std::int32_t kBoldBit = 1;
constexpr std::int32_t kItalicBit = 2;
constexpr std::int32_t kStrikethruBit = 4;
constexpr std::int32_t kUnderlineBit = 8;

std::string ReadText(const char* name, const char* fallback) {
    std::string text;
    return ReadRegString(kRoot, SettingsKeyPath(), name, text) ? text : fallback;
}

std::int32_t ReadNumberOr(const char* name, std::int32_t fallback) {
    std::int32_t number = 0;
    return ReadRegDword(kRoot, SettingsKeyPath(), name, number) ? number : fallback;
}

void WriteNumber(const char* name, std::int32_t number) {
    WriteRegDword(kRoot, SettingsKeyPath(), name, number);
}

}  // namespace

std::string SettingsKeyPath() {
    return std::string("Software\\") + kAppTitle + "\\Settings";
}

void LoadSettings(Settings& s) {
    s.FontName = ReadText("FontName", "Verdana");
    s.FontSize = NarrowToInt16(ReadNumberOr("FontSize", 10));
    s.FontColour = static_cast<std::uint32_t>(ReadNumberOr("FontColour", 16777215));
    s.BgColour = static_cast<std::uint32_t>(ReadNumberOr("BgColour", 0));
    const std::int32_t fontSettings = ReadNumberOr("FontSettings", 0);
    s.FontBold = (fontSettings & kBoldBit) != 0;
    s.FontItalic = (fontSettings & kItalicBit) != 0;
    s.FontStrikethru = (fontSettings & kStrikethruBit) != 0;
    s.FontUnderline = (fontSettings & kUnderlineBit) != 0;
    s.DisplayItems = NarrowToInt16(ReadNumberOr("DisplayItems", 1151));
    s.Options = NarrowToInt16(ReadNumberOr("Options", 0));
    // The description is kept only while its line is shown.
    if ((s.DisplayItems & kShowDescription) != 0) {
        s.Descr = ReadText("Descr", "");
    }
    s.MoveOption = NarrowToInt16(ReadNumberOr("MoveOption", 2));
    s.MoveEBRandom = NarrowToInt16(ReadNumberOr("MoveEBRandom", 2));
    s.TimeFormat = NarrowToUInt8(ReadNumberOr("TimeFormat", 0));
}

void SaveSettings(const Settings& s) {
    // Writing below HKEY_LOCAL_MACHINE needs rights the user may not have;
    // the first write tells, and one message is enough.
    if (!WriteRegString(kRoot, SettingsKeyPath(), "FontName", s.FontName)) {
        platform::ShowMessage("failed to save configuration to registry", kAppTitle,
                              platform::kMbIconExclamation);
    }
    WriteNumber("FontSize", s.FontSize);
    WriteNumber("FontColour", static_cast<std::int32_t>(s.FontColour));
    WriteNumber("BgColour", static_cast<std::int32_t>(s.BgColour));
    WriteNumber("FontSettings", (s.FontBold ? kBoldBit : 0) + (s.FontItalic ? kItalicBit : 0) +
                                    (s.FontStrikethru ? kStrikethruBit : 0) +
                                    (s.FontUnderline ? kUnderlineBit : 0));
    WriteNumber("DisplayItems", s.DisplayItems);
    WriteNumber("Options", s.Options);
    WriteRegString(kRoot, SettingsKeyPath(), "Descr",
                   (s.DisplayItems & kShowDescription) != 0 ? s.Descr : std::string());
    WriteNumber("MoveOption", s.MoveOption);
    WriteNumber("MoveEBRandom", s.MoveEBRandom);
    WriteNumber("TimeFormat", s.TimeFormat);
}

}  // namespace ostrel

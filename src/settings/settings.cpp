#include "settings/settings.h"

#include "common/app.h"
#include "common/numeric.h"
#include "platform/settings_store.h"
#include "platform/windowing.h"

namespace ostrel {

namespace pf = platform;

std::int32_t FontSettingsBits(const Settings& s) {
    return (s.fontBold ? kFontBold : 0) | (s.fontItalic ? kFontItalic : 0) |
           (s.fontStrikethrough ? kFontStrikethrough : 0) | (s.fontUnderline ? kFontUnderline : 0);
}

void SetFontSettingsBits(Settings& s, std::int32_t bits) {
    s.fontBold = (bits & kFontBold) != 0;
    s.fontItalic = (bits & kFontItalic) != 0;
    s.fontStrikethrough = (bits & kFontStrikethrough) != 0;
    s.fontUnderline = (bits & kFontUnderline) != 0;
}

void LoadSettings(pf::SettingsStore& store, Settings& s) {
    const auto text = [&](const char* name, const char* fallback) {
        return pf::ReadTextValue(store, name).Or(fallback);
    };
    const auto number = [&](const char* name, std::int32_t fallback) {
        return pf::ReadNumberValue(store, name).Or(fallback);
    };
    s.fontName = text("FontName", "Verdana");
    s.fontSizePoints = NarrowToInt16(number("FontSize", 10));
    s.fontColour = static_cast<std::uint32_t>(number("FontColour", 16777215));
    s.backgroundColour = static_cast<std::uint32_t>(number("BgColour", 0));
    SetFontSettingsBits(s, number("FontSettings", 0));
    s.displayItems = NarrowToInt16(number("DisplayItems", 1151));
    s.options = NarrowToInt16(number("Options", 0));
    // The description is kept only while its line is shown.
    if ((s.displayItems & kShowDescription) != 0) {
        s.description = text("Descr", "");
    }
    s.animationType = NarrowToInt16(number("MoveOption", 2));
    s.bounceRandomness = NarrowToInt16(number("MoveEBRandom", 2));
    s.timeFormat = NarrowToUInt8(number("TimeFormat", 0));
}

void SaveSettings(pf::SettingsStore& store, pf::Windowing& windowing, const Settings& s) {
    // Writing the machine-wide settings needs rights the user may not have;
    // the first write tells, and one message is enough.
    if (!pf::WriteTextValue(store, "FontName", s.fontName)) {
        pf::ShowMessage(windowing, "failed to save configuration to registry", kAppTitle,
                        pf::MessageIcon::Exclamation);
    }
    const auto number = [&](const char* name, std::int32_t value) {
        pf::WriteNumberValue(store, name, value);
    };
    number("FontSize", s.fontSizePoints);
    number("FontColour", static_cast<std::int32_t>(s.fontColour));
    number("BgColour", static_cast<std::int32_t>(s.backgroundColour));
    number("FontSettings", FontSettingsBits(s));
    number("DisplayItems", s.displayItems);
    number("Options", s.options);
    pf::WriteTextValue(store, "Descr",
                       (s.displayItems & kShowDescription) != 0 ? s.description : std::string());
    number("MoveOption", s.animationType);
    number("MoveEBRandom", s.bounceRandomness);
    number("TimeFormat", s.timeFormat);
}

}  // namespace ostrel

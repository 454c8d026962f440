// The settings dialog's description (res/ostrel.xml) against the command
// line: XScreenSaver writes nothing for a control left at its default, so
// every control's default must be the program's own, and every switch it
// can write must be taken.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_services.h"
#include "settings/settings.h"
#include "x11/portable/saver_options.h"

namespace ostrel {
namespace {

struct Control {
    std::string kind;  // boolean, number, option, string, command
    std::map<std::string, std::string> attributes;
};

std::vector<Control> ReadControls() {
    std::ifstream file(OSTREL_SOURCE_DIR "/res/ostrel.xml");
    std::stringstream text;
    text << file.rdbuf();
    const std::string xml = text.str();
    std::vector<Control> controls;
    const std::regex element(R"(<(boolean|number|option|string|command)\s([^>]*)/>)");
    const std::regex attribute(R"(([\w-]+)="([^"]*)\")");
    for (auto e = std::sregex_iterator(xml.begin(), xml.end(), element);
         e != std::sregex_iterator(); ++e) {
        Control c{(*e)[1], {}};
        const std::string attributes = (*e)[2];
        for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
             a != std::sregex_iterator(); ++a) {
            c.attributes[(*a)[1]] = (*a)[2];
        }
        controls.push_back(c);
    }
    return controls;
}

// The words of a switch, with `value` for its "%".
SaverOptions Read(const std::string& command, const std::string& value) {
    std::vector<std::string> words;
    std::istringstream in(command);
    for (std::string w; in >> w;) {
        words.push_back(w == "%" ? value : w);
    }
    return ReadSaverOptions(std::vector<std::string_view>(words.begin(), words.end()));
}

// Whether the switches change the default settings, bit for bit.
bool ChangesDefaults(const SaverOptions& o, const Settings& d) {
    const SettingsChanges& c = o.settings;
    const auto bits = [](auto v) {
        return static_cast<std::uint32_t>(static_cast<std::uint16_t>(v));
    };
    return c.displayItems.AppliedTo(bits(d.displayItems)) != bits(d.displayItems) ||
           c.fontSettings.AppliedTo(bits(FontSettingsBits(d))) != bits(FontSettingsBits(d)) ||
           c.options.AppliedTo(bits(d.options)) != bits(d.options) ||
           c.timeFormat.AppliedTo(d.timeFormat) != d.timeFormat ||
           (c.animation && *c.animation != d.animationType);
}

TEST(XScreenSaverConfig, EverySwitchIsTakenAndEveryDefaultIsTheProgramsOwn) {
    platform::SettingsStore empty;
    Settings defaults;
    LoadSettings(empty, defaults);
    const std::vector<Control> controls = ReadControls();
    ASSERT_GT(controls.size(), 20u);
    for (const Control& c : controls) {
        const auto& a = c.attributes;
        const std::string name = a.count("id") ? a.at("id") : c.kind;
        for (const char* key : {"arg", "arg-set", "arg-unset"}) {
            if (!a.count(key)) {
                continue;
            }
            const std::string value = c.kind == "number" ? a.at("high") : "SteelBlue";
            const SaverOptions o = Read(a.at(key), value);
            EXPECT_EQ(o.warnings, std::vector<std::string>{}) << name;
            // A check box or list entry that the dialog shows off by default
            // writes a switch that changes what runs by default, and one shown
            // on writes its opposite: either way the default is unchanged.
            if (c.kind == "boolean" || c.kind == "option") {
                EXPECT_TRUE(ChangesDefaults(o, defaults)) << name << " " << key;
            }
        }
        if (c.kind == "number") {
            const SaverOptions o = Read(a.at("arg"), a.at("default"));
            EXPECT_EQ(
                o.settings.fontSize.value_or(o.settings.randomness.value_or(-1)),
                a.at("id") == "fontsize" ? defaults.fontSizePoints : defaults.bounceRandomness)
                << name;
        }
        // The list entry without a switch is the program's own animation.
        if (c.kind == "option" && !a.count("arg-set")) {
            EXPECT_EQ(Read("-animation " + a.at("id"), "").settings.animation,
                      defaults.animationType);
        }
    }
}

}  // namespace
}  // namespace ostrel

// The settings dialog's description (res/ostrel.xml) against the command
// line: XScreenSaver writes nothing for a control left at its default, so
// every control's default must be the program's own, and every switch it
// can write must be taken.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_settings_store.h"
#include "settings/settings.h"
#include "x11/portable/saver_options.h"

namespace ostrel {
namespace {

// One attribute of an element, or "" when it has none.
std::string Attribute(const std::string& element, const std::string& name) {
    std::smatch m;
    const std::regex value(" " + name + "=\"([^\"]*)\"");
    return std::regex_search(element, m, value) ? m[1].str() : "";
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

TEST(XScreenSaverConfig, EverySwitchIsTakenAndEveryDefaultIsTheProgramsOwn) {
    platform::SettingsStore empty;
    Settings d;
    LoadSettings(empty, d);
    // Whether the switches change the default settings, bit for bit.
    const auto changesDefaults = [&d](const SettingsChanges& c) {
        const auto changed = [](const BitChanges& change, auto stored) {
            const auto bits = static_cast<std::uint32_t>(static_cast<std::uint16_t>(stored));
            return change.AppliedTo(bits) != bits;
        };
        return changed(c.displayItems, d.displayItems) ||
               changed(c.fontSettings, FontSettingsBits(d)) || changed(c.options, d.options) ||
               changed(c.timeFormat, d.timeFormat) ||
               (c.animation && *c.animation != d.animationType);
    };
    std::stringstream file;
    file << std::ifstream(OSTREL_SOURCE_DIR "/res/ostrel.xml").rdbuf();
    const std::string xml = file.str();
    const std::regex element(R"(<(boolean|number|option|string|command)\s[^>]*/>)");
    std::size_t controls = 0;
    for (auto e = std::sregex_iterator(xml.begin(), xml.end(), element);
         e != std::sregex_iterator(); ++e, ++controls) {
        const std::string kind = (*e)[1], text = (*e)[0], id = Attribute(text, "id");
        for (const char* key : {"arg", "arg-set", "arg-unset"}) {
            if (Attribute(text, key).empty()) {
                continue;
            }
            const SaverOptions o = Read(Attribute(text, key),
                                        kind == "number" ? Attribute(text, "high") : "SteelBlue");
            EXPECT_EQ(o.warnings, std::vector<std::string>{}) << id;
            // A check box or list entry that the dialog shows off by default
            // writes a switch that changes what runs by default, and one shown
            // on writes its opposite: either way the default is unchanged.
            if (kind == "boolean" || kind == "option") {
                EXPECT_TRUE(changesDefaults(o.settings)) << id << " " << key;
            }
        }
        if (kind == "number") {
            const SettingsChanges c =
                Read(Attribute(text, "arg"), Attribute(text, "default")).settings;
            EXPECT_EQ(c.fontSize.value_or(c.randomness.value_or(-1)),
                      id == "fontsize" ? d.fontSizePoints : d.bounceRandomness)
                << id;
        }
        // The list entry without a switch is the program's own animation.
        if (kind == "option" && Attribute(text, "arg-set").empty()) {
            EXPECT_EQ(Read("-animation " + id, "").settings.animation, d.animationType);
        }
    }
    EXPECT_GT(controls, 20u);
}

}  // namespace
}  // namespace ostrel

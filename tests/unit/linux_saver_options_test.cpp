#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <string_view>
#include <vector>

#include "platform/linux_data/saver_options.h"

namespace ostrel {
namespace {

SaverOptions Read(std::vector<std::string_view> args) {
    return ReadSaverOptions(args);
}

TEST(LinuxSaverOptions, ChoosesWhereToDraw) {
    struct Case {
        std::vector<std::string_view> args;
        DrawTarget target;
        std::uint32_t windowId;
    };
    const Case cases[] = {
        {{}, DrawTarget::Unchosen, 0},
        {{"-root"}, DrawTarget::Root, 0},
        {{"--window"}, DrawTarget::OwnWindow, 0},
        {{"-window-id", "0x1e00007"}, DrawTarget::WindowId, 0x1e00007},
        {{"-window-id", "31457287"}, DrawTarget::WindowId, 31457287},
        {{"-root", "-window"}, DrawTarget::OwnWindow, 0},  // the last one counts
    };
    for (const Case& c : cases) {
        const SaverOptions o = Read(c.args);
        EXPECT_EQ(std::tuple(o.error, o.target, o.windowId), std::tuple("", c.target, c.windowId));
    }
    const SaverOptions o = Read({"-display", ":7", "-geometry", "640x480", "-save", "-print-text"});
    EXPECT_EQ(std::tuple(o.display, o.widthPixels, o.heightPixels, o.save, o.printText,
                         o.settings.Any(), o.help),
              std::tuple(":7", 640, 480, true, true, false, false));
}

TEST(LinuxSaverOptions, SettingsTakeTheStoredValuesForm) {
    const SaverOptions o =
        Read({"-animation", "path", "-randomness", "7", "-font", "DejaVu Serif", "-font-size", "14",
              "-fg", "#FFA500", "-bg", "#123", "-bold", "-underline", "-no-bold", "-text", "Hello",
              "-primary-only", "-24-hour"});
    const SettingsChanges& c = o.settings;
    // Orange is red FF, green A5, blue 00; #123 is #112233. Bold set then
    // cleared, underline set: stored bold and italic 3 become italic and underline.
    EXPECT_EQ(
        std::tuple(o.error, c.animation, c.randomness, c.fontName, c.fontSize, c.fontColour,
                   c.backColour, c.fontSettings.AppliedTo(3), c.description, c.options.AppliedTo(0),
                   c.timeFormat.AppliedTo(0)),
        std::tuple("", 3, 7, "DejaVu Serif", 14, 0x0000A5FFu, 0x00332211u, 10u, "Hello", 1u, 1u));
    EXPECT_EQ(Read({"-animation", "centre"}).settings.animation, 4);
    EXPECT_EQ(Read({"-animation", "0"}).settings.animation, 0);
    EXPECT_EQ(Read({"-fg", "yellow"}).settings.fontColour, 0x0000FFFFu);
    EXPECT_EQ(Read({"-bg", "Navy"}).settings.backColour, 0x00800000u);
}

TEST(LinuxSaverOptions, LinesAreSwitchedByNameOrReplacedWhole) {
    struct Case {
        std::vector<std::string_view> args;
        std::uint32_t stored;
        std::uint32_t shown;
    };
    const Case cases[] = {
        {{"-no-cpu"}, 0x047F, 0x045F},
        {{"-virtual-memory", "-physical-memory"}, 0x047F, 0x077F},
        {{"-items", "cpu,network"}, 0x047F, 0x0060},
        {{"-items", "none", "-uptime"}, 0x047F, 0x0004},
        {{"-items", "0x81"}, 0, 0x0081},
        {{"-cpu", "-items", "time"}, 0, 0x0002},  // a whole value replaces what came before
        {{"-description", "-no-percentages"}, 0x047F, 0x00FF},
    };
    for (const Case& c : cases) {
        const SaverOptions o = Read(c.args);
        EXPECT_EQ(std::tuple(o.error, o.settings.displayItems.AppliedTo(c.stored)),
                  std::tuple("", c.shown))
            << c.args[0];
    }
}

TEST(LinuxSaverOptions, NamesTheFirstArgumentItCannotRead) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"-frobnicate"}, "unknown option: -frobnicate"},
        {{"root"}, "not an option: root"},
        {{"-font"}, "option -font needs a value"},
        {{"-font-size", "0"}, "option -font-size cannot take \"0\""},
        {{"-font-size", "2161"}, "option -font-size cannot take \"2161\""},
        {{"-font-size", "12pt"}, "option -font-size cannot take \"12pt\""},
        {{"-randomness", "11"}, "option -randomness cannot take \"11\""},
        {{"-animation", "5"}, "option -animation cannot take \"5\""},
        {{"-animation", "spin"}, "option -animation cannot take \"spin\""},
        {{"-fg", "#12345"}, "option -fg cannot take \"#12345\""},
        {{"-fg", "#GGGGGG"}, "option -fg cannot take \"#GGGGGG\""},
        {{"-bg", "purple"}, "option -bg cannot take \"purple\""},
        {{"-items", "cpu,,time"}, "option -items cannot take \"cpu,,time\""},
        {{"-window-id", "0"}, "option -window-id cannot take \"0\""},
        {{"-window-id", "0x100000000"}, "option -window-id cannot take \"0x100000000\""},
        {{"-geometry", "800"}, "option -geometry cannot take \"800\""},
        {{"-geometry", "8x600"}, "option -geometry cannot take \"8x600\""},
        {{"-no-frobnicate"}, "unknown option: -no-frobnicate"},
        {{"-"}, "not an option: -"},
        {{""}, "not an option: \"\""},
        {{"-root", "-bogus", "-alsobogus"}, "unknown option: -bogus"},
    };
    for (const auto& [args, error] : cases) {
        EXPECT_EQ(Read(args).error, error);
    }
    EXPECT_TRUE(Read({"-h"}).help && Read({"--help"}).help);
}

}  // namespace
}  // namespace ostrel

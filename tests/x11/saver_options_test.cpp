#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "x11/portable/saver_options.h"

namespace ostrel {
namespace {

using Args = std::vector<std::string_view>;

TEST(LinuxSaverOptions, ChoosesWhereToDraw) {
    using enum DrawTarget;
    const std::tuple<Args, DrawTarget, std::uint32_t> cases[] = {
        {{}, Unchosen, 0},
        {{"-root"}, Root, 0},
        {{"--window"}, OwnWindow, 0},
        {{"-window-id", "0xFFFFFFFF"}, WindowId, 0xFFFFFFFF},
        {{"-window-id", "031457287"}, WindowId, 31457287},           // decimal despite the 0
        {{"-root", "-window-id", "0x7", "-window"}, OwnWindow, 7}};  // the last one counts
    for (const auto& [args, target, windowId] : cases) {
        const SaverOptions o = ReadSaverOptions(args);
        EXPECT_EQ(
            std::tuple(o.error, o.target, o.windowId, o.printText, o.widthPixels, o.heightPixels),
            std::tuple("", target, windowId, false, 800, 600));
    }
    const SaverOptions o =
        ReadSaverOptions({"-display", ":7", "-geometry", "640x480", "-print-text"});
    EXPECT_EQ(std::tuple(o.display, o.widthPixels, o.heightPixels, o.save, o.printText,
                         o.settings.Any(), o.help),
              std::tuple(":7", 640, 480, false, true, false, false));
    EXPECT_TRUE(ReadSaverOptions({"-save"}).save && !ReadSaverOptions({"-save"}).printText);
}

TEST(LinuxSaverOptions, SettingsTakeTheStoredValuesForm) {
    const SaverOptions o =
        ReadSaverOptions({"-animation", "path",         "-randomness",   "10",
                          "-font",      "DejaVu Serif", "-font-size",    "14",
                          "-fg",        "#FFA500",      "-bg",           "#123",
                          "-bold",      "-underline",   "-no-bold",      "-strikethrough",
                          "-text",      "Hello",        "-all-monitors", "-primary-only",
                          "-12-hour",   "-24-hour"});
    const SettingsChanges& c = o.settings;
    // Orange is red FF, green A5, blue 00; #123 is #112233. Bold set then
    // cleared, underline and strikethrough set: stored bold and italic 3 become
    // italic, strikethrough and underline.
    EXPECT_EQ(
        std::tuple(o.error, c.animation, c.randomness, c.fontName, c.fontSize, c.fontColour,
                   c.backColour, c.fontSettings.AppliedTo(3), c.description, c.options.AppliedTo(0),
                   c.timeFormat.AppliedTo(0)),
        std::tuple("", 3, 10, "DejaVu Serif", 14, 0x0000A5FFu, 0x00332211u, 14u, "Hello", 1u, 1u));
    // Each font switch sets or clears its own bit.
    const char* effects[] = {"bold", "italic", "strikethrough", "underline"};
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::string on = std::string("-") + effects[i], off = "-no-" + on.substr(1);
        EXPECT_EQ(std::pair(ReadSaverOptions({on}).settings.fontSettings.AppliedTo(0),
                            ReadSaverOptions({off}).settings.fontSettings.AppliedTo(15)),
                  std::pair(1u << i, 15u & ~(1u << i)))
            << on;
    }
    // Each setting alone is a change to save.
    for (const Args& args : {Args{"-font", "x"},
                             {"-font-size", "9"},
                             {"-fg", "red"},
                             {"-bg", "red"},
                             {"-no-bold"},
                             {"-items", "0"},
                             {"-primary-only"},
                             {"-animation", "1"},
                             {"-randomness", "2"},
                             {"-24-hour"},
                             {"-text", ""},
                             {"-cpu"}}) {
        EXPECT_TRUE(ReadSaverOptions(args).settings.Any()) << args[0];
    }
    // Each colour by name, as 0x00BBGGRR.
    std::vector<std::uint32_t> colours;
    for (const char* name :
         {"black", "white", "red", "green", "blue", "yellow", "cyan", "magenta", "navy", "grey"}) {
        colours.push_back(*ReadSaverOptions({"-fg", name}).settings.fontColour);
    }
    EXPECT_EQ(colours, (std::vector<std::uint32_t>{0, 0xFFFFFF, 0xFF, 0xFF00, 0xFF0000, 0xFFFF,
                                                   0xFFFF00, 0xFF00FF, 0x800000, 0xBEBEBE}));
    EXPECT_EQ(std::tuple(ReadSaverOptions({"-animation", "centre"}).settings.animation,
                         ReadSaverOptions({"-animation", "0"}).settings.animation,
                         ReadSaverOptions({"-fg", "yellow"}).settings.fontColour,
                         ReadSaverOptions({"-bg", "Navy"}).settings.backColour),
              std::tuple(4, 0, 0x0000FFFFu, 0x00800000u));
}

TEST(LinuxSaverOptions, LinesAreSwitchedByNameOrReplacedWhole) {
    const std::tuple<Args, std::uint32_t, std::uint32_t> cases[] = {
        {{"-no-cpu"}, 0x047F, 0x045F},
        {{"-virtual-memory", "-physical-memory"}, 0x047F, 0x077F},
        {{"-items", "cpu,network"}, 0x047F, 0x0060},
        {{"-items", "none", "-uptime"}, 0x047F, 0x0004},
        {{"-items", "0X81"}, 0, 0x0081},
        {{"-cpu", "-items", "time"}, 0, 0x0002},  // a whole value replaces what came before
        {{"-description", "-no-percentages"}, 0x047F, 0x00FF}};
    // Each line's name stands for its own bit.
    const char* names[] = {
        "computer-name", "time",        "uptime",          "start-time",     "page-file",  "cpu",
        "network",       "description", "physical-memory", "virtual-memory", "percentages"};
    for (std::uint32_t bit = 0; bit < 11; ++bit) {
        EXPECT_EQ(ReadSaverOptions({"-items", names[bit]}).settings.displayItems.AppliedTo(0),
                  1u << bit);
    }
    for (const auto& [args, stored, shown] : cases) {
        const SaverOptions o = ReadSaverOptions(args);
        EXPECT_EQ(std::tuple(o.error, o.settings.displayItems.AppliedTo(stored)),
                  std::tuple("", shown))
            << args[0];
    }
}

TEST(LinuxSaverOptions, NamesTheFirstArgumentItCannotRead) {
    const std::pair<Args, std::string> cases[] = {
        {{"-frobnicate"}, "unknown option: -frobnicate"},
        {{"-"}, "not an option: -"},
        {{""}, "not an option: \"\""},
        {{"-font"}, "option -font needs a value"},
        {{"-root", "-bogus", "-alsobogus"}, "unknown option: -bogus"}};
    for (const auto& [args, error] : cases) {
        EXPECT_EQ(ReadSaverOptions(args).error, error);
    }
    const std::pair<const char*, const char*> refused[] = {
        {"-font-size", "0"},  {"-font-size", "2161"},  {"-randomness", "11"},
        {"-animation", "5"},  {"-animation", ""},      {"-fg", "#12345"},
        {"-bg", "#GGGGGG"},   {"-items", "cpu,,time"}, {"-window-id", "0"},
        {"-geometry", "800"}, {"-geometry", "15x600"}, {"-window-id", "0x100000000"}};
    for (const auto& [option, value] : refused) {
        EXPECT_EQ(ReadSaverOptions({option, value}).error,
                  std::string("option ") + option + " cannot take \"" + value + "\"");
    }
    EXPECT_TRUE(ReadSaverOptions({"-h"}).help && ReadSaverOptions({"--help"}).help);
    // The smallest values taken.
    EXPECT_EQ(ReadSaverOptions({"-geometry", "16x16", "-font-size", "1"}).error, "");
}

}  // namespace
}  // namespace ostrel

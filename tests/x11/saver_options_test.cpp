#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "x11/portable/saver_options.h"
#include "x11/portable/text_lines.h"

namespace ostrel {
namespace {

using Args = std::vector<std::string_view>;

// The words of a switch, with `value` for its "%".
SaverOptions Read(const std::string& command, const std::string& value) {
    std::vector<std::string> words;
    std::istringstream in(command);
    for (std::string w; in >> w;) {
        words.push_back(w == "%" ? value : w);
    }
    return ReadSaverOptions(std::vector<std::string_view>(words.begin(), words.end()));
}

TEST(LinuxSaverOptions, ChoosesWhereToDrawAndTakesTheOptionsOfEveryXScreenSaverProgram) {
    using enum DrawTarget;
    // -delay is microseconds; the tick is whole milliseconds, 10 at least.
    const std::tuple<Args, DrawTarget, std::uint32_t, std::int32_t> cases[] = {
        {{}, Unchosen, 0, 100},
        {{"-root"}, Root, 0, 100},
        {{"--window"}, OwnWindow, 0, 100},
        {{"-window-id", "0xFFFFFFFF"}, WindowId, 0xFFFFFFFF, 100},
        {{"-root", "-window-id", "0x7", "-window"}, OwnWindow, 7, 100},  // the last one counts
        // XScreenSaver writes two dashes; the other window options win as before.
        {{"--window-id", "12", "--root"}, Root, 12, 100},
        {{"--fps", "--delay", "20000", "--mono"}, Unchosen, 0, 20},
        {{"-delay", "0"}, Unchosen, 0, 10},
        {{"-delay", "1000000", "-xrm", "ostrel.foo: 1", "-install"}, Unchosen, 0, 1000},
        {{"-visual", "TrueColor", "-no-fps", "-noinstall"}, Unchosen, 0, 100}};
    for (const auto& [args, target, windowId, tickMs] : cases) {
        const SaverOptions o = ReadSaverOptions(args);
        EXPECT_EQ(std::tuple(o.warnings, o.target, o.windowId, o.tickMs, o.printText, o.save,
                             o.settings.Any(), o.widthPixels, o.heightPixels),
                  std::tuple(std::vector<std::string>{}, target, windowId, tickMs, false, false,
                             false, 800, 600))
            << args.size();
    }
    const SaverOptions o =
        ReadSaverOptions({"-display", ":7", "-geometry", "640x480", "-print-text", "-save"});
    EXPECT_EQ(std::tuple(o.display, o.widthPixels, o.heightPixels, o.save, o.printText,
                         o.settings.Any(), o.help, o.synchronous),
              std::tuple(":7", 640, 480, true, true, false, false, false));
    EXPECT_TRUE(ReadSaverOptions({"-synchronous"}).synchronous);
}

TEST(LinuxSaverOptions, SettingsTakeTheStoredValuesForm) {
    // Each font switch sets or clears its own bit, without a word.
    const char* effects[] = {"bold", "italic", "strikethrough", "underline"};
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::string on = std::string("-") + effects[i], off = "-no-" + on.substr(1);
        const SaverOptions set = ReadSaverOptions({on}), cleared = ReadSaverOptions({off});
        EXPECT_EQ(std::tuple(set.settings.fontSettings.AppliedTo(0),
                             cleared.settings.fontSettings.AppliedTo(15), cleared.warnings.size()),
                  std::tuple(1u << i, 15u & ~(1u << i), 0u))
            << on;
    }
    // Each setting alone is a change to save, taken without a word.
    for (const char* option :
         {"-font x", "-font-size 9", "-fg red", "-bg red", "-no-bold", "-items 0", "-primary-only",
          "-animation 1", "-randomness 2", "-24-hour", "-text %", "-cpu"}) {
        const SaverOptions o = Read(option, "");
        EXPECT_EQ(std::tuple(o.settings.Any(), o.warnings.size()), std::tuple(true, 0u)) << option;
    }
    // Animations by name or number; colours stay as written, for the server to name.
    std::vector<std::optional<std::int32_t>> animations;
    for (const char* name : {"jumping", "sliding", "bounce", "path", "centre", "0"}) {
        animations.push_back(ReadSaverOptions({"-animation", name}).settings.animation);
    }
    EXPECT_EQ(std::tuple(animations, ReadSaverOptions({"-fg", "SteelBlue"}).settings.fontColour),
              std::tuple(std::vector<std::optional<std::int32_t>>{0, 1, 2, 3, 4, 0}, "SteelBlue"));
    // Orange is red FF, green A5, blue 00; #123 is #112233; stored as 0x00BBGGRR.
    const std::tuple<const char*, bool, std::uint32_t> cases[] = {
        {"#FFA500", true, 0x0000A5FFu}, {"#123", true, 0x00332211u}, {"#00FF0", false, 0},
        {"#GGGGGG", false, 0},          {"white", false, 0},         {"#1234567", false, 0}};
    for (const auto& [text, read, colour] : cases) {
        std::uint32_t c = 0;
        EXPECT_EQ(std::tuple(ReadHexColour(text, c), c), std::tuple(read, colour)) << text;
    }
}

TEST(LinuxSaverOptions, LinesAreSwitchedByNameOrReplacedWhole) {
    const std::tuple<Args, std::uint32_t, std::uint32_t> cases[] = {
        {{"-no-cpu"}, 0x047F, 0x045F},
        {{"-items", "cpu,network"}, 0x047F, 0x0060},
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
        EXPECT_EQ(std::tuple(o.warnings.size(), o.settings.displayItems.AppliedTo(stored)),
                  std::tuple(0u, shown))
            << args[0];
    }
}

TEST(LinuxSaverOptions, WhatItCannotReadIsOneLineEachAndTheRestIsTaken) {
    // XScreenSaver starts a program that ended again and again: nothing here ends it.
    const std::pair<Args, std::vector<std::string>> cases[] = {
        {{"-frobnicate", "-root"}, {"unknown option, ignored: \"-frobnicate\""}},
        {{"-", "", "-root"}, {"not an option, ignored: \"-\"", "not an option, ignored: \"\""}},
        {{"-root", "-font"}, {"option \"-font\" needs a value; ignored"}}};
    for (const auto& [args, warnings] : cases) {
        const SaverOptions o = ReadSaverOptions(args);
        EXPECT_EQ(std::tuple(o.warnings, o.target), std::tuple(warnings, DrawTarget::Root));
    }
    // Each option, a blank, the value it cannot take.
    for (const std::string_view refused :
         {"-font-size 0", "-font-size 2161", "-randomness 11", "-animation 5", "-animation ",
          "-fg ", "-items cpu,,time", "-window-id 0", "-geometry 800", "-geometry 15x600",
          "-window-id 0x100000000", "-delay 1000001", "-delay -5"}) {
        const std::string_view option = refused.substr(0, refused.find(' ')),
                               value = refused.substr(refused.find(' ') + 1);
        const SaverOptions o = ReadSaverOptions({"-geometry", "640x480", option, value, "-bold"});
        // The option keeps its default; the options around it are taken.
        EXPECT_EQ(std::tuple(o.warnings, o.settings.Any() && o.settings.fontSettings.set == 1,
                             o.widthPixels, o.target, o.tickMs, o.settings.fontSize.has_value()),
                  std::tuple(std::vector<std::string>{"option \"" + std::string(option) +
                                                      "\" cannot take \"" + std::string(value) +
                                                      "\"; its default is kept"},
                             true, 640, DrawTarget::Unchosen, 100, false));
    }
    EXPECT_TRUE(ReadSaverOptions({"-h"}).help && ReadSaverOptions({"--help"}).help);
    // The smallest values taken.
    EXPECT_EQ(ReadSaverOptions({"-geometry", "16x16", "-font-size", "1"}).warnings.size(), 0u);
}

TEST(TextLines, SeparatorLineFeedAndBothBreakOnce) {
    // "a" CR "b" LF "c" CR LF "d", then a trailing separator: five lines.
    EXPECT_EQ(TextLines("a\rb\nc\r\nd\r"), (std::vector<std::string>{"a", "b", "c", "d", ""}));
    EXPECT_EQ(TextLines(""), (std::vector<std::string>{""}));
    // CR CR is two breaks; LF CR is two breaks too.
    EXPECT_EQ(TextLines("\r\r\n\r"), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(JoinLines(TextLines("x\r\ny\rz"), " / "), "x / y / z");
    // A tab, a form feed and DEL are spaces; UTF-8's bytes above 0x7F stay.
    EXPECT_EQ(TextLines("a\tb\fc\x7F\xC3\xA9"), (std::vector<std::string>{"a b c \xC3\xA9"}));
}

}  // namespace
}  // namespace ostrel

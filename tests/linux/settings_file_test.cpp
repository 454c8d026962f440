#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "linux/portable/settings_file.h"

namespace ostrel {
namespace {

SettingsFileEntry Number(const char* name, std::uint32_t n) {
    return {name, SettingsValueKind::Number, "", n};
}
SettingsFileEntry Text(const char* name, std::string t) {
    return {name, SettingsValueKind::Text, std::move(t), 0};
}

// The bad lines, the first of them, and the entries.
auto Read(std::string_view text) {
    SettingsFileReading r = ReadSettingsFile(text);
    return std::tuple(r.badLines, r.firstBadLine, std::move(r.entries));
}

TEST(LinuxSettingsFile, ReadsLineByLineWhateverTheLineEndsAndFindsNamesInAnyCase) {
    // Blanks around either side; the full 32-bit range, signed or not; escapes;
    // a later line of the same name, in any case, replaces the earlier one in its place.
    EXPECT_EQ(
        Read("# comment\n\nFontSize = 12\nFontName=\"DejaVu Sans\"\r\n  BgColour\t=\t0x00FF8000  \n"
             "A = -1\nB = 4294967295\nC = -2147483648\nD = 0X00000000FFFFFFFF\nE = 0x5\n"
             "fontsize = \"twelve\"\nDescr = \"a\\\"b\\\\c\\rd\\ne\\tf\\x41\\x00g\"\n"),
        std::tuple(
            0u, 0u,
            std::vector{Text("fontsize", "twelve"), Text("FontName", "DejaVu Sans"),
                        Number("BgColour", 0xFF8000), Number("A", 0xFFFFFFFF),
                        Number("B", 0xFFFFFFFF), Number("C", 0x80000000), Number("D", 0xFFFFFFFF),
                        Number("E", 5), Text("Descr", std::string("a\"b\\c\rd\ne\tfA\0g", 14))}));
    // Too wide, not a number, no value, no name, a bad name, an unknown
    // escape, a short \x, a missing quote, something after it, not text:
    // left out and counted.
    EXPECT_EQ(
        Read("H = 7\nA = 4294967296\nB = -2147483649\nC = 0x100000000\nG = 0x10000000000000000\n"
             "D = 12x\nE =\n= 5\nF G = 1\nX = \"a\\qb\"\nY = \"a\\x4\"\nZ = \"open\n"
             "W = \"done\" trailing\n\xff\xfe garbage\n\x01\x02\nV = \"ok\"  \n"),
        std::tuple(14u, 2u, std::vector{Number("H", 7), Text("V", "ok")}));
    std::vector<SettingsFileEntry> entries{Number("BgColour", 1), Number("FontSize", 2)};
    EXPECT_EQ(
        std::tuple(FindSettingsEntry(entries, "fontSIZE"), FindSettingsEntry(entries, "Size")),
        std::tuple(&entries[1], nullptr));
    EXPECT_EQ(std::tuple(IsSettingsName("Move.EB-Random_2"), IsSettingsName(std::string(255, 'a')),
                         IsSettingsName(std::string(256, 'a')), IsSettingsName("Font Name")),
              std::tuple(true, true, false, false));
    // A file edited on the other platform: every line ends in CR LF, the last
    // one too, and a CR LF inside a quoted text is not its end.
    EXPECT_EQ(Read("# saved elsewhere\r\n\r\nFontSize = 12\r\nFontName = \"Verdana\"\r\n"
                   "BgColour = 0x00FF8000\r\n"),
              Read("# saved elsewhere\n\nFontSize = 12\nFontName = \"Verdana\"\n"
                   "BgColour = 0x00FF8000\n"));
}

TEST(LinuxSettingsFile, WritesAFileThatReadsBackTheSame) {
    const std::vector<SettingsFileEntry> entries{
        Number("FontColour", 0x00FFFFFF), Number("MoveOption", 0xFFFFFFFE),
        Text("Descr",
             std::string("tab\there \"quoted\" back\\slash\r\nbell\x07 zero\0 \xc3\xa9", 44)),
        Text("Empty", "")};
    const std::string file = WriteSettingsFile(entries);
    // Colours in hexadecimal, other numbers signed, text escaped.
    EXPECT_NE(file.find("FontColour = 0x00FFFFFF\nMoveOption = -2\nDescr = \"tab\\there "
                        "\\\"quoted\\\" back\\\\slash\\r\\nbell\\x07 zero\\x00 \xc3\xa9\"\n"),
              std::string::npos)
        << file;
    EXPECT_EQ(Read(file), std::tuple(0u, 0u, entries));
}

// The store's answers: a value of the kind asked for, none of that name, the
// other kind, or a file that could not be read, where only what was written
// since is there.
TEST(LinuxSettingsFile, StoreAnswersByKindAndReadability) {
    using enum platform::ReadStatus;
    // A number read and a text read of one name.
    const auto read = [](const SettingsFileContents& f, const char* name) {
        const platform::StoredNumber n = ReadNumberEntry(f, name);
        const platform::StoredText t = ReadTextEntry(f, name);
        return std::tuple(n.status, n.value, t.status, t.value);
    };
    using Read = std::tuple<platform::ReadStatus, std::int32_t, platform::ReadStatus, std::string>;
    SettingsFileContents file{{Number("FontSize", 0xFFFFFFF6), Text("FontName", "Verdana")}};
    EXPECT_EQ(std::tuple(read(file, "fontsize"), read(file, "FONTNAME"), read(file, "BgColour")),
              std::tuple(Read(Value, -10, WrongType, ""), Read(WrongType, 0, Value, "Verdana"),
                         Read(Missing, 0, Missing, "")));

    // A write replaces a value of either kind in its place; a name the file
    // cannot hold is refused and changes nothing.
    EXPECT_TRUE(SetTextEntry(file, "fontSIZE", "big"));
    EXPECT_TRUE(SetNumberEntry(file, "BgColour", -1));
    EXPECT_FALSE(SetNumberEntry(file, "Bg Colour", 1));
    EXPECT_EQ(file.entries, (std::vector{Text("fontSIZE", "big"), Text("FontName", "Verdana"),
                                         Number("BgColour", 0xFFFFFFFF)}));

    SettingsFileContents unreadable{{}, true};
    EXPECT_EQ(read(unreadable, "FontSize"), Read(Failed, 0, Failed, ""));
    SetNumberEntry(unreadable, "FontSize", 14);
    EXPECT_EQ(std::tuple(read(unreadable, "FontSize"), read(unreadable, "FontName")),
              std::tuple(Read(Value, 14, WrongType, ""), Read(Failed, 0, Failed, "")));
}

}  // namespace
}  // namespace ostrel

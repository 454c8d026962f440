#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/linux_data/settings_file.h"
#include "platform/registry.h"

namespace ostrel {
namespace {

SettingsFileEntry Number(const char* name, std::uint32_t n) {
    return {name, platform::kRegDword, "", n};
}
SettingsFileEntry Text(const char* name, std::string t) {
    return {name, platform::kRegSz, std::move(t), 0};
}

TEST(LinuxSettingsFile, ReadsNumbersAndTextsLineByLine) {
    struct Case {
        const char* text;
        std::vector<SettingsFileEntry> entries;
        std::size_t badLines;
        std::size_t firstBadLine;
    };
    const Case cases[] = {
        {"# comment\n\nFontSize = 12\nFontName=\"DejaVu Sans\"\r\n  BgColour\t=\t0x00FF8000  \n",
         {Number("FontSize", 12), Text("FontName", "DejaVu Sans"), Number("BgColour", 0xFF8000)},
         0,
         0},
        // The full 32-bit range, signed or not.
        {"A = -1\nB = 4294967295\nC = -2147483648\nD = 0xFFFFFFFF\n",
         {Number("A", 0xFFFFFFFF), Number("B", 0xFFFFFFFF), Number("C", 0x80000000),
          Number("D", 0xFFFFFFFF)},
         0,
         0},
        // Too wide, not a number, no value, no name, a bad name: left out and counted.
        {"A = 4294967296\nB = -2147483649\nC = 0x100000000\nD = 12x\nE =\n= 5\nF G = 1\nH = 7\n",
         {Number("H", 7)},
         7,
         1},
        // Escapes; an unknown escape, a short \x or a missing quote spoils the line.
        {"Descr = \"a\\\"b\\\\c\\rd\\ne\\tf\\x41\\x00g\"\n",
         {Text("Descr", std::string("a\"b\\c\rd\ne\tfA\0g", 14))},
         0,
         0},
        {"X = \"a\\qb\"\nY = \"a\\x4\"\nZ = \"open\nW = \"done\" trailing\nV = \"ok\"  \n",
         {Text("V", "ok")},
         4,
         1},
        // A later line of the same name, in any case, replaces the earlier one in its place.
        {"FontSize = 10\nFontName = \"A\"\nfontsize = \"twelve\"\n",
         {Text("fontsize", "twelve"), Text("FontName", "A")},
         0,
         0},
        {"\xff\xfe garbage\n\x01\x02\nOptions = 1\n", {Number("Options", 1)}, 2, 1},
    };
    for (const Case& c : cases) {
        const SettingsFileReading r = ReadSettingsFile(c.text);
        EXPECT_EQ(r.entries, c.entries) << c.text;
        EXPECT_EQ(r.badLines, c.badLines) << c.text;
        EXPECT_EQ(r.firstBadLine, c.firstBadLine) << c.text;
    }
}

TEST(LinuxSettingsFile, WritesAFileThatReadsBackTheSame) {
    const std::vector<SettingsFileEntry> entries{
        Text("FontName", "Verdana"),
        Number("FontSize", 10),
        Number("FontColour", 0x00FFFFFF),
        Number("MoveOption", 0xFFFFFFFE),
        Text("Descr",
             std::string("tab\there \"quoted\" back\\slash\r\nbell\x07 zero\0 \xc3\xa9", 44)),
        Text("Empty", ""),
    };
    const std::string file = WriteSettingsFile(entries);
    // Colours in hexadecimal, other numbers signed, text escaped.
    EXPECT_NE(file.find("FontColour = 0x00FFFFFF\n"), std::string::npos) << file;
    EXPECT_NE(file.find("MoveOption = -2\n"), std::string::npos) << file;
    EXPECT_NE(
        file.find("Descr = \"tab\\there \\\"quoted\\\" back\\\\slash\\r\\nbell\\x07 zero\\x00 "
                  "\xc3\xa9\"\n"),
        std::string::npos)
        << file;
    const SettingsFileReading back = ReadSettingsFile(file);
    EXPECT_EQ(back.entries, entries);
    EXPECT_EQ(back.badLines, 0u);
}

TEST(LinuxSettingsFile, NamesAreFoundInAnyCase) {
    std::vector<SettingsFileEntry> entries{Number("BgColour", 1), Number("FontColour", 2)};
    ASSERT_NE(FindSettingsEntry(entries, "fontcolour"), nullptr);
    EXPECT_EQ(FindSettingsEntry(entries, "FONTCOLOUR")->number, 2u);
    EXPECT_EQ(FindSettingsEntry(entries, "Colour"), nullptr);
    EXPECT_TRUE(IsSettingsName("Move.EB-Random_2"));
    EXPECT_FALSE(IsSettingsName(std::string(256, 'a')));
    EXPECT_FALSE(IsSettingsName("Font Name"));
}

}  // namespace
}  // namespace ostrel

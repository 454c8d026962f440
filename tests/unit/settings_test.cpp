#include <gtest/gtest.h>

#include <tuple>

#include "common/failure.h"
#include "fixture.h"
#include "platform/registry.h"
#include "settings/settings.h"

namespace ostrel {
namespace {

class SettingsRecord : public PlatformTest {
  protected:
    std::vector<std::uint8_t> StoredBytes(const char* name) {
        const auto* v = fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, name);
        return v == nullptr ? std::vector<std::uint8_t>{} : v->bytes;
    }
    Settings s;
};

TEST_F(SettingsRecord, NoKeyGivesEveryDefault) {
    LoadSettings(s);
    EXPECT_EQ(Fields(s), std::tuple("Verdana", 10, 16777215u, 0u, false, false, false, false, 1151,
                                    0, "", 2, 2, 0));
    EXPECT_EQ(fake().openKeys, 0);
}

TEST_F(SettingsRecord, StoredValuesLoadAndSaveBackUnderTheSameNamesAndTypes) {
    fake().SetRegText(kSettingsKey, "FontName", "Tahoma");
    fake().SetRegDword(kSettingsKey, "FontSize", 0xFFFFFFFD);  // -3
    fake().SetRegDword(kSettingsKey, "FontColour", 0x00FF00);
    fake().SetRegDword(kSettingsKey, "BgColour", 255);
    fake().SetRegDword(kSettingsKey, "FontSettings", 5);
    fake().SetRegDword(kSettingsKey, "DisplayItems", 0x0480);
    fake().SetRegDword(kSettingsKey, "Options", 1);
    fake().SetRegText(kSettingsKey, "Descr", "Build server");
    fake().SetRegDword(kSettingsKey, "MoveOption", 7);  // not validated here
    fake().SetRegDword(kSettingsKey, "MoveEBRandom", 10);
    fake().SetRegDword(kSettingsKey, "TimeFormat", 1);
    LoadSettings(s);
    EXPECT_EQ(Fields(s), std::tuple("Tahoma", -3, 0x00FF00u, 255u, true, false, true, false, 0x0480,
                                    1, "Build server", 7, 10, 1));
    fake::ResetFake();
    SaveSettings(s);
    Settings again;
    LoadSettings(again);
    EXPECT_EQ(Fields(again), Fields(s));
    EXPECT_EQ(StoredBytes("FontSettings"), (std::vector<std::uint8_t>{5, 0, 0, 0}));
    EXPECT_TRUE(fake().messages.empty() && fake().openKeys == 0);
    EXPECT_EQ(fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, "oldDefaultSS"), nullptr);

    fake().SetRegDword(kSettingsKey, "FontSettings", 0xFFFFFFFFu);  // saved back as the four bits
    fake().SetRegText(kSettingsKey, "FontSize", "12");  // text read as a number: default
    fake().SetRegDword(kSettingsKey, "FontName", 5);    // a number read as text still loads
    LoadSettings(s);
    EXPECT_EQ(std::tuple(s.fontSizePoints, s.fontName,
                         s.fontBold && s.fontItalic && s.fontStrikethrough && s.fontUnderline),
              std::tuple(10, "5", true));
    SaveSettings(s);
    EXPECT_EQ(StoredBytes("FontSettings"), (std::vector<std::uint8_t>{15, 0, 0, 0}));
}

TEST_F(SettingsRecord, DescriptionIsGatedByItsDisplayBit) {
    fake().SetRegDword(kSettingsKey, "DisplayItems", 1151);
    fake().SetRegText(kSettingsKey, "Descr", "hidden");
    LoadSettings(s);
    EXPECT_EQ(s.description, "");
    s.description = "typed but hidden";
    SaveSettings(s);
    EXPECT_EQ(StoredBytes("Descr"), std::vector<std::uint8_t>{0});
}

TEST_F(SettingsRecord, TooWideNumbersOverflowAndKeepEarlierFields) {
    fake().SetRegText(kSettingsKey, "FontName", "Arial");
    fake().SetRegDword(kSettingsKey, "DisplayItems", 40000);
    EXPECT_THROW(LoadSettings(s), Failure);
    EXPECT_EQ(std::tuple(s.fontName, s.fontSizePoints, s.displayItems), std::tuple("Arial", 10, 0));
    EXPECT_EQ(fake().openKeys, 0);

    fake::ResetFake();
    fake().SetRegDword(kSettingsKey, "TimeFormat", 256);
    EXPECT_THROW(LoadSettings(s), Failure);
}

TEST_F(SettingsRecord, ARefusedWriteIsSkippedAndOnlyTheFirstIsReported) {
    // The first write refused: one message, and every later value still saved.
    // A later one refused: no message, and the values after it still saved.
    for (const char* refused : {"FontName", "FontSettings", "Descr"}) {
        SetUp();
        fake().refusedValues = {refused};
        LoadSettings(s);
        s.timeFormat = 1;
        SaveSettings(s);
        const bool first = std::string(refused) == "FontName";
        ASSERT_EQ(fake().messages.size(), first ? 1u : 0u) << refused;
        if (first) {
            const auto& m = fake().messages[0];
            EXPECT_EQ(
                std::tuple(m.text, m.caption, m.style),
                std::tuple("failed to save configuration to registry", "Ostrel Screen Saver", 48u));
        }
        EXPECT_TRUE(StoredBytes(refused).empty()) << refused;
        EXPECT_EQ(StoredBytes("TimeFormat"), (std::vector<std::uint8_t>{1, 0, 0, 0})) << refused;
        EXPECT_EQ(StoredBytes("FontSize"), (std::vector<std::uint8_t>{10, 0, 0, 0})) << refused;
        EXPECT_EQ(fake().openKeys, 0);
    }
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <tuple>

#include "common/failure.h"
#include "fixture.h"
#include "platform/registry.h"
#include "settings/settings.h"

namespace ostrel {
namespace {

const std::string kKey = "Software\\Ostrel Screen Saver\\Settings";

auto Fields(const Settings& s) {
    return std::tuple(s.fontName, s.fontSizePoints, s.fontColour, s.backgroundColour, s.fontBold,
                      s.fontItalic, s.fontStrikethrough, s.fontUnderline, s.displayItems, s.options,
                      s.description, s.animationType, s.bounceRandomness, s.timeFormat);
}

class SettingsRecord : public PlatformTest {
  protected:
    std::vector<std::uint8_t> StoredBytes(const char* name) {
        const auto* v = fake().FindValue(platform::kHkeyLocalMachine, kKey, name);
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
    fake().SetRegText(kKey, "FontName", "Tahoma");
    fake().SetRegDword(kKey, "FontSize", 0xFFFFFFFD);  // -3
    fake().SetRegDword(kKey, "FontColour", 0x00FF00);
    fake().SetRegDword(kKey, "BgColour", 255);
    fake().SetRegDword(kKey, "FontSettings", 5);
    fake().SetRegDword(kKey, "DisplayItems", 0x0480);
    fake().SetRegDword(kKey, "Options", 1);
    fake().SetRegText(kKey, "Descr", "Build server");
    fake().SetRegDword(kKey, "MoveOption", 7);  // not validated here
    fake().SetRegDword(kKey, "MoveEBRandom", 10);
    fake().SetRegDword(kKey, "TimeFormat", 1);
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
    EXPECT_EQ(fake().FindValue(platform::kHkeyLocalMachine, kKey, "oldDefaultSS"), nullptr);

    fake().SetRegDword(kKey, "FontSettings", 0xFFFFFFFFu);  // saved back as the four bits
    fake().SetRegText(kKey, "FontSize", "12");              // text read as a number: default
    fake().SetRegDword(kKey, "FontName", 5);                // a number read as text still loads
    LoadSettings(s);
    EXPECT_EQ(std::tuple(s.fontSizePoints, s.fontName,
                         s.fontBold && s.fontItalic && s.fontStrikethrough && s.fontUnderline),
              std::tuple(10, "5", true));
    SaveSettings(s);
    EXPECT_EQ(StoredBytes("FontSettings"), (std::vector<std::uint8_t>{15, 0, 0, 0}));
}

TEST_F(SettingsRecord, DescriptionIsGatedByItsDisplayBit) {
    fake().SetRegDword(kKey, "DisplayItems", 1151);
    fake().SetRegText(kKey, "Descr", "hidden");
    LoadSettings(s);
    EXPECT_EQ(s.description, "");
    s.description = "typed but hidden";
    SaveSettings(s);
    EXPECT_EQ(StoredBytes("Descr"), std::vector<std::uint8_t>{0});
}

TEST_F(SettingsRecord, TooWideNumbersOverflowAndKeepEarlierFields) {
    fake().SetRegText(kKey, "FontName", "Arial");
    fake().SetRegDword(kKey, "DisplayItems", 40000);
    EXPECT_THROW(LoadSettings(s), Failure);
    EXPECT_EQ(std::tuple(s.fontName, s.fontSizePoints, s.displayItems), std::tuple("Arial", 10, 0));
    EXPECT_EQ(fake().openKeys, 0);

    fake::ResetFake();
    fake().SetRegDword(kKey, "TimeFormat", 256);
    EXPECT_THROW(LoadSettings(s), Failure);
}

TEST_F(SettingsRecord, RefusedSaveShowsOneMessageAndTriesTheRest) {
    fake().refuseWrites = true;
    LoadSettings(s);
    SaveSettings(s);
    ASSERT_EQ(fake().messages.size(), 1u);
    const auto& m = fake().messages[0];
    EXPECT_EQ(std::tuple(m.text, m.caption, m.style),
              std::tuple("failed to save configuration to registry", "Ostrel Screen Saver", 48u));
    EXPECT_EQ(fake().openKeys, 0);
}

}  // namespace
}  // namespace ostrel

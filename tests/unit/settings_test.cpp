#include <gtest/gtest.h>

#include "common/failure.h"
#include "fixture.h"
#include "platform/registry.h"
#include "settings/settings.h"

namespace ostrel {
namespace {

const std::string kKey = "Software\\Ostrel Screen Saver\\Settings";

class SettingsRecord : public PlatformTest {
  protected:
    std::uint32_t StoredDword(const char* name) {
        const auto* v = fake().FindValue(platform::kHkeyLocalMachine, kKey, name);
        EXPECT_NE(v, nullptr) << name;
        if (v == nullptr) {
            return 0xDEADBEEF;
        }
        EXPECT_EQ(v->type, platform::kRegDword) << name;
        return v->bytes[0] | v->bytes[1] << 8 | v->bytes[2] << 16 | v->bytes[3] << 24;
    }
    std::string StoredText(const char* name) {
        const auto* v = fake().FindValue(platform::kHkeyLocalMachine, kKey, name);
        EXPECT_NE(v, nullptr) << name;
        if (v == nullptr) {
            return "<missing>";
        }
        EXPECT_EQ(v->type, platform::kRegSz) << name;
        return std::string(v->bytes.begin(), v->bytes.end());
    }
    Settings s;
};

TEST_F(SettingsRecord, KeyPathIsBuiltFromTheTitle) {
    EXPECT_EQ(SettingsKeyPath(), kKey);
}

TEST_F(SettingsRecord, NoKeyGivesEveryDefault) {
    LoadSettings(s);
    EXPECT_EQ(s.FontName, "Verdana");
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_FALSE(s.FontBold || s.FontItalic || s.FontStrikethru || s.FontUnderline);
    EXPECT_EQ(s.FontColour, 16777215u);
    EXPECT_EQ(s.BgColour, 0u);
    EXPECT_EQ(s.DisplayItems, 1151);
    EXPECT_EQ(s.Options, 0);
    EXPECT_EQ(s.Descr, "");
    EXPECT_EQ(s.MoveOption, 2);
    EXPECT_EQ(s.MoveEBRandom, 2);
    EXPECT_EQ(s.TimeFormat, 0);
    EXPECT_EQ(fake().openKeys, 0);
}

TEST_F(SettingsRecord, StoredValuesAreLoaded) {
    fake().SetRegText(kKey, "FontName", "Tahoma");
    fake().SetRegDword(kKey, "FontSize", 14);
    fake().SetRegDword(kKey, "FontColour", 0x00FF00);
    fake().SetRegDword(kKey, "BgColour", 255);
    fake().SetRegDword(kKey, "DisplayItems", 0x0480);
    fake().SetRegDword(kKey, "Options", 1);
    fake().SetRegText(kKey, "Descr", "Build server");
    fake().SetRegDword(kKey, "MoveOption", 7);
    fake().SetRegDword(kKey, "MoveEBRandom", 10);
    fake().SetRegDword(kKey, "TimeFormat", 1);
    LoadSettings(s);
    EXPECT_EQ(s.FontName, "Tahoma");
    EXPECT_EQ(s.FontSize, 14);
    EXPECT_EQ(s.FontColour, 0x00FF00u);
    EXPECT_EQ(s.BgColour, 255u);
    EXPECT_EQ(s.DisplayItems, 0x0480);
    EXPECT_EQ(s.Options, 1);
    EXPECT_EQ(s.Descr, "Build server");
    EXPECT_EQ(s.MoveOption, 7);  // not validated here
    EXPECT_EQ(s.MoveEBRandom, 10);
    EXPECT_EQ(s.TimeFormat, 1);
}

TEST_F(SettingsRecord, ValuesOfTheWrongTypeGetDefaults) {
    fake().SetRegText(kKey, "FontSize", "12");
    fake().SetRegDword(kKey, "FontName", 5);  // a number read as text still loads
    LoadSettings(s);
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_EQ(s.FontName, "5");
}

TEST_F(SettingsRecord, FontSettingsBitsAndTheirSave) {
    fake().SetRegDword(kKey, "FontSettings", 5);
    LoadSettings(s);
    EXPECT_TRUE(s.FontBold);
    EXPECT_FALSE(s.FontItalic);
    EXPECT_TRUE(s.FontStrikethru);
    EXPECT_FALSE(s.FontUnderline);
    SaveSettings(s);
    EXPECT_EQ(StoredDword("FontSettings"), 5u);

    fake().SetRegDword(kKey, "FontSettings", 0xFFFFFFFFu);
    LoadSettings(s);
    EXPECT_TRUE(s.FontBold && s.FontItalic && s.FontStrikethru && s.FontUnderline);
    SaveSettings(s);
    EXPECT_EQ(StoredDword("FontSettings"), 15u);
}

TEST_F(SettingsRecord, DescriptionIsGatedByItsDisplayBit) {
    fake().SetRegDword(kKey, "DisplayItems", 1151);
    fake().SetRegText(kKey, "Descr", "hidden");
    LoadSettings(s);
    EXPECT_EQ(s.Descr, "");
    SaveSettings(s);
    EXPECT_EQ(StoredText("Descr"), std::string(1, '\0'));

    s.Descr = "typed but hidden";
    SaveSettings(s);
    EXPECT_EQ(StoredText("Descr"), std::string(1, '\0'));

    s.DisplayItems = static_cast<std::int16_t>(1151 | 0x80);
    s.Descr = "";
    SaveSettings(s);
    EXPECT_EQ(StoredText("Descr"), std::string(1, '\0'));
    Settings again;
    LoadSettings(again);
    EXPECT_EQ(again.Descr, "");
}

TEST_F(SettingsRecord, TooWideNumbersOverflowAndKeepEarlierFields) {
    fake().SetRegText(kKey, "FontName", "Arial");
    fake().SetRegDword(kKey, "DisplayItems", 40000);
    try {
        LoadSettings(s);
        ADD_FAILURE() << "no overflow";
    } catch (const Failure& f) {
        EXPECT_EQ(f.number, 6);
    }
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_EQ(s.DisplayItems, 0);
    EXPECT_EQ(fake().openKeys, 0);

    fake::ResetFake();
    fake().SetRegDword(kKey, "TimeFormat", 256);
    EXPECT_THROW(LoadSettings(s), Failure);
    fake().SetRegDword(kKey, "TimeFormat", 255);
    fake().SetRegDword(kKey, "FontSize", 0xFFFF8000u);  // -32768 fits
    LoadSettings(s);
    EXPECT_EQ(s.FontSize, -32768);
}

TEST_F(SettingsRecord, SaveWritesEveryFieldWithItsType) {
    LoadSettings(s);
    s.FontSize = -3;
    SaveSettings(s);
    EXPECT_EQ(StoredText("FontName"), "Verdana");
    EXPECT_EQ(StoredDword("FontSize"), 0xFFFFFFFDu);
    EXPECT_EQ(StoredDword("FontColour"), 16777215u);
    EXPECT_EQ(StoredDword("BgColour"), 0u);
    EXPECT_EQ(StoredDword("FontSettings"), 0u);
    EXPECT_EQ(StoredDword("DisplayItems"), 1151u);
    EXPECT_EQ(StoredDword("Options"), 0u);
    EXPECT_EQ(StoredDword("MoveOption"), 2u);
    EXPECT_EQ(StoredDword("MoveEBRandom"), 2u);
    EXPECT_EQ(StoredDword("TimeFormat"), 0u);
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(fake().openKeys, 0);
    EXPECT_EQ(fake().FindValue(platform::kHkeyLocalMachine, kKey, "oldDefaultSS"), nullptr);
}

TEST_F(SettingsRecord, RefusedSaveShowsOneMessageAndTriesTheRest) {
    fake().refuseWrites = true;
    LoadSettings(s);
    SaveSettings(s);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].text, "failed to save configuration to registry");
    EXPECT_EQ(fake().messages[0].caption, "Ostrel Screen Saver");
    EXPECT_EQ(fake().messages[0].style, 48u);
    EXPECT_EQ(fake().openKeys, 0);
}

}  // namespace
}  // namespace ostrel

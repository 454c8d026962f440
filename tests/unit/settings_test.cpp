#include <gtest/gtest.h>

#include <tuple>

#include "common/failure.h"
#include "fixture.h"
#include "platform/registry.h"
#include "settings/settings.h"

namespace ostrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SettingsRecord : public PlatformTest {
  protected:
    Bytes StoredBytes(const char* name) {
        const auto* v = fake().FindValue(platform::kHkeyLocalMachine, kSettingsKey, name);
        return v == nullptr ? Bytes{} : v->bytes;
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
    // A font size of -3; every font bit but bold's, saved back as the four
    // bits alone; an animation of 7, which is not validated here.
    const std::pair<const char*, std::uint32_t> numbers[] = {
        {"FontSize", 0xFFFFFFFD}, {"FontColour", 0x00FF00},
        {"BgColour", 255},        {"FontSettings", 0xFFFFFFFE},
        {"DisplayItems", 0x0480}, {"Options", 1},
        {"MoveOption", 7},        {"MoveEBRandom", 10},
        {"TimeFormat", 1}};
    for (const auto& [name, number] : numbers) {
        fake().SetRegDword(kSettingsKey, name, number);
    }
    fake().SetRegText(kSettingsKey, "FontName", "Tahoma");
    fake().SetRegText(kSettingsKey, "Descr", "Build server");
    LoadSettings(s);
    EXPECT_EQ(Fields(s), std::tuple("Tahoma", -3, 0x00FF00u, 255u, false, true, true, true, 0x0480,
                                    1, "Build server", 7, 10, 1));
    fake::ResetFake();
    SaveSettings(s);
    Settings again;
    LoadSettings(again);
    EXPECT_EQ(std::tuple(Fields(again), StoredBytes("FontSettings"), fake().messages.size(),
                         fake().openKeys, StoredBytes("oldDefaultSS")),
              std::tuple(Fields(s), Bytes{14, 0, 0, 0}, 0u, 0, Bytes{}));
}

TEST_F(SettingsRecord, DescriptionIsGatedByItsDisplayBit) {
    // The default display items leave the description out.
    fake().SetRegText(kSettingsKey, "Descr", "hidden");
    LoadSettings(s);
    EXPECT_EQ(s.description, "");
    s.description = "typed but hidden";
    SaveSettings(s);
    EXPECT_EQ(StoredBytes("Descr"), Bytes{0});
}

TEST_F(SettingsRecord, TooWideNumbersOverflowAndKeepEarlierFields) {
    fake().SetRegText(kSettingsKey, "FontName", "Arial");
    fake().SetRegDword(kSettingsKey, "DisplayItems", 40000);
    EXPECT_THROW(LoadSettings(s), Failure);
    EXPECT_EQ(std::tuple(s.fontName, s.fontSizePoints, s.displayItems, fake().openKeys),
              std::tuple("Arial", 10, 0, 0));
    fake::ResetFake();
    fake().SetRegDword(kSettingsKey, "TimeFormat", 256);
    EXPECT_THROW(LoadSettings(s), Failure);
}

TEST_F(SettingsRecord, ARefusedWriteIsSkippedAndOnlyTheFirstIsReported) {
    // A later write refused: no message, and the values after it still saved.
    // The first refused: one message, and every later value still saved.
    s.timeFormat = 1;
    for (const char* refused : {"FontSize", "Descr", "FontName"}) {
        SetUp();
        fake().refusedValues = {refused};
        SaveSettings(s);
        EXPECT_EQ(std::tuple(StoredBytes(refused), StoredBytes("FontSettings"),
                             StoredBytes("TimeFormat"), fake().openKeys, fake().messages.size()),
                  std::tuple(Bytes{}, Bytes{0, 0, 0, 0}, Bytes{1, 0, 0, 0}, 0,
                             std::string(refused) == "FontName" ? 1u : 0u))
            << refused;
    }
    const auto& m = fake().messages.at(0);
    EXPECT_EQ(std::tuple(m.text, m.caption, m.style),
              std::tuple("failed to save configuration to registry", "Ostrel Screen Saver", 48u));
}

}  // namespace
}  // namespace ostrel

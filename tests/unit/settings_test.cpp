#include <gtest/gtest.h>

#include <tuple>

#include "common/failure.h"
#include "fixture.h"
#include "settings/settings.h"

namespace ostrel {
namespace {

class SettingsRecord : public PlatformTest {
  protected:
    Settings s;
};

TEST_F(SettingsRecord, MissingUnreadableOrMistypedValuesGiveTheirDefaults) {
    Store("FontName", 7);
    Store("FontSize", std::string("12"));
    store().failingReads = {"DisplayItems", "MoveOption"};
    Store("DisplayItems", 3);
    LoadSettings(store(), s);
    EXPECT_EQ(Fields(s), std::tuple("Verdana", 10, 16777215u, 0u, false, false, false, false, 1151,
                                    0, "", 2, 2, 0));
}

TEST_F(SettingsRecord, StoredValuesLoadAndSaveBackUnderTheSameNamesAndTypes) {
    // A font size of -3; every font bit but bold's, saved back as the four
    // bits alone; an animation of 7, which is not validated here.
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"FontSize", -3},     {"FontColour", 0x00FF00}, {"BgColour", 255},
        {"FontSettings", -2}, {"DisplayItems", 0x0480}, {"Options", 1},
        {"MoveOption", 7},    {"MoveEBRandom", 10},     {"TimeFormat", 1}};
    for (const auto& [name, number] : numbers) {
        Store(name, number);
    }
    Store("FontName", std::string("Tahoma"));
    Store("Descr", std::string("Build server"));
    LoadSettings(store(), s);
    EXPECT_EQ(Fields(s), std::tuple("Tahoma", -3, 0x00FF00u, 255u, false, true, true, true, 0x0480,
                                    1, "Build server", 7, 10, 1));
    ResetFakes();
    SaveSettings(store(), win(), s);
    Settings again;
    LoadSettings(store(), again);
    EXPECT_EQ(std::tuple(Fields(again), store().values.at("FontSettings"), win().messages.size(),
                         store().values.size()),
              std::tuple(Fields(s), std::variant<std::int32_t, std::string>(14), 0u, 11u));
}

TEST_F(SettingsRecord, DescriptionIsGatedByItsDisplayBit) {
    // The default display items leave the description out.
    Store("Descr", std::string("hidden"));
    LoadSettings(store(), s);
    EXPECT_EQ(s.description, "");
    s.description = "typed but hidden";
    SaveSettings(store(), win(), s);
    EXPECT_EQ(store().Shown("Descr"), "");
}

TEST_F(SettingsRecord, TooWideNumbersOverflowAndKeepEarlierFields) {
    Store("FontName", std::string("Arial"));
    Store("DisplayItems", 40000);
    EXPECT_THROW(LoadSettings(store(), s), Failure);
    EXPECT_EQ(std::tuple(s.fontName, s.fontSizePoints, s.displayItems), std::tuple("Arial", 10, 0));
    ResetFakes();
    Store("TimeFormat", 256);
    EXPECT_THROW(LoadSettings(store(), s), Failure);
}

TEST_F(SettingsRecord, ARefusedWriteIsSkippedAndOnlyTheFirstIsReported) {
    // A later write refused: no message, and the values after it still saved.
    // The first refused: one message, and every later value still saved.
    s.timeFormat = 1;
    for (const char* refused : {"FontSize", "Descr", "FontName"}) {
        ResetFakes();
        store().failingWrites = {refused};
        SaveSettings(store(), win(), s);
        EXPECT_EQ(std::tuple(store().Shown(refused), store().Shown("FontSettings"),
                             store().Shown("TimeFormat"), win().messages.size()),
                  std::tuple("<none>", "0", "1", std::string(refused) == "FontName" ? 1u : 0u))
            << refused;
    }
    const auto& m = win().messages.at(0);
    EXPECT_EQ(std::tuple(m.text, m.caption, m.icon),
              std::tuple("failed to save configuration to registry", "Ostrel Screen Saver",
                         platform::MessageIcon::Exclamation));
}

}  // namespace
}  // namespace ostrel

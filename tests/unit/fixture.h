#pragma once
// Every test over the fakes starts from a fresh platform and the real random
// generator.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "common/random.h"
#include "fakes/fake_platform.h"
#include "settings/settings.h"

namespace ostrel {

inline const std::string kSettingsKey = "Software\\Ostrel Screen Saver\\Settings";

// "number source: description" of the failure `f` raises, or "no failure".
inline std::string FailureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Failure& e) {
        return std::to_string(e.number) + " " + e.source + ": " + e.description;
    }
    return "no failure";
}

// Every field of the record, to compare records whole.
inline auto Fields(const Settings& s) {
    return std::tuple(s.fontName, s.fontSizePoints, s.fontColour, s.backgroundColour, s.fontBold,
                      s.fontItalic, s.fontStrikethrough, s.fontUnderline, s.displayItems, s.options,
                      s.description, s.animationType, s.bounceRandomness, s.timeFormat);
}

class PlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::ResetFake();
        SetRandomSource({});
    }
    fake::FakePlatform& fake() { return fake::Fake(); }
};

}  // namespace ostrel

#pragma once
// Every test over the fakes owns a fresh set of them.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "fakes/fake_services.h"
#include "platform/run_mode.h"
#include "settings/settings.h"

namespace ostrel {

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

// A run request as a front end would read it.
inline platform::RunRequest Request(platform::RunMode mode, platform::WindowHandle window = 0,
                                    std::optional<Failure> windowFailure = std::nullopt,
                                    std::string arguments = "") {
    platform::RunRequest request;
    request.mode = mode;
    request.window = window;
    request.windowFailure = std::move(windowFailure);
    request.arguments = std::move(arguments);
    return request;
}

class PlatformTest : public ::testing::Test {
  protected:
    platform::Windowing& win() { return fakes->windowing; }
    platform::SettingsStore& store() { return fakes->store; }
    platform::SystemInfo& sys() { return fakes->system; }
    platform::Network& net() { return fakes->network; }
    platform::Shell& shell() { return fakes->shell; }
    platform::Dialogs& dlg() { return fakes->dialogs; }
    // Plants a stored value of either type.
    void Store(const std::string& name, std::int32_t number) { store().values[name] = number; }
    void Store(const std::string& name, const std::string& text) { store().values[name] = text; }

    // Starts again from fresh fakes, for tests that run several starts.
    void ResetFakes() { fakes = std::make_unique<fake::FakeServices>(); }

    std::unique_ptr<fake::FakeServices> fakes = std::make_unique<fake::FakeServices>();
};

}  // namespace ostrel

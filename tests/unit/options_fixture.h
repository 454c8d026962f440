#pragma once
// Tests of the options dialog start from the default settings and a fresh
// dialog, as an options start would give them.

#include <optional>
#include <string>

#include "fixture.h"
#include "options/options_dialog.h"
#include "settings/settings.h"

namespace ostrel {

class OptionsTest : public PlatformTest {
  protected:
    // Also called again by tests that open the dialog several times.
    void SetUp() override {
        ResetFakes();
        settings = Settings{};
        dialog.emplace(fakes->services(), &settings);
    }
    // Loads the settings from the fake store and the dialog from them.
    void Load(const std::string& commandLine = "/c") {
        LoadSettings(store(), settings);
        dialog->Load(commandLine);
    }
    std::string DefaultSaver() { return store().defaultSaver.value_or("<none>"); }
    Settings settings;
    std::optional<OptionsDialog> dialog;
};

}  // namespace ostrel

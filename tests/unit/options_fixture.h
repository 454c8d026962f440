#pragma once
// Tests of the options dialog start from the default settings and a fresh
// dialog, as a /C start would give them.

#include <string>

#include "fixture.h"
#include "options/options_dialog.h"
#include "platform/registry.h"
#include "settings/registry_store.h"
#include "settings/settings.h"

namespace ostrel {

inline const std::string kDesktopKey = ".DEFAULT\\Control Panel\\Desktop";

class OptionsTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        settings = Settings{};
        dialog = OptionsDialog(&settings);
    }
    // Loads the settings from the fake registry and the dialog from them.
    void Load(const std::string& commandLine = "/c") {
        LoadSettings(settings);
        dialog.Load(commandLine);
    }
    // The text of a string value, or "<none>".
    static std::string Text(std::uint32_t root, const std::string& path, const std::string& name) {
        std::string text;
        return ReadRegistryText(root, path, name, text) ? text : "<none>";
    }
    std::string DefaultSaver() { return Text(platform::kHkeyUsers, kDesktopKey, "SCRNSAVE.EXE"); }
    Settings settings;
    OptionsDialog dialog;
};

}  // namespace ostrel

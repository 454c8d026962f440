#pragma once
// Tests of the options dialog start from the default settings and a fresh
// dialog, as a /C start would give them.

#include <string>

#include "fixture.h"
#include "options/options_dialog.h"
#include "platform/registry.h"
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
    void SetDefaultSaver(const std::string& text) {
        fake().keys[{platform::kHkeyUsers, ".default"}];
        fake().keys[{platform::kHkeyUsers, ".default\\control panel"}];
        fake().keys[{platform::kHkeyUsers, fake::Lower(kDesktopKey)}].values["scrnsave.exe"] =
            fake::RegValue{platform::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
    }
    // The text of a string value, or "<none>".
    std::string Text(std::uint32_t root, const std::string& path, const std::string& name) {
        const fake::RegValue* v = fake().FindValue(root, path, name);
        if (v == nullptr) {
            return "<none>";
        }
        std::string text(v->bytes.begin(), v->bytes.end());
        return text == std::string(1, '\0') ? "" : text;
    }
    std::string DefaultSaver() { return Text(platform::kHkeyUsers, kDesktopKey, "SCRNSAVE.EXE"); }
    std::string OldDefault() {
        return Text(platform::kHkeyLocalMachine, kSettingsKey, "oldDefaultSS");
    }
    Settings settings;
    OptionsDialog dialog;
};

}  // namespace ostrel

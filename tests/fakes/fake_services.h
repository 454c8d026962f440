#pragma once
// One fake of every service, owned by each test fixture.

#include "fakes/fake_dialogs.h"
#include "fakes/fake_network.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_sysinfo.h"
#include "fakes/fake_windowing.h"
#include "platform/services.h"

namespace ostrel::fake {

struct FakeServices {
    FakeServices() {
        // A message box belongs to the options window while that is open.
        windowing.optionsWindowOpen = [this] { return dialogs.Open(); };
    }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    platform::Windowing windowing;
    platform::SettingsStore store;
    platform::SystemInfo system;
    platform::Network network;
    platform::Shell shell;
    platform::Dialogs dialogs;

    platform::Services services() { return {windowing, store, system, network, shell, dialogs}; }
};

}  // namespace ostrel::fake

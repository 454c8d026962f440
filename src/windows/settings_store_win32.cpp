// The settings and the default user's screen saver in the registry, over
// the ANSI functions of advapi32 so that text crosses in the system code
// page.

#include <windows.h>

#include "platform/settings_store.h"
#include "windows/portable/registry_store.h"
#include "windows/services_win32.h"

namespace ostrel::win32 {

namespace {

HKEY KeyOf(RegistryKey key) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}

HKEY RootOf(RegistryRoot root) {
    return root == RegistryRoot::Users ? HKEY_USERS : HKEY_LOCAL_MACHINE;
}

}  // namespace

RegistryAccess SystemRegistry() {
    RegistryAccess registry;
    registry.openKey = [](RegistryRoot root, const std::string& path, bool create,
                          RegistryKey& key) -> long {
        HKEY h = nullptr;
        const LONG answer = create ? RegCreateKeyA(RootOf(root), path.c_str(), &h)
                                   : RegOpenKeyA(RootOf(root), path.c_str(), &h);
        key = reinterpret_cast<RegistryKey>(h);
        return answer;
    };
    registry.queryValue = [](RegistryKey key, const std::string& name, std::uint32_t& type,
                             std::uint8_t* data, std::uint32_t& size) -> long {
        DWORD t = 0;
        DWORD n = size;
        const LONG answer = RegQueryValueExA(KeyOf(key), name.c_str(), nullptr, &t, data, &n);
        type = t;
        size = n;
        return answer;
    };
    registry.setValue = [](RegistryKey key, const std::string& name, std::uint32_t type,
                           const std::uint8_t* data, std::uint32_t size) -> long {
        return RegSetValueExA(KeyOf(key), name.c_str(), 0, type, data, size);
    };
    registry.closeKey = [](RegistryKey key) { RegCloseKey(KeyOf(key)); };
    return registry;
}

}  // namespace ostrel::win32

namespace ostrel::platform {

namespace {
constexpr win32::RegistryRoot kSettingsRoot = win32::RegistryRoot::LocalMachine;
constexpr win32::RegistryRoot kDefaultUserRoot = win32::RegistryRoot::Users;
}  // namespace

StoredNumber ReadNumberValue(SettingsStore& store, const std::string& name) {
    return win32::ReadRegistryNumber(store.registry, kSettingsRoot, win32::SettingsKeyPath(), name);
}

StoredText ReadTextValue(SettingsStore& store, const std::string& name) {
    return win32::ReadRegistryText(store.registry, kSettingsRoot, win32::SettingsKeyPath(), name);
}

bool WriteNumberValue(SettingsStore& store, const std::string& name, std::int32_t number) {
    return win32::WriteRegistryNumber(store.registry, kSettingsRoot, win32::SettingsKeyPath(), name,
                                      number);
}

bool WriteTextValue(SettingsStore& store, const std::string& name, const std::string& text) {
    return win32::WriteRegistryText(store.registry, kSettingsRoot, win32::SettingsKeyPath(), name,
                                    text);
}

StoredText ReadDefaultSaver(SettingsStore& store) {
    return win32::ReadRegistryText(store.registry, kDefaultUserRoot, win32::kDefaultDesktopKeyPath,
                                   win32::kDefaultSaverValueName);
}

bool WriteDefaultSaver(SettingsStore& store, const std::string& fileName) {
    return win32::WriteRegistryText(store.registry, kDefaultUserRoot, win32::kDefaultDesktopKeyPath,
                                    win32::kDefaultSaverValueName, fileName);
}

}  // namespace ostrel::platform

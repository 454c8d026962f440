// The registry over the ANSI functions of advapi32, so that text crosses in
// the system code page.

#include <windows.h>

#include "platform/registry.h"

namespace ostrel::platform {

namespace {
HKEY Key(std::uint64_t k) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(k));
}
HKEY Root(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}
}  // namespace

long OpenRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key) {
    HKEY h = nullptr;
    const LONG rc = RegOpenKeyA(Root(root), path.c_str(), &h);
    key = reinterpret_cast<RegistryKey>(h);
    return rc;
}

long CreateRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key) {
    HKEY h = nullptr;
    const LONG rc = RegCreateKeyA(Root(root), path.c_str(), &h);
    key = reinterpret_cast<RegistryKey>(h);
    return rc;
}

long QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) {
    DWORD t = 0;
    DWORD n = size;
    const LONG rc = RegQueryValueExA(Key(key), name.c_str(), nullptr, &t, data, &n);
    type = t;
    size = n;
    return rc;
}

long SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                      const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(Key(key), name.c_str(), 0, type, data, size);
}

long CloseRegistryKey(RegistryKey key) {
    return RegCloseKey(Key(key));
}

}  // namespace ostrel::platform

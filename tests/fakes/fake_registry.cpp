// The registry as typed values in memory; keys are counted while open so
// that tests can see none is left open.

#include <cstring>

#include "fakes/fake_platform.h"
#include "platform/registry.h"

namespace ostrel::platform {

using fake::Fake;

namespace {

std::map<RegistryKey, std::pair<std::uint32_t, std::string>> gHandles;
RegistryKey gNextHandle = 0x100;

RegistryKey Issue(std::uint32_t root, const std::string& path) {
    if (Fake().openKeys == 0) {
        gHandles.clear();
    }
    ++Fake().openKeys;
    gHandles[++gNextHandle] = {root, fake::Lower(path)};
    return gNextHandle;
}

fake::RegKeyData* Find(RegistryKey key) {
    const auto h = gHandles.find(key);
    if (h == gHandles.end()) {
        return nullptr;
    }
    const auto k = Fake().keys.find(h->second);
    return k == Fake().keys.end() ? nullptr : &k->second;
}

}  // namespace

long OpenRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key) {
    if (Fake().keys.count({root, fake::Lower(path)}) == 0) {
        return 2;  // not found
    }
    key = Issue(root, path);
    return kRegSuccess;
}

long CreateRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key) {
    if (Fake().refuseCreate) {
        return 5;  // access denied
    }
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            Fake().keys[{root, fake::Lower(path.substr(0, i))}];
        }
    }
    key = Issue(root, path);
    return kRegSuccess;
}

long QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) {
    fake::RegKeyData* k = Find(key);
    if (k == nullptr) {
        return 6;  // invalid handle
    }
    const auto v = k->values.find(fake::Lower(name));
    if (v == k->values.end()) {
        return 2;
    }
    if (v->second.bytes.size() > size) {
        size = static_cast<std::uint32_t>(v->second.bytes.size());
        return kRegMoreData;
    }
    type = v->second.type;
    size = static_cast<std::uint32_t>(v->second.bytes.size());
    if (size > 0) {
        std::memcpy(data, v->second.bytes.data(), size);
    }
    return kRegSuccess;
}

long SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                      const std::uint8_t* data, std::uint32_t size) {
    fake::RegKeyData* k = Find(key);
    if (k == nullptr) {
        return 6;
    }
    if (Fake().refuseWrites || Fake().refusedValues.count(name) != 0) {
        return 5;
    }
    k->values[fake::Lower(name)] =
        fake::RegValue{type, std::vector<std::uint8_t>(data, data + size)};
    return kRegSuccess;
}

long CloseRegistryKey(RegistryKey key) {
    if (gHandles.erase(key) == 0) {
        return 6;
    }
    --Fake().openKeys;
    return kRegSuccess;
}

}  // namespace ostrel::platform

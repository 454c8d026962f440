#pragma once
// The values of one registry key, answered as the registry answers a value
// query: the type and bytes, or "more data" when the caller's buffer is too
// small; for the fakes of the registry store's tests and its fuzzer.

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "windows/portable/registry_store.h"

namespace ostrel::win32 {

inline constexpr long kRegMoreData = 234;

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};
using RegistryValues = std::map<std::string, RegistryValue>;

inline long AnswerQuery(const RegistryValues& values, const std::string& name, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) {
    const auto v = values.find(name);
    if (v == values.end()) {
        return kRegFileNotFound;
    }
    if (v->second.bytes.size() > size) {
        return kRegMoreData;
    }
    type = v->second.type;
    size = static_cast<std::uint32_t>(v->second.bytes.size());
    if (size > 0) {
        std::memcpy(data, v->second.bytes.data(), size);
    }
    return kRegSuccess;
}

}  // namespace ostrel::win32

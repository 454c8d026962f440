#include "fakes/fake_platform.h"

#include <algorithm>
#include <cstring>

#include "platform/registry.h"

namespace ostrel::fake {

namespace {
FakePlatform gFake;
}

FakePlatform& Fake() {
    return gFake;
}
void ResetFake() {
    gFake = FakePlatform{};
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return s;
}

void FakePlatform::AddMonitor(std::uint32_t stateFlags, platform::PixelRect rect) {
    const std::string name = "\\\\.\\DISPLAY" + std::to_string(devices.size() + 1);
    devices.push_back({{name, stateFlags}, platform::DisplaySettings{rect.left, rect.top}, {}});
    monitors.push_back({rect.left, rect.top, rect});
}

void FakePlatform::SetRegBytes(const std::string& path, const std::string& name, std::uint32_t type,
                               std::vector<std::uint8_t> bytes) {
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            keys[{platform::kHkeyLocalMachine, Lower(path.substr(0, i))}];
        }
    }
    keys[{platform::kHkeyLocalMachine, Lower(path)}].values[Lower(name)] =
        RegValue{type, std::move(bytes)};
}

void FakePlatform::SetRegDword(const std::string& path, const std::string& name,
                               std::uint32_t value) {
    SetRegBytes(path, name, 4,
                {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void FakePlatform::SetRegText(const std::string& path, const std::string& name,
                              const std::string& text) {
    SetRegBytes(path, name, 1, std::vector<std::uint8_t>(text.begin(), text.end()));
}

const RegValue* FakePlatform::FindValue(std::uint32_t root, const std::string& path,
                                        const std::string& name) const {
    const auto key = keys.find({root, Lower(path)});
    if (key == keys.end()) {
        return nullptr;
    }
    const auto value = key->second.values.find(Lower(name));
    return value == key->second.values.end() ? nullptr : &value->second;
}

}  // namespace ostrel::fake

#include "windows/portable/registry_store.h"

#include <array>

#include "common/app.h"
#include "common/little_endian.h"

namespace ostrel::win32 {

namespace {

using platform::ReadStatus;

// Holds a key for the length of one operation, so that no path leaves it open.
class OpenKey {
  public:
    OpenKey(const RegistryAccess& registry, RegistryRoot root, const std::string& path, bool create)
        : registry_(registry), status_(registry.openKey(root, path, create, key_)) {}
    ~OpenKey() {
        if (ok()) {
            registry_.closeKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool ok() const { return status_ == kRegSuccess; }
    long status() const { return status_; }
    RegistryKey key() const { return key_; }

  private:
    const RegistryAccess& registry_;
    RegistryKey key_ = 0;
    long status_;
};

// A key or value that is not there is missing; anything else that stops a
// read is a failed read.
ReadStatus StatusOfRefusal(long status) {
    return status == kRegFileNotFound ? ReadStatus::Missing : ReadStatus::Failed;
}

struct ReadValue {
    std::array<std::uint8_t, kRegistryReadBufferBytes> bytes{};
    std::uint32_t size = kRegistryReadBufferBytes;
    std::uint32_t type = 0;
    ReadStatus status = ReadStatus::Failed;
};

ReadValue Query(const RegistryAccess& registry, RegistryRoot root, const std::string& keyPath,
                const std::string& valueName) {
    ReadValue value;
    const OpenKey key(registry, root, keyPath, false);
    if (!key.ok()) {
        value.status = StatusOfRefusal(key.status());
        return value;
    }
    const long answer =
        registry.queryValue(key.key(), valueName, value.type, value.bytes.data(), value.size);
    value.status = answer == kRegSuccess ? ReadStatus::Value : StatusOfRefusal(answer);
    return value;
}

// The value's bytes without one final zero byte; false for a value of no
// bytes (the trimming needs one) or more than the buffer holds.
bool Trimmed(const std::uint8_t* bytes, std::uint32_t& size) {
    if (size == 0 || size > kRegistryReadBufferBytes) {
        return false;
    }
    if (bytes[size - 1] == 0) {
        --size;
    }
    return true;
}

// Bytes the value does not have (a zero top byte was trimmed, say) are
// zero, and bytes beyond the fourth are not part of the number.
std::uint32_t LittleEndian(const std::uint8_t* bytes, std::uint32_t size) {
    return static_cast<std::uint32_t>(ReadLittleEndian(bytes, size < 4 ? size : 4));
}

}  // namespace

std::string SettingsKeyPath() {
    return std::string("Software\\") + kAppTitle + "\\Settings";
}

platform::StoredText TextOfValue(std::uint32_t type, const std::uint8_t* bytes,
                                 std::uint32_t size) {
    platform::StoredText text{ReadStatus::Failed, {}};
    if (!Trimmed(bytes, size)) {
        return text;
    }
    if (type == kRegSz) {
        text = {ReadStatus::Value, std::string(reinterpret_cast<const char*>(bytes), size)};
    } else if (type == kRegDword) {
        // A number read as text shows as its decimal value.
        text = {ReadStatus::Value, std::to_string(LittleEndian(bytes, size))};
    } else {
        // Any other type is there but shows nothing: the settings that read
        // it as text get an empty text, not their default.
        text = {ReadStatus::Value, {}};
    }
    return text;
}

platform::StoredNumber NumberOfValue(std::uint32_t type, const std::uint8_t* bytes,
                                     std::uint32_t size) {
    if (!Trimmed(bytes, size)) {
        return {ReadStatus::Failed, 0};
    }
    if (type != kRegDword) {
        return {ReadStatus::WrongType, 0};
    }
    return {ReadStatus::Value, static_cast<std::int32_t>(LittleEndian(bytes, size))};
}

platform::StoredText ReadRegistryText(const RegistryAccess& registry, RegistryRoot root,
                                      const std::string& keyPath, const std::string& valueName) {
    const ReadValue value = Query(registry, root, keyPath, valueName);
    if (value.status != ReadStatus::Value) {
        return {value.status, {}};
    }
    return TextOfValue(value.type, value.bytes.data(), value.size);
}

platform::StoredNumber ReadRegistryNumber(const RegistryAccess& registry, RegistryRoot root,
                                          const std::string& keyPath,
                                          const std::string& valueName) {
    const ReadValue value = Query(registry, root, keyPath, valueName);
    if (value.status != ReadStatus::Value) {
        return {value.status, 0};
    }
    return NumberOfValue(value.type, value.bytes.data(), value.size);
}

bool WriteRegistryText(const RegistryAccess& registry, RegistryRoot root,
                       const std::string& keyPath, const std::string& valueName,
                       const std::string& text) {
    const OpenKey key(registry, root, keyPath, true);
    if (!key.ok()) {
        return false;
    }
    const std::string stored = text.empty() ? std::string(1, '\0') : text;
    return registry.setValue(key.key(), valueName, kRegSz,
                             reinterpret_cast<const std::uint8_t*>(stored.data()),
                             static_cast<std::uint32_t>(stored.size())) == kRegSuccess;
}

bool WriteRegistryNumber(const RegistryAccess& registry, RegistryRoot root,
                         const std::string& keyPath, const std::string& valueName,
                         std::int32_t number) {
    const OpenKey key(registry, root, keyPath, true);
    if (!key.ok()) {
        return false;
    }
    const auto bytes = LittleEndianBytes(static_cast<std::uint32_t>(number));
    return registry.setValue(key.key(), valueName, kRegDword, bytes.data(),
                             static_cast<std::uint32_t>(bytes.size())) == kRegSuccess;
}

}  // namespace ostrel::win32

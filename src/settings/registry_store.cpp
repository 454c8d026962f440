#include "settings/registry_store.h"

#include <array>

#include "platform/registry.h"

namespace ostrel {

namespace pf = platform;

namespace {

// Holds a key for the length of one operation, so that no path leaves it open.
class OpenKey {
  public:
    OpenKey(std::uint32_t root, const std::string& path, bool create) {
        ok_ = (create ? pf::CreateRegistryKey(root, path, key_)
                      : pf::OpenRegistryKey(root, path, key_)) == pf::kRegSuccess;
    }
    ~OpenKey() {
        if (ok_) {
            pf::CloseRegistryKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool ok() const { return ok_; }
    pf::RegistryKey key() const { return key_; }

  private:
    pf::RegistryKey key_ = 0;
    bool ok_ = false;
};

struct ReadValue {
    std::array<std::uint8_t, kRegistryReadBufferBytes> bytes{};
    std::uint32_t size = 0;
    std::uint32_t type = 0;
};

// Reads a value into the fixed buffer and drops a final zero byte. A stored
// value of no bytes at all reads as a failure.
bool QueryTrimmed(const OpenKey& key, const std::string& name, ReadValue& value) {
    value.size = kRegistryReadBufferBytes;
    if (pf::QueryRegistryValue(key.key(), name, value.type, value.bytes.data(), value.size) !=
            pf::kRegSuccess ||
        value.size == 0 || value.size > kRegistryReadBufferBytes) {
        return false;
    }
    if (value.bytes[value.size - 1] == 0) {
        --value.size;
    }
    return true;
}

}  // namespace

bool ReadRegistryText(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                      std::string& text) {
    OpenKey key(root, keyPath, false);
    ReadValue value;
    if (!key.ok() || !QueryTrimmed(key, valueName, value)) {
        text.clear();
        return false;
    }
    if (value.type == pf::kRegSz) {
        text.assign(reinterpret_cast<const char*>(value.bytes.data()), value.size);
    } else if (value.type == pf::kRegDword) {
        // A number read as text shows as its decimal value.
        std::uint32_t number = 0;
        for (std::uint32_t i = 0; i < 4 && i < value.size; ++i) {
            number |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
        }
        text = std::to_string(number);
    }
    return true;
}

bool WriteRegistryText(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text) {
    OpenKey key(root, keyPath, true);
    if (!key.ok()) {
        return false;
    }
    // An empty text is stored as one zero byte; others without a terminator.
    static const std::string kEmptyText(1, '\0');
    const std::string& stored = text.empty() ? kEmptyText : text;
    return pf::SetRegistryValue(key.key(), valueName, pf::kRegSz,
                                reinterpret_cast<const std::uint8_t*>(stored.data()),
                                static_cast<std::uint32_t>(stored.size())) == pf::kRegSuccess;
}

bool ReadRegistryNumber(std::uint32_t root, const std::string& keyPath,
                        const std::string& valueName, std::int32_t& number) {
    OpenKey key(root, keyPath, false);
    ReadValue value;
    if (!key.ok() || !QueryTrimmed(key, valueName, value) || value.type != pf::kRegDword) {
        return false;
    }
    // Little-endian; bytes the value does not have (a zero top byte was
    // trimmed) are zero.
    std::uint32_t bits = 0;
    for (std::uint32_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
    }
    number = static_cast<std::int32_t>(bits);
    return true;
}

bool WriteRegistryNumber(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::int32_t number) {
    OpenKey key(root, keyPath, true);
    if (!key.ok()) {
        return false;
    }
    const auto bits = static_cast<std::uint32_t>(number);
    const std::array<std::uint8_t, 4> bytes{
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    return pf::SetRegistryValue(key.key(), valueName, pf::kRegDword, bytes.data(), 4) ==
           pf::kRegSuccess;
}

}  // namespace ostrel

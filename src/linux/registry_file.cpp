// The registry functions over the settings file: the one key the program
// keeps its settings in is the file $XDG_CONFIG_HOME/ostrel/settings
// (~/.config/ostrel/settings by default), read once at start-up. Values keep
// their names and types, so loading, defaults and every rule of the record
// stay the same as over the registry. Other keys do not exist here.

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "linux/portable/settings_file.h"
#include "linux/portable/text_fields.h"
#include "platform/registry.h"
#include "linux/proc_files.h"
#include "linux/settings_store.h"
#include "settings/settings.h"

namespace ostrel::x11 {

namespace {

constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kInvalidParameter = 87;
constexpr platform::RegistryKey kSettingsKey = 1;
constexpr std::size_t kLargestFileBytes = 64 * 1024;

struct Store {
    bool loaded = false;
    bool keepInFile = false;
    std::vector<SettingsFileEntry> entries;
};

Store& TheStore() {
    static Store store;
    return store;
}

std::string ConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "/";
    }
    return std::string(home) + "/.config";
}

bool MakeFolder(const std::string& path) {
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// Writes the whole file beside itself and then puts it in place, so that a
// failure half-way never leaves a file cut short.
bool WriteFile() {
    const std::string path = SettingsFilePath();
    const std::string folder = path.substr(0, path.rfind('/'));
    if (!MakeFolder(folder.substr(0, folder.rfind('/'))) || !MakeFolder(folder)) {
        return false;
    }
    const std::string text = WriteSettingsFile(TheStore().entries);
    const std::string temporary = path + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    const bool whole = written == text.size() && close(fd) == 0;
    if (!whole || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool IsSettingsKey(std::uint32_t root, const std::string& path) {
    return root == platform::kHkeyLocalMachine && SameLetters(path, SettingsKeyPath());
}

}  // namespace

std::string SettingsFilePath() {
    return ConfigFolder() + "/ostrel/settings";
}

void LoadSettingsFile() {
    Store& store = TheStore();
    if (store.loaded) {
        return;
    }
    store.loaded = true;
    std::string text;
    const std::string path = SettingsFilePath();
    if (!ReadWholeFile(path.c_str(), text, kLargestFileBytes + 1)) {
        if (errno != ENOENT) {
            std::fprintf(stderr, "ostrel: %s cannot be read (%s); the defaults stand\n",
                         path.c_str(), std::strerror(errno));
        }
        return;
    }
    if (text.size() > kLargestFileBytes) {
        std::fprintf(stderr, "ostrel: %s is larger than %zu bytes; the defaults stand\n",
                     path.c_str(), kLargestFileBytes);
        return;
    }
    SettingsFileReading reading = ReadSettingsFile(text);
    if (reading.badLines > 0) {
        std::fprintf(stderr,
                     "ostrel: %s: %zu line(s) cannot be read, the first at line %zu; the defaults "
                     "stand for them\n",
                     path.c_str(), reading.badLines, reading.firstBadLine);
    }
    store.entries = std::move(reading.entries);
}

void KeepSettingsInFile(bool keep) {
    TheStore().keepInFile = keep;
}

}  // namespace ostrel::x11

namespace ostrel::platform {

long OpenRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key) {
    if (!x11::IsSettingsKey(root, path)) {
        return x11::kFileNotFound;
    }
    x11::LoadSettingsFile();
    key = x11::kSettingsKey;
    return kRegSuccess;
}

long CreateRegistryKey(std::uint32_t root, const std::string& path, RegistryKey& key) {
    if (!x11::IsSettingsKey(root, path)) {
        return x11::kAccessDenied;
    }
    return OpenRegistryKey(root, path, key);
}

long QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) {
    if (key != x11::kSettingsKey) {
        return x11::kInvalidHandle;
    }
    const SettingsFileEntry* entry = FindSettingsEntry(x11::TheStore().entries, name);
    if (entry == nullptr) {
        return x11::kFileNotFound;
    }
    // A text comes with its terminating zero, as the registry keeps it.
    std::string bytes;
    if (entry->type == kRegSz) {
        bytes = entry->text;
        bytes += '\0';
    } else {
        for (int i = 0; i < 4; ++i) {
            bytes += static_cast<char>(entry->number >> (8 * i) & 0xFF);
        }
    }
    type = entry->type;
    const std::uint32_t room = size;
    size = static_cast<std::uint32_t>(bytes.size());
    if (data == nullptr || bytes.size() > room) {
        return data == nullptr ? kRegSuccess : kRegMoreData;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    return kRegSuccess;
}

long SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                      const std::uint8_t* data, std::uint32_t size) {
    if (key != x11::kSettingsKey) {
        return x11::kInvalidHandle;
    }
    if (!IsSettingsName(name) || (data == nullptr && size > 0) ||
        (type != kRegSz && type != kRegDword) || (type == kRegDword && size != 4)) {
        return x11::kInvalidParameter;
    }
    SettingsFileEntry value{name, type, {}, 0};
    if (type == kRegSz) {
        value.text.assign(reinterpret_cast<const char*>(data), size);
        if (!value.text.empty() && value.text.back() == '\0') {
            value.text.pop_back();
        }
    } else {
        value.number =
            static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
            static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    }
    std::vector<SettingsFileEntry>& entries = x11::TheStore().entries;
    if (SettingsFileEntry* existing = FindSettingsEntry(entries, name)) {
        *existing = std::move(value);
    } else {
        entries.push_back(std::move(value));
    }
    if (x11::TheStore().keepInFile && !x11::WriteFile()) {
        return x11::kAccessDenied;
    }
    return kRegSuccess;
}

long CloseRegistryKey(RegistryKey key) {
    return key == x11::kSettingsKey ? kRegSuccess : x11::kInvalidHandle;
}

}  // namespace ostrel::platform

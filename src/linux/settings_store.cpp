// The settings store over the settings file. Every change is written to the
// whole file at once while the store keeps its values in the file;
// otherwise (settings given on the command line for one run) they last
// only as long as the program.

#include "linux/settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "linux/file_descriptor.h"
#include "linux/proc_files.h"

namespace ostrel::linux_kernel {

namespace {

constexpr std::size_t kLargestFileBytes = 64 * 1024;

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

bool WriteAll(const FileDescriptor& file, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(file.get(), text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the whole file beside itself and then puts it in place, so that a
// failure half-way never leaves a file cut short.
bool WriteFile(const platform::SettingsStore& store) {
    const std::string& path = store.path;
    const std::string folder = path.substr(0, path.rfind('/'));
    if (!MakeFolder(folder.substr(0, folder.rfind('/'))) || !MakeFolder(folder)) {
        return false;
    }
    const std::string temporary = path + ".new";
    FileDescriptor file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!file.valid()) {
        return false;
    }
    const bool whole = WriteAll(file, WriteSettingsFile(store.contents.entries)) && file.Close();
    if (!whole || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string SettingsFilePath() {
    return ConfigFolder() + "/ostrel/settings";
}

void LoadSettingsFile(platform::SettingsStore& store, std::string path) {
    store.path = std::move(path);
    store.contents = {};
    std::string text;
    if (const int error = ReadWholeFile(store.path.c_str(), text, kLargestFileBytes + 1);
        error != 0) {
        if (error != ENOENT) {
            std::fprintf(stderr, "ostrel: %s cannot be read (%s); the defaults stand\n",
                         store.path.c_str(), std::strerror(error));
            store.contents.unreadable = true;
        }
        return;
    }
    if (text.size() > kLargestFileBytes) {
        std::fprintf(stderr, "ostrel: %s is larger than %zu bytes; the defaults stand\n",
                     store.path.c_str(), kLargestFileBytes);
        store.contents.unreadable = true;
        return;
    }
    SettingsFileReading reading = ReadSettingsFile(text);
    if (reading.badLines > 0) {
        std::fprintf(stderr,
                     "ostrel: %s: %zu line(s) cannot be read, the first at line %zu; the defaults "
                     "stand for them\n",
                     store.path.c_str(), reading.badLines, reading.firstBadLine);
    }
    store.contents.entries = std::move(reading.entries);
}

}  // namespace ostrel::linux_kernel

namespace ostrel::platform {

StoredNumber ReadNumberValue(SettingsStore& store, const std::string& name) {
    return ReadNumberEntry(store.contents, name);
}

StoredText ReadTextValue(SettingsStore& store, const std::string& name) {
    return ReadTextEntry(store.contents, name);
}

bool WriteNumberValue(SettingsStore& store, const std::string& name, std::int32_t number) {
    return SetNumberEntry(store.contents, name, number) &&
           (!store.keepInFile || linux_kernel::WriteFile(store));
}

bool WriteTextValue(SettingsStore& store, const std::string& name, const std::string& text) {
    return SetTextEntry(store.contents, name, text) &&
           (!store.keepInFile || linux_kernel::WriteFile(store));
}

// Linux has no system-wide default screen saver to become.
StoredText ReadDefaultSaver(SettingsStore&) {
    return {ReadStatus::Missing, {}};
}

bool WriteDefaultSaver(SettingsStore&, const std::string&) {
    return false;
}

}  // namespace ostrel::platform

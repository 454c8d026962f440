#include "linux/proc_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace ostrel::x11 {

bool ReadWholeFile(const char* path, std::string& text, std::size_t limitBytes) {
    text.clear();
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // The kernel's files tell no size beforehand: read until the end.
    constexpr std::size_t kChunk = 4096;
    bool ok = true;
    while (text.size() < limitBytes) {
        const std::size_t at = text.size();
        const std::size_t want = limitBytes - at < kChunk ? limitBytes - at : kChunk;
        text.resize(at + want);
        const ssize_t n = read(fd, text.data() + at, want);
        if (n < 0 && errno == EINTR) {
            text.resize(at);
            continue;
        }
        if (n <= 0) {
            text.resize(at);
            ok = n == 0;
            break;
        }
        text.resize(at + static_cast<std::size_t>(n));
    }
    close(fd);
    return ok;
}

}  // namespace ostrel::x11

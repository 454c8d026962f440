#include "linux/proc_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "linux/file_descriptor.h"

namespace ostrel::linux_kernel {

int ReadWholeFile(const char* path, std::string& text, std::size_t limitBytes) {
    text.clear();
    const FileDescriptor file(open(path, O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        return errno;
    }
    // The kernel's files tell no size beforehand: read until the end.
    constexpr std::size_t kChunk = 4096;
    while (text.size() < limitBytes) {
        const std::size_t at = text.size();
        const std::size_t want = limitBytes - at < kChunk ? limitBytes - at : kChunk;
        text.resize(at + want);
        const ssize_t n = read(file.get(), text.data() + at, want);
        if (n < 0 && errno == EINTR) {
            text.resize(at);
            continue;
        }
        if (n <= 0) {
            text.resize(at);
            return n == 0 ? 0 : errno;
        }
        text.resize(at + static_cast<std::size_t>(n));
    }
    return 0;
}

}  // namespace ostrel::linux_kernel

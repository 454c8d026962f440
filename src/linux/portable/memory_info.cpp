#include "linux/portable/memory_info.h"

#include <array>

#include "linux/portable/text_fields.h"

namespace ostrel {

namespace {

constexpr std::uint64_t kBytesPerKilobyte = 1024;

std::optional<std::uint64_t> Bytes(std::string_view value) {
    const std::string_view number = NextField(value);
    const std::string_view unit = NextField(value);
    std::uint64_t kilobytes = 0;
    if (!ReadDecimal(number, kilobytes) || unit != "kB" || !NextField(value).empty() ||
        kilobytes > UINT64_MAX / kBytesPerKilobyte) {
        return std::nullopt;
    }
    return kilobytes * kBytesPerKilobyte;
}

// A sum that saturates: figures from outside may be anything.
std::uint64_t Sum(std::uint64_t a, std::uint64_t b) {
    return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

std::uint64_t Left(std::uint64_t total, std::uint64_t used) {
    return used < total ? total - used : 0;
}

}  // namespace

void ReadKilobyteFields(std::string_view text, std::span<KilobyteField> fields) {
    for (KilobyteField& f : fields) {
        f.bytes.reset();
    }
    while (!text.empty()) {
        const std::string_view line = NextLine(text);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        const std::string_view name = line.substr(0, colon);
        for (KilobyteField& f : fields) {
            if (f.name == name) {
                f.bytes = Bytes(line.substr(colon + 1));
            }
        }
    }
}

platform::MemoryStatus MemoryStatusFrom(std::string_view meminfo, std::string_view selfStatus,
                                        std::uint64_t addressSpaceBytes) {
    enum { kTotal, kAvailable, kFree, kBuffers, kCached, kCommitLimit, kCommitted };
    std::array<KilobyteField, 7> m{{{"MemTotal", {}},
                                    {"MemAvailable", {}},
                                    {"MemFree", {}},
                                    {"Buffers", {}},
                                    {"Cached", {}},
                                    {"CommitLimit", {}},
                                    {"Committed_AS", {}}}};
    ReadKilobyteFields(meminfo, m);
    std::array<KilobyteField, 1> self{{{"VmSize", {}}}};
    ReadKilobyteFields(selfStatus, self);
    if (!m[kTotal].bytes || !m[kCommitLimit].bytes || !m[kCommitted].bytes || !self[0].bytes) {
        return {};
    }
    std::uint64_t available = 0;
    if (m[kAvailable].bytes) {
        available = *m[kAvailable].bytes;
    } else if (m[kFree].bytes && m[kBuffers].bytes && m[kCached].bytes) {
        // Kernels before MemAvailable: free memory and the caches it can take back.
        for (const int part : {kFree, kBuffers, kCached}) {
            available = Sum(available, *m[part].bytes);
        }
    } else {
        return {};
    }
    platform::MemoryStatus status;
    status.totalPhys = *m[kTotal].bytes;
    status.availPhys = available < status.totalPhys ? available : status.totalPhys;
    status.totalPageFile = *m[kCommitLimit].bytes;
    status.availPageFile = Left(status.totalPageFile, *m[kCommitted].bytes);
    status.totalVirtual = addressSpaceBytes;
    status.availVirtual = Left(addressSpaceBytes, *self[0].bytes);
    return status;
}

}  // namespace ostrel

#pragma once
// The memory figures of /proc/meminfo and /proc/self/status, and what the
// program's three memory lines mean on Linux:
//   physical memory  MemTotal, of which MemAvailable is free (on kernels
//                    before it, MemFree + Buffers + Cached);
//   page file        CommitLimit, of which what Committed_AS leaves is free
//                    (none once the commitments pass the limit, which the
//                    kernel only enforces in strict overcommit mode);
//   virtual memory   the process's address space, of which what its VmSize
//                    leaves is free.
// Every line is "Name:  number kB"; the text comes from outside the program.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/sysinfo.h"

namespace ostrel {

struct KilobyteField {
    std::string_view name;
    std::optional<std::uint64_t> bytes;  // none: missing, or not a count of kB that fits
};

// Looks up each field by name in "Name: number kB" lines.
void ReadKilobyteFields(std::string_view text, std::span<KilobyteField> fields);

// The three pairs of figures in bytes; all zero (a failed query) when
// MemTotal or CommitLimit cannot be read or VmSize is missing.
platform::MemoryStatus MemoryStatusFrom(std::string_view meminfo, std::string_view selfStatus,
                                        std::uint64_t addressSpaceBytes);

}  // namespace ostrel

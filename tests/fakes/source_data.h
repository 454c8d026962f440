#pragma once
// Synthetic system data for the sources: performance data blocks laid out as
// the system lays them out, and interface tables.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ostrel::fake {

struct PerfTime {
    int year = 2006, month = 12, day = 5, hour = 15, minute = 6, second = 10, milliseconds = 0;
};

struct PerfInstance {
    std::string name;  // ASCII, stored as UTF-16
    std::int64_t idle = 0;
};

struct PerfObject {
    std::uint32_t titleIndex = 238;
    std::vector<std::uint32_t> counters{142, 6, 144};  // title indexes; 6 is processor time
    std::vector<PerfInstance> instances;
    bool withoutInstances = false;  // one counter block, no instance records
};

// The block and where its parts lie, for tests that damage them.
struct PerfBlock {
    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> objectsAt;
    std::size_t processorAt = 0;               // the last object with index 238
    std::vector<std::size_t> countersAt;       // counter definitions of that object
    std::vector<std::size_t> instancesAt;      // its instance records
    std::vector<std::size_t> counterBlocksAt;  // and their counter blocks
};

PerfBlock BuildPerfBlock(const std::vector<PerfObject>& objects, const PerfTime& time = {});

// A "System" object without instances, then the processor object with one
// instance per idle time ("0", "1", ...) and "_Total".
PerfBlock ProcessorBlock(const std::vector<std::int64_t>& idle, const PerfTime& time = {});

void Poke16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value);
void Poke32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

// An interface table: entry count and one 860-byte row per (received, sent).
std::vector<std::uint8_t> InterfaceTable(
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& rows);

}  // namespace ostrel::fake

// The interface table comes from the system: only whole rows that the bytes
// hold may be read, each row's counters from their own place in it, and the
// only failure is an entry count too large for the program to keep.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/failure.h"
#include "windows/portable/interface_table.h"
#include "property.h"

namespace {

std::uint32_t LittleEndian32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ostrel;
    // A buffer of exactly the table's size, so that the address sanitizer
    // catches a read of even one byte past it.
    const std::vector<std::uint8_t> table(data, data + size);

    // The entry count, read as the signed 32-bit number the system means.
    const std::int64_t entries =
        size >= 4 ? static_cast<std::int32_t>(LittleEndian32(table.data())) : 0;
    const bool countFits = entries >= -32768 && entries <= 32767;

    std::vector<platform::InterfaceOctets> rows;
    try {
        rows = ReadInterfaceTable(table.data(), table.size());
    } catch (const Failure& failure) {
        PROPERTY(failure.number == kErrOverflow);
        PROPERTY(!countFits);
        return 0;
    }
    PROPERTY(countFits);

    // Every row the count names and the bytes hold whole, and no other.
    const std::size_t whole = size >= 4 ? (size - 4) / 860 : 0;
    const std::size_t named = entries > 0 ? static_cast<std::size_t>(entries) : 0;
    PROPERTY(rows.size() == (named < whole ? named : whole));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::uint8_t* row = table.data() + 4 + i * 860;
        PROPERTY(rows[i].received == LittleEndian32(row + 552));
        PROPERTY(rows[i].sent == LittleEndian32(row + 576));
    }

    // No table at all has no rows, whatever size comes with it.
    PROPERTY(ReadInterfaceTable(nullptr, size).empty());
    return 0;
}

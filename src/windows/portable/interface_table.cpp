#include "windows/portable/interface_table.h"

#include "common/little_endian.h"
#include "common/numeric.h"

namespace ostrel {

namespace {

std::uint32_t ReadUInt32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(ReadLittleEndian(at, 4));
}

}  // namespace

std::vector<platform::InterfaceOctets> ReadInterfaceTable(const std::uint8_t* table,
                                                          std::size_t size) {
    std::vector<platform::InterfaceOctets> rows;
    if (table == nullptr || size < kIfTableHeaderBytes) {
        return rows;
    }
    const std::int16_t entries = NarrowToInt16(static_cast<std::int32_t>(ReadUInt32(table)));
    const std::size_t whole = (size - kIfTableHeaderBytes) / kIfRowBytes;
    for (std::size_t i = 0; i < static_cast<std::size_t>(entries > 0 ? entries : 0) && i < whole;
         ++i) {
        const std::uint8_t* row = table + kIfTableHeaderBytes + i * kIfRowBytes;
        rows.push_back({ReadUInt32(row + kIfRowInOctets), ReadUInt32(row + kIfRowOutOctets)});
    }
    return rows;
}

}  // namespace ostrel

// The interface table as the system lays it out: rows read as far as both
// the count and the bytes go.

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "common/failure.h"
#include "fakes/source_data.h"
#include "windows/portable/interface_table.h"

namespace ostrel {
namespace {

TEST(InterfaceTable, ReadsEveryWholeRowTheCountNames) {
    std::vector<std::uint8_t> table = fake::InterfaceTable({{1, 10}, {2, 20}, {0x12345678, 40}});
    // The rows read with `entries` written over the table's count.
    const auto read = [&](std::uint32_t entries, std::size_t size) {
        fake::Poke32(table, 0, entries);
        return ReadInterfaceTable(table.data(), size);
    };
    const auto rows = read(3, table.size());
    EXPECT_EQ(
        std::tuple(rows.size(), rows[0].received, rows[0].sent, rows[2].received, rows[2].sent),
        std::tuple(3u, 1u, 10u, 0x12345678u, 40u));
    // The entry count, the bytes given, and how many rows are read.
    const std::tuple<std::uint32_t, std::size_t, std::size_t> cases[] = {
        {2, 4 + 3 * 860, 2},
        {32767, 4 + 3 * 860, 3},         // more entries than rows
        {3, 4 + 2 * 860 + 859, 2},       // the last row cut short
        {3, 3, 0},                       // not even the count
        {0xFFFF8000u, 4 + 3 * 860, 0}};  // a negative count names none
    for (const auto& [entries, size, count] : cases) {
        EXPECT_EQ(read(entries, size).size(), count) << entries << " " << size;
    }
    EXPECT_THROW(read(32768, table.size()), Failure);  // does not fit 16 bits
    EXPECT_TRUE(ReadInterfaceTable(nullptr, 100).empty());
}

}  // namespace
}  // namespace ostrel

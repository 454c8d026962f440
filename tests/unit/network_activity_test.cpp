#include <gtest/gtest.h>

#include <tuple>

#include "fakes/source_data.h"
#include "fixture.h"
#include "windows/portable/interface_table.h"
#include "sources/network_activity.h"

namespace ostrel {
namespace {

class Network : public PlatformTest {
  protected:
    NetworkActivity monitor{net()};
};

std::string Line(const std::string& spinners) {
    return "Network activity: rx: " + spinners.substr(0, 1) + "  tx: " + spinners.substr(1);
}

TEST_F(Network, EachSpinnerTurnsOnlyWhileItsTotalGrows) {
    // Calls that do not grow a total keep that spinner's phase for the next
    // turn; a total that fell (300, 40) is no growth either.
    const std::tuple<std::uint32_t, std::uint32_t, const char*> calls[] = {
        {100, 0, "/|"},  {200, 0, "\\|"},  {300, 0, "/|"},  {300, 50, "|/"},
        {300, 50, "||"}, {300, 60, "|\\"}, {300, 40, "||"}, {305, 41, "\\/"}};
    for (const auto& [received, sent, spinners] : calls) {
        net().interfaces = {{received, sent}};
        EXPECT_EQ(monitor.StatusText(), Line(spinners)) << received << " " << sent;
    }
}

TEST_F(Network, TotalsAddEveryInterfaceAsSigned32BitNumbers) {
    // Counters count as signed; an addition that would overflow is left out,
    // and the rest still count.
    const std::tuple<std::vector<platform::InterfaceOctets>, std::int32_t, std::int32_t> cases[] = {
        {{{10, 1}, {20, 2}, {30, 3}}, 60, 6},
        {{{0x7FFFFFF0u, 0x7FFFFFFFu}, {0x20, 1}, {5, 0x80000000u}}, 0x7FFFFFF5, -1},
        {{{0x7FFFFFFFu, 0x80000000u}, {0, 0x80000000u}}, 0x7FFFFFFF, INT32_MIN},
        {{}, 0, 0}};
    for (const auto& [rows, received, sent] : cases) {
        net().interfaces = rows;
        monitor.StatusText();
        EXPECT_EQ(std::tuple(monitor.BytesReceived(), monitor.BytesSent()),
                  std::tuple(received, sent))
            << rows.size();
    }
}

TEST_F(Network, CountersThatCannotBeReadCountAsNoneAndNoneAtAllReadQuestionMarks) {
    net().interfaces = {{100, 100}};
    net().answer = platform::InterfaceQuery::Failed;
    EXPECT_EQ(monitor.StatusText(), Line("||"));
    net().answer = platform::InterfaceQuery::NotSupported;
    EXPECT_EQ(monitor.StatusText(), "??");
    net().answer = platform::InterfaceQuery::Read;
    EXPECT_EQ(monitor.StatusText(), Line("//"));
}

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

#include <gtest/gtest.h>

#include <tuple>

#include "fakes/source_data.h"
#include "fixture.h"
#include "platform/windows_data/interface_table.h"
#include "sources/network_activity.h"

namespace ostrel {
namespace {

using Rows = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

class Network : public PlatformTest {
  protected:
    void Counters(const Rows& rows) {
        fake().interfaces.clear();
        for (const auto& [received, sent] : rows) {
            fake().interfaces.push_back({received, sent});
        }
    }
    NetworkActivity monitor;
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
        Counters({{received, sent}});
        EXPECT_EQ(monitor.StatusText(), Line(spinners)) << received << " " << sent;
    }
}

TEST_F(Network, TotalsAddEveryInterfaceAsSigned32BitNumbers) {
    const std::tuple<Rows, std::int32_t, std::int32_t> cases[] = {
        {{{10, 1}, {20, 2}, {30, 3}}, 60, 6},
        {{{0x80000000u, 0xFFFFFFFFu}}, INT32_MIN, -1},  // counters count as signed
        // An addition that would overflow is left out, and the rest still count.
        {{{0x7FFFFFF0u, 0x7FFFFFFFu}, {0x20, 1}, {5, 0x80000000u}}, 0x7FFFFFF5, -1},
        {{{0x7FFFFFFFu, 0x80000000u}, {0, 0x80000000u}}, 0x7FFFFFFF, INT32_MIN},
        {{}, 0, 0},
    };
    for (const auto& [rows, received, sent] : cases) {
        Counters(rows);
        EXPECT_NE(monitor.StatusText(), "??");
        EXPECT_EQ(std::tuple(monitor.BytesReceived(), monitor.BytesSent()),
                  std::tuple(received, sent))
            << rows.size();
    }
}

TEST_F(Network, CountersThatCannotBeReadCountAsNoneAndNoneAtAllReadQuestionMarks) {
    Counters({{100, 100}});
    fake().interfaceAnswer = platform::InterfaceQuery::Failed;
    EXPECT_EQ(monitor.StatusText(), Line("||"));
    EXPECT_EQ(monitor.BytesReceived(), 0);
    fake().interfaceAnswer = platform::InterfaceQuery::NotSupported;
    EXPECT_EQ(monitor.StatusText(), "??");
    EXPECT_EQ(monitor.StatusText(), "??");
    fake().interfaceAnswer = platform::InterfaceQuery::Read;
    EXPECT_EQ(monitor.StatusText(), Line("//"));
}

TEST(InterfaceTable, ReadsEveryWholeRowTheCountNames) {
    const Rows three = {{1, 10}, {2, 20}, {4, 40}};
    // The entry count written over the table's (0: as built), the bytes
    // given, and the counters read.
    const std::tuple<std::uint32_t, std::size_t, Rows> cases[] = {
        {0, 4 + 3 * 860, three},
        {2, 4 + 3 * 860, {{1, 10}, {2, 20}}},
        {30000, 4 + 3 * 860, three},                 // more entries than rows
        {0, 4 + 2 * 860 + 859, {{1, 10}, {2, 20}}},  // the last row cut short
        {0, 4 + 860, {{1, 10}}},
        {0, 3, {}},                      // not even the count
        {0xFFFF8000u, 4 + 3 * 860, {}},  // a negative count names none
        {0xFFFFFFFFu, 4 + 3 * 860, {}},
    };
    for (const auto& [entries, size, rows] : cases) {
        std::vector<std::uint8_t> table = fake::InterfaceTable(three);
        if (entries != 0) {
            fake::Poke32(table, 0, entries);
        }
        Rows read;
        for (const auto& r : ReadInterfaceTable(table.data(), size)) {
            read.emplace_back(r.received, r.sent);
        }
        EXPECT_EQ(read, rows) << entries << " " << size;
    }
    // 32768 entries do not fit 16 bits.
    std::vector<std::uint8_t> table = fake::InterfaceTable(three);
    fake::Poke32(table, 0, 32768);
    EXPECT_THROW(ReadInterfaceTable(table.data(), table.size()), Failure);
    fake::Poke32(table, 0, 32767);
    EXPECT_EQ(ReadInterfaceTable(table.data(), table.size()).size(), 3u);
    EXPECT_TRUE(ReadInterfaceTable(nullptr, 100).empty());
}

}  // namespace
}  // namespace ostrel

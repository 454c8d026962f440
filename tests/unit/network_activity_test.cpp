#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "fakes/source_data.h"
#include "fixture.h"
#include "sources/network_activity.h"

namespace ostrel {
namespace {

using Rows = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

class Network : public PlatformTest {
  protected:
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
        fake().ifTable = fake::InterfaceTable({{received, sent}});
        EXPECT_EQ(monitor.StatusText(), Line(spinners)) << received << " " << sent;
    }
}

TEST_F(Network, TotalsCountEveryWholeRowTheBytesHold) {
    const Rows three = {{1, 10}, {2, 20}, {4, 40}};
    // Rows, the entry count written over theirs (0: none), the size the query
    // reports, its answer, and the totals.
    const std::tuple<Rows, std::uint32_t, std::optional<std::uint32_t>, long, std::int32_t,
                     std::int32_t>
        cases[] = {
            {{{10, 1}, {20, 2}, {30, 3}}, 0, {}, 0, 60, 6},
            {{{0x80000000u, 0xFFFFFFFFu}}, 0, {}, 0, INT32_MIN, -1},  // counters read signed
            // An addition that would overflow is left out.
            {{{0x7FFFFFF0u, 0x7FFFFFFFu}, {0x20, 1}, {5, 0x80000000u}}, 0, {}, 0, 0x7FFFFFF5, -1},
            {three, 30000, {}, 0, 7, 70},
            {three, 40000, {}, 0, 0, 0},  // more entries than 16 bits count
            {three, 30000, 4 + 2 * 860 + 859, 0, 3, 30},
            {three, 0, {}, 1, 0, 0},             // the filled query fails
            {three, 30000, 1u << 31, 0, 7, 70},  // more than the buffer holds
            {three, 30000, 3, 0, 0, 0},
        };
    for (const auto& [rows, entries, reportedSize, answer, received, sent] : cases) {
        fake().ifTable = fake::InterfaceTable(rows);
        if (entries != 0) {
            fake::Poke32(fake().ifTable, 0, entries);
        }
        fake().ifTableReportedSize = reportedSize;
        fake().ifTableAnswer = answer;
        EXPECT_NE(monitor.StatusText(), "??");
        EXPECT_EQ(monitor.BytesReceived(), received) << rows.size() << " " << entries;
        EXPECT_EQ(monitor.BytesSent(), sent) << rows.size() << " " << entries;
    }
}

TEST_F(Network, NoInterfaceTableReadsQuestionMarks) {
    fake().ifTableSizeAnswer = 50;
    fake().ifTable = fake::InterfaceTable({{100, 100}});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(monitor.StatusText(), "??");
    }
    EXPECT_EQ(monitor.BytesReceived(), 0);
    fake().ifTableSizeAnswer = 122;
    EXPECT_EQ(monitor.StatusText(), Line("//"));
}

}  // namespace
}  // namespace ostrel

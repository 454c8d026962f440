#include <gtest/gtest.h>

#include "fakes/source_data.h"
#include "fixture.h"
#include "sources/ip_helper.h"

namespace ostrel {
namespace {

class Network : public PlatformTest {
  protected:
    std::string StatusWith(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& rows) {
        fake().ifTable = fake::InterfaceTable(rows);
        return monitor.Status();
    }
    CIpHelper monitor;
};

std::string Line(const char* rx, const char* tx) {
    return std::string("Network activity: rx: ") + rx + "  tx: " + tx;
}

TEST_F(Network, SteadyDownloadTurnsOnlyTheReceiveSpinner) {
    EXPECT_EQ(StatusWith({{100, 0}}), "Network activity: rx: /  tx: |");
    EXPECT_EQ(StatusWith({{200, 0}}), Line("\\", "|"));
    EXPECT_EQ(StatusWith({{300, 0}}), Line("/", "|"));
    EXPECT_EQ(monitor.BytesReceived(), 300);
    EXPECT_EQ(monitor.BytesSent(), 0);
}

TEST_F(Network, QuietCallsKeepThePhase) {
    EXPECT_EQ(StatusWith({{0, 50}}), Line("|", "/"));
    EXPECT_EQ(StatusWith({{0, 50}}), Line("|", "|"));
    EXPECT_EQ(StatusWith({{0, 60}}), Line("|", "\\"));
    EXPECT_EQ(StatusWith({{0, 40}}), Line("|", "|"));  // a total that fell
    EXPECT_EQ(StatusWith({{5, 41}}), Line("/", "/"));
}

TEST_F(Network, EveryInterfaceCountsAndCountersReadSigned) {
    StatusWith({{10, 1}, {20, 2}, {30, 3}});
    EXPECT_EQ(monitor.BytesReceived(), 60);
    EXPECT_EQ(monitor.BytesSent(), 6);
    StatusWith({{0x80000000u, 0xFFFFFFFFu}});
    EXPECT_EQ(monitor.BytesReceived(), INT32_MIN);
    EXPECT_EQ(monitor.BytesSent(), -1);
}

TEST_F(Network, AnAdditionThatWouldOverflowIsLeftOut) {
    StatusWith({{0x7FFFFFF0u, 0x7FFFFFFFu}, {0x20, 1}, {5, 0x80000000u}});
    EXPECT_EQ(monitor.BytesReceived(), 0x7FFFFFF5);
    EXPECT_EQ(monitor.BytesSent(), -1);
}

TEST_F(Network, NoInterfaceTableReadsQuestionMarks) {
    fake().ifTableSizeAnswer = 50;
    fake().ifTable = fake::InterfaceTable({{100, 100}});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(monitor.Status(), "??");
    }
    EXPECT_EQ(monitor.BytesReceived(), 0);
    fake().ifTableSizeAnswer = 122;
    EXPECT_EQ(monitor.Status(), Line("/", "/"));
}

TEST_F(Network, OtherTableFailuresShowNoActivity) {
    StatusWith({{100, 100}});
    fake().ifTableAnswer = 1;  // the filled query fails
    EXPECT_EQ(StatusWith({{200, 200}}), Line("|", "|"));
    EXPECT_EQ(monitor.BytesReceived(), 0);
    fake().ifTableAnswer = 0;
    fake().ifTable = fake::InterfaceTable({{1, 1}});
    fake::Poke32(fake().ifTable, 0, 40000);  // more entries than 16 bits count
    EXPECT_EQ(monitor.Status(), Line("|", "|"));
    EXPECT_EQ(monitor.BytesReceived(), 0);
}

TEST_F(Network, RowsAreReadOnlyAsFarAsTheBytesHoldThem) {
    fake().ifTable = fake::InterfaceTable({{1, 10}, {2, 20}, {4, 40}});
    fake::Poke32(fake().ifTable, 0, 30000);
    monitor.Status();
    EXPECT_EQ(monitor.BytesReceived(), 7);
    fake().ifTableReportedSize = 4 + 2 * 860 + 859;
    monitor.Status();
    EXPECT_EQ(monitor.BytesReceived(), 3);
    fake().ifTableReportedSize = 1u << 31;  // more than the buffer holds
    monitor.Status();
    EXPECT_EQ(monitor.BytesSent(), 70);
    fake().ifTableReportedSize = 3;
    monitor.Status();
    EXPECT_EQ(monitor.BytesSent(), 0);
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include "display/info_text.h"
#include "sources/uptime.h"
#include "fixture.h"

namespace ostrel {
namespace {

class InfoText : public PlatformTest {
  protected:
    std::string Compose(std::int16_t items, const std::string& descr = "") {
        settings.displayItems = items;
        settings.description = descr;
        StartTime startTime;
        return ComposeInfoText(sys(), settings, "MYPC",
                               platform::LocalTime{2006, 12, 5, 15, 6, 10, 0}, startTime, nullptr);
    }
    Settings settings;
};

TEST_F(InfoText, EachBitAloneShowsItsOwnLine) {
    // Display bit i alone; the network line is a label of its own and
    // percentages alone add no memory line.
    sys().memory = {1048576000, 216739840, 4000000000, 2735803392, 2147352576, 2046217216};
    const char* lines[] = {"MYPC",
                           "3:06:10 pm",
                           "up for 0 days, 0:00:00",
                           "up since 05-Dec-06 3:06:10 pm",
                           "Page file usage: 1,234,567K",
                           "CPU usage: CPU query failed",
                           ";-)",
                           "Build box",
                           "Physical memory: 812,340K",
                           "Virtual memory: 98,765K",
                           ";-)"};
    for (int bit = 0; bit < 11; ++bit) {
        EXPECT_EQ(Compose(static_cast<std::int16_t>(1 << bit), "Build box"), lines[bit]) << bit;
    }
}

TEST_F(InfoText, NameAndTimeShareALineUnderTheDescriptionAndNothingIsAWink) {
    // Lines end in a single carriage return.
    EXPECT_EQ(Compose(kShowDescription | kShowCurrentTime, "Build box"), "Build box\r3:06:10 pm");
    EXPECT_EQ(Compose(kShowDescription | kShowComputerName | kShowCurrentTime, "Build box"),
              "Build box\rMYPC:  3:06:10 pm");
    // An empty description starts no line, percentages alone add no memory
    // line, and the network line is a label of its own.
    EXPECT_EQ(Compose(kShowDescription | kShowPercentages | kShowNetwork), ";-)");
}

TEST_F(InfoText, TheOtherLinesFollowInTheirFixedOrder) {
    // No memory in use (the fake's zeros) shows as no figure; without a
    // sampler the processor query has failed.
    settings.timeFormat = kTime24Hour;
    EXPECT_EQ(Compose(kShowCurrentTime | kShowUptime | kShowStartTime | kShowPageFile |
                      kShowPhysicalMemory | kShowVirtualMemory | kShowCpuUsage),
              "15:06:10\rup for 0 days, 0:00:00\rup since 05-Dec-06 15:06:10\rPage file usage: K\r"
              "Physical memory: K\rVirtual memory: K\rCPU usage: CPU query failed");
}

}  // namespace
}  // namespace ostrel

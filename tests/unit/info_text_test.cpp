#include <gtest/gtest.h>

#include "display/info_text.h"
#include "sources/uptime.h"
#include "fixture.h"

namespace ostrel {
namespace {

class InfoText : public PlatformTest {
  protected:
    std::string Compose(std::int16_t items, const std::string& descr = "",
                        const std::string& name = "MYPC", std::uint8_t timeFormat = 0) {
        Settings s;
        s.displayItems = items;
        s.description = descr;
        s.timeFormat = timeFormat;
        StartTime startTime;
        return ComposeInfoText(s, name, platform::LocalTime{2006, 12, 5, 15, 6, 10, 0}, startTime,
                               nullptr);
    }
};

TEST_F(InfoText, NameAndTimeShareALineUnderTheDescriptionAndNothingIsAWink) {
    EXPECT_EQ(Compose(kShowComputerName | kShowCurrentTime), "MYPC:  3:06:10 pm");
    EXPECT_EQ(Compose(kShowComputerName | kShowCurrentTime, "", "MYPC", 1), "MYPC:  15:06:10");
    EXPECT_EQ(Compose(kShowCurrentTime), "3:06:10 pm");
    EXPECT_EQ(Compose(kShowComputerName), "MYPC");
    // A description comes first, lines end in a single carriage return.
    EXPECT_EQ(Compose(kShowDescription | kShowCurrentTime, "Build box"), "Build box\r3:06:10 pm");
    EXPECT_EQ(Compose(kShowDescription | kShowComputerName | kShowCurrentTime, "Build box"),
              "Build box\rMYPC:  3:06:10 pm");
    // An empty description starts no line.
    EXPECT_EQ(Compose(kShowDescription | kShowCurrentTime, ""), "3:06:10 pm");
    // A description is only shown when its bit says so.
    EXPECT_EQ(Compose(kShowCurrentTime, "hidden"), "3:06:10 pm");
    // Nothing to show is a wink.
    EXPECT_EQ(Compose(0), ";-)");
    EXPECT_EQ(Compose(kShowDescription, ""), ";-)");
    EXPECT_EQ(Compose(kShowComputerName, "", ""), ";-)");
    EXPECT_EQ(Compose(kShowPercentages), ";-)");  // percentages alone add no memory line
    // Each of the other lines alone.
    EXPECT_EQ(Compose(kShowUptime), "up for 0 days, 0:00:00");
    EXPECT_EQ(Compose(kShowStartTime), "up since 05-Dec-06 3:06:10 pm");
    EXPECT_EQ(Compose(kShowCpuUsage), "CPU usage: CPU query failed");
    // No memory in use (the fake's zeros) shows as no figure.
    EXPECT_EQ(Compose(kShowPageFile), "Page file usage: K");
    EXPECT_EQ(Compose(kShowPhysicalMemory), "Physical memory: K");
    EXPECT_EQ(Compose(kShowVirtualMemory), "Virtual memory: K");
    EXPECT_EQ(Compose(kShowNetwork), ";-)");  // the network line is a label of its own
}

TEST_F(InfoText, LinesKeepTheirOrder) {
    const std::string text = Compose(static_cast<std::int16_t>(0x07BF), "Descr");
    const auto at = [&](const char* s) { return text.find(s); };
    EXPECT_EQ(at("Descr\rMYPC:  3:06:10 pm\rup for "), 0u);
    EXPECT_LT(at("\rup for "), at("\rup since "));
    EXPECT_LT(at("\rup since "), at("\rCPU usage: "));
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\r')), "\rCPU usage: CPU query failed");
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include "fixture.h"
#include "sources/memory_text.h"

namespace ostrel {
namespace {

class Memory : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        sys().memory = {1048576000, 216739840, 4000000000, 2735803392, 2147352576, 2046217216};
    }
    std::string With(int items) {
        Settings settings;
        settings.displayItems = static_cast<std::int16_t>(items);
        return MemoryText(sys(), settings);
    }
};

TEST_F(Memory, LinesFollowTheBitsInTheirFixedOrder) {
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory | kShowPercentages),
              "Page file usage: 1,234,567K (32%)\rPhysical memory: 812,340K (79%)\r"
              "Virtual memory: 98,765K (5%)");
    EXPECT_EQ(With(0x7FFF & ~(kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory)), "");
    // The thousands separator is the locale's, a comma where it has none.
    sys().thousandsSeparator = ".";
    EXPECT_EQ(With(kShowPageFile), "Page file usage: 1.234.567K");
    sys().thousandsSeparator = "";
    EXPECT_EQ(With(kShowVirtualMemory), "Virtual memory: 98,765K");
}

TEST_F(Memory, FiguresThatRoundToZeroShowAsNothingAndAnyFailureFailsTheWholeText) {
    sys().memory.availPageFile = sys().memory.totalPageFile - 511;
    sys().memory.availPhys = sys().memory.totalPhys - 1536;  // 1.5K goes to even
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory | kShowPercentages),
              "Page file usage: K (%)\rPhysical memory: 2K (%)");
    sys().memory.totalVirtual = sys().memory.availVirtual = 0;
    EXPECT_EQ(With(kShowVirtualMemory), "Virtual memory: K");
    EXPECT_EQ(With(kShowPageFile | kShowVirtualMemory | kShowPercentages), "memory query failed");

    sys().memory.totalPhys = 922337203685477;  // the largest count that converts
    sys().memory.availPhys = 922337203685477 - 1024;
    EXPECT_EQ(With(kShowPhysicalMemory), "Physical memory: 1K");
    sys().memory.totalPhys = 922337203685478;
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory), "memory query failed");
}

}  // namespace
}  // namespace ostrel

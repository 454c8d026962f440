#include <gtest/gtest.h>

#include "fixture.h"
#include "sources/memory_text.h"

namespace ostrel {
namespace {

class Memory : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        fake().memory = {1048576000, 216739840, 4000000000, 2735803392, 2147352576, 2046217216};
    }
    std::string With(int items) {
        Settings settings;
        settings.displayItems = static_cast<std::int16_t>(items);
        return MemoryText(settings);
    }
};

TEST_F(Memory, LinesFollowTheBitsInTheirFixedOrder) {
    const std::string page = "Page file usage: 1,234,567K";
    const std::string phys = "Physical memory: 812,340K";
    const std::string virt = "Virtual memory: 98,765K";
    const std::pair<int, std::string> cases[] = {
        {kShowPageFile, page},
        {kShowPhysicalMemory, phys},
        {kShowVirtualMemory, virt},
        {kShowPhysicalMemory | kShowVirtualMemory, phys + "\r" + virt},
        {kShowPageFile | kShowVirtualMemory, page + "\r" + virt},
        {kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory,
         page + "\r" + phys + "\r" + virt},
        {kShowPageFile | kShowPhysicalMemory | kShowPercentages,
         page + " (32%)\r" + phys + " (79%)"},
        {kShowVirtualMemory | kShowPercentages, virt + " (5%)"},
        {0x7FFF & ~(kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory), ""},
    };
    for (const auto& [items, text] : cases) {
        EXPECT_EQ(With(items), text) << items;
    }
    // The thousands separator is the locale's, a comma where it has none.
    fake().thousandsSeparator = ".";
    EXPECT_EQ(With(kShowPageFile), "Page file usage: 1.234.567K");
    fake().thousandsSeparator = "";
    EXPECT_EQ(With(kShowPageFile), page);
}

TEST_F(Memory, FiguresThatRoundToZeroShowAsNothingAndAnyFailureFailsTheWholeText) {
    fake().memory.availPageFile = fake().memory.totalPageFile - 511;
    EXPECT_EQ(With(kShowPageFile | kShowPercentages), "Page file usage: K (%)");
    fake().memory.availPageFile = fake().memory.totalPageFile - 1536;  // 1.5K goes to even
    EXPECT_EQ(With(kShowPageFile), "Page file usage: 2K");
    fake().memory.totalVirtual = 0;
    fake().memory.availVirtual = 0;
    EXPECT_EQ(With(kShowVirtualMemory), "Virtual memory: K");
    EXPECT_EQ(With(kShowPageFile | kShowVirtualMemory | kShowPercentages), "memory query failed");
    fake().memory = {};  // what a failed query leaves
    EXPECT_EQ(With(kShowPhysicalMemory | kShowPercentages), "memory query failed");

    SetUp();
    fake().memory.totalPhys = 922337203685477;  // the largest count that converts
    fake().memory.availPhys = 922337203685477 - 1024;
    EXPECT_EQ(With(kShowPhysicalMemory), "Physical memory: 1K");
    fake().memory.totalPhys = 922337203685478;
    EXPECT_EQ(With(kShowPageFile | kShowPhysicalMemory), "memory query failed");
}

}  // namespace
}  // namespace ostrel

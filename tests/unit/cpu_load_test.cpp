#include <gtest/gtest.h>

#include <functional>

#include "fakes/source_data.h"
#include "fixture.h"
#include "sources/cpu_load.h"
#include "sources/perf_data.h"

namespace ostrel {
namespace {

using fake::PerfTime;

constexpr std::int64_t kSecond = 10000000;  // 100-ns units

// The block's time, `seconds` after 15:06:10.
PerfTime At(int seconds, int milliseconds = 0) {
    return PerfTime{2006, 12, 5, 15, 6, 10 + seconds, milliseconds};
}

class CpuLoad : public PlatformTest {
  protected:
    void Serve(const std::vector<std::int64_t>& idle, const PerfTime& time,
               std::size_t padding = 0) {
        fake().perfData = fake::ProcessorBlock(idle, time, padding).bytes;
    }
    std::string StringAfter(const std::vector<std::int64_t>& idle, const PerfTime& time) {
        Serve(idle, time);
        return sampler.CPUString();
    }
    static void ExpectFailure(const std::function<void()>& f, std::int32_t number,
                              const char* source, const char* description) {
        try {
            f();
            ADD_FAILURE() << "no failure";
        } catch (const Failure& e) {
            EXPECT_EQ(e.number, number);
            EXPECT_EQ(e.source, source);
            EXPECT_EQ(e.description, description);
        }
    }
    CPULoad sampler;
};

TEST_F(CpuLoad, TwoProcessorsFromTheSecondCollectionOn) {
    // The first collection has nothing earlier to compare with.
    EXPECT_EQ(StringAfter({1000 * kSecond, 2000 * kSecond}, At(0)), "00% 00%");
    EXPECT_EQ(sampler.CPUCount(), 2);
    EXPECT_EQ(StringAfter({1000 * kSecond + 9300000, 2000 * kSecond + 5800000}, At(1)), "07% 42%");
    EXPECT_EQ(StringAfter({1000 * kSecond + 9300000, 2000 * kSecond + 5800000}, At(2)),
              "100% 100%");
    EXPECT_EQ(sampler.GetCPUUsage(1), 100);
}

TEST_F(CpuLoad, OneProcessorHasABlankBeforeThePercentSign) {
    fake().processorCount = 1;
    StringAfter({5 * kSecond}, At(0));
    EXPECT_EQ(StringAfter({5 * kSecond + 9300000}, At(1)), "07 %");
}

TEST_F(CpuLoad, PercentagesRoundHalvesToEvenAndAreNotClamped) {
    StringAfter({0, 0}, At(0));
    Serve({8750000, 10500000}, At(1));  // 12.5% busy; idle ran ahead of the clock
    sampler.CollectCPUData();
    EXPECT_EQ(sampler.GetCPUUsage(1), 12);
    EXPECT_EQ(sampler.GetCPUUsage(2), -5);
    Serve({8750000 + 6250000, 10500000}, At(2));  // 37.5% busy
    sampler.CollectCPUData();
    EXPECT_EQ(sampler.GetCPUUsage(1), 38);
    EXPECT_EQ(sampler.GetCPUUsage(2), 100);
}

TEST_F(CpuLoad, EqualTimeStampsGiveZero) {
    StringAfter({0, 0}, At(0));
    StringAfter({1000, 2000}, At(1));
    EXPECT_EQ(StringAfter({2000, 2000}, At(1)), "00% 00%");
}

TEST_F(CpuLoad, OnlyNumericInstancesAreSampled) {
    fake::PerfObject processor;
    processor.instances = {{"_Total", 7}, {"x1", 8}, {"", 9}, {"1", 100}, {"0", 200}};
    fake().perfData = fake::BuildPerfBlock({processor}, At(0)).bytes;
    sampler.CollectCPUData();
    processor.instances = {{"_Total", 7}, {"1", 100 + kSecond / 2}, {"0", 200}};
    fake().perfData = fake::BuildPerfBlock({processor}, At(1)).bytes;
    sampler.CollectCPUData();
    EXPECT_EQ(sampler.GetCPUUsage(1), 100);
    EXPECT_EQ(sampler.GetCPUUsage(2), 50);
}

TEST_F(CpuLoad, AProcessorMissingFromACollectionStartsAgainAtZero) {
    StringAfter({0, 0}, At(0));
    fake::PerfObject processor;
    processor.instances = {{"0", kSecond / 2}};
    fake().perfData = fake::BuildPerfBlock({processor}, At(1)).bytes;
    EXPECT_EQ(sampler.CPUString(), "50% 00%");
    EXPECT_EQ(StringAfter({kSecond, kSecond}, At(2)), "50% 00%");
    EXPECT_EQ(StringAfter({kSecond, kSecond + kSecond / 4}, At(3)), "100% 75%");
}

TEST_F(CpuLoad, BufferGrowsByPagesAndKeepsItsSize) {
    Serve({0, 0}, At(0), 9000);
    ASSERT_GT(fake().perfData.size(), 8192u);
    EXPECT_EQ(sampler.CPUString(), "00% 00%");
    EXPECT_EQ(fake().perfDataQueries, (std::vector<std::uint32_t>{4096, 8192, 12288}));
    EXPECT_EQ(sampler.BufferSize(), 12288);
    fake().perfDataQueries.clear();
    Serve({kSecond / 4, 0}, At(1));
    EXPECT_EQ(sampler.CPUString(), "75% 100%");
    EXPECT_EQ(fake().perfDataQueries, std::vector<std::uint32_t>{12288});
}

TEST_F(CpuLoad, AQueryThatAlwaysWantsMoreEndsAsAFailure) {
    fake().perfData.assign(2 << 20, 0);
    EXPECT_EQ(sampler.CPUString(), "CPU query failed");
    EXPECT_EQ(sampler.BufferSize(), 1 << 20);
}

TEST_F(CpuLoad, DataWithoutProcessorsIsAskedForAgainOnlyOnceAMinute) {
    fake().perfData = fake::BuildPerfBlock({}, At(0)).bytes;
    EXPECT_EQ(sampler.CPUString(), "CPU query failed");
    for (int i = 0; i < 59; ++i) {
        EXPECT_EQ(sampler.CPUString(), "CPU query failed");
    }
    EXPECT_EQ(fake().perfDataQueries.size(), 1u);
    // Processors that appear later are shown from the next asking on.
    Serve({0, 0}, At(1));
    EXPECT_EQ(sampler.CPUString(), "00% 00%");
    EXPECT_EQ(fake().perfDataQueries.size(), 2u);
    // A block that cannot be read at all is asked for again at once.
    fake().perfDataFailure = 2;
    sampler.CPUString();
    sampler.CPUString();
    EXPECT_EQ(fake().perfDataQueries.size(), 4u);
}

TEST_F(CpuLoad, ErrorsCarryTheirNumbersSourcesAndDescriptions) {
    fake().perfDataFailure = 2;
    ExpectFailure([&] { sampler.CollectCPUData(); }, -2147213498, "CPULoad.CollectCPUData()",
                  "Unable to read performance data");
    EXPECT_EQ(sampler.CPUString(), "CPU query failed");
    EXPECT_EQ(sampler.CPUCount(), -1);

    fake().perfDataFailure.reset();
    fake::PerfObject other;
    other.titleIndex = 2;
    fake().perfData = fake::BuildPerfBlock({other}).bytes;
    ExpectFailure([&] { sampler.CollectCPUData(); }, -2147213500, "CPULoad.CollectData",
                  "Unable to locate the 'Processor' performance object");
    EXPECT_EQ(sampler.CPUCount(), -1);

    fake::PerfObject processor;
    processor.counters = {142, 144};
    processor.instances = {{"0", 1}};
    fake().perfData = fake::BuildPerfBlock({processor}).bytes;
    ExpectFailure([&] { sampler.CollectCPUData(); }, -2147213499, "CPULoad.CollectData",
                  "Unable to locate the '% of CPU usage' performance counter");
    EXPECT_EQ(sampler.CPUCount(), 2);  // the processors were counted before the counter walk

    Serve({0, 0}, At(0));
    for (std::int32_t index : {0, 3, -1}) {
        ExpectFailure([&] { sampler.GetCPUUsage(index); }, -2147213501, "CPULoad.GetCPUUsage()",
                      "CPU index out of bounds");
    }
}

TEST_F(CpuLoad, UsageBeforeAnyCollectionCollectsFirst) {
    Serve({0, 0}, At(0));
    EXPECT_EQ(sampler.GetCPUUsage(2), 0);
    EXPECT_EQ(sampler.CPUCount(), 2);
    EXPECT_EQ(fake().perfDataQueries.size(), 1u);
}

TEST_F(CpuLoad, MoreProcessorInstancesThanTheSystemReportsFail) {
    fake().processorCount = 1;
    EXPECT_EQ(StringAfter({0, 0}, At(0)), "CPU query failed");
    fake::PerfObject processor;  // one processor named twice
    processor.instances = {{"0", 1}, {"0", 2}};
    fake().perfData = fake::BuildPerfBlock({processor}).bytes;
    EXPECT_EQ(sampler.CPUString(), "CPU query failed");
}

TEST_F(CpuLoad, AFailedCollectionLeavesTheLastGoodSamples) {
    StringAfter({0, 0}, At(0));
    auto block = fake::ProcessorBlock({kSecond / 2, kSecond / 2}, At(1));
    fake::Poke32(block.bytes, block.instancesAt[1] + 20, 3);  // odd name length
    fake().perfData = block.bytes;
    EXPECT_EQ(sampler.CPUString(), "CPU query failed");
    EXPECT_EQ(StringAfter({kSecond, kSecond}, At(2)), "50% 50%");
}

TEST_F(CpuLoad, OnlyTheBytesReturnedAreRead) {
    Serve({0, 0}, At(0));
    fake().perfDataReportedSize = 1u << 30;  // more than the buffer holds
    EXPECT_EQ(sampler.CPUString(), "00% 00%");
    fake().perfDataReportedSize = static_cast<std::uint32_t>(fake().perfData.size() - 1);
    EXPECT_EQ(sampler.CPUString(), "CPU query failed");
}

// Each damage to a good block, and the failure it must give.
struct Damage {
    const char* what;
    std::function<void(fake::PerfBlock&)> apply;
};

TEST(PerfData, MalformedBlocksFailWithoutReadingOutside) {
    using fake::Poke16;
    using fake::Poke32;
    const Damage damages[] = {
        {"signature", [](fake::PerfBlock& b) { Poke16(b.bytes, 6, 'X'); }},
        {"header length outside", [](fake::PerfBlock& b) { Poke32(b.bytes, 24, 0xFFFFFFF0u); }},
        {"object length 0", [](fake::PerfBlock& b) { Poke32(b.bytes, b.objectsAt[0], 0); }},
        {"object length outside",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.objectsAt[0], 0x7FFFFFFF); }},
        {"endless objects without a processor",
         [](fake::PerfBlock& b) {
             Poke32(b.bytes, 28, 0xFFFFFFFFu);
             Poke32(b.bytes, b.processorAt + 12, 230);
         }},
        {"counter definitions outside",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.processorAt + 8, 0xFFFFFFC0u); }},
        {"counter length 0", [](fake::PerfBlock& b) { Poke32(b.bytes, b.countersAt[0], 0); }},
        {"counters more than fit",
         [](fake::PerfBlock& b) {
             Poke32(b.bytes, b.processorAt + 32, 0xFFFFFFFFu);
             Poke32(b.bytes, b.countersAt[1] + 4, 7);
         }},
        {"counter offset outside its block",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.countersAt[1] + 36, 28); }},
        {"instances outside",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.processorAt + 4, 0x80000000u); }},
        {"instances more than fit",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.processorAt + 40, 1000); }},
        {"instance length short", [](fake::PerfBlock& b) { Poke32(b.bytes, b.instancesAt[0], 8); }},
        {"instance length outside",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.instancesAt[2], 0xFFFFFFFFu); }},
        {"name offset outside",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.instancesAt[0] + 16, 0x7FFFFFF0); }},
        {"name length 0", [](fake::PerfBlock& b) { Poke32(b.bytes, b.instancesAt[0] + 20, 0); }},
        {"name length odd", [](fake::PerfBlock& b) { Poke32(b.bytes, b.instancesAt[0] + 20, 3); }},
        {"name longer than its record",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.instancesAt[0] + 20, 0xFFFFFFFEu); }},
        {"counter block short",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.counterBlocksAt[1], 0); }},
        {"counter block outside",
         [](fake::PerfBlock& b) { Poke32(b.bytes, b.counterBlocksAt[2], 0xFFFFFFF8u); }},
        {"time not a date", [](fake::PerfBlock& b) { Poke16(b.bytes, 38, 13); }},
        {"time before 1601", [](fake::PerfBlock& b) { Poke16(b.bytes, 36, 1600); }},
    };
    for (const Damage& d : damages) {
        fake::PerfBlock block = fake::ProcessorBlock({1, 2}, At(0));
        d.apply(block);
        try {
            ProcessorReading reading;
            ReadProcessorData(block.bytes, FindProcessorObject(block.bytes), 2, reading);
            ADD_FAILURE() << d.what << ": read";
        } catch (const Failure& f) {
            EXPECT_EQ(f.number, -2147213498) << d.what;
        }
    }
}

TEST(PerfData, EveryTruncationFails) {
    const std::vector<std::uint8_t> whole = fake::ProcessorBlock({1, 2, 3, 4}).bytes;
    for (std::size_t n = 0; n < whole.size(); ++n) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + n);
        ProcessorReading reading;
        EXPECT_THROW(ReadProcessorData(cut, FindProcessorObject(cut), 4, reading), Failure) << n;
    }
}

TEST(PerfData, TimeStampsMatchTheSystemsCalendar) {
    std::int64_t t = 0;
    ASSERT_TRUE(FileTimeFromSystemTime(1601, 1, 1, 0, 0, 0, 0, t));
    EXPECT_EQ(t, 0);
    ASSERT_TRUE(FileTimeFromSystemTime(2006, 12, 5, 15, 6, 10, 250, t));
    EXPECT_EQ(t, 128098047702500000);
    ASSERT_TRUE(FileTimeFromSystemTime(2004, 2, 29, 0, 0, 0, 0, t));
    EXPECT_FALSE(FileTimeFromSystemTime(2006, 2, 29, 0, 0, 0, 0, t));
    EXPECT_FALSE(FileTimeFromSystemTime(2006, 12, 5, 24, 0, 0, 0, t));
    EXPECT_FALSE(FileTimeFromSystemTime(2006, 12, 5, 0, 0, 0, 1000, t));
    EXPECT_FALSE(FileTimeFromSystemTime(30828, 1, 1, 0, 0, 0, 0, t));
}

}  // namespace
}  // namespace ostrel

#include <gtest/gtest.h>

#include <functional>

#include "fakes/source_data.h"
#include "fixture.h"
#include "sources/cpu_load_sampler.h"
#include "sources/performance_data.h"

namespace ostrel {
namespace {

constexpr std::int64_t kSecond = 10000000;  // 100-ns units
constexpr const char* kUnreadable =         // error 8006
    "-2147213498 CpuLoadSampler.Collect(): Unable to read performance data";

// "number source: description" of the failure `f` raises.
std::string FailureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Failure& e) {
        return std::to_string(e.number) + " " + e.source + ": " + e.description;
    }
    return "no failure";
}

std::string ReadFailure(const std::vector<std::uint8_t>& bytes, std::int32_t processors) {
    ProcessorReading r;
    return FailureOf([&] { ReadProcessorData(bytes, FindProcessorObject(bytes), processors, r); });
}

class CpuLoad : public PlatformTest {
  protected:
    // The figures after a block stamped `seconds` after 15:06:10.
    std::string After(const std::vector<std::int64_t>& idle, int seconds, std::size_t padding = 0) {
        fake().perfData = fake::ProcessorBlock(idle, {.second = 10 + seconds}, padding).bytes;
        return sampler.UsageText();
    }
    std::string AfterInstances(std::vector<fake::PerfInstance> instances, int seconds) {
        fake::PerfObject processor;
        processor.instances = std::move(instances);
        fake().perfData = fake::BuildPerfBlock({processor}, {.second = 10 + seconds}).bytes;
        return sampler.UsageText();
    }
    CpuLoadSampler sampler;
};

TEST_F(CpuLoad, FiguresStartAtTheSecondCollection) {
    // Asking for a figure before any collection collects first; with nothing
    // earlier to compare with, the figure is 0.
    fake().perfData = fake::ProcessorBlock({1000 * kSecond, 2000 * kSecond}).bytes;
    EXPECT_EQ(sampler.UsagePercent(2), 0);
    EXPECT_EQ(sampler.KnownProcessorCount(), 2);
    EXPECT_EQ(fake().perfDataQueries.size(), 1u);
    EXPECT_EQ(After({1000 * kSecond + 9300000, 2000 * kSecond + 5800000}, 1), "07% 42%");
    EXPECT_EQ(After({1000 * kSecond + 9300000, 2000 * kSecond + 5800000}, 2), "100% 100%");
}

TEST_F(CpuLoad, PercentagesRoundHalvesToEvenAndAreNotClamped) {
    After({0, 0}, 0);
    // 12.5% busy; the second's idle time ran ahead of the clock.
    EXPECT_EQ(After({8750000, 10500000}, 1), "12% -05%");
    EXPECT_EQ(After({8750000 + 6250000, 10500000}, 2), "38% 100%");  // 37.5%
    EXPECT_EQ(After({0, 3 * kSecond}, 2), "00% 00%");                // the same time stamp again
}

TEST_F(CpuLoad, OneProcessorHasABlankBeforeThePercentSignAndNoMoreInstances) {
    fake().processorCount = 1;
    EXPECT_EQ(After({0, 0}, 0), "CPU query failed");
    EXPECT_EQ(AfterInstances({{"0", 1}, {"0", 2}}, 0), "CPU query failed");  // named twice
    EXPECT_EQ(After({5 * kSecond}, 0), "00 %");
    EXPECT_EQ(After({5 * kSecond + 9300000}, 1), "07 %");
}

TEST_F(CpuLoad, OnlyNumericInstancesInGoodCollectionsCount) {
    EXPECT_EQ(AfterInstances({{"_Total", 7}, {"x1", 8}, {"", 9}, {"1", 0}, {"0", 0}}, 0),
              "00% 00%");
    EXPECT_EQ(AfterInstances({{"_Total", 7}, {"0", kSecond / 2}}, 1), "50% 00%");
    // The missing processor starts again at zero.
    EXPECT_EQ(After({kSecond, kSecond}, 2), "50% 00%");
    EXPECT_EQ(After({kSecond, kSecond + kSecond / 4}, 3), "100% 75%");
    // A block that fails half-way changes no sample.
    auto block = fake::ProcessorBlock({2 * kSecond, 2 * kSecond}, {.second = 14});
    fake::Poke32(block.bytes, block.instancesAt[1] + 20, 3);  // odd name length
    fake().perfData = block.bytes;
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    EXPECT_EQ(After({kSecond + kSecond / 2, kSecond + 3 * kSecond / 4}, 5), "75% 75%");
}

TEST_F(CpuLoad, BufferGrowsByPagesKeepsItsSizeAndOnlyTheBytesReturnedAreRead) {
    EXPECT_EQ(After({0, 0}, 0, 9000), "00% 00%");
    EXPECT_EQ(fake().perfDataQueries, (std::vector<std::uint32_t>{4096, 8192, 12288}));
    fake().perfDataQueries.clear();
    fake().perfDataReportedSize = 1u << 30;  // more than the buffer holds
    EXPECT_EQ(After({kSecond / 4, 0}, 1), "75% 100%");
    EXPECT_EQ(fake().perfDataQueries, std::vector<std::uint32_t>{12288});
    fake().perfDataReportedSize = static_cast<std::uint32_t>(fake().perfData.size() - 1);
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");

    fake().perfDataReportedSize.reset();
    fake().perfData.assign(2 << 20, 0);  // a query that always wants more
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    EXPECT_EQ(sampler.BufferBytes(), 1 << 20);
}

TEST_F(CpuLoad, DataWithoutProcessorsIsAskedForAgainOnlyOnceAMinute) {
    fake().perfData = fake::BuildPerfBlock({}).bytes;
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    }
    EXPECT_EQ(fake().perfDataQueries.size(), 1u);
    // Processors that appear later are shown from the next asking on.
    EXPECT_EQ(After({0, 0}, 1), "00% 00%");
    EXPECT_EQ(fake().perfDataQueries.size(), 2u);
    // A block that cannot be read at all is asked for again at once.
    fake().perfDataFailure = 2;
    sampler.UsageText();
    sampler.UsageText();
    EXPECT_EQ(fake().perfDataQueries.size(), 4u);
}

TEST_F(CpuLoad, ErrorsCarryTheirNumbersSourcesAndDescriptions) {
    const auto collect = [&] { sampler.Collect(); };
    fake().perfDataFailure = 2;
    EXPECT_EQ(FailureOf(collect), kUnreadable);
    EXPECT_EQ(sampler.UsageText(), "CPU query failed");
    EXPECT_EQ(sampler.KnownProcessorCount(), -1);

    fake().perfDataFailure.reset();
    fake::PerfObject processor{.titleIndex = 2, .instances = {}};
    fake().perfData = fake::BuildPerfBlock({processor}).bytes;
    EXPECT_EQ(
        FailureOf(collect),
        "-2147213500 CpuLoadSampler.CollectData: Unable to locate the 'Processor' performance "
        "object");
    EXPECT_EQ(sampler.KnownProcessorCount(), -1);

    processor = {.counters = {142, 144}, .instances = {{"0", 1}}};
    fake().perfData = fake::BuildPerfBlock({processor}).bytes;
    EXPECT_EQ(FailureOf(collect),
              "-2147213499 CpuLoadSampler.CollectData: Unable to locate the '% of CPU usage' "
              "performance counter");
    EXPECT_EQ(sampler.KnownProcessorCount(),
              2);  // the processors were counted before the counter walk

    After({0, 0}, 0);
    for (std::int32_t index : {0, 3, -1}) {
        EXPECT_EQ(FailureOf([&] { sampler.UsagePercent(index); }),
                  "-2147213501 CpuLoadSampler.UsagePercent(): CPU index out of bounds")
            << index;
    }
}

TEST(PerfData, MalformedBlocksFailWithoutReadingOutside) {
    const fake::PerfBlock good = fake::ProcessorBlock({1, 2});
    const std::size_t o = good.objectsAt[0], p = good.processorAt;
    const auto &c = good.countersAt, &i = good.instancesAt, &v = good.counterBlocksAt;
    // One 32-bit value written over a good block's, in order: the signature; header
    // length outside; object length 0, outside; counter definitions outside;
    // counter length 0; counter offset outside its block; instances outside,
    // more than fit; instance length short, outside; name offset outside; name
    // length 0, odd, longer than its record; counter block short, outside;
    // month 13; December (0x0C) 1600 (0x640).
    using Poke = std::pair<std::size_t, std::uint32_t>;
    const Poke damages[] = {{6, 'X'},        {24, 0xFFFFFFF0u},    {o, 0},
                            {o, 0x7FFFFFFF}, {p + 8, 0xFFFFFFC0u}, {c[0], 0},
                            {c[1] + 36, 28}, {p + 4, 0x80000000u}, {p + 40, 1000},
                            {i[0], 8},       {i[2], 0xFFFFFFFFu},  {i[0] + 16, 0x7FFFFFF0},
                            {i[0] + 20, 0},  {i[0] + 20, 3},       {i[0] + 20, 0xFFFFFFFEu},
                            {v[1], 0},       {v[2], 0xFFFFFFF8u},  {38, 13},
                            {36, 0x000C0640}};
    for (const auto& [at, value] : damages) {
        std::vector<std::uint8_t> bytes = good.bytes;
        fake::Poke32(bytes, at, value);
        EXPECT_EQ(ReadFailure(bytes, 2), kUnreadable) << at << ": " << value;
    }
    // Endless objects without a processor, and endless counters without the
    // processor-time one.
    fake::PerfBlock system = fake::BuildPerfBlock({{.titleIndex = 2, .instances = {}}});
    fake::Poke32(system.bytes, 28, 0xFFFFFFFFu);
    EXPECT_EQ(ReadFailure(system.bytes, 2), kUnreadable);
    fake::PerfBlock odd = fake::BuildPerfBlock({{.counters = {142, 144}, .instances = {{"0", 1}}}});
    fake::Poke32(odd.bytes, odd.processorAt + 32, 0xFFFFFFFFu);
    EXPECT_EQ(ReadFailure(odd.bytes, 2), kUnreadable);
}

TEST(PerfData, EveryTruncationFails) {
    const std::vector<std::uint8_t> whole = fake::ProcessorBlock({1, 2, 3, 4}).bytes;
    for (std::size_t n = 0; n < whole.size(); ++n) {
        EXPECT_EQ(ReadFailure({whole.begin(), whole.begin() + n}, 4), kUnreadable) << n;
    }
}

TEST(PerfData, TimeStampsMatchTheSystemsCalendar) {
    std::int64_t t = -1;
    EXPECT_TRUE(FileTimeFromSystemTime(1601, 1, 1, 0, 0, 0, 0, t) && t == 0);
    EXPECT_TRUE(FileTimeFromSystemTime(2006, 12, 5, 15, 6, 10, 250, t) && t == 128098047702500000);
    EXPECT_TRUE(FileTimeFromSystemTime(2004, 2, 29, 0, 0, 0, 0, t));
    EXPECT_FALSE(FileTimeFromSystemTime(2006, 2, 29, 0, 0, 0, 0, t));
    EXPECT_FALSE(FileTimeFromSystemTime(2006, 12, 5, 24, 0, 0, 0, t));
    EXPECT_FALSE(FileTimeFromSystemTime(2006, 12, 5, 0, 0, 0, 1000, t));
    EXPECT_FALSE(FileTimeFromSystemTime(30828, 1, 1, 0, 0, 0, 0, t));
}

}  // namespace
}  // namespace ostrel

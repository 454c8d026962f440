#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "common/failure.h"

#include "fakes/source_data.h"
#include "fixture.h"
#include "platform/windows_data/performance_data.h"

namespace ostrel {
namespace {

constexpr const char* kUnreadable =  // error 8006
    "-2147213498 CpuLoadSampler.Collect(): Unable to read performance data";

std::string ReadFailure(const std::vector<std::uint8_t>& bytes, std::int32_t processors) {
    platform::ProcessorTimes t;
    return FailureOf([&] { ReadProcessorTimesFromBlock(bytes, processors, t); });
}

TEST(PerformanceData, ReadsEveryNumberedProcessorAndTheBlocksTime) {
    // Twelve processors, out of order, among names that are not numbers;
    // processor 5 is missing from the block.
    fake::PerfObject processor;
    processor.instances = {{"_Total", 7}, {"11", 1100}, {"x1", 8},  {"0", 5},   {"10", 1000},
                           {"", 9},       {"1", 100},   {"2", 200}, {"3", 300}, {"4", 400},
                           {"6", 600},    {"7", 700},   {"8", 800}, {"9", 900}, {"007", 1}};
    processor.counters = {142, 144, 6};  // the processor-time counter last
    const fake::PerfTime time{2009, 2, 28, 23, 59, 59, 999};
    const auto block = fake::BuildPerfBlock({{.titleIndex = 2, .instances = {}}, processor}, time);
    platform::ProcessorTimes t;
    // "007" names processor 7 a second time.
    EXPECT_EQ(FailureOf([&] { ReadProcessorTimesFromBlock(block.bytes, 12, t); }), kUnreadable);
    processor.instances.pop_back();
    const auto good = fake::BuildPerfBlock({{.titleIndex = 2, .instances = {}}, processor}, time);
    ReadProcessorTimesFromBlock(good.bytes, 12, t);
    EXPECT_EQ(t.idle, (std::vector<std::int64_t>{5, 100, 200, 300, 400, 0, 600, 700, 800, 900, 1000,
                                                 1100}));
    EXPECT_EQ(t.seen, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(t.time, 128803391999990000);  // 28 Feb 2009 23:59:59.999, worked out by hand
    // Processor 11 is one too many for eleven, and so is any longer number.
    EXPECT_EQ(ReadFailure(good.bytes, 11), "9 : Subscript out of range");
    processor.instances = {{"0", 1}, {"99999999999999999999", 2}};
    EXPECT_EQ(ReadFailure(fake::BuildPerfBlock({processor}).bytes, 12),
              "9 : Subscript out of range");
}

TEST(PerformanceData, MissingObjectOrCounterFailsByItsOwnNumber) {
    EXPECT_EQ(ReadFailure(fake::BuildPerfBlock({{.titleIndex = 2, .instances = {}}}).bytes, 2),
              "-2147213500 CpuLoadSampler.CollectData: Unable to locate the 'Processor' "
              "performance object");
    EXPECT_EQ(
        ReadFailure(fake::BuildPerfBlock({{.counters = {142, 144}, .instances = {{"0", 1}}}}).bytes,
                    2),
        "-2147213499 CpuLoadSampler.CollectData: Unable to locate the '% of CPU usage' "
        "performance counter");
    // An object without instances has no processors.
    platform::ProcessorTimes t;
    ReadProcessorTimesFromBlock(
        fake::BuildPerfBlock({{.instances = {}, .withoutInstances = true}}).bytes, 2, t);
    EXPECT_EQ(t.seen, (std::vector<std::uint8_t>{0, 0}));
}

TEST(PerformanceData, MalformedBlocksFailWithoutReadingOutside) {
    const fake::PerfBlock good = fake::ProcessorBlock({1, 2});
    const std::size_t o = good.objectsAt[0], p = good.processorAt;
    const auto &c = good.countersAt, &i = good.instancesAt, &v = good.counterBlocksAt;
    // One 32-bit value written over a good block's, in order: the signature;
    // header length outside; object length 0, outside; counter definitions
    // outside; counter length 0; counter offset outside its block; instances
    // outside, more than fit; instance length short, outside; name offset
    // outside; name length 0, odd, longer than its record; counter block
    // short, outside; month 13; December (0x0C) 1600 (0x640).
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

TEST(PerformanceData, EveryTruncationFails) {
    const std::vector<std::uint8_t> whole = fake::ProcessorBlock({1, 2, 3, 4}).bytes;
    EXPECT_EQ(ReadFailure(whole, 4), "no failure");
    for (std::size_t n = 0; n < whole.size(); ++n) {
        EXPECT_EQ(ReadFailure({whole.begin(), whole.begin() + n}, 4), kUnreadable) << n;
    }
}

TEST(PerformanceData, TimeStampsAtTheCalendarsLimits) {
    // Year, month, day, hour, minute, second, milliseconds; the time in
    // 100-ns units since 1601 worked out by hand, or -1 for no real time.
    const struct {
        int y, mo, d, h, mi, s, ms;
        std::int64_t time;
    } cases[] = {
        {1601, 1, 1, 0, 0, 0, 0, 0},
        {2006, 12, 5, 15, 6, 10, 250, 128098047702500000},
        {30827, 12, 31, 23, 59, 59, 999, 9223149887999990000},
        {2004, 2, 29, 0, 0, 0, 0, 127224864000000000},
        {2000, 2, 29, 0, 0, 0, 0, 125962560000000000},  // a century divisible by 400
        {1900, 2, 29, 0, 0, 0, 0, -1},                  // one that is not
        {1600, 12, 31, 23, 59, 59, 999, -1},
        {30828, 1, 1, 0, 0, 0, 0, -1},
        {2006, 2, 29, 0, 0, 0, 0, -1},
        {2006, 0, 1, 0, 0, 0, 0, -1},
        {2006, 13, 1, 0, 0, 0, 0, -1},
        {2006, 4, 31, 0, 0, 0, 0, -1},
        {2006, 1, 0, 0, 0, 0, 0, -1},
        {2006, 1, 1, 24, 0, 0, 0, -1},
        {2006, 1, 1, -1, 0, 0, 0, -1},
        {2006, 1, 1, 0, 60, 0, 0, -1},
        {2006, 1, 1, 0, 0, 60, 0, -1},
        {2006, 1, 1, 0, 0, 0, 1000, -1},
        {2006, 1, 1, 0, 0, 0, -1, -1},
    };
    for (const auto& c : cases) {
        std::int64_t t = -1;
        const bool real = FileTimeFromSystemTime(c.y, c.mo, c.d, c.h, c.mi, c.s, c.ms, t);
        EXPECT_EQ(real ? t : -1, c.time) << c.y << "-" << c.mo << "-" << c.d << " " << c.h;
    }
}

TEST(PerformanceDataBuffer, GrowsByPagesKeepsItsSizeAndReturnsOnlyTheBytesWritten) {
    std::vector<std::uint32_t> asked;
    std::size_t needed = 9000;
    std::optional<std::uint32_t> reported;
    long failure = 0;
    const PerformanceDataBuffer::Query query = [&](std::uint8_t* data, std::uint32_t& size) {
        asked.push_back(size);
        if (failure != 0) {
            return failure;
        }
        if (needed > size) {
            return kPerfDataMoreData;
        }
        data[0] = 'P';
        size = reported.value_or(static_cast<std::uint32_t>(needed));
        return kPerfDataSuccess;
    };
    PerformanceDataBuffer buffer;
    EXPECT_EQ(buffer.Fetch(query).size(), 9000u);
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{4096, 8192, 12288}));
    // The size is kept; a size beyond the buffer reads only the buffer.
    asked.clear();
    reported = 1u << 30;
    const auto bytes = buffer.Fetch(query);
    EXPECT_EQ(std::tuple(bytes.size(), bytes[0], asked),
              std::tuple(12288u, 'P', std::vector<std::uint32_t>{12288}));
    // Any other answer is unreadable data, and so is a block past 1 MiB.
    failure = 2;
    EXPECT_EQ(FailureOf([&] { buffer.Fetch(query); }), kUnreadable);
    failure = 0;
    reported.reset();
    needed = 1 << 20;
    EXPECT_EQ(buffer.Fetch(query).size(), std::size_t{1} << 20);
    needed = (1 << 20) + 1;
    EXPECT_EQ(FailureOf([&] { buffer.Fetch(query); }), kUnreadable);
    EXPECT_EQ(buffer.SizeBytes(), 1 << 20);
}

}  // namespace
}  // namespace ostrel

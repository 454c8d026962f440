#include <gtest/gtest.h>

#include <array>

#include "common/failure.h"

#include "fakes/source_data.h"
#include "unit/fixture.h"
#include "windows/portable/performance_data.h"

namespace ostrel {
namespace {

constexpr const char* kUnreadable =  // error 8006
    "-2147213498 CpuLoadSampler.Collect(): Unable to read performance data";

std::string ReadFailure(const std::vector<std::uint8_t>& bytes, std::int32_t processors) {
    platform::ProcessorTimes t;
    return FailureOf([&] { ReadProcessorTimesFromBlock(bytes, processors, t); });
}

TEST(PerformanceData, ReadsEveryNumberedProcessorAndTheBlocksTimeToTheCalendarsLimits) {
    // Twelve processors, out of order, among names that are not numbers;
    // processor 5 is missing from the block; every byte of the last idle
    // time is different.
    fake::PerfObject processor;
    processor.instances = {
        {"_Total", 7}, {"11", 0x0123456789ABCDEF}, {"x1", 8}, {"0", 5}, {"10", 1000}, {"", 9}};
    for (const int n : {1, 2, 3, 4, 6, 7, 8, 9}) {
        processor.instances.push_back({std::to_string(n), n * 100});
    }
    processor.counters = {142, 144, 6};  // the processor-time counter last
    const auto block = fake::BuildPerfBlock({processor}, {2009, 2, 28, 23, 59, 59, 999});
    platform::ProcessorTimes t;
    ReadProcessorTimesFromBlock(block.bytes, 12, t);
    // The time of 28 Feb 2009 23:59:59.999 worked out by hand.
    EXPECT_EQ(std::tuple(t.idle, t.seen, t.time),
              std::tuple(std::vector<std::int64_t>{5, 100, 200, 300, 400, 0, 600, 700, 800, 900,
                                                   1000, 0x0123456789ABCDEF},
                         std::vector<std::uint8_t>{1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1},
                         128803391999990000));
    // Processor 11 is one too many for eleven, and so is any longer number.
    EXPECT_EQ(ReadFailure(block.bytes, 11), "9 : Subscript out of range");
    processor.instances = {{"0", 1}, {"99999999999999999999", 2}};
    EXPECT_EQ(ReadFailure(fake::BuildPerfBlock({processor}).bytes, 12),
              "9 : Subscript out of range");
    // "007" names processor 7 a second time.
    processor.instances = {{"7", 1}, {"007", 2}};
    EXPECT_EQ(ReadFailure(fake::BuildPerfBlock({processor}).bytes, 12), kUnreadable);
    // An object without instances has no processors.
    ReadProcessorTimesFromBlock(
        fake::BuildPerfBlock({{.instances = {}, .withoutInstances = true}}).bytes, 2, t);
    EXPECT_EQ(t.seen, (std::vector<std::uint8_t>{0, 0}));
    // The time in 100-ns units since 1601 of year, month, day, hour, minute,
    // second and milliseconds, or -1 for no real time.
    const auto fileTime = [](const std::array<int, 7>& c) {
        std::int64_t t = -1;
        return FileTimeFromSystemTime(c[0], c[1], c[2], c[3], c[4], c[5], c[6], t) ? t : -1;
    };
    // Worked out by hand; 2000 is a leap year, as 400 divides it.
    EXPECT_EQ(
        std::tuple(fileTime({1601, 1, 1, 0, 0, 0, 0}), fileTime({2006, 12, 5, 15, 6, 10, 250}),
                   fileTime({30827, 12, 31, 23, 59, 59, 999}), fileTime({2004, 2, 29, 0, 0, 0, 0}),
                   fileTime({2000, 2, 29, 0, 0, 0, 0})),
        std::tuple(0, 128098047702500000, 9223149887999990000, 127224864000000000,
                   125962560000000000));
    // 1900 is no leap year.
    const std::array<int, 7> unreal[] = {
        {1900, 2, 29, 0, 0, 0, 0}, {1600, 12, 31, 23, 59, 59, 999}, {30828, 1, 1, 0, 0, 0, 0},
        {2006, 2, 29, 0, 0, 0, 0}, {2006, 0, 1, 0, 0, 0, 0},        {2006, 13, 1, 0, 0, 0, 0},
        {2006, 4, 31, 0, 0, 0, 0}, {2006, 1, 0, 0, 0, 0, 0},        {2006, 1, 1, 24, 0, 0, 0},
        {2006, 1, 1, 0, 60, 0, 0}, {2006, 1, 1, 0, 0, 60, 0},       {2006, 1, 1, 0, 0, 0, 1000}};
    for (const auto& c : unreal) {
        EXPECT_EQ(fileTime(c), -1) << c[0] << "-" << c[1] << "-" << c[2] << " " << c[3];
    }
}

TEST(PerformanceData, MalformedBlocksAndMissingObjectsFailByTheirOwnNumbers) {
    const fake::PerfBlock good = fake::ProcessorBlock({1, 2});
    const std::size_t o = good.objectsAt[0], p = good.processorAt;
    const auto &c = good.countersAt, &i = good.instancesAt, &v = good.counterBlocksAt;
    // One 32-bit value written over a good block's, in order: the signature;
    // header length outside; object length 0, outside; counter definitions
    // outside; counter length 0; counter offset outside its block; instances
    // outside, more than fit; instance length short, outside; name offset
    // outside; name length 0, odd, longer than its record; counter block
    // short, outside; month 13; December (0x0C) 1600 (0x640).
    const std::pair<std::size_t, std::uint32_t> damages[] = {
        {6, 'X'},        {24, 0xFFFFFFF0u},    {o, 0},
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
    EXPECT_EQ(ReadFailure(good.bytes, 2), "no failure");
    for (std::size_t n = 0; n < good.bytes.size(); ++n) {
        EXPECT_EQ(ReadFailure({good.bytes.begin(), good.bytes.begin() + n}, 2), kUnreadable) << n;
    }
    fake::PerfBlock system = fake::BuildPerfBlock({{.titleIndex = 2, .instances = {}}});
    fake::PerfBlock odd = fake::BuildPerfBlock({{.counters = {142, 144}, .instances = {{"0", 1}}}});
    EXPECT_EQ(std::tuple(ReadFailure(system.bytes, 2), ReadFailure(odd.bytes, 2)),
              std::tuple("-2147213500 CpuLoadSampler.CollectData: Unable to locate the "
                         "'Processor' performance object",
                         "-2147213499 CpuLoadSampler.CollectData: Unable to locate the "
                         "'% of CPU usage' performance counter"));
    // Endless objects, or counters, run out of the block first.
    fake::Poke32(system.bytes, 28, 0xFFFFFFFFu);
    fake::Poke32(odd.bytes, odd.processorAt + 32, 0xFFFFFFFFu);
    EXPECT_EQ(std::tuple(ReadFailure(system.bytes, 2), ReadFailure(odd.bytes, 2)),
              std::tuple(kUnreadable, kUnreadable));
}

TEST(PerformanceDataBuffer, GrowsByPagesKeepsItsSizeAndReturnsOnlyTheBytesWritten) {
    std::vector<std::uint32_t> asked;
    std::uint32_t needed = 9000, reported = 0;
    long answer = kPerfDataSuccess;
    const PerformanceDataBuffer::Query query = [&](std::uint8_t* data, std::uint32_t& size) {
        asked.push_back(size);
        if (needed > size) {
            return kPerfDataMoreData;
        }
        data[0] = 'P';
        size = reported != 0 ? reported : needed;
        return answer;
    };
    PerformanceDataBuffer buffer;
    EXPECT_EQ(buffer.Fetch(query).size(), 9000u);
    // The size is kept; a size beyond the buffer reads only the buffer.
    reported = 1u << 30;
    const auto bytes = buffer.Fetch(query);
    EXPECT_EQ(std::tuple(asked, bytes.size(), bytes[0]),
              std::tuple(std::vector<std::uint32_t>{4096, 8192, 12288, 12288}, 12288u, 'P'));
    // Any other answer is unreadable data, and so is a block past 1 MiB.
    answer = 2;
    EXPECT_EQ(FailureOf([&] { buffer.Fetch(query); }), kUnreadable);
    answer = kPerfDataSuccess;
    needed = reported = 1 << 20;
    EXPECT_EQ(buffer.Fetch(query).size(), std::size_t{1} << 20);
    needed = (1 << 20) + 1;
    EXPECT_EQ(FailureOf([&] { buffer.Fetch(query); }), kUnreadable);
}

}  // namespace
}  // namespace ostrel

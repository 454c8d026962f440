// Random and damaged system data must never make the readers step outside
// the bytes they were given; run under AddressSanitizer to see that they
// do not.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/failure.h"
#include "fakes/source_data.h"
#include "sources/network_activity.h"
#include "sources/performance_data.h"

namespace ostrel {
namespace {

// A value that is likely to matter when it lands on a length or an offset.
std::uint32_t Interesting(std::mt19937& rng, std::size_t size) {
    const auto s = static_cast<std::uint32_t>(size);
    const std::uint32_t r = rng();
    const std::uint32_t picks[] = {0,     1,           2,           3,           4,           6,
                                   238,   24,          40,          64,          s,           s - 1,
                                   s + 1, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFFEu, r};
    return picks[rng() % std::size(picks)];
}

// A fresh vector holds exactly its bytes, so a read past the end is caught.
std::vector<std::uint8_t> Noise(std::mt19937& rng, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(rng()); });
    return bytes;
}

// Parses a fresh copy: a vector cut shorter keeps its capacity.
void Parse(const std::vector<std::uint8_t>& bytes, std::int32_t processors) {
    const std::vector<std::uint8_t> block(bytes);
    ProcessorReading reading;
    try {
        ReadProcessorData(block, FindProcessorObject(block), processors, reading);
        ASSERT_EQ(reading.seen.size(), static_cast<std::size_t>(processors));
    } catch (const Failure&) {
    }
}

TEST(SourcesFuzz, PerformanceDataReaderSurvivesRandomAndDamagedBlocks) {
    std::mt19937 rng(20061205);
    const std::vector<std::uint8_t> seeds[] = {fake::ProcessorBlock({1, 2}).bytes,
                                               fake::ProcessorBlock({5, 6, 7, 8}, {}, 13).bytes};
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint8_t> bytes = Noise(rng, rng() % 700);
        if (bytes.size() >= 8 && i % 2 == 0) {
            std::copy_n(seeds[0].begin(), 8, bytes.begin());  // "PERF"
        }
        Parse(bytes, 2);
    }
    for (int i = 0; i < 20000; ++i) {
        std::vector<std::uint8_t> bytes = seeds[i % 2];
        for (int d = 1 + static_cast<int>(rng() % 4); d > 0; --d) {
            const std::uint32_t value = Interesting(rng, bytes.size());
            const auto kind = rng() % 4;
            if (kind == 0) {
                fake::Poke32(bytes, rng() % (bytes.size() / 4) * 4, value);
            } else if (kind == 1) {
                fake::Poke16(bytes, rng() % (bytes.size() / 2) * 2, value & 0xFFFF);
            } else if (kind == 2) {
                bytes[rng() % bytes.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
            } else {
                bytes.resize(8 + rng() % bytes.size());
            }
        }
        Parse(bytes, 1 + static_cast<std::int32_t>(rng() % 4));
    }
}

TEST(SourcesFuzz, InterfaceTableReaderSurvivesAnySizeAndCount) {
    std::mt19937 rng(860);
    for (int i = 0; i < 5000; ++i) {
        const std::size_t size = rng() % 4000;
        std::vector<std::uint8_t> table = Noise(rng, size);
        if (size >= 4 && i % 2 == 0) {
            fake::Poke32(table, 0, Interesting(rng, size / 860));
        }
        std::int32_t received = 0, sent = 0;
        try {
            SumInterfaceCounters(table.data(), size, received, sent);
        } catch (const Failure&) {
        }
    }
}

}  // namespace
}  // namespace ostrel

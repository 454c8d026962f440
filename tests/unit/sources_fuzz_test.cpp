// Random and damaged system data must never make the readers step outside
// the bytes they were given; run under AddressSanitizer to see that they
// do not.

#include <gtest/gtest.h>

#include <random>

#include "common/failure.h"
#include "fakes/source_data.h"
#include "sources/ip_helper.h"
#include "sources/perf_data.h"

namespace ostrel {
namespace {

// A value that is likely to matter when it lands on a length or an offset.
std::uint32_t Interesting(std::mt19937& rng, std::size_t size) {
    const std::uint32_t picks[] = {0,
                                   1,
                                   2,
                                   3,
                                   4,
                                   6,
                                   238,
                                   24,
                                   40,
                                   64,
                                   static_cast<std::uint32_t>(size),
                                   static_cast<std::uint32_t>(size - 1),
                                   static_cast<std::uint32_t>(size + 1),
                                   0x7FFFFFFFu,
                                   0x80000000u,
                                   0xFFFFFFFFu,
                                   0xFFFFFFFEu,
                                   static_cast<std::uint32_t>(rng())};
    return picks[rng() % std::size(picks)];
}

// Parses an exact-size heap copy, so that any read past the end is caught.
void Parse(const std::vector<std::uint8_t>& bytes, std::int32_t processors) {
    const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    const std::span<const std::uint8_t> block(copy.get(), bytes.size());
    ProcessorReading reading;
    try {
        ReadProcessorData(block, FindProcessorObject(block), processors, reading);
        ASSERT_EQ(reading.seen.size(), static_cast<std::size_t>(processors));
    } catch (const Failure&) {
    }
}

TEST(SourcesFuzz, PerformanceDataReaderSurvivesRandomAndDamagedBlocks) {
    std::mt19937 rng(20061205);
    const std::vector<std::vector<std::uint8_t>> seeds = {
        fake::ProcessorBlock({1, 2}).bytes,
        fake::ProcessorBlock({5, 6, 7, 8}, {}, 13).bytes,
    };
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint8_t> bytes(rng() % 700);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(rng());
        }
        if (bytes.size() >= 8 && i % 2 == 0) {
            std::copy(seeds[0].begin(), seeds[0].begin() + 8, bytes.begin());  // "PERF"
        }
        Parse(bytes, 2);
    }
    for (int i = 0; i < 20000; ++i) {
        std::vector<std::uint8_t> bytes = seeds[i % 2];
        const int damages = 1 + static_cast<int>(rng() % 4);
        for (int d = 0; d < damages; ++d) {
            switch (rng() % 4) {
                case 0:
                    fake::Poke32(bytes, (rng() % (bytes.size() / 4)) * 4,
                                 Interesting(rng, bytes.size()));
                    break;
                case 1:
                    bytes[rng() % bytes.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
                    break;
                case 2:
                    fake::Poke16(bytes, (rng() % (bytes.size() / 2)) * 2,
                                 static_cast<std::uint16_t>(Interesting(rng, bytes.size())));
                    break;
                default:
                    bytes.resize(8 + rng() % bytes.size());
                    break;
            }
        }
        Parse(bytes, 1 + static_cast<std::int32_t>(rng() % 4));
    }
}

TEST(SourcesFuzz, InterfaceTableReaderSurvivesAnySizeAndCount) {
    std::mt19937 rng(860);
    for (int i = 0; i < 5000; ++i) {
        const std::size_t size = rng() % 4000;
        const auto table = std::make_unique<std::uint8_t[]>(size);
        for (std::size_t b = 0; b < size; ++b) {
            table[b] = static_cast<std::uint8_t>(rng());
        }
        if (size >= 4 && i % 2 == 0) {
            const std::uint32_t count = Interesting(rng, size / 860);
            for (int b = 0; b < 4; ++b) {
                table[b] = static_cast<std::uint8_t>(count >> (8 * b));
            }
        }
        std::int32_t received = 0;
        std::int32_t sent = 0;
        try {
            SumInterfaceCounters(table.get(), size, received, sent);
        } catch (const Failure&) {
        }
    }
}

}  // namespace
}  // namespace ostrel

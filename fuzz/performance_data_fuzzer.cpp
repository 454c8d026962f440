// The performance data block comes from the system: any bytes must give a
// whole reading or a clean failure, and no byte outside the block may be
// read. The last input byte chooses the number of processors (1..64); the
// bytes before it are the block.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/failure.h"
#include "platform/sysinfo.h"
#include "windows/portable/performance_data.h"
#include "property.h"

namespace ostrel {
namespace {

constexpr std::int32_t kMostProcessors = 64;

struct Outcome {
    bool read = false;
    std::int32_t failure = 0;
    platform::ProcessorTimes times;
};

Outcome Read(const std::vector<std::uint8_t>& block, std::int32_t processors) {
    Outcome outcome;
    try {
        ReadProcessorTimesFromBlock(std::span<const std::uint8_t>(block), processors,
                                    outcome.times);
        outcome.read = true;
    } catch (const Failure& failure) {
        outcome.failure = failure.number;
    }
    return outcome;
}

bool IsKnownFailure(std::int32_t number) {
    return number == ObjectError(platform::kErrNoProcessorObject) ||
           number == ObjectError(platform::kErrNoProcessorTimeCounter) ||
           number == ObjectError(platform::kErrUnreadableProcessorData) || number == kErrSubscript;
}

void CheckReading(const platform::ProcessorTimes& times, std::int32_t processors) {
    PROPERTY(times.idle.size() == static_cast<std::size_t>(processors));
    PROPERTY(times.seen.size() == static_cast<std::size_t>(processors));
    for (std::size_t i = 0; i < times.seen.size(); ++i) {
        PROPERTY(times.seen[i] == 0 || times.seen[i] == 1);
        PROPERTY(times.seen[i] == 1 || times.idle[i] == 0);
    }
    // The block's time is a calendar time to the millisecond, after 1601.
    PROPERTY(times.time >= 0);
    PROPERTY(times.time % 10000 == 0);
}

bool SameReading(const platform::ProcessorTimes& a, const platform::ProcessorTimes& b) {
    return a.idle == b.idle && a.seen == b.seen && a.time == b.time;
}

}  // namespace
}  // namespace ostrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ostrel;
    if (size == 0) {
        return 0;
    }
    const std::int32_t processors = 1 + data[size - 1] % kMostProcessors;
    // A buffer of exactly the block's size, so that the address sanitizer
    // catches a read of even one byte past it.
    const std::vector<std::uint8_t> block(data, data + size - 1);

    const Outcome outcome = Read(block, processors);
    if (outcome.read) {
        CheckReading(outcome.times, processors);
    } else {
        PROPERTY(IsKnownFailure(outcome.failure));
    }

    // Bytes after the block cannot change the reading. Only a block that
    // was unreadable may read differently once it is longer.
    std::vector<std::uint8_t> longer = block;
    longer.resize(block.size() + 256, 0xA5);
    const Outcome extended = Read(longer, processors);
    if (outcome.failure != ObjectError(platform::kErrUnreadableProcessorData)) {
        PROPERTY(extended.read == outcome.read);
        PROPERTY(extended.failure == outcome.failure);
        PROPERTY(!outcome.read || SameReading(extended.times, outcome.times));
    }

    // With more processors the same block reads the same: the processors it
    // names keep their times and the new ones are not seen. Only a processor
    // number that was out of range may now be read.
    if (processors < kMostProcessors && outcome.failure != kErrSubscript) {
        const Outcome more = Read(block, kMostProcessors);
        PROPERTY(more.read == outcome.read);
        PROPERTY(more.failure == outcome.failure);
        if (outcome.read) {
            CheckReading(more.times, kMostProcessors);
            PROPERTY(more.times.time == outcome.times.time);
            for (std::size_t i = 0; i < static_cast<std::size_t>(kMostProcessors); ++i) {
                const bool old = i < static_cast<std::size_t>(processors);
                PROPERTY(more.times.seen[i] == (old ? outcome.times.seen[i] : 0));
                PROPERTY(more.times.idle[i] == (old ? outcome.times.idle[i] : 0));
            }
        }
    }
    return 0;
}

#pragma once
// CpuLoadSampler measures how busy each processor is from the system's
// performance data, keeping the counters of the last two collections.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sysinfo.h"

namespace ostrel {

// Codes of the sampler's own failures, added to the object-error base: the
// processor figures cannot be had at all, and a processor number out of range.
inline constexpr std::int32_t kErrNoProcessorFigures = 8001;
inline constexpr std::int32_t kErrProcessorOutOfRange = 8003;

class CpuLoadSampler {
  public:
    // Raises kErrNoProcessorFigures when the processor figures cannot be had at all.
    explicit CpuLoadSampler(platform::SystemInfo& system);

    // The percentages of all processors ("07% 42%"), or "CPU query failed".
    std::string UsageText();

    // Takes one sample of every processor. Raises what the platform's
    // reading raises: the figures unreadable or missing, or the subscript
    // failure for a processor number beyond the count.
    void Collect();

    // The number of processors, fixed at the first call.
    std::int32_t ProcessorCount();

    // The busy percentage of processor `processorNumber` (counted from 1) between
    // the last two collections; not clamped, so it can fall below 0 when the
    // idle counter ran ahead of the time stamps. Raises kErrProcessorOutOfRange for an index
    // outside 1..ProcessorCount().
    std::int32_t UsagePercent(std::int32_t processorNumber);

    std::int32_t KnownProcessorCount() const { return processorCount_; }

  private:
    platform::SystemInfo* system_;  // never null
    std::int32_t processorCount_ = -1;
    std::vector<std::int64_t> currentIdle_;
    std::vector<std::int64_t> previousIdle_;
    // Collections in a row, up to 2, that sampled each processor: a figure
    // needs two of them.
    std::vector<std::uint8_t> samplesInARow_;
    std::int64_t sampleTime_ = 0;
    std::int64_t previousSampleTime_ = 0;
    platform::ProcessorTimes reading_;
    // Collections still to skip after data without processor figures.
    std::int32_t collectionsToSkip_ = 0;
};

}  // namespace ostrel

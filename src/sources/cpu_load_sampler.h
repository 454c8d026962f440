#pragma once
// CpuLoadSampler measures how busy each processor is from the system's
// performance data, keeping the counters of the last two collections.

#include <cstdint>
#include <string>
#include <vector>

#include "sources/performance_data.h"

namespace ostrel {

class CpuLoadSampler {
  public:
    // Raises error 8001 when the platform's version cannot be read.
    CpuLoadSampler();

    // The percentages of all processors ("07% 42%"), or "CPU query failed".
    std::string UsageText();

    // Takes one sample of every processor. Raises 8004, 8005 or 8006 (see
    // performance_data.h), or the subscript failure for a processor number the
    // system did not report.
    void Collect();

    // The number of processors, fixed at the first call.
    std::int32_t ProcessorCount();

    // The busy percentage of processor `processorNumber` (counted from 1) between
    // the last two collections; not clamped, so it can fall below 0 when the
    // idle counter ran ahead of the time stamps. Raises 8003 for an index
    // outside 1..ProcessorCount().
    std::int32_t UsagePercent(std::int32_t processorNumber);

    std::int32_t KnownProcessorCount() const { return processorCount_; }
    std::int32_t BufferBytes() const { return bufferBytes_; }

  private:
    std::int32_t processorCount_ = -1;
    std::int32_t bufferBytes_ = 4096;
    std::vector<std::int64_t> currentIdle_;
    std::vector<std::int64_t> previousIdle_;
    // Collections in a row, up to 2, that sampled each processor: a figure
    // needs two of them.
    std::vector<std::uint8_t> samplesInARow_;
    std::int64_t sampleTime_ = 0;
    std::int64_t previousSampleTime_ = 0;
    std::vector<std::uint8_t> buffer_;
    ProcessorReading reading_;
    // Collections still to skip after data without a processor object.
    std::int32_t collectionsToSkip_ = 0;
};

}  // namespace ostrel

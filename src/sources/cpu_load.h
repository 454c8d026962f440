#pragma once
// CPULoad measures how busy each processor is from the system's performance
// data, keeping the counters of the last two collections.

#include <cstdint>
#include <string>
#include <vector>

#include "sources/perf_data.h"

namespace ostrel {

class CPULoad {
  public:
    // Raises error 8001 when the platform's version cannot be read.
    CPULoad();

    // The percentages of all processors ("07% 42%"), or "CPU query failed".
    std::string CPUString();

    // Takes one sample of every processor. Raises 8004, 8005 or 8006 (see
    // perf_data.h), or the subscript failure for a processor number the
    // system did not report.
    void CollectCPUData();

    // The number of processors, fixed at the first call.
    std::int32_t GetCPUCount();

    // The busy percentage of processor `CPU_Index` (counted from 1) between
    // the last two collections; not clamped, so it can fall below 0 when the
    // idle counter ran ahead of the time stamps. Raises 8003 for an index
    // outside 1..GetCPUCount().
    std::int32_t GetCPUUsage(std::int32_t CPU_Index);

    std::int32_t CPUCount() const { return CPUCount_; }
    std::int32_t BufferSize() const { return BufferSize_; }

  private:
    std::int32_t CPUCount_ = -1;
    std::int32_t BufferSize_ = 4096;
    std::vector<std::int64_t> CurrentSample_;
    std::vector<std::int64_t> PreviousSample_;
    // Collections in a row, up to 2, that sampled each processor: a figure
    // needs two of them.
    std::vector<std::uint8_t> SamplesInARow_;
    std::int64_t SampleTime_ = 0;
    std::int64_t PreviousSampleTime_ = 0;
    std::vector<std::uint8_t> Buffer_;
    ProcessorReading Reading_;
    // Collections still to skip after data without a processor object.
    std::int32_t SkippedCollections_ = 0;
};

}  // namespace ostrel

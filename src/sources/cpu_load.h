#pragma once
// CPULoad measures how busy each processor is from the system's performance
// data, keeping the counters of the last two collections.

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel {

class CPULoad {
  public:
    // Raises error 8001 when the platform's version cannot be read.
    CPULoad();

    // The percentages of all processors ("07% 42%"), or "CPU query failed".
    std::string CPUString();

    std::int32_t CPUCount() const { return CPUCount_; }
    std::int32_t BufferSize() const { return BufferSize_; }

  private:
    std::int32_t CPUCount_ = -1;
    std::int32_t BufferSize_ = 4096;
    std::vector<std::int64_t> CurrentSample_;
    std::vector<std::int64_t> PreviousSample_;
    std::int64_t SampleTime_ = 0;
    std::int64_t PreviousSampleTime_ = 0;
};

}  // namespace ostrel

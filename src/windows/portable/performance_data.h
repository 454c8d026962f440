#pragma once
// Reading Windows' performance data block: the processor object, its
// processor-time counter and the idle time of every processor, with the
// block's time stamp. The block comes from outside the program, so every
// offset and length in it is checked against the bytes actually returned; a
// block that does not hold together is a failure, never a read outside it.
// Portable, so that it is tested and fuzzed natively; the Windows platform
// layer uses it to answer the processor-times query of the seam.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/sysinfo.h"

namespace ostrel {

// Title indexes: the processor object and its processor-time counter, whose
// raw value is the processor's idle time in 100-nanosecond units.
inline constexpr std::uint32_t kProcessorObjectIndex = 238;
inline constexpr std::uint32_t kProcessorTimeCounterIndex = 6;

// Sizes of the published records, the least each may take in a block.
inline constexpr std::uint32_t kPerfDataBlockBytes = 88;
inline constexpr std::uint32_t kPerfObjectTypeBytes = 64;
inline constexpr std::uint32_t kPerfCounterDefinitionBytes = 40;
inline constexpr std::uint32_t kPerfInstanceDefinitionBytes = 24;
inline constexpr std::uint32_t kPerfCounterBlockBytes = 4;

// The failure of a block that is not performance data or does not hold
// together (error 8006).
[[noreturn]] void ThrowUnreadablePerformanceData();

// Where the processor object starts. Raises error 8006 when the block is not
// performance data or does not hold together, 8004 when it has no processor
// object.
std::size_t FindProcessorObject(std::span<const std::uint8_t> block);

// Reads the idle time of every processor instance (instances named by a
// number; "_Total" and other names are passed over) and the block's time.
// Raises 8005 when the object has no processor-time counter, 8006 when the
// object does not hold together or names one processor twice, and the
// subscript failure for a processor number outside 0..processorCount-1.
void ReadProcessorData(std::span<const std::uint8_t> block, std::size_t objectAt,
                       std::int32_t processorCount, platform::ProcessorTimes& reading);

// The answers of the system's query for the block.
inline constexpr long kPerfDataSuccess = 0;
inline constexpr long kPerfDataMoreData = 234;

// The system cannot say how large the block will be, so the buffer grows by
// pages until it fits and keeps that size for the queries after; past 1 MiB
// the data counts as unreadable (8006), as does any other failed answer.
class PerformanceDataBuffer {
  public:
    // Fills `buffer`, which holds `size` bytes; on success `size` becomes the
    // number of bytes written.
    using Query = std::function<long(std::uint8_t* buffer, std::uint32_t& size)>;

    // The bytes of one block: only those the system says it wrote.
    std::span<const std::uint8_t> Fetch(const Query& query);

    std::int32_t SizeBytes() const { return sizeBytes_; }

  private:
    std::int32_t sizeBytes_ = 4096;
    std::vector<std::uint8_t> bytes_;
};

// One block read whole: the processor object's idle times and the time.
void ReadProcessorTimesFromBlock(std::span<const std::uint8_t> block, std::int32_t processorCount,
                                 platform::ProcessorTimes& times);

// 100-nanosecond units since 1 January 1601 of a calendar time; false for a
// time that is not a real one or lies outside 1601..30827.
bool FileTimeFromSystemTime(int year, int month, int day, int hour, int minute, int second,
                            int milliseconds, std::int64_t& fileTime);

}  // namespace ostrel

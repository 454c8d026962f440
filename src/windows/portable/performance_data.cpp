#include "windows/portable/performance_data.h"

#include <algorithm>

#include "common/calendar.h"
#include "common/failure.h"
#include "common/little_endian.h"

namespace ostrel {

namespace {

// Little-endian reads that fail, rather than step outside, when the bytes
// are not all there. Offsets are 64-bit so that adding two 32-bit lengths
// cannot wrap.
class Bytes {
  public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void Require(std::uint64_t at, std::uint64_t length) const {
        if (at > bytes_.size() || length > bytes_.size() - at) {
            ThrowUnreadablePerformanceData();
        }
    }
    std::uint16_t U16(std::uint64_t at) const {
        Require(at, 2);
        return static_cast<std::uint16_t>(ReadLittleEndian(&bytes_[at], 2));
    }
    std::uint32_t U32(std::uint64_t at) const {
        Require(at, 4);
        return static_cast<std::uint32_t>(ReadLittleEndian(&bytes_[at], 4));
    }
    std::int64_t I64(std::uint64_t at) const {
        Require(at, 8);
        return static_cast<std::int64_t>(ReadLittleEndian(&bytes_[at], 8));
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

// PERF_DATA_BLOCK
constexpr std::uint64_t kBlockHeaderLength = 24;
constexpr std::uint64_t kBlockNumObjectTypes = 28;
constexpr std::uint64_t kBlockSystemTime = 36;
// PERF_OBJECT_TYPE
constexpr std::uint64_t kObjectTotalByteLength = 0;
constexpr std::uint64_t kObjectDefinitionLength = 4;
constexpr std::uint64_t kObjectHeaderLength = 8;
constexpr std::uint64_t kObjectNameTitleIndex = 12;
constexpr std::uint64_t kObjectNumCounters = 32;
constexpr std::uint64_t kObjectNumInstances = 40;
// PERF_COUNTER_DEFINITION
constexpr std::uint64_t kCounterByteLength = 0;
constexpr std::uint64_t kCounterNameTitleIndex = 4;
constexpr std::uint64_t kCounterOffset = 36;
// PERF_INSTANCE_DEFINITION
constexpr std::uint64_t kInstanceByteLength = 0;
constexpr std::uint64_t kInstanceNameOffset = 16;
constexpr std::uint64_t kInstanceNameLength = 20;

// The counter value is a 64-bit number.
constexpr std::uint64_t kCounterValueBytes = 8;

// The processor number an instance name stands for, or -1 for a name that is
// not a number. A number past the processors answers `limit`.
std::int64_t InstanceNumber(const Bytes& bytes, std::uint64_t nameAt, std::uint64_t characters,
                            std::int64_t limit) {
    if (characters == 0) {
        return -1;
    }
    std::int64_t value = 0;
    for (std::uint64_t i = 0; i < characters; ++i) {
        const std::uint16_t c = bytes.U16(nameAt + 2 * i);
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value < limit ? value * 10 + (c - u'0') : limit;
    }
    return value < limit ? value : limit;
}

std::uint32_t CounterOffsetOfProcessorTime(const Bytes& bytes, std::uint64_t objectAt) {
    const std::uint32_t count = bytes.U32(objectAt + kObjectNumCounters);
    std::uint64_t at = objectAt + bytes.U32(objectAt + kObjectHeaderLength);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (bytes.U32(at + kCounterNameTitleIndex) == kProcessorTimeCounterIndex) {
            return bytes.U32(at + kCounterOffset);
        }
        const std::uint32_t length = bytes.U32(at + kCounterByteLength);
        if (length < kPerfCounterDefinitionBytes) {
            ThrowUnreadablePerformanceData();
        }
        at += length;
    }
    throw Failure{ObjectError(platform::kErrNoProcessorTimeCounter),
                  "Unable to locate the '% of CPU usage' performance counter",
                  "CpuLoadSampler.CollectData"};
}

}  // namespace

void ThrowUnreadablePerformanceData() {
    throw Failure{ObjectError(platform::kErrUnreadableProcessorData),
                  "Unable to read performance data", "CpuLoadSampler.Collect()"};
}

std::size_t FindProcessorObject(std::span<const std::uint8_t> block) {
    const Bytes bytes(block);
    static constexpr char16_t kSignature[4] = {u'P', u'E', u'R', u'F'};
    for (std::uint64_t i = 0; i < 4; ++i) {
        if (bytes.U16(2 * i) != kSignature[i]) {
            ThrowUnreadablePerformanceData();
        }
    }
    const std::uint32_t count = bytes.U32(kBlockNumObjectTypes);
    std::uint64_t at = bytes.U32(kBlockHeaderLength);
    for (std::uint32_t i = 0; i < count; ++i) {
        bytes.Require(at, kPerfObjectTypeBytes);
        if (bytes.U32(at + kObjectNameTitleIndex) == kProcessorObjectIndex) {
            return static_cast<std::size_t>(at);
        }
        // Every object takes at least its own header, so the walk always
        // moves on and ends within the block.
        const std::uint32_t length = bytes.U32(at + kObjectTotalByteLength);
        if (length < kPerfObjectTypeBytes) {
            ThrowUnreadablePerformanceData();
        }
        at += length;
    }
    throw Failure{ObjectError(platform::kErrNoProcessorObject),
                  "Unable to locate the 'Processor' performance object",
                  "CpuLoadSampler.CollectData"};
}

void ReadProcessorData(std::span<const std::uint8_t> block, std::size_t objectAt,
                       std::int32_t processorCount, platform::ProcessorTimes& reading) {
    const Bytes bytes(block);
    bytes.Require(objectAt, kPerfObjectTypeBytes);
    const std::uint64_t counterOffset = CounterOffsetOfProcessorTime(bytes, objectAt);

    const std::size_t processors =
        processorCount > 0 ? static_cast<std::size_t>(processorCount) : 0;
    reading.idle.assign(processors, 0);
    reading.seen.assign(processors, 0);

    const auto instances = static_cast<std::int32_t>(bytes.U32(objectAt + kObjectNumInstances));
    std::uint64_t at = objectAt + bytes.U32(objectAt + kObjectDefinitionLength);
    // A negative count means an object without instances.
    for (std::int32_t i = 0; i < instances; ++i) {
        const std::uint32_t length = bytes.U32(at + kInstanceByteLength);
        const std::uint32_t nameOffset = bytes.U32(at + kInstanceNameOffset);
        const std::uint32_t nameLength = bytes.U32(at + kInstanceNameLength);
        // The name, with its terminating zero character, lies inside the
        // instance's own record.
        if (length < kPerfInstanceDefinitionBytes || nameLength == 0 || nameLength % 2 != 0 ||
            nameOffset > length || nameLength > length - nameOffset) {
            ThrowUnreadablePerformanceData();
        }
        bytes.Require(at, length);
        const std::uint64_t counterBlock = at + length;
        const std::uint32_t blockLength = bytes.U32(counterBlock);
        if (blockLength < kPerfCounterBlockBytes || counterOffset > blockLength ||
            kCounterValueBytes > blockLength - counterOffset) {
            ThrowUnreadablePerformanceData();
        }
        bytes.Require(counterBlock, blockLength);

        const std::int64_t k =
            InstanceNumber(bytes, at + nameOffset, nameLength / 2 - 1, processorCount);
        if (k >= 0) {
            if (k >= processorCount) {
                ThrowSubscriptOutOfRange();
            }
            if (reading.seen[k] != 0) {
                ThrowUnreadablePerformanceData();  // one processor named twice
            }
            reading.seen[k] = 1;
            reading.idle[k] = bytes.I64(counterBlock + counterOffset);
        }
        at = counterBlock + blockLength;
    }

    const std::uint64_t t = kBlockSystemTime;  // SYSTEMTIME: eight 16-bit fields
    if (!FileTimeFromSystemTime(bytes.U16(t), bytes.U16(t + 2), bytes.U16(t + 6), bytes.U16(t + 8),
                                bytes.U16(t + 10), bytes.U16(t + 12), bytes.U16(t + 14),
                                reading.time)) {
        ThrowUnreadablePerformanceData();
    }
}

bool FileTimeFromSystemTime(int year, int month, int day, int hour, int minute, int second,
                            int milliseconds, std::int64_t& fileTime) {
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59 || milliseconds < 0 || milliseconds > 999) {
        return false;
    }
    const std::int64_t days = DaysFromCivil(year, month, day) - DaysFromCivil(1601, 1, 1);
    const std::int64_t seconds =
        days * kSecondsPerDay + hour * kSecondsPerHour + minute * kSecondsPerMinute + second;
    fileTime = seconds * 10000000 + static_cast<std::int64_t>(milliseconds) * 10000;
    return true;
}

namespace {
constexpr std::int32_t kBufferStep = 4096;
// The processor object of even a few thousand processors fits well inside
// this; a system that keeps asking for more is not giving usable data, and
// growing without end would stall the saver.
constexpr std::int32_t kLargestBuffer = 1 << 20;
}  // namespace

std::span<const std::uint8_t> PerformanceDataBuffer::Fetch(const Query& query) {
    bytes_.assign(static_cast<std::size_t>(sizeBytes_), 0);
    std::uint32_t size = static_cast<std::uint32_t>(sizeBytes_);
    long answer = query(bytes_.data(), size);
    while (answer == kPerfDataMoreData) {
        if (sizeBytes_ > kLargestBuffer - kBufferStep) {
            ThrowUnreadablePerformanceData();
        }
        sizeBytes_ += kBufferStep;
        bytes_.assign(static_cast<std::size_t>(sizeBytes_), 0);
        size = static_cast<std::uint32_t>(sizeBytes_);
        answer = query(bytes_.data(), size);
    }
    if (answer != kPerfDataSuccess) {
        ThrowUnreadablePerformanceData();
    }
    return {bytes_.data(), std::min<std::size_t>(size, bytes_.size())};
}

void ReadProcessorTimesFromBlock(std::span<const std::uint8_t> block, std::int32_t processorCount,
                                 platform::ProcessorTimes& times) {
    const std::size_t object = FindProcessorObject(block);
    ReadProcessorData(block, object, processorCount, times);
}

}  // namespace ostrel

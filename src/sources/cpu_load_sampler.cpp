#include "sources/cpu_load_sampler.h"

#include <algorithm>
#include <new>
#include <span>

#include "common/failure.h"
#include "common/number_patterns.h"
#include "common/numeric.h"
#include "platform/sysinfo.h"

namespace ostrel {

namespace {

constexpr std::int32_t kCollectionsSkippedWithoutProcessors = 59;
constexpr std::int32_t kBufferStep = 4096;
// The processor object of even a few thousand processors fits well inside
// this; a system that keeps asking for more is not giving usable data, and
// growing without end would stall the saver.
constexpr std::int32_t kLargestBuffer = 1 << 20;

std::int64_t CheckedDifference(std::int64_t a, std::int64_t b) {
    std::int64_t d = 0;
    if (__builtin_sub_overflow(a, b, &d)) {
        ThrowOverflow();
    }
    return d;
}

}  // namespace

CpuLoadSampler::CpuLoadSampler() {
    if (!platform::QueryPlatformVersion()) {
        throw Failure{ObjectError(8001), "Can't get the Windows version",
                      "CpuLoadSampler.Initialize"};
    }
    processorCount_ = -1;
    bufferBytes_ = kBufferStep;
}

std::string CpuLoadSampler::UsageText() {
    // Where the system publishes no processor figures at all (Wine is one),
    // every query would fail the same way and each one is costly; after such
    // an answer the query is asked again only once a minute of calls.
    if (collectionsToSkip_ > 0) {
        --collectionsToSkip_;
        return "CPU query failed";
    }
    try {
        Collect();
        const std::int32_t n = ProcessorCount();
        std::string s;
        for (std::int32_t i = 1; i <= n; ++i) {
            if (!s.empty()) {
                s += ' ';
            }
            s += FormatTwoDigits(UsagePercent(i));
            if (n == 1) {
                s += ' ';
            }
            s += '%';
        }
        return s;
    } catch (const Failure& f) {
        if (f.number == ObjectError(8004) || f.number == ObjectError(8005)) {
            collectionsToSkip_ = kCollectionsSkippedWithoutProcessors;
        }
        return "CPU query failed";
    } catch (const std::bad_alloc&) {
        return "CPU query failed";
    }
}

void CpuLoadSampler::Collect() {
    // The system cannot say how large the data will be, so the buffer grows
    // until it fits and keeps that size for the collections after.
    buffer_.assign(static_cast<std::size_t>(bufferBytes_), 0);
    std::uint32_t size = static_cast<std::uint32_t>(bufferBytes_);
    long answer = platform::QueryPerformanceData("238", buffer_.data(), size);
    while (answer == platform::kPerfDataMoreData) {
        if (bufferBytes_ > kLargestBuffer - kBufferStep) {
            ThrowUnreadablePerformanceData();
        }
        bufferBytes_ += kBufferStep;
        buffer_.assign(static_cast<std::size_t>(bufferBytes_), 0);
        size = static_cast<std::uint32_t>(bufferBytes_);
        answer = platform::QueryPerformanceData("238", buffer_.data(), size);
    }
    if (answer != platform::kPerfDataSuccess) {
        ThrowUnreadablePerformanceData();
    }
    // Only the bytes the system says it wrote are data.
    const std::span<const std::uint8_t> block(buffer_.data(),
                                              std::min<std::size_t>(size, buffer_.size()));

    const std::size_t object = FindProcessorObject(block);
    if (processorCount_ < 1) {
        ProcessorCount();
    }
    // The whole block is read before any sample changes, so a block that
    // fails half-way leaves the samples of the last good collection.
    ReadProcessorData(block, object, processorCount_, reading_);
    for (std::size_t k = 0; k < currentIdle_.size(); ++k) {
        if (reading_.seen[k] != 0) {
            previousIdle_[k] = currentIdle_[k];
            currentIdle_[k] = reading_.idle[k];
            samplesInARow_[k] = static_cast<std::uint8_t>(std::min(samplesInARow_[k] + 1, 2));
        } else {
            samplesInARow_[k] = 0;
        }
    }
    previousSampleTime_ = sampleTime_;
    sampleTime_ = reading_.time;
}

std::int32_t CpuLoadSampler::ProcessorCount() {
    if (processorCount_ < 1) {
        const std::int32_t n = platform::ProcessorCount();
        if (n < 1) {
            ThrowSubscriptOutOfRange();
        }
        processorCount_ = n;
        currentIdle_.assign(static_cast<std::size_t>(n), 0);
        previousIdle_.assign(static_cast<std::size_t>(n), 0);
        samplesInARow_.assign(static_cast<std::size_t>(n), 0);
    }
    return processorCount_;
}

std::int32_t CpuLoadSampler::UsagePercent(std::int32_t processorNumber) {
    if (processorCount_ < 0) {
        Collect();
    }
    if (processorNumber < 1 || processorNumber > processorCount_) {
        throw Failure{ObjectError(8003), "CPU index out of bounds",
                      "CpuLoadSampler.UsagePercent()"};
    }
    if (sampleTime_ == previousSampleTime_) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(processorNumber - 1);
    // Without an earlier sample there is nothing to compare with: against
    // the empty start the figure would cover all the time since 1601.
    if (samplesInARow_[i] < 2) {
        return 0;
    }
    const double idle = static_cast<double>(CheckedDifference(currentIdle_[i], previousIdle_[i]));
    const double span = static_cast<double>(CheckedDifference(sampleTime_, previousSampleTime_));
    return RoundToInt32((1.0 - idle / span) * 100.0);
}

}  // namespace ostrel

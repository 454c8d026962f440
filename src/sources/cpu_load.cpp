#include "sources/cpu_load.h"

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

[[noreturn]] void Unreadable() {
    throw Failure{ObjectError(8006), "Unable to read performance data", "CPULoad.CollectCPUData()"};
}

std::int64_t CheckedDifference(std::int64_t a, std::int64_t b) {
    std::int64_t d = 0;
    if (__builtin_sub_overflow(a, b, &d)) {
        ThrowOverflow();
    }
    return d;
}

}  // namespace

CPULoad::CPULoad() {
    if (!platform::QueryPlatformVersion()) {
        throw Failure{ObjectError(8001), "Can't get the Windows version", "CPULoad.Initialize"};
    }
    CPUCount_ = -1;
    BufferSize_ = kBufferStep;
}

std::string CPULoad::CPUString() {
    // Where the system publishes no processor figures at all (Wine is one),
    // every query would fail the same way and each one is costly; after such
    // an answer the query is asked again only once a minute of calls.
    if (SkippedCollections_ > 0) {
        --SkippedCollections_;
        return "CPU query failed";
    }
    try {
        CollectCPUData();
        const std::int32_t n = GetCPUCount();
        std::string s;
        for (std::int32_t i = 1; i <= n; ++i) {
            if (!s.empty()) {
                s += ' ';
            }
            s += FormatTwoDigits(GetCPUUsage(i));
            if (n == 1) {
                s += ' ';
            }
            s += '%';
        }
        return s;
    } catch (const Failure& f) {
        if (f.number == ObjectError(8004) || f.number == ObjectError(8005)) {
            SkippedCollections_ = kCollectionsSkippedWithoutProcessors;
        }
        return "CPU query failed";
    } catch (const std::bad_alloc&) {
        return "CPU query failed";
    }
}

void CPULoad::CollectCPUData() {
    // The system cannot say how large the data will be, so the buffer grows
    // until it fits and keeps that size for the collections after.
    Buffer_.assign(static_cast<std::size_t>(BufferSize_), 0);
    std::uint32_t size = static_cast<std::uint32_t>(BufferSize_);
    long answer = platform::QueryPerformanceData("238", Buffer_.data(), size);
    while (answer == platform::kPerfDataMoreData) {
        if (BufferSize_ > kLargestBuffer - kBufferStep) {
            Unreadable();
        }
        BufferSize_ += kBufferStep;
        Buffer_.assign(static_cast<std::size_t>(BufferSize_), 0);
        size = static_cast<std::uint32_t>(BufferSize_);
        answer = platform::QueryPerformanceData("238", Buffer_.data(), size);
    }
    if (answer != platform::kPerfDataSuccess) {
        Unreadable();
    }
    // Only the bytes the system says it wrote are data.
    const std::span<const std::uint8_t> block(Buffer_.data(),
                                              std::min<std::size_t>(size, Buffer_.size()));

    const std::size_t object = FindProcessorObject(block);
    if (CPUCount_ < 1) {
        GetCPUCount();
    }
    // The whole block is read before any sample changes, so a block that
    // fails half-way leaves the samples of the last good collection.
    ReadProcessorData(block, object, CPUCount_, Reading_);
    for (std::size_t k = 0; k < CurrentSample_.size(); ++k) {
        if (Reading_.seen[k] != 0) {
            PreviousSample_[k] = CurrentSample_[k];
            CurrentSample_[k] = Reading_.idle[k];
            SamplesInARow_[k] = static_cast<std::uint8_t>(std::min(SamplesInARow_[k] + 1, 2));
        } else {
            SamplesInARow_[k] = 0;
        }
    }
    PreviousSampleTime_ = SampleTime_;
    SampleTime_ = Reading_.time;
}

std::int32_t CPULoad::GetCPUCount() {
    if (CPUCount_ < 1) {
        const std::int32_t n = platform::ProcessorCount();
        if (n < 1) {
            throw Failure{kErrSubscript, "Subscript out of range", ""};
        }
        CPUCount_ = n;
        CurrentSample_.assign(static_cast<std::size_t>(n), 0);
        PreviousSample_.assign(static_cast<std::size_t>(n), 0);
        SamplesInARow_.assign(static_cast<std::size_t>(n), 0);
    }
    return CPUCount_;
}

std::int32_t CPULoad::GetCPUUsage(std::int32_t CPU_Index) {
    if (CPUCount_ < 0) {
        CollectCPUData();
    }
    if (CPU_Index < 1 || CPU_Index > CPUCount_) {
        throw Failure{ObjectError(8003), "CPU index out of bounds", "CPULoad.GetCPUUsage()"};
    }
    if (SampleTime_ == PreviousSampleTime_) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(CPU_Index - 1);
    // Without an earlier sample there is nothing to compare with: against
    // the empty start the figure would cover all the time since 1601.
    if (SamplesInARow_[i] < 2) {
        return 0;
    }
    const double idle =
        static_cast<double>(CheckedDifference(CurrentSample_[i], PreviousSample_[i]));
    const double span = static_cast<double>(CheckedDifference(SampleTime_, PreviousSampleTime_));
    return RoundToInt32((1.0 - idle / span) * 100.0);
}

}  // namespace ostrel

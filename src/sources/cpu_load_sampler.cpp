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

std::int64_t CheckedDifference(std::int64_t a, std::int64_t b) {
    std::int64_t d = 0;
    if (__builtin_sub_overflow(a, b, &d)) {
        ThrowOverflow();
    }
    return d;
}

}  // namespace

CpuLoadSampler::CpuLoadSampler(platform::SystemInfo& system) : system_(&system) {
    if (!platform::ProcessorFiguresAvailable(*system_)) {
        throw Failure{ObjectError(kErrNoProcessorFigures), "Can't get the Windows version",
                      "CpuLoadSampler.Initialize"};
    }
    processorCount_ = -1;
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
        // Figures the system does not publish at all will not come next time.
        if (f.number == ObjectError(platform::kErrNoProcessorObject) ||
            f.number == ObjectError(platform::kErrNoProcessorTimeCounter)) {
            collectionsToSkip_ = kCollectionsSkippedWithoutProcessors;
        }
        return "CPU query failed";
    } catch (const std::bad_alloc&) {
        return "CPU query failed";
    }
}

void CpuLoadSampler::Collect() {
    if (processorCount_ < 1) {
        ProcessorCount();
    }
    // The whole reading is taken before any sample changes, so one that
    // fails half-way leaves the samples of the last good collection.
    platform::ReadProcessorTimes(*system_, processorCount_, reading_);
    if (reading_.idle.size() != currentIdle_.size() ||
        reading_.seen.size() != currentIdle_.size()) {
        ThrowSubscriptOutOfRange();
    }
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
        const std::int32_t n = platform::ProcessorCount(*system_);
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
        throw Failure{ObjectError(kErrProcessorOutOfRange), "CPU index out of bounds",
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

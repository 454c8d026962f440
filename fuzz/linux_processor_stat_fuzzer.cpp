// Fuzzes the /proc/stat reader: any text, and processor lines built from
// the input whose figures are known.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "property.h"
#include "linux/portable/processor_stat.h"

namespace {

using ostrel::ProcessorStatReading;

void CheckAnyText(std::string_view text) {
    const std::int32_t count = ostrel::CountProcessors(text);
    PROPERTY(count >= 0 && count <= (1 << 20));
    ostrel::platform::ProcessorTimes t;
    t.time = 5;
    const ProcessorStatReading r = ostrel::ReadProcessorIdle(text, 100, count, t);
    if (r != ProcessorStatReading::Read) {
        PROPERTY(t.idle.empty() && t.seen.empty());
        return;
    }
    PROPERTY(count > 0);
    PROPERTY(t.idle.size() == static_cast<std::size_t>(count) && t.seen.size() == t.idle.size());
    PROPERTY(t.seen.back() == 1);  // the highest number names a processor that has a line
    PROPERTY(t.time == 5);
    for (std::size_t i = 0; i < t.idle.size(); ++i) {
        PROPERTY(t.idle[i] >= 0 && (t.seen[i] == 1 || t.idle[i] == 0));
    }
    // Half as many ticks a second: every figure twice as long, unless too long to keep.
    ostrel::platform::ProcessorTimes half;
    if (ostrel::ReadProcessorIdle(text, 50, count, half) == ProcessorStatReading::Read) {
        for (std::size_t i = 0; i < t.idle.size(); ++i) {
            PROPERTY(half.idle[i] == 2 * t.idle[i] && half.seen[i] == t.seen[i]);
        }
    }
    // One processor fewer than the text names leaves the highest outside.
    ostrel::platform::ProcessorTimes fewer;
    PROPERTY(ostrel::ReadProcessorIdle(text, 100, count - 1, fewer) ==
             ProcessorStatReading::ProcessorOutOfRange);
}

// Lines of up to 32 processors with known idle and iowait ticks.
void CheckBuiltLines(FuzzBytes in) {
    std::string text = "cpu  1 2 3 4 5 6 7 8 0 0\n";
    std::int64_t expected[32] = {};
    bool seen[32] = {};
    int highest = -1;
    while (!in.empty()) {
        const int n = static_cast<int>(in.Take(1) % 32);
        const unsigned long long idle = in.Take(4);
        const unsigned long long iowait = in.Take(3);
        if (seen[n]) {
            continue;
        }
        seen[n] = true;
        expected[n] = static_cast<std::int64_t>(idle + iowait) * 100000;
        highest = n > highest ? n : highest;
        text += "cpu" + std::to_string(n) + " 11 22 33 " + std::to_string(idle) + " " +
                std::to_string(iowait) + " 44 55 66 0 0\n";
    }
    text += "intr 1 2 3\nctxt 4\n";
    ostrel::platform::ProcessorTimes t;
    const ProcessorStatReading r = ostrel::ReadProcessorIdle(text, 100, highest + 1, t);
    if (highest < 0) {
        PROPERTY(r == ProcessorStatReading::NoProcessors);
        return;
    }
    PROPERTY(r == ProcessorStatReading::Read);
    PROPERTY(ostrel::CountProcessors(text) == highest + 1);
    for (int i = 0; i <= highest; ++i) {
        PROPERTY(t.seen[i] == (seen[i] ? 1 : 0) && t.idle[i] == expected[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckBuiltLines(FuzzBytes(data, size));
    return 0;
}

#include "sources/memory_text.h"

#include <cstdint>

#include "common/failure.h"
#include "common/fixed_point.h"
#include "common/number_patterns.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"

namespace ostrel {

namespace {

// The largest byte count that still fits the fixed-point form.
constexpr std::uint64_t kLargestCount = INT64_MAX / kFixedPointOne;

std::int64_t ToFixedPoint(std::uint64_t bytes) {
    if (bytes > kLargestCount) {
        ThrowOverflow();
    }
    return static_cast<std::int64_t>(bytes) * kFixedPointOne;
}

double Divide(double a, double b) {
    if (b == 0.0) {
        throw Failure{kErrDivisionByZero, "Division by zero", ""};
    }
    return a / b;
}

// "Physical memory: 812,340K (78%)"
std::string MemoryLine(const char* label, std::uint64_t total, std::uint64_t available,
                       bool percentage, const std::string& separator) {
    const std::int64_t totalFixed = ToFixedPoint(total);
    const double used = static_cast<double>(totalFixed - ToFixedPoint(available)) / kFixedPointOne;
    std::string line = label;
    line += FormatGrouped(used / 1024.0, separator);
    line += 'K';
    if (percentage) {
        line += " (";
        line += FormatWhole(Divide(used, static_cast<double>(totalFixed) / kFixedPointOne) * 100.0);
        line += "%)";
    }
    return line;
}

}  // namespace

std::string MemoryText(platform::SystemInfo& system, const Settings& settings) {
    try {
        const platform::MemoryStatus m = platform::ReadMemoryStatus(system);
        const std::int16_t items = settings.displayItems;
        const bool percentage = (items & kShowPercentages) != 0;
        std::string separator = platform::ThousandsSeparator(system);
        if (separator.empty()) {
            separator.push_back(',');
        }
        std::string text;
        const auto add = [&](const char* label, std::uint64_t total, std::uint64_t available) {
            if (!text.empty()) {
                text += platform::kLineSeparator;
            }
            text += MemoryLine(label, total, available, percentage, separator);
        };
        if ((items & kShowPageFile) != 0) {
            add("Page file usage: ", m.totalPageFile, m.availPageFile);
        }
        if ((items & kShowPhysicalMemory) != 0) {
            add("Physical memory: ", m.totalPhys, m.availPhys);
        }
        if ((items & kShowVirtualMemory) != 0) {
            add("Virtual memory: ", m.totalVirtual, m.availVirtual);
        }
        return text;
    } catch (const Failure&) {
        return "memory query failed";
    }
}

}  // namespace ostrel

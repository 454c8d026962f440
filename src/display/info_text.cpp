#include "display/info_text.h"

#include "sources/cpu_load_sampler.h"
#include "sources/memory_text.h"
#include "sources/uptime.h"
#include "platform/windowing.h"

namespace ostrel {

namespace {

void StartLine(std::string& text) {
    if (!text.empty()) {
        text += platform::kLineSeparator;
    }
}

constexpr std::int16_t kAnyMemoryLine = kShowPageFile | kShowPhysicalMemory | kShowVirtualMemory;

}  // namespace

std::string ComposeInfoText(platform::SystemInfo& system, const Settings& settings,
                            const std::string& computerName, const platform::LocalTime& now,
                            StartTime& startTime, CpuLoadSampler* sampler) {
    const std::int16_t items = settings.displayItems;
    std::string text;
    if ((items & kShowDescription) != 0) {
        text = settings.description;
    }
    if ((items & kShowComputerName) != 0) {
        StartLine(text);
        text += computerName;
        if ((items & kShowCurrentTime) != 0) {
            text += ":  ";
        }
    }
    if ((items & kShowCurrentTime) != 0) {
        if ((items & kShowComputerName) == 0) {
            StartLine(text);
        }
        text += ClockText(now, settings.timeFormat);
    }
    if ((items & kShowUptime) != 0) {
        StartLine(text);
        text += "up for " + UptimeText(system);
    }
    if ((items & kShowStartTime) != 0) {
        StartLine(text);
        text += "up since " + startTime.Text(system, settings.timeFormat);
    }
    if ((items & kAnyMemoryLine) != 0) {
        StartLine(text);
        text += MemoryText(system, settings);
    }
    if ((items & kShowCpuUsage) != 0) {
        StartLine(text);
        text += "CPU usage: ";
        text += sampler != nullptr ? sampler->UsageText() : std::string("CPU query failed");
    }
    return text.empty() ? ";-)" : text;
}

}  // namespace ostrel

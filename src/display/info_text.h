#pragma once
// The information text: the lines the settings choose, joined by single
// carriage returns.

#include <string>

#include "platform/sysinfo.h"
#include "settings/settings.h"

namespace ostrel {

class CpuLoadSampler;
class StartTime;

// Description, computer name with time, uptime, start time, memory lines,
// CPU usage, in that order; ";-)" when nothing gives any text. Without a
// sampler the CPU line reads "CPU query failed".
std::string ComposeInfoText(platform::SystemInfo& system, const Settings& settings,
                            const std::string& computerName, const platform::LocalTime& now,
                            StartTime& startTime, CpuLoadSampler* sampler);

}  // namespace ostrel

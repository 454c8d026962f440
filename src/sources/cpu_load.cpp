#include "sources/cpu_load.h"

#include "common/failure.h"
#include "platform/sysinfo.h"

namespace ostrel {

CPULoad::CPULoad() {
    if (!platform::QueryPlatformVersion()) {
        throw Failure{ObjectError(8001), "Can't get the Windows version", "CPULoad.Initialize"};
    }
    CPUCount_ = -1;
    BufferSize_ = 4096;
}

// Placeholder until the sampler lands.
std::string CPULoad::CPUString() {
    return "CPU query failed";
}

}  // namespace ostrel

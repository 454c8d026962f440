#include "common/global.h"

namespace ostrel {

namespace {
Globals gGlobals;
}

Globals& G() {
    return gGlobals;
}

CIpHelper& NetworkMonitor() {
    if (!gGlobals.ipHelper) {
        gGlobals.ipHelper = std::make_unique<CIpHelper>();
    }
    return *gGlobals.ipHelper;
}

void ResetGlobals() {
    gGlobals = Globals{};
}

}  // namespace ostrel

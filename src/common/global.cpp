#include "common/global.h"

namespace ostrel {

namespace {
Globals gGlobals;
}

Globals& G() {
    return gGlobals;
}

void ResetGlobals() {
    gGlobals = Globals{};
}

}  // namespace ostrel

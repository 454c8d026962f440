#pragma once
// The program's identity: the title every message box carries, the caption
// that marks a running full-screen instance, and the version (made by the
// build from its one version number).

#include "common/version.h"

namespace ostrel {

inline constexpr const char* kAppTitle = "Ostrel Screen Saver";
inline constexpr const char* kInstanceTitle = "OstrelSS";
inline constexpr const char* kOptionsCaption = "Ostrel Screen Saver Setup";

}  // namespace ostrel

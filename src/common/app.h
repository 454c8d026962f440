#pragma once
// The program's identity: the title every message box carries, the caption
// that marks a running full-screen instance, and the version.

namespace ostrel {

inline constexpr const char* kAppTitle = "Ostrel Screen Saver";
inline constexpr const char* kInstanceTitle = "OstrelSS";
inline constexpr const char* kOptionsCaption = "Ostrel Screen Saver Setup";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 6;

}  // namespace ostrel

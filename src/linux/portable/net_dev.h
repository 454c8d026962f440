#pragma once
// Reading /proc/net/dev: two heading lines, then one line per interface,
// "name: rx-bytes rx-packets ... (eight receive columns) tx-bytes ...". The
// program keeps each byte counter as a 32-bit counter that wraps, as the
// other platform's interface table does. The text comes from outside the
// program: a reading is whole or it fails.

#include <string_view>
#include <vector>

#include "platform/network.h"

namespace ostrel {

// True with every interface's counters (their low 32 bits); false, with
// `interfaces` empty, when an interface line cannot be read.
bool ReadNetDev(std::string_view text, std::vector<platform::InterfaceOctets>& interfaces);

}  // namespace ostrel

#pragma once
// The network service over the Linux kernel: the interfaces' counters from
// /proc/net/dev.

#include <string>

#include "platform/network.h"

namespace ostrel::platform {

struct Network {
    std::string netDev;  // the file's text, read again each time into the same storage
};

}  // namespace ostrel::platform

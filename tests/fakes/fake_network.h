#pragma once
// The interfaces' byte counters as a scripted answer.

#include <vector>

#include "platform/network.h"

struct ostrel::platform::Network {
    InterfaceQuery answer = InterfaceQuery::Read;
    std::vector<InterfaceOctets> interfaces;
};

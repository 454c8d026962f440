#pragma once
// NetworkActivity tells whether bytes are flowing in and out of the
// computer, from the byte counters of all network interfaces.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/network.h"

namespace ostrel {

// The received and sent totals of all interfaces. Counters count as signed
// 32-bit numbers; an addition that would overflow a total is left out.
void SumInterfaceCounters(const std::vector<platform::InterfaceOctets>& interfaces,
                          std::int32_t& received, std::int32_t& sent);

class NetworkActivity {
  public:
    explicit NetworkActivity(platform::Network& network) : network_(&network) {}

    // "Network activity: rx: /  tx: |", or "??" where the platform keeps no
    // interface counters.
    std::string StatusText();

    std::int32_t BytesReceived() const { return bytesReceived_; }
    std::int32_t BytesSent() const { return bytesSent_; }

  private:
    platform::Network* network_;  // never null
    // False only where the platform has no interface counters.
    bool RefreshCounters();

    std::vector<platform::InterfaceOctets> interfaces_;
    std::int32_t bytesReceived_ = 0;
    std::int32_t bytesSent_ = 0;
    std::int32_t lastBytesReceived_ = 0;
    std::int32_t lastBytesSent_ = 0;
    bool receiveToggle_ = false;
    bool sendToggle_ = false;
};

}  // namespace ostrel

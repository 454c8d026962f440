#pragma once
// CIpHelper tells whether bytes are flowing in and out of the computer, from
// the byte counters of all network interfaces.

#include <cstdint>
#include <string>

namespace ostrel {

class CIpHelper {
  public:
    // "Network activity: rx: /  tx: |", or "??" where the interface table
    // is not supported.
    std::string Status();

    std::int32_t BytesReceived() const { return BytesReceived_; }
    std::int32_t BytesSent() const { return BytesSent_; }

  private:
    std::int32_t BytesReceived_ = 0;
    std::int32_t BytesSent_ = 0;
    std::int32_t LastBytesReceived_ = 0;
    std::int32_t LastBytesSent_ = 0;
    bool RxToggle_ = false;
    bool TxToggle_ = false;
};

}  // namespace ostrel

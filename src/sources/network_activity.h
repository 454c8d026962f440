#pragma once
// NetworkActivity tells whether bytes are flowing in and out of the computer, from
// the byte counters of all network interfaces.

#include <cstddef>
#include <cstdint>
#include <string>

namespace ostrel {

// Sums the received and sent byte counters of every whole row of an
// interface table; `size` is the number of bytes returned. Counters read as
// signed 32-bit numbers; an addition that would overflow a total is left
// out. Rows the bytes do not hold are not read. Raises the overflow failure
// when the entry count does not fit 16 bits.
void SumInterfaceCounters(const std::uint8_t* table, std::size_t size, std::int32_t& received,
                          std::int32_t& sent);

class NetworkActivity {
  public:
    // "Network activity: rx: /  tx: |", or "??" where the interface table
    // is not supported.
    std::string StatusText();

    std::int32_t BytesReceived() const { return bytesReceived_; }
    std::int32_t BytesSent() const { return bytesSent_; }

  private:
    // False only where the platform has no interface table.
    bool RefreshCounters();

    std::int32_t bytesReceived_ = 0;
    std::int32_t bytesSent_ = 0;
    std::int32_t lastBytesReceived_ = 0;
    std::int32_t lastBytesSent_ = 0;
    bool receiveToggle_ = false;
    bool sendToggle_ = false;
};

}  // namespace ostrel

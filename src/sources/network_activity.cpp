#include "sources/network_activity.h"

namespace ostrel {

namespace {

void AddUnlessOverflowing(std::int32_t& total, std::uint32_t counter) {
    std::int32_t sum = 0;
    if (!__builtin_add_overflow(total, static_cast<std::int32_t>(counter), &sum)) {
        total = sum;
    }
}

// The spinner of one direction: turns while the total grows, stands still
// otherwise (also when it fell: fewer interfaces or a counter that wrapped).
const char* Sign(std::int32_t now, std::int32_t before, bool& toggle) {
    if (now > before) {
        toggle = !toggle;
        return toggle ? "/" : "\\";
    }
    return "|";
}

}  // namespace

void SumInterfaceCounters(const std::vector<platform::InterfaceOctets>& interfaces,
                          std::int32_t& received, std::int32_t& sent) {
    for (const platform::InterfaceOctets& i : interfaces) {
        AddUnlessOverflowing(received, i.received);
        AddUnlessOverflowing(sent, i.sent);
    }
}

bool NetworkActivity::RefreshCounters() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    interfaces_.clear();
    // Counters that could not be read this time count as none.
    const platform::InterfaceQuery answer = platform::ReadInterfaceOctets(*network_, interfaces_);
    if (answer == platform::InterfaceQuery::NotSupported) {
        return false;
    }
    if (answer == platform::InterfaceQuery::Read) {
        SumInterfaceCounters(interfaces_, bytesReceived_, bytesSent_);
    }
    return true;
}

std::string NetworkActivity::StatusText() {
    if (!RefreshCounters()) {
        return "??";
    }
    const char* rx = Sign(bytesReceived_, lastBytesReceived_, receiveToggle_);
    const char* tx = Sign(bytesSent_, lastBytesSent_, sendToggle_);
    lastBytesReceived_ = bytesReceived_;
    lastBytesSent_ = bytesSent_;
    return std::string("Network activity: rx: ") + rx + "  tx: " + tx;
}

}  // namespace ostrel

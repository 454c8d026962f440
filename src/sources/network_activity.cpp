#include "sources/network_activity.h"

#include <new>
#include <vector>

#include "common/failure.h"
#include "common/numeric.h"
#include "platform/network.h"

namespace ostrel {

namespace {

std::int32_t ReadInt32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
        static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24);
}

void AddUnlessOverflowing(std::int32_t& total, std::int32_t amount) {
    std::int32_t sum = 0;
    if (!__builtin_add_overflow(total, amount, &sum)) {
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

void SumInterfaceCounters(const std::uint8_t* table, std::size_t size, std::int32_t& received,
                          std::int32_t& sent) {
    using namespace platform;
    if (size < kIfTableHeaderBytes) {
        return;
    }
    const std::int16_t entries = NarrowToInt16(ReadInt32(table));
    const std::size_t rows = (size - kIfTableHeaderBytes) / kIfRowBytes;
    for (std::size_t i = 0; i < static_cast<std::size_t>(entries > 0 ? entries : 0) && i < rows;
         ++i) {
        const std::uint8_t* row = table + kIfTableHeaderBytes + i * kIfRowBytes;
        AddUnlessOverflowing(received, ReadInt32(row + kIfRowInOctets));
        AddUnlessOverflowing(sent, ReadInt32(row + kIfRowOutOctets));
    }
}

bool NetworkActivity::RefreshCounters() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    std::uint32_t size = 0;
    if (platform::QueryInterfaceTable(nullptr, size) == platform::kIfTableNotSupported) {
        return false;
    }
    // A failing step leaves the totals as they are and the line goes on.
    try {
        std::vector<std::uint8_t> table(size);
        std::uint32_t returned = size;
        if (platform::QueryInterfaceTable(table.data(), returned) == platform::kIfTableSuccess) {
            SumInterfaceCounters(table.data(), returned < size ? returned : size, bytesReceived_,
                                 bytesSent_);
        }
    } catch (const Failure&) {
    } catch (const std::bad_alloc&) {
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

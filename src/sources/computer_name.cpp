#include "sources/computer_name.h"

#include <array>
#include <cstdint>

#include "platform/sysinfo.h"

namespace ostrel {

std::string QueryComputerName() {
    std::array<char, 256> buffer{};
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    if (!platform::ReadComputerName(buffer.data(), size)) {
        return "";
    }
    // Never trust the reported length beyond the buffer; a terminating zero
    // inside the reported length is not part of the name.
    std::size_t length = size < buffer.size() ? size : buffer.size();
    if (length > 0 && buffer[length - 1] == '\0') {
        --length;
    }
    return std::string(buffer.data(), length);
}

}  // namespace ostrel

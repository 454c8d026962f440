// System information and the shell as scripted answers.

#include <cstring>

#include "fakes/fake_platform.h"
#include "platform/shell.h"
#include "platform/sysinfo.h"

namespace ostrel::platform {

using fake::Fake;

bool ReadComputerName(char* buffer, std::uint32_t& size) {
    if (!Fake().computerName || Fake().computerName->size() >= size) {
        return false;
    }
    const std::string& name = *Fake().computerName;
    std::memcpy(buffer, name.data(), name.size());
    buffer[name.size()] = '\0';
    size = Fake().reportedNameSize.value_or(static_cast<std::uint32_t>(name.size()));
    return true;
}

bool QueryPlatformVersion() {
    return Fake().versionAvailable;
}
double SecondsSinceMidnight() {
    return Fake().secondsSinceMidnight;
}

void ChangePassword(const std::string& providerKey, std::int64_t parentWindow) {
    if (Fake().passwordFailure) {
        throw *Fake().passwordFailure;
    }
    Fake().passwordChanges.emplace_back(providerKey, parentWindow);
}

}  // namespace ostrel::platform

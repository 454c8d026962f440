#include "options/default_saver.h"

#include "common/numeric.h"
#include "platform/registry.h"
#include "settings/registry_store.h"

namespace ostrel {

bool ReadDefaultScreenSaver(std::string& value) {
    return ReadRegistryText(platform::kHkeyUsers, kDefaultDesktopKey, kScreenSaverValue, value);
}

void WriteDefaultScreenSaver(const std::string& value) {
    WriteRegistryText(platform::kHkeyUsers, kDefaultDesktopKey, kScreenSaverValue, value);
}

bool IsThisProgram(const std::string& value) {
    return UpperCase(value) == UpperCase(kOwnFileName);
}

}  // namespace ostrel

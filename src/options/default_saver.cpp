#include "options/default_saver.h"

#include "common/numeric.h"
#include "platform/registry.h"
#include "settings/reg_stuff.h"

namespace ostrel {

bool ReadDefaultScreenSaver(std::string& value) {
    return ReadRegString(platform::kHkeyUsers, kDefaultDesktopKey, kScreenSaverValue, value);
}

void WriteDefaultScreenSaver(const std::string& value) {
    WriteRegString(platform::kHkeyUsers, kDefaultDesktopKey, kScreenSaverValue, value);
}

bool IsThisProgram(const std::string& value) {
    return UpperCase(value) == UpperCase(kOwnFileName);
}

}  // namespace ostrel

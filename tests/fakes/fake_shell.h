#pragma once
// The password change and opened links, recorded.

#include <optional>
#include <string>
#include <vector>

#include "common/failure.h"
#include "platform/shell.h"

struct ostrel::platform::Shell {
    std::vector<WindowHandle> passwordChanges;  // the owner of each
    std::optional<Failure> passwordFailure;
    std::vector<std::string> opened;
    OpenResult openResult{true, 0};
};

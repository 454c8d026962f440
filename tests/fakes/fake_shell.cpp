#include "fakes/fake_shell.h"

namespace ostrel::platform {

void ChangePassword(Shell& s, WindowHandle parent) {
    if (s.passwordFailure) {
        throw *s.passwordFailure;
    }
    s.passwordChanges.push_back(parent);
}

OpenResult OpenWithShell(Shell& s, const std::string& target) {
    s.opened.push_back(target);
    return s.openResult;
}

}  // namespace ostrel::platform

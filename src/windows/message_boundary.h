#pragma once
// No C++ exception may unwind through the system code that calls a window
// procedure. The handlers report their own failures where the program's
// behaviour puts them; one that still escapes ends here, and the message
// counts as handled the default way.

#include <windows.h>

namespace ostrel::win32 {

template <typename Body>
LRESULT AtMessageBoundary(LRESULT fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

}  // namespace ostrel::win32

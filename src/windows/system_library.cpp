#include "windows/system_library.h"

#include <commctrl.h>

namespace ostrel::win32 {

FARPROC SystemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) {
        module = LoadLibraryA(library);
    }
    return module == nullptr ? nullptr : GetProcAddress(module, name);
}

void LoadCommonControls() {
    static bool loaded = false;
    if (loaded) {
        return;
    }
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto init = SystemFunctionAs<InitFn>("comctl32.dll", "InitCommonControlsEx")) {
        INITCOMMONCONTROLSEX icc{
            sizeof(INITCOMMONCONTROLSEX),
            ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        loaded = init(&icc) != FALSE;
    }
}

}  // namespace ostrel::win32

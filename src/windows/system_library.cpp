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

bool RegisterCommonControls() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = SystemFunctionAs<InitFn>("comctl32.dll", "InitCommonControlsEx");
    if (init == nullptr) {
        return false;
    }
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES |
                                                               ICC_STANDARD_CLASSES |
                                                               ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    return init(&icc) != FALSE;
}

}  // namespace ostrel::win32

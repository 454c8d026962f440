// The shell: opening links, the program's arguments, and the password-change
// service. That service is loaded at run time: mpr's entry point is not
// there on every system, and its absence must be a reported failure rather
// than a program that cannot start.

#include <windows.h>
#include <shellapi.h>

#include "common/failure.h"
#include "platform/shell.h"
#include "windows/system_library.h"
#include "startup/command_line.h"

namespace ostrel::platform {

void ChangePassword(const std::string& providerKey, std::int64_t parentWindow) {
    using PwdChangePasswordFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);
    HMODULE mpr = LoadLibraryA("mpr.dll");
    if (mpr == nullptr) {
        throw Failure{kErrDllNotFound, "File not found: mpr", ""};
    }
    auto change = reinterpret_cast<PwdChangePasswordFn>(
        reinterpret_cast<void*>(GetProcAddress(mpr, "PwdChangePasswordA")));
    if (change == nullptr) {
        FreeLibrary(mpr);
        throw Failure{kErrDllEntryPoint, "Can't find DLL entry point PwdChangePasswordA in mpr",
                      ""};
    }
    change(providerKey.c_str(), reinterpret_cast<HWND>(static_cast<INT_PTR>(parentWindow)), 0, 0);
    FreeLibrary(mpr);
}

std::int64_t OpenWithShell(const std::string& target) {
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    const auto shellExecute =
        win32::SystemFunctionAs<ShellExecuteFn>("shell32.dll", "ShellExecuteA");
    if (shellExecute == nullptr) {
        return SE_ERR_NOASSOC;  // no shell: nothing can open the link
    }
    HINSTANCE result = shellExecute(nullptr, "open", target.c_str(), "", nullptr, SW_SHOWNORMAL);
    return static_cast<std::int64_t>(reinterpret_cast<INT_PTR>(result));
}

std::string ProgramArguments() {
    return ArgumentText(GetCommandLineA());
}

}  // namespace ostrel::platform

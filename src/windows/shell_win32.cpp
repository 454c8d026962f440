// The shell: opening links, and the password-change service. That service
// is loaded at run time: mpr's entry point is not there on every system,
// and its absence must be a reported failure rather than a program that
// cannot start.

#include <windows.h>
#include <shellapi.h>

#include "common/failure.h"
#include "platform/shell.h"
#include "windows/services_win32.h"
#include "windows/system_library.h"

namespace ostrel::platform {

namespace {

// The password provider of screen savers.
constexpr char kSaverPasswordProvider[] = "SCRSAVE";

// The shell answers a number above this for a link it opened, and its
// error number otherwise.
constexpr INT_PTR kShellErrorLimit = 32;

// Frees the password-change library on every way out.
class LoadedLibrary {
  public:
    explicit LoadedLibrary(const char* name) : module_(LoadLibraryA(name)) {}
    ~LoadedLibrary() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    HMODULE get() const { return module_; }

  private:
    HMODULE module_;
};

}  // namespace

void ChangePassword(Shell&, WindowHandle parent) {
    using PwdChangePasswordFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);
    const LoadedLibrary mpr("mpr.dll");
    if (mpr.get() == nullptr) {
        throw Failure{kErrDllNotFound, "File not found: mpr", ""};
    }
    auto change = reinterpret_cast<PwdChangePasswordFn>(
        reinterpret_cast<void*>(GetProcAddress(mpr.get(), "PwdChangePasswordA")));
    if (change == nullptr) {
        throw Failure{kErrDllEntryPoint, "Can't find DLL entry point PwdChangePasswordA in mpr",
                      ""};
    }
    change(kSaverPasswordProvider, win32::Hwnd(parent), 0, 0);
}

OpenResult OpenWithShell(Shell&, const std::string& target) {
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    const auto shellExecute =
        win32::SystemFunctionAs<ShellExecuteFn>("shell32.dll", "ShellExecuteA");
    if (shellExecute == nullptr) {
        return OpenResult{false, SE_ERR_NOASSOC};  // no shell: nothing can open the link
    }
    HINSTANCE result = shellExecute(nullptr, "open", target.c_str(), "", nullptr, SW_SHOWNORMAL);
    const INT_PTR answer = reinterpret_cast<INT_PTR>(result);
    return OpenResult{answer > kShellErrorLimit, static_cast<std::int64_t>(answer)};
}

}  // namespace ostrel::platform

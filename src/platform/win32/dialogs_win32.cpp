// The options window.

#include <windows.h>

#include "platform/dialogs.h"
#include "platform/win32/win32_app.h"

namespace ostrel::win32 {

namespace {

HWND gOptions = nullptr;
constexpr int kOptionsDialogId = 100;

INT_PTR CALLBACK OptionsProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
                DestroyWindow(dlg);
                return TRUE;
            }
            break;
        case WM_CLOSE:
            DestroyWindow(dlg);
            return TRUE;
        case WM_DESTROY:
            gOptions = nullptr;
            WindowClosed();
            return TRUE;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

HWND OptionsHwnd() {
    return gOptions;
}

}  // namespace ostrel::win32

namespace ostrel::platform {

void OpenOptionsWindow(const std::string& caption) {
    HWND dlg = CreateDialogParamA(win32::Instance(), MAKEINTRESOURCEA(win32::kOptionsDialogId),
                                  nullptr, win32::OptionsProc, 0);
    if (dlg == nullptr) {
        return;
    }
    win32::gOptions = dlg;
    win32::WindowOpened();
    SetWindowTextA(dlg, caption.c_str());
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
}

}  // namespace ostrel::platform

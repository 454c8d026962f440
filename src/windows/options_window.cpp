// The options window: a dialog whose events go to the dialog's handlers, and
// which shows the dialog's state again after each of them.

#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "options/options_dialog.h"
#include "options/options_layout.h"
#include "platform/dialogs.h"
#include "windows/message_boundary.h"
#include "windows/options_win32.h"
#include "windows/resource_ids.h"
#include "windows/system_library.h"
#include "windows/win32_app.h"
#include "platform/windowing.h"

namespace ostrel::win32 {

namespace {

HWND gOptions = nullptr;
bool gBusy = false;

void Refresh() {
    // A handler may have closed the window.
    if (gOptions != nullptr) {
        ShowDialogState(gOptions, TheOptionsDialog());
    }
}

void OnCommand(HWND dlg, int id, int code) {
    OptionsDialog& dialog = TheOptionsDialog();
    switch (id) {
        case kIdOK:
            dialog.OnOk();
            break;
        case kIdCancel:
            dialog.OnCancel();
            break;
        case kIdSetFont:
            dialog.OnSetFont();
            break;
        case kIdSetBackground:
            dialog.OnSetBackground();
            break;
        case kIdEmail:
            if (code == STN_CLICKED) {
                dialog.OnEmailLink();
            }
            break;
        case kIdWebsite:
            if (code == STN_CLICKED) {
                dialog.OnWebsiteLink();
            }
            break;
        case kIdDescription:
            if (code != EN_CHANGE || ShowingDialogState()) {
                return;
            }
            ReadControl(dlg, id, dialog);
            dialog.OnDescriptionChanged();
            break;
        case kIdAnimationList:
            if (code != CBN_SELCHANGE) {
                return;
            }
            ReadControl(dlg, id, dialog);
            dialog.OnAnimationChosen();
            break;
        default:
            if (code != BN_CLICKED) {
                return;
            }
            ReadControl(dlg, id, dialog);
            if (id >= kIdDisplayItem0 && id < kIdDisplayItem0 + kDisplayItemCount) {
                dialog.OnDisplayItemClicked(id - kIdDisplayItem0);
            }
            break;
    }
    Refresh();
}

// Alt and a tab's letter brings that tab to the front.
bool SelectTabFor(HWND dlg, char letter) {
    const int tab = TabForAccelerator(letter);
    if (tab < 0) {
        return false;
    }
    TheOptionsDialog().currentTab = tab;
    Refresh();
    SetFocus(GetDlgItem(dlg, kIdTabs));
    return true;
}

int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

bool OnSetCursor(HWND dlg, HWND over) {
    if (gBusy) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return true;
    }
    OptionsDialog& dialog = TheOptionsDialog();
    const int id = over == dlg ? 0 : GetDlgCtrlID(over);
    if (id == kIdEmail || id == kIdWebsite) {
        dialog.OnPointerOverLink();
    } else if (over == dlg || id == kIdTabs) {
        dialog.OnPointerOverBackground();
    } else {
        return false;
    }
    if (dialog.pointer == MousePointer::Hand) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return true;
    }
    return false;
}

INT_PTR Answer(HWND dlg, LRESULT result) {
    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR HandleOptionsMessage(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    OptionsDialog& dialog = TheOptionsDialog();
    switch (msg) {
        case WM_INITDIALOG:
            BuildOptionsControls(dlg);
            return FALSE;
        case WM_COMMAND:
            OnCommand(dlg, LOWORD(wp), HIWORD(wp));
            return TRUE;
        case WM_NOTIFY: {
            const NMHDR* n = reinterpret_cast<const NMHDR*>(lp);
            if (n->idFrom == kIdTabs && n->code == TCN_SELCHANGE) {
                ReadControl(dlg, kIdTabs, dialog);
                Refresh();
            }
            return TRUE;
        }
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == GetDlgItem(dlg, kIdBounceRandomness)) {
                ReadControl(dlg, kIdBounceRandomness, dialog);
                dialog.OnBounceRandomnessChanged();
                Refresh();
            }
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT: {
            HBRUSH brush =
                ControlColour(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp), dialog);
            return brush != nullptr ? reinterpret_cast<INT_PTR>(brush) : FALSE;
        }
        case WM_SETCURSOR:
            return OnSetCursor(dlg, reinterpret_cast<HWND>(wp)) ? Answer(dlg, TRUE) : FALSE;
        case WM_PARENTNOTIFY: {
            const UINT event = LOWORD(wp);
            if (event != WM_LBUTTONDOWN && event != WM_RBUTTONDOWN && event != WM_MBUTTONDOWN) {
                return FALSE;
            }
            POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            HWND child = ChildWindowFromPointEx(dlg, p, CWP_SKIPINVISIBLE);
            if (child != nullptr && GetDlgCtrlID(child) == kIdImage) {
                const int button = event == WM_LBUTTONDOWN ? 1 : event == WM_RBUTTONDOWN ? 2 : 4;
                dialog.OnIconMouseDown(button, ShiftState());
                Refresh();
            }
            return FALSE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) {
                dialog.OnActivate();
                Refresh();
            }
            return FALSE;
        case WM_MENUCHAR:
            if (SelectTabFor(dlg, static_cast<char>(LOWORD(wp)))) {
                return Answer(dlg, MAKELRESULT(0, MNC_CLOSE));
            }
            return FALSE;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_KEYMENU && lp != 0 &&
                SelectTabFor(dlg, static_cast<char>(lp))) {
                return Answer(dlg, 0);
            }
            return FALSE;
        case WM_CLOSE:
            dialog.OnCloseBox();
            return TRUE;
        case WM_DESTROY:
            ReleaseOptionsResources();
            gOptions = nullptr;
            WindowClosed();
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK OptionsProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    return AtMessageBoundary(FALSE, [&] { return HandleOptionsMessage(dlg, msg, wp, lp); });
}

}  // namespace

HWND OptionsHwnd() {
    return gOptions;
}

}  // namespace ostrel::win32

namespace ostrel::platform {

bool CreateOptionsWindow() {
    win32::LoadCommonControls();
    HWND dlg = CreateDialogParamA(win32::Instance(), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr,
                                  win32::OptionsProc, 0);
    if (dlg == nullptr) {
        return false;
    }
    win32::gOptions = dlg;
    win32::WindowOpened();
    return true;
}

void ShowOptionsWindow() {
    HWND dlg = win32::gOptions;
    if (dlg == nullptr) {
        return;
    }
    win32::Refresh();
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
    SetFocus(GetDlgItem(dlg, kIdTabs));
}

void CloseOptionsWindow() {
    if (win32::gOptions != nullptr) {
        DestroyWindow(win32::gOptions);
    }
}

void ReadOptionsWindowSize(double& widthTwips, double& heightTwips) {
    RECT r{};
    GetWindowRect(win32::gOptions, &r);
    widthTwips = (r.right - r.left) * TwipsPerPixelX();
    heightTwips = (r.bottom - r.top) * TwipsPerPixelY();
}

void MoveOptionsWindow(double leftTwips, double topTwips) {
    SetWindowPos(win32::gOptions, nullptr,
                 static_cast<int>(std::lround(leftTwips / TwipsPerPixelX())),
                 static_cast<int>(std::lround(topTwips / TwipsPerPixelY())), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetBusyPointer(bool busy) {
    win32::gBusy = busy;
    SetCursor(LoadCursor(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

int ShowOptionsMessage(const std::string& text, const std::string& caption, std::uint32_t style) {
    return MessageBoxA(win32::gOptions, text.c_str(), caption.c_str(), style);
}

}  // namespace ostrel::platform

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
#include "windows/services_win32.h"
#include "windows/system_library.h"
#include "platform/windowing.h"

namespace ostrel::win32 {

namespace {

void Refresh(OptionsWindow& window) {
    // A handler may have closed the window.
    if (window.hwnd != nullptr && window.dialog != nullptr) {
        ShowDialogState(window.hwnd, *window.dialog, window.controls);
    }
}

void OnCommand(OptionsWindow& window, HWND dlg, int id, int code) {
    OptionsDialog& dialog = *window.dialog;
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
            if (code != EN_CHANGE || window.controls.showing) {
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
    Refresh(window);
}

// Alt and a tab's letter brings that tab to the front.
bool SelectTabFor(OptionsWindow& window, HWND dlg, char letter) {
    const int tab = TabForAccelerator(letter);
    if (tab < 0) {
        return false;
    }
    window.dialog->currentTab = tab;
    Refresh(window);
    SetFocus(GetDlgItem(dlg, kIdTabs));
    return true;
}

int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

bool OnSetCursor(OptionsWindow& window, HWND dlg, HWND over) {
    if (window.busy) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return true;
    }
    OptionsDialog& dialog = *window.dialog;
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

INT_PTR HandleOptionsMessage(Program& program, HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    OptionsWindow& window = program.options;
    OptionsDialog& dialog = *window.dialog;
    switch (msg) {
        case WM_INITDIALOG:
            BuildOptionsControls(dlg, program.instance, window.controls);
            return FALSE;
        case WM_COMMAND:
            OnCommand(window, dlg, LOWORD(wp), HIWORD(wp));
            return TRUE;
        case WM_NOTIFY: {
            const NMHDR* n = reinterpret_cast<const NMHDR*>(lp);
            if (n->idFrom == kIdTabs && n->code == TCN_SELCHANGE) {
                ReadControl(dlg, kIdTabs, dialog);
                Refresh(window);
            }
            return TRUE;
        }
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == GetDlgItem(dlg, kIdBounceRandomness)) {
                ReadControl(dlg, kIdBounceRandomness, dialog);
                dialog.OnBounceRandomnessChanged();
                Refresh(window);
            }
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT: {
            HBRUSH brush = ControlColour(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp),
                                         dialog, window.controls);
            return brush != nullptr ? reinterpret_cast<INT_PTR>(brush) : FALSE;
        }
        case WM_SETCURSOR:
            return OnSetCursor(window, dlg, reinterpret_cast<HWND>(wp)) ? Answer(dlg, TRUE) : FALSE;
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
                Refresh(window);
            }
            return FALSE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) {
                dialog.OnActivate();
                Refresh(window);
            }
            return FALSE;
        case WM_MENUCHAR:
            if (SelectTabFor(window, dlg, static_cast<char>(LOWORD(wp)))) {
                return Answer(dlg, MAKELRESULT(0, MNC_CLOSE));
            }
            return FALSE;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_KEYMENU && lp != 0 &&
                SelectTabFor(window, dlg, static_cast<char>(lp))) {
                return Answer(dlg, 0);
            }
            return FALSE;
        case WM_CLOSE:
            dialog.OnCloseBox();
            return TRUE;
        case WM_DESTROY:
            ReleaseOptionsResources(window.controls);
            window.hwnd = nullptr;
            WindowClosed(program);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK OptionsProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    // The program comes with the first message the dialog handles; what
    // comes before it is left to the system.
    if (msg == WM_INITDIALOG) {
        AttachProgram(dlg, *reinterpret_cast<Program*>(lp));
    }
    Program* program = ProgramOf(dlg);
    if (program == nullptr || program->options.dialog == nullptr) {
        return FALSE;
    }
    return AtMessageBoundary(FALSE,
                             [&] { return HandleOptionsMessage(*program, dlg, msg, wp, lp); });
}

}  // namespace

void LoadCommonControls(Program& program) {
    if (!program.commonControlsLoaded) {
        program.commonControlsLoaded = RegisterCommonControls();
    }
}

}  // namespace ostrel::win32

namespace ostrel::platform {

bool CreateOptionsWindow(Dialogs& dialogs, OptionsDialog& dialog) {
    win32::Program& program = dialogs.program;
    win32::LoadCommonControls(program);
    program.options.dialog = &dialog;
    HWND dlg = CreateDialogParamA(program.instance, MAKEINTRESOURCEA(IDD_OPTIONS), nullptr,
                                  win32::OptionsProc, reinterpret_cast<LPARAM>(&program));
    if (dlg == nullptr) {
        return false;
    }
    program.options.hwnd = dlg;
    win32::WindowOpened(program);
    return true;
}

void ShowOptionsWindow(Dialogs& dialogs) {
    win32::OptionsWindow& window = dialogs.program.options;
    HWND dlg = window.hwnd;
    if (dlg == nullptr) {
        return;
    }
    win32::Refresh(window);
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
    SetFocus(GetDlgItem(dlg, kIdTabs));
}

void CloseOptionsWindow(Dialogs& dialogs) {
    if (dialogs.program.options.hwnd != nullptr) {
        DestroyWindow(dialogs.program.options.hwnd);
    }
}

void ReadOptionsWindowSize(Dialogs& dialogs, double& widthTwips, double& heightTwips) {
    RECT r{};
    GetWindowRect(dialogs.program.options.hwnd, &r);
    widthTwips = (r.right - r.left) * win32::ScreenTwipsPerPixel(LOGPIXELSX);
    heightTwips = (r.bottom - r.top) * win32::ScreenTwipsPerPixel(LOGPIXELSY);
}

void MoveOptionsWindow(Dialogs& dialogs, double leftTwips, double topTwips) {
    SetWindowPos(dialogs.program.options.hwnd, nullptr, win32::PixelsX(leftTwips),
                 win32::PixelsY(topTwips), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetBusyPointer(Dialogs& dialogs, bool busy) {
    dialogs.program.options.busy = busy;
    SetCursor(LoadCursor(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void ShowOptionsMessage(Dialogs& dialogs, const std::string& text, const std::string& caption,
                        MessageIcon icon) {
    MessageBoxA(dialogs.program.options.hwnd, text.c_str(), caption.c_str(),
                win32::MessageIconStyle(icon));
}

}  // namespace ostrel::platform

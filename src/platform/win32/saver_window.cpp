// The saver window and its text panel, and the program's run: the window
// is created hidden, its load handler runs with the command line, and then
// the one message loop.

#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "common/app.h"
#include "platform/windowing.h"
#include "platform/win32/win32_app.h"
#include "startup/command_line.h"
#include "startup/frm_main.h"

namespace ostrel::win32 {

namespace {

HINSTANCE gInstance = nullptr;
HWND gSaver = nullptr;
HWND gPanel = nullptr;
FrmMain gForm;
int gOpenWindows = 0;

constexpr char kSaverClass[] = "OstrelSaverWindow";
constexpr char kPanelClass[] = "OstrelTextPanel";

COLORREF Colour(std::uint32_t c) {
    return static_cast<COLORREF>(c & 0x00FFFFFFu);
}

void Fill(HWND hwnd, HDC dc, std::uint32_t colour) {
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = CreateSolidBrush(Colour(colour));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

LRESULT CALLBACK SaverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            Fill(hwnd, reinterpret_cast<HDC>(wp), gForm.BackColour);
            return 1;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            gForm.Form_KeyDown();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
            gForm.Form_MouseDown();
            return 0;
        case WM_CLOSE:
            gForm.Close();
            return 0;
        case WM_DESTROY:
            gForm.OnDestroyed();
            gSaver = nullptr;
            WindowClosed();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        Fill(hwnd, reinterpret_cast<HDC>(wp), gForm.pbStuff.backColour);
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool CreateSaverWindow(HINSTANCE instance) {
    gInstance = instance;
    WNDCLASSA wc{};
    wc.lpfnWndProc = SaverProc;
    wc.hInstance = gInstance;
    wc.hIcon = LoadIcon(gInstance, MAKEINTRESOURCE(1));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kSaverClass;
    wc.style = CS_DBLCLKS;
    WNDCLASSA pc{};
    pc.lpfnWndProc = PanelProc;
    pc.hInstance = gInstance;
    pc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    pc.lpszClassName = kPanelClass;
    if (RegisterClassA(&wc) == 0 || RegisterClassA(&pc) == 0) {
        return false;
    }
    // No border, no title bar, empty caption, hidden until set up.
    gSaver = CreateWindowExA(0, kSaverClass, "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, nullptr,
                             nullptr, gInstance, nullptr);
    if (gSaver == nullptr) {
        return false;
    }
    WindowOpened();
    const double tx = 1440.0;
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const Panel& p = gForm.pbStuff;
    gPanel = CreateWindowExA(0, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             MulDiv(static_cast<int>(p.leftTwips), dpiX, static_cast<int>(tx)),
                             MulDiv(static_cast<int>(p.topTwips), dpiY, static_cast<int>(tx)),
                             MulDiv(p.widthTwips, dpiX, static_cast<int>(tx)),
                             MulDiv(p.heightTwips, dpiY, static_cast<int>(tx)), gSaver, nullptr,
                             gInstance, nullptr);
    return gPanel != nullptr;
}

HINSTANCE Instance() {
    return gInstance;
}
HWND SaverHwnd() {
    return gSaver;
}
FrmMain& Form() {
    return gForm;
}

void WindowOpened() {
    ++gOpenWindows;
}

void WindowClosed() {
    if (--gOpenWindows <= 0) {
        PostQuitMessage(0);
    }
}

int RunProgram(HINSTANCE instance) {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX),
                             ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (!CreateSaverWindow(instance)) {
        MessageBoxA(nullptr, "The saver window could not be created.", kAppTitle,
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    gForm.Form_Load(ArgumentText(GetCommandLineA()));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND options = OptionsHwnd();
        if (options != nullptr && IsDialogMessageA(options, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace ostrel::win32

namespace ostrel::platform {

void MovePanel(float leftTwips, float topTwips) {
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    SetWindowPos(win32::gPanel, nullptr, static_cast<int>(std::lround(leftTwips / tx)),
                 static_cast<int>(std::lround(topTwips / ty)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ostrel::platform

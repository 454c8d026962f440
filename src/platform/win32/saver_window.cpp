// The saver window and its text panel, and the program's run: the window
// is created hidden, its load handler runs with the command line, and then
// the one message loop delivers the timer ticks and input to its handlers.

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "common/app.h"
#include "platform/win32/text_drawing.h"
#include "platform/win32/win32_app.h"
#include "platform/windowing.h"
#include "startup/command_line.h"
#include "startup/frm_main.h"

namespace ostrel::win32 {

namespace {

HINSTANCE gInstance = nullptr;
HWND gSaver = nullptr;
HWND gPanel = nullptr;
FrmMain gForm;
int gOpenWindows = 0;

// What was painted, for the repaint measurements (OSTREL_PAINT_LOG).
struct PaintCount {
    long long ticks = 0;
    long long windowPixels = 0;
    long long panelPixels = 0;
    long long firstTextMs = -1;
} gPaint;

long long MillisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return static_cast<long long>((b.QuadPart - a.QuadPart) / 10000);
}

constexpr char kSaverClass[] = "OstrelSaverWindow";
constexpr char kPanelClass[] = "OstrelTextPanel";
constexpr UINT_PTR kTimerId = 1;

long long Area(const RECT& r) {
    return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

void WritePaintLog() {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("OSTREL_PAINT_LOG", path, MAX_PATH) == 0) {
        return;
    }
    if (FILE* f = std::fopen(path, "w")) {
        std::fprintf(f, "ticks %lld\nwindow_pixels %lld\npanel_pixels %lld\nfirst_text_ms %lld\n",
                     gPaint.ticks, gPaint.windowPixels, gPaint.panelPixels, gPaint.firstTextMs);
        std::fclose(f);
    }
}

LRESULT CALLBACK SaverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // painted with the rest in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            FillColour(dc, ps.rcPaint, gForm.BackColour);
            gPaint.windowPixels += Area(ps.rcPaint);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_TIMER:
            if (wp == kTimerId) {
                ++gPaint.ticks;
                gForm.timUpdate_Timer();
            }
            return 0;
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
        case WM_MOUSEMOVE:
            gForm.Form_MouseMove();
            return 0;
        case WM_CLOSE:
            gForm.Close();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd, kTimerId);
            gForm.OnDestroyed();
            WritePaintLog();
            gSaver = nullptr;
            gPanel = nullptr;
            WindowClosed();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            const bool drewText = PaintPanel(dc, client, gForm.pbStuff.backColour,
                                             {&gForm.lblInfo, &gForm.lblNetwork});
            if (drewText && gPaint.firstTextMs < 0) {
                gPaint.firstTextMs = MillisecondsSinceProcessStart();
            }
            gPaint.panelPixels += Area(ps.rcPaint);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

RECT LabelRowPixels(const Label& label) {
    RECT client{};
    GetClientRect(gPanel, &client);
    const double ty = platform::TwipsPerPixelY();
    RECT r = client;
    r.top = static_cast<LONG>(std::floor(label.topTwips / ty));
    r.bottom = static_cast<LONG>(std::ceil((label.topTwips + label.heightTwips) / ty));
    return r;
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
    const Panel& p = gForm.pbStuff;
    const double tx = platform::TwipsPerPixelX();
    const double ty = platform::TwipsPerPixelY();
    gPanel = CreateWindowExA(0, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             static_cast<int>(std::lround(p.leftTwips / tx)),
                             static_cast<int>(std::lround(p.topTwips / ty)),
                             static_cast<int>(std::lround(p.widthTwips / tx)),
                             static_cast<int>(std::lround(p.heightTwips / ty)), gSaver, nullptr,
                             gInstance, nullptr);
    // The timer runs from the window's creation; its first tick comes once
    // the load handler has returned and the message loop runs.
    SetTimer(gSaver, kTimerId, static_cast<UINT>(gForm.timUpdateIntervalMs), nullptr);
    return gPanel != nullptr;
}

HINSTANCE Instance() {
    return gInstance;
}
HWND SaverHwnd() {
    return gSaver;
}
HWND PanelHwnd() {
    return gPanel;
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
    if (!CreateSaverWindow(instance)) {
        MessageBoxA(nullptr, "The saver window could not be created.", kAppTitle,
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    gForm.Form_Load(ArgumentText(GetCommandLineA()));
    if (gSaver != nullptr) {
        // The first tick comes as soon as the window is set up, not a whole
        // period after its creation; the period then runs from here.
        SetTimer(gSaver, kTimerId, static_cast<UINT>(gForm.timUpdateIntervalMs), nullptr);
        PostMessageA(gSaver, WM_TIMER, kTimerId, 0);
    }
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
    SetWindowPos(win32::gPanel, nullptr,
                 static_cast<int>(std::lround(leftTwips / TwipsPerPixelX())),
                 static_cast<int>(std::lround(topTwips / TwipsPerPixelY())), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizePanel(std::int32_t widthTwips, std::int32_t heightTwips) {
    SetWindowPos(win32::gPanel, nullptr, 0, 0,
                 static_cast<int>(std::lround(widthTwips / TwipsPerPixelX())),
                 static_cast<int>(std::lround(heightTwips / TwipsPerPixelY())),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RedrawPart(SaverPart part, bool now) {
    using win32::gForm;
    HWND target = part == SaverPart::Window ? win32::gSaver : win32::gPanel;
    if (target == nullptr) {
        return;
    }
    if (part == SaverPart::InfoLabel || part == SaverPart::NetworkLabel) {
        const RECT row =
            win32::LabelRowPixels(part == SaverPart::InfoLabel ? gForm.lblInfo : gForm.lblNetwork);
        InvalidateRect(target, &row, FALSE);
    } else if (part == SaverPart::Panel) {
        InvalidateRect(target, nullptr, FALSE);
    }
    // The window itself is only brought up to date: what changed there is
    // what the panel uncovered, which the system has already marked.
    if (now) {
        UpdateWindow(target);
    }
}

}  // namespace ostrel::platform

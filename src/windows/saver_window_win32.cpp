// The saver window and its text block, and the program's run: the window
// is created hidden, its load handler runs with the command line, and then
// the one message loop delivers the timer ticks and input to its handlers.

#include <windows.h>

#include <cmath>
#include <string>

#include "common/app.h"
#include "windows/message_boundary.h"
#include "windows/paint_measurement.h"
#include "windows/resource_ids.h"
#include "windows/text_drawing.h"
#include "windows/win32_app.h"
#include "platform/windowing.h"
#include "startup/command_line.h"
#include "startup/saver_window.h"

namespace ostrel::win32 {

namespace {

HINSTANCE gInstance = nullptr;
HWND gSaverHwnd = nullptr;
HWND gTextBlockHwnd = nullptr;
SaverWindow gSaver;
int gOpenWindows = 0;

constexpr char kSaverClass[] = "OstrelSaverWindow";
constexpr char kTextBlockClass[] = "OstrelTextPanel";
constexpr UINT_PTR kTimerId = 1;

LRESULT HandleSaverMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // painted with the rest in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            FillColour(dc, ps.rcPaint, gSaver.backColour);
            CountWindowPaint(ps.rcPaint);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_TIMER:
            if (wp == kTimerId) {
                CountTick();
                gSaver.OnTick();
            }
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            gSaver.OnKeyDown();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
            gSaver.OnMouseDown();
            return 0;
        case WM_MOUSEMOVE:
            gSaver.OnMouseMove();
            return 0;
        case WM_CLOSE:
            gSaver.Close();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd, kTimerId);
            gSaver.OnDestroyed();
            WritePaintMeasurement();
            gSaverHwnd = nullptr;
            gTextBlockHwnd = nullptr;
            WindowClosed();
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK SaverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return AtMessageBoundary(0, [&] { return HandleSaverMessage(hwnd, msg, wp, lp); });
}

LRESULT HandleTextBlockMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            const bool drewText = PaintTextBlock(dc, client, gSaver.backColour,
                                                 {&gSaver.infoLabel, &gSaver.networkLabel});
            CountTextBlockPaint(ps.rcPaint, drewText);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK TextBlockProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return AtMessageBoundary(0, [&] { return HandleTextBlockMessage(hwnd, msg, wp, lp); });
}

RECT LabelRowPixels(const Label& label) {
    RECT client{};
    GetClientRect(gTextBlockHwnd, &client);
    const double ty = platform::TwipsPerPixelY();
    RECT r = client;
    r.top = static_cast<LONG>(std::floor(label.topTwips / ty));
    r.bottom = static_cast<LONG>(std::ceil((label.topTwips + label.heightTwips) / ty));
    return r;
}

int Pixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

bool CreateSaverWindow(HINSTANCE instance) {
    gInstance = instance;
    WNDCLASSA wc{};
    wc.lpfnWndProc = SaverProc;
    wc.hInstance = gInstance;
    wc.hIcon = LoadIcon(gInstance, MAKEINTRESOURCE(IDI_APP_ICON));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kSaverClass;
    WNDCLASSA tc{};
    tc.lpfnWndProc = TextBlockProc;
    tc.hInstance = gInstance;
    tc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    tc.lpszClassName = kTextBlockClass;
    if (RegisterClassA(&wc) == 0 || RegisterClassA(&tc) == 0) {
        return false;
    }
    // No border, no title bar, empty caption, hidden until set up.
    gSaverHwnd = CreateWindowExA(0, kSaverClass, "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                 nullptr, nullptr, gInstance, nullptr);
    if (gSaverHwnd == nullptr) {
        return false;
    }
    WindowOpened();
    const TextBlock& b = gSaver.textBlock;
    const double tx = platform::TwipsPerPixelX();
    const double ty = platform::TwipsPerPixelY();
    gTextBlockHwnd =
        CreateWindowExA(0, kTextBlockClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                        Pixels(b.leftTwips, tx), Pixels(b.topTwips, ty), Pixels(b.widthTwips, tx),
                        Pixels(b.heightTwips, ty), gSaverHwnd, nullptr, gInstance, nullptr);
    return gTextBlockHwnd != nullptr;
}

HINSTANCE Instance() {
    return gInstance;
}
HWND SaverHwnd() {
    return gSaverHwnd;
}
HWND TextBlockHwnd() {
    return gTextBlockHwnd;
}
SaverWindow& Saver() {
    return gSaver;
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
    gSaver.Load(ArgumentText(GetCommandLineA()));
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

void StartTicking(std::int32_t intervalMs) {
    if (win32::gSaverHwnd == nullptr) {
        return;
    }
    // The first tick comes as soon as the window is set up, not a whole
    // period later; the period then runs from here.
    SetTimer(win32::gSaverHwnd, win32::kTimerId, static_cast<UINT>(intervalMs), nullptr);
    PostMessageA(win32::gSaverHwnd, WM_TIMER, win32::kTimerId, 0);
}

void MoveTextBlock(float leftTwips, float topTwips) {
    SetWindowPos(win32::gTextBlockHwnd, nullptr, win32::Pixels(leftTwips, TwipsPerPixelX()),
                 win32::Pixels(topTwips, TwipsPerPixelY()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeTextBlock(std::int32_t widthTwips, std::int32_t heightTwips) {
    SetWindowPos(win32::gTextBlockHwnd, nullptr, 0, 0, win32::Pixels(widthTwips, TwipsPerPixelX()),
                 win32::Pixels(heightTwips, TwipsPerPixelY()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RedrawPart(SaverPart part, bool now) {
    const ostrel::SaverWindow& saver = win32::gSaver;
    HWND target = part == SaverPart::Window ? win32::gSaverHwnd : win32::gTextBlockHwnd;
    if (target == nullptr) {
        return;
    }
    if (part == SaverPart::InfoLabel || part == SaverPart::NetworkLabel) {
        const RECT row = win32::LabelRowPixels(part == SaverPart::InfoLabel ? saver.infoLabel
                                                                            : saver.networkLabel);
        InvalidateRect(target, &row, FALSE);
    } else if (part == SaverPart::TextBlock) {
        InvalidateRect(target, nullptr, FALSE);
    }
    // The window itself is only brought up to date: what changed there is
    // what the text block uncovered, which the system has already marked.
    if (now) {
        UpdateWindow(target);
    }
}

}  // namespace ostrel::platform

// The saver window and its text block, and the program's run: the window
// is created hidden, the program's start-up runs with what the command line
// asks for, and then the one message loop delivers the timer ticks and input
// to its handlers.

#include <windows.h>

#include <string>

#include "common/app.h"
#include "platform/windowing.h"
#include "startup/saver_window.h"
#include "windows/message_boundary.h"
#include "windows/paint_measurement.h"
#include "windows/portable/command_line.h"
#include "windows/resource_ids.h"
#include "windows/services_win32.h"
#include "windows/text_drawing.h"

namespace ostrel::win32 {

namespace {

constexpr char kSaverClass[] = "OstrelSaverWindow";
constexpr char kTextBlockClass[] = "OstrelTextPanel";
constexpr UINT_PTR kTimerId = 1;

LRESULT HandleSaverMessage(Program& program, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    SaverWindow& saver = program.saver;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // painted with the rest in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            FillColour(dc, ps.rcPaint, saver.backColour);
            CountWindowPaint(program.paintCount, ps.rcPaint);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_TIMER:
            if (wp == kTimerId) {
                CountTick(program.paintCount);
                saver.OnTick();
            }
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            saver.OnKeyDown();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
            saver.OnMouseDown();
            return 0;
        case WM_MOUSEMOVE:
            saver.OnMouseMove();
            return 0;
        case WM_CLOSE:
            saver.Close();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd, kTimerId);
            saver.OnDestroyed();
            WritePaintMeasurement(program.paintCount, program.network.tableCalls);
            program.saverHwnd = nullptr;
            program.textBlockHwnd = nullptr;
            WindowClosed(program);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

// Both window classes are made with the program as their creation data and
// keep it from their first message on.
Program* ProgramAtCreation(HWND hwnd, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lp);
        AttachProgram(hwnd, *static_cast<Program*>(create->lpCreateParams));
    }
    return ProgramOf(hwnd);
}

LRESULT CALLBACK SaverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Program* program = ProgramAtCreation(hwnd, msg, lp);
    if (program == nullptr) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    return AtMessageBoundary(0, [&] { return HandleSaverMessage(*program, hwnd, msg, wp, lp); });
}

LRESULT HandleTextBlockMessage(Program& program, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const SaverWindow& saver = program.saver;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            const bool drewText =
                PaintTextBlock(dc, client, ps.rcPaint, saver.backColour,
                               {&saver.infoLabel, &saver.networkLabel}, program.fonts);
            CountTextBlockPaint(program.paintCount, ps.rcPaint, drewText);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK TextBlockProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Program* program = ProgramAtCreation(hwnd, msg, lp);
    if (program == nullptr) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    return AtMessageBoundary(0,
                             [&] { return HandleTextBlockMessage(*program, hwnd, msg, wp, lp); });
}

RECT LabelRowPixels(HWND textBlock, const Label& label) {
    RECT client{};
    GetClientRect(textBlock, &client);
    const PixelRows rows = LabelRows(label);
    RECT r = client;
    r.top = rows.top;
    r.bottom = rows.bottom;
    return r;
}

}  // namespace

Program::Program(HINSTANCE instance)
    : instance(instance),
      saver(platform::Services{windowing, store, system, network, shell, dialogs}) {}

Program* ProgramOf(HWND hwnd) {
    return reinterpret_cast<Program*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void AttachProgram(HWND hwnd, Program& program) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&program));
}

bool CreateSaverWindow(Program& program) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = SaverProc;
    wc.hInstance = program.instance;
    wc.hIcon = LoadIcon(program.instance, MAKEINTRESOURCE(IDI_APP_ICON));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kSaverClass;
    WNDCLASSA tc{};
    tc.lpfnWndProc = TextBlockProc;
    tc.hInstance = program.instance;
    tc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    tc.lpszClassName = kTextBlockClass;
    if (RegisterClassA(&wc) == 0 || RegisterClassA(&tc) == 0) {
        return false;
    }
    // No border, no title bar, empty caption, hidden until set up.
    program.saverHwnd = CreateWindowExA(0, kSaverClass, "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                        nullptr, nullptr, program.instance, &program);
    if (program.saverHwnd == nullptr) {
        return false;
    }
    WindowOpened(program);
    const TextBlock& b = program.saver.textBlock;
    program.textBlockHwnd = CreateWindowExA(
        0, kTextBlockClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, PixelsX(b.leftTwips),
        PixelsY(b.topTwips), PixelsX(b.widthTwips), PixelsY(b.heightTwips), program.saverHwnd,
        nullptr, program.instance, &program);
    return program.textBlockHwnd != nullptr;
}

void WindowOpened(Program& program) {
    ++program.openWindows;
}

void WindowClosed(Program& program) {
    if (--program.openWindows <= 0) {
        PostQuitMessage(0);
    }
}

int RunProgram(HINSTANCE instance) {
    Program program(instance);
    if (!CreateSaverWindow(program)) {
        MessageBoxA(nullptr, "The saver window could not be created.", kAppTitle,
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    program.saver.Load(ReadRunRequest(ArgumentText(GetCommandLineA())));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND options = program.options.hwnd;
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

void StartTicking(Windowing& windowing, std::int32_t intervalMs) {
    HWND saver = windowing.program.saverHwnd;
    if (saver == nullptr) {
        return;
    }
    // The first tick comes as soon as the window is set up, not a whole
    // period later; the period then runs from here.
    SetTimer(saver, win32::kTimerId, static_cast<UINT>(intervalMs), nullptr);
    PostMessageA(saver, WM_TIMER, win32::kTimerId, 0);
}

void MoveTextBlock(Windowing& windowing, float leftTwips, float topTwips) {
    const win32::Program& program = windowing.program;
    SetWindowPos(program.textBlockHwnd, nullptr, win32::Pixels(leftTwips, program.twipsPerPixelX),
                 win32::Pixels(topTwips, program.twipsPerPixelY), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeTextBlock(Windowing& windowing, std::int32_t widthTwips, std::int32_t heightTwips) {
    SetWindowPos(windowing.program.textBlockHwnd, nullptr, 0, 0, win32::PixelsX(widthTwips),
                 win32::PixelsY(heightTwips), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RedrawPart(Windowing& windowing, SaverPart part, bool now) {
    const win32::Program& program = windowing.program;
    HWND target = part == SaverPart::Window ? program.saverHwnd : program.textBlockHwnd;
    if (target == nullptr) {
        return;
    }
    if (part == SaverPart::InfoLabel || part == SaverPart::NetworkLabel) {
        const ostrel::SaverWindow& saver = program.saver;
        const RECT row = win32::LabelRowPixels(
            target, part == SaverPart::InfoLabel ? saver.infoLabel : saver.networkLabel);
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

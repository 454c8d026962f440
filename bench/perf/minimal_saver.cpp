// The yardstick for the saver's own cost: the least a program of its kind
// must do. A full-screen window with a child that moves on a 100 ms timer,
// the interface table read every second tick and the memory status once a
// second. Writes the time from process start to its first painted text to
// the file named by OSTREL_PAINT_LOG.

#include <windows.h>
#include <iphlpapi.h>

#include <cstdio>
#include <vector>

namespace {

HWND gChild = nullptr;
int gTick = 0;
long long gFirstTextMs = -1;

long long MillisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return static_cast<long long>((b.QuadPart - a.QuadPart) / 10000);
}

void ReadInterfaces() {
    ULONG size = 0;
    GetIfTable(nullptr, &size, FALSE);
    std::vector<unsigned char> buffer(size + 1);
    GetIfTable(reinterpret_cast<MIB_IFTABLE*>(buffer.data()), &size, FALSE);
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, "minimal\r\nsaver", -1, &r, DT_LEFT | DT_TOP);
        EndPaint(hwnd, &ps);
        if (gFirstTextMs < 0) {
            gFirstTextMs = MillisecondsSinceProcessStart();
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER: {
            if (gTick % 2 == 0) {
                ReadInterfaces();
            }
            if (gTick % 10 == 0) {
                MEMORYSTATUSEX m{};
                m.dwLength = sizeof m;
                GlobalMemoryStatusEx(&m);
            }
            const int x = 100 + (gTick * 7) % 600;
            const int y = 100 + (gTick * 5) % 400;
            SetWindowPos(gChild, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ++gTick;
            return 0;
        }
        case WM_KEYDOWN:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "MinimalSaver";
    RegisterClassA(&wc);
    WNDCLASSA cc{};
    cc.lpfnWndProc = ChildProc;
    cc.hInstance = instance;
    cc.lpszClassName = "MinimalSaverText";
    RegisterClassA(&cc);
    HWND main = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "MinimalSaver",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance, nullptr);
    gChild = CreateWindowExA(0, cc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 100, 100, 200, 100,
                             main, nullptr, instance, nullptr);
    SetTimer(main, 1, 100, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("OSTREL_PAINT_LOG", path, MAX_PATH) != 0) {
        if (FILE* f = std::fopen(path, "w")) {
            std::fprintf(f, "ticks %d\nfirst_text_ms %lld\n", gTick, gFirstTextMs);
            std::fclose(f);
        }
    }
    return 0;
}

// What each system call the running saver repeats costs under Wine, on its
// own: the program's own functions called in a loop, timed in this thread's
// processor time (what the saver's CPU figure counts; the work of wineserver
// and of Wine's driver processes is not in it, for the saver as here).
// Prints one line per call: microseconds of CPU per call.

#include <windows.h>

#include <iphlpapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "display/label.h"
#include "platform/network.h"
#include "windows/gdi.h"
#include "windows/services_win32.h"
#include "windows/text_drawing.h"

namespace {

constexpr double kSecondsEach = 2.0;

double ThreadCpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const ULARGE_INTEGER k{{kernel.dwLowDateTime, kernel.dwHighDateTime}};
    const ULARGE_INTEGER u{{user.dwLowDateTime, user.dwHighDateTime}};
    return static_cast<double>(k.QuadPart + u.QuadPart) / 10.0;
}

// Calls `work` for about kSecondsEach of wall time and prints its CPU per call.
template <typename Work>
void Time(const char* name, Work work) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(kSecondsEach * 1000);
    const double before = ThreadCpuMicroseconds();
    long long calls = 0;
    while (GetTickCount64() < end) {
        work();
        ++calls;
    }
    const double after = ThreadCpuMicroseconds();
    std::printf("%-52s %8.1f us CPU per call (%lld calls)\n", name, (after - before) / calls,
                calls);
}

}  // namespace

int main() {
    using namespace ostrel;
    platform::Network network;
    std::vector<platform::InterfaceOctets> interfaces;
    Time("interface table read (ReadInterfaceOctets)",
         [&] { platform::ReadInterfaceOctets(network, interfaces); });
    Time("GetIfTable asking for the size only", [] {
        ULONG size = 0;
        GetIfTable(nullptr, &size, FALSE);
    });

    win32::TextFonts fonts;
    const platform::TextFont font;
    const std::string line = "Network activity: rx: /  tx: |";
    Time("measuring the network line", [&] { win32::MeasureTextIn(fonts, font, line); });
    Time("screen twips per pixel (one screen DC)", [] { win32::ScreenTwipsPerPixel(LOGPIXELSX); });

    // The default block: seven lines of information and the network line.
    Label info{
        "Computer name: OSTREL\rUptime: 0 days, 1 hour, 2 minutes, 3 seconds\r"
        "Start time: 04:05:06, Mon 1 Jan 2024\rCPU usage: 3%\r"
        "Physical memory: 1,234,567 KB free of 2,345,678 KB (53%)\r"
        "Page file usage: 1,234,567 KB free of 2,345,678 KB (53%)\r"
        "Virtual memory: 1,234,567 KB free of 2,345,678 KB (53%)",
        true,
        0,
        0,
        6000,
        1680,
        font,
        0x00FFFFFF};
    Label net{line, true, 0, 1680, 4000, 240, font, 0x00FFFFFF};
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 480, 150,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const HDC dc = GetDC(window);
    const RECT client{0, 0, 480, 150};
    Time("painting the whole text block", [&] {
        win32::PaintTextBlock(dc, client, client, 0, {&info, &net}, fonts);
    });
    const win32::PixelRows rows = win32::LabelRows(net);
    const RECT row{0, rows.top, client.right, rows.bottom};
    Time("painting the network line's row", [&] {
        win32::PaintTextBlock(dc, client, row, 0, {&info, &net}, fonts);
    });
    ReleaseDC(window, dc);
    DestroyWindow(window);
    return 0;
}

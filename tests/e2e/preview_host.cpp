// A stand-in for the display settings' monitor picture: creates a 152 x 112
// picture window, starts the saver in preview mode with its handle, and
// checks from the window tree what a user of the dialog would rely on.
// Usage: preview_host.exe <path of ostrel.scr>. Prints PASS/FAIL lines;
// the exit code is the number of failures.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int gFailures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what);
    std::fflush(stdout);
    if (!ok) {
        ++gFailures;
    }
}

// Runs the message loop for a while, so that this host answers its windows.
void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindSaverChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

bool Running(HANDLE process) {
    return WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: preview_host <ostrel.scr>\n");
        return 99;
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = "PreviewHostWindow";
    RegisterClassA(&wc);
    HWND frame =
        CreateWindowExA(0, wc.lpszClassName, "Preview Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                        100, 320, 260, nullptr, nullptr, wc.hInstance, nullptr);
    HWND picture = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 40, 40, 152, 112,
                                   frame, nullptr, wc.hInstance, nullptr);
    Pump(200);

    char command[MAX_PATH + 64];
    std::snprintf(command, sizeof command, "\"%s\" /p %lld", argv[1],
                  static_cast<long long>(reinterpret_cast<INT_PTR>(picture)));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        Check(false, "the saver starts");
        return gFailures;
    }

    Search search{pi.dwProcessId, nullptr};
    for (int i = 0; i < 100 && search.found == nullptr; ++i) {
        Pump(100);
        EnumChildWindows(picture, FindSaverChild, reinterpret_cast<LPARAM>(&search));
    }
    Check(search.found != nullptr, "the saver's window is a child of the picture");
    if (search.found != nullptr) {
        Pump(500);
        Check(IsWindowVisible(search.found) != FALSE, "the saver's window is visible");
        RECT child{}, client{};
        GetWindowRect(search.found, &child);
        GetClientRect(picture, &client);
        MapWindowPoints(picture, nullptr, reinterpret_cast<POINT*>(&client), 2);
        Check(EqualRect(&child, &client) != FALSE, "the saver's window covers the picture");
        Check(GetAncestor(search.found, GA_PARENT) == picture,
              "the picture is the saver window's parent");
        // GetParent answers the owner for a pop-up: only a plain child has
        // the picture as its parent there too.
        Check(GetParent(search.found) == picture, "GetParent of the saver window is the picture");
        const LONG style = GetWindowLongA(search.found, GWL_STYLE);
        Check((style & WS_CHILD) != 0 && (style & WS_POPUP) == 0,
              "the saver window is a child, not a pop-up");
        char title[64] = {};
        GetWindowTextA(search.found, title, sizeof title);
        Check(std::string(title).empty(), "the preview window has no caption");

        // Input reaches the preview but never ends it.
        PostMessageA(search.found, WM_KEYDOWN, VK_SPACE, 0);
        PostMessageA(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        for (int i = 0; i < 15; ++i) {
            PostMessageA(search.found, WM_MOUSEMOVE, 0, MAKELPARAM(i, i));
        }
        Pump(1500);
        Check(Running(pi.hProcess), "keys, clicks and moves leave the preview running");
    }

    DestroyWindow(picture);
    bool ended = false;
    for (int i = 0; i < 50 && !ended; ++i) {
        Pump(100);
        ended = !Running(pi.hProcess);
    }
    Check(ended, "destroying the picture ends the saver");
    if (!ended) {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    DestroyWindow(frame);
    return gFailures;
}

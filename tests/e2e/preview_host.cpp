// A stand-in for the display settings' monitor picture: creates a 152 x 112
// picture window, starts the saver in preview mode with its handle, and
// checks from the window tree what a user of the dialog would rely on.
// Runs beside ostrel.scr. Prints PASS/FAIL lines; the exit code is the
// number of failures.

#include <windows.h>

#include <cstdio>

namespace {

int gFailures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what);
    std::fflush(stdout);
    gFailures += ok ? 0 : 1;
}

// Runs the message loop, so that this host answers its windows, until the
// process ends or the time is up; true when it ended.
bool EndsWithin(HANDLE process, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start >= milliseconds) {
            return false;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return true;
}

}  // namespace

int main() {
    HWND frame = CreateWindowExA(0, "STATIC", "Preview Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                 100, 320, 260, nullptr, nullptr, nullptr, nullptr);
    HWND picture = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, 40, 40,
                                   152, 112, frame, nullptr, nullptr, nullptr);

    char command[64];
    std::snprintf(command, sizeof command, "ostrel.scr /p %lld",
                  static_cast<long long>(reinterpret_cast<INT_PTR>(picture)));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        Check(false, "the saver starts");
        return gFailures;
    }

    // The picture has no other child: the first one found is the saver's.
    HWND saver = nullptr;
    for (int i = 0; i < 100 && saver == nullptr; ++i) {
        EndsWithin(pi.hProcess, 100);
        saver = FindWindowExA(picture, nullptr, nullptr, nullptr);
    }
    Check(saver != nullptr, "the saver's window is a child of the picture");
    if (saver != nullptr) {
        EndsWithin(pi.hProcess, 500);
        RECT child{}, client{};
        GetWindowRect(saver, &child);
        GetClientRect(picture, &client);
        MapWindowPoints(picture, nullptr, reinterpret_cast<POINT*>(&client), 2);
        Check(IsWindowVisible(saver) && EqualRect(&child, &client),
              "the saver's window is visible and covers the picture");
        // GetParent answers the owner for a pop-up: only a plain child has
        // the picture as its parent there too.
        const LONG style = GetWindowLongA(saver, GWL_STYLE);
        Check(GetParent(saver) == picture && (style & WS_CHILD) != 0 && (style & WS_POPUP) == 0 &&
                  GetWindowTextLengthA(saver) == 0,
              "the saver window is a plain child of the picture, without a caption");

        // Input reaches the preview but never ends it.
        PostMessageA(saver, WM_KEYDOWN, VK_SPACE, 0);
        PostMessageA(saver, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        for (int i = 0; i < 15; ++i) {
            PostMessageA(saver, WM_MOUSEMOVE, 0, MAKELPARAM(i, i));
        }
        Check(!EndsWithin(pi.hProcess, 1000), "keys, clicks and moves leave the preview running");
    }

    DestroyWindow(picture);
    const bool ended = EndsWithin(pi.hProcess, 5000);
    Check(ended, "destroying the picture ends the saver");
    if (!ended) {
        TerminateProcess(pi.hProcess, 1);
    }
    return gFailures;
}

// A stand-in for the system's display settings window in the end-to-end
// tests: a top-level window titled "Display Properties" that writes whether
// it is enabled ("enabled" or "disabled") to the file named by its argument
// whenever that changes. It runs until the test ends it.

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        return 99;
    }
    HWND window = CreateWindowExA(0, "STATIC", "Display Properties",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100,
                                  400, 450, nullptr, nullptr, nullptr, nullptr);
    int written = -1;
    while (window != nullptr) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        const int enabled = IsWindowEnabled(window) ? 1 : 0;
        if (enabled != written) {
            if (FILE* f = std::fopen(argv[1], "wb")) {
                std::fputs(enabled ? "enabled\n" : "disabled\n", f);
                std::fclose(f);
                written = enabled;
            }
        }
        Sleep(50);
    }
    return 1;
}

// A stand-in for the system's display settings window in the end-to-end
// tests: a top-level window titled "Display Properties" that writes whether
// it is enabled ("enabled" or "disabled") to the file named by its argument
// whenever that changes.

#include <windows.h>

#include <cstdio>

namespace {

const char* gStateFile = nullptr;
int gShown = -1;

void NoteState(HWND hwnd) {
    const int enabled = IsWindowEnabled(hwnd) ? 1 : 0;
    if (enabled == gShown || gStateFile == nullptr) {
        return;
    }
    if (FILE* f = std::fopen(gStateFile, "wb")) {
        std::fputs(enabled ? "enabled\n" : "disabled\n", f);
        std::fclose(f);
        gShown = enabled;
    }
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER:
        case WM_ENABLE:
            NoteState(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

int main(int argc, char** argv) {
    gStateFile = argc > 1 ? argv[1] : nullptr;
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "OstrelTestDisplayProperties";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Display Properties",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 400,
                                450, nullptr, nullptr, wc.hInstance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    SetTimer(hwnd, 1, 100, nullptr);
    NoteState(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

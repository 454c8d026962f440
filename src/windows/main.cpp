// The program's entry point.

#include <windows.h>

#include "windows/win32_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return ostrel::win32::RunProgram(instance);
}

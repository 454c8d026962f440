// The program's entry point.

#include <windows.h>

#include "windows/services_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return ostrel::win32::RunProgram(instance);
}

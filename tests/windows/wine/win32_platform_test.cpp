// The Win32 front end against the real system, run under Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/sysinfo.h"
#include "platform/windowing.h"
#include "windows/resource_ids.h"
#include "windows/services_win32.h"

namespace ostrel {
namespace {

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + "ostrel.scr";
}

TEST(Identity, NamesTheSaverAndCarriesIconManifestAndVersion) {
    const HMODULE module = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << ProgramPath();
    const auto resource = [&](LPCSTR type, LPCSTR name) {
        const HRSRC r = FindResourceA(module, name, type);
        return r == nullptr
                   ? std::string()
                   : std::string(static_cast<const char*>(LockResource(LoadResource(module, r))),
                                 SizeofResource(module, r));
    };
    char text[128] = {};
    ASSERT_GT(LoadStringA(module, IDS_SCREEN_SAVER_NAME, text, sizeof text), 0);
    EXPECT_STREQ(text, "Ostrel Screen Saver");
    ASSERT_GT(LoadStringA(module, IDS_MODULE_DESCRIPTION, text, sizeof text), 0);
    EXPECT_STREQ(text, "SCRNSAVE:Ostrel Screen Saver");
    EXPECT_FALSE(resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_APP_ICON)).empty());
    const std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    for (const char* part :
         {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "<dpiAware"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }

    const std::string path = ProgramPath();
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, data.size(), data.data()));
    const auto query = [&](const char* name) {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueA(data.data(), name, &value, &length) ? value : nullptr;
    };
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(std::pair(fixed->dwFileVersionMS, HIWORD(fixed->dwFileVersionLS)),
              std::pair(static_cast<DWORD>(MAKELONG(4, 1)), WORD{6}));
    for (const auto& [name, value] :
         {std::pair("ProductName", "Ostrel Screen Saver"), std::pair("FileVersion", "1.4.6")}) {
        const auto* found = static_cast<const char*>(
            query((std::string("\\StringFileInfo\\040904B0\\") + name).c_str()));
        EXPECT_STREQ(found ? found : "", value) << name;
    }
    FreeLibrary(module);
}

// The one program of this test process: its window classes can be
// registered once only.
win32::Program& TheProgram() {
    static win32::Program program(GetModuleHandleA(nullptr));
    return program;
}

TEST(SystemIdentity, ComputerNameAndFontsAreTheSystems) {
    win32::Program& program = TheProgram();
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    const auto computer = platform::ComputerName(program.system);
    ASSERT_TRUE(computer.has_value());
    EXPECT_EQ(*computer, std::string(name));
    EXPECT_FALSE(computer->empty());

    EXPECT_TRUE(platform::FontExists(program.windowing, "Tahoma"));
    EXPECT_FALSE(platform::FontExists(program.windowing, "No Such Face Anywhere") ||
                 platform::FontExists(program.windowing, ""));

    EXPECT_NEAR(platform::TwipsPerPixelX(program.windowing), 15.0, 5.0);
    EXPECT_TRUE(platform::ReportsPointerMovesOfMovingBlock(program.windowing));
}

TEST(SaverWindowPlacement, CoversTheDesktopOnTopAndGoesWithBothItsWindows) {
    win32::Program& program = TheProgram();
    ASSERT_TRUE(win32::CreateSaverWindow(program));
    HWND saver = program.saverHwnd;
    platform::Windowing& windowing = program.windowing;

    platform::CoverDesktop(windowing, {-40, -30, 600, 450});
    RECT r{};
    GetWindowRect(saver, &r);
    EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom), std::tuple(-40, -30, 600, 450));
    EXPECT_TRUE(IsWindowVisible(saver));
    EXPECT_NE(GetWindowLongA(saver, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    platform::DestroySaverWindow(windowing);
    EXPECT_EQ(std::pair(program.saverHwnd, program.textBlockHwnd),
              std::pair(HWND{nullptr}, HWND{nullptr}));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {  // the last window's quit message
    }
}

}  // namespace
}  // namespace ostrel

// The Win32 front end against the real system, run under Wine: what the
// end-to-end tests cannot read off the screen.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/sysinfo.h"
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

TEST(SystemInfo, ClocksLocaleAndProcessorsAreTheSystems) {
    platform::SystemInfo system;
    const auto count = platform::ReadHighResolutionCounter(system);
    ASSERT_TRUE(count.has_value());
    const double uptimeSeconds =
        static_cast<double>(*count) / platform::HighResolutionFrequency(system);
    EXPECT_NEAR(uptimeSeconds, GetTickCount64() / 1000.0, 5.0);
    EXPECT_NEAR(platform::TickCountMilliseconds(system) / 1000.0, GetTickCount64() / 1000.0, 5.0);

    const platform::LocalTime now = platform::CurrentLocalTime(system);
    const double seconds = platform::SecondsSinceMidnight(system);
    EXPECT_TRUE(now.year >= 2000 && now.month >= 1 && now.month <= 12 && now.hour < 24);
    EXPECT_TRUE(seconds >= 0 && seconds < 86400);

    for (int month = 1; month <= 12; ++month) {
        EXPECT_FALSE(platform::MonthAbbreviation(system, month).empty()) << month;
    }
    EXPECT_TRUE(platform::MonthAbbreviation(system, 13).empty());
    EXPECT_FALSE(platform::ThousandsSeparator(system).empty());

    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    EXPECT_EQ(platform::ProcessorCount(system),
              static_cast<std::int32_t>(info.dwNumberOfProcessors));
    EXPECT_TRUE(platform::ProcessorFiguresAvailable(system));
}

}  // namespace
}  // namespace ostrel

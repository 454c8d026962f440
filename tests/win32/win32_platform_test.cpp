// The Win32 platform layer against the real system, run under Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movement/screen_extremes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "windows/resource_ids.h"
#include "platform/windowing.h"
#include "settings/registry_store.h"
#include "sources/computer_name.h"

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

class RealRegistry : public ::testing::Test {
  protected:
    const std::string key = "Software\\Ostrel Platform Test";
    void TearDown() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str()); }
};

TEST_F(RealRegistry, StoreRoundTripsTextAndNumbers) {
    const std::uint32_t hklm = platform::kHkeyLocalMachine;
    std::string text = "kept";
    std::int32_t number = 5;
    EXPECT_FALSE(ReadRegistryText(hklm, key, "Name", text) ||
                 ReadRegistryNumber(hklm, key, "Number", number));
    EXPECT_EQ(std::pair(text, number), std::pair(std::string(), 5));

    ASSERT_TRUE(WriteRegistryText(hklm, key, "Name", "Verdana") &&
                WriteRegistryNumber(hklm, key, "Number", -1));
    EXPECT_TRUE(ReadRegistryText(hklm, key, "Name", text) &&
                ReadRegistryNumber(hklm, key, "Number", number));
    EXPECT_EQ(std::pair(text, number), std::pair(std::string("Verdana"), -1));
    EXPECT_FALSE(ReadRegistryNumber(hklm, key, "Name", number));

    // An empty text is stored as its terminating zero alone.
    ASSERT_TRUE(WriteRegistryText(hklm, key, "Empty", ""));
    BYTE raw[8] = {9, 9};
    DWORD type = 0, size = sizeof raw;
    EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Empty", RRF_RT_ANY, &type, raw, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::tuple(type, size, raw[0]), std::tuple(DWORD{REG_SZ}, DWORD{1}, BYTE{0}));
    EXPECT_TRUE(ReadRegistryText(hklm, key, "Empty", text) && text.empty());

    ASSERT_TRUE(WriteRegistryText(hklm, key, "Long", std::string(1100, 'x')));
    EXPECT_FALSE(ReadRegistryText(hklm, key, "Long", text));
    EXPECT_EQ(text, "");
}

TEST(SystemIdentity, ComputerNameFontsAndMonitorsAreTheSystems) {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_EQ(QueryComputerName(), std::string(name));
    EXPECT_FALSE(QueryComputerName().empty());

    EXPECT_TRUE(platform::FontExists("Tahoma"));
    EXPECT_FALSE(platform::FontExists("No Such Face Anywhere") || platform::FontExists(""));

    const ScreenExtremes found = FindScreenExtremes();
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_TRUE(found.primary.right == desktop.right && found.primary.bottom == desktop.bottom);
    EXPECT_TRUE(found.allMonitors.left <= 0 && found.allMonitors.top <= 0 &&
                found.allMonitors.right >= desktop.right &&
                found.allMonitors.bottom >= desktop.bottom);
    EXPECT_NEAR(platform::TwipsPerPixelX(), 15.0, 5.0);
}

}  // namespace
}  // namespace ostrel

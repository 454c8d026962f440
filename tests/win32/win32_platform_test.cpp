// The Win32 platform layer against the real system, run under Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movement/screen_extremes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/win32/resource_ids.h"
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

class Identity : public ::testing::Test {
  protected:
    void SetUp() override {
        module = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << ProgramPath();
    }
    void TearDown() override {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    std::string Resource(LPCSTR type, LPCSTR name) {
        HRSRC r = FindResourceA(module, name, type);
        if (r == nullptr) {
            return "";
        }
        HGLOBAL g = LoadResource(module, r);
        return std::string(static_cast<const char*>(LockResource(g)), SizeofResource(module, r));
    }
    HMODULE module = nullptr;
};

TEST_F(Identity, StringOneNamesTheSaverAndTheDescriptionFollows) {
    char text[128] = {};
    ASSERT_GT(LoadStringA(module, IDS_SCREEN_SAVER_NAME, text, sizeof text), 0);
    EXPECT_STREQ(text, "Ostrel Screen Saver");
    ASSERT_GT(LoadStringA(module, IDS_MODULE_DESCRIPTION, text, sizeof text), 0);
    EXPECT_STREQ(text, "SCRNSAVE:Ostrel Screen Saver");
}

TEST_F(Identity, CarriesIconAndManifest) {
    EXPECT_FALSE(Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_APP_ICON)).empty());
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
}

TEST(ExecutableVersion, Is146NamingTheSaver) {
    const std::string path = ProgramPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(4, 1));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 6);
    char* name = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, "Ostrel Screen Saver");
    char* version = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\FileVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, "1.4.6");
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
    EXPECT_FALSE(ReadRegistryText(hklm, key, "Name", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadRegistryNumber(hklm, key, "Number", number));
    EXPECT_EQ(number, 5);

    ASSERT_TRUE(WriteRegistryText(hklm, key, "Name", "Verdana"));
    ASSERT_TRUE(ReadRegistryText(hklm, key, "Name", text));
    EXPECT_EQ(text, "Verdana");
    ASSERT_TRUE(WriteRegistryNumber(hklm, key, "Number", -1));
    ASSERT_TRUE(ReadRegistryNumber(hklm, key, "Number", number));
    EXPECT_EQ(number, -1);
    EXPECT_FALSE(ReadRegistryNumber(hklm, key, "Name", number));

    ASSERT_TRUE(WriteRegistryText(hklm, key, "Empty", ""));
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &h), ERROR_SUCCESS);
    BYTE raw[8] = {9, 9};
    DWORD type = 0, size = sizeof raw;
    EXPECT_EQ(RegQueryValueExA(h, "Empty", nullptr, &type, raw, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(raw[0], 0);
    RegCloseKey(h);
    ASSERT_TRUE(ReadRegistryText(hklm, key, "Empty", text));
    EXPECT_EQ(text, "");

    ASSERT_TRUE(WriteRegistryText(hklm, key, "Long", std::string(1100, 'x')));
    EXPECT_FALSE(ReadRegistryText(hklm, key, "Long", text));
    EXPECT_EQ(text, "");
}

TEST(SystemIdentity, ComputerNameMatchesTheSystem) {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_EQ(QueryComputerName(), std::string(name));
    EXPECT_FALSE(QueryComputerName().empty());
}

TEST(Monitors, ExtremesCoverTheDesktop) {
    const ScreenExtremes found = FindScreenExtremes();
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(found.primary.right, desktop.right);
    EXPECT_EQ(found.primary.bottom, desktop.bottom);
    EXPECT_LE(found.allMonitors.left, 0);
    EXPECT_LE(found.allMonitors.top, 0);
    EXPECT_GE(found.allMonitors.right, desktop.right);
    EXPECT_GE(found.allMonitors.bottom, desktop.bottom);
    EXPECT_NEAR(platform::TwipsPerPixelX(), 15.0, 5.0);
}

TEST(Fonts, KnowsWhichFacesExist) {
    EXPECT_TRUE(platform::FontExists("Tahoma"));
    EXPECT_FALSE(platform::FontExists("No Such Face Anywhere"));
    EXPECT_FALSE(platform::FontExists(""));
}

}  // namespace
}  // namespace ostrel

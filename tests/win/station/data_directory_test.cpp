// Where the settings files go: the ".\setting" file of the current folder decides.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "station/core/qel_config_app.h"

namespace {

class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(sizeof(saved), saved);
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "lumora-datadir-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        SetCurrentDirectoryA(folder.c_str());
    }
    void TearDown() override {
        DeleteFileA(".\\setting");
        SetCurrentDirectoryA(saved);
        RemoveDirectoryA(folder.c_str());
    }
    void Write(const char* key, const char* value) { WritePrivateProfileStringA("config", key, value, ".\\setting"); }

    char saved[MAX_PATH] = {};
    std::string folder;
};

std::string LocalAppData() {
    char value[128] = {};
    DWORD size = sizeof(value) - 1;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Volatile Environment", 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    LONG rc = RegQueryValueExA(key, "LOCALAPPDATA", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && value[0] ? std::string(value) + "\\" : std::string();
}

TEST_F(DataDirectoryTest, SettingFileChoosesTheFolder) {
    // No file: the local application-data folder, or the current folder when there is none.
    CQelConfigApp::ReadDataDirectory();
    std::string local = LocalAppData();
    EXPECT_EQ(CQelConfigApp::DataDirectory(), local.empty() ? ".\\" : local);
    EXPECT_EQ(CQelConfigApp::IsCustomDataDirectory(), 0);

    Write("type", "2");
    Write("dir", "D:\\profiles\\");
    CQelConfigApp::ReadDataDirectory();
    EXPECT_EQ(CQelConfigApp::DataDirectory(), "D:\\profiles\\");
    EXPECT_EQ(CQelConfigApp::IsCustomDataDirectory(), 1);

    Write("dir", nullptr);
    CQelConfigApp::ReadDataDirectory();
    EXPECT_EQ(CQelConfigApp::DataDirectory(), ".\\");

    // An unknown type leaves no folder: the current one is named explicitly, never the
    // empty text that would send the private-profile functions to the Windows folder.
    Write("type", "3");
    CQelConfigApp::ReadDataDirectory();
    EXPECT_EQ(CQelConfigApp::DataDirectory(), ".\\");
    EXPECT_EQ(CQelConfigApp::IsCustomDataDirectory(), 0);
}

TEST(CommandLine, OnlyTheWholeLineSilences) {
    const struct {
        const char* line;
        bool silent;
    } cases[] = {{"-s", true}, {"-S", true}, {"-s x", false}, {"/s", false}, {"", false}, {" -s", false}, {nullptr, false}};
    for (const auto& c : cases) EXPECT_EQ(CQelConfigApp::IsSilentCommandLine(c.line), c.silent) << (c.line ? c.line : "null");
}

}  // namespace

#include "station/core/settings/settings_file.h"

#include <cstring>

#include "shared/adapter/adapter_identity.h"
#include "station/core/settings/ini_text.h"
#include "station/core/qel_config_app.h"
#include "station/profiles/profile_keys.h"
#include "station/profiles/profile_list.h"

namespace {

constexpr DWORD kFirstNamesBuffer = 1000;
constexpr DWORD kMaxNamesBuffer = 16u << 20;        // a file this full of names is not ours
constexpr LONGLONG kMaxSettingsFile = 64LL << 20;  // nor a settings file this large

bool ReadWholeFile(const std::string& path, std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > kMaxSettingsFile) {
        ok = false;
    } else {
        contents.resize(static_cast<size_t>(size.QuadPart));
        DWORD done = 0;
        if (!contents.empty() &&
            (!ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &done, nullptr) ||
             done != contents.size()))
            ok = false;
    }
    CloseHandle(file);
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    bool ok = contents.empty() ||
              (WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &done, nullptr) &&
               done == contents.size());
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    return ok;
}

}  // namespace

std::string SettingsFilePath(const std::string& name, int kind, int useProgramDir) {
    const std::string& folder =
        useProgramDir == 1 ? CQelConfigApp::ProgramDirectory() : CQelConfigApp::DataDirectory();
    return SettingsFileName(folder, g_ChipIndex, name, kind);
}

DWORD ReadIniValue(const std::string& name, int kind, const char* section, const char* key, char* buffer,
                   DWORD size, int useProgramDir) {
    if (!buffer || size == 0) return 0;
    // One character more than the caller takes: a quoted value that just fills the buffer
    // would come back without its last character, taken for the closing quote.
    std::vector<char> answer(static_cast<size_t>(size) + 1, 0);
    DWORD n = GetPrivateProfileStringA(section, key, "", answer.data(), size + 1,
                                       SettingsFilePath(name, kind, useProgramDir).c_str());
    if (n > size - 1) n = size - 1;
    std::memcpy(buffer, answer.data(), n);
    buffer[n] = 0;
    return n;
}

std::string ReadIniValue(const std::string& name, int kind, const char* section, const char* key,
                         int useProgramDir) {
    char buffer[1024] = {};
    DWORD n = ReadIniValue(name, kind, section, key, buffer, sizeof(buffer), useProgramDir);
    return std::string(buffer, n);
}

BOOL WriteIniValue(const std::string& name, int kind, const char* section, const char* key, const char* value,
                   int useProgramDir) {
    const std::string path = SettingsFilePath(name, kind, useProgramDir);
    if (!value) return WritePrivateProfileStringA(section, key, nullptr, path.c_str());
    return WritePrivateProfileStringA(section, key, EncodeIniValue(value).c_str(), path.c_str());
}

void ClearIniSection(const std::string& name, const char* section) {
    const std::string path = SettingsFilePath(name, kSettingsProfiles);
    for (size_t i = 0; i < kProfileKeyCount; ++i)
        WritePrivateProfileStringA(section, kProfileKeys[i], "", path.c_str());
}

void ReadIniSectionNames(const std::string& name, std::vector<std::string>& list) {
    list.clear();
    const std::string path = SettingsFilePath(name, kSettingsProfiles);
    // A full buffer comes back as size - 2: grow until the names fit, or later profiles vanish.
    std::vector<char> buffer;
    DWORD length = 0;
    for (DWORD size = kFirstNamesBuffer;; size *= 2) {
        buffer.assign(size, 0);
        length = GetPrivateProfileSectionNamesA(buffer.data(), size, path.c_str());
        if (length + 2 < size || size >= kMaxNamesBuffer) break;
    }
    for (DWORD at = 0; at < length && buffer[at];) {
        std::string section(buffer.data() + at);
        at += static_cast<DWORD>(section.size()) + 1;
        list.push_back(std::move(section));
    }
}

int IniSectionExists(const std::string& name, const char* section) {
    if (!section) return 0;
    std::vector<std::string> list;
    ReadIniSectionNames(name, list);
    // The private-profile functions take "prof1" for "[PROF1]": so does this test, or a new
    // profile would silently overwrite an old one.
    for (const std::string& s : list)
        if (SameProfileName(s, section)) return 1;
    return 0;
}

int WriteIniFile(const std::string& name, const char* section) {
    const std::string path = SettingsFilePath(name, kSettingsProfiles);
    // Writes the profile functions may still hold go to disk before the file is read.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    std::string contents;
    if (!ReadWholeFile(path, contents)) return 0;

    const std::string temp = path + ".new";
    if (!WriteWholeFile(temp, RemoveIniSection(contents, section ? section : ""))) {
        DeleteFileA(temp.c_str());
        return 0;
    }
    if (!MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return 0;
    }
    return 1;
}

void UpdateIniConfigSection(const std::string& name, const char* section) {
    for (size_t i = 0; i < kProfileKeyCount; ++i) {
        char value[128] = {};
        ReadIniValue(name, kSettingsProfiles, section, kProfileKeys[i], value, sizeof(value));
        WriteIniValue(name, kSettingsStation, "Config", kProfileKeys[i], value);
    }
}

std::string IniFileSource::Read(const char* section, const char* key, size_t maxChars) const {
    std::vector<char> buffer(maxChars + 1, 0);
    const DWORD n = ReadIniValue(m_name, m_kind, section, key, buffer.data(), static_cast<DWORD>(buffer.size()));
    return std::string(buffer.data(), n < buffer.size() ? n : buffer.size() - 1);
}

#pragma once
// The per-adapter settings files, read and written key by key through the private-profile
// functions. name is the adapter name of the file (its NetCfgInstanceId in practice), kind a
// SettingsKind; the folder is the data directory, or the program directory on request.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "station/core/settings/settings_names.h"
#include "station/core/settings/settings_source.h"

// Full path of a settings file of the selected chip.
std::string SettingsFilePath(const std::string& name, int kind, int useProgramDir = 0);

// The value, or "" when the file, the section or the key is missing; at most size - 1
// characters, and exactly what WriteIniValue was given when it fits. Returns the length copied.
DWORD ReadIniValue(const std::string& name, int kind, const char* section, const char* key, char* buffer,
                   DWORD size, int useProgramDir = 0);
std::string ReadIniValue(const std::string& name, int kind, const char* section, const char* key,
                         int useProgramDir = 0);
// value in the form that reads back unchanged (EncodeIniValue); a null value deletes the key.
BOOL WriteIniValue(const std::string& name, int kind, const char* section, const char* key, const char* value,
                   int useProgramDir = 0);

// Writes every profile key of section in the "_prof" file empty; ActiveTime stays.
void ClearIniSection(const std::string& name, const char* section);

// The section names of the "_prof" file in file order, however many there are.
void ReadIniSectionNames(const std::string& name, std::vector<std::string>& list);
// 1 when the "_prof" file has a section of that name, letter case aside (as the
// private-profile functions see it), else 0.
int IniSectionExists(const std::string& name, const char* section);

// Rewrites the "_prof" file without section; every other section stays as it was. The new
// text goes to a file beside it that then replaces the old one in one step, so a failure
// part-way leaves the old file whole. 1 on success, 0 when the file cannot be read or replaced.
int WriteIniFile(const std::string& name, const char* section);

// Copies each profile key of section in "_prof" into section "Config" of "_sta".
void UpdateIniConfigSection(const std::string& name, const char* section);

// One settings file read through the private-profile functions.
class IniFileSource : public SettingsSource {
public:
    IniFileSource(std::string name, int kind) : m_name(std::move(name)), m_kind(kind) {}
    std::string Read(const char* section, const char* key, size_t maxChars) const override;

private:
    std::string m_name;
    int m_kind;
};

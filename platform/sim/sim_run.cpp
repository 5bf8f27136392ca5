// What carries over between the programs of one run, that is every program started on the
// same scenario file while another of them runs: the adapters' driver keys (shared, then
// handed from program to program), the log of the programs they started, and the start of
// a program that stands beside the one that asks for it.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr const char* kUsersRoot = "Software\\WlSim\\KeyUsers\\";
constexpr const char* kRunsRoot = "Software\\WlSim\\Runs\\";

// Key names cannot hold a backslash; driver names do.
std::string UsersKey(const std::string& driverName) {
    std::string name = driverName;
    for (char& c : name)
        if (c == '\\') c = '#';
    return kUsersRoot + name;
}

std::string PidName(DWORD pid) { return std::to_string(pid); }

// The program a command line names, as WinExec reads it: quoted, or up to the first blank.
std::string ProgramOf(const std::string& line) {
    if (!line.empty() && line[0] == '"') {
        const std::size_t end = line.find('"', 1);
        return line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    }
    return line.substr(0, line.find(' '));
}

bool EndsWithExe(const std::string& name) {
    return name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void CreateStableKey(const char* path) {
    std::string name = path;
    while (!name.empty() && name.back() == '\\') name.pop_back();
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &k,
                        nullptr) == ERROR_SUCCESS)
        RegCloseKey(k);
}

bool ProcessAlive(DWORD pid) {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    bool alive = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return alive;
}

KeyBookLock::KeyBookLock() : mutex_(CreateMutexA(nullptr, FALSE, "WlSim.DriverKeys")) {
    if (mutex_) WaitForSingleObject(mutex_, 10000);
}

KeyBookLock::~KeyBookLock() {
    if (!mutex_) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

void NoteKeyUser(const std::string& driverName, DWORD pid) {
    CreateStableKey(kUsersRoot);
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, UsersKey(driverName).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(k, PidName(pid).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pid), sizeof(pid));
    RegCloseKey(k);
}

bool IsKeyUser(const std::string& driverName, DWORD pid) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UsersKey(driverName).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExA(k, PidName(pid).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(k);
    return found;
}

void ForgetKeyUser(const std::string& driverName, DWORD pid) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UsersKey(driverName).c_str(), 0, KEY_WRITE, &k) != ERROR_SUCCESS) return;
    RegDeleteValueA(k, PidName(pid).c_str());
    RegCloseKey(k);
}

void ForgetKeyUsers(const std::string& driverName) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, UsersKey(driverName).c_str());
}

DWORD OtherLiveKeyUser(const std::string& driverName, DWORD except) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UsersKey(driverName).c_str(), 0, KEY_READ | KEY_WRITE, &k) !=
        ERROR_SUCCESS)
        return 0;
    std::vector<DWORD> users, gone;
    for (DWORD i = 0;; ++i) {
        char name[32];
        DWORD nameSize = sizeof name, type = 0, pid = 0, size = sizeof pid;
        if (RegEnumValueA(k, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(&pid), &size) !=
            ERROR_SUCCESS)
            break;
        if (type == REG_DWORD && size == sizeof pid) users.push_back(pid);
    }
    DWORD found = 0;
    for (DWORD pid : users) {
        if (pid == except) continue;
        if (!ProcessAlive(pid)) gone.push_back(pid);
        else if (!found) found = pid;
    }
    for (DWORD pid : gone) RegDeleteValueA(k, PidName(pid).c_str());
    RegCloseKey(k);
    return found;
}

std::string ScenarioKeyName(const char* root, const std::string& scenarioPath) {
    char full[MAX_PATH * 4];
    DWORD n = GetFullPathNameA(scenarioPath.c_str(), sizeof full, full, nullptr);
    std::string path = (n > 0 && n < sizeof full) ? std::string(full, n) : scenarioPath;
    // FNV-1a over the lower-case path: key names are short and cannot hold backslashes.
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : path) {
        h ^= static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
        h *= 0x100000001b3ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return std::string(root) + hex;
}

void AttachRun(World::State& s, const std::string& scenarioPath) {
    s.runKey = ScenarioKeyName(kRunsRoot, scenarioPath);
    CreateStableKey(kRunsRoot);
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, s.runKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &k, nullptr) == ERROR_SUCCESS)
        RegCloseKey(k);
}

void LogRunProgram(const World::State& s, const std::string& commandLine) {
    if (s.runKey.empty()) return;
    KeyBookLock book;  // programs of the run append at the same time
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s.runKey.c_str(), 0, KEY_READ | KEY_WRITE, &k) != ERROR_SUCCESS) return;
    DWORD count = 0;
    RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    char name[16];
    std::snprintf(name, sizeof name, "%06lu", static_cast<unsigned long>(count));
    RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(commandLine.c_str()),
                   static_cast<DWORD>(commandLine.size() + 1));
    RegCloseKey(k);
}

// The tips live in a subkey of the run's key, one value per program file name.
static std::string RunTrayKey(const std::string& runKey) { return runKey + "\\Tray"; }

static std::string OwnFileName() {
    char self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, self, sizeof self - 1);
    const std::string path(self, n < sizeof self ? n : 0);
    return path.substr(path.find_last_of("\\/") + 1);
}

void NoteRunTrayTip(World::State& s, const std::string& tip) {
    if (s.runKey.empty() || tip == s.runTrayTip) return;
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, RunTrayKey(s.runKey).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(k, OwnFileName().c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(tip.c_str()),
                   static_cast<DWORD>(tip.size() + 1));
    RegCloseKey(k);
    s.runTrayTip = tip;
}

std::string World::RunTrayTip(const std::string& program) const {
    std::string key;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        key = state_->runKey;
    }
    HKEY k = nullptr;
    if (key.empty() || RegOpenKeyExA(HKEY_LOCAL_MACHINE, RunTrayKey(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return {};
    char text[256] = {};
    DWORD type = 0, size = sizeof text - 1;
    const bool ok = RegQueryValueExA(k, program.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
                        ERROR_SUCCESS && type == REG_SZ;
    RegCloseKey(k);
    return ok ? std::string(text, strnlen(text, sizeof text)) : std::string();
}

DWORD StartBesideCaller(const std::string& commandLine, UINT show) {
    std::string program = ProgramOf(commandLine);
    if (program.empty() || program.find_first_of("\\/:") != std::string::npos) return 0;
    if (program.find('.') == std::string::npos) program += ".exe";
    if (!EndsWithExe(program)) return 0;
    char self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, self, sizeof self - 1);
    if (n == 0 || n >= sizeof self - 1) return 0;
    char* slash = std::strrchr(self, '\\');
    if (!slash) return 0;
    const std::string path = std::string(self, slash + 1) + program;
    if (!FileExists(path)) return 0;

    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return pi.dwProcessId;
}

std::vector<std::string> World::RunPrograms() const {
    std::string key;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        key = state_->runKey;
    }
    std::vector<std::pair<std::string, std::string>> named;
    std::vector<std::string> lines;
    HKEY k = nullptr;
    if (key.empty() || RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return lines;
    for (DWORD i = 0;; ++i) {
        char name[16];
        char text[1024];
        DWORD nameSize = sizeof name, type = 0, size = sizeof text - 1;
        if (RegEnumValueA(k, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS)
            break;
        if (type != REG_SZ) continue;
        text[size < sizeof text ? size : sizeof text - 1] = 0;
        named.emplace_back(name, text);
    }
    RegCloseKey(k);
    // The registry does not promise an order: the names count up.
    std::sort(named.begin(), named.end());
    for (auto& [name, text] : named) lines.push_back(std::move(text));
    return lines;
}

void World::DiscardRunLog() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->runKey.empty()) return;
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, RunTrayKey(state_->runKey).c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, state_->runKey.c_str());
    state_->runKey.clear();
}

}  // namespace platform::sim

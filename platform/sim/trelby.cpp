// The mode-switch tool of the simulated machine. The utilities start it with
//   "Trelby.exe" ON <station> <access point> "<maker>" USB|PCI <chip> <hardware id>
//   "Trelby.exe" OFF <station> <access point> "<product>"
// It waits until the side that asked has ended (that program holds the suite's instance
// mutex until then), then starts the other side's program from its own folder, in the same
// simulated world. The driver's mode itself is switched by the simulated WinExec that
// started it. Exit code 0 when the other side was started, 1 for a command line it does not
// know, 2 when the asking side did not end.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/programs.h"

namespace {

constexpr const char* kInstanceMutex = "KV30";
constexpr DWORD kEndWaitMs = 30000;

std::vector<std::string> Words(const char* commandLine) {
    std::vector<std::string> words;
    const std::string line = commandLine ? commandLine : "";
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            const std::size_t end = line.find('"', i + 1);
            word = line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            i = end == std::string::npos ? line.size() : end + 1;
        } else {
            const std::size_t end = line.find_first_of(" \t", i);
            word = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
            i = end == std::string::npos ? line.size() : end;
        }
        words.push_back(word);
    }
    return words;
}

bool InstanceMutexHeld() {
    HANDLE held = OpenMutexA(SYNCHRONIZE, FALSE, kInstanceMutex);
    if (!held) return false;
    CloseHandle(held);
    return true;
}

bool PlainName(const std::string& name) {
    if (name.empty() || name.size() > 64) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const std::vector<std::string> words = Words(commandLine);
    if (words.size() < 4 || (words[0] != "ON" && words[0] != "OFF")) return 1;
    const std::string& other = words[0] == "ON" ? words[2] : words[1];
    if (!PlainName(other)) return 1;

    for (DWORD waited = 0; InstanceMutexHeld(); waited += 50) {
        if (waited >= kEndWaitMs) return 2;
        Sleep(50);
    }
    platform::Init();
    platform::Outside().WinExec(("\"" + other + ".exe\"").c_str(), SW_SHOWNORMAL);
    return 0;
}

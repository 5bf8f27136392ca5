#pragma once
// The end-to-end runs: the suite's programs started from the suite folder as real processes,
// one simulated world (a scenario file of the test's own) shared by all of them, driven the
// way a user would, through their windows.
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "tests/win/softap/process_util.h"

namespace e2e {

using namespace proctest;

constexpr UINT kLumoraExit = 32776, kSwitchToApMode = 32781, kSwitchToStationMode = 32778, kTrayLaunch = 32774;
constexpr const char* kPelcorTitle = "Internet  Connection Sharing with DaduVE";

struct ControlSearch {
    int id;
    const char* cls;  // nullptr: any class
    HWND found;
};

inline BOOL CALLBACK FindControl(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<ControlSearch*>(p);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (GetDlgCtrlID(w) == s->id && (!s->cls || _stricmp(cls, s->cls) == 0) && IsWindowVisible(w)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

// A visible control of that id anywhere under a window (a page's control under its sheet).
inline HWND Control(HWND top, int id, const char* cls = nullptr) {
    ControlSearch s{id, cls, nullptr};
    EnumChildWindows(top, FindControl, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

inline HWND WaitForControl(HWND top, int id, const char* cls = nullptr, DWORD ms = 10000) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (HWND c = Control(top, id, cls)) return c;
        Sleep(50);
    }
    return nullptr;
}

// Text of a window of another process (WM_GETTEXT crosses processes).
inline std::string Text(HWND w) {
    char text[512] = {};
    if (w) SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

inline bool WaitFor(const std::function<bool()>& done, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

// A cell of a list view of another process: the item and its text live in that process.
inline std::string ListText(HWND list, int row, int column) {
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return {};
    std::string text;
    constexpr SIZE_T kText = 256;
    if (auto* remote = static_cast<char*>(
            VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kText, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = remote + sizeof item;
        item.cchTextMax = kText;
        char buffer[kText] = {};
        DWORD_PTR length = 0;
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
            SendMessageTimeoutA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                &length) &&
            ReadProcessMemory(process, remote + sizeof item, buffer, kText - 1, nullptr))
            text = buffer;
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

inline int ListRows(HWND list) {
    DWORD_PTR rows = 0;
    if (!list || !SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &rows)) return -1;
    return static_cast<int>(rows);
}

inline void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class EndToEndTest : public ProcessTest {
protected:
    // The scenario with one line replaced (the first that starts with from).
    void ReplaceLine(const std::string& from, const std::string& to) {
        std::string text = ReadFileText(scenario);
        const size_t at = text.find("\n" + from);
        ASSERT_NE(at, std::string::npos) << from;
        const size_t end = text.find('\n', at + 1);
        text.replace(at + 1, end - at - 1, to);
        std::ofstream(scenario, std::ios::binary) << text;
    }
    // Lines of the (first) adapter.
    void AddAdapterLines(const std::string& lines) {
        std::string text = ReadFileText(scenario);
        const size_t at = text.find("[adapter]\n");
        ASSERT_NE(at, std::string::npos);
        text.insert(at + 10, lines + "\n");
        std::ofstream(scenario, std::ios::binary) << text;
    }
    std::string Suite(const char* program) const {
        return WindowsPath(std::string("Z:") + SUITE_DIR + "/" + program);
    }
    // What a program of the run shows in its tray icon's tip now.
    std::string TrayTip(const char* program) const {
        platform::sim::World w;
        if (!w.LoadFile(scenario)) return "<no world>";
        return w.RunTrayTip(program);
    }
    bool WaitForTrayTip(const char* program, const std::string& part, DWORD ms) {
        return WaitFor([&] { return TrayTip(program).find(part) != std::string::npos; }, ms);
    }
    // The sharing of a connection as a program started now would find it.
    std::string Sharing(const std::string& name) {
        platform::sim::World w;
        if (!w.LoadFile(scenario)) return "<no world>";
        for (const auto& c : w.Connections())
            if (c.name == name)
                return c.sharing == platform::sim::IcsRole::None     ? "none"
                       : c.sharing == platform::sim::IcsRole::Public ? "public"
                                                                      : "private";
        return "<no connection>";
    }
    // Shows a page of a sheet of another process by its index.
    static void ShowPage(HWND sheet, int index) {
        SendMessageTimeoutA(sheet, PSM_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    }
    static bool WaitForEnd(const PROCESS_INFORMATION& p, DWORD ms) {
        return WaitForSingleObject(p.hProcess, ms) == WAIT_OBJECT_0;
    }
    static DWORD ExitCode(const PROCESS_INFORMATION& p) {
        DWORD code = 99;
        GetExitCodeProcess(p.hProcess, &code);
        return code;
    }
};

}  // namespace e2e

// Simulated outside programs, tray icon and message boxes.
#include "platform/sim/world_state.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace platform::sim {
namespace {

class SimPrograms final : public Programs {
public:
    explicit SimPrograms(World& w) : w_(w) {}

    UINT WinExec(const char* commandLine, UINT show) override {
        World::State& s = w_.Internal();
        const std::string line = commandLine ? commandLine : "";
        std::vector<std::string> keys;
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            s.Sync();
            s.programs.push_back({line, show, s.journal.size()});
            LogRunProgram(s, line);
            if (commandLine) ApplyModeSwitch(s, commandLine);
            if (commandLine && NamesQuennet(commandLine)) {
                WriteQuennetListing(s);
                return 33;
            }
            // Worlds that tests load from text start nothing.
            if (s.runKey.empty()) return 33;
            for (const AdapterState& a : s.adapters)
                if (!a.driverName.empty()) keys.push_back(a.driverName);
        }
        // One of the suite's programs beside this one starts for real, in the same world; it
        // shares the adapters from its first moment, even when this program ends at once.
        KeyBookLock book;
        if (DWORD pid = StartBesideCaller(line, show))
            for (const std::string& key : keys) NoteKeyUser(key, pid);
        return 33;
    }

    HINSTANCE ShellExecute(HWND, const char* verb, const char* file, const char* parameters, const char*,
                           int show) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (!file || !*file) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(ERROR_FILE_NOT_FOUND));
        s.shellOpens.push_back({verb ? verb : "", file, parameters ? parameters : "", show, GetCurrentThreadId()});
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
    }

    BOOL WinHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (!file || !*file) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        s.helpRequests.push_back({owner, file, command, data});
        return TRUE;
    }

private:
    // The batch file's listing goes where its output redirection puts it: "Quennet.txt" in
    // the current folder. The simulated machine writes it at once.
    static bool NamesQuennet(const std::string& line) {
        std::string program;
        if (!line.empty() && line[0] == '"') {
            std::size_t end = line.find('"', 1);
            program = line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
        } else {
            program = line.substr(0, line.find(' '));
        }
        std::size_t slash = program.find_last_of("\\/");
        if (slash != std::string::npos) program.erase(0, slash + 1);
        return _stricmp(program.c_str(), "Quennet.bat") == 0;
    }

    static void WriteQuennetListing(const World::State& s) {
        const std::string text = IpConfigListing(s.connections);
        if (std::FILE* f = std::fopen("Quennet.txt", "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }

    static constexpr std::uint32_t kOidOpMode = 0xFF0C001A;

    // The mode-switch tool leaves the driver in the mode it was asked for: "ON" the adapter
    // whose hardware id ends the command line, "OFF" every adapter (its line names none).
    static void ApplyModeSwitch(World::State& s, const std::string& line) {
        const std::string tool = "\"Trelby.exe\" ";
        if (line.compare(0, tool.size(), tool) != 0) return;
        const std::string rest = line.substr(tool.size());
        const bool on = rest.compare(0, 3, "ON ") == 0;
        if (!on && rest.compare(0, 4, "OFF ") != 0) return;
        const std::string id = line.substr(line.find_last_of(' ') + 1);
        for (AdapterState& a : s.adapters) {
            if (on && !NamesAdapter(a.spec, id)) continue;
            a.spec.oidAnswers[kOidOpMode] = {static_cast<std::uint8_t>(on ? 1 : 0), 0, 0, 0};
            a.lastSet.erase(kOidOpMode);  // what the program set before the switch is gone
        }
    }

    // The tool gets the first 21 characters of the hardware id, upper case.
    static bool NamesAdapter(const AdapterSpec& spec, const std::string& id) {
        for (const std::string& hw : spec.hardwareIds) {
            std::string head = hw.substr(0, 21);
            for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (!id.empty() && head == id) return true;
        }
        return false;
    }

    World& w_;
};

class SimTrayIcon final : public TrayIcon {
public:
    explicit SimTrayIcon(World& w) : w_(w) {}

    BOOL Notify(DWORD message, NOTIFYICONDATAA* data) override {
        World::State& s = w_.Internal();
        TrayCall call;
        call.message = message;
        if (data) {
            call.flags = data->uFlags;
            call.id = data->uID;
            call.icon = data->hIcon;
            if (data->uFlags & NIF_TIP) call.tip.assign(data->szTip, strnlen(data->szTip, sizeof data->szTip));
        }
        bool forceFail;
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            s.Sync();
            forceFail = s.trayFailures > 0;
            if (forceFail) --s.trayFailures;
        }
        // The real shell too, so that the icon can be seen on screen.
        BOOL result = forceFail || !data ? FALSE : Shell_NotifyIconA(message, data);
        call.result = result;
        call.forcedFailure = forceFail;

        std::lock_guard<std::mutex> lock(s.mutex);
        TrayRecord& t = s.tray;
        if (result && data) {
            if (message == NIM_ADD) {
                t.present = true;
                t.owner = data->hWnd;
                t.id = data->uID;
            } else if (message == NIM_DELETE) {
                t.present = false;
            }
            if (message != NIM_DELETE) {
                if (data->uFlags & NIF_ICON) t.icon = data->hIcon;
                if (data->uFlags & NIF_TIP) t.tip = call.tip;
                if (data->uFlags & NIF_MESSAGE) t.callbackMessage = data->uCallbackMessage;
            }
            t.flags = data->uFlags;
            NoteRunTrayTip(s, t.present ? t.tip : std::string());
        }
        t.calls.push_back(std::move(call));
        return result;
    }

private:
    World& w_;
};

class SimMessageBoxes final : public MessageBoxes {
public:
    explicit SimMessageBoxes(World& w) : w_(w) {}

    int Show(HWND owner, const char* text, const char* caption, UINT type) override {
        World::State& s = w_.Internal();
        MessageBoxCall call{owner, text ? text : "", caption ? caption : "", type, 0};
        World::MessageBoxAnswerer answerer;
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            s.Sync();
            answerer = s.answerer;
        }
        // Unlocked: the answerer may act on the world as a user could while the box is open.
        call.answer = answerer ? answerer(call) : MessageBoxA(owner, text, caption, type);
        std::lock_guard<std::mutex> lock(s.mutex);
        s.boxes.push_back(call);
        return call.answer;
    }

private:
    World& w_;
};

}  // namespace

std::unique_ptr<Programs> MakeSimPrograms(World& w) { return std::make_unique<SimPrograms>(w); }
std::unique_ptr<TrayIcon> MakeSimTrayIcon(World& w) { return std::make_unique<SimTrayIcon>(w); }
std::unique_ptr<MessageBoxes> MakeSimMessageBoxes(World& w) { return std::make_unique<SimMessageBoxes>(w); }

}  // namespace platform::sim

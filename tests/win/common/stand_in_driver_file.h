#pragma once
// The stand-in driver file placed where an About page looks for it, with a known date;
// whatever stood there before comes back afterwards.
#include <windows.h>

#include <string>

namespace testutil {

class StandInDriverFile {
public:
    // relativePath: under the system directory, "\drivers\<name>"; empty for none.
    explicit StandInDriverFile(const std::string& relativePath) {
        if (relativePath.empty()) return;
        char system[MAX_PATH] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        path_ = system + relativePath;
        saved_ = path_ + ".saved-by-test";
        hadOne_ = MoveFileExA(path_.c_str(), saved_.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    ~StandInDriverFile() {
        if (path_.empty()) return;
        DeleteFileA(path_.c_str());
        if (hadOne_) MoveFileExA(saved_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    StandInDriverFile(const StandInDriverFile&) = delete;
    StandInDriverFile& operator=(const StandInDriverFile&) = delete;

    // A copy of the stand-in driver (a Unix path of the build), last written at noon local
    // time of that day.
    bool Place(const char* fakeDriver, WORD year, WORD month, WORD day) {
        if (path_.empty() || !CopyFileA((std::string("Z:") + fakeDriver).c_str(), path_.c_str(), FALSE)) return false;
        SYSTEMTIME noon{year, month, 0, day, 12, 0, 0, 0};
        FILETIME local{}, utc{};
        SystemTimeToFileTime(&noon, &local);
        LocalFileTimeToFileTime(&local, &utc);
        HANDLE f = CreateFileA(path_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return false;
        const BOOL ok = SetFileTime(f, nullptr, nullptr, &utc);
        CloseHandle(f);
        return ok != FALSE;
    }

private:
    std::string path_, saved_;
    bool hadOne_ = false;
};

// The program's own file date as the About pages show it, "%m-%d-%Y".
inline std::string ModuleDate() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    WIN32_FIND_DATAA found{};
    HANDLE h = FindFirstFileA(path, &found);
    FindClose(h);
    FILETIME local{};
    SYSTEMTIME t{};
    FileTimeToLocalFileTime(&found.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &t);
    char text[16];
    wsprintfA(text, "%02u-%02u-%04u", t.wMonth, t.wDay, t.wYear);
    return text;
}

}  // namespace testutil

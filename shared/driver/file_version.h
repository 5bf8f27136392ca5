#pragma once
// The version texts an About page shows for a program or driver file.
#include <windows.h>

#include <string>

struct FileVersionTexts {
    std::string version;    // "%d.%d.%d.%d\n" of the fixed file version
    std::string date;       // "%m-%d-%Y" of the local modification time
    std::string copyright;  // LegalCopyright of the US English block
};

// All three empty when the file has no version block (or does not exist). The caller turns
// Wow64 redirection off around it when the file lies in the real system folder.
FileVersionTexts ReadFileVersionTexts(const char* path);

// "1.0.0.1\n" from the two 32-bit halves of a fixed file version.
std::string FormatFileVersion(DWORD versionMs, DWORD versionLs);

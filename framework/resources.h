// Resource and text helpers.
#pragma once

#include <windows.h>

#include <string>

#ifdef __MINGW_PRINTF_FORMAT
#define FW_PRINTF_FORMAT(f, a) __attribute__((format(__MINGW_PRINTF_FORMAT, f, a)))
#else
#define FW_PRINTF_FORMAT(f, a)
#endif

namespace fw {

// The module holding the resources: the application's, else the process executable.
HINSTANCE ResourceInstance();
// A string-table entry of any length; empty when missing.
std::string LoadStr(UINT id);
// size 0: the system icon size. Icons are cached and live until the process ends, so
// callers that load the same icon every poll do not leak handles; do not destroy them.
HICON LoadIconRes(UINT id, int size = 0);
// printf into a std::string, of any length.
std::string FormatStr(const char* fmt, ...) FW_PRINTF_FORMAT(1, 2);

}  // namespace fw

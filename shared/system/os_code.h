#pragma once
// Classification of the running Windows version into the small integer the
// utilities branch on (device path form, registry root, driver file column).
#include <cstdint>

// Platform ids and the workstation product type as GetVersionExA reports them.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWin9x = 1;
constexpr uint32_t kPlatformWinNt = 2;
constexpr uint8_t kProductWorkstation = 1;

struct OsVersionRecord {
    uint32_t platformId = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    uint8_t productType = 0;  // meaningful only when `extended` is true
    bool extended = false;    // the 156-byte extended query worked
};

// 0 for versions the utilities do not know (Win32s, other 9x releases, other platforms).
int OsCodeFromVersion(const OsVersionRecord& version);

// 0 until DetectOsVersion() ran.
extern int g_OsCode;

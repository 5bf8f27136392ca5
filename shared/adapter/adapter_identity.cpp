#include "shared/adapter/adapter_identity.h"

#include <cstdio>
#include <cstring>

#include "shared/system/os_code.h"

char g_HardwareId[kHardwareIdLength + 1] = {};
int g_ChipIndex = -1;
int g_IsUsbAdapter = 0;
char g_AdapterDescription[256] = {};
char g_NetCfgInstanceId[128] = {};
char g_DevicePath[256] = {};
char g_DriverKeyPath[512] = {};
int g_NoWpsChip = 0;
int g_IsHtChip = 0;
int g_HtChipIndex = 0;
int g_IsWow64 = 0;
int g_IsAdmin = 0;
int g_Supports5GHz = 0;
uint16_t g_DriverVersion = 0;

namespace {

constexpr const char* kNtClassRoot = "System\\CurrentControlSet\\Control\\Class";
constexpr const char* k9xClassRoot = "System\\CurrentControlSet\\Services\\Class";
constexpr const char* kDevicePrefix = "\\\\.\\";

// snprintf into out; on truncation or error leave it empty.
bool FormatTwo(char* out, size_t outSize, const char* format, const char* a, const char* b)
{
    if (out == nullptr || outSize == 0)
        return false;
    const int n = std::snprintf(out, outSize, format, a, b);
    if (n < 0 || static_cast<size_t>(n) >= outSize) {
        out[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace

int IsHtChip(int chipIndex)
{
    return g_OsCode > 6 && chipIndex >= 6 && chipIndex <= 8 ? 1 : 0;
}

int HtChipIndex(int chipIndex)
{
    return IsHtChip(chipIndex) ? chipIndex - 5 : 0;
}

int IsNoWpsChip(int chipIndex)
{
    return chipIndex == 0 || chipIndex == 1 ? 1 : 0;
}

void SetChipFlags(int chipIndex)
{
    g_NoWpsChip = IsNoWpsChip(chipIndex);
    g_IsHtChip = IsHtChip(chipIndex);
    g_HtChipIndex = HtChipIndex(chipIndex);
}

bool BuildDriverKeyPath(int osCode, const char* driverName, char* out, size_t outSize)
{
    if (driverName == nullptr) {
        if (out != nullptr && outSize != 0)
            out[0] = '\0';
        return false;
    }
    return FormatTwo(out, outSize, "%s\\%s", osCode >= 7 ? kNtClassRoot : k9xClassRoot,
                     driverName);
}

bool BuildDevicePath(int osCode, const char* netCfgInstanceId, int chipIndex, char* out,
                     size_t outSize)
{
    const char* tail = nullptr;
    if (osCode > 6)
        tail = netCfgInstanceId;
    else if ((osCode == 4 || osCode == 5) && chipIndex >= 0 && chipIndex < kChipCount)
        tail = SupportedChipTable[chipIndex].familyId;
    if (tail == nullptr) {
        if (out != nullptr && outSize != 0)
            out[0] = '\0';
        return false;
    }
    return FormatTwo(out, outSize, "%s%s", kDevicePrefix, tail);
}

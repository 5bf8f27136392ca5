#include "softap/core/device/ap_discovery.h"

#include <cstdio>
#include <cstring>

#include "softap/core/device/ap_hardware_ids.h"
#include "framework/wnd.h"
#include "platform/platform.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/adapter/device_properties.h"
#include "shared/system/os_code.h"
#include "shared/adapter/sel_card_dlg.h"

namespace softap {
namespace {

struct Candidate {
    DWORD index;
    std::string path;
};

// The device's path when it is a supported adapter whose driver answers there.
bool CandidatePath(HDEVINFO set, SP_DEVINFO_DATA* device, std::string* path)
{
    char hardwareId[256];
    if (!ReadHardwareId(set, device, hardwareId))
        return false;
    const int chip = FindChipIndex(hardwareId);
    if (chip < 0)
        return false;
    char netCfgId[128] = {};
    if (g_OsCode > 6 && !ReadNetCfgInstanceId(set, device, netCfgId))
        return false;
    char devicePath[256] = {};
    if (!BuildDevicePath(g_OsCode, netCfgId, chip, devicePath, sizeof(devicePath)) || !DeviceOpens(devicePath))
        return false;
    *path = devicePath;
    return true;
}

// The chosen candidate; -1 when the user dismissed the choice (now or for these same
// candidates before).
int Choose(HDEVINFO set, const std::vector<Candidate>& candidates, DiscoveryContext& context)
{
    std::vector<std::string> paths;
    std::vector<DWORD> indices;
    for (const Candidate& c : candidates) {
        paths.push_back(c.path);
        indices.push_back(c.index);
    }
    if (paths == context.dismissed)
        return -1;
    context.dismissed.clear();
    if (candidates.size() == 1)
        return 0;
    if (context.busy)
        *context.busy = 1;
    CSelCardDlg dialog(set, indices, fw::CWnd::FromHandle(context.owner));
    const INT_PTR answer = dialog.DoModal();
    if (context.busy)
        *context.busy = 0;
    if (answer != IDOK || dialog.m_nSelected < 0) {
        context.dismissed = paths;
        return -1;
    }
    context.dismissed.clear();
    return dialog.m_nSelected;
}

}  // namespace

int DiscoverAdapter(DiscoveryContext& context)
{
    platform::DeviceEnum& devices = platform::Devices();

    GUID classGuids[3]{};
    DWORD guidCount = 0;
    if (!devices.ClassGuidsFromName("Net", classGuids, 3, &guidCount) || guidCount == 0)
        return 0;
    HDEVINFO set = devices.GetClassDevs(&classGuids[0], DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return 0;

    std::vector<Candidate> candidates;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        if (!devices.EnumDeviceInfo(set, index, &device))
            break;
        std::string path;
        if (CandidatePath(set, &device, &path))
            candidates.push_back({index, path});
    }
    if (candidates.empty())
        context.dismissed.clear();
    const int chosen = candidates.empty() ? -1 : Choose(set, candidates, context);
    int found = 0;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    char hardwareId[256];
    char netCfgId[128] = {};
    char driver[256] = {};
    if (chosen >= 0 && devices.EnumDeviceInfo(set, candidates[static_cast<size_t>(chosen)].index, &device) &&
        ReadHardwareId(set, &device, hardwareId) && (g_OsCode <= 6 || ReadNetCfgInstanceId(set, &device, netCfgId)) &&
        // Without its driver key the adapter cannot be configured: no adapter then.
        devices.GetDeviceRegistryProperty(set, &device, SPDRP_DRIVER, reinterpret_cast<BYTE*>(driver),
                                          sizeof(driver) - 1, nullptr) &&
        driver[0] != 0) {
        g_IsUsbAdapter = std::strncmp(hardwareId, UsbHardwareIdTable[0].id, 3) == 0 ? 1 : 0;
        g_ChipIndex = FindChipIndex(g_IsUsbAdapter != 0, hardwareId);
        g_IsHtChip = IsHtChip(g_ChipIndex);
        g_HtChipIndex = HtChipIndex(g_ChipIndex);
        if (g_OsCode > 6)
            std::snprintf(g_NetCfgInstanceId, sizeof(g_NetCfgInstanceId), "%s", netCfgId);
        BuildDevicePath(g_OsCode, g_NetCfgInstanceId, g_ChipIndex, g_DevicePath, sizeof(g_DevicePath));
        BuildDriverKeyPath(g_OsCode, driver, g_DriverKeyPath, sizeof(g_DriverKeyPath));
        found = 1;
    }
    devices.DestroyDeviceInfoList(set);
    return found;
}

}  // namespace softap

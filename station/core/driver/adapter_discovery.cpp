#include "station/core/driver/adapter_discovery.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/adapter/chip_table.h"
#include "shared/adapter/device_properties.h"
#include "shared/system/os_code.h"
#include "shared/adapter/sel_card_dlg.h"
#include "framework/wnd.h"
#include "station/core/wlan/wlan_manager.h"

namespace {

constexpr size_t kIdLength = 21;

// The device's driver instance ("{class GUID}\NNNN"); false when it cannot be read or is empty.
bool ReadDriverName(HDEVINFO set, SP_DEVINFO_DATA* device, char out[256]) {
    std::memset(out, 0, 256);
    if (!platform::Devices().GetDeviceRegistryProperty(set, device, SPDRP_DRIVER, reinterpret_cast<BYTE*>(out), 255,
                                                       nullptr))
        return false;
    out[255] = 0;
    return out[0] != 0;
}

int TableChipIndex(const char* hardwareId) {
    int chip = -1;
    FindChipIndex(hardwareId, &chip);
    return chip;
}

}  // namespace

int DiscoverAdapter(DiscoveryContext& context) {
    platform::DeviceEnum& devices = platform::Devices();

    GUID classGuids[3]{};
    DWORD guidCount = 0;
    // Success with no GUID at all is possible: then there is simply no Net-class device.
    if (!devices.ClassGuidsFromName("Net", classGuids, 3, &guidCount) || guidCount == 0) return 0;
    HDEVINFO set = devices.GetClassDevs(&classGuids[0], DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return 0;

    std::vector<DWORD> candidates;
    std::vector<std::string> candidatePaths;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        if (!devices.EnumDeviceInfo(set, index, &device)) break;

        char hardwareId[256];
        if (!ReadHardwareId(set, &device, hardwareId)) continue;
        int chip = TableChipIndex(hardwareId);
        if (chip < 0) continue;

        char netCfgId[128] = {};
        if (g_OsCode > 6 && !ReadNetCfgInstanceId(set, &device, netCfgId)) continue;
        // Without its driver key the device cannot be managed: every registry step would act
        // on the shared Class key instead.
        char driver[256];
        if (!ReadDriverName(set, &device, driver)) continue;
        char path[256] = {};
        BuildDevicePath(g_OsCode, netCfgId, chip, path, sizeof(path));
        if (path[0] && DeviceOpens(path)) {
            candidates.push_back(index);
            candidatePaths.push_back(path);
        }
    }

    if (candidates.empty()) {
        devices.DestroyDeviceInfoList(set);
        return 0;
    }

    DWORD chosen = candidates[0];
    if (candidates.size() > 1) {
        // Dismissed before, and the same adapters still: the user has answered already.
        if (context.declined && *context.declined == candidatePaths) {
            devices.DestroyDeviceInfoList(set);
            return 0;
        }
        if (context.busy) *context.busy = 1;
        CSelCardDlg dialog(set, candidates, fw::CWnd::FromHandle(context.mainWindow));
        INT_PTR answer = dialog.DoModal();
        if (context.busy) *context.busy = 0;
        // Dismissed without OK: no adapter is chosen, and the dialog waits for another set of
        // adapters or for the user to ask for the sheet.
        if (answer != IDOK || dialog.m_nSelected < 0) {
            if (context.declined) *context.declined = candidatePaths;
            devices.DestroyDeviceInfoList(set);
            return 0;
        }
        chosen = candidates[static_cast<size_t>(dialog.m_nSelected)];
    }
    if (context.declined) context.declined->clear();

    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    char hardwareId[256];
    char driver[256];
    if (!devices.EnumDeviceInfo(set, chosen, &device) || !ReadHardwareId(set, &device, hardwareId) ||
        !ReadDriverName(set, &device, driver)) {
        devices.DestroyDeviceInfoList(set);
        return 0;
    }

    std::memset(g_AdapterDescription, 0, sizeof(g_AdapterDescription));
    devices.GetDeviceRegistryProperty(set, &device, SPDRP_FRIENDLYNAME,
                                      reinterpret_cast<BYTE*>(g_AdapterDescription),
                                      sizeof(g_AdapterDescription) - 1, nullptr);
    if (g_AdapterDescription[0] == 0)
        devices.GetDeviceRegistryProperty(set, &device, SPDRP_DEVICEDESC,
                                          reinterpret_cast<BYTE*>(g_AdapterDescription),
                                          sizeof(g_AdapterDescription) - 1, nullptr);
    g_AdapterDescription[sizeof(g_AdapterDescription) - 1] = 0;

    if (context.wlan) context.wlan->Setup(g_AdapterDescription, context.mainWindow, context.allUsers);

    std::memset(g_HardwareId, 0, sizeof(g_HardwareId));
    std::memcpy(g_HardwareId, hardwareId, kIdLength);
    g_IsUsbAdapter = IsUsbHardwareId(g_HardwareId) ? 1 : 0;
    g_ChipIndex = FindChipIndex(g_IsUsbAdapter != 0, g_HardwareId);
    SetChipFlags(g_ChipIndex);

    if (g_OsCode > 6) {
        char netCfgId[128];
        if (!ReadNetCfgInstanceId(set, &device, netCfgId)) {
            devices.DestroyDeviceInfoList(set);
            return 0;
        }
        std::snprintf(g_NetCfgInstanceId, sizeof(g_NetCfgInstanceId), "%s", netCfgId);
    }
    BuildDevicePath(g_OsCode, g_NetCfgInstanceId, g_ChipIndex, g_DevicePath, sizeof(g_DevicePath));

    char oldKeyPath[sizeof(g_DriverKeyPath)];
    std::snprintf(oldKeyPath, sizeof(oldKeyPath), "%s", g_DriverKeyPath);
    BuildDriverKeyPath(g_OsCode, driver, g_DriverKeyPath, sizeof(g_DriverKeyPath));
    if (oldKeyPath[0] && std::strcmp(oldKeyPath, g_DriverKeyPath) != 0 && context.adapterChanged)
        *context.adapterChanged = 1;

    devices.DestroyDeviceInfoList(set);
    return 1;
}

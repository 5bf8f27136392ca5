#include "softap/core/device/ap_hardware_ids.h"

namespace softap {

const HardwareIdRow UsbHardwareIdTable[kUsbHardwareIdCount] = {
    {"USB\\VID_F0E1&PID_1101", 1}, {"USB\\VID_F0E1&PID_1102", 1}, {"USB\\VID_F0E1&PID_1103", 1},
    {"USB\\VID_F0E1&PID_1104", 1}, {"USB\\VID_F0E1&PID_1105", 1}, {"USB\\VID_F0E1&PID_1106", 1},
    {"USB\\VID_F0E1&PID_1107", 1}, {"USB\\VID_F0E1&PID_1108", 1}, {"USB\\VID_F0E1&PID_1109", 1},
    {"USB\\VID_F0E1&PID_1110", 1}, {"USB\\VID_F0E1&PID_1111", 1}, {"USB\\VID_F0E1&PID_1112", 1},
    {"USB\\VID_F0E1&PID_1113", 1}, {"USB\\VID_F0E1&PID_1114", 1}, {"USB\\VID_F0E1&PID_1115", 1},
    {"USB\\VID_F0E1&PID_1116", 1}, {"USB\\VID_F0E1&PID_1117", 1}, {"USB\\VID_F0E1&PID_1118", 1},
    {"USB\\VID_F0E1&PID_1119", 1}, {"USB\\VID_F0E1&PID_1120", 1}, {"USB\\VID_F0E1&PID_1121", 1},
    {"USB\\VID_F0E1&PID_1122", 1}, {"USB\\VID_F0E1&PID_1123", 1}, {"USB\\VID_F0E1&PID_1124", 1},
    {"USB\\VID_F0E1&PID_5101", 5}, {"USB\\VID_F0E1&PID_5102", 5}, {"USB\\VID_F0E1&PID_5103", 5},
    {"USB\\VID_F0E1&PID_5104", 5}, {"USB\\VID_F0E1&PID_5105", 5}, {"USB\\VID_F0E1&PID_5106", 5},
    {"USB\\VID_F0E1&PID_5107", 5}, {"USB\\VID_F0E1&PID_5108", 5}, {"USB\\VID_F0E1&PID_5109", 5},
    {"USB\\VID_F0E1&PID_5110", 5}, {"USB\\VID_F0E1&PID_5111", 5}, {"USB\\VID_F0E1&PID_5112", 5},
    {"USB\\VID_F0E1&PID_5113", 5}, {"USB\\VID_F0E1&PID_5114", 5}, {"USB\\VID_F0E1&PID_5115", 5},
    {"USB\\VID_F0E1&PID_5116", 5}, {"USB\\VID_F0E1&PID_5117", 5}, {"USB\\VID_F0E1&PID_5118", 5},
    {"USB\\VID_F0E1&PID_5119", 5}, {"USB\\VID_F0E1&PID_5120", 5}, {"USB\\VID_F0E1&PID_5121", 5},
    {"USB\\VID_F0E1&PID_5122", 5}, {"USB\\VID_F0E1&PID_5123", 5}, {"USB\\VID_F0E1&PID_5124", 5},
    {"USB\\VID_F0E1&PID_5125", 5}, {"USB\\VID_F0E1&PID_5126", 5}, {"USB\\VID_F0E1&PID_5127", 5},
    {"USB\\VID_F0E1&PID_8101", 8}, {"USB\\VID_F0E1&PID_8102", 8}, {"USB\\VID_F0E1&PID_8103", 8},
    {"USB\\VID_F0E1&PID_8104", 8}, {"USB\\VID_F0E1&PID_8105", 8}, {"USB\\VID_F0E1&PID_8106", 8},
    {"USB\\VID_F0E1&PID_8107", 8}, {"USB\\VID_F0E1&PID_8108", 8}, {"USB\\VID_F0E1&PID_8109", 8},
    {"USB\\VID_F0E1&PID_8110", 8}, {"USB\\VID_F0E1&PID_8111", 8}, {"USB\\VID_F0E1&PID_8112", 8},
    {"USB\\VID_F0E1&PID_8113", 8}, {"USB\\VID_F0E1&PID_8114", 8}, {"USB\\VID_F0E1&PID_8115", 8},
    {"USB\\VID_F0E1&PID_8116", 8},
};

const HardwareIdRow PciHardwareIdTable[kPciHardwareIdCount] = {
    {"PCI\\VEN_F0E1&DEV_4001", 4}, {"PCI\\VEN_F0E1&DEV_4002", 4}, {"PCI\\VEN_F0E1&DEV_4003", 4},
    {"PCI\\VEN_F0E1&DEV_4004", 4}, {"PCI\\VEN_F0E1&DEV_4005", 4}, {"PCI\\VEN_F0E1&DEV_6001", 6},
    {"PCI\\VEN_F0E1&DEV_7001", 7}, {"PCI\\VEN_F0E1&DEV_7002", 7},
};

int FindChipIndex(bool usbTable, const char* hardwareId)
{
    return usbTable ? FindChipIndexIn(UsbHardwareIdTable, kUsbHardwareIdCount, hardwareId)
                    : FindChipIndexIn(PciHardwareIdTable, kPciHardwareIdCount, hardwareId);
}

int FindChipIndex(const char* hardwareId)
{
    const int usb = FindChipIndex(true, hardwareId);
    const int pci = FindChipIndex(false, hardwareId);
    return pci >= 0 ? pci : usb;
}

}  // namespace softap

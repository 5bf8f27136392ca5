#include "shared/adapter/chip_table.h"

#include <cstring>

const ChipTableRow SupportedChipTable[kChipCount] = {
    {"KV10", {"kv10.sys", "kv10w2k.sys", "kv10xp.sys", "kv10v.sys", "kv10v64.sys"}},
    {"KV11", {"kv11.sys", "kv11w2k.sys", "kv11xp.sys", "kv11v.sys", "kv11v64.sys"}},
    {"KV20", {"kv20.sys", "kv20w2k.sys", "kv20xp.sys", "kv20v.sys", "kv20v64.sys"}},
    {"KV21", {"kv21.sys", "kv21w2k.sys", "kv21xp.sys", "kv21v.sys", "kv21v64.sys"}},
    {"KV30", {"kv30.sys", "kv30w2k.sys", "kv30xp.sys", "kv30v.sys", "kv30v64.sys"}},
    {"KV31", {"kv31.sys", "kv31w2k.sys", "kv31xp.sys", "kv31v.sys", "kv31v64.sys"}},
    {"KV40_A", {"kv40a.sys", "kv40aw2k.sys", "kv40axp.sys", "kv40av.sys", "kv40av64.sys"}},
    {"KV40", {"kv40.sys", "kv40w2k.sys", "kv40xp.sys", "kv40v.sys", "kv40v64.sys"}},
    {"KV41", {"", "kv41w2k.sys", "kv41xp.sys", "kv41v.sys", "kv41v64.sys"}},
};

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
    {"USB\\VID_F0E1&PID_5128", 5}, {"USB\\VID_F0E1&PID_5129", 5}, {"USB\\VID_F0E1&PID_8101", 8},
    {"USB\\VID_F0E1&PID_8102", 8}, {"USB\\VID_F0E1&PID_8103", 8}, {"USB\\VID_F0E1&PID_8104", 8},
    {"USB\\VID_F0E1&PID_8105", 8}, {"USB\\VID_F0E1&PID_8106", 8}, {"USB\\VID_F0E1&PID_8107", 8},
    {"USB\\VID_F0E1&PID_8108", 8}, {"USB\\VID_F0E1&PID_8109", 8}, {"USB\\VID_F0E1&PID_8110", 8},
    {"USB\\VID_F0E1&PID_8111", 8}, {"USB\\VID_F0E1&PID_8112", 8}, {"USB\\VID_F0E1&PID_8113", 8},
    {"USB\\VID_F0E1&PID_8114", 8}, {"USB\\VID_F0E1&PID_8115", 8}, {"USB\\VID_F0E1&PID_8116", 8},
    {"USB\\VID_F0E1&PID_8117", 8}, {"USB\\VID_F0E1&PID_8118", 8}, {"USB\\VID_F0E1&PID_8119", 8},
};

const HardwareIdRow PciHardwareIdTable[kPciHardwareIdCount] = {
    {"PCI\\VEN_F0E1&DEV_0001", 0}, {"PCI\\VEN_F0E1&DEV_4001", 4}, {"PCI\\VEN_F0E1&DEV_4002", 4},
    {"PCI\\VEN_F0E1&DEV_4003", 4}, {"PCI\\VEN_F0E1&DEV_6001", 6}, {"PCI\\VEN_F0E1&DEV_7001", 7},
    {"PCI\\VEN_F0E1&DEV_7002", 7}, {"PCI\\VEN_F0E1&DEV_7003", 7}, {"PCI\\VEN_F0E1&DEV_7004", 7},
};

int FindChipIndexIn(const HardwareIdRow* table, size_t count, const char* hardwareId)
{
    if (hardwareId == nullptr)
        return -1;
    int chipIndex = -1;
    // Every row is looked at; a later match wins, as discovery has always done.
    for (size_t i = 0; i < count; ++i) {
        if (std::strncmp(hardwareId, table[i].id, kHardwareIdLength) == 0)
            chipIndex = table[i].chipIndex;
    }
    return chipIndex;
}

int FindChipIndex(bool usbTable, const char* hardwareId)
{
    return usbTable ? FindChipIndexIn(UsbHardwareIdTable, kUsbHardwareIdCount, hardwareId)
                    : FindChipIndexIn(PciHardwareIdTable, kPciHardwareIdCount, hardwareId);
}

int FindChipIndex(const char* hardwareId, int* chipIndex)
{
    int found = FindChipIndex(true, hardwareId);
    const int pci = FindChipIndex(false, hardwareId);
    if (pci >= 0)
        found = pci;
    if (found < 0)
        return 0;
    if (chipIndex != nullptr)
        *chipIndex = found;
    return 1;
}

bool IsUsbHardwareId(const char* hardwareId)
{
    return hardwareId != nullptr && std::strncmp(hardwareId, UsbHardwareIdTable[0].id, 3) == 0;
}

void CopyHardwareId(const char* text, size_t textSize, char (&out)[kHardwareIdLength + 1])
{
    std::memset(out, 0, sizeof(out));
    if (text == nullptr)
        return;
    // The property buffer need not be terminated: never read past textSize.
    for (size_t i = 0; i < kHardwareIdLength && i < textSize && text[i] != '\0'; ++i) {
        const char c = text[i];
        out[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
}

#pragma once
// The supported chips and the hardware ids that identify adapters built on them.
#include <cstddef>

constexpr int kChipCount = 9;
constexpr size_t kHardwareIdLength = 21;  // ids are compared on this many characters
constexpr size_t kUsbHardwareIdCount = 72;
constexpr size_t kPciHardwareIdCount = 9;

// Chip family id, then one driver file name per Windows class:
// [0] OS codes 3 to 6, [1] code 7, [2] codes 8 and 10, [3] and [4] code 11.
struct ChipTableRow {
    const char* familyId;
    const char* driverFiles[5];
};

struct HardwareIdRow {
    const char* id;  // 21 characters, upper case
    int chipIndex;   // row of SupportedChipTable
};

extern const ChipTableRow SupportedChipTable[kChipCount];
extern const HardwareIdRow UsbHardwareIdTable[kUsbHardwareIdCount];
extern const HardwareIdRow PciHardwareIdTable[kPciHardwareIdCount];

// Chip index of the last row of table whose id equals the first 21 characters of
// hardwareId, or -1.
int FindChipIndexIn(const HardwareIdRow* table, size_t count, const char* hardwareId);

// Chip index of the table row whose id equals the first 21 characters of
// hardwareId (upper case expected), or -1. Longer ids (revision suffixes) match.
int FindChipIndex(bool usbTable, const char* hardwareId);

// Discovery's scan: the USB table, then the PCI table, a later match winning.
// 1 and *chipIndex set on a match; 0 and *chipIndex untouched otherwise.
int FindChipIndex(const char* hardwareId, int* chipIndex);

// True when hardwareId starts like the USB table's ids ("USB").
bool IsUsbHardwareId(const char* hardwareId);

// The first 21 characters of a device property text, upper-cased, zero-filled.
// textSize bounds the read: property buffers are not always terminated.
void CopyHardwareId(const char* text, size_t textSize, char (&out)[kHardwareIdLength + 1]);

#pragma once
// Havix's own hardware-ID tables: the adapters it runs as an access point. Rows have the
// form of the station utility's (21 characters, upper case, chip index); the tables differ.
#include <cstddef>

#include "shared/adapter/chip_table.h"

namespace softap {

constexpr size_t kUsbHardwareIdCount = 67;
constexpr size_t kPciHardwareIdCount = 8;

extern const HardwareIdRow UsbHardwareIdTable[kUsbHardwareIdCount];
extern const HardwareIdRow PciHardwareIdTable[kPciHardwareIdCount];

// Discovery's scan of one device: the USB table, then the PCI table, a later match
// winning. -1 when neither holds the first 21 characters of hardwareId.
int FindChipIndex(const char* hardwareId);
// One table only: the lookup after the USB test.
int FindChipIndex(bool usbTable, const char* hardwareId);

}  // namespace softap

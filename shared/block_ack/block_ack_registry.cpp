#include "shared/block_ack/block_ack_registry.h"

#include <windows.h>

#include "shared/driver/driver_key.h"

namespace {
constexpr const char* kCapabilityValue = "BACapability";
}

bool ReadStoredBaCapability(BaCapability* capability) {
    HKEY key = OpenDriverKey(nullptr, KEY_READ);
    if (!key) return false;
    DWORD type = 0, value = 0, size = sizeof(value);
    const bool ok = RegQueryValueExA(key, kCapabilityValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_DWORD && size == sizeof(value);
    RegCloseKey(key);
    if (ok) *capability = UnpackBaCapability(value);
    return ok;
}

void WriteStoredBaCapability(const BaCapability& capability) {
    HKEY key = OpenDriverKey(nullptr, KEY_ALL_ACCESS);
    if (!key) return;
    const DWORD value = PackBaCapability(capability);
    RegSetValueExA(key, kCapabilityValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

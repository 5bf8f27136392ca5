#pragma once
// `BACapability`, the block-ack capability as both utilities keep it in the adapter's driver
// key: a REG_DWORD of the packed record.
#include "shared/block_ack/block_ack.h"

// False, and *capability untouched, when the key or the value is missing or the value is
// not a 4-byte REG_DWORD.
bool ReadStoredBaCapability(BaCapability* capability);
// Silent when the key does not open: the driver has the capability already.
void WriteStoredBaCapability(const BaCapability& capability);

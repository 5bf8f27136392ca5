#pragma once
// Driver wireless-mode numbers: folding them onto what this adapter can do, and
// mapping them to and from the position in the wireless-mode drop-down list.

// Reads g_Supports5GHz and g_IsHtChip.
void NormalizeWirelessMode(int& mode);
// The same on a decimal text, rewritten in place only when the mode changes
// (the new value never needs more room than the text it replaces).
void NormalizeWirelessModeText(char* text);

// Driver number -> list position; 0 (out untouched) for a number outside the table.
int MapWirelessModeIndex(int value, int& out);
// List position -> driver number; 0 (out untouched) outside the table.
int MapWirelessModeValue(int value, int& out);

#pragma once
// Whether the selected adapter still answers on its device path.

// 1 while g_DevicePath opens (no access rights, FILE_SHARE_READ, OPEN_EXISTING); the
// handle is closed at once.
int IsSelDeviceExist();
// The soft-AP utility's name for the same test.
inline int IsAdapterPresent() { return IsSelDeviceExist(); }

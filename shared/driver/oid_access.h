#pragma once
// The only road to the adapter's driver: OID queries and sets over the NDIS
// query IOCTL on g_DevicePath, opened and closed around every call. Sets the
// driver refuses are retried in the background every 500 ms; callers never
// learn how a retry ended.
#include <windows.h>

#include <cstddef>

namespace platform {
class DriverPort;
}

constexpr DWORD kOidSetBit = 0x00800000;     // SetOid: a set is the query OID with bit 23
constexpr DWORD kOidSetExBits = 0xFF800000;  // SetOidEx: 0x0D01xxxx reaches the driver as 0xFF81xxxx
constexpr UINT kSetOidRetryMs = 500;

// One pending retry of a refused set.
struct _SET_INFORMATION_DATA {
    DWORD Oid;            // as sent, set bits already applied
    void* pData;          // locked GlobalAlloc copy of the data; null when Length is 0
    DWORD Length;
    DWORD BytesReturned;  // of the last failed attempt, never above Length
    int RetriesLeft;      // at least 1 while queued
    UINT_PTR TimerId;     // window-less timer driving this entry
};

// FALSE with *bytesReturned untouched when the device does not open. Otherwise
// the driver's answer lands in buffer and *bytesReturned is at most length.
BOOLEAN QueryOid(DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned);

// Result of the first attempt; a refused set is retried attempts-1 more times.
// On OS code 10 the driver gets a copy and the caller's buffer is never written.
BOOLEAN SetOid(DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned, int attempts);
// As SetOid, with 0xFF800000 ORed into the OID when setFlag is non-zero.
BOOLEAN SetOidEx(DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned, int setFlag,
                 int attempts);

void CALLBACK SetOidRetryTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// Drops every pending retry: frees its data and kills its timer. The main window
// calls it when it is destroyed.
void DrainSetOidQueue();

size_t SetOidQueueSize();
// Entry i of the queue, or null; for tests and diagnostics.
const _SET_INFORMATION_DATA* SetOidQueueEntry(size_t index);

// Tests put a driver of their own in front of platform::Driver(); null removes it.
void SetOidDriverOverride(platform::DriverPort* port);

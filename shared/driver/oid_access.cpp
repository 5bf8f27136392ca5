#include "shared/driver/oid_access.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"

namespace {

// Touched only on the UI thread: the retry timers are dispatched by its message loop.
std::vector<_SET_INFORMATION_DATA> g_SetInfoQueue;
platform::DriverPort* g_DriverOverride = nullptr;

platform::DriverPort& Port()
{
    return g_DriverOverride != nullptr ? *g_DriverOverride : platform::Driver();
}

DWORD Clamp(DWORD returned, DWORD length)
{
    // A driver that claims more bytes than the buffer holds is not believed.
    return returned > length ? length : returned;
}

void* CopyToGlobalBlock(const void* data, DWORD length)
{
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
    if (handle == nullptr)
        return nullptr;
    void* block = GlobalLock(handle);
    if (block == nullptr) {
        GlobalFree(handle);
        return nullptr;
    }
    std::memcpy(block, data, length);
    return block;
}

void FreeGlobalBlock(void* block)
{
    if (block == nullptr)
        return;
    HGLOBAL handle = GlobalHandle(block);
    GlobalUnlock(handle);
    GlobalFree(handle);
}

std::vector<_SET_INFORMATION_DATA>::iterator FindEntry(UINT_PTR timerId)
{
    return std::find_if(g_SetInfoQueue.begin(), g_SetInfoQueue.end(),
                        [timerId](const _SET_INFORMATION_DATA& e) { return e.TimerId == timerId; });
}

void RemoveEntry(std::vector<_SET_INFORMATION_DATA>::iterator entry)
{
    FreeGlobalBlock(entry->pData);
    KillTimer(nullptr, entry->TimerId);
    g_SetInfoQueue.erase(entry);
}

BOOLEAN SendSet(DWORD oidSent, void* buffer, DWORD length, DWORD* bytesReturned, int attempts)
{
    if (buffer == nullptr && length != 0)
        return FALSE;
    platform::DriverPort& driver = Port();
    HANDLE device = driver.Open(g_DevicePath);
    if (device == INVALID_HANDLE_VALUE)
        return FALSE;

    if (bytesReturned != nullptr)
        *bytesReturned = 0;
    --attempts;  // now the attempts still allowed after this one

    // What the caller asked to set. A retry sends this, whatever a refusing
    // driver may have written into the caller's buffer meanwhile.
    const auto* bytes = static_cast<const BYTE*>(buffer);
    std::vector<BYTE> request(bytes, bytes + length);

    DWORD returned = 0;
    BOOL ok;
    if (g_OsCode == 10) {
        std::vector<BYTE> scratch(request);
        ok = driver.Ioctl(device, oidSent, length != 0 ? scratch.data() : nullptr, length, &returned);
    } else {
        ok = driver.Ioctl(device, oidSent, buffer, length, &returned);
    }
    driver.Close(device);

    returned = Clamp(returned, length);
    if (bytesReturned != nullptr)
        *bytesReturned = returned;
    if (ok || attempts <= 0)
        return ok ? TRUE : FALSE;

    _SET_INFORMATION_DATA entry{oidSent, nullptr, length, returned, attempts, 0};
    if (length != 0) {
        entry.pData = CopyToGlobalBlock(request.data(), length);
        if (entry.pData == nullptr)
            return FALSE;
    }
    entry.TimerId = SetTimer(nullptr, 0, kSetOidRetryMs, SetOidRetryTimerProc);
    if (entry.TimerId == 0) {
        // Without a timer the entry would never run nor be freed before shutdown.
        FreeGlobalBlock(entry.pData);
        return FALSE;
    }
    g_SetInfoQueue.push_back(entry);
    return FALSE;
}

}  // namespace

BOOLEAN QueryOid(DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned)
{
    if (buffer == nullptr && length != 0)
        return FALSE;
    platform::DriverPort& driver = Port();
    HANDLE device = driver.Open(g_DevicePath);
    if (device == INVALID_HANDLE_VALUE)
        return FALSE;
    if (bytesReturned != nullptr)
        *bytesReturned = 0;
    DWORD returned = 0;
    const BOOL ok = driver.Ioctl(device, oid, buffer, length, &returned);
    driver.Close(device);
    if (bytesReturned != nullptr)
        *bytesReturned = Clamp(returned, length);
    return ok ? TRUE : FALSE;
}

BOOLEAN SetOid(DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned, int attempts)
{
    return SendSet(oid | kOidSetBit, buffer, length, bytesReturned, attempts);
}

BOOLEAN SetOidEx(DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned, int setFlag,
                 int attempts)
{
    return SendSet(setFlag != 0 ? oid | kOidSetExBits : oid, buffer, length, bytesReturned, attempts);
}

void CALLBACK SetOidRetryTimerProc(HWND, UINT, UINT_PTR timerId, DWORD)
{
    auto entry = FindEntry(timerId);
    if (entry == g_SetInfoQueue.end()) {
        // A timer whose entry is gone must not keep ticking.
        KillTimer(nullptr, timerId);
        return;
    }
    if (entry->RetriesLeft <= 0) {
        RemoveEntry(entry);
        return;
    }

    platform::DriverPort& driver = Port();
    HANDLE device = driver.Open(g_DevicePath);
    if (device == INVALID_HANDLE_VALUE) {
        // The adapter is gone: nothing queued for it can succeed any more.
        DrainSetOidQueue();
        return;
    }

    // Each try sends the stored request, not what the driver left in it last time.
    const auto* stored = static_cast<const BYTE*>(entry->pData);
    std::vector<BYTE> request(stored, stored + (stored != nullptr ? entry->Length : 0));
    const DWORD oid = entry->Oid;
    const DWORD length = static_cast<DWORD>(request.size());
    DWORD returned = 0;
    const BOOL ok = driver.Ioctl(device, oid, length != 0 ? request.data() : nullptr, length, &returned);
    driver.Close(device);

    entry = FindEntry(timerId);
    if (entry == g_SetInfoQueue.end())
        return;
    entry->BytesReturned = Clamp(returned, entry->Length);
    if (ok || --entry->RetriesLeft <= 0)
        RemoveEntry(entry);
}

void DrainSetOidQueue()
{
    for (_SET_INFORMATION_DATA& entry : g_SetInfoQueue) {
        FreeGlobalBlock(entry.pData);
        KillTimer(nullptr, entry.TimerId);
    }
    g_SetInfoQueue.clear();
}

size_t SetOidQueueSize()
{
    return g_SetInfoQueue.size();
}

const _SET_INFORMATION_DATA* SetOidQueueEntry(size_t index)
{
    return index < g_SetInfoQueue.size() ? &g_SetInfoQueue[index] : nullptr;
}

void SetOidDriverOverride(platform::DriverPort* port)
{
    g_DriverOverride = port;
}

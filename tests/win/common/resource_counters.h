#pragma once
// What a process holds, counted in a way Wine answers: its GetGuiResources and handle count
// are stubs there, so the counters read what lies under them (each checked by a test that
// makes and frees a known number of objects).
#include <windows.h>


#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace testutil {

struct ResourceCounts {
    std::size_t gdiObjects = 0;    // entries of this process in the shared GDI handle table
    std::size_t windows = 0;       // windows of this thread, children included
    std::size_t kernelHandles = 0; // handle values that answer GetHandleInformation
    std::size_t heapBytes = 0;     // busy bytes of every heap of the process
    std::size_t heapBlocks = 0;
    std::size_t privateBytes = 0;  // committed private memory
};

namespace detail {

// An entry of the shared GDI handle table the process environment block points at.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiHandleCount = 0x10000;

// The process environment block, from the thread's own block.
inline const std::uint8_t* Peb() {
    const std::uint8_t* peb = nullptr;
#ifdef _WIN64
    asm("movq %%gs:0x60, %0" : "=r"(peb));
#else
    asm("movl %%fs:0x30, %0" : "=r"(peb));
#endif
    return peb;
}

#ifdef _WIN64
constexpr std::size_t kPebGdiTableOffset = 0xF8;
#else
constexpr std::size_t kPebGdiTableOffset = 0x94;
#endif

inline const GdiHandleEntry* GdiTable() {
    const std::uint8_t* peb = Peb();
    const void* table = nullptr;
    std::memcpy(&table, peb + kPebGdiTableOffset, sizeof table);
    return static_cast<const GdiHandleEntry*>(table);
}

inline BOOL CALLBACK CountChild(HWND, LPARAM n) {
    ++*reinterpret_cast<std::size_t*>(n);
    return TRUE;
}

inline BOOL CALLBACK CountTop(HWND w, LPARAM n) {
    ++*reinterpret_cast<std::size_t*>(n);
    EnumChildWindows(w, CountChild, n);
    return TRUE;
}

// Committed private memory of the address space: what private bytes count.
inline std::size_t CommittedPrivateBytes() {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION m{};
    for (auto* at = static_cast<std::uint8_t*>(nullptr);
         VirtualQuery(at, &m, sizeof m) == sizeof m && at + m.RegionSize > at; at += m.RegionSize)
        if (m.State == MEM_COMMIT && m.Type == MEM_PRIVATE) total += m.RegionSize;
    return total;
}

}  // namespace detail

inline std::size_t GdiObjectCount() {
    const detail::GdiHandleEntry* table = detail::GdiTable();
    if (!table) return 0;
    // Wine keeps a table per process and leaves the owner field 0.
    std::size_t n = 0;
    for (std::size_t i = 0; i < detail::kGdiHandleCount; ++i)
        if (table[i].type != 0 && table[i].object) ++n;
    return n;
}

inline std::size_t ThreadWindowCount() {
    std::size_t n = 0;
    EnumThreadWindows(GetCurrentThreadId(), detail::CountTop, reinterpret_cast<LPARAM>(&n));
    return n;
}

inline std::size_t KernelHandleCount() {
    std::size_t n = 0;
    DWORD flags = 0;
    for (std::uintptr_t v = 4; v < 0x10000; v += 4)
        if (GetHandleInformation(reinterpret_cast<HANDLE>(v), &flags)) ++n;
    return n;
}

inline void HeapUse(std::size_t* bytes, std::size_t* blocks) {
    *bytes = *blocks = 0;
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY e{};
        while (HeapWalk(heaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
                *bytes += e.cbData;
                ++*blocks;
            }
        HeapUnlock(heaps[i]);
    }
}

inline ResourceCounts CountResources() {
    ResourceCounts c;
    c.gdiObjects = GdiObjectCount();
    c.windows = ThreadWindowCount();
    c.kernelHandles = KernelHandleCount();
    HeapUse(&c.heapBytes, &c.heapBlocks);
    c.privateBytes = detail::CommittedPrivateBytes();
    return c;
}

inline std::string Describe(const ResourceCounts& c) {
    char text[256];
    std::snprintf(text, sizeof text, "GDI %zu, windows %zu, handles %zu, heap %zu bytes in %zu blocks, private %zu bytes",
                  c.gdiObjects, c.windows, c.kernelHandles, c.heapBytes, c.heapBlocks, c.privateBytes);
    return text;
}

}  // namespace testutil

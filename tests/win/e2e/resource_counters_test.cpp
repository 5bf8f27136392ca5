// The soak's counters answer for what they count: a known number of objects made shows in
// each, and freeing them takes it back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/win/common/resource_counters.h"

namespace {

TEST(ResourceCountersTest, EachCounterSeesObjectsMadeAndFreed) {
    using testutil::CountResources;
    // Lazily made things of the first calls (stock objects, window classes, the thread's
    // input-method window that comes with its first top-level window) come first.
    HWND first = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DeleteObject(CreateSolidBrush(RGB(1, 2, 3)));
    const testutil::ResourceCounts start = CountResources();

    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 40; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    HWND top = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < 9; ++i) CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 1, 1, top, nullptr, nullptr, nullptr);
    std::vector<HANDLE> events;
    for (int i = 0; i < 30; ++i) events.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    std::vector<void*> blocks;
    for (int i = 0; i < 100; ++i) blocks.push_back(std::malloc(1000));
    void* pages = VirtualAlloc(nullptr, 1 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const testutil::ResourceCounts held = CountResources();

    for (HBRUSH b : brushes) DeleteObject(b);
    DestroyWindow(top);
    for (HANDLE e : events) CloseHandle(e);
    for (void* p : blocks) std::free(p);
    VirtualFree(pages, 0, MEM_RELEASE);
    const testutil::ResourceCounts freed = CountResources();
    DestroyWindow(first);

    SCOPED_TRACE(testutil::Describe(start) + "\n" + testutil::Describe(held) + "\n" + testutil::Describe(freed));
    EXPECT_EQ(held.gdiObjects, start.gdiObjects + 40);
    EXPECT_EQ(held.windows, start.windows + 10);
    EXPECT_EQ(held.kernelHandles, start.kernelHandles + 30);
    EXPECT_GE(held.heapBlocks, start.heapBlocks + 100);
    EXPECT_GE(held.heapBytes, start.heapBytes + 100 * 1000);
    EXPECT_GE(held.privateBytes, start.privateBytes + (1 << 20));
    EXPECT_EQ(freed.gdiObjects, start.gdiObjects);
    EXPECT_EQ(freed.windows, start.windows);
    EXPECT_EQ(freed.kernelHandles, start.kernelHandles);
    EXPECT_LE(freed.heapBlocks, start.heapBlocks + 4);
    EXPECT_LE(freed.privateBytes, start.privateBytes + 64 * 1024);
}

}  // namespace

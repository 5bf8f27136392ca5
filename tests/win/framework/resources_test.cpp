#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "framework/framework.h"
#include "test_ids.h"

namespace {

TEST(Resources, LoadStrReadsEntriesOfAnyLength) {
  EXPECT_EQ(fw::LoadStr(IDS_PAGE1), "Alpha");
  std::string expected;
  for (int i = 0; i < 60; ++i) expected += fw::FormatStr("%03d-abcdefgh;", i);
  EXPECT_EQ(fw::LoadStr(IDS_LONG), expected);
  EXPECT_EQ(fw::LoadStr(999), "");
  EXPECT_EQ(fw::ResourceInstance(), GetModuleHandleA(nullptr));
}

TEST(Resources, FormatStrHasNoLengthLimit) {
  std::string big(5000, 'x');
  EXPECT_EQ(fw::FormatStr("[%s]%d", big.c_str(), 7), "[" + big + "]7");
  EXPECT_EQ(fw::FormatStr("%s", "100% sure"), "100% sure");
}

TEST(Resources, IconsAreLoadedOnceAndShared) {
  EXPECT_EQ(fw::LoadIconRes(4242), nullptr);
  EXPECT_EQ(fw::LoadIconRes(4242, 16), nullptr);
}

unsigned CountUp(void* p) {
  static_cast<std::atomic<int>*>(p)->fetch_add(1);
  return 5;
}

TEST(Threads, StartThreadRunsTheProcedure) {
  std::atomic<int> counter{0};
  HANDLE h = fw::StartThread(&CountUp, &counter);
  ASSERT_NE(h, nullptr);
  ASSERT_EQ(WaitForSingleObject(h, 5000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(h, &code);
  CloseHandle(h);
  EXPECT_EQ(code, 5u);
  EXPECT_EQ(counter.load(), 1);

  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_TRUE(fw::StartDetachedThread([done] {
    SetEvent(done);
    return 0u;
  }));
  EXPECT_EQ(WaitForSingleObject(done, 5000), WAIT_OBJECT_0);
  CloseHandle(done);
}

}  // namespace

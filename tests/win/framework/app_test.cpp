#include <gtest/gtest.h>

#include <string>

#include "framework/framework.h"

namespace {

class CTestApp : public fw::CWinApp {
 public:
  BOOL runLoop = FALSE;
  std::string seenCmdLine;
  bool sawItself = false;

  BOOL InitInstance() override {
    seenCmdLine = m_lpCmdLine;
    sawItself = Get() == this;
    if (runLoop) PostQuitMessage(4);
    return runLoop;
  }
};

TEST(Application, RunsInitThenExitAndReturnsItsCode) {
  {
    CTestApp app;
    EXPECT_EQ(app.Run(GetModuleHandleA(nullptr), "-s"), 0);
    EXPECT_EQ(app.seenCmdLine, "-s");
    EXPECT_TRUE(app.sawItself);
  }
  {
    // With a message loop: the exit code is the one WM_QUIT carried.
    CTestApp app;
    app.runLoop = TRUE;
    EXPECT_EQ(app.Run(GetModuleHandleA(nullptr), nullptr), 4);
    EXPECT_EQ(app.seenCmdLine, "");
  }
  EXPECT_EQ(fw::CWinApp::Get(), nullptr);
}

}  // namespace

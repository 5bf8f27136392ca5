#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "test_ids.h"
#include "test_support.h"

namespace {

constexpr UINT kAppQuery = WM_APP + 1;
constexpr UINT kCustomNotify = 0x7001;  // a notification code no control sends by itself

// A control that owns its notifications (reflected by its parent) and filters its input.
class CDigitEdit : public fw::CWnd {
 public:
  std::vector<std::string> log;
  HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));

 protected:
  void OnReflectedNotify(NMHDR*, LRESULT* result) {
    log.push_back("notify");
    *result = 77;
  }
  void OnReflectedChange() { log.push_back("change"); }
  HBRUSH OnCtlColor(HDC, UINT) { return brush; }
  void OnChar(UINT ch, UINT, UINT) {
    if (ch >= '0' && ch <= '9') Default();
  }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CDigitEdit, fw::CWnd)
  FW_ON_NOTIFY_REFLECT(kCustomNotify, OnReflectedNotify)
  FW_ON_CONTROL_REFLECT(EN_CHANGE, OnReflectedChange)
  FW_ON_WM_CTLCOLOR_REFLECT(OnCtlColor)
  FW_ON_WM_CHAR(OnChar)
FW_END_MESSAGE_MAP()

// Base handlers, reached through the derived class's map chain.
class CBaseForm : public fw::CDialog {
 public:
  CBaseForm() : fw::CDialog(IDD_FORM) {}
  std::vector<std::string> log;

 protected:
  void OnBaseButton() { log.push_back("base button"); }
  LRESULT OnQuery(WPARAM wp, LPARAM lp) { return static_cast<LRESULT>(wp + lp); }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CBaseForm, fw::CDialog)
  FW_ON_COMMAND(IDC_BUTTON, OnBaseButton)
  FW_ON_MESSAGE(kAppQuery, OnQuery)
FW_END_MESSAGE_MAP()

class CForm : public CBaseForm {
 public:
  CDigitEdit m_number;
  UINT_PTR lastTimer = 0;

 protected:
  void DoDataExchange(fw::CDataExchange* dx) override { fw::DDX_Control(dx, IDC_NUMBER, m_number); }
  void OnRadio(UINT id) { log.push_back("radio " + std::to_string(id)); }
  void OnNameChange() { log.push_back("name change"); }
  void OnListSel() { log.push_back("list sel"); }
  void OnNotify(NMHDR* n, LRESULT* result) {
    log.push_back("notify " + std::to_string(n->idFrom));
    *result = 55;
  }
  void OnTimer(UINT_PTR id) { lastTimer = id; }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CForm, CBaseForm)
  FW_ON_COMMAND_RANGE(IDC_RADIO1, IDC_RADIO3, OnRadio)
  FW_ON_EN_CHANGE(IDC_NAME, OnNameChange)
  FW_ON_LBN_SELCHANGE(IDC_LIST, OnListSel)
  FW_ON_NOTIFY(kCustomNotify, IDC_NAME, OnNotify)
  FW_ON_NOTIFY(kCustomNotify, IDC_NUMBER, OnNotify)
  FW_ON_WM_TIMER(OnTimer)
FW_END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fwtest::InitControls();
    ASSERT_TRUE(form.Create(IDD_FORM));
    form.log.clear();
  }
  void TearDown() override {
    form.DestroyWindow();
    fwtest::DrainQueue();
  }
  LRESULT Notify(int id, UINT code) {
    NMHDR n{form.GetDlgItem(id), static_cast<UINT_PTR>(id), code};
    return form.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&n));
  }
  LRESULT Command(int id, UINT code) {
    return form.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(form.GetDlgItem(id)));
  }
  CForm form;
};

TEST_F(MessageMapTest, CommandsReachTheirHandlers) {
  struct Case {
    int id;
    UINT code;
    const char* expected;  // nullptr: no handler
  } cases[] = {
      {IDC_BUTTON, BN_CLICKED, "base button"},  // entry of the base class map
      {IDC_RADIO1, BN_CLICKED, "radio 1005"},
      {IDC_RADIO3, BN_CLICKED, "radio 1007"},
      {IDC_NAME, EN_CHANGE, "name change"},
      {IDC_NAME, EN_SETFOCUS, nullptr},        // other code, same control
      {IDC_LIST, LBN_SELCHANGE, "list sel"},
      {IDC_BUTTON, BN_DOUBLECLICKED, nullptr},  // a command entry takes clicks only
  };
  for (const Case& c : cases) {
    form.log.clear();
    Command(c.id, c.code);
    if (c.expected == nullptr)
      EXPECT_TRUE(form.log.empty()) << c.id << "/" << c.code;
    else
      EXPECT_EQ(form.log, std::vector<std::string>{c.expected}) << c.id << "/" << c.code;
  }
}

TEST_F(MessageMapTest, MenuAndAcceleratorCommandsHaveNoControl) {
  form.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, 0), 0);
  form.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, 1), 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"base button", "base button"}));
}

TEST_F(MessageMapTest, MessageResultComesBackThroughTheDialogProcedure) {
  EXPECT_EQ(form.SendMessage(kAppQuery, 40, 2), 42);
  EXPECT_EQ(Notify(IDC_NAME, kCustomNotify), 55);
  EXPECT_EQ(form.log, std::vector<std::string>{"notify 1001"});
}

TEST_F(MessageMapTest, FrameworkChildGetsItsNotificationsFirst) {
  ASSERT_EQ(fw::CWnd::FromHandle(form.GetDlgItem(IDC_NUMBER)), &form.m_number);
  EXPECT_EQ(Notify(IDC_NUMBER, kCustomNotify), 77);
  Command(IDC_NUMBER, EN_CHANGE);
  EXPECT_EQ(form.m_number.log, (std::vector<std::string>{"notify", "change"}));
  EXPECT_TRUE(form.log.empty());  // the parent's own entry for IDC_NUMBER did not run
}

TEST_F(MessageMapTest, ReflectedColourIsReturnedDirectly) {
  HDC dc = GetDC(form.m_hWnd);
  LRESULT r = form.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(form.GetDlgItem(IDC_NUMBER)));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(r), form.m_number.brush);
  // Not handled: the system's default brush, not ours.
  r = form.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(form.GetDlgItem(IDC_NAME)));
  EXPECT_NE(reinterpret_cast<HBRUSH>(r), form.m_number.brush);
  ReleaseDC(form.m_hWnd, dc);
}

TEST_F(MessageMapTest, SubclassedControlKeepsItsDefaultBehaviour) {
  HWND edit = form.GetDlgItem(IDC_NUMBER);
  for (char ch : std::string("a1b2"))
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(ch), 1);
  EXPECT_EQ(form.GetDlgItemText(IDC_NUMBER), "12");
  EXPECT_EQ(std::count(form.m_number.log.begin(), form.m_number.log.end(), "change"), 2);
}

TEST_F(MessageMapTest, WindowTimerRunsTheTimerHandler) {
  ASSERT_EQ(form.SetTimer(9, 10), 9u);
  DWORD start = GetTickCount();
  while (form.lastTimer == 0 && GetTickCount() - start < 2000) fw::PumpMessages(20);
  form.KillTimer(9);
  EXPECT_EQ(form.lastTimer, 9u);
}

// The edit sends EN_KILLFOCUS from inside its own WM_KILLFOCUS: a Default() in the
// reflected handler must not hand that WM_KILLFOCUS to the edit a second time.
class CKillFocusEdit : public fw::CWnd {
 public:
  int killFocus = 0;
  int reflected = 0;
  LRESULT reflectedDefault = -1;

 protected:
  void OnReflectedKillFocus() {
    ++reflected;
    reflectedDefault = Default();
  }
  LRESULT OnKillFocus(WPARAM, LPARAM) {
    ++killFocus;
    return Default();
  }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CKillFocusEdit, fw::CWnd)
  FW_ON_CONTROL_REFLECT(EN_KILLFOCUS, OnReflectedKillFocus)
  FW_ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
FW_END_MESSAGE_MAP()

TEST_F(MessageMapTest, DefaultInAReflectedHandlerReplaysNothing) {
  CKillFocusEdit edit;
  ASSERT_TRUE(edit.SubclassDlgItem(IDC_NAME, &form));
  form.ShowWindow(SW_SHOW);
  SetFocus(edit.m_hWnd);
  SetFocus(form.GetDlgItem(IDC_BUTTON));
  EXPECT_EQ(edit.killFocus, 1);
  EXPECT_EQ(edit.reflected, 1);
  EXPECT_EQ(edit.reflectedDefault, 0);
  edit.UnsubclassWindow();
}

// Binding runs the control's own set-up before its next message.
TEST_F(MessageMapTest, SubclassingCallsPreSubclassWindow) {
  struct CSetUp : fw::CWnd {
    HWND seen = nullptr;
    void PreSubclassWindow() override { seen = m_hWnd; }
  } ctl;
  ASSERT_TRUE(ctl.SubclassDlgItem(IDC_LIST, &form));
  EXPECT_EQ(ctl.seen, form.GetDlgItem(IDC_LIST));
  ctl.UnsubclassWindow();
}

TEST(WindowMap, NcDestroyUnbindsTheObject) {
  struct CountingDialog : fw::CDialog {
    CountingDialog() : fw::CDialog(IDD_SMALL) {}
    int postNcDestroy = 0;
    void PostNcDestroy() override { ++postNcDestroy; }
  } dlg;
  ASSERT_TRUE(dlg.Create(IDD_SMALL));
  HWND h = dlg.m_hWnd;
  EXPECT_EQ(fw::CWnd::FromHandle(h), &dlg);
  EXPECT_TRUE(dlg.IsWindow());
  DestroyWindow(h);
  EXPECT_EQ(fw::CWnd::FromHandle(h), nullptr);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_FALSE(dlg.IsWindow());
  EXPECT_EQ(dlg.postNcDestroy, 1);
}

TEST(WindowMap, SubclassedControlIsReleasedWithItsWindow) {
  fwtest::InitControls();
  fw::CDialog dlg(IDD_FORM);
  ASSERT_TRUE(dlg.Create(IDD_FORM));
  CDigitEdit edit;
  HWND h = dlg.GetDlgItem(IDC_NAME);
  ASSERT_TRUE(edit.SubclassDlgItem(IDC_NAME, &dlg));
  EXPECT_FALSE(CDigitEdit().SubclassWindow(h));  // one object per window
  dlg.DestroyWindow();
  EXPECT_EQ(edit.m_hWnd, nullptr);
  EXPECT_EQ(fw::CWnd::FromHandle(h), nullptr);
}

TEST(WindowMap, DeleteLaterOfAnIdleWindowDeletesAtOnce) {
  static bool deleted;
  deleted = false;
  struct Dlg : fw::CDialog {
    Dlg() : fw::CDialog(IDD_SMALL) {}
    ~Dlg() override { deleted = true; }
  };
  auto* dlg = new Dlg;
  ASSERT_TRUE(dlg->Create(IDD_SMALL));
  HWND h = dlg->m_hWnd;
  fw::DeleteLater(dlg);
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(IsWindow(h));
}

}  // namespace

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/framework.h"
#include "test_ids.h"
#include "test_support.h"

namespace {

constexpr UINT kRunStep = WM_APP + 10;

// A dialog that runs a test step from inside its own modal loop.
class CStepDialog : public fw::CDialog {
 public:
  explicit CStepDialog(UINT id, fw::CWnd* parent = nullptr) : fw::CDialog(id, parent) {}
  std::function<void(CStepDialog&)> step;

 protected:
  BOOL OnInitDialog() override {
    fw::CDialog::OnInitDialog();
    if (step) PostMessage(kRunStep);
    return TRUE;
  }
  LRESULT OnRunStep(WPARAM, LPARAM) {
    step(*this);
    return 0;
  }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CStepDialog, fw::CDialog)
  FW_ON_MESSAGE(kRunStep, OnRunStep)
FW_END_MESSAGE_MAP()

class CFormDialog : public CStepDialog {
 public:
  CFormDialog() : CStepDialog(IDD_FORM) {}
  std::string name = "first";
  std::string comboText = "free text";
  int number = 12;
  unsigned count = 3;
  int comboIndex = 1;
  int check = BST_CHECKED;
  int radio = 2;
  int slider = 7;
  int listIndex = 2;

 protected:
  BOOL OnInitDialog() override {
    for (const char* s : {"red", "green", "blue"}) {
      SendDlgItemMessageA(m_hWnd, IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
      SendDlgItemMessageA(m_hWnd, IDC_COMBO_EDIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
      SendDlgItemMessageA(m_hWnd, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    SendDlgItemMessageA(m_hWnd, IDC_SLIDER, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
    return CStepDialog::OnInitDialog();
  }
  void DoDataExchange(fw::CDataExchange* dx) override {
    fw::DDX_Text(dx, IDC_NAME, name);
    fw::DDX_Text(dx, IDC_NUMBER, number);
    fw::DDX_Text(dx, IDC_UNSIGNED, count);
    fw::DDX_CBIndex(dx, IDC_COMBO, comboIndex);
    fw::DDX_CBString(dx, IDC_COMBO_EDIT, comboText);
    fw::DDX_Check(dx, IDC_CHECK, check);
    fw::DDX_Radio(dx, IDC_RADIO1, radio);
    fw::DDX_Slider(dx, IDC_SLIDER, slider);
    fw::DDX_LBIndex(dx, IDC_LIST, listIndex);
  }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { fwtest::InitControls(); }
  void TearDown() override { fwtest::DrainQueue(); }
};

TEST_F(DialogTest, DoModalReturnsTheEndDialogCode) {
  CStepDialog dlg(IDD_SMALL);
  dlg.step = [](CStepDialog& d) {
    EXPECT_TRUE(IsWindowVisible(d.m_hWnd));
    d.EndDialog(42);
  };
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, CancelButtonEndsWithIdCancel) {
  CStepDialog dlg(IDD_SMALL);
  dlg.step = [](CStepDialog& d) { fwtest::Click(d.GetDlgItem(IDCANCEL)); };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, MissingTemplateFailsWithMinusOne) {
  fw::CDialog dlg(4242);
  EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(DialogTest, DataExchangeRoundTrip) {
  CFormDialog dlg;
  dlg.step = [](CStepDialog& base) {
    auto& d = static_cast<CFormDialog&>(base);
    // Members reached the controls.
    EXPECT_EQ(d.GetDlgItemText(IDC_NAME), "first");
    EXPECT_EQ(d.GetDlgItemText(IDC_NUMBER), "12");
    EXPECT_EQ(SendDlgItemMessageA(d.m_hWnd, IDC_COMBO, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(d.GetDlgItemText(IDC_COMBO_EDIT), "free text");
    EXPECT_EQ(d.IsDlgButtonChecked(IDC_CHECK), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(d.IsDlgButtonChecked(IDC_RADIO3), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(d.IsDlgButtonChecked(IDC_RADIO1), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(SendDlgItemMessageA(d.m_hWnd, IDC_SLIDER, TBM_GETPOS, 0, 0), 7);
    EXPECT_EQ(SendDlgItemMessageA(d.m_hWnd, IDC_LIST, LB_GETCURSEL, 0, 0), 2);
    // The user edits every control, then presses OK.
    d.SetDlgItemText(IDC_NAME, "second");
    d.SetDlgItemText(IDC_NUMBER, "-35");
    d.SetDlgItemText(IDC_UNSIGNED, "4000000000");
    SendDlgItemMessageA(d.m_hWnd, IDC_COMBO, CB_SETCURSEL, 2, 0);
    SendDlgItemMessageA(d.m_hWnd, IDC_COMBO_EDIT, CB_SETCURSEL, 0, 0);
    d.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    d.CheckDlgButton(IDC_RADIO3, BST_UNCHECKED);
    d.CheckDlgButton(IDC_RADIO1, BST_CHECKED);
    SendDlgItemMessageA(d.m_hWnd, IDC_SLIDER, TBM_SETPOS, TRUE, 15);
    SendDlgItemMessageA(d.m_hWnd, IDC_LIST, LB_SETCURSEL, 0, 0);
    fwtest::Click(d.GetDlgItem(IDOK));
  };
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.name, "second");
  EXPECT_EQ(dlg.number, -35);
  EXPECT_EQ(dlg.count, 4000000000u);
  EXPECT_EQ(dlg.comboIndex, 2);
  EXPECT_EQ(dlg.comboText, "red");
  EXPECT_EQ(dlg.check, BST_UNCHECKED);
  EXPECT_EQ(dlg.radio, 0);
  EXPECT_EQ(dlg.slider, 15);
  EXPECT_EQ(dlg.listIndex, 0);
}

TEST_F(DialogTest, FailedValidationKeepsTheDialogOpenAndFocusesTheControl) {
  CFormDialog dlg;
  int attempts = 0;
  dlg.step = [&attempts](CStepDialog& d) {
    d.SetDlgItemText(IDC_NUMBER, "12x");
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(d.GetDlgItem(IDOK)));
    ++attempts;
    EXPECT_TRUE(d.IsWindow());  // still open
    EXPECT_EQ(GetFocus(), d.GetDlgItem(IDC_NUMBER));
    d.SetDlgItemText(IDC_NUMBER, "13");
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(d.GetDlgItem(IDOK)));
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(attempts, 1);
  EXPECT_EQ(dlg.number, 13);
}

TEST_F(DialogTest, NumberTextValidation) {
  struct Case {
    int id;
    const char* text;
    bool ok;
    long long value;
  } cases[] = {
      {IDC_NUMBER, "42", true, 42},
      {IDC_NUMBER, "  -7 ", true, -7},
      {IDC_NUMBER, "2147483647", true, 2147483647},
      {IDC_NUMBER, "2147483648", false, 0},
      {IDC_NUMBER, "99999999999999999999999", false, 0},
      {IDC_NUMBER, "12x", false, 0},
      {IDC_NUMBER, "", false, 0},
      {IDC_NUMBER, "-", false, 0},
      {IDC_UNSIGNED, "4294967295", true, 4294967295LL},
      {IDC_UNSIGNED, "4294967296", false, 0},
      {IDC_UNSIGNED, "-1", false, 0},
  };
  CFormDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_FORM));
  for (const Case& c : cases) {
    dlg.SetDlgItemText(IDC_NUMBER, "1");
    dlg.SetDlgItemText(IDC_UNSIGNED, "1");
    dlg.SetDlgItemText(c.id, c.text);
    dlg.number = -1;
    dlg.count = 0;
    dlg.name = "unchanged";
    BOOL ok = dlg.UpdateData(TRUE);
    EXPECT_EQ(ok != FALSE, c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(c.id == IDC_NUMBER ? static_cast<long long>(dlg.number) : static_cast<long long>(dlg.count), c.value)
          << c.text;
    } else if (c.id == IDC_NUMBER) {
      EXPECT_EQ(dlg.number, -1) << c.text;
      EXPECT_EQ(dlg.count, 0u) << "later exchanges are skipped after a failure";
    }
  }
  dlg.DestroyWindow();
}

TEST_F(DialogTest, ComboStringLoadMatchesWholeItemsOnly) {
  CFormDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_FORM));
  dlg.comboText = "gre";  // a prefix of "green": not that item
  dlg.UpdateData(FALSE);
  EXPECT_EQ(SendDlgItemMessageA(dlg.m_hWnd, IDC_COMBO_EDIT, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(dlg.GetDlgItemText(IDC_COMBO_EDIT), "gre");
  dlg.comboText = "blue";
  dlg.UpdateData(FALSE);
  EXPECT_EQ(SendDlgItemMessageA(dlg.m_hWnd, IDC_COMBO_EDIT, CB_GETCURSEL, 0, 0), 2);
  dlg.DestroyWindow();
}

TEST_F(DialogTest, RadioGroupWithNothingCheckedSavesMinusOne) {
  CFormDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_FORM));
  dlg.radio = -1;
  dlg.UpdateData(FALSE);
  for (int id : {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3}) EXPECT_EQ(dlg.IsDlgButtonChecked(id), 0u);
  dlg.radio = 5;
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.radio, -1);
  dlg.DestroyWindow();
}

// Window-less timers (SetTimer with no window) must fire inside DoModal's loop.
CStepDialog* g_timerDialog = nullptr;
int g_timerTicks = 0;

void CALLBACK WindowlessTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (++g_timerTicks == 3) {
    KillTimer(nullptr, id);
    g_timerDialog->EndDialog(7);
  }
}

TEST_F(DialogTest, WindowlessTimerFiresInsideDoModal) {
  CStepDialog dlg(IDD_SMALL);
  g_timerDialog = &dlg;
  g_timerTicks = 0;
  ASSERT_NE(SetTimer(nullptr, 0, 50, &WindowlessTimer), 0u);
  EXPECT_EQ(dlg.DoModal(), 7);
  EXPECT_EQ(g_timerTicks, 3);
}

TEST_F(DialogTest, NestedModalLoopsAndOwnerState) {
  CStepDialog outer(IDD_SMALL);
  int innerResult = 0;
  outer.step = [&innerResult](CStepDialog& o) {
    CStepDialog inner(IDD_SMALL, &o);
    inner.step = [&o](CStepDialog& i) {
      EXPECT_FALSE(IsWindowEnabled(o.m_hWnd));  // the owner is disabled while inner runs
      EXPECT_EQ(GetWindow(i.m_hWnd, GW_OWNER), o.m_hWnd);
      i.EndDialog(5);
    };
    innerResult = static_cast<int>(inner.DoModal());
    EXPECT_TRUE(IsWindowEnabled(o.m_hWnd));
    o.EndDialog(6);
  };
  EXPECT_EQ(outer.DoModal(), 6);
  EXPECT_EQ(innerResult, 5);
}

TEST_F(DialogTest, QuitEndsEveryLoopAndStaysQueued) {
  CStepDialog outer(IDD_SMALL);
  INT_PTR innerResult = 0;
  outer.step = [&innerResult](CStepDialog& o) {
    CStepDialog inner(IDD_SMALL, &o);
    inner.step = [](CStepDialog&) { PostQuitMessage(3); };
    innerResult = inner.DoModal();
  };
  EXPECT_EQ(outer.DoModal(), -1);
  EXPECT_EQ(innerResult, -1);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

// The program's main window: a modal dialog that hides itself whenever it would paint.
class CHiddenDialog : public CStepDialog {
 public:
  CHiddenDialog() : CStepDialog(IDD_SMALL) {}
  int paints = 0;

 protected:
  void OnPaint() {
    fw::CPaintDC dc(this);
    ++paints;
    ShowWindow(SW_HIDE);
  }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CHiddenDialog, CStepDialog)
  FW_ON_WM_PAINT(OnPaint)
FW_END_MESSAGE_MAP()

TEST_F(DialogTest, DialogHiddenOnPaintRunsItsLoop) {
  CHiddenDialog dlg;
  bool visibleInLoop = true;
  dlg.step = [&visibleInLoop](CStepDialog& d) {
    fw::PumpMessages(100);
    visibleInLoop = IsWindowVisible(d.m_hWnd) != FALSE;
    d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_FALSE(visibleInLoop);
  EXPECT_GE(dlg.paints, 1);
}

}  // namespace

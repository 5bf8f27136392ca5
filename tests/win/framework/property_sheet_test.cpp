#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/framework.h"
#include "test_ids.h"
#include "test_support.h"

namespace {

class CTestPage : public fw::CPropertyPage {
 public:
  CTestPage(UINT id, UINT caption) : fw::CPropertyPage(id, caption) {}
  std::string text;
  bool veto = false;
  int setActive = 0;
  int killActive = 0;
  int applied = 0;
  int reset = 0;

  BOOL OnSetActive() override {
    ++setActive;
    return fw::CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override {
    ++killActive;
    return veto ? FALSE : fw::CPropertyPage::OnKillActive();
  }
  BOOL OnApply() override {
    ++applied;
    return fw::CPropertyPage::OnApply();
  }
  void OnReset() override { ++reset; }

 protected:
  void DoDataExchange(fw::CDataExchange* dx) override { fw::DDX_Text(dx, IDC_PAGE_EDIT, text); }
};

// The program's main sheet shows its OK button on a modeless sheet.
class CTestSheet : public fw::CPropertySheet {
 public:
  CTestSheet() : fw::CPropertySheet(IDS_SHEET) {}
  int initDialog = 0;
  bool swallowEnter = false;

  BOOL OnInitDialog() override {
    fw::CPropertySheet::OnInitDialog();
    ++initDialog;
    ::ShowWindow(GetDlgItem(IDOK), SW_SHOW);
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    return TRUE;
  }

  std::vector<std::string> log;

 protected:
  void OnHelpButton() { log.push_back("help button"); }
  BOOL OnHelpInfo(HELPINFO*) {
    log.push_back("help");
    return TRUE;
  }
  FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CTestSheet, fw::CPropertySheet)
  FW_ON_COMMAND(IDHELP, OnHelpButton)
  FW_ON_WM_HELPINFO(OnHelpInfo)
FW_END_MESSAGE_MAP()

int TabCount(const fw::CPropertySheet& s) {
  return static_cast<int>(SendMessageA(s.GetTabControl(), TCM_GETITEMCOUNT, 0, 0));
}

class PropertySheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fwtest::InitControls();
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.AddPage(&p3);
  }
  void TearDown() override {
    sheet.DestroyWindow();
    fwtest::DrainQueue();
  }
  CTestPage p1{IDD_PAGE1, IDS_PAGE1};
  CTestPage p2{IDD_PAGE2, IDS_PAGE2};
  CTestPage p3{IDD_PAGE3, IDS_PAGE3};
  CTestPage p4{IDD_PAGE4, IDS_PAGE4};
  CTestSheet sheet;
};

TEST_F(PropertySheetTest, ModelessSheetLifecycle) {
  p1.text = "one";
  ASSERT_TRUE(sheet.Create());
  fw::PumpPending();
  EXPECT_EQ(sheet.initDialog, 1);
  EXPECT_EQ(fw::CWnd::FromHandle(sheet.m_hWnd), &sheet);
  EXPECT_EQ(sheet.GetActiveIndex(), 0);
  EXPECT_EQ(sheet.GetActivePage(), &p1);
  EXPECT_EQ(p1.GetDlgItemText(IDC_PAGE_EDIT), "one");
  EXPECT_EQ(p2.m_hWnd, nullptr);  // pages are made when first shown
  EXPECT_EQ(p1.GetParentSheet(), &sheet);
  // The modeless sheet's other buttons are hidden.
  EXPECT_FALSE(IsWindowVisible(sheet.GetDlgItem(IDCANCEL)));
  EXPECT_TRUE(IsWindowVisible(sheet.GetDlgItem(IDOK)));

  // A page added at run time, then one removed.
  sheet.AddPage(&p4);
  EXPECT_EQ(sheet.GetPageCount(), 4);
  EXPECT_EQ(TabCount(sheet), 4);
  EXPECT_EQ(sheet.GetPageIndex(&p4), 3);
  sheet.RemovePage(&p2);
  EXPECT_EQ(sheet.GetPageCount(), 3);
  EXPECT_EQ(TabCount(sheet), 3);
  EXPECT_EQ(sheet.GetPage(1), &p3);
  EXPECT_EQ(p2.GetParentSheet(), nullptr);

  // Leaving a page it vetoes fails and keeps it; then the user types and leaves.
  p1.veto = true;
  EXPECT_FALSE(sheet.SetActivePage(&p4));
  EXPECT_EQ(sheet.GetActivePage(), &p1);
  p1.veto = false;
  p1.SetDlgItemText(IDC_PAGE_EDIT, "edited");
  EXPECT_TRUE(sheet.SetActivePage(&p4));
  EXPECT_EQ(sheet.GetActivePage(), &p4);
  EXPECT_EQ(p1.text, "edited");  // saved when it was left
  EXPECT_NE(p4.m_hWnd, nullptr);

  // OK: the window goes on the next loop turn, the object stays.
  HWND h = sheet.m_hWnd;
  fwtest::Click(sheet.GetDlgItem(IDOK));
  fw::PumpPending();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(sheet.IsWindow());
  EXPECT_EQ(fw::CWnd::FromHandle(h), nullptr);
  EXPECT_EQ(p1.applied, 1);
  EXPECT_EQ(p4.applied, 1);
  EXPECT_EQ(p3.applied, 0);  // never shown: never created, never applied
  EXPECT_EQ(p1.m_hWnd, nullptr);
  EXPECT_EQ(sheet.GetPageCount(), 3);
}

TEST_F(PropertySheetTest, SheetWindowRunsItsOwnMessageMap) {
  sheet.m_psh.dwFlags |= PSH_HASHELP;
  ASSERT_TRUE(sheet.Create());
  fwtest::Click(sheet.GetDlgItem(IDHELP));
  HELPINFO info{};
  info.cbSize = sizeof info;
  EXPECT_EQ(sheet.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE);
  EXPECT_EQ(sheet.log, (std::vector<std::string>{"help button", "help"}));
  EXPECT_TRUE(sheet.IsWindow());
}

TEST_F(PropertySheetTest, PressButtonOkAlsoEndsTheModelessSheet) {
  ASSERT_TRUE(sheet.Create());
  HWND h = sheet.m_hWnd;
  PropSheet_PressButton(h, PSBTN_OK);
  fw::PumpPending();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(p1.applied, 1);
}

TEST_F(PropertySheetTest, VetoedOkKeepsTheSheet) {
  ASSERT_TRUE(sheet.Create());
  p1.veto = true;
  fwtest::Click(sheet.GetDlgItem(IDOK));
  fw::PumpPending();
  EXPECT_TRUE(sheet.IsWindow());
  EXPECT_EQ(p1.applied, 0);
}

TEST_F(PropertySheetTest, StartPageAndCreateAgainAfterClose) {
  sheet.SetActivePage(2);
  ASSERT_TRUE(sheet.Create());
  EXPECT_EQ(sheet.GetActivePage(), &p3);
  EXPECT_EQ(p1.m_hWnd, nullptr);
  PropSheet_PressButton(sheet.m_hWnd, PSBTN_CANCEL);
  fw::PumpPending();
  ASSERT_FALSE(sheet.IsWindow());
  EXPECT_EQ(p3.reset, 1);
  // The owner may build the window again from the same object.
  ASSERT_TRUE(sheet.Create());
  EXPECT_EQ(TabCount(sheet), 3);
  EXPECT_EQ(sheet.initDialog, 2);
}

TEST_F(PropertySheetTest, CtrlTabSwitchesPagesThroughTheLoop) {
  ASSERT_TRUE(sheet.Create());
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE saved = keys[VK_CONTROL];
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(p1.GetDlgItem(IDC_PAGE_EDIT), WM_KEYDOWN, VK_TAB, 0);
  fw::PumpPending();
  keys[VK_CONTROL] = saved;
  SetKeyboardState(keys);
  EXPECT_EQ(sheet.GetActivePage(), &p2);
}

int g_pressButton = 0;

// Reaches the modal sheet from inside its DoModal loop.
void CALLBACK PressWhenShown(HWND, UINT, UINT_PTR id, DWORD) {
  HWND s = FindWindowA(nullptr, "Modal");
  if (s == nullptr) return;
  KillTimer(nullptr, id);
  PropSheet_PressButton(s, g_pressButton);
}

TEST_F(PropertySheetTest, ModalSheetReturnsHowItWasLeft) {
  struct Case {
    int button;
    INT_PTR expected;
  } cases[] = {{PSBTN_OK, IDOK}, {PSBTN_CANCEL, IDCANCEL}};
  for (const Case& c : cases) {
    fw::CPropertySheet modal("Modal");
    CTestPage page(IDD_PAGE1, IDS_PAGE1);
    modal.AddPage(&page);
    g_pressButton = c.button;
    ASSERT_NE(SetTimer(nullptr, 0, 20, &PressWhenShown), 0u);
    EXPECT_EQ(modal.DoModal(), c.expected);
    EXPECT_FALSE(modal.IsWindow());
    EXPECT_EQ(page.applied, c.expected == IDOK ? 1 : 0);
    EXPECT_EQ(page.reset, c.expected == IDOK ? 0 : 1);
  }
}

// A page opens a modal dialog; while it runs, the sheet is torn down and deleted.
bool g_sheetDeleted = false;
// What the page had recorded when its sheet was deleted.
INT_PTR g_modalResult = 0;
bool g_sheetAliveAfterModal = false;
bool g_handlerFinished = false;
// DeleteWhenIdle instead of DeleteLater: the dialog is ended first, the window waits too.
bool g_whenIdle = false;
bool g_sheetWindowAfterModal = false;
bool g_sheetShownAfterModal = false;

class CDeletingSheet : public fw::CPropertySheet {
 public:
  CDeletingSheet() : fw::CPropertySheet("Doomed") {}
  ~CDeletingSheet() override {
    g_sheetDeleted = true;
    g_modalResult = page.modalResult;
    g_sheetAliveAfterModal = page.sheetAliveAfterModal;
    g_handlerFinished = page.handlerFinished;
  }
  class CPage : public fw::CPropertyPage {
   public:
    CPage() : fw::CPropertyPage(IDD_PAGE1) {}
    INT_PTR modalResult = 0;
    bool sheetAliveAfterModal = false;
    bool handlerFinished = false;

   protected:
    void OnGo();
    FW_DECLARE_MESSAGE_MAP()
  } page;
};

class CKillerDialog : public fw::CDialog {
 public:
  CKillerDialog(fw::CWnd* parent, fw::CWnd* victim) : fw::CDialog(IDD_SMALL, parent), m_victim(victim) {}

 protected:
  BOOL OnInitDialog() override {
    fw::CDialog::OnInitDialog();
    // As the main window does when the adapter goes away.
    if (g_whenIdle) {
      EndDialog(IDCANCEL);
      fw::DeleteWhenIdle(m_victim);
    } else {
      fw::DeleteLater(m_victim);
    }
    return TRUE;
  }
  fw::CWnd* m_victim;
};

FW_BEGIN_MESSAGE_MAP(CDeletingSheet::CPage, fw::CPropertyPage)
  FW_ON_BN_CLICKED(IDC_PAGE_BUTTON, OnGo)
FW_END_MESSAGE_MAP()

void CDeletingSheet::CPage::OnGo() {
  HWND sheet = GetParentSheet()->m_hWnd;
  CKillerDialog dlg(this, GetParentSheet());
  modalResult = dlg.DoModal();
  sheetAliveAfterModal = !g_sheetDeleted;
  g_sheetWindowAfterModal = ::IsWindow(sheet) != FALSE;
  g_sheetShownAfterModal = IsWindowVisible(sheet) != FALSE;
  handlerFinished = true;  // writes to this page, a member of the sheet
}

TEST(DeferredDeletion, SheetDeletedFromANestedModalLoopGoesAfterTheHandler) {
  fwtest::InitControls();
  g_sheetDeleted = g_sheetAliveAfterModal = g_handlerFinished = false;
  g_modalResult = 0;
  auto* sheet = new CDeletingSheet;
  sheet->AddPage(&sheet->page);
  ASSERT_TRUE(sheet->Create());
  HWND sheetHwnd = sheet->m_hWnd;
  fwtest::Click(sheet->page.GetDlgItem(IDC_PAGE_BUTTON));
  EXPECT_TRUE(g_sheetDeleted);
  EXPECT_TRUE(g_sheetAliveAfterModal);
  EXPECT_TRUE(g_handlerFinished);
  EXPECT_EQ(g_modalResult, -1);  // the dialog went with its owner, without EndDialog
  EXPECT_FALSE(IsWindow(sheetHwnd));
  fwtest::DrainQueue();
}

TEST(DeferredDeletion, SheetLeftWhenIdleKeepsItsWindowHiddenUntilTheHandlerReturns) {
  fwtest::InitControls();
  g_sheetDeleted = g_sheetAliveAfterModal = g_handlerFinished = false;
  g_sheetWindowAfterModal = g_sheetShownAfterModal = false;
  g_modalResult = 0;
  g_whenIdle = true;
  auto* sheet = new CDeletingSheet;
  sheet->AddPage(&sheet->page);
  ASSERT_TRUE(sheet->Create());
  HWND sheetHwnd = sheet->m_hWnd;
  fwtest::Click(sheet->page.GetDlgItem(IDC_PAGE_BUTTON));
  g_whenIdle = false;
  EXPECT_TRUE(g_sheetDeleted);
  EXPECT_TRUE(g_handlerFinished);
  EXPECT_EQ(g_modalResult, IDCANCEL) << "the dialog ended as it was told, its owner still there";
  EXPECT_TRUE(g_sheetWindowAfterModal);
  EXPECT_FALSE(g_sheetShownAfterModal);
  EXPECT_FALSE(IsWindow(sheetHwnd));
  fwtest::DrainQueue();

  // Nothing runs: both go at once.
  auto* idle = new CDeletingSheet;
  idle->AddPage(&idle->page);
  ASSERT_TRUE(idle->Create());
  HWND idleHwnd = idle->m_hWnd;
  g_sheetDeleted = false;
  fw::DeleteWhenIdle(idle);
  EXPECT_TRUE(g_sheetDeleted);
  EXPECT_FALSE(IsWindow(idleHwnd));
  fwtest::DrainQueue();
}

}  // namespace

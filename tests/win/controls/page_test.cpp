#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"

namespace ctltest {
namespace {

// The controls on a property page: the page, not a dialog, reflects their notifications.
class CControlsPage : public fw::CPropertyPage {
public:
    CControlsPage() : fw::CPropertyPage(IDD_CONTROLS_PAGE) {}
    CCountingEdit m_number;
    CLinkSlider m_slider;
    CResizeWidthComboBox m_combo;
    CSiteListCtrl m_site;
    int customDraws = 0;

protected:
    void DoDataExchange(fw::CDataExchange* dx) override
    {
        fw::DDX_Control(dx, IDC_NUMBER, m_number);
        fw::DDX_Control(dx, IDC_SLIDER, m_slider);
        fw::DDX_Control(dx, IDC_COMBO, m_combo);
        fw::DDX_Control(dx, IDC_SITE_LIST, m_site);
    }
    BOOL OnInitDialog() override
    {
        fw::CPropertyPage::OnInitDialog();
        m_number.LinkSlider(this, IDC_SLIDER);
        m_number.SetRange(0, 2347, 32, 256);
        m_number.SetIntValue(2347);
        m_slider.SetPos(2347);
        m_site.InitImageList();
        return TRUE;
    }
    // Counts and lets the list draw as usual: the list's own object must not keep the
    // notification from its page.
    void OnCustomDraw(NMHDR*, LRESULT* result)
    {
        ++customDraws;
        *result = CDRF_DODEFAULT;
    }
    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CControlsPage, fw::CPropertyPage)
    FW_ON_NOTIFY(NM_CUSTOMDRAW, IDC_SITE_LIST, OnCustomDraw)
FW_END_MESSAGE_MAP()

class PageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::CWinApp::InitCommonControls();
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create());
        Pump();
        ASSERT_NE(page.m_hWnd, nullptr);
    }
    void TearDown() override
    {
        sheet.DestroyWindow();
        Pump();
    }
    HWND Item(int id) const { return page.GetDlgItem(id); }
    fw::CPropertySheet sheet{"Controls"};
    CControlsPage page;
};

TEST_F(PageTest, EditAndSliderFollowEachOtherOnAPage)
{
    SendMessageA(Item(IDC_SLIDER), WM_KEYDOWN, VK_PRIOR, 1);
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "2091");  // one page of 256 down

    SetWindowTextA(Item(IDC_NUMBER), "");
    Type(Item(IDC_NUMBER), "9000");
    SetFocus(Item(IDC_NUMBER));
    SetFocus(Item(IDC_OTHER));
    EXPECT_EQ(TextOf(Item(IDC_NUMBER)), "2347");
    EXPECT_EQ(page.m_slider.GetPos(), 2347);
    EXPECT_EQ(page.m_number.beeps, 1);
}

TEST_F(PageTest, ComboWidensOnAPage)
{
    const char* item = "A drop-down item far wider than its combo box";
    SendMessageA(Item(IDC_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(Item(IDC_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(Item(IDC_COMBO), CB_SHOWDROPDOWN, FALSE, 0);
    RECT r{};
    GetWindowRect(Item(IDC_COMBO), &r);
    EXPECT_GT(SendMessageA(Item(IDC_COMBO), CB_GETDROPPEDWIDTH, 0, 0), r.right - r.left);
}

TEST_F(PageTest, ListDrawsThroughThePage)
{
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 100;
    col.pszText = const_cast<char*>("SSID");
    SendMessageA(Item(IDC_SITE_LIST), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
    LVITEMA row{};
    row.mask = LVIF_TEXT | LVIF_IMAGE;
    row.pszText = const_cast<char*>("home");
    row.iImage = CSiteListCtrl::kImageConnected;
    SendMessageA(Item(IDC_SITE_LIST), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    RedrawWindow(Item(IDC_SITE_LIST), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_GT(page.customDraws, 0);
}

}  // namespace
}  // namespace ctltest

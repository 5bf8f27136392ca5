#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace ctltest {
namespace {

class ComboTest : public ControlsTest {
protected:
    HWND Combo() const { return Item(IDC_COMBO); }
    void Fill(const std::vector<std::string>& items)
    {
        SendMessageA(Combo(), CB_RESETCONTENT, 0, 0);
        for (const std::string& s : items)
            SendMessageA(Combo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    }
    int Extent(const std::string& text) const
    {
        HDC dc = GetDC(Combo());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Combo(), WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(Combo(), dc);
        return size.cx;
    }
    // Drops the list the way a click does and measures the list window that shows.
    int DroppedListWidth()
    {
        SendMessageA(Combo(), CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(Combo(), &info);
        RECT r{};
        GetWindowRect(info.hwndList, &r);
        SendMessageA(Combo(), CB_SHOWDROPDOWN, FALSE, 0);
        return r.right - r.left;
    }
    int ComboWidth() const
    {
        RECT r{};
        GetWindowRect(Combo(), &r);
        return r.right - r.left;
    }
};

TEST_F(ComboTest, DropDownWidthFollowsTheLongestItem)
{
    const std::string longest = "Region 5 (Channels 36, 40, 44, 48, 52, 56, 60, 64, 149-165)";
    const int scroll = GetSystemMetrics(SM_CXVSCROLL);
    Fill({"Auto", longest, "Region 1"});
    int wide = DroppedListWidth();
    EXPECT_EQ(static_cast<int>(SendMessageA(Combo(), CB_GETDROPPEDWIDTH, 0, 0)),
              Extent(longest) + scroll + Extent("0"));
    EXPECT_GE(wide, Extent(longest) + scroll);
    EXPECT_GT(wide, ComboWidth());

    // Fewer and shorter items: the list narrows again on the next drop.
    Fill({"Auto", "Region 1"});
    EXPECT_LT(DroppedListWidth(), wide);
    EXPECT_EQ(dlg.m_combo.RecalcDropWidth(), Extent("Region 1") + scroll + Extent("0"));
}

TEST_F(ComboTest, EmptyListGetsTheWidthOfOneDigit)
{
    Fill({});
    EXPECT_EQ(dlg.m_combo.RecalcDropWidth(), Extent("0"));
}

// One image drawn on a white 16 x 16 bitmap (nothing drawn without a list).
std::vector<DWORD> Render(HIMAGELIST list, int index)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 16;
    bi.bmiHeader.biHeight = -16;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, 16, 16};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (list != nullptr)
        ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    std::vector<DWORD> out(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 256);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bmp);
    return out;
}

class SiteListTest : public ControlsTest {
protected:
    HWND List() const { return Item(IDC_SITE_LIST); }
    void AddColumns()
    {
        const char* names[] = {"SSID", "BSSID", "Signal"};
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNA col{};
            col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            col.fmt = LVCFMT_LEFT;
            col.cx = 100;
            col.pszText = const_cast<char*>(names[i]);
            SendMessageA(List(), LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
        }
    }
    void AddRow(int index, const char* ssid)
    {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.iImage = -1;
        item.pszText = const_cast<char*>(ssid);
        SendMessageA(List(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
};

TEST_F(SiteListTest, BindingTurnsOnFullRowSelectAndSubItemImages)
{
    DWORD ex = static_cast<DWORD>(SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(ex & (LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES), DWORD{LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES});
}

TEST_F(SiteListTest, ImageListHoldsTheFiveIconsForRowsAndHeader)
{
    ASSERT_TRUE(dlg.m_site.InitImageList());
    HIMAGELIST list = dlg.m_site.GetImageList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list), 5);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    EXPECT_EQ(ImageList_GetBkColor(list), GetSysColor(COLOR_MENU));
    // The header draws the sort arrows from the same list.
    HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0)), list);
    // The icons of the resources, in their order: no two images alike, none blank.
    std::vector<std::vector<DWORD>> pixels;
    for (int i = 0; i < 5; ++i)
        pixels.push_back(Render(list, i));
    const std::vector<DWORD> blank = Render(nullptr, 0);
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            EXPECT_NE(pixels[i], pixels[j]) << i << " " << j;
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(pixels[i], blank) << i;
}

TEST_F(SiteListTest, ConnectedMarkAndSortArrowUseTheirImages)
{
    ASSERT_TRUE(dlg.m_site.InitImageList());
    AddColumns();
    AddRow(0, "home");
    AddRow(1, "office");
    LVITEMA mark{};
    mark.mask = LVIF_IMAGE;
    mark.iItem = 1;
    mark.iImage = CSiteListCtrl::kImageConnected;
    ASSERT_TRUE(SendMessageA(List(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&mark)));

    LVCOLUMNA col{};
    col.mask = LVCF_FMT | LVCF_IMAGE;
    col.fmt = LVCFMT_LEFT | LVCFMT_IMAGE;
    col.iImage = CSiteListCtrl::kImageSortDescending;
    ASSERT_TRUE(SendMessageA(List(), LVM_SETCOLUMNA, 2, reinterpret_cast<LPARAM>(&col)));

    LVITEMA got{};
    got.mask = LVIF_IMAGE;
    got.iItem = 1;
    SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.iImage, 0);
    HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
    HDITEMA hd{};
    hd.mask = HDI_FORMAT | HDI_IMAGE;
    SendMessageA(header, HDM_GETITEMA, 2, reinterpret_cast<LPARAM>(&hd));
    EXPECT_EQ(hd.iImage, 4) << std::hex << hd.fmt;
}

TEST_F(SiteListTest, SecondImageListReplacesTheFirst)
{
    ASSERT_TRUE(dlg.m_site.InitImageList());
    HIMAGELIST first = dlg.m_site.GetImageList();
    ASSERT_TRUE(dlg.m_site.InitImageList());
    EXPECT_NE(dlg.m_site.GetImageList(), first);
    EXPECT_EQ(ImageList_GetImageCount(dlg.m_site.GetImageList()), 5);
}

TEST(SiteListUnbound, NoWindowNoImageList)
{
    CSiteListCtrl list;
    EXPECT_FALSE(list.InitImageList());
}

// Columns that outgrow the list: the plain one gets a horizontal bar, ours never does.
TEST_F(ControlsTest, NoHScrollListNeverShowsTheHorizontalBar)
{
    HWND ours = Item(IDC_NOHS_LIST);
    HWND plain = Item(IDC_PLAIN_LIST);
    RECT before{};
    GetClientRect(ours, &before);
    for (HWND list : {ours, plain}) {
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNA col{};
            col.mask = LVCF_TEXT | LVCF_WIDTH;
            col.cx = 60;
            col.pszText = const_cast<char*>("Peer");
            SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
        }
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<char*>("00-11-22-33-44-55");
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        // The columns grow past the width of the list.
        for (int i = 0; i < 3; ++i)
            SendMessageA(list, LVM_SETCOLUMNWIDTH, i, 400);
        UpdateWindow(list);
    }
    Pump();
    EXPECT_TRUE(GetWindowLongA(plain, GWL_STYLE) & WS_HSCROLL);  // the case that is prevented
    EXPECT_FALSE(GetWindowLongA(ours, GWL_STYLE) & WS_HSCROLL);
    RECT after{};
    GetClientRect(ours, &after);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    // A resize measures the frame again: still no bar.
    RECT w{};
    GetWindowRect(ours, &w);
    SetWindowPos(ours, nullptr, 0, 0, w.right - w.left - 10, w.bottom - w.top, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_FALSE(GetWindowLongA(ours, GWL_STYLE) & WS_HSCROLL);
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    if (GetScrollBarInfo(ours, OBJID_HSCROLL, &sbi)) {
        EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    }
}

}  // namespace
}  // namespace ctltest

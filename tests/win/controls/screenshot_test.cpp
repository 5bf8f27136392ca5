// Not run by default: shows the test dialog filled in, for a look at it.
//   controls_tests --gtest_also_run_disabled_tests --gtest_filter='*Screenshot*'
// and take the picture while it waits (CONTROLS_SHOW_MS, 4000 by default).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "controls_fixture.h"

namespace ctltest {
namespace {

void Column(HWND list, int i, const char* text, int width, int image = -1)
{
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.fmt = LVCFMT_LEFT;
    if (image >= 0) {
        col.mask |= LVCF_IMAGE;
        col.fmt |= LVCFMT_IMAGE;
        col.iImage = image;
    }
    col.cx = width;
    col.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
}

void Row(HWND list, int i, const char* const* texts, int count, int image)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.iImage = image;
    item.pszText = const_cast<char*>(texts[0]);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int k = 1; k < count; ++k) {
        LVITEMA sub{};
        sub.iSubItem = k;
        sub.pszText = const_cast<char*>(texts[k]);
        SendMessageA(list, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&sub));
    }
}

TEST_F(ControlsTest, DISABLED_Screenshot)
{
    SetWindowTextA(Item(IDC_HEX), "0a1B2c3D4e");
    SetWindowTextA(Item(IDC_UNSIGNED), "2347");
    SetWindowTextA(Item(IDC_SIGNED), "-12");
    dlg.m_number.LinkSlider(&dlg, IDC_SLIDER);
    dlg.m_number.SetRange(0, 2347, 32, 256);
    dlg.m_number.SetIntValue(1024);
    dlg.m_slider.SetPosition(1024);
    dlg.m_vnumber.LinkSlider(&dlg, IDC_VSLIDER);
    dlg.m_vnumber.SetRange(0, 100, 1, 10);
    dlg.m_vnumber.SetIntValue(75);
    dlg.m_vnumber.GetSlider()->SetPosition(75);
    for (const char* s : {"Auto", "Region 1 (1-13)", "Region 5 (Channels 36, 40, 44, 48, 149-165)"})
        SendMessageA(Item(IDC_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageA(Item(IDC_COMBO), CB_SETCURSEL, 0, 0);

    HWND site = Item(IDC_SITE_LIST);
    dlg.m_site.InitImageList();
    SendMessageA(site, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, 0x421);
    Column(site, 0, "SSID", 80);
    Column(site, 1, "BSSID", 105);
    Column(site, 2, "Channel", 80, CSiteListCtrl::kImageSortAscending);
    Column(site, 3, "Signal", 60);
    const char* rows[][4] = {{"home", "00-11-22-33-44-55", "1", "90%"},
                             {"office", "00-11-22-33-44-66", "6", "70%"},
                             {"lab", "00-11-22-33-44-77", "36", "40%"}};
    for (int i = 0; i < 3; ++i)
        Row(site, i, rows[i], 4, i == 1 ? CSiteListCtrl::kImageConnected : -1);

    for (int id : {IDC_NOHS_LIST, IDC_PLAIN_LIST}) {
        HWND list = Item(id);
        Column(list, 0, "Peer", 200);
        Column(list, 1, "TID", 200);
        const char* r[] = {"00-11-22-33-44-55", "0"};
        Row(list, 0, r, 2, -1);
    }
    SetFocus(Item(IDC_HEX));
    const char* env = std::getenv("CONTROLS_SHOW_MS");
    DWORD ms = env != nullptr ? static_cast<DWORD>(std::atoi(env)) : 4000;
    fw::PumpMessages(ms);
}

}  // namespace
}  // namespace ctltest

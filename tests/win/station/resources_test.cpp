// Loads the station program's resources the way the program does and checks
// the texts other code and other processes depend on.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/station/resource.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

std::string LoadText(UINT id) {
  char buf[512] = {};
  int n = LoadStringA(Self(), id, buf, sizeof buf);
  return std::string(buf, n > 0 ? n : 0);
}

INT_PTR CALLBACK NoDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct MenuItem {
  UINT id;
  std::string text;
};

std::vector<MenuItem> PopupItems(UINT menu_id) {
  std::vector<MenuItem> items;
  HMENU menu = LoadMenuA(Self(), MAKEINTRESOURCEA(menu_id));
  if (!menu) return items;
  HMENU popup = GetSubMenu(menu, 0);
  for (int i = 0; popup && i < GetMenuItemCount(popup); ++i) {
    char buf[128] = {};
    GetMenuStringA(popup, i, buf, sizeof buf, MF_BYPOSITION);
    items.push_back({GetMenuItemID(popup, i), buf});
  }
  DestroyMenu(menu);
  return items;
}

}  // namespace

TEST(StationResources, IconsLoadAtTheirSizesWithAlpha) {
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {IDI_LUMORA, {16, 32, 48}},      {IDI_TRAY_GOOD, {16, 32}},
      {IDI_TRAY_NORMAL, {16, 32}},   {IDI_TRAY_WEAK, {16, 32}},
      {IDI_TRAY_DISCONNECTED, {16, 32}},    {IDI_TRAY_NO_ADAPTER, {16, 32}},
      {IDI_TRAY_KEY_ERROR, {16, 32}},
  };
  for (const auto& [id, sizes] : cases) {
    EXPECT_NE(LoadIconA(Self(), MAKEINTRESOURCEA(id)), nullptr) << id;
    for (int size : sizes) {
      SCOPED_TRACE(testing::Message() << "icon " << id << " at " << size);
      HICON icon = static_cast<HICON>(
          LoadImageA(Self(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr);
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP bm{};
      GetObjectA(info.hbmColor, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, size);
      EXPECT_EQ(bm.bmHeight, size);
      EXPECT_EQ(bm.bmBitsPixel, 32);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
}

TEST(StationResources, StringsKeepTheirExactTexts) {
  const std::vector<std::pair<UINT, std::string>> cases = {
      {IDS_SHEET_CAPTION, "NORVANE ZQ-4402 Utility"},
      {IDS_TIP_GOOD, "Norvane Wireless LAN Card\nStatus : Good (%s)"},
      {IDS_TIP_DISCONNECTED, "Norvane Wireless LAN Card\nDisconnected"},
      {IDS_TIP_NORMAL, "Norvane Wireless LAN Card\nstatus : Normal (%s)"},
      {IDS_TIP_NOT_EXIST, "Norvane Wireless LAN Card\nNot exist"},
      {IDS_TIP_WEAK, "Norvane Wireless LAN Card\nStatus : Weak (%s)"},
      {IDS_ICV_ERROR, "ICV Error"},
      {IDS_TIP_WEP_ERROR, "Norvane Wireless LAN Card\nStatus : WEP Error"},
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(LoadText(id), text) << "string " << id;
}

TEST(StationResources, TrayMenusCarryTheirCommands) {
  const MenuItem launch{IDM_TRAY_LAUNCH, "  Launch Config Utilities "};
  const MenuItem ap{IDM_TRAY_AP_MODE, "  Switch to AP Mode"};
  const MenuItem exit{IDM_TRAY_EXIT, "  Exit"};
  const MenuItem zero{IDM_TRAY_ZERO_CONFIG, "  Use Zero Configuration as Configuration utility"};
  const MenuItem own{IDM_TRAY_OWN_CONFIG, "  Use NorvaneConfig as Configuration utility"};
  const MenuItem sep{0, ""};
  const std::vector<std::pair<UINT, std::vector<MenuItem>>> cases = {
      {IDR_TRAY_MENU, {launch, exit}},
      {IDR_TRAY_MENU_AP, {launch, ap, exit}},
      {IDR_TOOLS_MENU, {launch, sep, zero, own, sep, exit}},
      {IDR_TOOLS_MENU_ZERO, {launch, zero, exit}},
      {IDR_TOOLS_MENU_OWN, {launch, own, exit}},
      {IDR_TOOLS_MENU_AP, {launch, sep, zero, own, sep, ap, exit}},
  };
  for (const auto& [menu, want] : cases) {
    SCOPED_TRACE(testing::Message() << "menu " << menu);
    auto got = PopupItems(menu);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(got[i].id, want[i].id) << "item " << i;
      EXPECT_EQ(got[i].text, want[i].text) << "item " << i;
    }
  }
}

// A second instance finds the first by this caption.
TEST(StationResources, HiddenWindowIsFoundByCaptionAndStartsHidden) {
  HWND w = CreateDialogParamA(Self(), MAKEINTRESOURCEA(IDD_HIDE_DLG), nullptr, NoDlgProc, 0);
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(FindWindowA(nullptr, "Tesmar Wireless UI"), w);
  DestroyWindow(w);
}

TEST(StationResources, CardDialogShowsWholeLabelsWithoutOverlap) {
  HWND dlg = CreateDialogParamA(Self(), MAKEINTRESOURCEA(IDD_SEL_CARD), nullptr, NoDlgProc, 0);
  ASSERT_NE(dlg, nullptr);
  char caption[64] = {};
  GetWindowTextA(dlg, caption, sizeof caption);
  EXPECT_STREQ(caption, "Select wireless lan card");
  for (int id : {IDC_SELCARD_LIST, IDC_SELCARD_DESCRIPTION, IDC_SELCARD_HARDWARE_ID, IDC_SELCARD_LOCATION, IDC_SELCARD_MANUFACTURER, IDOK,
                 IDCANCEL})
    EXPECT_NE(GetDlgItem(dlg, id), nullptr) << id;
  for (int id : {IDC_SELCARD_DESCRIPTION, IDC_SELCARD_HARDWARE_ID, IDC_SELCARD_LOCATION, IDC_SELCARD_MANUFACTURER})
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(dlg, id), GWL_STYLE) & ES_READONLY) << id;

  std::vector<std::string> labels;
  std::vector<RECT> rects;
  RECT client;
  GetClientRect(dlg, &client);
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    char cls[32] = {}, text[128] = {};
    GetClassNameA(c, cls, sizeof cls);
    GetWindowTextA(c, text, sizeof text);
    SCOPED_TRACE(text);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom);
    for (const RECT& other : rects) {
      RECT both;
      EXPECT_FALSE(IntersectRect(&both, &other, &r));
    }
    rects.push_back(r);
    if (lstrcmpiA(cls, "Static") && lstrcmpiA(cls, "Button")) continue;
    if (!lstrcmpiA(cls, "Static")) labels.push_back(text);
    HDC dc = GetDC(c);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    SelectObject(dc, old);
    ReleaseDC(c, dc);
    EXPECT_LE(extent.cx, r.right - r.left);
    EXPECT_LE(extent.cy, r.bottom - r.top);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"Friendly Name : ", "Device Description : ",
                                              "Hardware ID : ", "Location Infoamation : ",
                                              "Manufactory : "}));
  DestroyWindow(dlg);
}

// The About page shows these; the manifest must bring in common controls 6.
TEST(StationResources, VersionBlockAndManifest) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  const std::vector<std::pair<std::string, std::string>> values = {
      {"ProductName", "Lumora"}, {"CompanyName", "Tesmar"}, {"FileVersion", "1.0.0.1"}};
  for (const auto& [key, want] : values) {
    char* got = nullptr;
    std::string query = "\\StringFileInfo\\040904B0\\" + key;
    ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&got), &len))
        << key;
    EXPECT_EQ(std::string(got), want);
  }
  char* copyright = nullptr;
  EXPECT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\LegalCopyright",
                             reinterpret_cast<void**>(&copyright), &len));

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  char comctl[MAX_PATH] = {};
  GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), comctl, MAX_PATH);
  std::string lower(comctl);
  CharLowerA(lower.data());
  EXPECT_NE(lower.find("common-controls_6595b64144ccf1df_6."), std::string::npos) << comctl;
}

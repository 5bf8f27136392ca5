// The Site Survey page inside the main window's sheet, against the simulated service: the
// list and its columns, sorting, Rescan, the connected mark, Add Profile through a profile
// page, the Hidden SSID prompt and the page without a Native Wifi interface.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/message_loop.h"
#include "pending_page.h"
#include "framework/property_sheet.h"
#include "resources/station/resource.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station/pages/hidden_ssid_dlg.h"
#include "station/pages/site_surv_page.h"
#include "station/profiles/profile_globals.h"
#include "station/core/wlan/wlan_messages.h"
#include "station_fixture.h"

namespace {

using site_survey::Row;

constexpr UINT_PTR kStatusTimer = 1;

// The default scenario with scans answered at once and the driver's current channel 6.
std::string FastScenario(const std::string& extraNetworks = "") {
    std::string text = testutil::Scenario("default.scn");
    const std::string radio = "radio  = on\n";
    size_t at = text.find(radio);
    if (at != std::string::npos) text.insert(at + radio.size(), "scan_delay = 0\noid 0xFF0C0006 = 06 00 00 00\n");
    return text + "\n" + extraNetworks;
}

class SiteSurveyTest : public MainWindowFixture {
protected:
    static HWND ListOf(CSiteSurvPage* page) { return page->GetDlgItem(IDC_SITE_LIST); }

    static std::vector<Row> Shown(CSiteSurvPage* page) {
        HWND list = ListOf(page);
        std::vector<Row> rows(static_cast<size_t>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
        for (size_t i = 0; i < rows.size(); ++i)
            for (int c = 0; c < site_survey::kColumnCount; ++c) {
                char text[128] = {};
                LVITEMA item{};
                item.iSubItem = c;
                item.pszText = text;
                item.cchTextMax = sizeof(text);
                SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
                rows[i][c] = text;
            }
        return rows;
    }
    static std::vector<std::string> Column(CSiteSurvPage* page, int column) {
        std::vector<std::string> out;
        for (const Row& r : Shown(page)) out.push_back(r[column]);
        return out;
    }
    static int Find(CSiteSurvPage* page, const std::string& ssid) {
        auto rows = Shown(page);
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i][site_survey::kSsid] == ssid) return static_cast<int>(i);
        return -1;
    }
    static int ImageOf(CSiteSurvPage* page, int row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageA(ListOf(page), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    static void Select(CSiteSurvPage* page, int row) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        SendMessageA(ListOf(page), LVM_SETITEMSTATE, row >= 0 ? row : -1, reinterpret_cast<LPARAM>(&state));
    }
    static void ClickHeader(CSiteSurvPage* page, int column) {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = ListOf(page);
        click.hdr.idFrom = IDC_SITE_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        page->SendMessage(WM_NOTIFY, IDC_SITE_LIST, reinterpret_cast<LPARAM>(&click));
    }
    static bool Enabled(CSiteSurvPage* page, int id) { return IsWindowEnabled(page->GetDlgItem(id)) != FALSE; }
    static std::string Status(CSiteSurvPage* page) { return page->GetDlgItemText(IDC_SITE_STATUS); }

    CSiteSurvPage* SheetPage() { return dialog.m_pSheet ? dialog.m_pSheet->SiteSurveyPage() : nullptr; }
    // The sheet's page with the rows of a finished scan.
    CSiteSurvPage* ScannedPage() {
        CSiteSurvPage* page = SheetPage();
        if (!page || !page->IsWindow()) return nullptr;
        PumpUntil([&] { return g_ScanPending == 0 && !page->Rows().empty(); });
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        return page;
    }
};

TEST_F(SiteSurveyTest, ListShowsTheFiveNetworksInEightColumnsByChannel) {
    Load(FastScenario());
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        const std::vector<Row> expected = {
            {"Quay WEP", "02-11-22-33-44-66", "B", "57%", "1", "WEP", "Unknown", "Infrastructure"},
            {"", "02-11-22-33-44-88", "G", "24%", "3", "TKIP", "WPA-PSK", "Infrastructure"},
            {"Harbor Open", "02-11-22-33-44-55", "G", "89%", "6", "None", "Unknown", "Infrastructure"},
            {"Lantern Home", "02-11-22-33-44-77", "G", "44%", "11", "AES", "WPA2-PSK", "Infrastructure"},
            {"Lantern 5G", "02-11-22-33-44-99", "A", "70%", "36", "AES", "WPA2-PSK", "Infrastructure"},
        };
        EXPECT_EQ(Shown(page), expected);
        EXPECT_EQ(page->SortColumn(), site_survey::kChannel);

        const char* headers[] = {"SSID", "BSSID", "Phy", "Signal", "Channel", "Encryption", "Authentication",
                                 "Network Type"};
        const double factors[] = {1.8, 2.2, 1.0, 1.0, 1.1, 1.3, 1.4, 1.6};
        RECT client{};
        GetClientRect(ListOf(page), &client);
        for (int c = 0; c < 8; ++c) {
            char text[64] = {};
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = text;
            column.cchTextMax = sizeof(text);
            ASSERT_TRUE(SendMessageA(ListOf(page), LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column)));
            EXPECT_STREQ(text, headers[c]);
            EXPECT_EQ(column.cx, static_cast<int>((client.right / 11) * factors[c])) << headers[c];
            EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        }
        DWORD ex = static_cast<DWORD>(SendMessageA(ListOf(page), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
        EXPECT_EQ(ex & 0x421u, 0x421u);

        EXPECT_EQ(page->GetDlgItemText(IDC_SITE_RESCAN), "Rescan");
        EXPECT_EQ(page->GetDlgItemText(IDC_SITE_ADD_PROFILE), "Add to Profile");
        EXPECT_FALSE(IsWindowVisible(page->GetDlgItem(IDC_SITE_CONNECT)));
        EXPECT_TRUE(Enabled(page, IDC_SITE_RESCAN));
        // Typing in the list finds the next network by the start of its SSID.
        LVFINDINFOA find{};
        find.flags = LVFI_STRING | LVFI_PARTIAL;
        find.psz = "lant";
        EXPECT_EQ(SendMessageA(ListOf(page), LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 3);
        find.psz = "nowhere";
        EXPECT_EQ(SendMessageA(ListOf(page), LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), -1);

        // Both follow the list: a scan with rows, the radio on, no rescan pending.
        Select(page, 0);
        EXPECT_TRUE(Enabled(page, IDC_SITE_ADD_PROFILE));
        EXPECT_TRUE(Enabled(page, IDC_SITE_CONNECT));
    });
}

struct SortStep {
    int column;          // header clicked
    bool ascending;      // direction after the click
    std::vector<std::string> ssids;
};

// Two pairs with equal signal (Harbor Open and Tide Even at -55, Quay WEP and Tide Late at
// -67) and channels whose text order is not their number order.
TEST_F(SiteSurveyTest, HeaderClicksSortNumbersAsNumbersBothWaysAndKeepTiesInScanOrder) {
    Load(FastScenario("[network]\nssid = \"Tide Even\"\nbssid = 02:11:22:33:45:01\nchannel = 100\nrssi = -55\n"
                      "security = open\n\n"
                      "[network]\nssid = \"alpha\"\nbssid = 02:11:22:33:45:02\nchannel = 149\nrssi = -90\n"
                      "security = open\n\n"
                      "[network]\nssid = \"Tide Late\"\nbssid = 02:11:22:33:45:03\nchannel = 2\nrssi = -67\n"
                      "security = open\n"));
    const SortStep steps[] = {
        {site_survey::kSignal, true,
         {"alpha", "", "Lantern Home", "Quay WEP", "Tide Late", "Lantern 5G", "Harbor Open", "Tide Even"}},
        {site_survey::kSignal, false,
         {"Harbor Open", "Tide Even", "Lantern 5G", "Quay WEP", "Tide Late", "Lantern Home", "", "alpha"}},
        {site_survey::kChannel, false,
         {"alpha", "Tide Even", "Lantern 5G", "Lantern Home", "Harbor Open", "", "Tide Late", "Quay WEP"}},
        {site_survey::kChannel, true,
         {"Quay WEP", "Tide Late", "", "Harbor Open", "Lantern Home", "Lantern 5G", "Tide Even", "alpha"}},
        // Bytes: upper case before lower case, the hidden network's empty SSID first.
        {site_survey::kSsid, true,
         {"", "Harbor Open", "Lantern 5G", "Lantern Home", "Quay WEP", "Tide Even", "Tide Late", "alpha"}},
    };
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        ASSERT_EQ(page->Rows().size(), 8u);
        HWND header = reinterpret_cast<HWND>(SendMessageA(ListOf(page), LVM_GETHEADER, 0, 0));
        for (const SortStep& s : steps) {
            ClickHeader(page, s.column);
            EXPECT_EQ(Column(page, site_survey::kSsid), s.ssids) << "column " << s.column << " asc " << s.ascending;
            EXPECT_EQ(page->SortColumn(), s.column);
            EXPECT_EQ(page->SortAscending(), s.ascending);
            for (int c = 0; c < 8; ++c) {
                HDITEMA item{};
                item.mask = HDI_FORMAT | HDI_IMAGE;
                SendMessageA(header, HDM_GETITEMA, c, reinterpret_cast<LPARAM>(&item));
                if (c == s.column) {
                    EXPECT_TRUE(item.fmt & HDF_IMAGE) << c;
                    EXPECT_EQ(item.iImage, s.ascending ? 3 : 4) << c;
                } else {
                    EXPECT_FALSE(item.fmt & HDF_IMAGE) << "column " << c << " after a click on " << s.column;
                }
            }
        }
    });
}

TEST_F(SiteSurveyTest, RescanScansThroughTheQueueAndRebuildsTheList) {
    Load(FastScenario("[network]\nssid = \"Late Arrival\"\nbssid = 02:11:22:33:45:10\nchannel = 4\nrssi = -60\n"
                      "security = open\nappear_at = 60000\n"));
    world.clock().SetManual(0);
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(Find(page, "Late Arrival"), -1);

        world.clock().Advance(61000);
        world.ClearWlanCalls();
        // Any window asks for a scan with the Rescan button's command.
        page->SendMessage(WM_COMMAND, IDC_SITE_RESCAN, 0);
        EXPECT_EQ(Status(page), "Rescanning");
        EXPECT_TRUE(page->RescanPending());
        EXPECT_FALSE(Enabled(page, IDC_SITE_RESCAN));
        bool scanned = false;
        for (const auto& call : world.WlanCalls()) scanned |= call.name == "WlanScan";
        EXPECT_TRUE(scanned);

        ASSERT_TRUE(PumpUntil([&] { return Find(page, "Late Arrival") >= 0; }));
        EXPECT_EQ(Shown(page).size(), 6u);
        EXPECT_EQ(Column(page, site_survey::kSsid)[2], "Late Arrival") << "sorted in by channel 4";
        // Connected: the next status tick ends the rescan state.
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        EXPECT_FALSE(page->RescanPending());
        EXPECT_TRUE(Enabled(page, IDC_SITE_RESCAN));
    });
}

// A scan whose notification never comes must not leave the page in "Rescanning" for good.
TEST_F(SiteSurveyTest, RescanThatNeverReportsBackIsGivenUp) {
    Load(FastScenario());
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        world.SetLink(0, false);
        Poll();
        page->SendMessage(WM_COMMAND, IDC_SITE_RESCAN, 0);
        // The service took the scan, and then nothing arrives.
        world.WaitWlanNotificationsDelivered();
        fw::PumpPending();
        g_ScanPending = 1;
        int ticks = 0;
        while (page->RescanPending() && ticks < 30) {
            page->SendMessage(WM_TIMER, kStatusTimer, 0);
            ++ticks;
        }
        EXPECT_FALSE(page->RescanPending());
        EXPECT_GE(ticks, 5) << "a slow scan gets its time";
        EXPECT_EQ(Status(page), "Disconnected");
        EXPECT_TRUE(Enabled(page, IDC_SITE_RESCAN));
        EXPECT_EQ(Shown(page).size(), 5u);
        g_ScanPending = 0;
    });
}

TEST_F(SiteSurveyTest, ConnectedMarkAndStatusFollowTheLink) {
    Load(FastScenario());
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        Poll();
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        const int harbor = Find(page, "Harbor Open");
        ASSERT_GE(harbor, 0);
        EXPECT_EQ(Status(page), "Connected <--> Harbor Open");
        EXPECT_EQ(page->ConnectedRow(), harbor);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(ImageOf(page, i), i == harbor ? 0 : -1) << i;

        // The mark follows its row through a new sort and a rebuild, at once: no status tick
        // in between.
        ClickHeader(page, site_survey::kSsid);
        EXPECT_EQ(ImageOf(page, Find(page, "Harbor Open")), 0);
        page->SendMessage(kMsgWlanScanComplete, 0, 0);
        EXPECT_EQ(ImageOf(page, Find(page, "Harbor Open")), 0);
        EXPECT_EQ(page->ConnectedRow(), Find(page, "Harbor Open"));

        g_KeyErrorFlag = 1;
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        EXPECT_EQ(Status(page), "Connected <--> Harbor Open -- ICV Error");
        g_KeyErrorFlag = 0;

        world.SetLink(0, false);
        Poll();
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        EXPECT_EQ(Status(page), "Disconnected");
        EXPECT_EQ(page->ConnectedRow(), -1);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(ImageOf(page, i), -1) << i;

        world.SetRadio(0, false);
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        EXPECT_EQ(Status(page), "RF OFF");
        EXPECT_FALSE(Enabled(page, IDC_SITE_RESCAN));
    });
}

// Rescan from the keyboard disables the button that has the focus: the focus moves on first,
// or Tab, Enter and Esc would reach nothing.
TEST_F(SiteSurveyTest, RescanFromTheKeyboardLeavesTheFocusOnAnEnabledControl) {
    Load(FastScenario());
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        world.SetLink(0, false);
        Poll();
        page->SendMessage(WM_TIMER, kStatusTimer, 0);
        ASSERT_TRUE(Enabled(page, IDC_SITE_RESCAN));
        SetFocus(page->GetDlgItem(IDC_SITE_RESCAN));
        ASSERT_EQ(GetFocus(), page->GetDlgItem(IDC_SITE_RESCAN));
        SendMessageA(page->GetDlgItem(IDC_SITE_RESCAN), BM_CLICK, 0, 0);
        EXPECT_TRUE(page->RescanPending());
        EXPECT_FALSE(Enabled(page, IDC_SITE_RESCAN));
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(IsWindowEnabled(focus));
        EXPECT_TRUE(IsChild(page->m_hWnd, focus) || IsChild(dialog.m_pSheet->m_hWnd, focus));
    });
}

// A rebuild keeps the chosen network chosen and the view where the user scrolled it.
TEST_F(SiteSurveyTest, RebuildKeepsTheSelectionAndTheScrollPosition) {
    std::string many;
    for (int i = 0; i < 40; ++i) {
        char network[200];
        std::snprintf(network, sizeof(network),
                      "[network]\nssid = \"Row %d\"\nbssid = 02:11:22:33:46:%02X\nchannel = 6\nrssi = -70\n\n", 100 + i,
                      i);
        many += network;
    }
    // It sorts in above them all, heard from the second scan on.
    many += "[network]\nssid = \"Aardvark\"\nbssid = 02:11:22:33:47:01\nchannel = 6\nappear_at = 5000\n";
    Load(FastScenario(many));
    world.clock().SetManual(0);
    Run([&] {
        CSiteSurvPage* page = ScannedPage();
        ASSERT_NE(page, nullptr);
        ClickHeader(page, site_survey::kSsid);
        HWND list = ListOf(page);
        const int chosen = Find(page, "Row 130");
        ASSERT_GE(chosen, 0);
        SendMessageA(list, LVM_ENSUREVISIBLE, chosen, FALSE);
        Select(page, chosen);
        const int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
        ASSERT_GT(top, 0);
        const std::string topSsid = Shown(page)[top][site_survey::kSsid];

        world.clock().Advance(6000);
        page->SendMessage(kMsgWlanScanComplete, 0, 0);
        ASSERT_LT(Find(page, "Aardvark"), Find(page, "Row 100"));
        const int selected = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        ASSERT_GE(selected, 0);
        EXPECT_EQ(Shown(page)[selected][site_survey::kSsid], "Row 130");
        EXPECT_EQ(selected, chosen + 1);
        const int newTop = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
        EXPECT_EQ(Shown(page)[newTop][site_survey::kSsid], topSsid);
    });
}

// A Site Survey page whose service has lost the interface.
class NoInterfacePage : public CSiteSurvPage {
protected:
    BOOL InterfaceFound() const override { return FALSE; }
};

// Without a Native Wifi interface every list change asks for a rebuild, and every rebuild
// changes the list: the page must come out of it.
TEST_F(SiteSurveyTest, MissingInterfaceDisablesTheButtonsWithoutEndlessRebuilds) {
    Load(FastScenario());
    dialog.m_bOpenSheetAtStart = 0;
    NoInterfacePage page;
    fw::CPropertySheet sheet("Test sheet");
    sheet.AddPage(&page);
    Run([&] {
        ASSERT_TRUE(sheet.Create());
        // The rebuild merges the service's results: the networks are listed all the same.
        ASSERT_EQ(Shown(&page).size(), 5u);
        page.SendMessage(WM_TIMER, kStatusTimer, 0);
        Select(&page, 1);
        ClickHeader(&page, site_survey::kSignal);
        EXPECT_EQ(Status(&page), "AutoConfig service is disabled");
        for (int id : {IDC_SITE_RESCAN, IDC_SITE_CONNECT, IDC_SITE_ADD_PROFILE}) EXPECT_FALSE(Enabled(&page, id)) << id;
        EXPECT_EQ(Shown(&page).size(), 5u);
        sheet.DestroyWindow();
    });
}

TEST_F(SiteSurveyTest, AdapterLossEndsAnOpenHiddenSsidPromptBeforeTheSheetGoes) {
    Load(FastScenario());
    INT_PTR result = 0;
    Run([&] {
        ASSERT_NE(SheetPage(), nullptr);
        CHiddenSsidDlg prompt(SheetPage());
        testutil::AtNextTick([&] {
            ASSERT_TRUE(prompt.IsWindow());
            world.Unplug(0);
            Poll();
            EXPECT_EQ(dialog.m_pSheet, nullptr);
        });
        result = prompt.DoModal();
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(SiteSurveyTest, HiddenSsidPromptWantsAnSsid) {
    Load(FastScenario());
    dialog.m_bOpenSheetAtStart = 0;
    std::vector<std::string> boxes;
    world.SetMessageBoxAnswerer([&](const platform::sim::MessageBoxCall& call) {
        boxes.push_back(call.text);
        return IDOK;
    });
    Run([&] {
        CHiddenSsidDlg prompt;
        testutil::AtNextTick([&] {
            EXPECT_EQ(prompt.GetWindowText(), " ");
            EXPECT_EQ(prompt.GetDlgItemText(IDC_HIDDEN_PROMPT), "Please enter SSID");
            EXPECT_EQ(prompt.GetDlgItemText(IDCANCEL), "Cancel");
            prompt.SendMessage(WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(prompt.IsWindow()) << "an empty SSID keeps the prompt open";
            prompt.SetDlgItemText(IDC_HIDDEN_SSID, "Secret Cove with a name far too long to fit");
            prompt.SendMessage(WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(prompt.DoModal(), IDOK);
        EXPECT_EQ(prompt.m_strSsid, "Secret Cove with a name far too ");
    });
    EXPECT_EQ(boxes, std::vector<std::string>{"Please enter SSID"});
}

// A Profile page that can add profiles, in a sheet of its own beside a Site Survey page.
class FakeProfilePage : public fw::CPropertyPage, public IProfileAdder {
public:
    FakeProfilePage() : fw::CPropertyPage(IDD_PENDING_PAGE) {}
    struct Call {
        std::string ssid;
        int encryption, authentication, networkType, channel;
        bool operator==(const Call&) const = default;
    };
    int AddProfile(const std::string& ssid, int encryption, int authentication, int networkType,
                   int channel) override {
        calls.push_back({ssid, encryption, authentication, networkType, channel});
        return 1;
    }
    std::string ActiveProfileName() const override { return "Home"; }
    std::vector<Call> calls;
};

TEST_F(SiteSurveyTest, AddProfileAndConnectHandTheChosenNetworkToTheProfilePage) {
    Load(FastScenario());
    dialog.m_bOpenSheetAtStart = 0;
    std::vector<std::string> boxes;
    world.SetMessageBoxAnswerer([&](const platform::sim::MessageBoxCall& call) {
        boxes.push_back(call.text);
        return IDOK;
    });
    FakeProfilePage profiles;
    CSiteSurvPage survey;
    fw::CPropertySheet sheet("Test sheet");
    sheet.AddPage(&profiles);
    sheet.AddPage(&survey);
    Run([&] {
        ASSERT_TRUE(sheet.Create());
        sheet.SetActivePage(&survey);
        PumpUntil([&] { return g_ScanPending == 0 && !survey.Rows().empty(); });
        survey.SendMessage(WM_TIMER, kStatusTimer, 0);
        ASSERT_EQ(survey.Rows().size(), 5u);

        // Nothing selected: the user is told, nothing is added.
        survey.SendMessage(WM_COMMAND, IDC_SITE_ADD_PROFILE, 0);
        EXPECT_EQ(boxes, std::vector<std::string>{"No selected item"});
        EXPECT_TRUE(profiles.calls.empty());

        Select(&survey, Find(&survey, "Lantern Home"));
        EXPECT_TRUE(Enabled(&survey, IDC_SITE_ADD_PROFILE));
        survey.SendMessage(WM_COMMAND, IDC_SITE_ADD_PROFILE, 0);
        ASSERT_EQ(profiles.calls.size(), 1u);
        // WPA2-PSK with AES; Wine reports a 6.x system, which knows WPA2.
        EXPECT_EQ(profiles.calls[0], (FakeProfilePage::Call{"Lantern Home", 6, 7, 1, 11}));
        EXPECT_EQ(sheet.GetActivePage(), &profiles);

        // A double-click on the hidden network: Connect records the target, then adds.
        sheet.SetActivePage(&survey);
        Select(&survey, Find(&survey, ""));
        NMHDR click{ListOf(&survey), IDC_SITE_LIST, NM_DBLCLK};
        survey.SendMessage(WM_NOTIFY, IDC_SITE_LIST, reinterpret_cast<LPARAM>(&click));
        ASSERT_EQ(profiles.calls.size(), 2u);
        EXPECT_EQ(profiles.calls[1], (FakeProfilePage::Call{"", 4, 4, 1, 3}));
        // The activation that follows comes from the Site Survey, not from the Profile page.
        EXPECT_EQ(g_ActivatedFromProfile, 0);
        EXPECT_EQ(g_ActivatedFromSiteSurvey, 1);
        const uint8_t hidden[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x88};
        EXPECT_EQ(0, memcmp(survey.m_ConnectBssid, hidden, 6));
        EXPECT_EQ(survey.m_bConnectByBssid, 1);
        EXPECT_EQ(survey.m_bConnectBySsid, 0);
        sheet.DestroyWindow();
    });
}

TEST(SiteSurveyRules, AuthenticationClassAndTheNewProfilesModes) {
    struct Case {
        const char* auth;
        const char* enc;
        uint32_t privacy;
        int os;
        int authClass, encryption, mode;
    };
    const Case cases[] = {
        {"Unknown", "None", 0, 11, 0, 1, 0},
        {"Unknown", "WEP", 1, 11, 0, 0, 0},
        {"WPA", "TKIP", 1, 11, 1, 4, 3},
        {"WPA-PSK", "TKIP", 1, 11, 2, 4, 4},
        {"WPA-NONE", "TKIP", 1, 11, 3, 4, 5},
        {"WPA2", "AES", 1, 11, 4, 6, 6},
        {"WPA-PSK;WPA2-PSK", "TKIP;AES", 1, 11, 5, 6, 7},
        {"WPA;WPA2", "TKIP", 1, 8, 4, 4, 6},
        // Systems without WPA2 fall back to the WPA modes.
        {"WPA2", "AES", 1, 9, 4, 6, 3},
        {"WPA2-PSK", "AES", 1, 6, 5, 6, 4},
    };
    for (const Case& c : cases) {
        int authClass = site_survey::AuthenticationClass(c.auth);
        EXPECT_EQ(authClass, c.authClass) << c.auth;
        auto v = site_survey::ProfileValuesFor(c.privacy, authClass, c.enc, c.os);
        EXPECT_EQ(v.encryption, c.encryption) << c.auth << " " << c.enc;
        EXPECT_EQ(v.authentication, c.mode) << c.auth << " os " << c.os;
    }
}

}  // namespace

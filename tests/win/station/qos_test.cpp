// The QoS page and its power-save dialog in a sheet of their own, beside the main window
// that owns the Native Wifi binding: the registry values and OIDs of WMM, power save and
// DLS, the drop-and-reconnect, the rescan, and the direct links with their input checks.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_key_util.h"
#include "framework/message_loop.h"
#include "pending_page.h"
#include "dialog_steps.h"
#include "framework/app.h"
#include "framework/property_sheet.h"
#include "resources/station/resource.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/pages/qos_page.h"
#include "station_fixture.h"

namespace {

using platform::sim::Bytes;
using testutil::Press;

constexpr DWORD kSetApsd = 0xFF8C0032, kSetWmm = 0xFF8C0033, kSetDls = 0xFF8C0034, kSetLink = 0xFF8C0031;
constexpr DWORD kSetCcx = 0x0DF1011E;
const int kMacEdits[6] = {IDC_QOS_MAC1, IDC_QOS_MAC2, IDC_QOS_MAC3, IDC_QOS_MAC4, IDC_QOS_MAC5, IDC_QOS_MAC6};
// Longer than the 32 characters of an SSID: the reconnect must keep all of it.
const std::wstring kProfile = L"Harbor Open on the third floor, the long-named profile";

// The default adapter with the QoS values in its driver key, and the APSD flags the driver
// starts with; the linked network has a station that takes direct links.
std::string Scenario(const std::string& values, const std::string& apsdFlags = "FF 00 00 00") {
    std::string text = testutil::Scenario("default.scn");
    const std::string radio = "radio  = on\n";
    text.insert(text.find(radio) + radio.size(), values + "oid 0xFF0C0032 = " + apsdFlags + "\n");
    const std::string harbor = "ssid     = \"Harbor Open\"\n";
    text.insert(text.find(harbor) + harbor.size(), "dls_peer = 02:11:22:33:44:66\n");
    return text;
}
const std::string kAllOn = "value WMMCapable = 1\nvalue APSDCapable = 1\nvalue DLSCapable = 1\n";
// A stored CCX control value with fast roaming (bit 5) on and 0x11 in bits 8-15: the
// reconnect sends it back exactly so.
const std::string kStoredCcx = "dword CCX2Control = 0x00001123\n";
const Bytes kStoredCcxSent = testutil::U32(0x00001123);

std::wstring ProfileXml(const std::wstring& name) {
    return L"<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\"><name>" +
           name +
           L"</name><SSIDConfig><SSID><name>Harbor Open</name></SSID></SSIDConfig><connectionType>ESS</connectionType>"
           L"<connectionMode>manual</connectionMode><MSM><security><authEncryption><authentication>open</authentication>"
           L"<encryption>none</encryption><useOneX>false</useOneX></authEncryption></security></MSM></WLANProfile>";
}

// The QoS page in a sheet of its own while the main window runs.
struct QosSheet {
    QosSheet() {
        fw::CWinApp::InitCommonControls();
        sheet.AddPage(&page);
        sheet.AddPage(&other);
    }
    ~QosSheet() {
        if (sheet.IsWindow()) sheet.DestroyWindow();
    }
    bool Open() { return sheet.Create() && page.IsWindow(); }
    fw::CPropertySheet sheet{"Test sheet"};
    CQoSPAGE page;
    fw::CPropertyPage other{IDD_PENDING_PAGE};
};

bool Enabled(fw::CWnd* window, int id) { return IsWindowEnabled(window->GetDlgItem(id)) != FALSE; }

class QosTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    void TearDown() override {
        CQoSPAGE::s_nSelectedRow = -1;
        CQoSPAGE::s_strSelectedMac.clear();
        MainWindowFixture::TearDown();
    }
    // The connection the service then holds: by the long-named profile, or by discovery.
    void ConnectBy(bool profile) {
        WlanManager& wlan = dialog.m_WlanManager;
        WlanConnectParams params;
        if (profile) {
            ASSERT_EQ(wlan.ProfileStore()->SetProfile(ProfileXml(kProfile).c_str()), 0u);
            params.mode = 0;
            params.profile = kProfile;
        } else {
            params.mode = 3;
            const char ssid[] = "Harbor Open";
            params.ssid.uSSIDLength = sizeof(ssid) - 1;
            memcpy(params.ssid.ucSSID, ssid, sizeof(ssid) - 1);
        }
        params.bssType = dot11_BSS_type_infrastructure;
        ASSERT_EQ(wlan.Connector()->Connect(params), 0u);
        world.WaitWlanNotificationsDelivered();
        fw::PumpMessages(20);
    }
    std::vector<DWORD> SetOids() {
        std::vector<DWORD> out;
        for (const auto& e : world.Journal())
            if (e.set) out.push_back(e.oid);
        return out;
    }
    std::vector<Bytes> Sent(DWORD oid) {
        std::vector<Bytes> out;
        for (const auto& e : testutil::SetsOf(world, oid)) out.push_back(e.in);
        return out;
    }
    std::vector<std::string> WlanCallNames() {
        std::vector<std::string> out;
        for (const auto& c : world.WlanCalls())
            if (c.name == "WlanConnect" || c.name == "WlanDisconnect" || c.name == "WlanScan") out.push_back(c.name);
        return out;
    }
    std::vector<std::string> Boxes() {
        std::vector<std::string> out;
        for (const auto& b : world.MessageBoxCalls()) out.push_back(b.text);
        return out;
    }
    std::string Value(const char* name) { return testutil::ReadText(g_DriverKeyPath, name); }
    // Clears what the start-up did, so the journal holds the step under test only.
    void Clear() {
        world.ClearJournal();
        world.ClearWlanCalls();
    }
};

TEST_F(QosTest, WmmOffStoresZerosClearsPowerSaveSendsInOrderReconnectsAndRescans) {
    Load(Scenario(kAllOn + kStoredCcx));
    Run([&] {
        QosSheet sheet;
        ASSERT_TRUE(sheet.Open());
        CQoSPAGE& page = sheet.page;
        EXPECT_EQ(page.IsDlgButtonChecked(IDC_QOS_WMM), 1u);
        for (int id : {IDC_QOS_APSD, IDC_QOS_DLS, IDC_QOS_DLS_APPLY, IDC_QOS_APSD_SETTING, IDC_QOS_LINK_APPLY,
                       IDC_QOS_TIMEOUT, IDC_QOS_TEAR_DOWN, IDC_QOS_MAC1, IDC_QOS_MAC6})
            EXPECT_TRUE(Enabled(&page, id)) << id;
        ConnectBy(true);
        Clear();

        testutil::SetCheck(&page, IDC_QOS_WMM, false);
        Press(&page, IDC_QOS_WMM_APPLY);
        EXPECT_EQ(Value("WMMCapable"), "0");
        EXPECT_EQ(Value("APSDCapable"), "0");
        EXPECT_EQ(Value("DLSCapable"), "0");
        EXPECT_EQ(SetOids(), (std::vector<DWORD>{kSetApsd, kSetDls, kSetWmm, kSetCcx}));
        EXPECT_EQ(Sent(kSetApsd), (std::vector<Bytes>{testutil::U32(0x7E)}));
        EXPECT_EQ(Sent(kSetDls), (std::vector<Bytes>{testutil::U32(0)}));
        EXPECT_EQ(Sent(kSetWmm), (std::vector<Bytes>{testutil::U32(0)}));
        EXPECT_EQ(Sent(kSetCcx), std::vector<Bytes>{kStoredCcxSent});
        EXPECT_EQ(page.IsDlgButtonChecked(IDC_QOS_APSD), 0u);
        EXPECT_EQ(page.IsDlgButtonChecked(IDC_QOS_DLS), 0u);
        for (int id : {IDC_QOS_APSD, IDC_QOS_DLS, IDC_QOS_DLS_APPLY, IDC_QOS_APSD_SETTING, IDC_QOS_LINK_APPLY,
                       IDC_QOS_TIMEOUT, IDC_QOS_TEAR_DOWN, IDC_QOS_MAC1, IDC_QOS_MAC6})
            EXPECT_FALSE(Enabled(&page, id)) << id;

        // Dropped and made again with the same profile, whole name, then the rescan.
        fw::PumpMessages(50);
        EXPECT_EQ(WlanCallNames(), (std::vector<std::string>{"WlanDisconnect", "WlanConnect", "WlanScan"}));
        auto connects = world.WlanConnects();
        ASSERT_FALSE(connects.empty());
        EXPECT_EQ(connects.back().mode, wlan_connection_mode_profile);
        EXPECT_EQ(connects.back().profile, kProfile);
        EXPECT_EQ(connects.back().bssType, dot11_BSS_type_infrastructure);
        EXPECT_EQ(connects.back().reason, 0u);
        EXPECT_TRUE(Boxes().empty());
    });
}

TEST_F(QosTest, WmmOnKeepsPowerSaveOnlyWithApsdAndClearsBit7) {
    const struct {
        bool apsd;
        DWORD sent;
    } cases[] = {{true, 0x7F}, {false, 0x7E}};
    for (const auto& c : cases) {
        Load(Scenario(std::string("value WMMCapable = 0\nvalue APSDCapable = ") + (c.apsd ? "1" : "0") + "\n"));
        Run([&] {
            QosSheet sheet;
            ASSERT_TRUE(sheet.Open());
            CQoSPAGE& fresh = sheet.page;
            EXPECT_FALSE(Enabled(&fresh, IDC_QOS_APSD));
            Clear();
            testutil::SetCheck(&fresh, IDC_QOS_WMM, true);
            Press(&fresh, IDC_QOS_WMM_APPLY);
            EXPECT_EQ(Value("WMMCapable"), "1");
            EXPECT_EQ(Sent(kSetApsd), (std::vector<Bytes>{testutil::U32(c.sent)})) << c.apsd;
            EXPECT_EQ(Sent(kSetWmm), (std::vector<Bytes>{testutil::U32(1)}));
            EXPECT_TRUE(Enabled(&fresh, IDC_QOS_APSD));
            EXPECT_EQ(Enabled(&fresh, IDC_QOS_APSD_SETTING), c.apsd);
        });
        platform::sim::Uninstall();
    }
}

TEST_F(QosTest, ApsdAndDlsSwitchesGoToTheDriverAndTheDriverKey) {
    Load(Scenario("value WMMCapable = 1\n", "1E 00 00 00"));
    Run([&] {
        QosSheet sheet;
        ASSERT_TRUE(sheet.Open());
        CQoSPAGE& page = sheet.page;
        Clear();
        Press(&page, IDC_QOS_APSD);  // on
        EXPECT_EQ(Value("APSDCapable"), "1");
        EXPECT_TRUE(Enabled(&page, IDC_QOS_APSD_SETTING));
        Press(&page, IDC_QOS_APSD);  // off
        EXPECT_EQ(Value("APSDCapable"), "0");
        EXPECT_FALSE(Enabled(&page, IDC_QOS_APSD_SETTING));
        // Each sets bit 0 on or off in what the driver holds.
        EXPECT_EQ(Sent(kSetApsd), (std::vector<Bytes>{testutil::U32(0x1F), testutil::U32(0x1E)}));

        Press(&page, IDC_QOS_DLS);
        Press(&page, IDC_QOS_DLS_APPLY);
        EXPECT_EQ(Value("DLSCapable"), "1");
        EXPECT_EQ(Sent(kSetDls), (std::vector<Bytes>{testutil::U32(1)}));
        EXPECT_TRUE(Enabled(&page, IDC_QOS_LINK_APPLY));
        EXPECT_TRUE(Enabled(&page, IDC_QOS_MAC3));
        // Neither drops the connection.
        EXPECT_TRUE(WlanCallNames().empty());
    });
}

// Flags the driver does not answer are not made up: zeros with bit 0 set or cleared would
// switch off every access category. The switches and the driver key go as ever.
TEST_F(QosTest, ApsdFlagsTheDriverDoesNotAnswerAreNotSentBack) {
    Load(Scenario(kAllOn + "fail 0xFF0C0032 2\n"));
    Run([&] {
        QosSheet sheet;
        ASSERT_TRUE(sheet.Open());
        CQoSPAGE& page = sheet.page;
        Clear();
        Press(&page, IDC_QOS_APSD);  // off
        EXPECT_EQ(Value("APSDCapable"), "0");
        Press(&page, IDC_QOS_WMM_APPLY);
        EXPECT_EQ(Value("WMMCapable"), "1");
        EXPECT_TRUE(Sent(kSetApsd).empty());
        EXPECT_EQ(Sent(kSetDls), (std::vector<Bytes>{testutil::U32(1)}));
        EXPECT_EQ(Sent(kSetWmm), (std::vector<Bytes>{testutil::U32(1)}));

        // Answered again: the driver's flags with bit 0 set.
        Press(&page, IDC_QOS_APSD);
        EXPECT_EQ(Sent(kSetApsd), (std::vector<Bytes>{testutil::U32(0xFF)}));
    });
}

TEST_F(QosTest, PowerSaveDialogAlwaysSetsBitZeroStoresTheCategoriesAndTellsOfTheLostConnection) {
    const struct {
        bool be, bk, vi, vo;
        DWORD sent;
    } cases[] = {{false, false, false, false, 0x01}, {true, false, true, false, 0x0B}, {true, true, true, true, 0x1F}};
    for (const auto& c : cases) {
        Load(Scenario(kAllOn + kStoredCcx, "0A 00 00 00"));
        Run([&] {
            QosSheet sheet;
            ASSERT_TRUE(sheet.Open());
            CQoSPAGE& fresh = sheet.page;
            ConnectBy(false);
            Clear();
            const size_t boxesBefore = Boxes().size();
            bool initial[4] = {};
            testutil::WithModal(
                "Power Save Setting", [&] { return fresh.SendMessage(WM_COMMAND, IDC_QOS_APSD_SETTING, 0); },
                [&](HWND box) {
                    const int ids[4] = {IDC_PS_AC_BE, IDC_PS_AC_BK, IDC_PS_AC_VI, IDC_PS_AC_VO};
                    const bool want[4] = {c.be, c.bk, c.vi, c.vo};
                    for (int i = 0; i < 4; ++i) {
                        initial[i] = IsDlgButtonChecked(box, ids[i]) == BST_CHECKED;
                        CheckDlgButton(box, ids[i], want[i] ? BST_CHECKED : BST_UNCHECKED);
                    }
                    char text[32] = {};
                    GetDlgItemTextA(box, IDC_PS_APPLY, text, sizeof(text));
                    EXPECT_STREQ(text, "Apply");
                    SendMessageA(GetDlgItem(box, IDC_PS_APPLY), BM_CLICK, 0, 0);
                });
            // The driver's 0x0A: AC_BE and AC_VI.
            EXPECT_TRUE(initial[0] && !initial[1] && initial[2] && !initial[3]);
            EXPECT_EQ(Sent(kSetApsd), (std::vector<Bytes>{testutil::U32(c.sent)}));
            EXPECT_EQ(Sent(kSetCcx), std::vector<Bytes>{kStoredCcxSent});
            EXPECT_EQ(Value("APSDAC_BE"), c.be ? "1" : "0");
            EXPECT_EQ(Value("APSDAC_BK"), c.bk ? "1" : "0");
            EXPECT_EQ(Value("APSDAC_VI"), c.vi ? "1" : "0");
            EXPECT_EQ(Value("APSDAC_VO"), c.vo ? "1" : "0");
            // Made by discovery: dropped, not made again, and the user is told.
            fw::PumpMessages(50);
            EXPECT_EQ(WlanCallNames(), (std::vector<std::string>{"WlanDisconnect", "WlanScan"}));
            auto boxes = Boxes();
            ASSERT_EQ(boxes.size(), boxesBefore + 1);
            EXPECT_EQ(boxes.back(), "Changing power setting will cause current connection lost");
        });
        platform::sim::Uninstall();
    }
}

TEST_F(QosTest, WmmChangeWithoutAProfileConnectionSaysTheConnectionIsLost) {
    Load(Scenario(kAllOn));
    Run([&] {
        QosSheet sheet;
        ASSERT_TRUE(sheet.Open());
        CQoSPAGE& page = sheet.page;
        ConnectBy(false);
        Clear();
        Press(&page, IDC_QOS_WMM_APPLY);
        EXPECT_EQ(Boxes(), (std::vector<std::string>{"Changing WMM settings will cause current connection lost"}));
        EXPECT_EQ(WlanCallNames().front(), "WlanDisconnect");
        EXPECT_TRUE(world.WlanConnects().empty() || world.WlanConnects().back().mode != wlan_connection_mode_profile);

        // Not connected: nothing is dropped and nothing is said.
        dialog.m_WlanManager.Disconnect();
        world.WaitWlanNotificationsDelivered();
        Clear();
        Press(&page, IDC_QOS_WMM_APPLY);
        EXPECT_EQ(Boxes().size(), 1u);
        for (const std::string& call : WlanCallNames()) EXPECT_NE(call, "WlanDisconnect");
    });
}

struct LinkCase {
    const char* name;
    std::vector<std::string> mac;  // the six edits
    const char* timeout;
    const char* message;  // nullptr: the entry is sent
};

TEST_F(QosTest, DirectLinkInputIsCheckedBeforeAnythingIsSent) {
    const LinkCase cases[] = {
        {"a peer of the BSS", {"02", "11", "22", "33", "44", "66"}, "300", nullptr},
        {"the largest timeout", {"0a", "bb", "cc", "dd", "ee", "ff"}, "65535", nullptr},
        {"timeout above 65535", {"02", "11", "22", "33", "44", "66"}, "70000",
         "Please enter a integer between 0 to 65535."},
        {"no timeout", {"02", "11", "22", "33", "44", "66"}, "", "Please enter a integer between 0 to 65535."},
        {"group address", {"03", "11", "22", "33", "44", "66"}, "300", "Invalid MAC Address"},
        {"zero address", {"00", "00", "00", "00", "00", "00"}, "300", "Invalid MAC Address"},
        {"broadcast address", {"ff", "FF", "ff", "FF", "ff", "FF"}, "300", "Invalid MAC Address"},
        {"the adapter's own", {"02", "E1", "F0", "51", "01", "07"}, "300", "Invalid MAC Address"},
        {"a short piece", {"2", "11", "22", "33", "44", "66"}, "300", "Invalid MAC Address"},
        {"pasted letters", {"02", "11", "zz", "33", "44", "66"}, "300", "Invalid MAC Address"},
    };
    Load(Scenario(kAllOn));
    Run([&] {
        QosSheet sheet;
        ASSERT_TRUE(sheet.Open());
        CQoSPAGE& page = sheet.page;
        for (const LinkCase& c : cases) {
            Clear();
            size_t boxes = Boxes().size();
            // WM_SETTEXT passes the hex filter as a paste would.
            for (int i = 0; i < 6; ++i) page.SetDlgItemText(kMacEdits[i], c.mac[i]);
            page.SetDlgItemText(IDC_QOS_TIMEOUT, c.timeout);
            Press(&page, IDC_QOS_LINK_APPLY);
            auto sent = Sent(kSetLink);
            auto shown = Boxes();
            if (c.message) {
                EXPECT_TRUE(sent.empty()) << c.name;
                ASSERT_EQ(shown.size(), boxes + 1) << c.name;
                EXPECT_EQ(shown.back(), c.message) << c.name;
            } else {
                EXPECT_EQ(shown.size(), boxes) << c.name;
                ASSERT_EQ(sent.size(), 1u) << c.name;
                EXPECT_EQ(sent[0][11], 1) << c.name;  // valid: set the link up
                EXPECT_EQ(sent[0][10], 0) << c.name;
            }
        }
    });
}

TEST_F(QosTest, LinksListRefreshesTearsDownTheClickedOneAndDoubleClickFillsTheEdits) {
    Load(Scenario(kAllOn));
    Run([&] {
        QosSheet sheet;
        ASSERT_TRUE(sheet.Open());
        CQoSPAGE& page = sheet.page;
        // One peer answers, one does not: only the link that is up is listed.
        const uint8_t answering[12] = {0x2C, 0x01, 0, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x66, 0, 1};
        const uint8_t silent[12] = {0x0A, 0x00, 0, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x70, 0, 1};
        DriverOidOps().SetOid0031(answering);
        DriverOidOps().SetOid0031(silent);
        page.SendMessage(WM_TIMER, 1, 0);
        HWND list = page.GetDlgItem(IDC_QOS_LIST);
        EXPECT_EQ(testutil::ListRows(list, 2), (std::vector<std::vector<std::string>>{{"02-11-22-33-44-66", "300"}}));

        Clear();
        Press(&page, IDC_QOS_TEAR_DOWN);
        EXPECT_EQ(Boxes(), (std::vector<std::string>{"No selected item"}));
        EXPECT_TRUE(Sent(kSetLink).empty());

        NMHDR click{list, IDC_QOS_LIST, NM_DBLCLK};
        SelectListRow(list, 0);
        page.SendMessage(WM_NOTIFY, IDC_QOS_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(page.GetDlgItemText(IDC_QOS_MAC1), "02");
        EXPECT_EQ(page.GetDlgItemText(IDC_QOS_MAC6), "66");
        EXPECT_EQ(page.GetDlgItemText(IDC_QOS_TIMEOUT), "300");

        click.code = NM_CLICK;
        page.SendMessage(WM_NOTIFY, IDC_QOS_LIST, reinterpret_cast<LPARAM>(&click));
        page.SendMessage(WM_TIMER, 1, 0);
        EXPECT_EQ(SelectedListRow(list), 0);  // the remembered link stays selected
        Press(&page, IDC_QOS_TEAR_DOWN);
        // Sent back as read: the driver's link number in bytes 2-3, status 2, valid 0.
        EXPECT_EQ(Sent(kSetLink), (std::vector<Bytes>{{0x2C, 0x01, 1, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x66, 2, 0}}));
        EXPECT_EQ(ListRowCount(list), 0);
        page.SendMessage(WM_TIMER, 1, 0);
        EXPECT_EQ(ListRowCount(list), 0);
        Press(&page, IDC_QOS_TEAR_DOWN);
        EXPECT_EQ(Boxes().size(), 2u);
    });
}

}  // namespace

// The WPS page in the main window's sheet against the simulated WSC exchange: PIN and
// push-button runs as enrollee and registrar with their start records and status texts, the
// failures, the adapter's button, the credentials into "_wsc" and the connect, Import
// Profile, and the timers the page takes from the main window and gives back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "framework/message_loop.h"
#include "resources/station/resource.h"
#include "shared/controls/list_view_rows.h"
#include "station/core/action_data.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station/core/wps/wps_poll.h"
#include "station/pages/profile_page.h"
#include "station/pages/wps/wsc_page.h"
#include "station_fixture.h"
#include "wps_test_steps.h"
#include "tests/win/common/modal_steps.h"
#include "tests/win/common/screen_picture.h"

namespace {

using namespace wpstest;

constexpr DWORD kSetStart = 0xFF8C002A;
constexpr DWORD kSetTable = 0xFF8C0049;
constexpr DWORD kSetAssociateIe = 0xFF8C002B;
constexpr DWORD kSetProbeIe = 0xFF8C002C;
constexpr UINT_PTR kStatusTimer = CWscPage::kStatusTimer;
constexpr UINT_PTR kLinkTimer = CWscPage::kLinkTimer;
constexpr UINT_PTR kButtonTimer = CWscPage::kButtonTimer;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    if (b.size() >= at + 4) std::memcpy(&v, b.data() + at, 4);
    return v;
}

// The WPS scenario with scans answered at once; the adapter's button only where asked for.
std::string WpsScenario(const std::string& extra = "", bool button = false) {
    std::string text = testutil::Scenario("wps.scn");
    const std::string press = "wps_button_at = 20000\n";
    const std::size_t at = text.find(press);
    if (at != std::string::npos) text.replace(at, press.size(), (button ? press : "") + "scan_delay = 0\n");
    return text + "\n" + extra;
}

// Three random bytes that make the page's PIN value7 x 10 + checksum; longer draws count up.
std::function<bool(void*, std::size_t)> PinSource(std::uint32_t value7) {
    return [value7](void* out, std::size_t n) {
        auto* b = static_cast<std::uint8_t*>(out);
        if (n == 3) {
            b[0] = static_cast<std::uint8_t>(value7 >> 16);
            b[1] = static_cast<std::uint8_t>(value7 >> 8);
            b[2] = static_cast<std::uint8_t>(value7);
        } else {
            for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(0xA0 + i);
        }
        return true;
    };
}

class WpsPageTest : public MainWindowFixture {
protected:
    struct JournalEntryView {
        DWORD oid;
        Bytes in;
    };

    void SetUp() override {
        MainWindowFixture::SetUp();
        data_ = std::make_unique<testutil::TempDataDirectory>("lumora-wps-page");
        ASSERT_TRUE(data_->Made());
        ResetWps();
        world.clock().SetManual(0);
        world.SetRandomSource(PinSource(1234567));  // "12345670", the PIN "Quay" takes
        world.SetMessageBoxAnswerer([this](const platform::sim::MessageBoxCall& call) {
            boxes.push_back(call.text);
            return IDOK;
        });
    }
    void TearDown() override {
        data_.reset();
        ResetWps();
        MainWindowFixture::TearDown();
    }
    static void ResetWps() {
        FreeCurrentAction();
        g_WpsSessionActive = 0;
        g_WpsCycleCredentials = 1;
        g_WpsCurrentIndex = g_WpsNextIndex = 0;
        g_WpsRegistrarMode = 0;
        g_WpsPinCode = 0;
        std::memset(&g_WpsCredentialTable, 0, sizeof(g_WpsCredentialTable));
    }

    // The sheet's WPS page made and shown once the first scan is in the display list.
    CWscPage* OpenPage() {
        CQelPropSheet* sheet = dialog.m_pSheet;
        if (!sheet || !sheet->IsWindow()) return nullptr;
        PumpUntil([&] {
            return g_ScanPending == 0 && dialog.m_BssLists.Attached() &&
                   BssidListCount(dialog.m_BssLists.DisplayList()) >= 3;
        });
        sheet->SetActivePage(sheet->WscPage());
        fw::PumpMessages(20);
        page = sheet->WscPage();
        return page->IsWindow() ? page : nullptr;
    }

    HWND Item(int id) const { return page->GetDlgItem(id); }
    std::string Status() const { return page->GetDlgItemText(IDC_WSC_STATUS); }
    int Progress() const { return static_cast<int>(SendMessageA(Item(IDC_WSC_PROGRESS), PBM_GETPOS, 0, 0)); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    void Click(int id) { page->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id))); }
    void Tick(UINT_PTR id) { page->SendMessage(WM_TIMER, id, 0); }
    void ChooseMode(int row) {
        SendMessageA(Item(IDC_WSC_CONFIG_MODE), CB_SETCURSEL, row, 0);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WSC_CONFIG_MODE, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(Item(IDC_WSC_CONFIG_MODE)));
    }
    std::vector<std::vector<std::string>> ApRows() const { return testutil::ListRows(Item(IDC_WSC_AP_LIST), 6); }
    std::vector<std::vector<std::string>> CredentialRows() const {
        return testutil::ListRows(Item(IDC_WSC_CREDENTIALS), 3);
    }
    void SelectAp(const std::string& ssid) {
        const auto rows = ApRows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i][0] == ssid) return SelectListRow(Item(IDC_WSC_AP_LIST), static_cast<int>(i));
        ADD_FAILURE() << "no AP row " << ssid;
    }

    // Timer 2 every step ms until the run stops polling (at most limit ticks); the texts
    // shown, each once, with the progress shown beside it.
    std::vector<std::pair<std::string, int>> RunStatus(int stepMs = 250, int limit = 200) {
        std::vector<std::pair<std::string, int>> seen = {{Status(), Progress()}};
        for (int i = 0; i < limit && page->Running(); ++i) {
            Tick(kStatusTimer);
            if (seen.back().first != Status()) seen.emplace_back(Status(), Progress());
            world.clock().Advance(stepMs);
        }
        return seen;
    }
    static std::vector<std::string> Texts(const std::vector<std::pair<std::string, int>>& seen) {
        std::vector<std::string> texts;
        for (const auto& s : seen) texts.push_back(s.first);
        return texts;
    }
    // Timer 4 until the link is up with the current credential (its text says so).
    bool LinkedAfterConfigured() {
        return PumpUntil([&] {
            world.clock().Advance(2000);
            Tick(kLinkTimer);
            return Status().rfind("WPS status is connected successfully - ", 0) == 0;
        });
    }

    std::vector<JournalEntryView> Sets() const {
        std::vector<JournalEntryView> sets;
        for (const auto& e : world.Journal())
            if (e.set && (e.oid == kSetStart || e.oid == kSetTable || e.oid == kSetAssociateIe || e.oid == kSetProbeIe))
                sets.push_back({e.oid, e.in});
        return sets;
    }
    int Count(DWORD oid) const {
        int n = 0;
        for (const auto& e : world.Journal()) n += e.oid == oid;
        return n;
    }
    int WlanCalls(const char* name) const {
        int n = 0;
        for (const auto& c : world.WlanCalls()) n += c.name == name;
        return n;
    }
    std::vector<std::string> ConnectedSsids() const { return SsidSets(world.Journal()); }
    std::string File(const char* kind) const { return SettingsFile(data_->Path(), kind); }
    std::string Value(const char* kind, const char* section, const char* key) const {
        return SettingsValue(data_->Path(), kind, section, key);
    }
    // The sheet for a look when WSC_SHOT_DIR names a folder.
    void Shot(const char* name) {
        char dir[MAX_PATH] = {};
        if (GetEnvironmentVariableA("WSC_SHOT_DIR", dir, sizeof dir) == 0) return;
        SetWindowPos(dialog.m_pSheet->m_hWnd, HWND_TOP, 40, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        RedrawWindow(dialog.m_pSheet->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        fw::PumpMessages(300);
        testutil::SaveWindowPicture(dialog.m_pSheet->m_hWnd, std::string(dir) + "\\" + name + ".bmp");
    }
    bool MainArmed(UINT_PTR id, UINT ms) { return Armed(dialog, id, ms); }

    CWscPage* page = nullptr;
    std::vector<std::string> boxes;
    std::unique_ptr<testutil::TempDataDirectory> data_;
};

// What a start record says.
struct StartRecord {
    std::uint32_t method;
    std::string pin;
    std::string ssid;
    Bytes bssid;
    int channel;
    int role;
};
StartRecord Decode(const Bytes& r) {
    StartRecord s{};
    if (r.size() != 56) return s;
    s.method = U32At(r, 0);
    s.pin.assign(reinterpret_cast<const char*>(r.data() + 4), 8);
    const std::uint32_t n = U32At(r, 12);
    s.ssid.assign(reinterpret_cast<const char*>(r.data() + 16), n > 32 ? 32 : n);
    s.bssid.assign(r.begin() + 48, r.begin() + 54);
    s.channel = r[54];
    s.role = r[55];
    return s;
}

TEST_F(WpsPageTest, ApListShowsTheNetworksThatOfferWps) {
    Load(WpsScenario("[network]\nssid = \"Plain\"\nbssid = 02:11:22:33:44:11\nchannel = 3\n"));
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        auto rows = ApRows();
        std::sort(rows.begin(), rows.end());
        const std::vector<std::vector<std::string>> expected = {
            {"Lantern Home", "02-11-22-33-44-77", "11", "0x0004", "WPA2-PSK", "AES"},
            {"Old Mill", "02-11-22-33-44-99", "6", "", "Unknown", "None"},
            {"Quay", "02-11-22-33-44-66", "1", "0x0000", "WPA-PSK", "TKIP"},
        };
        EXPECT_EQ(rows, expected) << "\"Plain\" offers no WPS";
        EXPECT_EQ(FocusedListRow(Item(IDC_WSC_AP_LIST)), 0);
        EXPECT_TRUE(Enabled(IDC_WSC_PIN));
        EXPECT_TRUE(Enabled(IDC_WSC_INFORMATION));
        EXPECT_FALSE(Enabled(IDC_WSC_CONNECT)) << "no credential yet";
        EXPECT_EQ(Status(), "WPS status is not used");
        EXPECT_EQ(page->GetDlgItemText(IDC_WSC_PIN_EDIT), "12345670");
        EXPECT_EQ(g_WpsPinCode, 12345670u);
        EXPECT_EQ(SendMessageA(Item(IDC_WSC_PIN_EDIT), EM_GETLIMITTEXT, 0, 0), 8);
        EXPECT_TRUE(GetWindowLongA(Item(IDC_WSC_PIN_EDIT), GWL_STYLE) & ES_READONLY) << "the enrollee's own PIN";
    });
}

TEST_F(WpsPageTest, PinEnrolleeRunReachesConfiguredStoresAndConnects) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        SelectAp("Quay");
        world.ClearJournal();
        Click(IDC_WSC_PIN);
        EXPECT_EQ(Status(), "Start PIN connection - Quay");
        EXPECT_FALSE(Enabled(IDC_WSC_RESCAN)) << "while the run goes on";

        // The start record, the (empty) table, the two IE switches, in that order.
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 4u);
        EXPECT_EQ(sets[0].oid, kSetStart);
        const StartRecord start = Decode(sets[0].in);
        EXPECT_EQ(start.method, 0x10000000u);
        EXPECT_EQ(start.pin, "12345670");
        EXPECT_EQ(start.ssid, "Quay");
        EXPECT_EQ(start.bssid, (Bytes{0x02, 0x11, 0x22, 0x33, 0x44, 0x66}));
        EXPECT_EQ(start.channel, 1);
        EXPECT_EQ(start.role, 1);
        EXPECT_EQ(sets[1].oid, kSetTable);
        EXPECT_EQ(sets[1].in, Bytes(996, 0));
        EXPECT_EQ(sets[2].oid, kSetAssociateIe);
        EXPECT_EQ(sets[2].in, (Bytes{1, 0, 0, 0}));
        EXPECT_EQ(sets[3].oid, kSetProbeIe);
        EXPECT_EQ(WlanCalls("WlanDisconnect"), 1);

        // Every state of the enrollee's exchange, each with its progress.
        const std::vector<std::pair<std::string, int>> expected = {
            {"Start PIN connection - Quay", 5},
            {"PIN - Scanning AP", 10},
            {"PIN - Begin associating to WPS AP", 15},
            {"PIN - Associated to WPS AP", 20},
            {"PIN - Sending EAPOL-Start", 25},
            {"PIN - Sending EAP-Rsp(ID)", 30},
            {"PIN - Receive EAPReq WPS_Start", 35},
            {"PIN - Sending M1", 40},
            {"PIN - Received M2", 45},
            {"PIN - Sending M3", 60},
            {"PIN - Received M4", 65},
            {"PIN - Sending M5", 70},
            {"PIN - Received M6", 75},
            {"PIN - Sending M7", 80},
            {"PIN - Received M8", 85},
            {"PIN - Sending EAP Response (Done)", 90},
            {"PIN - Configured", 95},
        };
        EXPECT_EQ(RunStatus(), expected);
        EXPECT_EQ(Count(kQueryTable), 1);

        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"Quay", "WPA-PSK", "TKIP"}}));
        EXPECT_EQ(page->CredentialImage(0), 1) << "being tried";
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "1");
        EXPECT_EQ(Value("_wsc", "Common", "PinCode"), "12345670");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Quay");
        EXPECT_EQ(Value("_wsc", "Profile0", "AuthType"), "2");
        EXPECT_EQ(Value("_wsc", "Profile0", "EncryType"), "4");
        EXPECT_EQ(Value("_wsc", "Profile0", "Key"), "behind the dunes");
        EXPECT_EQ(Value("_sta", "Config", "WSC"), "1");
        EXPECT_EQ(ConnectedSsids(), std::vector<std::string>{"Quay"});

        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(Status(), "WPS status is connected successfully - Quay");
        EXPECT_EQ(Progress(), 100);
        EXPECT_EQ(page->CredentialImage(0), 0) << "linked";
        EXPECT_EQ(g_WpsCycleCredentials, 0);
        EXPECT_EQ(world.Adapter(0).linkSsid, "Quay");
        EXPECT_TRUE(Enabled(IDC_WSC_RESCAN));
    });
}

TEST_F(WpsPageTest, FailedRunsStopWithTheirTextAndNothingStored) {
    const struct {
        const char* name;
        std::string extra;       // scenario lines
        std::string fromSsid;    // without: "Lantern Home" offers no push button
        bool pin;
        std::string failure;     // shown while the driver keeps trying
        int stepMs;
    } cases[] = {
        {"wrong PIN", "", "", true, "PIN - Error PIN Code (R-Hash mismatch)", 250},
        {"two push-button networks", "[network]\nssid = Pier\nbssid = 02:11:22:33:44:AA\nchannel = 6\nwps = pbc\n",
         "", false, "PBC - Too many PBC AP available", 250},
        {"no push-button network in the walk time", "", "wps      = pbc", false, "PBC - No PBC AP available", 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = WpsScenario(c.extra);
        if (!c.fromSsid.empty()) text.replace(text.find(c.fromSsid), c.fromSsid.size(), "wps      = yes");
        world.SetRandomSource(PinSource(258));  // "00002585": nobody's PIN
        ResetWps();
        Load(text);
        Run([&] {
            ASSERT_NE(OpenPage(), nullptr);
            SelectAp("Quay");
            world.ClearJournal();
            Click(c.pin ? IDC_WSC_PIN : IDC_WSC_PBC);
            ASSERT_EQ(Sets().size(), 4u);
            if (!c.pin) {
                const StartRecord start = Decode(Sets()[0].in);
                EXPECT_EQ(start.method, 0x20000000u);
                EXPECT_EQ(start.pin, std::string(8, '\0'));
                EXPECT_EQ(start.ssid, "");
                EXPECT_EQ(start.role, 1);
            }
            const auto seen = RunStatus(c.stepMs, 200);
            ASSERT_GE(seen.size(), 3u);
            const std::string prefix = c.pin ? "PIN - " : "PBC - ";
            // The driver's last word, with the one before it still being tried.
            EXPECT_EQ(seen.back().first, prefix + "WPS Eap process failed");
            EXPECT_EQ(seen[seen.size() - 2].first, c.failure);
            EXPECT_EQ(seen[seen.size() - 2].second, seen[seen.size() - 3].second) << "its progress as it was";
            EXPECT_EQ(Progress(), 0);
            EXPECT_FALSE(page->Running());
            EXPECT_TRUE(Enabled(IDC_WSC_RESCAN));
            EXPECT_EQ(g_WpsSessionActive, 0);
            EXPECT_EQ(Value("_sta", "Config", "WSC"), "0");
            EXPECT_EQ(Value("_wsc", "Common", "Number"), "0");
            EXPECT_EQ(Count(kQueryTable), 0);
            EXPECT_TRUE(ConnectedSsids().empty());
            EXPECT_TRUE(CredentialRows().empty());
            // Nothing polls any more.
            const int polls = Count(kQueryStatus);
            Tick(kLinkTimer);
            EXPECT_EQ(Count(kQueryStatus), polls);
        });
    }
}

TEST_F(WpsPageTest, PinIsCheckedAndAnApChosenBeforeTheConnectionIsDropped) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        ChooseMode(1);  // the registrar types the other side's PIN
        const struct {
            const char* text;
            bool passes;
        } cases[] = {
            {"12345670", true},  {"12345671", false}, {"1234567", false},  {"123456700", false},
            {"1234567O", false}, {"12 45670", false}, {"", false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            boxes.clear();
            world.ClearJournal();
            world.ClearWlanCalls();
            SetWindowTextA(Item(IDC_WSC_PIN_EDIT), c.text);
            // No access point chosen: a good PIN is taken, but nothing starts and the link stays.
            SelectListRow(Item(IDC_WSC_AP_LIST), -1);
            Click(IDC_WSC_PIN);
            EXPECT_EQ(boxes, c.passes ? std::vector<std::string>{} : std::vector<std::string>{"Pin Code error"});
            if (!c.passes) {
                EXPECT_EQ(GetFocus(), Item(IDC_WSC_PIN_EDIT));
            }
            EXPECT_TRUE(Sets().empty());
            EXPECT_EQ(WlanCalls("WlanDisconnect"), 0);
            EXPECT_EQ(WlanCalls("WlanDeleteProfile"), 0);
            EXPECT_EQ(g_WpsSessionActive, 0);
            EXPECT_EQ(CredentialRows().size(), 1u) << "the registrar's credential stays";
        }
        EXPECT_EQ(g_WpsPinCode, 12345670u);
        EXPECT_EQ(Value("_wsc", "Common", "PinCode"), "12345670");
    });
}

TEST_F(WpsPageTest, PushButtonRunConnectsWithTheCredentialItReceives) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        world.ClearJournal();
        Click(IDC_WSC_PBC);
        EXPECT_EQ(Status(), "Start PBC connection");
        const StartRecord start = Decode(Sets().at(0).in);
        EXPECT_EQ(start.method, 0x20000000u);
        EXPECT_EQ(start.bssid, Bytes(6, 0));
        EXPECT_EQ(start.channel, 0);
        EXPECT_EQ(start.role, 1);
        const auto texts = Texts(RunStatus());
        EXPECT_EQ(texts.at(1), "PBC - Scanning AP");
        EXPECT_EQ(texts.back(), "PBC - Configured");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
        EXPECT_EQ(Value("_wsc", "Profile0", "AuthType"), "32");
        EXPECT_EQ(Value("_wsc", "Profile0", "Key"), "harbor lights");
        EXPECT_EQ(Value("_wsc", "Profile0", "MacAddress"), "02E1F0510108");
        EXPECT_EQ(ConnectedSsids(), std::vector<std::string>{"Lantern Home"});
        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(Status(), "WPS status is connected successfully - Lantern Home");
        EXPECT_EQ(world.Adapter(0).linkSsid, "Lantern Home");
        Shot("wps_page_enrollee");
    });
}

TEST_F(WpsPageTest, AdapterButtonWhileThePageIsOpenRunsOnThePage) {
    Load(WpsScenario("", /*button=*/true));
    std::ofstream(File("_wsc")) << "[Common]\nNumber=1\n[Profile0]\nSSID=Stale\n";
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        // The main window leaves the button to the page.
        EXPECT_FALSE(MainArmed(kWpsButtonTimer, kWpsButtonMs));
        EXPECT_FALSE(MainArmed(kWpsStatusTimer, kWpsStatusMs));
        EXPECT_FALSE(MainArmed(kWpsReconnectTimer, kWpsReconnectMs));
        Tick(kButtonTimer);
        EXPECT_EQ(Status(), "WPS status is not used") << "not pressed yet";

        world.clock().Advance(20000);
        world.ClearJournal();
        Tick(kButtonTimer);
        EXPECT_EQ(Status(), "Start PBC connection");
        EXPECT_TRUE(page->Running());
        EXPECT_TRUE(Sets().empty()) << "the driver runs the exchange already";
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "0");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "");
        EXPECT_TRUE(world.WlanProfiles(0).empty());

        EXPECT_EQ(Texts(RunStatus()).back(), "PBC - Configured");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(world.Adapter(0).linkSsid, "Lantern Home");
    });
}

TEST_F(WpsPageTest, RegistrarHandsOutEntryZeroToTheAccessPoint) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        ChooseMode(1);
        EXPECT_EQ(g_WpsRegistrarMode, 1);
        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"ExRegNW000000", "WPA2-PSK", "AES"}}));
        const WpsCredential& entry = g_WpsCredentialTable.Entries[0];
        EXPECT_EQ(entry.KeyIndex, 1u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry.Key), entry.KeyLength),
                  "A0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBF")
            << "the random source's 32 bytes";
        EXPECT_FALSE(Visible(IDC_WSC_RENEW));
        EXPECT_FALSE(Visible(IDC_WSC_DELETE));
        EXPECT_FALSE(GetWindowLongA(Item(IDC_WSC_PIN_EDIT), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(Value("_wsc", "Common", "ConfigMode"), "1");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "ExRegNW000000");

        // Without the random source no key is made up for the registrar.
        world.SetRandomSource([](void*, std::size_t) { return false; });
        ChooseMode(0);
        ChooseMode(1);
        EXPECT_EQ(g_WpsCredentialTable.Count, 1u);
        EXPECT_EQ(g_WpsCredentialTable.Entries[0].KeyLength, 0u);
        EXPECT_EQ(Value("_wsc", "Profile0", "Key"), "");
        world.SetRandomSource(PinSource(1234567));
        ChooseMode(0);
        ChooseMode(1);

        SetWindowTextA(Item(IDC_WSC_PIN_EDIT), "00000017");  // the access point's own PIN
        SelectAp("Old Mill");
        world.ClearJournal();
        Click(IDC_WSC_PIN);
        EXPECT_TRUE(boxes.empty());
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 4u);
        const StartRecord start = Decode(sets[0].in);
        EXPECT_EQ(start.pin, "00000017");
        EXPECT_EQ(start.ssid, "Old Mill");
        EXPECT_EQ(start.channel, 6);
        EXPECT_EQ(start.role, 2);
        Bytes table(996);
        std::memcpy(table.data(), &g_WpsCredentialTable, table.size());
        EXPECT_EQ(sets[1].in, table) << "entry 0 goes to the driver";

        const auto texts = Texts(RunStatus());
        const std::vector<std::string> registrarSteps = {
            "PIN - Received M1",  "PIN - Sending M2",  "PIN - Received M3", "PIN - Sending M4",
            "PIN - Received M5",  "PIN - Sending M6",  "PIN - Received M7", "PIN - Sending M8",
            "PIN - Received EAP Response (Done)", "PIN - Configured"};
        ASSERT_GE(texts.size(), registrarSteps.size());
        EXPECT_EQ(std::vector<std::string>(texts.end() - static_cast<long>(registrarSteps.size()), texts.end()),
                  registrarSteps);
        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"ExRegNW000000", "WPA2-PSK", "AES"}}));
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "1");
        EXPECT_EQ(ConnectedSsids(), std::vector<std::string>{"ExRegNW000000"});
        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(world.Adapter(0).linkSsid, "ExRegNW000000") << "the access point runs with entry 0";
        Shot("wps_page_registrar");
    });
}

TEST_F(WpsPageTest, OpenRegistrarCredentialIsHandedOutOnlyWhenConfirmed) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        ChooseMode(1);
        WpsCredential& entry = g_WpsCredentialTable.Entries[0];
        entry = WpsCredential{};
        const std::string ssid = "Open Mill";
        entry.SsidLength = static_cast<std::uint32_t>(ssid.size());
        std::memcpy(entry.Ssid, ssid.data(), ssid.size());
        entry.AuthType = 1;
        entry.EncryType = 1;
        entry.KeyLength = 5;
        page->RefreshCredentialList();
        SetWindowTextA(Item(IDC_WSC_PIN_EDIT), "00000017");
        SelectAp("Old Mill");

        // Cancel: nothing starts, the link stays.
        world.SetLink(0, true, "Quay", {0x02, 0x11, 0x22, 0x33, 0x44, 0x66});
        const std::string status = Status();
        world.ClearJournal();
        world.ClearWlanCalls();
        std::string question;
        const INT_PTR cancelled = testutil::WithModal("Unsecured setting", [&] { Click(IDC_WSC_PIN); return 0; },
                                                      [&](HWND d) {
                                                          char text[128] = {};
                                                          GetDlgItemTextA(d, IDC_WSCU_TEXT, text, sizeof text);
                                                          question = text;
                                                          PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
                                                      });
        (void)cancelled;
        EXPECT_EQ(question, "Do you want to set the unsecured authentication? ");
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(WlanCalls("WlanDisconnect"), 0);
        EXPECT_EQ(g_WpsSessionActive, 0);
        EXPECT_EQ(Status(), status);
        EXPECT_TRUE(world.Adapter(0).connected);

        // OK: the open credential goes out and the station connects with it.
        testutil::WithModal("Unsecured setting", [&] { Click(IDC_WSC_PIN); return 0; },
                            [&](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); });
        ASSERT_EQ(Sets().size(), 4u);
        EXPECT_EQ(Decode(Sets()[0].in).role, 2);
        EXPECT_EQ(Texts(RunStatus()).back(), "PIN - Configured");
        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(world.Adapter(0).linkSsid, "Open Mill");
    });
}

TEST_F(WpsPageTest, ImportedWepCredentialLoadsBackAsAProfileThatConnects) {
    // An access point with a 13-character WEP key in its third slot.
    Load(WpsScenario("[network]\nssid = \"Harbor WEP\"\nbssid = 02:11:22:33:44:CC\nchannel = 4\nsecurity = wep\n"
                     "key = \"harbor-key-13\"\nkey_index = 2\nwps = pin\nwps_pin = 11111115\n"));
    world.SetRandomSource(PinSource(1111111));
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        SelectAp("Harbor WEP");
        Click(IDC_WSC_PIN);
        ASSERT_EQ(Texts(RunStatus()).back(), "PIN - Configured");
        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"Harbor WEP", "OPEN", "WEP"}}));

        CProfilePage* profiles = dialog.m_pSheet->ProfilePage();
        const std::size_t before = profiles->Rows().size();
        SelectListRow(Item(IDC_WSC_CREDENTIALS), 0);
        Click(IDC_WSC_IMPORT);
        const auto rows = profiles->Rows();
        ASSERT_EQ(rows.size(), before + 1);
        const std::string name = rows.back()[0];
        EXPECT_EQ(name.rfind("PROF", 0), 0u) << name;
        EXPECT_EQ(rows.back()[1], "Harbor WEP");
        EXPECT_EQ(Value("_prof", name.c_str(), "SSID"), "Harbor WEP");
        EXPECT_EQ(Value("_prof", name.c_str(), "AuthMode"), "0");
        EXPECT_EQ(Value("_prof", name.c_str(), "CipherMode"), "0");
        EXPECT_EQ(Value("_prof", name.c_str(), "WEPKeyUse"), "3");
        EXPECT_EQ(Value("_prof", name.c_str(), "WEPKey3"), "686172626f722d6b65792d3133") << "the characters' codes";
        EXPECT_EQ(Value("_prof", name.c_str(), "WEPKey3Type"), "1");
        EXPECT_EQ(Value("_prof", name.c_str(), "WEPKey1"), "");

        // Away from the network, then back through the imported profile alone.
        Click(IDC_WSC_DISCONNECT);
        ASSERT_TRUE(PumpUntil([&] { return !world.Adapter(0).connected; }));
        EXPECT_TRUE(world.WlanProfiles(0).empty());
        world.ClearWlanCalls();
        for (int row = 0; row < static_cast<int>(rows.size()); ++row)
            if (rows[static_cast<std::size_t>(row)][0] == name) profiles->ActivateProfileRow(row);
        ASSERT_TRUE(PumpUntil([&] {
            world.clock().Advance(100);
            return world.Adapter(0).connected;
        }));
        EXPECT_EQ(world.Adapter(0).linkSsid, "Harbor WEP");
        ASSERT_FALSE(world.WlanConnects().empty());
        EXPECT_EQ(world.WlanConnects().back().reason, 0u);
    });
}

TEST_F(WpsPageTest, StatusWordsShowTheirTextAndProgress) {
    Load(WpsScenario());
    const struct {
        const char* name;
        bool answer;  // false: the query fails
        std::uint32_t word;
        std::string text;
        int progress;
        bool running;
    } cases[] = {
        {"PIN run sending M1", true, 0x10000012, "PIN - Sending M1", 40, true},
        {"too many push-button networks", true, 0x101, "PBC - Too many PBC AP available", 5, true},
        {"a state without a text", true, 8, "PBC - ", 5, true},
        {"query fails", false, 0, "Start PBC connection", 5, true},
        {"invalid SSID ends the run", true, 0x10000201, "PIN - Invalid SSID in PIN mode", 0, false},
        {"nothing runs", true, 0, "PBC - WPS status is not used", 0, false},
    };
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        world.ClearJournal();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            Click(IDC_WSC_PBC);
            ASSERT_EQ(Progress(), 5);
            if (c.answer) world.SetOidAnswer(0, kQueryStatus, U32(c.word));
            else world.FailOid(kQueryStatus, 1);
            Tick(kStatusTimer);
            EXPECT_EQ(Status(), c.text);
            EXPECT_EQ(Progress(), c.progress);
            EXPECT_EQ(page->Running() != 0, c.running);
            EXPECT_EQ(Enabled(IDC_WSC_RESCAN), !c.running);
        }
        EXPECT_TRUE(ConnectedSsids().empty());
    });
}

// Three stored credentials as "_wsc" and the list hold them.
void StoreCredentials(CWscPage* page, const std::vector<std::string>& ssids) {
    std::memset(&g_WpsCredentialTable, 0, sizeof(g_WpsCredentialTable));
    g_WpsCredentialTable.Count = static_cast<std::uint32_t>(ssids.size());
    for (std::size_t i = 0; i < ssids.size(); ++i) {
        WpsCredential& c = g_WpsCredentialTable.Entries[i];
        c.SsidLength = static_cast<std::uint32_t>(ssids[i].size());
        std::memcpy(c.Ssid, ssids[i].data(), ssids[i].size());
        c.AuthType = 0x20;
        c.EncryType = 0x08;
        const std::string key = "harbor lights";
        c.KeyLength = static_cast<std::uint32_t>(key.size());
        std::memcpy(c.Key, key.data(), key.size());
    }
    WriteWpsProfiles(0);
    page->RefreshCredentialList();
}

TEST_F(WpsPageTest, DeletingTheMiddleCredentialKeepsTheOthersInOrder) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        StoreCredentials(page, {"First", "Middle", "Last"});
        SelectListRow(Item(IDC_WSC_CREDENTIALS), 1);
        Click(IDC_WSC_DELETE);
        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"First", "WPA2-PSK", "AES"},
                                                                           {"Last", "WPA2-PSK", "AES"}}));
        EXPECT_EQ(g_WpsCredentialTable.Count, 2u);
        const WpsCredential zero{};
        EXPECT_EQ(std::memcmp(&g_WpsCredentialTable.Entries[2], &zero, sizeof(zero)), 0);
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "2");
        EXPECT_EQ(Value("_wsc", "Profile1", "SSID"), "Last");
        EXPECT_EQ(Value("_wsc", "Profile2", "SSID"), "");
        EXPECT_EQ(WlanCalls("WlanDisconnect"), 0) << "not the credential in use";

        // Nothing focused: nothing goes.
        SelectListRow(Item(IDC_WSC_CREDENTIALS), -1);
        Click(IDC_WSC_DELETE);
        EXPECT_EQ(g_WpsCredentialTable.Count, 2u);
    });
}

// Delete of the credential in use takes its service profile with it, whatever bytes its SSID
// holds: the profile's name is found the way the connect made it.
TEST_F(WpsPageTest, DeletingTheCredentialInUseRemovesItsServiceProfile) {
    Load(WpsScenario());
    const struct {
        const char* name;
        std::string ssid;
    } cases[] = {
        {"ASCII", "Lantern Home"},
        {"one byte above 0x7F", "Caf\xE9"},
        {"several", "\xC4rger \xFC\xDF\xA0\xFF"},
    };
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            StoreCredentials(page, {c.ssid});
            const std::size_t before = world.WlanProfiles(0).size();
            SelectListRow(Item(IDC_WSC_CREDENTIALS), 0);
            Click(IDC_WSC_CONNECT);
            PumpUntil([&] { return world.WlanNotificationsQueued() == 0; });
            ASSERT_EQ(world.WlanProfiles(0).size(), before + 1) << "the connect stored a profile";
            Click(IDC_WSC_DELETE);
            EXPECT_EQ(world.WlanProfiles(0).size(), before);
            EXPECT_EQ(g_WpsCredentialTable.Count, 0u);
        }
    });
}

// "Configured" with the credential query failing: the page's table, "_wsc" and the service
// profiles stay as they were, nothing connects; the next look stores and connects.
TEST_F(WpsPageTest, FailedCredentialQueryAtConfiguredChangesNothingStored) {
    Load(WpsScenario());
    std::ofstream(File("_sta")) << "[Config]\nCurProfile=Mill\nWSC=0\nSSID=Old Mill\nNetworkType=1\nAuthMode=0\n"
                                   "CipherMode=1\n";
    auto fileText = [&](const char* kind) {
        std::ifstream in(File(kind), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        StoreCredentials(page, {"Old Mill"});
        ASSERT_EQ(world.WlanProfiles(0).size(), 1u);
        const std::string wsc = fileText("_wsc");
        Bytes table(996, 0);
        const std::uint32_t one = 1, length = 12, auth = 0x20, encry = 0x08, keyLength = 13;
        std::memcpy(table.data(), &one, 4);
        std::memcpy(table.data() + 4, &length, 4);
        std::memcpy(table.data() + 8, "Lantern Home", 12);
        std::memcpy(table.data() + 40, &auth, 4);
        std::memcpy(table.data() + 44, &encry, 4);
        std::memcpy(table.data() + 52, &keyLength, 4);
        std::memcpy(table.data() + 56, "harbor lights", 13);
        world.SetOidAnswer(0, kQueryTable, table);
        world.SetOidAnswer(0, kQueryStatus, U32(15));
        world.FailOid(kQueryTable, 1);
        world.ClearJournal();
        Tick(kStatusTimer);

        EXPECT_EQ(Status(), "PBC - Configured");
        EXPECT_EQ(Count(kQueryTable), 1);
        EXPECT_EQ(fileText("_wsc"), wsc);
        ASSERT_EQ(world.WlanProfiles(0).size(), 1u);
        EXPECT_EQ(world.WlanProfiles(0)[0].name, L"Old Mill");
        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"Old Mill", "WPA2-PSK", "AES"}}));
        EXPECT_TRUE(ConnectedSsids().empty());

        Tick(kStatusTimer);
        EXPECT_EQ(CredentialRows(), (std::vector<std::vector<std::string>>{{"Lantern Home", "WPA2-PSK", "AES"}}));
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
        EXPECT_EQ(ConnectedSsids(), std::vector<std::string>{"Lantern Home"});
    });
}

TEST_F(WpsPageTest, RotateTriesEachCredentialEveryTenSecondsAndConnectTakesTheChosenOne) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        StoreCredentials(page, {"Nowhere A", "Nowhere B", "Nowhere C"});
        world.ClearWlanCalls();
        Click(IDC_WSC_ROTATE);
        EXPECT_EQ(g_WpsCycleCredentials, 1);
        EXPECT_EQ(page->CredentialImage(0), 1);
        for (int tick = 1; tick <= 15; ++tick) {
            world.clock().Advance(2000);
            Tick(kLinkTimer);
            PumpUntil([&] { return world.WlanNotificationsQueued() == 0; });
            EXPECT_EQ(Status(), "WPS status is disconnected");
        }
        std::vector<std::wstring> tried;
        for (const auto& c : world.WlanConnects()) tried.push_back(c.profile);
        EXPECT_EQ(tried, (std::vector<std::wstring>{L"Nowhere A", L"Nowhere B", L"Nowhere C", L"Nowhere A"}))
            << "at once, then every fifth 2-second tick";

        // Connect: the chosen credential alone, no more rotation.
        StoreCredentials(page, {"Nowhere A", "Nowhere B", "Nowhere C", "Lantern Home"});
        SelectListRow(Item(IDC_WSC_CREDENTIALS), 3);
        world.ClearWlanCalls();
        Click(IDC_WSC_CONNECT);
        EXPECT_EQ(g_WpsCycleCredentials, 0);
        EXPECT_EQ(g_WpsCurrentIndex, 3);
        ASSERT_TRUE(LinkedAfterConfigured());
        EXPECT_EQ(Status(), "WPS status is connected successfully - Lantern Home");
        EXPECT_EQ(page->CredentialImage(3), 0);
        EXPECT_EQ(world.WlanConnects().size(), 1u);
    });
}

TEST_F(WpsPageTest, InformationAndDetailShowTheChosenRows) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        auto text = [](HWND d, int id) {
            char value[128] = {};
            GetDlgItemTextA(d, id, value, sizeof value);
            return std::string(value);
        };
        SelectAp("Lantern Home");
        testutil::WithModal("WPS Information", [&] { Click(IDC_WSC_INFORMATION); return 0; }, [&](HWND d) {
            EXPECT_EQ(text(d, IDC_WSCI_AUTH), "WPA2-PSK");
            EXPECT_EQ(text(d, IDC_WSCI_ENCRY), "AES");
            EXPECT_EQ(text(d, IDC_WSCI_PASSWORD_ID), "0x0004");
            EXPECT_EQ(text(d, IDC_WSCI_REGISTRAR), "TRUE");
            EXPECT_EQ(text(d, IDC_WSCI_STATE), "Configured");
            EXPECT_EQ(text(d, IDC_WSCI_VERSION), "1.0");
            PostMessageA(d, WM_COMMAND, IDOK, 0);
        });

        StoreCredentials(page, {"First", "Second"});
        SelectListRow(Item(IDC_WSC_CREDENTIALS), 1);
        testutil::WithModal("WPS Profile Detail", [&] { Click(IDC_WSC_DETAIL); return 0; }, [&](HWND d) {
            EXPECT_EQ(text(d, IDC_WSCD_SSID), "Second");
            EXPECT_EQ(text(d, IDC_WSCD_AUTH), "WPA2-PSK");
            EXPECT_EQ(text(d, IDC_WSCD_KEY_LENGTH), "13");
            PostMessageA(d, WM_COMMAND, IDOK, 0);
        });

        // Without a chosen row neither opens.
        SelectListRow(Item(IDC_WSC_AP_LIST), -1);
        SelectListRow(Item(IDC_WSC_CREDENTIALS), -1);
        Click(IDC_WSC_INFORMATION);
        Click(IDC_WSC_DETAIL);
        EXPECT_EQ(testutil::FindThreadWindow("WPS Information"), nullptr);
        EXPECT_EQ(testutil::FindThreadWindow("WPS Profile Detail"), nullptr);
    });
}

TEST_F(WpsPageTest, HostileTableFromTheDriverIsHeldToItsFields) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        Bytes table(996, 'w');
        const std::uint32_t count = 0xFFFF, ssid = 200, key = 0x40000000;
        std::memcpy(table.data(), &count, 4);
        std::memcpy(table.data() + 4, &ssid, 4);
        std::memcpy(table.data() + 4 + 48, &key, 4);
        world.SetOidAnswer(0, kQueryTable, table);
        world.SetOidAnswer(0, kQueryStatus, U32(15));
        Click(IDC_WSC_PBC);
        Tick(kStatusTimer);
        EXPECT_EQ(Status(), "PBC - Configured");
        const auto rows = CredentialRows();
        ASSERT_EQ(rows.size(), 8u);
        EXPECT_EQ(rows[0][0], std::string(32, 'w'));
        EXPECT_EQ(g_WpsCredentialTable.Entries[0].KeyLength, 64u);
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "8");
    });
}

TEST_F(WpsPageTest, RunGoingOnWhenTheSheetClosesIsCarriedOnByTheMainWindow) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        Click(IDC_WSC_PBC);
        world.clock().Advance(1000);
        Tick(kStatusTimer);
        ASSERT_TRUE(page->Running());
        EXPECT_FALSE(MainArmed(kWpsStatusTimer, kWpsStatusMs));

        dialog.m_pSheet->DestroyWindow();
        fw::PumpMessages(20);
        EXPECT_TRUE(MainArmed(kWpsButtonTimer, kWpsButtonMs));
        EXPECT_TRUE(MainArmed(kWpsStatusTimer, kWpsStatusMs)) << "the run is not over";
        EXPECT_TRUE(MainArmed(kWpsReconnectTimer, kWpsReconnectMs)) << "a rotating session";

        // The main window's timer 5 follows the run to its end and connects.
        for (int i = 0; i < 30 && Count(kQueryTable) == 0; ++i) {
            world.clock().Advance(1000);
            dialog.SendMessage(WM_TIMER, kWpsStatusTimer, 0);
        }
        EXPECT_EQ(Count(kQueryTable), 1);
        EXPECT_FALSE(MainArmed(kWpsStatusTimer, kWpsStatusMs));
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
        ASSERT_TRUE(PumpUntil([&] { return world.Adapter(0).connected; }));
        EXPECT_EQ(world.Adapter(0).linkSsid, "Lantern Home");
    });
}

// The adapter's button pressed while the sheet is open on another page: the main window
// follows the run until the WPS page is made, at any state of the run; the page then carries
// the run on to "Configured", stores the credential and connects.
TEST_F(WpsPageTest, ButtonRunFollowedByTheMainWindowIsCarriedOnByThePageOpenedMidRun) {
    Load(WpsScenario());
    const struct {
        const char* name;
        std::uint32_t seen;   // the last state the main window saw before the page opened
        int quietMs;          // then this long without a look
    } cases[] = {
        {"scanning", 2, 0},
        {"begin associating", 3, 0},
        {"EAPOL-Start", 5, 0},
        {"M1", 18, 0},
        {"M4", 22, 0},
        {"M7", 25, 0},
        {"done", 27, 0},
        {"configured before the main window looked", 27, 3000},
    };
    Run([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ASSERT_TRUE(dialog.m_pSheet && dialog.m_pSheet->IsWindow());
            ASSERT_EQ(dialog.m_pSheet->WscPage()->IsWindow(), FALSE) << "not made yet";
            world.PressWpsButton(0);
            world.ClearJournal();
            dialog.SendMessage(WM_TIMER, kWpsButtonTimer, 0);
            ASSERT_TRUE(MainArmed(kWpsStatusTimer, kWpsStatusMs));
            std::uint32_t state = 0;
            for (int i = 0; i < 40; ++i) {
                dialog.SendMessage(WM_TIMER, kWpsStatusTimer, 0);
                for (const auto& e : world.Journal())
                    if (e.oid == kQueryStatus && e.result) state = U32At(e.out, 0) & 0x0FFFFFFF;
                if (state == c.seen) break;
                world.clock().Advance(250);
            }
            ASSERT_EQ(state, c.seen);
            world.clock().Advance(c.quietMs);
            EXPECT_EQ(Count(kQueryTable), 0);

            ASSERT_NE(OpenPage(), nullptr);
            EXPECT_FALSE(MainArmed(kWpsStatusTimer, kWpsStatusMs)) << "one side polls";
            EXPECT_TRUE(page->Running());
            if (c.seen == 18) {
                Tick(kStatusTimer);
                Shot("wps_page_button_run_taken_over");
            }
            EXPECT_EQ(Texts(RunStatus()).back(), "PBC - Configured");
            EXPECT_EQ(Count(kQueryTable), 1);
            EXPECT_EQ(Value("_wsc", "Common", "Number"), "1");
            EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
            EXPECT_EQ(Value("_sta", "Config", "WSC"), "1");
            EXPECT_EQ(ConnectedSsids(), std::vector<std::string>{"Lantern Home"}) << "the connect was queued";
            EXPECT_FALSE(MainArmed(kWpsStatusTimer, kWpsStatusMs));

            // The next case starts from a sheet without the WPS page.
            dialog.m_pSheet->DestroyWindow();
            fw::PumpMessages(20);
            dialog.ShowConfigSheet();
            fw::PumpMessages(20);
        }
    });
}

TEST_F(WpsPageTest, ClosingThePageWithNoRunGivesBackOnlyTheButton) {
    Load(WpsScenario());
    Run([&] {
        ASSERT_NE(OpenPage(), nullptr);
        dialog.m_pSheet->DestroyWindow();
        fw::PumpMessages(20);
        EXPECT_TRUE(MainArmed(kWpsButtonTimer, kWpsButtonMs));
        EXPECT_FALSE(MainArmed(kWpsStatusTimer, kWpsStatusMs));
        EXPECT_FALSE(MainArmed(kWpsReconnectTimer, kWpsReconnectMs));
    });
}

}  // namespace

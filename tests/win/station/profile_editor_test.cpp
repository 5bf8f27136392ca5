// The profile editor opened from the Profile and Site Survey pages of the main window's sheet,
// against the simulated world: the checks of a save with their messages and pages, what lands
// in the "_prof" file and back, the pages' lists and hidden rows, the adapter going away
// under an open editor, and the security twin dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog_steps.h"
#include "driver_key_util.h"
#include "framework/message_loop.h"
#include "resources/station/resource.h"
#include "shared/system/os_code.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/registry/radio_defaults.h"
#include "shared/driver/oid_access.h"
#include "station/core/station_globals.h"
#include "station/pages/profile_page.h"
#include "station/pages/site_surv_page.h"
#include "station/profiles/editor/auth_secu_dlg.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/profile_globals.h"
#include "station/profiles/editor/profile_sheet.h"
#include "station_fixture.h"
#include "tests/win/layout_check.h"
#include "window_shot.h"

namespace {

constexpr const char* kAdapter = "{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}";
constexpr UINT_PTR kStatusTimer = 1;

struct Box {
    std::string text;
    UINT type;
    bool operator==(const Box&) const = default;
};

using Section = std::map<std::string, std::string>;

// The default scenario with scans answered at once.
std::string FastScenario() {
    std::string text = testutil::Scenario("default.scn");
    const std::string radio = "radio  = on\n";
    const size_t at = text.find(radio);
    if (at != std::string::npos) text.insert(at + radio.size(), "scan_delay = 0\n");
    return text;
}

std::string Selected(fw::CWnd& page, int combo) {
    HWND h = page.GetDlgItem(combo);
    const LRESULT index = SendMessageA(h, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    char text[128] = {};
    SendMessageA(h, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::string> Items(fw::CWnd& page, int combo) {
    HWND h = page.GetDlgItem(combo);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < SendMessageA(h, CB_GETCOUNT, 0, 0); ++i) {
        char text[128] = {};
        SendMessageA(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// A choice as the user makes it: the item, then the notification.
void Choose(fw::CWnd& page, int combo, const std::string& text) {
    HWND h = page.GetDlgItem(combo);
    const LRESULT index = SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_NE(index, CB_ERR) << text;
    SendMessageA(h, CB_SETCURSEL, index, 0);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

bool Visible(fw::CWnd& page, int id) { return IsWindowVisible(page.GetDlgItem(id)) != FALSE; }
bool Enabled(fw::CWnd& page, int id) { return IsWindowEnabled(page.GetDlgItem(id)) != FALSE; }

class ProfileEditorTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        data_ = std::make_unique<testutil::TempDataDirectory>("lumora-editor");
        ASSERT_TRUE(data_->Made());
        world.SetMessageBoxAnswerer([this](const platform::sim::MessageBoxCall& call) {
            boxes.push_back({call.text, call.type});
            return answer;
        });
    }
    void TearDown() override {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, File("_prof").c_str());
        data_.reset();
        MainWindowFixture::TearDown();
    }

    std::string File(const char* kind) const { return data_->Path() + "KV31_" + kAdapter + kind; }
    void Write(const char* kind, const std::string& text) const {
        std::ofstream out(File(kind), std::ios::binary | std::ios::trunc);
        out << text;
    }
    // Every key of a "_prof" section, empty ones too.
    Section Read(const std::string& name) const {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, File("_prof").c_str());
        std::vector<char> buffer(32768, 0);
        const DWORD n = GetPrivateProfileSectionA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                                  File("_prof").c_str());
        Section keys;
        for (DWORD at = 0; at < n && buffer[at];) {
            const std::string line(buffer.data() + at);
            at += static_cast<DWORD>(line.size()) + 1;
            const size_t eq = line.find('=');
            keys[line.substr(0, eq)] = eq == std::string::npos ? "" : line.substr(eq + 1);
        }
        return keys;
    }

    CProfilePage* ProfilePage() {
        if (!dialog.m_pSheet || !dialog.m_pSheet->IsWindow()) return nullptr;
        dialog.m_pSheet->SetActivePage(dialog.m_pSheet->ProfilePage());
        return dialog.m_pSheet->ProfilePage();
    }
    static void SelectRow(HWND list, int row) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
    static int FindRow(CProfilePage* page, const std::string& name) {
        const auto rows = page->Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i][0] == name) return static_cast<int>(i);
        return -1;
    }

    // Runs steps on the editor that open brings up, from inside its modal loop; an editor
    // the steps leave open is cancelled. Returns what open returned.
    template <class Open>
    auto WithEditor(Open open, const std::function<void(CProfileSheet&)>& steps) {
        bool reached = false;
        testutil::AtNextTick([&] {
            CProfileSheet* editor = g_pProfileSheet;
            reached = editor && editor->IsWindow();
            if (!reached) return;
            steps(*editor);
            if (editor->IsWindow() && PropSheet_GetCurrentPageHwnd(editor->m_hWnd)) editor->EndEditor();
        });
        auto result = open();
        EXPECT_TRUE(reached) << "the editor opened";
        return result;
    }
    int AddFromProfilePage(CProfilePage* page, const std::function<void(CProfileSheet&)>& steps) {
        return WithEditor([&] { return page->AddProfile("", 1, 0, 1, 1); }, steps);
    }
    void EditRow(CProfilePage* page, const std::string& name, const std::function<void(CProfileSheet&)>& steps) {
        SelectRow(page->GetDlgItem(IDC_PROFILE_LIST), FindRow(page, name));
        WithEditor([&] { return page->SendMessage(WM_COMMAND, IDC_PROFILE_EDIT, 0); }, steps);
    }

    static CSysConfigPage& Sys(CProfileSheet& e) { return e.SysConfigPage(); }
    static CAuthSecuPage& Auth(CProfileSheet& e) {
        e.SetActivePage(&e.AuthSecuPage());
        return e.AuthSecuPage();
    }
    static void PressOk(CProfileSheet& e) { SendMessageA(e.GetDlgItem(IDOK), BM_CLICK, 0, 0); }
    static bool Closed(CProfileSheet& e) { return !e.IsWindow() || !PropSheet_GetCurrentPageHwnd(e.m_hWnd); }

    std::unique_ptr<testutil::TempDataDirectory> data_;
    std::vector<Box> boxes;
    int answer = IDOK;
};

constexpr UINT kStop = MB_OK | MB_ICONSTOP;

// A global set for one test, put back however the test ends.
template <class T>
class Restore {
public:
    explicit Restore(T& value) : m_value(value), m_saved(value) {}
    ~Restore() { m_value = m_saved; }

private:
    T& m_value;
    T m_saved;
};

}  // namespace

// Not run by default: the two pages and the twin dialog filled in, one .bmp each in SHOTS_DIR.
//   main_window_tests --gtest_also_run_disabled_tests --gtest_filter='*EditorScreenshot*'
TEST_F(ProfileEditorTest, DISABLED_EditorScreenshot) {
    Load(FastScenario());
    Write("_prof", "[Crew]\r\nSSID=Crew Net\r\nNetworkType=1\r\nAuthMode=0\r\nLeapEnabled=1\r\nCipherMode=4\r\n"
                   "LeapEncryType=1\r\nLeapUserName=crew\r\nLeapPassword=deck\r\n"
                   "[Raft]\r\nSSID=Raft Net\r\nNetworkType=0\r\nChannel=6\r\nAuthMode=5\r\nCipherMode=6\r\n"
                   "WPAPSK=raft crossing\r\n");
    Run([&] {
        const DWORD ccx = 1;
        testutil::SetValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), "CCX2Control", REG_DWORD, &ccx, sizeof(ccx));
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        fw::PumpMessages(300);
        AddFromProfilePage(page, [&](CProfileSheet& e) {
            Sys(e).SetDlgItemText(IDC_SYS_SSID, "Lantern Home");
            testutil::SaveWindowShot(e.m_hWnd, "profile_system_configuration");
            CAuthSecuPage& auth = Auth(e);
            Choose(auth, IDC_AUTH_TYPE, "Shared");
            Choose(auth, IDC_AUTH_FORMAT2, "ASCII");
            auth.SetDlgItemText(IDC_AUTH_HEX1, "0123456789");
            auth.SetDlgItemText(IDC_AUTH_ASCII2, "abcde");
            testutil::SaveWindowShot(e.m_hWnd, "profile_authentication_security");
            Choose(auth, IDC_AUTH_TYPE, "WPA2-PSK");
            auth.SetDlgItemText(IDC_AUTH_PSK, "harbor lights");
            testutil::SaveWindowShot(e.m_hWnd, "profile_authentication_wpa2_psk");
        });
        // Stored profiles of types the lists offer only for them.
        EditRow(page, "Crew", [&](CProfileSheet& e) {
            Auth(e);
            testutil::SaveWindowShot(e.m_hWnd, "profile_authentication_leap");
        });
        EditRow(page, "Raft", [&](CProfileSheet& e) {
            Auth(e);
            testutil::SaveWindowShot(e.m_hWnd, "profile_authentication_adhoc_wpa_none");
        });
        CAuthSecuDlg twin;
        testutil::WithModal("Authentication and Security", [&] { return twin.DoModal(); }, [&](HWND d) {
            testutil::SaveWindowShot(d, "authentication_security_dialog");
            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
    });
}

TEST_F(ProfileEditorTest, PagesAndTwinDialogLayOutTheirControlsTidily) {
    Load(FastScenario());
    Write("_prof", "[Crew]\r\nSSID=Crew Net\r\nNetworkType=1\r\nAuthMode=0\r\nLeapEnabled=1\r\nCipherMode=0\r\n"
                   "LeapUserName=crew\r\nLeapPassword=deck\r\n");
    Run([&] {
        const DWORD ccx = 1;
        testutil::SetValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), "CCX2Control", REG_DWORD, &ccx, sizeof(ccx));
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        AddFromProfilePage(page, [&](CProfileSheet& e) {
            {
                SCOPED_TRACE("System Configuration");
                testutil::ExpectTidyLayout(Sys(e).m_hWnd);
            }
            CAuthSecuPage& auth = Auth(e);
            for (const char* type : {"Open", "Shared", "WPA", "WPA-PSK"}) {
                SCOPED_TRACE(type);
                Choose(auth, IDC_AUTH_TYPE, type);
                testutil::ExpectTidyLayout(auth.m_hWnd);
            }
        });
        // A stored LEAP profile: its identity rows and encryption choice.
        EditRow(page, "Crew", [&](CProfileSheet& e) {
            SCOPED_TRACE("LEAP");
            testutil::ExpectTidyLayout(Auth(e).m_hWnd);
        });
        CAuthSecuDlg twin;
        testutil::WithModal("Authentication and Security", [&] { return twin.DoModal(); }, [&](HWND d) {
            testutil::ExpectTidyLayout(d);
            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
    });
}

namespace {

const char* const kHomeSection =
    "[Home]\r\nSSID=Lantern Home\r\nChannel=1\r\nNetworkType=1\r\nPreambleType=2\r\nAuthMode=7\r\nCipherMode=6\r\n"
    "WPAPSK=harbor lights\r\nWEPKeyUse=1\r\nTXPower=0\r\nActiveTime=2024, 3, 9, 14, 5, 59\r\n";

// The name and SSID every case needs, then what it tests.
void NameAndSsid(CProfileSheet& e, const char* name = "Dock", const char* ssid = "Dock Net") {
    e.SysConfigPage().SetDlgItemText(IDC_SYS_NAME, name);
    e.SysConfigPage().SetDlgItemText(IDC_SYS_SSID, ssid);
}

}  // namespace

TEST_F(ProfileEditorTest, SaveShowsTheFirstFailingCheckAndThePageThatHoldsTheValue) {
    Load(FastScenario());
    Write("_prof", kHomeSection);
    struct Case {
        const char* what;
        std::function<void(CProfileSheet&)> input;
        Box box;
        int page;
        std::function<void(CProfileSheet&)> after = {};  // what the sheet shows then
    };
    auto security = [](CProfileSheet& e, const char* type, const char* encryption = nullptr) -> CAuthSecuPage& {
        CAuthSecuPage& auth = Auth(e);
        Choose(auth, IDC_AUTH_TYPE, type);
        if (encryption) Choose(auth, IDC_AUTH_ENCRYPTION, encryption);
        return auth;
    };
    // Each case ends on the other page, so that the page shown afterwards is the check's.
    const Case cases[] = {
        {"blank name",
         [](CProfileSheet& e) {
             NameAndSsid(e, "   ");
             Auth(e);
         },
         {"Please enter profile name", kStop}, 0},
        {"no SSID",
         [](CProfileSheet& e) {
             NameAndSsid(e, "Dock", "");
             Auth(e);
         },
         {"SSID is required", kStop}, 0},
        {"WPA2-PSK key of 7",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             security(e, "WPA2-PSK").SetDlgItemText(IDC_AUTH_PSK, "1234567");
             e.SetActivePage(0);
         },
         {"Invalid WPA2 Pre-Shared key. WPA2-PSK used field should use 8-63 ASCII characters or 64 Hex characters.", MB_OK},
         1},
        {"WPA-PSK key of 64 with a G",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             security(e, "WPA-PSK").SetDlgItemText(IDC_AUTH_PSK, std::string(63, 'a') + "G");
             e.SetActivePage(0);
         },
         {"Invalid WPA Pre-Shared key. WPA-PSK used field should use 8-63 ASCII characters or 64 Hex characters.", MB_OK},
         1},
        {"chosen hex key of 9",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             security(e, "Open", "WEP").SetDlgItemText(IDC_AUTH_HEX1, "123456789");
             e.SetActivePage(0);
         },
         {"WEP key requires 10 or 26 Hex characters.", MB_OK}, 1},
        // Pasted text passes the edit's keystroke filter.
        {"pasted hex key with non-hex characters",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             security(e, "Open", "WEP").SetDlgItemText(IDC_AUTH_HEX1, "12345678zz");
             e.SetActivePage(0);
         },
         {"WEP key requires 10 or 26 Hex characters.", MB_OK}, 1},
        {"ASCII key of 3",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             CAuthSecuPage& auth = security(e, "Shared");
             Choose(auth, IDC_AUTH_FORMAT1, "ASCII");
             auth.SetDlgItemText(IDC_AUTH_ASCII1, "abc");
             e.SetActivePage(0);
         },
         {"WEP key requires 5 or 13 characters.(Note: 1 character is 2 hex)", MB_OK}, 1},
        {"a key not chosen of 8 digits",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             CAuthSecuPage& auth = security(e, "Shared");
             auth.SetDlgItemText(IDC_AUTH_HEX1, "0123456789");
             auth.SetDlgItemText(IDC_AUTH_HEX3, "01234567");
             e.SetActivePage(0);
         },
         {"WEP key requires 10 or 26 Hex characters.", MB_OK}, 1},
        // Every key goes to the driver in ad hoc too: the refused one is made reachable.
        {"ad hoc, a bad third key in a disabled edit",
         [&](CProfileSheet& e) {
             NameAndSsid(e);
             CAuthSecuPage& auth = security(e, "Open", "WEP");
             auth.SetDlgItemText(IDC_AUTH_HEX1, "0123456789");
             auth.SetDlgItemText(IDC_AUTH_HEX3, "01234567");
             e.SetActivePage(0);
             Choose(Sys(e), IDC_SYS_NETWORK_TYPE, "Ad hoc");
         },
         {"WEP key requires 10 or 26 Hex characters.", MB_OK}, 1,
         [](CProfileSheet& e) {
             CAuthSecuPage& auth = e.AuthSecuPage();
             EXPECT_FALSE(Enabled(auth, IDC_AUTH_KEY3)) << "ad hoc sends with the first key";
             EXPECT_FALSE(Enabled(auth, IDC_AUTH_HEX2));
             EXPECT_TRUE(Enabled(auth, IDC_AUTH_HEX3));
             EXPECT_TRUE(Enabled(auth, IDC_AUTH_FORMAT3));
             EXPECT_EQ(GetFocus(), auth.GetDlgItem(IDC_AUTH_HEX3));
             EXPECT_EQ(auth.GetDlgItemText(IDC_AUTH_HEX3), "01234567");
         }},
        {"the name of a stored profile, other letters",
         [](CProfileSheet& e) {
             NameAndSsid(e, "HOME");
             Auth(e);
         },
         {"Duplicate profile name", kStop}, 0},
    };
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            boxes.clear();
            const int added = AddFromProfilePage(page, [&](CProfileSheet& e) {
                c.input(e);
                PressOk(e);
                EXPECT_FALSE(Closed(e)) << "the sheet stays open";
                EXPECT_EQ(e.GetActiveIndex(), c.page);
                if (c.after) c.after(e);
            });
            EXPECT_EQ(added, 0);
            EXPECT_EQ(boxes, std::vector<Box>{c.box});
        }
        EXPECT_EQ(page->Rows().size(), 1u);
        EXPECT_TRUE(Read("Dock").empty()) << "nothing was written";

        // The same input made whole saves without a word.
        boxes.clear();
        const int added = AddFromProfilePage(page, [&](CProfileSheet& e) {
            NameAndSsid(e, "  Dock  ");
            Auth(e);
            Choose(Auth(e), IDC_AUTH_TYPE, "WPA2-PSK");
            Auth(e).SetDlgItemText(IDC_AUTH_PSK, std::string(62, '#') + "G");
            PressOk(e);
            EXPECT_TRUE(Closed(e));
        });
        EXPECT_EQ(added, 1);
        EXPECT_TRUE(boxes.empty());
        const Section dock = Read("Dock");
        EXPECT_EQ(dock.at("SSID"), "Dock Net");
        EXPECT_EQ(dock.at("AuthMode"), "7");
        EXPECT_EQ(dock.at("CipherMode"), "4");
        ASSERT_EQ(page->Rows().size(), 2u);
        EXPECT_EQ(page->Rows()[1], (ProfileRowTexts{"Dock", "Dock Net", "Auto", "WPA2-PSK ", "TKIP", "Infrastructure"}));
    });
}

TEST_F(ProfileEditorTest, EveryAuthenticationAndEncryptionSavedIsReadBackAsSaved) {
    Load(FastScenario());
    struct Case {
        const char* network;
        const char* type;
        const char* encryption;
        const char* authMode;
        const char* cipherMode;
    };
    const Case cases[] = {
        // Every type and every encryption through the pages once; the model's own test takes
        // every pair.
        {"Infrastructure", "Open", "None", "0", "1"},      {"Infrastructure", "Open", "WEP", "0", "0"},
        {"Infrastructure", "Shared", "WEP", "1", "0"},     {"Infrastructure", "WPA", "TKIP", "3", "4"},
        {"Infrastructure", "WPA-PSK", "AES", "4", "6"},    {"Infrastructure", "WPA2", "AES", "6", "6"},
        {"Infrastructure", "WPA2-PSK", "TKIP", "7", "4"},  {"Ad hoc", "Open", "WEP", "0", "0"},
        {"Ad hoc", "WPA2-PSK", "AES", "7", "6"},
    };
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        int n = 0;
        for (const Case& c : cases) {
            const std::string name = "Case" + std::to_string(++n);
            SCOPED_TRACE(testing::Message() << name << ": " << c.network << " " << c.type << " " << c.encryption);
            AddFromProfilePage(page, [&](CProfileSheet& e) {
                NameAndSsid(e, name.c_str(), ("Net " + name).c_str());
                Choose(Sys(e), IDC_SYS_NETWORK_TYPE, c.network);
                CAuthSecuPage& auth = Auth(e);
                Choose(auth, IDC_AUTH_TYPE, c.type);
                Choose(auth, IDC_AUTH_ENCRYPTION, c.encryption);
                auth.SetDlgItemText(IDC_AUTH_PSK, "harbor lights");
                auth.SetDlgItemText(IDC_AUTH_HEX1, "0123456789");
                if (Enabled(auth, IDC_AUTH_FORMAT2)) {
                    Choose(auth, IDC_AUTH_FORMAT2, "ASCII");
                    auth.SetDlgItemText(IDC_AUTH_ASCII2, "Dunes");
                }
                PressOk(e);
                EXPECT_TRUE(Closed(e));
            });
            EXPECT_TRUE(boxes.empty()) << boxes.front().text;
            boxes.clear();
            Section saved = Read(name);
            EXPECT_EQ(saved.size(), 49u);
            EXPECT_EQ(saved["AuthMode"], c.authMode);
            EXPECT_EQ(saved["CipherMode"], c.cipherMode);
            // Activated meanwhile: the time stays through an edit.
            WritePrivateProfileStringA(name.c_str(), "ActiveTime", "2024, 5, 1, 8, 0, 0", File("_prof").c_str());
            saved["ActiveTime"] = "2024, 5, 1, 8, 0, 0";

            EditRow(page, name, [&](CProfileSheet& e) {
                Auth(e);
                PressOk(e);
                EXPECT_TRUE(Closed(e));
            });
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(Read(name), saved);
        }
    });
}

TEST_F(ProfileEditorTest, SiteSurveyNetworksOpenTheEditorWithTheirValuesAndOneConnects) {
    Load(FastScenario());
    struct Case {
        const char* ssid;
        const char* type;
        const char* encryption;
        bool doubleClick;
    };
    const Case cases[] = {
        {"Harbor Open", "Open", "None", false},     {"Quay WEP", "Open", "WEP", true},
        {"", "WPA-PSK", "TKIP", false},             {"Lantern 5G", "WPA2-PSK", "AES", true},
        {"Lantern Home", "WPA2-PSK", "AES", false},
    };
    Run([&] {
        ASSERT_NE(dialog.m_pSheet, nullptr);
        CSiteSurvPage* survey = dialog.m_pSheet->SiteSurveyPage();
        // The sheet opens on the Site Survey, with the Profile page made all the same: Add
        // Profile hands the network to it.
        EXPECT_EQ(dialog.m_pSheet->GetActivePage(), survey);
        EXPECT_TRUE(dialog.m_pSheet->ProfilePage()->IsWindow());
        ASSERT_TRUE(PumpUntil([&] { return g_ScanPending == 0 && survey->Rows().size() == 5; }));
        survey->SendMessage(WM_TIMER, kStatusTimer, 0);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.ssid);
            g_ClientCertDesc.ThumbprintLength = 20;
            g_ServerCertDesc.ThumbprintLength = 20;
            int row = -1;
            for (size_t i = 0; i < survey->Rows().size(); ++i)
                if (survey->Rows()[i][site_survey::kSsid] == c.ssid) row = static_cast<int>(i);
            ASSERT_GE(row, 0);
            dialog.m_pSheet->SetActivePage(survey);
            SelectRow(survey->GetDlgItem(IDC_SITE_LIST), row);
            const bool last = std::string(c.ssid) == "Lantern Home";
            WithEditor(
                [&] {
                    if (!c.doubleClick) return survey->SendMessage(WM_COMMAND, IDC_SITE_ADD_PROFILE, 0);
                    NMHDR click{survey->GetDlgItem(IDC_SITE_LIST), IDC_SITE_LIST, NM_DBLCLK};
                    return survey->SendMessage(WM_NOTIFY, IDC_SITE_LIST, reinterpret_cast<LPARAM>(&click));
                },
                [&](CProfileSheet& e) {
                    EXPECT_EQ(e.GetWindowText(), "Add Profile");
                    EXPECT_EQ(g_ClientCertDesc.ThumbprintLength, 0u);
                    EXPECT_EQ(g_ServerCertDesc.ThumbprintLength, 0u);
                    EXPECT_EQ(Sys(e).GetDlgItemText(IDC_SYS_NAME), "PROF1");
                    EXPECT_EQ(Sys(e).GetDlgItemText(IDC_SYS_SSID), c.ssid);
                    EXPECT_EQ(Selected(Sys(e), IDC_SYS_NETWORK_TYPE), "Infrastructure");
                    // The scan's networks are offered, each once; the hidden one has no name.
                    const std::vector<std::string> offered = Items(Sys(e), IDC_SYS_SSID);
                    EXPECT_EQ(offered.size(), 4u);
                    CAuthSecuPage& auth = Auth(e);
                    EXPECT_EQ(Selected(auth, IDC_AUTH_TYPE), c.type);
                    EXPECT_EQ(Selected(auth, IDC_AUTH_ENCRYPTION), c.encryption);
                    if (!last) return;
                    auth.SetDlgItemText(IDC_AUTH_PSK, "harbor lights");
                    PressOk(e);
                    EXPECT_TRUE(Closed(e));
                });
        }
        EXPECT_TRUE(boxes.empty());
        CProfilePage* page = dialog.m_pSheet->ProfilePage();
        EXPECT_EQ(dialog.m_pSheet->GetActivePage(), page) << "the saved profile is shown";
        ASSERT_EQ(page->Rows().size(), 1u);
        EXPECT_EQ(page->Rows()[0], (ProfileRowTexts{"PROF1", "Lantern Home", "Auto", "WPA2-PSK ", "AES", "Infrastructure"}));

        world.SetLink(0, false);
        SelectRow(page->GetDlgItem(IDC_PROFILE_LIST), 0);
        page->SendMessage(WM_COMMAND, IDC_PROFILE_ACTIVATE, 0);
        ASSERT_TRUE(PumpUntil([&] { return world.Adapter(0).connected && world.Adapter(0).linkSsid == "Lantern Home"; }));
        ASSERT_EQ(world.WlanConnects().size(), 1u);
        EXPECT_EQ(world.WlanConnects()[0].profile, L"Lantern Home");
    });
}

TEST_F(ProfileEditorTest, RenameInEditAsksBeforeItSavesAnotherProfile) {
    Load(FastScenario());
    Write("_prof", kHomeSection);
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        const Section home = Read("Home");
        answer = IDCANCEL;
        EditRow(page, "Home", [&](CProfileSheet& e) {
            EXPECT_EQ(e.GetWindowText(), "Edit Profile");
            EXPECT_EQ(Sys(e).GetDlgItemText(IDC_SYS_SSID), "Lantern Home");
            Sys(e).SetDlgItemText(IDC_SYS_NAME, "Home Two");
            Auth(e);
            PressOk(e);
            EXPECT_FALSE(Closed(e));
            EXPECT_EQ(e.GetActiveIndex(), 0) << "Cancel goes back to the name";
            EXPECT_TRUE(Read("Home Two").empty());

            answer = IDOK;
            PressOk(e);
            EXPECT_TRUE(Closed(e));
        });
        EXPECT_EQ(boxes, (std::vector<Box>{{"Create another profile?", MB_OKCANCEL}, {"Create another profile?", MB_OKCANCEL}}));
        std::vector<std::string> names;
        for (const auto& r : page->Rows()) names.push_back(r[0]);
        EXPECT_EQ(names, (std::vector<std::string>{"Home", "Home Two"}));
        EXPECT_EQ(Read("Home"), home) << "the first profile stays as it was";
        Section copy = Read("Home Two");
        EXPECT_EQ(copy["SSID"], "Lantern Home");
        EXPECT_EQ(copy["WPAPSK"], "harbor lights");

        // The same name in other letters is the same profile: nothing asked, the row rewritten.
        boxes.clear();
        EditRow(page, "Home", [&](CProfileSheet& e) {
            Sys(e).SetDlgItemText(IDC_SYS_NAME, "HOME");
            Sys(e).SetDlgItemText(IDC_SYS_SSID, "Harbor Open");
            PressOk(e);
            EXPECT_TRUE(Closed(e));
        });
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(page->Rows().size(), 2u);
        EXPECT_EQ(page->Rows()[0][1], "Harbor Open");
        EXPECT_EQ(Read("Home")["SSID"], "Harbor Open");
    });
}

// A name the edit could not take typed (it takes 32 characters), stored all the same: left
// unchanged it is the same profile.
TEST_F(ProfileEditorTest, AStoredNameLongerThanTheNameEditIsKeptWholeWhenLeftAlone) {
    Load(FastScenario());
    const std::string name = "Harbor Lights Pier Seven East Wing 2";  // 36 characters
    ASSERT_GT(name.size(), 32u);
    Write("_prof", std::string(kHomeSection) + "[" + name + "]\r\nSSID=Pier Net\r\nNetworkType=1\r\nAuthMode=0\r\n"
                   "CipherMode=1\r\n");
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        EditRow(page, name, [&](CProfileSheet& e) {
            EXPECT_EQ(Sys(e).GetDlgItemText(IDC_SYS_NAME), name) << "shown whole";
            Sys(e).SetDlgItemText(IDC_SYS_SSID, "Pier Net 2");
            PressOk(e);
            EXPECT_TRUE(Closed(e));
        });
        EXPECT_TRUE(boxes.empty()) << "no rename question";
        EXPECT_EQ(page->Rows().size(), 2u);
        EXPECT_EQ(page->Rows()[FindRow(page, name)][1], "Pier Net 2");
        EXPECT_EQ(Read(name)["SSID"], "Pier Net 2");
        EXPECT_TRUE(Read(name.substr(0, 32)).empty()) << "no second profile under the cut name";
    });
}

TEST_F(ProfileEditorTest, AdapterLossEndsTheEditorAndTheSheetGoesAfterItsLoop) {
    Load(FastScenario());
    Write("_prof", kHomeSection);
    CProfileSheet* left = nullptr;
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        CQelPropSheet* sheet = dialog.m_pSheet;
        HWND sheetWindow = sheet->m_hWnd;
        HWND editorWindow = nullptr;
        const LRESULT handled = WithEditor([&] { return page->SendMessage(WM_COMMAND, IDC_PROFILE_ADD, 0); },
                                           [&](CProfileSheet& e) {
                                               editorWindow = e.m_hWnd;
                                               left = &e;
                                               NameAndSsid(e);
                                               world.Unplug(0);
                                               Poll();
                                               EXPECT_EQ(dialog.m_pSheet, nullptr);
                                               EXPECT_TRUE(Closed(e)) << "ended with code 2";
                                               // The page's handler still runs the editor: its sheet waits.
                                               EXPECT_TRUE(fw::detail::IsAlive(sheet));
                                               EXPECT_TRUE(IsWindow(sheetWindow));
                                               EXPECT_FALSE(IsWindowVisible(sheetWindow));
                                           });
        EXPECT_EQ(handled, 0);
        EXPECT_FALSE(fw::detail::IsAlive(sheet)) << "gone once the editor's loop returned";
        EXPECT_FALSE(IsWindow(sheetWindow));
        EXPECT_FALSE(IsWindow(editorWindow));
        EXPECT_TRUE(Read("Dock").empty()) << "an ended editor saves nothing";
        EXPECT_EQ(g_SheetClosing, 1);
        EXPECT_EQ(g_pProfileSheet, left) << "left for the next Add or Edit";
        EXPECT_EQ(dialog.CurrentTrayIcon(), static_cast<UINT>(IDI_TRAY_NO_ADAPTER));
    });
    EXPECT_EQ(g_pProfileSheet, nullptr) << "freed when the program ends";
    EXPECT_FALSE(fw::detail::IsAlive(left));
}

namespace {

// The default scenario with further networks.
std::string ScenarioWith(const std::string& networks) { return FastScenario() + "\n" + networks; }

}  // namespace

TEST_F(ProfileEditorTest, SystemConfigurationKeepsAndSavesTheRowsItDoesNotShow) {
    Load(ScenarioWith("[network]\nssid = \"Home2\"\nbssid = 02:11:22:33:45:01\nchannel = 4\n"
                        "[network]\nssid = \"Home\"\nbssid = 02:11:22:33:45:02\nchannel = 9\n"));
    Write("_prof",
          "[Dock]\r\nSSID=Dock Net\r\nChannel=44\r\nNetworkType=1\r\nPreambleType=0\r\nPSMode=2\r\nUseRts=1\r\n"
          "RtsThresh=3000\r\nUseFrag=1\r\nFragThresh=100\r\nTXPower=3\r\nAuthMode=0\r\nCipherMode=1\r\n"
          "[Raft]\r\nSSID=Raft Net\r\nChannel=44\r\nNetworkType=0\r\nPreambleType=0\r\nAuthMode=0\r\nCipherMode=1\r\n"
          "[Drift]\r\nSSID=Drift Net\r\nChannel=7\r\nNetworkType=0\r\nAuthMode=0\r\nCipherMode=1\r\n"
          "[Roam]\r\nSSID=Roam Net\r\nNetworkType=2\r\nTXPower=9\r\nAuthMode=0\r\nCipherMode=1\r\n");
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        // Ad hoc channels come by the driver's phy mode (3: the 5 GHz list) and the region
        // word (5 GHz region 10 holds 34, 38, 42 and 46).
        uint8_t block[32] = {};
        block[16] = 3;
        DWORD returned = 0;
        SetOid(0x0DF10111, block, sizeof(block), &returned, 1);
        const Restore<uint32_t> region(g_RegionWord);
        g_RegionWord = 0x0A05;
        ASSERT_TRUE(PumpUntil([&] { return g_ScanPending == 0; }));
        dialog.m_pSheet->SiteSurveyPage()->SendMessage(WM_TIMER, kStatusTimer, 0);
        dialog.m_pSheet->SetActivePage(page);

        EditRow(page, "Dock", [&](CProfileSheet& e) {
            CSysConfigPage& sys = Sys(e);
            for (int id : {IDC_SYS_POWER_GROUP, IDC_SYS_CAM, IDC_SYS_CAM_ON_AC, IDC_SYS_PREAMBLE, IDC_SYS_CHANNEL,
                           IDC_SYS_USE_RTS, IDC_SYS_RTS_SLIDER, IDC_SYS_RTS_EDIT, IDC_SYS_USE_FRAG, IDC_SYS_FRAG_EDIT})
                EXPECT_FALSE(Visible(sys, id)) << id;
            for (int id : {IDC_SYS_NAME, IDC_SYS_SSID, IDC_SYS_NETWORK_TYPE, IDC_SYS_TX_POWER})
                EXPECT_TRUE(Visible(sys, id)) << id;
            EXPECT_EQ(sys.GetDlgItemText(IDC_SYS_NAME_LABEL), "Profile Name");
            EXPECT_EQ(sys.GetDlgItemText(IDC_SYS_TX_POWER_LABEL), "TX Power");
            EXPECT_EQ(Items(sys, IDC_SYS_TX_POWER),
                      (std::vector<std::string>{"Auto", "100 %", "75 %", "50 %", "25 %", "10 %", "Lowest"}));
            EXPECT_EQ(Selected(sys, IDC_SYS_TX_POWER), "50 %");
            // Its own SSID first, then the scan's, "Home" beside "Home2".
            const std::vector<std::string> ssids = Items(sys, IDC_SYS_SSID);
            ASSERT_FALSE(ssids.empty());
            EXPECT_EQ(ssids[0], "Dock Net");
            EXPECT_NE(std::find(ssids.begin(), ssids.end(), "Home"), ssids.end());
            EXPECT_NE(std::find(ssids.begin(), ssids.end(), "Home2"), ssids.end());
            EXPECT_EQ(sys.GetDlgItemText(IDC_SYS_RTS_EDIT), "2347") << "3000 is read as the largest value";
            EXPECT_EQ(sys.GetDlgItemText(IDC_SYS_FRAG_EDIT), "256") << "100 is read as the smallest";
            EXPECT_FALSE(Enabled(sys, IDC_SYS_PREAMBLE)) << "no preamble choice in infrastructure";
            // The fragment row switched off stores its largest value, whatever the slider showed.
            CheckDlgButton(sys.m_hWnd, IDC_SYS_USE_FRAG, BST_UNCHECKED);
            sys.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SYS_USE_FRAG, BN_CLICKED), 0);
            EXPECT_EQ(sys.GetDlgItemText(IDC_SYS_FRAG_EDIT), "2346");
            EXPECT_FALSE(Enabled(sys, IDC_SYS_FRAG_SLIDER));
            PressOk(e);
            EXPECT_TRUE(Closed(e));
        });
        Section dock = Read("Dock");
        EXPECT_EQ(dock["PreambleType"], "2") << "infrastructure stores the first entry";
        EXPECT_EQ(dock["PSMode"], "1");
        EXPECT_EQ(dock["UseRts"], "1");
        EXPECT_EQ(dock["RtsThresh"], "2347");
        EXPECT_EQ(dock["UseFrag"], "0");
        EXPECT_EQ(dock["FragThresh"], "2346");
        EXPECT_EQ(dock["TXPower"], "3");
        EXPECT_EQ(dock["Channel"], "1") << "infrastructure saves the first channel of its list";

        // Ad hoc: 5 GHz channels of region 10 by the phy mode, without 34, 38, 42 and 46.
        EditRow(page, "Raft", [&](CProfileSheet& e) {
            CSysConfigPage& sys = Sys(e);
            EXPECT_EQ(Items(sys, IDC_SYS_CHANNEL),
                      (std::vector<std::string>{"36", "40", "44", "48", "52", "56", "60", "64"}));
            EXPECT_EQ(Selected(sys, IDC_SYS_CHANNEL), "44");
            EXPECT_TRUE(Enabled(sys, IDC_SYS_PREAMBLE));
            EXPECT_EQ(Selected(sys, IDC_SYS_PREAMBLE), "Long Preamble");
            PressOk(e);
        });
        EXPECT_EQ(Read("Raft")["Channel"], "44");
        EXPECT_EQ(Read("Raft")["PreambleType"], "0");
        // A stored channel the list does not hold: the first one.
        EditRow(page, "Drift", [&](CProfileSheet& e) {
            EXPECT_EQ(Selected(Sys(e), IDC_SYS_CHANNEL), "36");
            PressOk(e);
        });
        EXPECT_EQ(Read("Drift")["Channel"], "36");
        // Values the lists cannot show (an automatic network, a power beyond the list) stay.
        EditRow(page, "Roam", [&](CProfileSheet& e) {
            EXPECT_EQ(Selected(Sys(e), IDC_SYS_NETWORK_TYPE), "");
            PressOk(e);
        });
        EXPECT_EQ(Read("Roam")["NetworkType"], "2");
        EXPECT_EQ(Read("Roam")["TXPower"], "9");
        EXPECT_TRUE(boxes.empty());
    });
}

TEST_F(ProfileEditorTest, SecurityPageListsFollowTheNetworkTypeAndTheSystem) {
    Load(FastScenario());
    Write("_prof",
          "[Office]\r\nSSID=Office\r\nNetworkType=1\r\nAuthMode=6\r\nCipherMode=6\r\nUse8021X=1\r\n"
          "[Crew]\r\nSSID=Crew Net\r\nNetworkType=1\r\nAuthMode=0\r\nLeapEnabled=1\r\nCipherMode=4\r\n"
          "LeapUserName=crew\r\nLeapPassword=deck\r\n");
    using Texts = std::vector<std::string>;
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        AddFromProfilePage(page, [&](CProfileSheet& e) {
            CAuthSecuPage& auth = Auth(e);
            EXPECT_EQ(Items(auth, IDC_AUTH_TYPE), (Texts{"Open", "Shared", "WPA", "WPA-PSK", "WPA2", "WPA2-PSK"}));
            EXPECT_EQ(auth.GetDlgItemText(IDC_AUTH_TYPE_LABEL), "Authentication Type :");
            EXPECT_EQ(auth.GetDlgItemText(IDC_AUTH_KEY3), "Key#3");
            for (int id : {IDC_AUTH_LEAP_IDENTITY, IDC_AUTH_LEAP_PASSWORD, IDC_AUTH_LEAP_WEP, IDC_AUTH_8021X_TOGGLE,
                           IDC_AUTH_8021X_SETTINGS})
                EXPECT_FALSE(Visible(auth, id)) << id;
            // Coming back to the page lists each item once.
            for (int i = 0; i < 3; ++i) {
                e.SetActivePage(0);
                e.SetActivePage(1);
            }
            EXPECT_EQ(Items(auth, IDC_AUTH_ENCRYPTION), (Texts{"None", "WEP"}));
            EXPECT_EQ(Items(auth, IDC_AUTH_TYPE).size(), 6u);

            // A key's format switches its edit; the other edit keeps its text.
            Choose(auth, IDC_AUTH_ENCRYPTION, "WEP");
            auth.SetDlgItemText(IDC_AUTH_HEX2, "0123456789");
            Choose(auth, IDC_AUTH_FORMAT2, "ASCII");
            EXPECT_TRUE(Visible(auth, IDC_AUTH_ASCII2));
            EXPECT_FALSE(Visible(auth, IDC_AUTH_HEX2));
            Choose(auth, IDC_AUTH_FORMAT2, "Hex");
            EXPECT_TRUE(Visible(auth, IDC_AUTH_HEX2));
            EXPECT_EQ(auth.GetDlgItemText(IDC_AUTH_HEX2), "0123456789");
            EXPECT_TRUE(Enabled(auth, IDC_AUTH_KEY4));
            EXPECT_FALSE(Enabled(auth, IDC_AUTH_PSK));

            // Show the keys: every edit, the disabled pre-shared key too.
            CheckDlgButton(auth.m_hWnd, IDC_AUTH_SHOW_PASSWORD, BST_CHECKED);
            auth.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUTH_SHOW_PASSWORD, BN_CLICKED), 0);
            for (int id : {IDC_AUTH_HEX1, IDC_AUTH_ASCII4, IDC_AUTH_PSK})
                EXPECT_EQ(SendMessageA(auth.GetDlgItem(id), EM_GETPASSWORDCHAR, 0, 0), 0) << id;
            EXPECT_FALSE(Enabled(auth, IDC_AUTH_PSK)) << "disabled again";
            CheckDlgButton(auth.m_hWnd, IDC_AUTH_SHOW_PASSWORD, BST_UNCHECKED);
            auth.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUTH_SHOW_PASSWORD, BN_CLICKED), 0);
            EXPECT_EQ(SendMessageA(auth.GetDlgItem(IDC_AUTH_PSK), EM_GETPASSWORDCHAR, 0, 0), '*');

            // Ad hoc: Open and WPA2-PSK only, AES only, and one WEP key.
            e.SetActivePage(0);
            Choose(Sys(e), IDC_SYS_NETWORK_TYPE, "Ad hoc");
            e.SetActivePage(1);
            EXPECT_EQ(Items(auth, IDC_AUTH_TYPE), (Texts{"Open", "WPA2-PSK"}));
            Choose(auth, IDC_AUTH_TYPE, "WPA2-PSK");
            EXPECT_EQ(Items(auth, IDC_AUTH_ENCRYPTION), Texts{"AES"});
            EXPECT_TRUE(Enabled(auth, IDC_AUTH_PSK));
            Choose(auth, IDC_AUTH_TYPE, "Open");
            auth.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUTH_KEY3, BN_CLICKED), 0);
            Choose(auth, IDC_AUTH_ENCRYPTION, "WEP");
            EXPECT_TRUE(Enabled(auth, IDC_AUTH_KEY1));
            for (int id : {IDC_AUTH_KEY2, IDC_AUTH_KEY4, IDC_AUTH_FORMAT3, IDC_AUTH_HEX4})
                EXPECT_FALSE(Enabled(auth, id)) << id;
            EXPECT_EQ(IsDlgButtonChecked(auth.m_hWnd, IDC_AUTH_KEY1), static_cast<UINT>(BST_CHECKED));
        });

        // A stored LEAP profile shows as LEAP, with its identity rows in place of the keys, and
        // is saved as LEAP again.
        EditRow(page, "Crew", [&](CProfileSheet& e) {
            CAuthSecuPage& auth = Auth(e);
            EXPECT_EQ(Items(auth, IDC_AUTH_TYPE),
                      (Texts{"Open", "Shared", "LEAP", "WPA", "WPA-PSK", "WPA2", "WPA2-PSK"}));
            EXPECT_EQ(Selected(auth, IDC_AUTH_TYPE), "LEAP");
            for (int id : {IDC_AUTH_LEAP_IDENTITY, IDC_AUTH_LEAP_PASSWORD, IDC_AUTH_LEAP_IDENTITY_LABEL})
                EXPECT_TRUE(Visible(auth, id)) << id;
            for (int id : {IDC_AUTH_ENCRYPTION, IDC_AUTH_PSK, IDC_AUTH_HEX1, IDC_AUTH_KEY1, IDC_AUTH_USE_8021X})
                EXPECT_FALSE(Visible(auth, id)) << id;
            EXPECT_EQ(auth.GetDlgItemText(IDC_AUTH_LEAP_IDENTITY), "crew");
            PressOk(e);
        });
        EXPECT_EQ(Read("Crew")["LeapEnabled"], "1");
        EXPECT_EQ(Read("Crew")["AuthMode"], "0");

        // A system without WPA2: not offered, and a stored WPA2 shows as WPA.
        const Restore<int> os(g_OsCode);
        g_OsCode = 9;
        EditRow(page, "Office", [&](CProfileSheet& e) {
            CAuthSecuPage& auth = Auth(e);
            EXPECT_EQ(Items(auth, IDC_AUTH_TYPE), (Texts{"Open", "Shared", "WPA", "WPA-PSK"}));
            EXPECT_EQ(Selected(auth, IDC_AUTH_TYPE), "WPA");
            EXPECT_EQ(Selected(auth, IDC_AUTH_ENCRYPTION), "AES");
        });
    });
}

TEST_F(ProfileEditorTest, TwinDialogChecksItsKeysAndHandsThemBackPacked) {
    Load(FastScenario());
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        const DWORD ccx = 3;
        testutil::SetValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), "CCX2Control", REG_DWORD, &ccx, sizeof(ccx));
        CAuthSecuDlg twin;
        const INT_PTR result = testutil::WithModal("Authentication and Security", [&] { return twin.DoModal(); }, [&](HWND) {
            EXPECT_EQ(twin.m_Values.leapCapability, 1);
            EXPECT_EQ(twin.m_Values.leapOptionBit, 1);
            EXPECT_EQ(twin.GetDlgItemText(IDOK), "OK");
            EXPECT_EQ(twin.GetDlgItemText(IDCANCEL), "Cancel");
            EXPECT_EQ(Items(twin, IDC_AUTH_TYPE),
                      (std::vector<std::string>{"Open", "Shared", "WPA", "WPA-PSK", "WPA2", "WPA2-PSK"}));
            Choose(twin, IDC_AUTH_TYPE, "WPA-PSK");
            twin.SetDlgItemText(IDC_AUTH_PSK, "short");
            twin.SendMessage(WM_COMMAND, IDOK, 0);
            Choose(twin, IDC_AUTH_TYPE, "Shared");
            twin.SetDlgItemText(IDC_AUTH_HEX1, "01234567zz");
            twin.SendMessage(WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(twin.IsWindow()) << "a refused key keeps the dialog open";
            twin.SetDlgItemText(IDC_AUTH_HEX1, "0011223344");
            Choose(twin, IDC_AUTH_FORMAT2, "ASCII");
            twin.SetDlgItemText(IDC_AUTH_ASCII2, "abcde");
            twin.SendMessage(WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(boxes, (std::vector<Box>{
                             {"Invalid WPA Pre-Shared key. WPA-PSK used field should use 8-63 ASCII characters or 64 Hex characters.", MB_OK},
                             {"WEP key requires 10 or 26 Hex characters.", MB_OK}}));
        EXPECT_EQ(std::vector<uint32_t>(twin.m_Keys.lengths, twin.m_Keys.lengths + 4), (std::vector<uint32_t>{5, 5, 0, 0}));
        const uint8_t first[5] = {0x00, 0x11, 0x22, 0x33, 0x44};
        EXPECT_EQ(0, memcmp(twin.m_Keys.bytes[0], first, 5));
        EXPECT_EQ(0, memcmp(twin.m_Keys.bytes[1], "abcde", 5));

        // In ad hoc it offers WPA-None where the page offers WPA2-PSK.
        CAuthSecuDlg adhoc;
        adhoc.m_Values.infrastructure = 0;
        testutil::WithModal("Authentication and Security", [&] { return adhoc.DoModal(); }, [&](HWND d) {
            EXPECT_EQ(Items(adhoc, IDC_AUTH_TYPE), (std::vector<std::string>{"Open", "Shared", "WPA-None"}));
            Choose(adhoc, IDC_AUTH_TYPE, "WPA-None");
            EXPECT_EQ(Items(adhoc, IDC_AUTH_ENCRYPTION), std::vector<std::string>{"AES"});
            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
    });
}

TEST_F(ProfileEditorTest, ExitFromTheTrayWhileTheEditorIsOpenEndsItAndLeavesNothing) {
    Load(FastScenario());
    CQelPropSheet* sheet = nullptr;
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        sheet = dialog.m_pSheet;
        WithEditor([&] { return page->SendMessage(WM_COMMAND, IDC_PROFILE_ADD, 0); }, [&](CProfileSheet& e) {
            NameAndSsid(e);
            dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
            EXPECT_TRUE(Closed(e));
        });
    });
    EXPECT_FALSE(fw::detail::IsAlive(sheet));
    EXPECT_EQ(g_pProfileSheet, nullptr);
    EXPECT_TRUE(Read("Dock").empty());
}

namespace {

// A profile section as the editor writes it: every key, the values of a new profile but for
// the changes, and an activation time.
Section StoredSection(const Section& changes) {
    Section keys = {
        {"SSID", "Stored Net"}, {"Channel", "1"}, {"NetworkType", "1"}, {"PreambleType", "2"}, {"ACPowerCam", "0"},
        {"PSMode", "0"}, {"TXPower", "0"}, {"UseRts", "0"}, {"RtsThresh", "2347"}, {"UseFrag", "0"},
        {"FragThresh", "2346"}, {"AuthMode", "0"}, {"CipherMode", "1"}, {"LeapEnabled", "0"}, {"LeapUserName", ""},
        {"LeapPassword", ""}, {"LeapEncryType", "0"}, {"WPAPSK", ""}, {"WEPKeyUse", "1"}, {"WEPKey1Type", "0"},
        {"WEPKey2Type", "0"}, {"WEPKey3Type", "0"}, {"WEPKey4Type", "0"}, {"WEPKey1", ""}, {"WEPKey2", ""},
        {"WEPKey3", ""}, {"WEPKey4", ""}, {"Use8021X", "0"}, {"AuthenProtocol", "0"}, {"TunnelProtocol", "26"},
        {"ProvisioningTunnel", "6"}, {"ID", ""}, {"Password", ""}, {"TunnelID", ""}, {"TunnelPassword", ""},
        {"SessionResumption", "0"}, {"PasswordMode", "1"}, {"UseClientCert", "0"}, {"UseServerCert", "0"},
        {"UsePAC", "0"}, {"ProvisionMode", "1"}, {"PACFilePath", ""}, {"ClientCertLen", "0"}, {"ClientCertData", ""},
        {"ServerCertLen", "0"}, {"ServerCertData", ""}, {"ServerName", ""}, {"NameRule", "0"},
        {"IntermediateCert", "0"}, {"ActiveTime", "2024, 5, 1, 8, 0, 0"}};
    for (const auto& [key, value] : changes) keys[key] = value;
    return keys;
}

std::string SectionText(const std::string& name, const Section& keys) {
    std::string text = "[" + name + "]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    return text;
}

}  // namespace

// Every authentication and encryption a profile is stored with, opened with Edit, looked at
// on the security page and saved with OK unchanged: the same section, key by key.
TEST_F(ProfileEditorTest, EveryStoredAuthenticationAndEncryptionIsSavedAgainAsItWasByOkUnchanged) {
    Load(FastScenario());
    const Section adhoc = {{"NetworkType", "0"}};
    const Section wep = {{"WEPKey1", "0123456789"}, {"WEPKey2Type", "1"}, {"WEPKey2", "44756e6573"}};
    const Section psk = {{"WPAPSK", "harbor lights"}};
    const Section dot1x = {{"Use8021X", "1"}, {"ID", "sailor"}};
    const Section leap = {{"LeapEnabled", "1"}, {"LeapUserName", "crew"}, {"LeapPassword", "deck"}};
    auto with = [](Section keys, const Section& more, const Section& more2 = {}) {
        for (const auto& [k, v] : more) keys[k] = v;
        for (const auto& [k, v] : more2) keys[k] = v;
        return keys;
    };
    struct Case {
        const char* what;
        Section keys;
        const char* type;        // shown on the security page
        const char* encryption;  // "" for LEAP, whose row is hidden
    };
    const Case cases[] = {
        {"open", {{"AuthMode", "0"}, {"CipherMode", "1"}}, "Open", "None"},
        {"open WEP", with({{"AuthMode", "0"}, {"CipherMode", "0"}, {"WEPKeyUse", "2"}}, wep), "Open", "WEP"},
        {"open WEP, 802.1X", with({{"AuthMode", "0"}, {"CipherMode", "0"}}, dot1x), "Open", "WEP"},
        {"shared, none", with({{"AuthMode", "1"}, {"CipherMode", "1"}}, wep), "Shared", "None"},
        {"shared WEP", with({{"AuthMode", "1"}, {"CipherMode", "0"}}, wep), "Shared", "WEP"},
        {"WPA TKIP", with({{"AuthMode", "3"}, {"CipherMode", "4"}}, dot1x), "WPA", "TKIP"},
        {"WPA AES", with({{"AuthMode", "3"}, {"CipherMode", "6"}}, dot1x), "WPA", "AES"},
        {"WPA-PSK TKIP", with({{"AuthMode", "4"}, {"CipherMode", "4"}}, psk), "WPA-PSK", "TKIP"},
        {"WPA-PSK AES", with({{"AuthMode", "4"}, {"CipherMode", "6"}}, psk), "WPA-PSK", "AES"},
        {"WPA2 TKIP", with({{"AuthMode", "6"}, {"CipherMode", "4"}}, dot1x), "WPA2", "TKIP"},
        {"WPA2 AES", with({{"AuthMode", "6"}, {"CipherMode", "6"}}, dot1x), "WPA2", "AES"},
        {"WPA2-PSK TKIP", with({{"AuthMode", "7"}, {"CipherMode", "4"}}, psk), "WPA2-PSK", "TKIP"},
        {"WPA2-PSK AES", with({{"AuthMode", "7"}, {"CipherMode", "6"}}, psk), "WPA2-PSK", "AES"},
        {"LEAP WEP", with({{"AuthMode", "0"}, {"CipherMode", "0"}}, leap), "LEAP", ""},
        {"LEAP TKIP", with({{"AuthMode", "0"}, {"CipherMode", "4"}, {"LeapEncryType", "1"}}, leap), "LEAP", ""},
        {"LEAP AES", with({{"AuthMode", "0"}, {"CipherMode", "6"}, {"LeapEncryType", "2"}}, leap), "LEAP", ""},
        {"ad hoc open", with({{"AuthMode", "0"}, {"CipherMode", "1"}}, adhoc), "Open", "None"},
        {"ad hoc open WEP", with({{"AuthMode", "0"}, {"CipherMode", "0"}, {"WEPKey1", "0123456789"}}, adhoc), "Open",
         "WEP"},
        {"ad hoc shared WEP", with({{"AuthMode", "1"}, {"CipherMode", "0"}, {"WEPKey1", "0123456789"}}, adhoc),
         "Shared", "WEP"},
        {"ad hoc WPA-None", with({{"AuthMode", "5"}, {"CipherMode", "6"}}, adhoc, psk), "WPA-None", "AES"},
        {"ad hoc WPA2-PSK", with({{"AuthMode", "7"}, {"CipherMode", "6"}}, adhoc, psk), "WPA2-PSK", "AES"},
    };
    std::string file;
    for (size_t i = 0; i < std::size(cases); ++i) file += SectionText("Stored" + std::to_string(i), StoredSection(cases[i].keys));
    Write("_prof", file);
    Run([&] {
        // An adapter with the LEAP capability: LEAP keeps TKIP and AES.
        const DWORD ccx = 1;
        testutil::SetValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), "CCX2Control", REG_DWORD, &ccx, sizeof(ccx));
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        for (size_t i = 0; i < std::size(cases); ++i) {
            const Case& c = cases[i];
            const std::string name = "Stored" + std::to_string(i);
            SCOPED_TRACE(c.what);
            const Section stored = Read(name);
            ASSERT_EQ(stored.size(), 50u);
            EditRow(page, name, [&](CProfileSheet& e) {
                CAuthSecuPage& auth = Auth(e);
                EXPECT_EQ(Selected(auth, IDC_AUTH_TYPE), c.type);
                EXPECT_EQ(Selected(auth, IDC_AUTH_ENCRYPTION), c.encryption);
                PressOk(e);
                EXPECT_TRUE(Closed(e));
            });
            EXPECT_TRUE(boxes.empty()) << boxes.front().text;
            boxes.clear();
            EXPECT_EQ(Read(name), stored);
        }
    });
}

TEST_F(ProfileEditorTest, AScannedWpaNoneNetworkSwitchedToInfrastructureIsSavedAsWpaPskWithItsKey) {
    Load(ScenarioWith("[network]\nssid = \"Raft Net\"\nbssid = 02:11:22:33:45:10\nchannel = 6\ntype = adhoc\n"
                      "security = wpa-psk\ncipher = aes\nkey = \"raft crossing\"\n"));
    Run([&] {
        CSiteSurvPage* survey = dialog.m_pSheet->SiteSurveyPage();
        ASSERT_TRUE(PumpUntil([&] { return g_ScanPending == 0 && survey->Rows().size() == 6; }));
        survey->SendMessage(WM_TIMER, kStatusTimer, 0);
        CProfilePage* page = dialog.m_pSheet->ProfilePage();
        // Whether or not the security page was seen before the switch.
        for (const bool looked : {false, true}) {
            SCOPED_TRACE(looked ? "security page seen first" : "security page not seen");
            int row = -1;
            for (size_t i = 0; i < survey->Rows().size(); ++i)
                if (survey->Rows()[i][site_survey::kSsid] == "Raft Net") row = static_cast<int>(i);
            ASSERT_GE(row, 0);
            EXPECT_EQ(survey->Rows()[row][site_survey::kAuthentication], "WPA-NONE");
            dialog.m_pSheet->SetActivePage(survey);
            SelectRow(survey->GetDlgItem(IDC_SITE_LIST), row);
            boxes.clear();
            const std::string name = looked ? "PROF2" : "PROF1";
            WithEditor([&] { return survey->SendMessage(WM_COMMAND, IDC_SITE_ADD_PROFILE, 0); }, [&](CProfileSheet& e) {
                EXPECT_EQ(Selected(Sys(e), IDC_SYS_NETWORK_TYPE), "Ad hoc");
                if (looked) {
                    CAuthSecuPage& auth = Auth(e);
                    EXPECT_EQ(Items(auth, IDC_AUTH_TYPE), (std::vector<std::string>{"Open", "WPA-None", "WPA2-PSK"}));
                    EXPECT_EQ(Selected(auth, IDC_AUTH_TYPE), "WPA-None");
                    EXPECT_EQ(Selected(auth, IDC_AUTH_ENCRYPTION), "AES");
                    e.SetActivePage(0);
                }
                Choose(Sys(e), IDC_SYS_NETWORK_TYPE, "Infrastructure");
                PressOk(e);
                ASSERT_FALSE(Closed(e)) << "no key";
                EXPECT_EQ(e.GetActiveIndex(), 1);
                CAuthSecuPage& auth = e.AuthSecuPage();
                EXPECT_EQ(Selected(auth, IDC_AUTH_TYPE), "WPA-PSK") << "as it would be saved";
                EXPECT_EQ(Selected(auth, IDC_AUTH_ENCRYPTION), "AES") << "the network's cipher";
                EXPECT_TRUE(Enabled(auth, IDC_AUTH_PSK));
                auth.SetDlgItemText(IDC_AUTH_PSK, "raft crossing");
                PressOk(e);
                EXPECT_TRUE(Closed(e));
            });
            EXPECT_EQ(boxes, (std::vector<Box>{{"Invalid WPA Pre-Shared key. WPA-PSK used field should use 8-63 ASCII "
                                                "characters or 64 Hex characters.", MB_OK}}));
            const Section saved = Read(name);
            EXPECT_EQ(saved.at("NetworkType"), "1");
            EXPECT_EQ(saved.at("AuthMode"), "4");
            EXPECT_EQ(saved.at("CipherMode"), "6");
            EXPECT_EQ(saved.at("WPAPSK"), "raft crossing");
            EXPECT_NE(FindRow(page, name), -1);
        }
    });
}

// The two certificate selections are the program's: an edit starts from what the section
// holds, not from what the profile edited before left there.
TEST_F(ProfileEditorTest, EditingAProfileWithoutCertificatesTakesNoneFromTheProfileBefore) {
    Load(FastScenario());
    const std::string thumbprint = "00112233445566778899aabbccddeeff01234567";
    // The second section is as Import Profile writes it: no certificate keys.
    Write("_prof", "[Office]\r\nSSID=Office\r\nNetworkType=1\r\nAuthMode=6\r\nCipherMode=6\r\nUse8021X=1\r\n"
                   "UseClientCert=1\r\nClientCertLen=20\r\nClientCertData=" + thumbprint +
                   "\r\nServerCertLen=20\r\nServerCertData=" + thumbprint +
                   "\r\n[Imported]\r\nSSID=Quay\r\nNetworkType=1\r\nAuthMode=4\r\nCipherMode=4\r\n"
                   "WPAPSK=harbor lights\r\n");
    Run([&] {
        CProfilePage* page = ProfilePage();
        ASSERT_NE(page, nullptr);
        EditRow(page, "Office", [&](CProfileSheet&) { EXPECT_EQ(g_ClientCertDesc.ThumbprintLength, 20u); });
        EditRow(page, "Imported", [&](CProfileSheet& e) {
            const CertDesc none{};
            EXPECT_EQ(std::memcmp(&g_ClientCertDesc, &none, sizeof none), 0);
            EXPECT_EQ(std::memcmp(&g_ServerCertDesc, &none, sizeof none), 0);
            PressOk(e);
            EXPECT_TRUE(Closed(e));
        });
        const Section imported = Read("Imported");
        EXPECT_EQ(imported.at("ClientCertLen"), "0");
        EXPECT_EQ(imported.at("ClientCertData"), "");
        EXPECT_EQ(imported.at("ServerCertLen"), "0");
        EXPECT_EQ(imported.at("ServerCertData"), "");
        EXPECT_TRUE(boxes.empty());
    });
}

// The profile editor opened from the Profile and Site Survey pages of the main window's sheet,
// against the simulated world: the checks of a save with their messages and pages, what lands
// in the "_prof" file and back, the pages' lists and hidden rows, the adapter going away
// under an open editor, and the security twin dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog_steps.h"
#include "framework/message_loop.h"
#include "resources/station/resource.h"
#include "shared/os_code.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station/pages/profile_page.h"
#include "station/pages/site_surv_page.h"
#include "station/profiles/auth_secu_dlg.h"
#include "station/profiles/cert_desc.h"
#include "station/profiles/profile_globals.h"
#include "station/profiles/profile_sheet.h"
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

}  // namespace

// Not run by default: the two pages and the twin dialog filled in, one .bmp each in SHOTS_DIR.
//   main_window_tests --gtest_also_run_disabled_tests --gtest_filter='*EditorScreenshot*'
TEST_F(ProfileEditorTest, DISABLED_EditorScreenshot) {
    Load(FastScenario());
    Run([&] {
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
        CAuthSecuDlg twin;
        testutil::WithModal("Authentication and Security", [&] { return twin.DoModal(); }, [&](HWND d) {
            testutil::SaveWindowShot(d, "authentication_security_dialog");
            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
    });
}

TEST_F(ProfileEditorTest, PagesAndTwinDialogLayOutTheirControlsTidily) {
    Load(FastScenario());
    Run([&] {
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
        {"Infrastructure", "Open", "None", "0", "1"},       {"Infrastructure", "Open", "WEP", "0", "0"},
        {"Infrastructure", "Shared", "WEP", "1", "0"},      {"Infrastructure", "WPA", "TKIP", "3", "4"},
        {"Infrastructure", "WPA", "AES", "3", "6"},         {"Infrastructure", "WPA-PSK", "TKIP", "4", "4"},
        {"Infrastructure", "WPA-PSK", "AES", "4", "6"},     {"Infrastructure", "WPA2", "TKIP", "6", "4"},
        {"Infrastructure", "WPA2", "AES", "6", "6"},        {"Infrastructure", "WPA2-PSK", "TKIP", "7", "4"},
        {"Infrastructure", "WPA2-PSK", "AES", "7", "6"},    {"Ad hoc", "Open", "None", "0", "1"},
        {"Ad hoc", "Open", "WEP", "0", "0"},                {"Ad hoc", "WPA2-PSK", "AES", "7", "6"},
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

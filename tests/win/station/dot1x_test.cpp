// The 802.1X settings sheet with its two pages, the certificate selection over the real
// certificate stores (the tests put their own certificates in and take them out) and the
// PEAP one-time password dialog, against the simulated world's message boxes and file dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog_steps.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "platform/cert_stores.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "station/core/action_data.h"
#include "shared/system/os_code.h"
#include "station/core/station_globals.h"
#include "station/profiles/editor/auth_secu_page.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/dot1x/dot1x_sheet.h"
#include "station/profiles/dot1x/peap_setting_dlg.h"
#include "station/profiles/dot1x/sel_cert_dlg.h"
#include "station_fixture.h"
#include "test_certificates.h"
#include "tests/win/layout_check.h"
#include "window_shot.h"

namespace {

struct Box {
    std::string text;
    UINT type;
    bool operator==(const Box&) const = default;
};

constexpr UINT kStop = MB_OK | MB_ICONSTOP;
constexpr const char* kSheetCaption = "802.1x Setting";

// A PEAP record that passes every check.
Dot1xSettings Complete() {
    Dot1xSettings d;
    d.identity = "sailor";
    d.tunnelIdentity = "inner";
    d.tunnelPassword = "deck";
    return d;
}

std::string Selected(fw::CWnd& page, int combo) {
    HWND h = page.GetDlgItem(combo);
    const LRESULT index = SendMessageA(h, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    char text[256] = {};
    SendMessageA(h, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::string> Items(fw::CWnd& page, int combo) {
    HWND h = page.GetDlgItem(combo);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < SendMessageA(h, CB_GETCOUNT, 0, 0); ++i) {
        char text[256] = {};
        SendMessageA(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void Choose(fw::CWnd& page, int combo, const std::string& text) {
    HWND h = page.GetDlgItem(combo);
    const LRESULT index =
        SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_NE(index, CB_ERR) << text;
    SendMessageA(h, CB_SETCURSEL, index, 0);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

bool Visible(fw::CWnd& page, int id) { return IsWindowVisible(page.GetDlgItem(id)) != FALSE; }
bool Enabled(fw::CWnd& page, int id) { return IsWindowEnabled(page.GetDlgItem(id)) != FALSE; }
bool Checked(fw::CWnd& page, int id) { return page.IsDlgButtonChecked(id) == BST_CHECKED; }

class Dot1xTest : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        fw::CWinApp::InitCommonControls();
        Load(testutil::HtScenario());
        world.SetMessageBoxAnswerer([this](const platform::sim::MessageBoxCall& call) {
            boxes.push_back({call.text, call.type});
            return answer;
        });
        world.SetOpenFileAnswerer([this](const platform::sim::OpenFileCall& call) {
            fileCalls.push_back(call);
            return chosenFile;
        });
        savedAction = g_pCurrentAction;
        g_pCurrentAction = nullptr;
        g_ClientCertDesc = CertDesc{};
        g_ServerCertDesc = CertDesc{};
    }
    void TearDown() override {
        FreeCurrentAction();
        g_pCurrentAction = savedAction;
        g_ClientCertDesc = CertDesc{};
        g_ServerCertDesc = CertDesc{};
        StationTest::TearDown();
    }

    // Opens the sheet on the record; steps run inside its loop and may end it.
    INT_PTR WithSheet(C8021xSheet& sheet, const std::function<void(C8021xSheet&)>& steps) {
        return testutil::WithModal(kSheetCaption, [&] { return sheet.DoModal(); }, [&](HWND) {
            steps(sheet);
            if (sheet.IsWindow() && PropSheet_GetCurrentPageHwnd(sheet.m_hWnd))
                sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
    }
    static void PressOk(C8021xSheet& sheet) { SendMessageA(sheet.GetDlgItem(IDOK), BM_CLICK, 0, 0); }
    static bool Open(C8021xSheet& sheet) { return sheet.IsWindow() && PropSheet_GetCurrentPageHwnd(sheet.m_hWnd); }
    static C8021xCaServerPage& CaPage(C8021xSheet& sheet) {
        sheet.SetActivePage(1);
        return sheet.CaServerPage();
    }

    std::vector<Box> boxes;
    int answer = IDOK;
    std::vector<platform::sim::OpenFileCall> fileCalls;
    std::optional<std::string> chosenFile;
    ProfileApplyRecord* savedAction = nullptr;
};

}  // namespace

TEST_F(Dot1xTest, EachCheckShowsItsMessageAndThePageThatHoldsTheValue) {
    struct Case {
        const char* what;
        std::function<void(Dot1xSettings&)> input;
        int wpaMode;
        const char* message;  // nullptr: the sheet closes with OK
        int page;
    };
    const char* const k281 = "Identity required in authentication setting!";
    const char* const k282 = "Tunneled identity and password required for FAST, TTLS or PEAP authentication!";
    const char* const k283 = "Tunneled identity required for PEAP authentication!";
    const char* const k284 = "Password required for MD5 authentication!";
    const char* const k285 = "Please select a client certificate to use!";
    const char* const k286 = "Server Identity required for TLS/TTLS/PEAP server verification!";
    const char* const k287 = "Invalid domain name";
    auto validated = [](const char* name, int rule) {
        return [=](Dot1xSettings& d) {
            d.validateServerChain = 1;
            d.serverName = name;
            d.nameRule = rule;
        };
    };
    const Case cases[] = {
        {"no identity", [](Dot1xSettings& d) { d.identity.clear(); }, 1, k281, 0},
        {"PEAP MSCHAP v2 without tunnel password", [](Dot1xSettings& d) { d.tunnelPassword.clear(); }, 1, k282, 0},
        {"TTLS without tunnel identity",
         [](Dot1xSettings& d) {
             d.eapMethod = kEapTtls;
             d.tunnelIdentity.clear();
         },
         1, k282, 0},
        {"method 5, provisioning MSCHAP v2, no tunnel password",
         [](Dot1xSettings& d) {
             d.eapMethod = kEapFast;
             d.innerEapType = kInnerTokenCard;
             d.provisioningInnerType = kInnerMschapV2;
             d.tunnelPassword.clear();
         },
         1, k282, 0},
        {"PEAP TLS without tunnel identity",
         [](Dot1xSettings& d) {
             d.innerEapType = kInnerTls;
             d.tunnelIdentity.clear();
         },
         1, k283, 0},
        {"PEAP token card without tunnel identity",
         [](Dot1xSettings& d) {
             d.innerEapType = kInnerTokenCard;
             d.tunnelIdentity.clear();
         },
         1, k283, 0},
        {"PEAP token card, static password, none given",
         [](Dot1xSettings& d) {
             d.innerEapType = kInnerTokenCard;
             d.passwordMode = 1;
             d.tunnelPassword.clear();
         },
         1, k282, 0},
        {"PEAP token card, soft token: no password needed",
         [](Dot1xSettings& d) {
             d.innerEapType = kInnerTokenCard;
             d.passwordMode = 0;
             d.tunnelPassword.clear();
         },
         1, nullptr, 0},
        {"MD5 without password",
         [](Dot1xSettings& d) {
             d.eapMethod = kEapMd5;
             d.password.clear();
         },
         0, k284, 0},
        {"TLS without a chosen client certificate", [](Dot1xSettings& d) { d.eapMethod = kEapTls; }, 1, k285, 0},
        {"validation with a blank server name", validated("   ", 0), 1, k286, 1},
        {"domain rule, no dot", validated("harbor", 1), 1, k287, 1},
        {"domain rule, leading dot", validated(".harbor.example", 1), 1, k287, 1},
        {"domain rule, trailing first dot", validated("harbor.", 1), 1, k287, 1},
        {"domain rule, dot inside", validated("harbor.example", 1), 1, nullptr, 0},
        {"exact rule takes any name", validated("radius", 0), 1, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.clear();
        Dot1xSettings input = Complete();
        c.input(input);
        C8021xSheet sheet(IDS_8021X_SHEET_CAPTION);
        sheet.m_bWpaMode = c.wpaMode;
        sheet.m_Settings = input;
        bool openAfterOk = false;
        int page = -1;
        const INT_PTR result = WithSheet(sheet, [&](C8021xSheet& s) {
            // Start on the other page than the check's, so that the page shown is the check's.
            s.SetActivePage(c.page == 0 ? 1 : 0);
            PressOk(s);
            openAfterOk = Open(s);
            page = s.GetActiveIndex();
        });
        if (c.message) {
            EXPECT_EQ(boxes, (std::vector<Box>{{c.message, kStop}}));
            EXPECT_TRUE(openAfterOk) << "the sheet stays open";
            EXPECT_EQ(page, c.page);
            EXPECT_EQ(result, IDCANCEL);
        } else {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(result, IDOK);
            EXPECT_EQ(sheet.m_Settings.identity, input.identity);
        }
    }
}

TEST_F(Dot1xTest, PagesEnableTheirControlsByMethodAndHandTheRecordBack) {
    // WPA enterprise offers three methods; a stored MD5 shows as PEAP.
    Dot1xSettings md5 = Complete();
    md5.eapMethod = kEapMd5;
    {
        C8021xSheet sheet(IDS_8021X_SHEET_CAPTION);
        sheet.m_bWpaMode = 1;
        sheet.m_Settings = md5;
        WithSheet(sheet, [&](C8021xSheet& s) {
            C8021xAuthPage& auth = s.AuthPage();
            EXPECT_EQ(Items(auth, IDC_X1_METHOD), (std::vector<std::string>{"PEAP", "TLS/Smart Card", "TTLS"}));
            EXPECT_EQ(Selected(auth, IDC_X1_METHOD), "PEAP");
            EXPECT_EQ(Items(auth, IDC_X1_TUNNEL_PROTOCOL),
                      (std::vector<std::string>{"EAP-MSCHAP v2", "EAP-TLS/Smart card", "Generic Token Card"}));
            EXPECT_FALSE(Enabled(auth, IDC_X1_PASSWORD));
            EXPECT_TRUE(Enabled(auth, IDC_X1_TUNNEL_ID));
            EXPECT_FALSE(Visible(auth, IDC_X1_PASSWORD_MODE));

            // The inner list follows the method.
            Choose(auth, IDC_X1_METHOD, "TTLS");
            EXPECT_EQ(Items(auth, IDC_X1_TUNNEL_PROTOCOL),
                      (std::vector<std::string>{"CHAP", "MS-CHAP", "MS-CHAP-V2", "PAP", "EAP-MD5"}));
            EXPECT_EQ(Selected(auth, IDC_X1_TUNNEL_PROTOCOL), "MS-CHAP-V2");
            Choose(auth, IDC_X1_TUNNEL_PROTOCOL, "PAP");

            Choose(auth, IDC_X1_METHOD, "TLS/Smart Card");
            EXPECT_TRUE(Checked(auth, IDC_X1_USE_CLIENT_CERT)) << "TLS needs a certificate";
            EXPECT_FALSE(Enabled(auth, IDC_X1_USE_CLIENT_CERT));
            EXPECT_TRUE(Enabled(auth, IDC_X1_CHANGE_CERT));
            EXPECT_FALSE(Enabled(auth, IDC_X1_TUNNEL_ID));
            EXPECT_FALSE(Visible(auth, IDC_X1_WINDOWS_LOGON));

            Choose(auth, IDC_X1_METHOD, "PEAP");
            Choose(auth, IDC_X1_TUNNEL_PROTOCOL, "Generic Token Card");
            EXPECT_TRUE(Visible(auth, IDC_X1_PASSWORD_MODE));
            testutil::Press(&auth, IDC_X1_SOFT_TOKEN);
            EXPECT_FALSE(Enabled(auth, IDC_X1_TUNNEL_PASSWORD));
            testutil::Press(&auth, IDC_X1_STATIC_PASSWORD);
            EXPECT_TRUE(Enabled(auth, IDC_X1_TUNNEL_PASSWORD));
            Choose(auth, IDC_X1_TUNNEL_PROTOCOL, "EAP-TLS/Smart card");
            EXPECT_TRUE(Checked(auth, IDC_X1_USE_CLIENT_CERT));
            EXPECT_FALSE(Enabled(auth, IDC_X1_TUNNEL_PASSWORD));
            Choose(auth, IDC_X1_TUNNEL_PROTOCOL, "EAP-MSCHAP v2");
            auth.SetDlgItemText(IDC_X1_IDENTITY, "captain");
            testutil::Press(&auth, IDC_X1_USE_CLIENT_CERT);

            C8021xCaServerPage& ca = CaPage(s);
            EXPECT_TRUE(Enabled(ca, IDC_CA_USE_CHAIN));
            EXPECT_EQ(Items(ca, IDC_CA_ISSUER).front(), "- Any Trusted CA -");
            EXPECT_FALSE(Enabled(ca, IDC_CA_SERVER_NAME));
            testutil::Press(&ca, IDC_CA_USE_CHAIN);
            EXPECT_TRUE(Enabled(ca, IDC_CA_SERVER_NAME));
            ca.SetDlgItemText(IDC_CA_SERVER_NAME, "  radius.harbor.example ");
            testutil::Press(&ca, IDC_CA_DOMAIN_NAME);
            PressOk(s);
        });
        EXPECT_TRUE(boxes.empty());
        const Dot1xSettings& d = sheet.m_Settings;
        EXPECT_EQ(d.eapMethod, kEapPeap);
        EXPECT_EQ(d.innerEapType, kInnerMschapV2);
        EXPECT_EQ(d.ttlsProtocol, 4) << "the TTLS choice made on the way";
        EXPECT_EQ(d.identity, "captain");
        EXPECT_EQ(d.useClientCert, 0);
        EXPECT_EQ(d.validateServerChain, 1);
        EXPECT_EQ(d.serverName, "radius.harbor.example") << "trimmed";
        EXPECT_EQ(d.nameRule, 1);
    }

    // Open or Shared with 802.1X also offers MD5, which cannot validate a server.
    C8021xSheet sheet(IDS_8021X_SHEET_CAPTION);
    sheet.m_bWpaMode = 0;
    md5.validateServerChain = 1;
    md5.serverName = "radius";
    md5.password = "secret";
    sheet.m_Settings = md5;
    WithSheet(sheet, [&](C8021xSheet& s) {
        C8021xAuthPage& auth = s.AuthPage();
        EXPECT_EQ(Items(auth, IDC_X1_METHOD).size(), 4u);
        EXPECT_EQ(Selected(auth, IDC_X1_METHOD), "Md5-Challenge");
        EXPECT_TRUE(Enabled(auth, IDC_X1_PASSWORD));
        EXPECT_FALSE(Checked(auth, IDC_X1_USE_CLIENT_CERT));
        EXPECT_FALSE(Enabled(auth, IDC_X1_TUNNEL_ID));
        EXPECT_FALSE(Visible(auth, IDC_X1_SESSION)) << "no session resumption for MD5";
        C8021xCaServerPage& ca = CaPage(s);
        EXPECT_FALSE(Checked(ca, IDC_CA_USE_CHAIN));
        EXPECT_FALSE(Enabled(ca, IDC_CA_USE_CHAIN));
        PressOk(s);
    });
    EXPECT_EQ(sheet.m_Settings.validateServerChain, 0);
    EXPECT_EQ(sheet.m_Settings.serverName, "") << "no name without validation";
}

// The security page's 802.1X button opens the sheet on the page's record: WPA enterprise
// without MD5, Open or Shared with it; OK hands the record back, Cancel keeps the page's.
TEST_F(Dot1xTest, SecurityPageOpensTheSheetOnItsRecordAndTakesItBackOnOk) {
    const int wpa = g_WpaSupported, level = g_EncryptionLevel, os = g_OsCode;
    g_WpaSupported = 1;
    g_EncryptionLevel = 6;
    g_OsCode = 11;
    struct Case {
        int authMode;
        int use8021X;
        size_t methods;
        bool ok;
    } const cases[] = {{3, 1, 3, true}, {0, 1, 4, true}, {6, 1, 3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.authMode);
        AuthSecuValues values;
        values.authMode = c.authMode;
        values.encryptionIndex = 1;
        values.use8021X = c.use8021X;
        values.dot1x = Complete();
        fw::CPropertySheet host("Test sheet");
        CAuthSecuPage page(&values);
        host.AddPage(&page);
        ASSERT_TRUE(host.Create());
        fw::PumpMessages(20);
        size_t methods = 0;
        testutil::WithModal(kSheetCaption, [&] { return page.SendMessage(WM_COMMAND, IDC_AUTH_8021X_SETTINGS, 0); },
                            [&](HWND d) {
            auto* sheet = dynamic_cast<C8021xSheet*>(fw::CWnd::FromHandle(d));
            ASSERT_NE(sheet, nullptr);
            methods = Items(sheet->AuthPage(), IDC_X1_METHOD).size();
            EXPECT_EQ(sheet->AuthPage().GetDlgItemText(IDC_X1_TUNNEL_ID), "inner");
            sheet->AuthPage().SetDlgItemText(IDC_X1_IDENTITY, "captain");
            if (c.ok) PressOk(*sheet);
            else sheet->SendMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        EXPECT_EQ(methods, c.methods);
        EXPECT_EQ(values.dot1x.identity, c.ok ? "captain" : "sailor");
        host.DestroyWindow();
        fw::PumpMessages(20);
    }
    g_WpaSupported = wpa;
    g_EncryptionLevel = level;
    g_OsCode = os;
}

TEST_F(Dot1xTest, PacFileImportedIntoTheCurrentRecordAndRemovedFromDisk) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string pac = std::string(temp) + "lumora-dot1x-" + std::to_string(GetCurrentProcessId()) + ".pac";
    { std::ofstream(pac) << "PAC"; }
    g_pCurrentAction = AllocApplyRecord();
    std::strcpy(g_pCurrentAction->PACFilePath, "C:\\old.pac");

    Dot1xSettings fast = Complete();
    fast.eapMethod = kEapFast;
    fast.usePac = 1;
    C8021xSheet sheet(IDS_8021X_SHEET_CAPTION);
    sheet.m_bWpaMode = 1;
    sheet.m_Settings = fast;
    WithSheet(sheet, [&](C8021xSheet& s) {
        C8021xAuthPage& auth = s.AuthPage();
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_PAC_PATH), "File Path : C:\\old.pac") << "from the current record";
        EXPECT_TRUE(Enabled(auth, IDC_X1_PAC_IMPORT));
        EXPECT_TRUE(Enabled(auth, IDC_X1_PROVISIONING));

        chosenFile = "C:\\" + std::string(252, 'p') + ".pac";  // 258 characters
        testutil::Press(&auth, IDC_X1_PAC_IMPORT);
        ASSERT_EQ(fileCalls.size(), 1u);
        EXPECT_EQ(fileCalls[0].filterName, "PAC Files(*.pac)");
        EXPECT_EQ(fileCalls[0].initialName, "*.pac");
        EXPECT_EQ(boxes, (std::vector<Box>{{"The PAC file path is too long: it must be shorter than 256 characters.", kStop}}));
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_PAC_PATH), "File Path : C:\\old.pac") << "refused, not cut";

        chosenFile = pac;
        testutil::Press(&auth, IDC_X1_PAC_IMPORT);
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_PAC_PATH), "File Path : " + pac);
        PressOk(s);
    });
    EXPECT_STREQ(g_pCurrentAction->PACFilePath, pac.c_str());
    EXPECT_EQ(sheet.m_Settings.pacFilePath, pac);

    // Remove asks first; No keeps everything.
    boxes.clear();
    WithSheet(sheet, [&](C8021xSheet& s) {
        C8021xAuthPage& auth = s.AuthPage();
        answer = IDNO;
        testutil::Press(&auth, IDC_X1_PAC_REMOVE);
        EXPECT_EQ(GetFileAttributesA(pac.c_str()) != INVALID_FILE_ATTRIBUTES, true);
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_PAC_PATH), "File Path : " + pac);
        answer = IDYES;
        testutil::Press(&auth, IDC_X1_PAC_REMOVE);
        EXPECT_EQ(GetFileAttributesA(pac.c_str()), INVALID_FILE_ATTRIBUTES) << "deleted from the disk";
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_PAC_PATH), "File Path : ");
        EXPECT_STREQ(g_pCurrentAction->PACFilePath, "");
    });
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (Box{"Delete the PAC file " + pac + "?", MB_YESNO | MB_ICONQUESTION}));

    // A name without its folder is not deleted wherever the current directory is; a path
    // that is gone is no error.
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    SetCurrentDirectoryA(temp);
    const std::string relative = "lumora-relative-" + std::to_string(GetCurrentProcessId()) + ".pac";
    { std::ofstream(std::string(temp) + relative) << "PAC"; }
    for (const std::string& path : {relative, pac}) {
        SCOPED_TRACE(path);
        boxes.clear();
        std::strcpy(g_pCurrentAction->PACFilePath, path.c_str());
        WithSheet(sheet, [&](C8021xSheet& s) {
            testutil::Press(&s.AuthPage(), IDC_X1_PAC_REMOVE);
            EXPECT_EQ(s.AuthPage().GetDlgItemText(IDC_X1_PAC_PATH), "File Path : ");
        });
        EXPECT_EQ(boxes.size(), 1u) << "only the question";
    }
    EXPECT_NE(GetFileAttributesA((std::string(temp) + relative).c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA((std::string(temp) + relative).c_str());
    SetCurrentDirectoryA(cwd);

    // Without a current record the page writes nowhere.
    FreeCurrentAction();
    sheet.m_Settings.pacFilePath = pac;
    const INT_PTR result = WithSheet(sheet, [&](C8021xSheet& s) { PressOk(s); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(g_pCurrentAction, nullptr);
}

TEST_F(Dot1xTest, PeapDialogChecksItsInputAndFillsTheCurrentRecord) {
    struct Case {
        const char* identity;
        const char* password;
        int noPasswordNeeded;
        const char* message;  // nullptr: closes with OK
    } const cases[] = {{"", "otp", 0, "Must input Identity"},
                       {"crew", "", 0, "Must input Password"},
                       {"", "", 1, "Must input Identity"},
                       {"crew", "", 1, nullptr},
                       {"crew", "123456", 0, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.identity << "/" << c.password << "/" << c.noPasswordNeeded);
        boxes.clear();
        CPeapSettingDlg dialog;
        dialog.m_bNoPasswordNeeded = c.noPasswordNeeded;
        const INT_PTR result = testutil::WithModal("Peap Setting - One Time Password", [&] { return dialog.DoModal(); },
                                                   [&](HWND d) {
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(d, IDC_PEAP_PASSWORD)) != FALSE, c.noPasswordNeeded == 0);
            SetDlgItemTextA(d, IDC_PEAP_IDENTITY, c.identity);
            SetDlgItemTextA(d, IDC_PEAP_PASSWORD, c.password);
            SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
            if (c.message) SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
        if (c.message) {
            EXPECT_EQ(boxes, (std::vector<Box>{{c.message, MB_OK}}));
            EXPECT_EQ(result, IDCANCEL) << "OK did not close it";
        } else {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(result, IDOK);
        }
    }

    // The opener: the identity from the record, what was typed back into it, cut to its fields.
    g_pCurrentAction = AllocApplyRecord();
    std::strcpy(g_pCurrentAction->TunnelID, "stored");
    CPeapSettingDlg dialog;
    const std::string longText(200, 'x');
    testutil::WithModal("Peap Setting - One Time Password", [&] {
        OpenPeapSetting(dialog, g_pCurrentAction);
        return INT_PTR{0};
    }, [&](HWND d) {
        char shown[64] = {};
        GetDlgItemTextA(d, IDC_PEAP_IDENTITY, shown, sizeof shown);
        EXPECT_STREQ(shown, "stored");
        SetDlgItemTextA(d, IDC_PEAP_IDENTITY, longText.c_str());
        SetDlgItemTextA(d, IDC_PEAP_PASSWORD, longText.c_str());
        // The record is replaced while the dialog is open: the new one gets the texts.
        ProfileApplyRecord* fresh = AllocApplyRecord();
        ReplaceCurrentAction(fresh);
        FreeApplyRecord(fresh);
        SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(std::string(g_pCurrentAction->TunnelID), std::string(127, 'x'));
    EXPECT_EQ(std::string(g_pCurrentAction->TunnelPassword), std::string(127, 'x'));
    EXPECT_EQ(g_pCurrentAction->TunnelPassword[127], '\0');

    // Without a record: the dialog still opens, nothing is written.
    FreeCurrentAction();
    testutil::WithModal("Peap Setting - One Time Password", [&] {
        OpenPeapSetting(dialog, g_pCurrentAction);
        return INT_PTR{0};
    }, [&](HWND d) {
        SetDlgItemTextA(d, IDC_PEAP_IDENTITY, "crew");
        SetDlgItemTextA(d, IDC_PEAP_PASSWORD, "otp");
        SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(g_pCurrentAction, nullptr);
}

// The tests below put certificates into the current user's stores: one at a time.
class CertificateTest : public Dot1xTest {
protected:
    void SetUp() override {
        Dot1xTest::SetUp();
        for (const char* store : {"MY", "ROOT"}) testutil::RemoveCertificates(store, "Lumora test ");
    }
    std::string Name(const char* what) const { return std::string("Lumora test ") + what + " " + std::to_string(GetCurrentProcessId()); }
    static std::vector<std::vector<std::string>> RowsNamed(HWND list, const std::string& prefix) {
        std::vector<std::vector<std::string>> rows;
        for (const auto& row : testutil::ListRows(list, 4))
            if (row[0].rfind(prefix, 0) == 0) rows.push_back(row);
        return rows;
    }
    static int RowOf(HWND list, const std::string& name) {
        for (int r = 0; r < ListRowCount(list); ++r)
            if (ListItemText(list, r, 0) == name) return r;
        return -1;
    }
};

TEST_F(CertificateTest, SelectionListsThePersonalStoreAndHandsBackTheChoice) {
    const std::string current = Name("client"), expired = Name("expired");
    testutil::TestCertificate a("MY", current, testutil::Date(2024, 1, 1), testutil::Date(2035, 3, 31), L"Crew laptop");
    testutil::TestCertificate b("MY", expired, testutil::Date(2019, 1, 1), testutil::Date(2020, 6, 30));
    ASSERT_TRUE(a.Made() && b.Made());

    CertDesc chosen{};
    CSelCertDlg dialog(chosen);
    const std::string prefix = std::string("Lumora test ");
    testutil::WithModal("Certificate Selection", [&] { return dialog.DoModal(); }, [&](HWND d) {
        HWND list = GetDlgItem(d, IDC_CERT_LIST);
        EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & 0x420, 0x420u);
        auto rows = RowsNamed(list, prefix + "client " + std::to_string(GetCurrentProcessId()));
        EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{current, current, "2035/03/31", "Crew laptop"}}));
        rows = RowsNamed(list, expired);
        EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{expired, expired, "2020/06/30", ""}}));
        EXPECT_EQ(SelectedListRow(list), -1);
        SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowVisible(d)) << "OK without a row does nothing";
        SelectListRow(list, RowOf(list, expired));
        SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_STREQ(chosen.IssuedTo, expired.c_str());
    EXPECT_STREQ(chosen.ExpiredOn, "2020/06/30");
    ASSERT_EQ(chosen.ThumbprintLength, 20u);
    EXPECT_EQ(std::vector<uint8_t>(chosen.Thumbprint, chosen.Thumbprint + 20), b.Sha1());
    EXPECT_TRUE(dialog.Certificates().empty()) << "emptied on closing";

    // Reopened with that certificate as the current one: its row is selected again; Cancel keeps the choice.
    dialog.m_Current = chosen;
    dialog.m_bHasCurrent = 1;
    const INT_PTR result = testutil::WithModal("Certificate Selection", [&] { return dialog.DoModal(); }, [&](HWND d) {
        HWND list = GetDlgItem(d, IDC_CERT_LIST);
        EXPECT_EQ(SelectedListRow(list), RowOf(list, expired));
        SelectListRow(list, RowOf(list, current));
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_STREQ(chosen.IssuedTo, expired.c_str());

    // The lookup by thumbprint.
    std::vector<uint8_t> hash = a.Sha1();
    platform::StoredCertificate found;
    EXPECT_TRUE(platform::Certificates().FindBySha1("MY", hash.data(), 20, &found));
    EXPECT_EQ(found.subject, current);
    hash[7] ^= 0x55;
    EXPECT_FALSE(platform::Certificates().FindBySha1("MY", hash.data(), 20, nullptr));
    EXPECT_FALSE(platform::Certificates().FindBySha1("MY", hash.data(), 0, nullptr)) << "no thumbprint finds nothing";
}

TEST_F(CertificateTest, PagesShowTheStoredClientCertificateAndChooseTheRootIssuer) {
    const std::string client = Name("page client"), root = Name("root");
    testutil::TestCertificate a("MY", client, testutil::Date(2024, 1, 1), testutil::Date(2036, 1, 2));
    testutil::TestCertificate r("ROOT", root, testutil::Date(2024, 1, 1), testutil::Date(2040, 12, 31));
    ASSERT_TRUE(a.Made() && r.Made());

    // A profile's thumbprint names a certificate of the store: the page shows it.
    const std::vector<uint8_t> clientHash = a.Sha1(), rootHash = r.Sha1();
    g_ClientCertDesc.ThumbprintLength = 20;
    std::memcpy(g_ClientCertDesc.Thumbprint, clientHash.data(), 20);
    Dot1xSettings tls = Complete();
    tls.eapMethod = kEapTls;
    C8021xSheet sheet(IDS_8021X_SHEET_CAPTION);
    sheet.m_bWpaMode = 1;
    sheet.m_Settings = tls;
    WithSheet(sheet, [&](C8021xSheet& s) {
        C8021xAuthPage& auth = s.AuthPage();
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_ISSUED_TO), "Issued To : " + client);
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_EXPIRED_ON), "Expired On : 2036/01/02");
        C8021xCaServerPage& ca = CaPage(s);
        const std::vector<std::string> issuers = Items(ca, IDC_CA_ISSUER);
        EXPECT_NE(std::find(issuers.begin(), issuers.end(), root), issuers.end());
        EXPECT_EQ(Selected(ca, IDC_CA_ISSUER), "- Any Trusted CA -");
        testutil::Press(&ca, IDC_CA_USE_CHAIN);
        Choose(ca, IDC_CA_ISSUER, root);
        ca.SetDlgItemText(IDC_CA_SERVER_NAME, "radius");
        PressOk(s);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_STREQ(g_ServerCertDesc.IssuedTo, root.c_str());
    EXPECT_EQ(std::vector<uint8_t>(g_ServerCertDesc.Thumbprint, g_ServerCertDesc.Thumbprint + 20), rootHash);

    // Opened again, the issuer chosen is selected; an unknown client thumbprint shows none,
    // and TLS then asks for a certificate.
    g_ClientCertDesc.Thumbprint[0] ^= 0xFF;
    sheet.m_Settings.validateServerChain = 1;
    WithSheet(sheet, [&](C8021xSheet& s) {
        EXPECT_EQ(s.AuthPage().GetDlgItemText(IDC_X1_ISSUED_TO), "Issued To : ");
        EXPECT_EQ(Selected(CaPage(s), IDC_CA_ISSUER), root);
        PressOk(s);
        EXPECT_TRUE(Open(s));
    });
    EXPECT_EQ(boxes, (std::vector<Box>{{"Please select a client certificate to use!", kStop}}));

    // "More.." picks one from the personal store and shows it.
    boxes.clear();
    WithSheet(sheet, [&](C8021xSheet& s) {
        C8021xAuthPage& auth = s.AuthPage();
        testutil::WithModal("Certificate Selection",
                            [&] { return auth.SendMessage(WM_COMMAND, IDC_X1_CHANGE_CERT, 0); }, [&](HWND d) {
            HWND list = GetDlgItem(d, IDC_CERT_LIST);
            SelectListRow(list, RowOf(list, client));
            SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
        });
        EXPECT_EQ(auth.GetDlgItemText(IDC_X1_ISSUED_TO), "Issued To : " + client);
        PressOk(s);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(std::vector<uint8_t>(g_ClientCertDesc.Thumbprint, g_ClientCertDesc.Thumbprint + 20), clientHash);
}

TEST_F(CertificateTest, PagesAndDialogsLayOutTheirControlsTidily) {
    testutil::TestCertificate a("MY", Name("layout"), testutil::Date(2024, 1, 1), testutil::Date(2031, 5, 6), L"Laptop");
    const std::vector<uint8_t> hash = a.Sha1();
    g_ClientCertDesc.ThumbprintLength = 20;
    std::memcpy(g_ClientCertDesc.Thumbprint, hash.data(), 20);
    const bool shots = GetEnvironmentVariableA("SHOTS_DIR", nullptr, 0) != 0;
    Dot1xSettings fast = Complete();
    fast.eapMethod = kEapFast;
    fast.innerEapType = kInnerTokenCard;
    fast.usePac = 1;
    fast.useClientCert = 1;
    fast.pacFilePath = "C:\\Users\\crew\\harbor.pac";
    C8021xSheet sheet(IDS_8021X_SHEET_CAPTION);
    sheet.m_bWpaMode = 0;
    sheet.m_Settings = fast;
    WithSheet(sheet, [&](C8021xSheet& s) {
        {
            SCOPED_TRACE("Certification");
            testutil::ExpectTidyLayout(s.AuthPage().m_hWnd);
            if (shots) testutil::SaveWindowShot(s.m_hWnd, "dot1x_certification");
        }
        SCOPED_TRACE("CA Server");
        C8021xCaServerPage& ca = CaPage(s);
        testutil::Press(&ca, IDC_CA_USE_CHAIN);
        testutil::ExpectTidyLayout(ca.m_hWnd);
        if (shots) testutil::SaveWindowShot(s.m_hWnd, "dot1x_ca_server");
    });
    CertDesc chosen{};
    CSelCertDlg dialog(chosen);
    testutil::WithModal("Certificate Selection", [&] { return dialog.DoModal(); }, [&](HWND d) {
        testutil::ExpectTidyLayout(d);
        if (shots) testutil::SaveWindowShot(d, "certificate_selection");
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    CPeapSettingDlg peap;
    testutil::WithModal("Peap Setting - One Time Password", [&] { return peap.DoModal(); }, [&](HWND d) {
        testutil::ExpectTidyLayout(d);
        SetDlgItemTextA(d, IDC_PEAP_IDENTITY, "crew");
        if (shots) testutil::SaveWindowShot(d, "peap_setting");
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
}

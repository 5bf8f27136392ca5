// The WPS dialogs on their own: the information dialog's texts, the detail dialog showing a
// credential and editing the registrar's, the unsecured-setting warning, and the close-all
// operations the main window runs before the sheet goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>
#include <string>

#include "dialog_steps.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "resources/station/resource.h"
#include "station/pages/wps/wsc_detail_dlg.h"
#include "station/pages/wps/wsc_info_dlg.h"
#include "station/pages/wps/wsc_credential_text.h"
#include "station/pages/wps/wsc_unsecure_warning.h"
#include "station_fixture.h"
#include "tests/host/wps_credential_builder.h"
#include "tests/win/common/screen_picture.h"
#include "tests/win/layout_check.h"

namespace {

std::string ItemText(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

// Saves the dialog for a look when WSC_SHOT_DIR names a folder.
void Shot(HWND dialog, const char* name) {
    char dir[MAX_PATH] = {};
    if (GetEnvironmentVariableA("WSC_SHOT_DIR", dir, sizeof dir) == 0) return;
    fw::PumpMessages(100);
    testutil::SaveWindowPicture(dialog, std::string(dir) + "\\" + name + ".bmp");
}

// The dialogs show the credential's address too.
WpsCredential ShownCredential(const std::string& ssid, uint32_t auth, uint32_t encry, const std::string& key,
                              uint32_t keyIndex = 0) {
    WpsCredential c = Credential(ssid, auth, encry, key, keyIndex);
    c.MacAddress[0] = 0x02;
    c.MacAddress[5] = 0x77;
    return c;
}

class WscDialogsTest : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        fw::CWinApp::InitCommonControls();
        Load(testutil::Scenario("default.scn"));
        world.SetMessageBoxAnswerer([this](const platform::sim::MessageBoxCall& call) {
            boxes.push_back(call.text);
            return IDOK;
        });
    }
    std::vector<std::string> boxes;
};

TEST_F(WscDialogsTest, InformationShowsTheDecodedAttributesAndTheRowTexts) {
    CWscInfoDlg dialog;
    dialog.m_strAuthentication = "WPA2-PSK";
    dialog.m_strEncryption = "AES";
    dialog.m_Info.configMethods = "0x0280";
    dialog.m_Info.version = "1.0";
    dialog.m_Info.uuidE = "00112233445566778899AABBCCDDEEFF";
    dialog.m_Info.selectedRegistrar = "TRUE00112233445566778899AABBCCDDEEFF";
    dialog.m_Info.rfBands = "2.4GHz + 5GHz";
    const INT_PTR result = testutil::WithModal("WPS Information", [&] { return dialog.DoModal(); }, [&](HWND d) {
        EXPECT_EQ(ItemText(d, IDC_WSCI_AUTH), "WPA2-PSK");
        EXPECT_EQ(ItemText(d, IDC_WSCI_ENCRY), "AES");
        EXPECT_EQ(ItemText(d, IDC_WSCI_METHODS), "0x0280");
        EXPECT_EQ(ItemText(d, IDC_WSCI_VERSION), "1.0");
        EXPECT_EQ(ItemText(d, IDC_WSCI_UUID_LABEL), "UUID-E");
        EXPECT_EQ(ItemText(d, IDC_WSCI_PASSWORD_ID_LABEL), "Device Password ID");
        EXPECT_EQ(ItemText(d, IDOK), "OK");
        testutil::ExpectTidyLayout(d);
        Shot(d, "wsc_info");
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(WscDialogsTest, DetailShowsAnAsciiWepKeyAsHexAndTogglesItsForm) {
    WpsCredentialTable table{};
    table.Count = 1;
    table.Entries[0] = ShownCredential("Quay WEP", 0x01, 0x02, "ABCDEFGHIJKLM", 0x80000001u);
    CWscDetailDlg dialog(0, &table);
    dialog.FillFrom(table.Entries[0]);
    testutil::WithModal("WPS Profile Detail", [&] { return dialog.DoModal(); }, [&](HWND d) {
        EXPECT_EQ(ItemText(d, IDC_WSCD_SSID), "Quay WEP");
        EXPECT_EQ(ItemText(d, IDC_WSCD_MAC), "02-00-00-00-00-77");
        EXPECT_EQ(ItemText(d, IDC_WSCD_AUTH), "OPEN");
        EXPECT_EQ(ItemText(d, IDC_WSCD_ENCRY), "WEP");
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY_INDEX), "Key#2");
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY), "4142434445464748494a4b4c4d");
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY_LENGTH), "26");
        EXPECT_TRUE(Visible(d, IDC_WSCD_ASCII));
        EXPECT_FALSE(Visible(d, IDC_WSCD_AUTH_COMBO));
        testutil::ExpectTidyLayout(d);
        Shot(d, "wsc_detail");
        SendMessageA(GetDlgItem(d, IDC_WSCD_ASCII), BM_CLICK, 0, 0);
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY), "ABCDEFGHIJKLM");
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY_LENGTH), "13");
        SendMessageA(GetDlgItem(d, IDC_WSCD_ASCII), BM_CLICK, 0, 0);
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY_LENGTH), "26");
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    // Showing a credential changes nothing.
    EXPECT_EQ(WpsCredentialKey(table.Entries[0]), "ABCDEFGHIJKLM");
}

TEST_F(WscDialogsTest, RegistrarEditorRewritesEntryZero) {
    WpsCredentialTable table{};
    table.Count = 1;
    table.Entries[0] = ShownCredential("ExRegNW010203", 0x20, 0x08, std::string(64, 'A'), 1);
    {
        CWscDetailDlg dialog(1, &table);
        dialog.FillFrom(table.Entries[0]);
        const INT_PTR result = testutil::WithModal("WPS Profile Detail", [&] { return dialog.DoModal(); }, [&](HWND d) {
            EXPECT_TRUE(Visible(d, IDC_WSCD_AUTH_COMBO));
            EXPECT_FALSE(Visible(d, IDC_WSCD_AUTH));
            EXPECT_EQ(ItemText(d, IDC_WSCD_AUTH_COMBO), "WPA2-PSK");
            EXPECT_EQ(ItemText(d, IDC_WSCD_ENCRY_COMBO), "AES");
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_WSCD_KEY_LENGTH_COMBO)));
            testutil::ExpectTidyLayout(d);
            Shot(d, "wsc_detail_registrar");
            // A short pass phrase is refused and the editor stays.
            SetDlgItemTextA(d, IDC_WSCD_KEY, "short");
            SendMessageA(d, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(IsWindow(d));
            // OPEN with NONE: the key goes, the edit becomes read-only.
            SendMessageA(GetDlgItem(d, IDC_WSCD_AUTH_COMBO), CB_SETCURSEL, 0, 0);
            SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_WSCD_AUTH_COMBO, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_WSCD_AUTH_COMBO)));
            EXPECT_EQ(ItemText(d, IDC_WSCD_ENCRY_COMBO), "NONE");
            EXPECT_EQ(ItemText(d, IDC_WSCD_KEY), "");
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, IDC_WSCD_KEY), GWL_STYLE) & ES_READONLY);
            SetDlgItemTextA(d, IDC_WSCD_SSID, "Open Registrar");
            PostMessageA(d, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(result, IDOK);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Key length error");
    const WpsCredential& e = table.Entries[0];
    EXPECT_EQ(WpsCredentialSsid(e), "Open Registrar");
    EXPECT_EQ(e.AuthType, 1u);
    EXPECT_EQ(e.EncryType, 1u);
    EXPECT_EQ(e.KeyLength, 5u);
    for (uint8_t b : e.Key) EXPECT_EQ(b, 0);
}

TEST_F(WscDialogsTest, RegistrarWepKeyLengthRuleFollowsTheLengthRow) {
    WpsCredentialTable table{};
    table.Count = 1;
    table.Entries[0] = ShownCredential("Reg", 0x01, 0x02, "1122334455", 2);
    CWscDetailDlg dialog(1, &table);
    dialog.FillFrom(table.Entries[0]);
    testutil::WithModal("WPS Profile Detail", [&] { return dialog.DoModal(); }, [&](HWND d) {
        EXPECT_EQ(ItemText(d, IDC_WSCD_ENCRY_COMBO), "WEP");
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY_LENGTH_COMBO), "10");
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY_INDEX_COMBO), "3");
        EXPECT_EQ(dialog.KeyLimit(), 10);
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY), "1122334455");
        // 13 characters: the key no longer fits the rule and goes.
        SendMessageA(GetDlgItem(d, IDC_WSCD_KEY_LENGTH_COMBO), CB_SETCURSEL, 2, 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_WSCD_KEY_LENGTH_COMBO, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_WSCD_KEY_LENGTH_COMBO)));
        EXPECT_EQ(dialog.KeyLimit(), 13);
        EXPECT_EQ(ItemText(d, IDC_WSCD_KEY), "");
        SetDlgItemTextA(d, IDC_WSCD_KEY, "ABCDEFGHIJKLM");
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(table.Entries[0].KeyLength, 13u);
    EXPECT_EQ(table.Entries[0].KeyIndex, 2u);
    EXPECT_EQ(WpsCredentialKey(table.Entries[0]), "ABCDEFGHIJKLM");
}

TEST_F(WscDialogsTest, WarningAsksAndEachCloseAllEndsItsDialogsWithCancel) {
    {
        CWscUnsecureWarning warning;
        const INT_PTR result = testutil::WithModal("Unsecured setting", [&] { return warning.DoModal(); }, [&](HWND d) {
            EXPECT_EQ(ItemText(d, IDC_WSCU_TEXT), "Do you want to set the unsecured authentication? ");
            testutil::ExpectTidyLayout(d);
            Shot(d, "wsc_unsecure");
            PostMessageA(d, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(result, IDOK);
    }
    WpsCredentialTable table{};
    struct Case {
        const char* caption;
        std::function<INT_PTR()> open;
        void (*closeAll)();
    };
    CWscUnsecureWarning warning;
    CWscInfoDlg info;
    CWscDetailDlg detail(0, &table);
    const Case cases[] = {
        {"Unsecured setting", [&] { return warning.DoModal(); }, CloseWscWarningDialogs},
        {"WPS Information", [&] { return info.DoModal(); }, CloseWscInfoDialogs},
        {"WPS Profile Detail", [&] { return detail.DoModal(); }, CloseWscDetailDialogs},
    };
    for (const Case& c : cases) {
        const INT_PTR result = testutil::WithModal(c.caption, c.open, [&](HWND) {
            // The other two leave it open.
            for (const Case& other : cases)
                if (other.closeAll != c.closeAll) other.closeAll();
            fw::PumpMessages(20);
            EXPECT_NE(testutil::FindThreadWindow(c.caption), nullptr) << c.caption;
            c.closeAll();
        });
        EXPECT_EQ(result, IDCANCEL) << c.caption;
    }
}

}  // namespace

#include "station/pages/wps/wsc_detail_dlg.h"

#include <cstdio>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "station/pages/wps/wps_texts.h"
#include "station/pages/wps/wsc_credential_text.h"

namespace {

BOOL CALLBACK EndDetailDialog(HWND window, LPARAM) {
    if (auto* dialog = dynamic_cast<CWscDetailDlg*>(fw::CWnd::FromHandle(window))) dialog->EndDialog(IDCANCEL);
    return TRUE;
}

constexpr int kKeyLimits[4] = {5, 10, 13, 26};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CWscDetailDlg, fw::CDialog)
    FW_ON_CBN_SELCHANGE(IDC_WSCD_AUTH_COMBO, OnAuthChange)
    FW_ON_CBN_SELCHANGE(IDC_WSCD_ENCRY_COMBO, OnEncryptionChange)
    FW_ON_CBN_SELCHANGE(IDC_WSCD_KEY_LENGTH_COMBO, OnKeyLengthChange)
    FW_ON_BN_CLICKED(IDC_WSCD_SHOW_PASSWORD, OnShowPassword)
    FW_ON_BN_CLICKED(IDC_WSCD_ASCII, OnAsciiFormat)
FW_END_MESSAGE_MAP()

CWscDetailDlg::CWscDetailDlg(int registrarMode, WpsCredentialTable* table, fw::CWnd* parent)
    : fw::CDialog(IDD_WSC_DETAIL, parent), m_bRegistrarMode(registrarMode), m_pTable(table) {}

void CWscDetailDlg::FillFrom(const WpsCredential& c) {
    m_strSsid = WpsCredentialSsid(c);
    m_strMac = fw::FormatStr("%02X-%02X-%02X-%02X-%02X-%02X", c.MacAddress[0], c.MacAddress[1], c.MacAddress[2],
                             c.MacAddress[3], c.MacAddress[4], c.MacAddress[5]);
    m_strAuthentication = WpsAuthTypeText(c.AuthType);
    m_strEncryption = WpsEncryTypeText(c.EncryType);
    m_strKeyIndex = fw::FormatStr("Key#%u", (c.KeyIndex & 0x7FFFFFFFu) + 1);
    const WscKeyForms forms = KeyFormsOf(c);
    m_strHexKey = forms.hex;
    m_strAsciiKey = forms.ascii;
    m_strKeyMaterial = forms.material;
    m_nKeyLength = forms.displayedLength;
    m_strKeyLength = fw::FormatStr("%d", m_nKeyLength);
    m_bAsciiAvailable = forms.asciiAvailable ? 1 : 0;
}

BOOL CWscDetailDlg::OnInitDialog() {
    m_KeyEdit.SubclassEdit(IDC_WSCD_KEY, this, CSmartEdit::kParseAll);
    ::SendMessageA(m_KeyEdit.m_hWnd, EM_LIMITTEXT, 64, 0);
    ::SendMessageA(GetDlgItem(IDC_WSCD_MAC), EM_SETREADONLY, TRUE, 0);
    fw::CDialog::OnInitDialog();
    m_bEditing = m_bRegistrarMode && m_pTable && m_pTable->Count > 0;
    if (m_bEditing) {
        ::SendMessageA(GetDlgItem(IDC_WSCD_SSID), EM_SETREADONLY, FALSE, 0);
        ::SendMessageA(GetDlgItem(IDC_WSCD_SSID), EM_LIMITTEXT, 32, 0);
        for (int id : {IDC_WSCD_AUTH, IDC_WSCD_ENCRY, IDC_WSCD_KEY_LENGTH, IDC_WSCD_KEY_INDEX})
            ::ShowWindow(GetDlgItem(id), SW_HIDE);
        for (int id : {IDC_WSCD_AUTH_COMBO, IDC_WSCD_ENCRY_COMBO, IDC_WSCD_KEY_LENGTH_COMBO, IDC_WSCD_KEY_INDEX_COMBO})
            ::ShowWindow(GetDlgItem(id), SW_SHOW);
        LoadRegistrarCombos(m_pTable->Entries[0]);
        return TRUE;
    }
    SetWindowText(fw::LoadStr(IDS_WSCD_CAPTION));
    ::SendMessageA(m_KeyEdit.m_hWnd, EM_SETREADONLY, TRUE, 0);
    if (m_bAsciiAvailable) ::ShowWindow(GetDlgItem(IDC_WSCD_ASCII), SW_SHOW);
    return TRUE;
}

void CWscDetailDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_WSCD_KEY_INDEX, m_strKeyIndex);
    fw::DDX_Text(dx, IDC_WSCD_KEY, m_strKeyMaterial);
    fw::DDX_Text(dx, IDC_WSCD_KEY_LENGTH, m_strKeyLength);
    fw::DDX_Text(dx, IDC_WSCD_AUTH, m_strAuthentication);
    fw::DDX_Text(dx, IDC_WSCD_ENCRY, m_strEncryption);
    fw::DDX_Text(dx, IDC_WSCD_SSID, m_strSsid);
    fw::DDX_Text(dx, IDC_WSCD_MAC, m_strMac);
    fw::DDX_Check(dx, IDC_WSCD_SHOW_PASSWORD, m_bShowPassword);
    fw::DDX_Check(dx, IDC_WSCD_ASCII, m_bAsciiShown);
}

int CWscDetailDlg::ComboRow(int id) const {
    return static_cast<int>(::SendMessageA(GetDlgItem(id), CB_GETCURSEL, 0, 0));
}

void CWscDetailDlg::SelectRow(int id, int row) { ::SendMessageA(GetDlgItem(id), CB_SETCURSEL, row, 0); }

std::string CWscDetailDlg::KeyText() const { return GetDlgItemText(IDC_WSCD_KEY); }

void CWscDetailDlg::SetKeyText(const std::string& text) { SetDlgItemText(IDC_WSCD_KEY, text); }

void CWscDetailDlg::SetKeyRule(int limit, bool hexOnly) {
    m_nKeyLimit = limit;
    ::SendMessageA(m_KeyEdit.m_hWnd, EM_LIMITTEXT, limit, 0);
    m_KeyEdit.SetParseType(hexOnly ? CSmartEdit::kParseHex : CSmartEdit::kParseAll);
}

void CWscDetailDlg::SetKeyReadOnly(bool readOnly) {
    ::SendMessageA(m_KeyEdit.m_hWnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void CWscDetailDlg::FillEncryptionItems() {
    HWND combo = GetDlgItem(IDC_WSCD_ENCRY_COMBO);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const char* const items[2] = {m_bWpaFamily ? "TKIP" : "NONE", m_bWpaFamily ? "AES" : "WEP"};
    for (const char* item : items) ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void CWscDetailDlg::LoadRegistrarCombos(const WpsCredential& entry) {
    HWND auth = GetDlgItem(IDC_WSCD_AUTH_COMBO);
    for (const char* item : {"OPEN", "WPA-PSK", "WPA2-PSK"})
        ::SendMessageA(auth, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    HWND length = GetDlgItem(IDC_WSCD_KEY_LENGTH_COMBO);
    for (const char* item : {"5", "10", "13", "26"})
        ::SendMessageA(length, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    HWND index = GetDlgItem(IDC_WSCD_KEY_INDEX_COMBO);
    for (const char* item : {"1", "2", "3", "4"})
        ::SendMessageA(index, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));

    const int authRow = entry.AuthType == 0x02 ? 1 : entry.AuthType == 0x20 ? 2 : 0;
    SelectRow(IDC_WSCD_AUTH_COMBO, authRow);
    m_bWpaFamily = authRow != 0;
    FillEncryptionItems();
    SelectRow(IDC_WSCD_ENCRY_COMBO, entry.EncryType == 1 || entry.EncryType == 4 ? 0 : 1);
    if (entry.EncryType == 2) {
        const int row = entry.KeyLength == 10 ? 1 : entry.KeyLength == 13 ? 2 : entry.KeyLength == 26 ? 3 : 0;
        ::EnableWindow(length, TRUE);
        ::EnableWindow(index, TRUE);
        SelectRow(IDC_WSCD_KEY_LENGTH_COMBO, row);
        const uint32_t keyIndex = entry.KeyIndex & 0x7FFFFFFFu;
        SelectRow(IDC_WSCD_KEY_INDEX_COMBO, keyIndex <= 3 ? static_cast<int>(keyIndex) : 0);
        SetKeyRule(kKeyLimits[row], row == 1 || row == 3);
    } else {
        ::EnableWindow(length, FALSE);
        ::EnableWindow(index, FALSE);
        SelectRow(IDC_WSCD_KEY_LENGTH_COMBO, 0);
        SelectRow(IDC_WSCD_KEY_INDEX_COMBO, 0);
        SetKeyRule(64, false);
        SetKeyReadOnly(authRow == 0 && entry.EncryType == 1);
    }
    SetKeyText(WpsCredentialKey(entry));
}

void CWscDetailDlg::OnAuthChange() {
    const int row = ComboRow(IDC_WSCD_AUTH_COMBO);
    const int family = row == 1 || row == 2 ? 1 : 0;
    if (family != m_bWpaFamily) {
        m_bWpaFamily = family;
        FillEncryptionItems();
        SelectRow(IDC_WSCD_ENCRY_COMBO, 0);
    }
    OnEncryptionChange();
}

void CWscDetailDlg::OnEncryptionChange() {
    const int a = ComboRow(IDC_WSCD_AUTH_COMBO);
    const int b = ComboRow(IDC_WSCD_ENCRY_COMBO);
    HWND length = GetDlgItem(IDC_WSCD_KEY_LENGTH_COMBO);
    HWND index = GetDlgItem(IDC_WSCD_KEY_INDEX_COMBO);
    if (a == 0 && b == 0) {
        SetKeyText("");
        SetKeyReadOnly(true);
        ::EnableWindow(length, FALSE);
        ::EnableWindow(index, FALSE);
    } else if (a == 0) {
        SetKeyReadOnly(false);
        ::EnableWindow(length, TRUE);
        ::EnableWindow(index, TRUE);
        OnKeyLengthChange();
    } else {
        SetKeyReadOnly(false);
        if (m_nKeyLimit != 64) SetKeyText("");
        ::EnableWindow(length, FALSE);
        ::EnableWindow(index, FALSE);
        SetKeyRule(64, false);
    }
}

void CWscDetailDlg::OnKeyLengthChange() {
    int row = ComboRow(IDC_WSCD_KEY_LENGTH_COMBO);
    if (row < 0 || row > 3) row = 0;
    if (kKeyLimits[row] != m_nKeyLimit) SetKeyText("");
    SetKeyRule(kKeyLimits[row], row == 1 || row == 3);
}

void CWscDetailDlg::OnShowPassword() {
    m_bShowPassword = ::IsDlgButtonChecked(m_hWnd, IDC_WSCD_SHOW_PASSWORD) == BST_CHECKED;
    ::SendMessageA(m_KeyEdit.m_hWnd, EM_SETPASSWORDCHAR, m_bShowPassword ? 0 : '*', 0);
    ::InvalidateRect(m_KeyEdit.m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_KeyEdit.m_hWnd);
}

void CWscDetailDlg::OnAsciiFormat() {
    m_bAsciiShown = ::IsDlgButtonChecked(m_hWnd, IDC_WSCD_ASCII) == BST_CHECKED;
    SetKeyText(m_bAsciiShown ? m_strAsciiKey : m_strHexKey);
    const int length = static_cast<int>((m_bAsciiShown ? m_strAsciiKey : m_strHexKey).size());
    SetDlgItemText(IDC_WSCD_KEY_LENGTH, fw::FormatStr("%d", length));
}

void CWscDetailDlg::OnOK() {
    if (!m_bEditing) {
        EndDialog(IDOK);
        return;
    }
    const bool readOnly = (::GetWindowLongA(m_KeyEdit.m_hWnd, GWL_STYLE) & ES_READONLY) != 0;
    const std::string key = KeyText();
    if (!RegistrarKeyPasses(readOnly, m_nKeyLimit, key)) {
        platform::Boxes().Show(m_hWnd, "Key length error", "Lumora", MB_OK);
        return;
    }
    RegistrarChoices choices;
    choices.ssid = GetDlgItemText(IDC_WSCD_SSID);
    choices.key = key;
    choices.authRow = ComboRow(IDC_WSCD_AUTH_COMBO);
    choices.encryptionRow = ComboRow(IDC_WSCD_ENCRY_COMBO);
    choices.keyLengthRow = ComboRow(IDC_WSCD_KEY_LENGTH_COMBO);
    choices.keyIndexRow = ComboRow(IDC_WSCD_KEY_INDEX_COMBO);
    WriteRegistrarCredential(choices, m_pTable->Entries[0]);
    EndDialog(IDOK);
}

void CloseWscDetailDialogs() { EnumWindows(EndDetailDialog, 0); }

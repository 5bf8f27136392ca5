#include "softap/pages/config/auth_secu_dlg.h"

#include <commctrl.h>

#include "softap/core/input/auth_secu_rules.h"
#include "softap/core/app_title.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/softap/resource.h"

namespace softap {
namespace {

constexpr int kTypeIds[4] = {IDC_SEC_KEY1_TYPE, IDC_SEC_KEY2_TYPE, IDC_SEC_KEY3_TYPE, IDC_SEC_KEY4_TYPE};
constexpr int kHexDigits = 26;
constexpr int kAsciiChars = 13;
constexpr int kPassphraseChars = 64;

int HexId(int n) { return IDC_SEC_KEY1_HEX + n; }
int AsciiId(int n) { return IDC_SEC_KEY1_ASCII + n; }

void AddRow(HWND combo, UINT textId)
{
    const std::string text = fw::LoadStr(textId);
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int RowCount(HWND combo)
{
    const LRESULT n = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    return n > 0 ? static_cast<int>(n) : 0;
}

UINT RekeyUnitText(int method) { return method == 0 ? IDS_REKEY_10_SECONDS : IDS_REKEY_KPACKETS; }

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAuthSecuDlg, fw::CDialog)
    FW_ON_CBN_SELCHANGE(IDC_SEC_AUTH, OnAuthenticationChange)
    FW_ON_CBN_SELCHANGE(IDC_SEC_ENC, OnEncryptionChange)
    FW_ON_CBN_SELCHANGE(IDC_SEC_KEY1_TYPE, OnKeyTypeChange)
    FW_ON_CBN_SELCHANGE(IDC_SEC_KEY2_TYPE, OnKeyTypeChange)
    FW_ON_CBN_SELCHANGE(IDC_SEC_KEY3_TYPE, OnKeyTypeChange)
    FW_ON_CBN_SELCHANGE(IDC_SEC_KEY4_TYPE, OnKeyTypeChange)
    FW_ON_BN_CLICKED(IDC_SEC_REKEY_UNIT, OnRekeyUnit)
    FW_ON_BN_CLICKED(IDC_SEC_KEY1, OnDefaultKey)
    FW_ON_BN_CLICKED(IDC_SEC_KEY2, OnDefaultKey)
    FW_ON_BN_CLICKED(IDC_SEC_KEY3, OnDefaultKey)
    FW_ON_BN_CLICKED(IDC_SEC_KEY4, OnDefaultKey)
    FW_ON_BN_CLICKED(IDC_SEC_SHOW_PASSWORD, OnShowPassword)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CAuthSecuDlg::CAuthSecuDlg(fw::CWnd* parent) : fw::CDialog(IDD_AUTH_SECU, parent) {}

void CAuthSecuDlg::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::DDX_Radio(pDX, IDC_SEC_KEY1, m_nDefaultKey);
    for (int n = 0; n < 4; ++n)
        fw::DDX_Text(pDX, HexId(n), m_strHexKey[n]);
    for (int n = 0; n < 4; ++n)
        fw::DDX_Text(pDX, AsciiId(n), m_strAsciiKey[n]);
    for (int n = 0; n < 4; ++n)
        fw::DDX_CBIndex(pDX, kTypeIds[n], m_nKeyType[n]);
    fw::DDX_Text(pDX, IDC_SEC_RADIUS_KEY, m_strRadiusKey);
    fw::DDX_Text(pDX, IDC_SEC_RADIUS_PORT, m_nRadiusPort);
    fw::DDX_Text(pDX, IDC_SEC_REKEY, m_nRekeyInterval);
    fw::DDX_Text(pDX, IDC_SEC_PSK, m_strPassphrase);
    fw::DDX_Text(pDX, IDC_SEC_REKEY_LABEL, m_strRekeyLabel);
    fw::DDX_Text(pDX, IDC_SEC_AUTH_LABEL, m_strAuthLabel);
    fw::DDX_Text(pDX, IDC_SEC_ENC_LABEL, m_strEncLabel);
    fw::DDX_Text(pDX, IDC_SEC_PSK_LABEL, m_strPskLabel);
    if (pDX->HasFailed())
        return;

    HWND ip = GetDlgItem(IDC_SEC_RADIUS_IP);
    HWND auth = GetDlgItem(IDC_SEC_AUTH);
    HWND enc = GetDlgItem(IDC_SEC_ENC);
    if (pDX->m_bSaveAndValidate) {
        if (ip)
            ::SendMessageA(ip, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&m_dwRadiusIP));
        const int row = static_cast<int>(::SendMessageA(auth, CB_GETCURSEL, 0, 0));
        if (row >= 0)
            m_nAuthenType = AuthenTypeOfRow(row);
        const int encRow = static_cast<int>(::SendMessageA(enc, CB_GETCURSEL, 0, 0));
        if (encRow >= 0)
            m_nEncryptionRow = encRow;
        return;
    }
    if (ip)
        ::SendMessageA(ip, IPM_SETADDRESS, 0, static_cast<LPARAM>(m_dwRadiusIP));
    const int row = AuthRowOfAuthenType(m_nAuthenType);
    // A stored value with no row of its own shows by row number, else as Open.
    if (row == 0 && m_nAuthenType != 0)
        m_nAuthenType = 0;
    ::SendMessageA(auth, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    if (m_nEncryptionRow < 0 || m_nEncryptionRow >= RowCount(enc))
        m_nEncryptionRow = 0;
    ::SendMessageA(enc, CB_SETCURSEL, static_cast<WPARAM>(m_nEncryptionRow), 0);
}

BOOL CAuthSecuDlg::OnInitDialog()
{
    fw::CDialog::OnInitDialog();
    for (int n = 0; n < 4; ++n) {
        m_HexEdit[n].SubclassEdit(HexId(n), this, CSmartEdit::kParseHex);
        m_AsciiEdit[n].SubclassEdit(AsciiId(n), this, CSmartEdit::kParseAll);
        m_HexEdit[n].SendMessage(EM_LIMITTEXT, kHexDigits);
        m_AsciiEdit[n].SendMessage(EM_LIMITTEXT, kAsciiChars);
    }
    ::SendMessageA(GetDlgItem(IDC_SEC_PSK), EM_LIMITTEXT, kPassphraseChars, 0);

    const SecurityConfig& s = m_Security;
    m_dwRadiusIP = s.RadiusIP;
    m_nAuthenType = s.AuthenType;
    m_nEncryptionRow = EncryptionRowOfStored(s.Encryption);
    // A stored type or default key the dialog has no control for shows as Hex, as key 1.
    for (int n = 0; n < 4; ++n)
        m_nKeyType[n] = s.WEPKeyType[n] == kKeyAscii ? kKeyAscii : kKeyHex;
    m_nDefaultKey = s.WEPKeyUse >= 0 && s.WEPKeyUse < 4 ? s.WEPKeyUse : 0;
    m_nRadiusPort = s.RadiusPort;
    m_nRekeyInterval = s.RekeyInterval;
    m_nRekeyMethod = s.RekeyMethod;
    m_strRadiusKey = s.RadiusKey;
    m_strPassphrase = s.WPAPSK;
    if (m_nRekeyMethod == 0 || m_nRekeyMethod == 1)
        SetDlgItemText(IDC_SEC_REKEY_UNIT, fw::LoadStr(RekeyUnitText(m_nRekeyMethod)));
    for (int n = 0; n < 4; ++n) {
        m_strHexKey[n].clear();
        m_strAsciiKey[n].clear();
        if (m_nKeyType[n] == kKeyAscii)
            m_strAsciiKey[n] = AsciiOfHexKey(s.WEPKey[n]);
        else
            m_strHexKey[n] = s.WEPKey[n];
    }

    HWND auth = GetDlgItem(IDC_SEC_AUTH);
    for (UINT id : {IDS_OPEN, IDS_SHARED, IDS_WPA_PSK, IDS_WPA2_PSK, IDS_WPA_WPA2_PSK})
        AddRow(auth, id);
    m_strAuthLabel = fw::LoadStr(IDS_AUTH_TYPE);
    m_strEncLabel = fw::LoadStr(IDS_ENC_TYPE);
    m_strPskLabel = fw::LoadStr(IDS_PSK);
    m_strRekeyLabel = fw::LoadStr(IDS_REKEY_INTERVAL);
    SetDlgItemText(IDC_SEC_WEP_GROUP, fw::LoadStr(IDS_WEP_KEY));
    for (int n = 0; n < 4; ++n)
        SetDlgItemText(IDC_SEC_KEY1 + n, fw::LoadStr(IDS_KEY1 + n));
    SetDlgItemText(IDC_SEC_SHOW_PASSWORD, fw::LoadStr(IDS_SHOW_PASSWORD));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_CANCEL));
    for (int id : kTypeIds) {
        AddRow(GetDlgItem(id), IDS_HEX);
        AddRow(GetDlgItem(id), IDS_ASCII);
    }
    FillEncryptionRows(AuthenTypeOfRow(AuthRowOfAuthenType(m_nAuthenType)));
    SetWindowText(fw::LoadStr(IDS_SECURITY_SETTING));

    UpdateData(FALSE);
    OnAuthenticationChange();
    return TRUE;
}

bool CAuthSecuDlg::ReadControls()
{
    if (UpdateData(TRUE))
        return true;
    platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_ENTER_POSITIVE_INTEGER).c_str(), kAppTitle,
                           MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CAuthSecuDlg::Message(UINT textId)
{
    platform::Boxes().Show(m_hWnd, fw::LoadStr(textId).c_str(), kAppTitle, MB_OK);
}

void CAuthSecuDlg::FillEncryptionRows(int authenType)
{
    HWND enc = GetDlgItem(IDC_SEC_ENC);
    ::SendMessageA(enc, CB_RESETCONTENT, 0, 0);
    if (IsPskKind(authenType)) {
        AddRow(enc, IDS_TKIP);
        AddRow(enc, IDS_AES);
        if (EncryptionRowCount(authenType) > 2)
            AddRow(enc, IDS_BOTH);
    } else {
        AddRow(enc, IDS_NOT_USE);
        AddRow(enc, IDS_WEP);
    }
}

void CAuthSecuDlg::OnAuthenticationChange()
{
    if (!ReadControls()) {
        // Refused until the number reads: the choice goes back to the rows the dialog shows.
        const WPARAM row = static_cast<WPARAM>(AuthRowOfAuthenType(m_nAuthenType));
        ::SendMessageA(GetDlgItem(IDC_SEC_AUTH), CB_SETCURSEL, row, 0);
        return;
    }
    FillEncryptionRows(m_nAuthenType);
    UpdateData(FALSE);  // a cipher row the new list lacks becomes its first
    EncryptionChanged(false);
}

void CAuthSecuDlg::EncryptionChanged(bool read)
{
    if (read && !ReadControls()) {
        ::SendMessageA(GetDlgItem(IDC_SEC_ENC), CB_SETCURSEL, static_cast<WPARAM>(m_nEncryptionRow), 0);
        return;
    }
    const SecurityEnabling e = EnablingFor(m_nAuthenType, m_nEncryptionRow);
    if (e.known) {
        EnableDlgItem(IDC_SEC_PSK, e.passphrase);
        EnableDlgItem(IDC_SEC_REKEY, e.rekey);
        EnableDlgItem(IDC_SEC_REKEY_UNIT, e.rekey);
        for (int id : {IDC_SEC_RADIUS_IP, IDC_SEC_RADIUS_PORT, IDC_SEC_RADIUS_KEY})
            EnableDlgItem(id, e.radius);
        for (int n = 0; n < 4; ++n) {
            EnableDlgItem(IDC_SEC_KEY1 + n, e.wep);
            EnableDlgItem(kTypeIds[n], e.wep);
            EnableDlgItem(HexId(n), e.wep);
            EnableDlgItem(AsciiId(n), e.wep);
        }
        EnableDlgItem(IDC_SEC_WEP_GROUP, e.wep);
        EnableDlgItem(IDC_SEC_NOTE, e.wep);
    }
    KeyTypeChanged(false);
}

void CAuthSecuDlg::KeyTypeChanged(bool read)
{
    if (read && !ReadControls())
        return;
    for (int n = 0; n < 4; ++n) {
        const bool ascii = m_nKeyType[n] == kKeyAscii;
        ::ShowWindow(GetDlgItem(HexId(n)), ascii ? SW_HIDE : SW_SHOW);
        ::ShowWindow(GetDlgItem(AsciiId(n)), ascii ? SW_SHOW : SW_HIDE);
    }
    UpdateNote();
}

void CAuthSecuDlg::UpdateNote()
{
    const int type = m_nKeyType[m_nDefaultKey >= 0 && m_nDefaultKey < 4 ? m_nDefaultKey : 0];
    if (type == kKeyHex || type == kKeyAscii)
        SetDlgItemText(IDC_SEC_NOTE, fw::LoadStr(IDS_WEP_NOTE));
}

void CAuthSecuDlg::OnDefaultKey()
{
    if (!ReadControls())
        return;
    UpdateNote();
}

void CAuthSecuDlg::OnRekeyUnit()
{
    m_nRekeyMethod = m_nRekeyMethod == 0 ? 1 : 0;
    SetDlgItemText(IDC_SEC_REKEY_UNIT, fw::LoadStr(RekeyUnitText(m_nRekeyMethod)));
}

void CAuthSecuDlg::OnShowPassword()
{
    const WPARAM mask = IsDlgButtonChecked(IDC_SEC_SHOW_PASSWORD) == BST_CHECKED ? 0 : '*';
    for (int n = 0; n < 4; ++n) {
        for (int id : {HexId(n), AsciiId(n)}) {
            HWND edit = GetDlgItem(id);
            ::SendMessageA(edit, EM_SETPASSWORDCHAR, mask, 0);
            ::InvalidateRect(edit, nullptr, TRUE);
        }
    }
    HWND psk = GetDlgItem(IDC_SEC_PSK);
    ::SendMessageA(psk, EM_SETPASSWORDCHAR, mask, 0);
    ::InvalidateRect(psk, nullptr, TRUE);
}

const std::string& CAuthSecuDlg::VisibleKeyText(int n) const
{
    return m_nKeyType[n] == kKeyAscii ? m_strAsciiKey[n] : m_strHexKey[n];
}

void CAuthSecuDlg::OnOK()
{
    if (!ReadControls())
        return;
    const std::string visible[4] = {VisibleKeyText(0), VisibleKeyText(1), VisibleKeyText(2), VisibleKeyText(3)};
    switch (CheckSecurity(m_nAuthenType, m_nEncryptionRow, m_strPassphrase, m_nDefaultKey, m_nKeyType, visible)) {
    case SecurityCheck::kBadPassphrase:
        Message(IDS_WPA_KEY_LENGTH);
        return;
    case SecurityCheck::kBadWepKey:
        Message(IDS_WEP_KEY_LENGTH);
        return;
    case SecurityCheck::kOk:
        break;
    }

    SecurityConfig& s = m_Security;
    s.RadiusIP = m_dwRadiusIP;
    s.AuthenType = m_nAuthenType;
    s.Encryption = EncryptionOfRow(m_nAuthenType, m_nEncryptionRow);
    for (int n = 0; n < 4; ++n)
        s.WEPKeyType[n] = m_nKeyType[n];
    s.WEPKeyUse = m_nDefaultKey >= 0 && m_nDefaultKey < 4 ? m_nDefaultKey : 0;
    s.RadiusPort = m_nRadiusPort;
    s.RekeyInterval = m_nRekeyInterval;
    s.RekeyMethod = m_nRekeyMethod;
    s.RadiusKey = m_strRadiusKey;
    s.WPAPSK = m_strPassphrase;
    // Keys are stored only while WEP is in use; otherwise they stay as they were.
    if (UsesWep(m_nAuthenType, m_nEncryptionRow)) {
        for (int n = 0; n < 4; ++n)
            s.WEPKey[n] = m_nKeyType[n] == kKeyAscii ? HexOfAsciiKey(m_strAsciiKey[n]) : m_strHexKey[n];
    }
    EndDialog(IDOK);
}

void CAuthSecuDlg::OnDestroy()
{
    // Destroyed under its loop (its owner went): the run ends as a Cancel.
    if (!HasEnded())
        EndDialog(IDCANCEL);
}

}  // namespace softap
